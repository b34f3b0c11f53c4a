#pragma once
// The wikis the upload tests talk to: the real MediaWikis started for them on this machine
// (in the build's test-wiki and test-wiki-small), their files read back, and a stub server
// for the answers no MediaWiki gives.

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>
#include <QTcpServer>
#include <QUrl>
#include <functional>

namespace localWiki {

struct Wiki {
    QMap<QString, QString> env; // wiki.env: API, BOT_FULL, BOT_FULL_PASSWORD...
    bool up() const { return !env.isEmpty(); }
    QUrl api() const { return QUrl(env.value("API")); }
};

// The shared wiki, or the one whose largest upload is small; empty when not started.
Wiki shared();
Wiki smallLimit();

// Runs the event loop until done() holds or ms pass; whether it holds.
bool waitFor(const std::function<bool()> &done, int ms = 60000);
// What the wiki holds as File:name: the bytes of its current version, and its page's text.
QByteArray fileBytes(const Wiki &wiki, const QString &name);
QString pageText(const Wiki &wiki, const QString &name);
// A page's latest revision; id -1 when it has none.
struct Revision {
    qint64 id = -1;
    QString user, comment, text;
};
Revision latestRevision(const Wiki &wiki, const QString &title);
// Deletes File:name, or creates a page that does not exist, as the wiki's administrator;
// whether the wiki said it did.
bool deleteFile(const Wiki &wiki, const QString &name);
bool createPage(const Wiki &wiki, const QString &title, const QString &text);
bool createPages(const Wiki &wiki, const QList<std::pair<QString, QString>> &titlesAndTexts);
// A small picture no other call gives: its pixels come from a counter and the clock.
QImage uniquePicture();

// Answers each connection with the next of its raw HTTP answers ("" closes it unanswered,
// "hang" leaves it open), then with the last one.
class Stub : public QTcpServer {
public:
    explicit Stub(QList<QByteArray> answers);
    QUrl api() const;
    int requests = 0;
    QByteArray received; // every request's bytes, one after the other

private:
    QList<QByteArray> answers_;
};
// A raw HTTP answer with this status line, extra headers and body.
QByteArray httpAnswer(const QByteArray &status, const QByteArray &body, const QByteArray &headers = {});

} // namespace localWiki
