#include "localwiki.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpSocket>
#include <QUrlQuery>

#include <algorithm>

namespace localWiki {
namespace {

// The wiki a start of scripts/local-wiki made in dir.
Wiki read(const QString &dir)
{
    Wiki wiki;
    QFile file(dir + "/wiki.env");
    if (dir.isEmpty() || !file.open(QIODevice::ReadOnly))
        return wiki;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (const qsizetype eq = line.indexOf('='); eq > 0)
            wiki.env.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    return wiki;
}

QByteArray get(const QUrl &url)
{
    QNetworkAccessManager network;
    QNetworkReply *reply = network.get(QNetworkRequest(url));
    waitFor([reply] { return reply->isFinished(); });
    const QByteArray body = reply->readAll();
    delete reply;
    return body;
}

QJsonObject firstPage(const Wiki &wiki, const QString &title, const QList<std::pair<QString, QString>> &items)
{
    QUrl url = wiki.api();
    QUrlQuery query{{"action", "query"}, {"format", "json"}, {"formatversion", "2"}};
    query.addQueryItem("titles", QString::fromLatin1(QUrl::toPercentEncoding(title)));
    for (const auto &[key, value] : items)
        query.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    url.setQuery(query);
    const QJsonObject answer = QJsonDocument::fromJson(get(url)).object();
    return answer["query"].toObject()["pages"].toArray().first().toObject();
}

} // namespace

Wiki shared()
{
    return read(QStringLiteral(QUILLMARK_TEST_WIKI));
}

Wiki smallLimit()
{
    return read(QStringLiteral(QUILLMARK_TEST_WIKI_SMALL));
}

bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QByteArray fileBytes(const Wiki &wiki, const QString &name)
{
    const QJsonObject page = firstPage(wiki, "File:" + name, {{"prop", "imageinfo"}, {"iiprop", "url"}});
    const QString url = page["imageinfo"].toArray().first().toObject()["url"].toString();
    return url.isEmpty() ? QByteArray() : get(QUrl(url));
}

QString pageText(const Wiki &wiki, const QString &name)
{
    return latestRevision(wiki, "File:" + name).text;
}

Revision latestRevision(const Wiki &wiki, const QString &title)
{
    const QJsonObject page = firstPage(
        wiki, title, {{"prop", "revisions"}, {"rvprop", "ids|user|comment|content"}, {"rvslots", "main"}});
    const QJsonObject revision = page["revisions"].toArray().first().toObject();
    return {revision["revid"].toInteger(-1), revision["user"].toString(), revision["comment"].toString(),
            revision["slots"].toObject()["main"].toObject()["content"].toString()};
}

namespace {

// Requests one after another as the wiki's administrator, each with a fresh token.
QList<QJsonObject> asAdmin(const Wiki &wiki, const QList<QList<std::pair<QString, QString>>> &actions)
{
    QNetworkAccessManager network; // its cookies hold the administrator's session
    const auto call = [&](const QList<std::pair<QString, QString>> &items) {
        QUrlQuery form{{"format", "json"}};
        for (const auto &[key, value] : items)
            form.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
        QNetworkRequest request(wiki.api());
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        QNetworkReply *reply = network.post(request, form.toString(QUrl::FullyEncoded).toUtf8());
        waitFor([reply] { return reply->isFinished(); });
        const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
        delete reply;
        return answer;
    };
    const auto token = [&](const QString &type) {
        return call({{"action", "query"}, {"meta", "tokens"}, {"type", type}})["query"]
            .toObject()["tokens"].toObject()[type + "token"].toString();
    };
    call({{"action", "login"}, {"lgname", wiki.env["ADMIN_USER"]}, {"lgpassword", wiki.env["ADMIN_PASSWORD"]},
          {"lgtoken", token("login")}});
    QList<QJsonObject> answers;
    const QString csrf = token("csrf");
    for (const auto &action : actions)
        answers.append(call(action + QList<std::pair<QString, QString>>{{"token", csrf}}));
    return answers;
}

} // namespace

bool deleteFile(const Wiki &wiki, const QString &name)
{
    return asAdmin(wiki, {{{"action", "delete"}, {"title", "File:" + name}}}).first().contains("delete");
}

bool createPage(const Wiki &wiki, const QString &title, const QString &text)
{
    return createPages(wiki, {{title, text}});
}

bool createPages(const Wiki &wiki, const QList<std::pair<QString, QString>> &pages)
{
    QList<QList<std::pair<QString, QString>>> edits;
    for (const auto &[title, text] : pages)
        edits.append({{"action", "edit"}, {"title", title}, {"text", text}, {"createonly", "1"}});
    const QList<QJsonObject> answers = asAdmin(wiki, edits);
    return std::all_of(answers.begin(), answers.end(),
                       [](const QJsonObject &answer) { return answer["edit"].toObject()["result"] == "Success"; });
}

QImage uniquePicture()
{
    static int count = 0;
    QImage picture(4, 3, QImage::Format_RGB32);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    picture.fill(qRgb(++count & 0xff, int(now & 0xff), int((now >> 8) & 0xff)));
    picture.setPixel(0, 0, qRgb(int((now >> 16) & 0xff), count >> 8, 7));
    return picture;
}

Stub::Stub(QList<QByteArray> answers) : answers_(std::move(answers))
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = nextPendingConnection()) {
            const QByteArray answer = answers_.size() > 1 ? answers_.takeFirst() : answers_.value(0);
            ++requests;
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, answer] {
                received += socket->readAll();
                if (answer == "hang")
                    return;
                socket->write(answer);
                socket->disconnectFromHost();
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl Stub::api() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/api.php").arg(serverPort()));
}

QByteArray httpAnswer(const QByteArray &status, const QByteArray &body, const QByteArray &headers)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: "
         + QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

} // namespace localWiki
