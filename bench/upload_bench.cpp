// Uploads against a MediaWiki on this machine (scripts/local-wiki, started by the bench):
// a height button's click up to both files on the wiki and their markup on the clipboard,
// and the longest the window's event loop stands still while 20 pictures go up, and while
// 10 item pages are drafted, previewed and created (goal for both: under 30 ms). Without
// PHP or the wiki's packages the bench says so and measures nothing.

#include "app/frmvandrel.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Wiki {
    QTemporaryDir dir;
    QMap<QString, QString> env;
    Wiki()
    {
        QProcess start;
        start.start("bash", {QStringLiteral(QUILLMARK_LOCAL_WIKI), "start", dir.path()});
        if (!start.waitForFinished(600000) || start.exitCode() != 0)
            return;
        QFile file(dir.filePath("wiki.env"));
        file.open(QIODevice::ReadOnly);
        for (const QByteArray &line : file.readAll().split('\n'))
            if (const qsizetype eq = line.indexOf('='); eq > 0)
                env.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    ~Wiki() { QProcess::execute("bash", {QStringLiteral(QUILLMARK_LOCAL_WIKI), "stop", dir.path()}); }
};

Wiki &wiki()
{
    static Wiki shared;
    return shared;
}

// A window that uploads every picture it saves, its names and password typed when asked.
struct Session {
    QTemporaryDir folder;
    std::unique_ptr<frmVandrel> window;
    QTimer answer;

    explicit Session(bool pages = false)
    {
        QDir(folder.path()).mkpath("Images");
        QDir(folder.path()).mkpath("Templates");
        if (pages) {
            QFile page(QDir(folder.path()).filePath("Templates/Page.txt"));
            page.open(QIODevice::WriteOnly);
            page.write("{{Item\n|name=%name%\n|icon=%icon%\n|panel=[[File:%panel%]]\n}}\n[[Category:Items]]\n"
                       "[[Main Page]] [[%name% (old)]]\n");
        }
        QFile ini(QDir(folder.path()).filePath("Quillmark.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write("[General]\r\nAutoCopyFileName=True\r\nAutoCopyKind=Markup\r\n[Icon]\r\nPrefix=I"
                  "\r\n[Wiki]\r\nUploadAfterSave=True\r\nApi=" + wiki().env["API"].toUtf8() + "\r\nUser="
                  + wiki().env["BOT_FULL"].toUtf8() + "\r\n" + (pages ? "CreatePages=True\r\n" : ""));
        ini.close();
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        window = std::make_unique<frmVandrel>(folder.path());
        window->show();
        // The name prompt gets a name never used before, the password prompt the password.
        QObject::connect(&answer, &QTimer::timeout, [] {
            static int names = 0;
            if (auto *input = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                const bool password = input->textEchoMode() == QLineEdit::Password;
                input->setTextValue(password ? wiki().env["BOT_FULL_PASSWORD"]
                                             : QStringLiteral("Bench %1 %2").arg(QDateTime::currentMSecsSinceEpoch()).arg(++names));
                input->accept();
            }
        });
        answer.start(5);
    }
    ~Session() { window->close(); }

    QString status() const { return window->findChild<QLabel *>("lblStatus")->property("message").toString(); }
    void click()
    {
        // Every picture unique, so the wiki never finds one it has.
        static int shots = 0;
        ++shots;
        QImage shot(1280, 720, QImage::Format_RGB32);
        shot.fill(qRgb(shots & 0xff, (shots >> 8) & 0xff, int(QDateTime::currentMSecsSinceEpoch() & 0xff)));
        QGuiApplication::clipboard()->setImage(shot);
        // The height buttons act on the release of a mouse button.
        QPushButton *button = window->findChild<QPushButton *>("cmdExtractPanel_1");
        const QPointF at = button->rect().center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(button, &event);
        }
    }
    // Runs the event loop until done() or ms pass, keeping the longest gap between two turns.
    void spin(const std::function<bool()> &done, int ms)
    {
        QElapsedTimer clock, turn;
        clock.start();
        turn.start();
        while (!done() && clock.elapsed() < ms) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            longest = std::max(longest, turn.restart());
        }
    }
    void waitForUploads(int expected)
    {
        spin([&] { return !status().startsWith("Uploading") && uploaded() >= expected; }, 120000);
    }
    qint64 longest = 0;
    int uploaded() const
    {
        QFile list(QDir(folder.path()).filePath("Uploads.json"));
        return list.open(QIODevice::ReadOnly) ? int(list.readAll().count("\"state\": \"uploaded\"")) : 0;
    }
};

void BM_ClickToBothFilesOnTheWiki(benchmark::State &state)
{
    if (wiki().env.isEmpty())
        return state.SkipWithError("the local wiki could not be started (scripts/local-wiki)");
    Session session;
    int expected = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        session.click();
        expected += 2;
        session.waitForUploads(expected);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    state.counters["markup_on_clipboard"] = QGuiApplication::clipboard()->text().startsWith("[[File:") ? 1 : 0;
}
BENCHMARK(BM_ClickToBothFilesOnTheWiki)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LongestStallWhileTwentyGoUp(benchmark::State &state)
{
    if (wiki().env.isEmpty())
        return state.SkipWithError("the local wiki could not be started (scripts/local-wiki)");
    for (auto _ : state) {
        Session session;
        session.click(); // the password is asked once, before the measured run
        session.waitForUploads(2);
        session.longest = 0;
        // Ten clicks, a second apart, each saving an icon and a panel; the clicks' own work
        // is the user's action, not a stall.
        for (int i = 0; i < 10; ++i) {
            session.click();
            session.spin([] { return false; }, 1000);
        }
        session.waitForUploads(22);
        state.counters["longest_stall_ms"] = double(session.longest);
        state.counters["uploaded"] = session.uploaded();
    }
}
BENCHMARK(BM_LongestStallWhileTwentyGoUp)->Unit(benchmark::kMillisecond)->Iterations(1);

// The draft window open now, once the wiki's preview is in.
QWidget *previewedDraft()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmPageDraft" && top->isVisible()
            && !top->findChild<QTextBrowser *>("picPagePreview")->toPlainText().isEmpty())
            return top;
    return nullptr;
}

void BM_LongestStallWhileTenPagesAreMade(benchmark::State &state)
{
    if (wiki().env.isEmpty())
        return state.SkipWithError("the local wiki could not be started (scripts/local-wiki)");
    for (auto _ : state) {
        Session session(true);
        // Ten items saved in a row; each draft is previewed, then created with a click.
        for (int i = 0; i < 10; ++i)
            session.click();
        session.longest = 0;
        int created = 0;
        QPointer<QWidget> clicked;
        session.spin(
            [&] {
                QWidget *draft = previewedDraft();
                if (draft && draft != clicked) {
                    clicked = draft;
                    draft->findChild<QPushButton *>("cmdCreatePage")->click();
                    ++created;
                }
                return created == 10 && !clicked;
            },
            180000);
        state.counters["longest_stall_ms"] = double(session.longest);
        state.counters["pages_created"] = created - (clicked ? 1 : 0);
    }
}
BENCHMARK(BM_LongestStallWhileTenPagesAreMade)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
