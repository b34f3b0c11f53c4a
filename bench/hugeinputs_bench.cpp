// Inputs far larger than anyone copies by hand, through the text tools and the window:
// about 50 MB of chat, combat log and prose, a 50 MB line of digits, 32767 expanded
// templates, a 50 MB clipboard slot kept across a restart and an 8000 x 8000 icon file.
// Each run checks its result (a wrong one ends the benchmark with an error) and reports:
//   MB       the size of the input: millions of characters, or the decoded picture in MiB
//   peak_MB  the growth of the peak resident memory over the run, in MiB

#include "app/frmvandrel.h"
#include "common/textfile.h"
#include "common/textrules.h"
#include "settings/privateprofile.h"
#include "settings/settingskeys.h"
#include "wikitext/expandedtemplates.h"
#include "wikitext/formattext.h"
#include "wikitext/mappoints.h"
#include "wikitext/totaldamage.h"
#include "memory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <malloc.h>
#include <memory>

namespace {

// Runs step once per iteration; step says whether its result was right. The peak resident
// memory is reset before each run, so the figure is that run's own.
void measured(benchmark::State &state, double inputMB, const std::function<bool()> &step)
{
    double peakMB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        malloc_trim(0);
        const bool reset = resetPeak();
        const long long before = statusKilobytes("VmRSS:");
        state.ResumeTiming();
        if (!step()) {
            state.SkipWithError("wrong result");
            return;
        }
        if (reset)
            peakMB = std::max(peakMB, double(statusKilobytes("VmHWM:") - before) / 1024);
    }
    state.counters["MB"] = inputMB;
    state.counters["peak_MB"] = peakMB;
}

double megabytes(const QString &text) { return double(text.size()) / 1e6; }

const QString greenFont = QStringLiteral("<font color=green>");

void BM_ColourChat50MB(benchmark::State &state)
{
    const QString chunk = QStringLiteral("Bob tells you, hi there, friend\r\nThe door opens.\n   \r\n");
    const qsizetype repeats = 50 * 1024 * 1024 / chunk.size();
    const QString text = chunk.repeated(repeats);
    QTemporaryDir folder;
    measured(state, megabytes(text), [&] {
        const QString coloured = formatText::colourChat(folder.path(), text, formatText::ChatScheme::ByLineKind);
        return coloured.count(QStringLiteral("darkgoldenrod")) == repeats && coloured.endsWith(greenFont + "</font><br>\r\n\r\n")
            && QFile(QDir(folder.path()).filePath("Parse.tmp")).size() == text.size() + repeats + 2;
    });
}
BENCHMARK(BM_ColourChat50MB)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_LinkLists50MB(benchmark::State &state)
{
    const QString chunk = QStringLiteral("Bob tells you, hi there, friend\r\nThe door opens.\n   \r\n");
    const qsizetype repeats = 50 * 1024 * 1024 / chunk.size();
    const QString text = chunk.repeated(repeats);
    measured(state, megabytes(text), [&] {
        const QString bullets = formatText::bulletedLinkList(text);
        const QString inlined = formatText::inlineLinkList(text);
        return bullets.count(QStringLiteral("\r\n")) == 5 * repeats - 2 && bullets.endsWith("* [[The door opens.]]")
            && inlined.count(QStringLiteral("]], [[")) == 2 * repeats;
    });
}
BENCHMARK(BM_LinkLists50MB)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_TotalDamage50MB(benchmark::State &state)
{
    const QString chunk = QStringLiteral("12:00:01 You hit the drudge for 3 points of damage.\n"
                                         "12:00:02 The drudge hits you for 7 points of damage.\n");
    const qsizetype repeats = 50'000'000 / chunk.size();
    const QString log = chunk.repeated(repeats);
    const QString digits = "You hit for " + QString(50'000'000, u'7') + "."; // no number, no hang
    measured(state, megabytes(log) + megabytes(digits), [&] {
        return totalDamage::total(textFiles::splitLineViews(log, textFiles::LoneLf::EndsLine)) == qint32(3 * repeats)
            && totalDamage::lineDamage(digits) == 0;
    });
}
BENCHMARK(BM_TotalDamage50MB)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_MapPoints50MB(benchmark::State &state)
{
    const QString prose = QStringLiteral("The road. Then a bridge, and more road. ").repeated(1'250'000) + "3S 4W.";
    const QString number = QString(50'000'000, u'8') + "N 1E";
    measured(state, megabytes(prose) + megabytes(number), [&] {
        const QList<mapPoints::Point> one = mapPoints::parse(number, 4);
        return mapPoints::mapPoint(prose) == "{{Map Point\r\n | 3 | S | 4 | W\r\n}}" && one.size() == 1
            && one[0].firstNumber.size() == 50'000'000;
    });
}
BENCHMARK(BM_MapPoints50MB)->Iterations(2)->Unit(benchmark::kMillisecond);

