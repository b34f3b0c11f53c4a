#include "wiki/address.h"

#include <QHostAddress>

namespace wiki::address {

bool isLoopback(const QUrl &url)
{
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

std::optional<QString> whyRefused(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return QStringLiteral("\"%1\" is not a web address.").arg(url.toString());
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return std::nullopt;
    if (scheme == QLatin1String("http") && isLoopback(url))
        return std::nullopt;
    if (scheme == QLatin1String("http"))
        return QStringLiteral("Quillmark only talks to a wiki over https, which keeps the password secret on its way: "
                              "use https://%1%2.")
            .arg(url.host(), url.path());
    return QStringLiteral("\"%1\" is not an https:// address.").arg(url.toString());
}

} // namespace wiki::address
