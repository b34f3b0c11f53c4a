#include "wiki/uploadlist.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>

namespace wiki::uploads {
namespace {

// The words the file holds for each value, in the order of the enums.
const std::array<const char *, 6> stateWords = {"waiting", "uploading", "uploaded", "asking", "failed", "skipped"};
const std::array<const char *, 5> questionWords = {"", "same-bytes", "name-taken", "warnings", "replace-refused"};
const std::array<const char *, 5> choiceWords = {"", "use-existing", "upload-anyway", "replace", "skip"};

template <typename Enum, size_t N>
Enum fromWord(const std::array<const char *, N> &words, const QString &word, Enum fallback)
{
    for (size_t i = 0; i < N; ++i)
        if (word == QLatin1String(words[i]))
            return Enum(i);
    return fallback;
}

} // namespace

Entry *UploadList::find(int id)
{
    const auto it = std::find_if(entries_.begin(), entries_.end(), [id](const Entry &e) { return e.id == id; });
    return it == entries_.end() ? nullptr : &*it;
}

int UploadList::add(const QString &path, const QString &wikiName, const QString &kind, const QString &item)
{
    const bool idle = std::none_of(entries_.begin(), entries_.end(), [](const Entry &e) {
        return e.state == State::Waiting || e.state == State::Uploading;
    });
    if (idle)
        batchFrom_ = int(entries_.size());
    Entry entry;
    entry.id = nextId_++;
    entry.path = path;
    entry.wikiName = wikiName;
    entry.kind = kind;
    entry.item = item;
    entries_.append(entry);
    return entry.id;
}

int UploadList::addPage(const QString &title, const QString &link, const QString &message)
{
    const int id = add(QString(), title, pageKind);
    Entry &page = *find(id);
    page.state = State::Uploaded;
    page.link = link;
    page.message = message;
    return id;
}

void UploadList::remove(int id)
{
    const auto at = std::find_if(entries_.begin(), entries_.end(), [id](const Entry &e) { return e.id == id; });
    if (at == entries_.end())
        return;
    if (at - entries_.begin() < batchFrom_)
        --batchFrom_;
    entries_.erase(at);
}

Entry *UploadList::next()
{
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [](const Entry &e) { return e.state == State::Waiting; });
    return it == entries_.end() ? nullptr : &*it;
}

int UploadList::position() const
{
    int done = 0;
    for (qsizetype i = batchFrom_; i < entries_.size(); ++i)
        done += entries_[i].state != State::Waiting && entries_[i].state != State::Uploading;
    return std::min(done + 1, total());
}

int UploadList::total() const
{
    return int(entries_.size()) - batchFrom_;
}

QByteArray UploadList::toJson() const
{
    QJsonArray list;
    for (const Entry &e : entries_) {
        QJsonObject entry{{"path", e.path},
                          {"wikiName", e.wikiName},
                          {"kind", e.kind},
                          {"state", QLatin1String(stateWords[size_t(e.state)])},
                          {"message", e.message},
                          {"link", e.link},
                          {"question", QLatin1String(questionWords[size_t(e.question)])},
                          {"existingName", e.existingName},
                          {"choice", QLatin1String(choiceWords[size_t(e.choice)])}};
        // Written only where there is one: a list without items reads as it always did.
        if (!e.item.isEmpty())
            entry.insert(QLatin1String("item"), e.item);
        list.append(entry);
    }
    return QJsonDocument(QJsonObject{{"uploads", list}}).toJson(QJsonDocument::Indented);
}

UploadList UploadList::fromJson(const QByteArray &json)
{
    UploadList read;
    const QJsonArray list = QJsonDocument::fromJson(json).object().value(QLatin1String("uploads")).toArray();
    for (const QJsonValue &value : list) {
        const QJsonObject o = value.toObject();
        const QString path = o.value(QLatin1String("path")).toString();
        const QString wikiName = o.value(QLatin1String("wikiName")).toString();
        const QString kind = o.value(QLatin1String("kind")).toString();
        if ((path.isEmpty() && kind != pageKind) || wikiName.isEmpty())
            continue;
        const int id = read.add(path, wikiName, kind, o.value(QLatin1String("item")).toString());
        Entry &e = *read.find(id);
        e.state = fromWord(stateWords, o.value(QLatin1String("state")).toString(), State::Waiting);
        if (e.state == State::Uploading)
            e.state = State::Waiting;
        e.message = o.value(QLatin1String("message")).toString();
        e.link = o.value(QLatin1String("link")).toString();
        e.question = fromWord(questionWords, o.value(QLatin1String("question")).toString(), Question::None);
        e.existingName = o.value(QLatin1String("existingName")).toString();
        e.choice = fromWord(choiceWords, o.value(QLatin1String("choice")).toString(), Choice::None);
        // A file kept aside by the wiki does not outlive the session that asked for it.
        e.filekey.clear();
        if (e.state == State::Asking && e.question == Question::None)
            e.state = State::Waiting;
    }
    return read;
}

} // namespace wiki::uploads