// The shared replace must stay one pass: Qt's own moves the rest of the text per match.
void BM_ReplaceAll12MB(benchmark::State &state)
{
    const QString big = QStringLiteral("line, ").repeated(2'000'000);
    measured(state, megabytes(big), [&] {
        const QString out = textRules::replaceAll(big, u", ", u"\r\n");
        return out.size() == big.size() && out.startsWith(QStringLiteral("line\r\nline\r\n"));
    });
}
BENCHMARK(BM_ReplaceAll12MB)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ExpandedTemplates32767(benchmark::State &state)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Templates"));
    QFile last(QDir(folder.path()).filePath(QStringLiteral("Templates/Last.txt")));
    if (last.open(QIODevice::WriteOnly))
        last.write("end");
    last.close();
    PrivateProfile ini;
    ini.write(settings::keys::expandedTemplateCount, QStringLiteral("32767"));
    ini.write(settings::keys::expandedTemplatePath(32767), QStringLiteral("Default Last.txt"));
    ini.write(settings::keys::expandedTemplateName(32767), QStringLiteral("Last"));
    measured(state, 0, [&] {
        const auto records = expandedTemplates::load(ini, folder.path());
        return records.size() == 32767 && records[100].name == "Default" && records.last().text == "end\r\n";
    });
}
BENCHMARK(BM_ExpandedTemplates32767)->Iterations(3)->Unit(benchmark::kMillisecond);

// A shown window over a fresh program folder.
struct Session {
    QTemporaryDir folder;
    std::unique_ptr<frmVandrel> window;

    explicit Session(const QByteArray &ini = {})
    {
        QDir(folder.path()).mkpath(QStringLiteral("Images"));
        QDir(folder.path()).mkpath(QStringLiteral("Templates"));
        QFile file(QDir(folder.path()).filePath(QStringLiteral("Quillmark.ini")));
        if (file.open(QIODevice::WriteOnly))
            file.write(ini);
        file.close();
        start();
    }
    ~Session() { window->close(); }
    void start()
    {
        window = std::make_unique<frmVandrel>(folder.path());
        window->show();
        window->showTab(3);
        QApplication::processEvents();
    }
    QWidget *control(const QString &name) const { return window->findChild<QWidget *>(name); }
};

void BM_FormatButton50MB(benchmark::State &state)
{
    Session session;
    const QString big = QStringLiteral("A line of a very long chat log that someone copied, says Bob\n").repeated(840'000);
    measured(state, megabytes(big), [&] {
        QGuiApplication::clipboard()->setText(big);
        QTest::mouseClick(session.control(QStringLiteral("cmdFormat_0")), Qt::LeftButton);
        const QString coloured = QGuiApplication::clipboard()->text();
        return coloured.startsWith(QStringLiteral("<font color=darkgoldenrod>A line")) && coloured.endsWith("</font><br>\r\n\r\n");
    });
}
BENCHMARK(BM_FormatButton50MB)->Iterations(2)->Unit(benchmark::kMillisecond);

// A slot set, got back, saved at the close and read again at the next start.
void BM_ClipboardSlot50MB(benchmark::State &state)
{
    Session session("[ExpandedClipboard]\r\nSaveClipboard=True\r\n");
    const QString big = (QString(98, u'w') + QStringLiteral("\r\n")).repeated(500'000);
    QTimer confirm; // OK to "Set new text?"
    QObject::connect(&confirm, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && box->button(QMessageBox::Ok))
            box->button(QMessageBox::Ok)->click();
    });
    confirm.start(5);
    measured(state, megabytes(big), [&] {
        QGuiApplication::clipboard()->setText(big);
        QTest::mouseClick(session.control(QStringLiteral("cmdClipboard_3")), Qt::RightButton);
        session.window->close();
        session.start();
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(session.control(QStringLiteral("cmdClipboard_3")), Qt::LeftButton);
        const auto *slot = qobject_cast<QPushButton *>(session.control(QStringLiteral("cmdClipboard_3")));
        return QGuiApplication::clipboard()->text() == big && slot->text() == "wwwwww...";
    });
}
BENCHMARK(BM_ClipboardSlot50MB)->Iterations(2)->Unit(benchmark::kMillisecond);

// An 8000 x 8000 picture dropped on a tile still gives its top-left 32 x 32.
void BM_MergeDrop8000Square(benchmark::State &state)
{
    Session session("[General]\r\nAutoName=True\r\n");
    session.window->showTab(4);
    QImage huge(8000, 8000, QImage::Format_RGB32);
    huge.fill(0xff336699);
    const QString path = QDir(session.folder.path()).filePath(QStringLiteral("huge.png"));
    huge.save(path);
    huge = QImage();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QWidget *tile = session.control(QStringLiteral("picBacking_3"));
    measured(state, 8000.0 * 8000 * 4 / (1 << 20), [&] {
        const QPoint at = tile->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tile, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tile, &drop);
        const QImage icon = session.control(QStringLiteral("picBacking_0"))->property("picture").value<QImage>();
        QImage expected(32, 32, QImage::Format_RGB32);
        expected.fill(0xff336699);
        return icon.convertToFormat(QImage::Format_RGB32) == expected;
    });
}
BENCHMARK(BM_MergeDrop8000Square)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace
