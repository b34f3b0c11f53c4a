#include "app/uploads/secretstore.h"

// Built without a store: nothing is kept beyond the run.
namespace secretStore {

void read(QObject *, const QString &, const QString &, std::function<void(const ReadResult &)> done)
{
    done({Found::NoStore, QString()});
}

void write(QObject *, const QString &, const QString &, const QString &, std::function<void(bool)> done)
{
    done(false);
}

} // namespace secretStore
