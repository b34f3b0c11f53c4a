// The monkey's actions on a real window and the checks after each one.

#include "monkey.h"
#include "../fuzz/inicheck.h"
#include "app/frmvandrel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <random>

namespace monkey {
namespace {

using Rng = std::mt19937_64;

int pick(Rng &r, int n) { return std::uniform_int_distribution<int>(0, n - 1)(r); }
bool oneIn(Rng &r, int n) { return pick(r, n) == 0; }
template <typename T, size_t N> const T &any(Rng &r, const T (&list)[N]) { return list[pick(r, int(N))]; }

// Pieces of what editors copy and type: words, numbers, accents, CJK, emoji, control
// characters, and bits of the chat logs, pages and tables the text tools read.
const char *const pieces[] = {
    "Sword", "12", "-5", "0.75", "99999999999", "75%", " ", "  ", ", ", "\r\n", "\n", "\r", "\t", "\x01", "",
    "Grüße àéîõü", "漢字テキスト", "😀🎮", "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB", "..", "/", "\\", "%41",
    "~~~", "&amp;", "[[x]]", "<Armor>", "</Armor>", "{{Armor\r\n | Name = x\r\n}}",
    "12:00:01 You hit the drudge for 45 points of damage.", "Critical Hit! ", "tells you, \"hi\"",
    "12.3N, 45.6E", "| Sword | 1,200", "|}", "Default Armor.txt", "1.txt", "True", "False", "C0C0FF",
};

QString randomText(Rng &r, int maxPieces)
{
    QString text;
    for (int n = pick(r, maxPieces + 1); n > 0; --n)
        text += QString::fromUtf8(any(r, pieces));
    return text;
}

// Text of every size up to 50 MB, the largest ones rare.
QString sizedText(Rng &r)
{
    static const qsizetype sizes[] = {0, 1, 7, 100, 1000, 100000};
    const qsizetype size = oneIn(r, 300) ? 50 * 1000 * 1000 : any(r, sizes);
    QString text = randomText(r, 12);
    if (text.isEmpty())
        text = QStringLiteral("x");
    return size == 0 ? QString() : text.repeated(size / text.size() + 1).left(size);
}

QImage noise(int width, int height, quint64 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    Rng r(seed);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = 0xff000000u | quint32(r() & 0xffffff) | (oneIn(r, 3) ? 0xffffffu : 0u);
    }
    return image;
}

// Pictures from 1 x 1 to 8000 x 8000, the largest ones rare.
QImage sizedPicture(Rng &r)
{
    static const QSize sizes[] = {{1, 1}, {32, 32}, {33, 17}, {300, 400}, {1024, 768}, {1920, 1080}};
    const QSize size = oneIn(r, 300) ? QSize(8000, 8000) : any(r, sizes);
    return noise(size.width(), size.height(), r());
}

struct World {
    QString top, program, data;
    std::unique_ptr<frmVandrel> window;
    QByteArray iniAtStart;
    QStringList files; // what the drops bring: pictures of every kind, and things that are none
    QMap<QString, QPair<qint64, QDateTime>> outside; // files outside the folders we may write
    QSet<QString> controls, dialogs;
    QSet<QString> named; // every named control of the window, for the figure
    Rng *rng = nullptr; // the running action's: answers to boxes come from it too
    QString step, failure;
};

World *world = nullptr;

void fail(const QString &why)
{
    if (world->failure.isEmpty())
        world->failure = why;
}

// Every kind of file a user may drop, in the data folder.
void makeData(World &w)
{
    const QString d = w.data;
    QDir().mkpath(d + QStringLiteral("/folder.png"));
    const QImage icon = noise(32, 32, 1);
    icon.save(d + QStringLiteral("/icon.png"));
    noise(1, 1, 2).save(d + QStringLiteral("/tiny.png"));
    noise(1280, 1024, 3).save(d + QStringLiteral("/screenshot.png"));
    icon.convertToFormat(QImage::Format_Grayscale8).save(d + QStringLiteral("/grey.png"));
    icon.convertToFormat(QImage::Format_Indexed8).save(d + QStringLiteral("/palette.png"));
    icon.convertToFormat(QImage::Format_RGBA64).save(d + QStringLiteral("/deep.png"));
    noise(300, 200, 4).save(d + QStringLiteral("/panel.bmp"));
    icon.save(d + QStringLiteral("/photo.jpg"), "JPG");
    icon.save(d + QStringLiteral("/UPPER.PNG"), "PNG");
    icon.save(d + QStringLiteral("/Grüße 字.png"), "PNG");
    const QByteArray gif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c00000000"
                                               "010001000002024401003b");
    auto write = [&](const char *name, const QByteArray &bytes) {
        QFile f(d + u'/' + QString::fromUtf8(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    };
    write("anim.gif", gif);
    QFile full(d + QStringLiteral("/screenshot.png"));
    full.open(QIODevice::ReadOnly);
    write("truncated.png", full.read(full.size() / 2));
    write("empty.bmp", {});
    write("notes.txt", "Sword, Bow\r\nShield\r\n");
    write("text.png", "not a picture");
    // Refused by its size before a pixel is decoded: a 16000 x 16000 picture of one colour.
    QImage bomb(16000, 16000, QImage::Format_Mono);
    bomb.fill(0);
    bomb.save(d + QStringLiteral("/bomb.png"));
    QDirIterator it(d);
    while (it.hasNext())
        if (const QString f = it.next(); !f.endsWith(u'.'))
            w.files.append(f);
    w.files.append(d + QStringLiteral("/missing.png"));
}

// Quillmark.ini with lines the window does not own (comments, unknown keys and sections, a
// Latin-1 line, a second copy of a key) and custom folders inside the run's folder.
QByteArray seededIni(const World &w)
{
    const QByteArray custom = (w.top + QStringLiteral("/custom/")).toUtf8();
    return "; my notes, kept as they are\r\n[General]\r\nOpacity=200\r\nMyOwnKey = 1\r\nOpacity=7\r\n"
           "caf\xe9=latin-1\r\n\r\n[Icon]\r\nUseDefaultSavePath=False\r\nCustomSavePath="
           + custom + "icons\r\n[Live]\r\nCustomSavePath=" + custom
           + "\r\n[Template1]\r\nName=Armor\r\nPath=Default Armor.txt\r\n[Mine]\r\nx=y\r\n"
             "[ExpandedTemplates]\r\nNumberofExpandedTemplates=1\r\nExpTemplatePath1=Default t.txt\r\n"
             "ExpTemplateName1=Mine\r\n";
}

QMap<QString, QPair<qint64, QDateTime>> listOutside(const World &w)
{
    QMap<QString, QPair<qint64, QDateTime>> list;
    for (const char *sub : {"data", "home", "cwd", "run"}) {
        QDirIterator it(w.top + u'/' + QLatin1String(sub), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            list.insert(f, {it.fileInfo().size(), it.fileInfo().lastModified()});
        }
    }
    return list;
}

// Nothing written outside the program folder and the folders the settings name, except the
// BMP the converter writes beside a dropped PNG.
void checkFiles(World &w)
{
    const auto now = listOutside(w);
    for (auto f = now.cbegin(); f != now.cend(); ++f) {
        if (w.outside.value(f.key()) == f.value())
            continue;
        const QString stem = f.key().chopped(std::min<qsizetype>(4, f.key().size()));
        const bool converted = f.key().startsWith(w.data) && f.key().endsWith(QLatin1String(".bmp"))
                               && std::any_of(w.files.cbegin(), w.files.cend(),
                                              [&](const QString &d) { return d.chopped(4) == stem; });
        if (!converted)
            fail(QStringLiteral("written outside the program folder: ") + f.key());
    }
    for (auto f = w.outside.cbegin(); f != w.outside.cend(); ++f)
        if (!now.contains(f.key()))
            fail(QStringLiteral("removed outside the program folder: ") + f.key());
    w.outside = now;
}

void openWindow(World &w)
{
    w.iniAtStart = [&] {
        QFile f(w.program + QStringLiteral("/Quillmark.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    w.window = std::make_unique<frmVandrel>(w.program);
    for (const QWidget *c : w.window->findChildren<QWidget *>())
        if (!c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_")))
            w.named.insert(c->objectName());
    w.window->show();
    w.window->activateWindow();
}

void closeAndCheck(World &w)
{
    w.window->close();
    w.window.reset();
    QFile f(w.program + QStringLiteral("/Quillmark.ini"));
    f.open(QIODevice::ReadOnly);
    if (const QString problems = iniCheck::problems(w.iniAtStart, f.readAll()); !problems.isEmpty())
        fail(QStringLiteral("after a close, Quillmark.ini: ") + problems);
}

// Random answers to every box that opens: any of its buttons or Escape, an input box's
// preset, empty or random text, or Cancel.
void answerBoxes()
{
    QWidget *modal = QApplication::activeModalWidget();
    auto *dialog = qobject_cast<QDialog *>(modal);
    if (!dialog || !dialog->isVisible() || dialog->property("answered").toBool() || !world->rng)
        return;
    dialog->setProperty("answered", true);
    Rng &r = *world->rng;
    world->dialogs.insert(QString::fromUtf8(dialog->metaObject()->className()) + QStringLiteral(": ")
                          + dialog->windowTitle());
    if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
        const QList<QAbstractButton *> buttons = box->buttons();
        if (buttons.isEmpty() || oneIn(r, 5))
            box->reject();
        else
            buttons[pick(r, int(buttons.size()))]->click();
    } else if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
        switch (pick(r, 4)) {
        case 0: input->reject(); break;
        case 1: input->setTextValue({}); input->accept(); break;
        case 2: input->accept(); break;
        default: input->setTextValue(randomText(r, 4)); input->accept(); break;
        }
    } else {
        dialog->reject();
    }
    dialog->setProperty("answered", dialog->isVisible());
}

QList<QWidget *> visibleControls(QWidget *window)
{
    QList<QWidget *> list;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->isVisible() && !w->objectName().startsWith(QLatin1String("qt_")))
            list.append(w);
    return list;
}

QString nameOf(QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromUtf8(w->metaObject()->className()) : w->objectName();
}

QPoint somewhere(Rng &r, QWidget *w)
{
    return {pick(r, std::max(1, w->width())), pick(r, std::max(1, w->height()))};
}

Qt::KeyboardModifiers modifiers(Rng &r)
{
    static const Qt::KeyboardModifiers list[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                                 Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    return any(r, list);
}

void typeText(QWidget *w, const QString &text)
{
    for (const uint cp : text.toUcs4()) {
        QPointer<QWidget> target = w;
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t *>(&cp), 1);
        Qt::Key key = Qt::Key_unknown;
        if (cp < 128 && std::isalnum(int(cp)))
            key = Qt::Key(std::toupper(int(cp)));
        else if (cp == '\r' || cp == '\n')
            key = Qt::Key_Return;
        else if (cp == '\t')
            key = Qt::Key_Tab;
        if (target)
            QTest::sendKeyEvent(QTest::Click, target, key, one, Qt::NoModifier);
    }
}

QList<QWidget *> textBoxes(QWidget *window)
{
    QList<QWidget *> list;
    for (QWidget *w : visibleControls(window))
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w))
            list.append(w);
    return list;
}

void click(Rng &r, QWidget *w)
{
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = any(r, buttons);
    const QPoint at = somewhere(r, w);
    if (oneIn(r, 6))
        QTest::mouseDClick(w, button, modifiers(r), at);
    else
        QTest::mouseClick(w, button, modifiers(r), at);
}

void pressKey(Rng &r, QWidget *w)
{
    static const Qt::Key keys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6,
                                   Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter,
                                   Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab,
                                   Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Space,
                                   Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_F1,
                                   Qt::Key_PageDown, Qt::Key_Print};
    QTest::keyClick(w, any(r, keys), modifiers(r));
}

// A drop as the window gets one: enter, move and drop, with files (pictures of every kind,
// text files, folders, missing files), a picture, plain text, or several of them.
void drop(Rng &r, QWidget *w)
{
    auto *mime = new QMimeData;
    const int kind = pick(r, 5);
    if (kind <= 1) {
        QList<QUrl> urls;
        for (int n = oneIn(r, 4) ? 2 + pick(r, 3) : 1; n > 0; --n)
            urls.append(QUrl::fromLocalFile(world->files[pick(r, int(world->files.size()))]));
        mime->setUrls(urls);
    }
    if (kind == 2 || kind == 4)
        mime->setImageData(sizedPicture(r));
    if (kind >= 3)
        mime->setText(sizedText(r));
    const QPoint at = somewhere(r, w);
    const Qt::KeyboardModifiers mods = modifiers(r);
    QPointer<QWidget> target = w;
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, mods);
    QApplication::sendEvent(target, &enter);
    if (target) {
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, mods);
        QApplication::sendEvent(target, &move);
    }
    if (target) {
        QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, mods);
        QApplication::sendEvent(target, &dropped);
    }
    delete mime;
}

void setClipboard(Rng &r)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    switch (pick(r, 4)) {
    case 0: clipboard->setText(sizedText(r)); break;
    case 1: clipboard->setImage(sizedPicture(r)); break;
    case 2: {
        auto *both = new QMimeData;
        both->setText(sizedText(r));
        both->setImageData(sizedPicture(r));
        clipboard->setMimeData(both);
        break;
    }
    default: clipboard->clear(); break;
    }
}

// One action, drawn from its own generator.
QString act(Rng &r, World &w)
{
    const QList<QWidget *> controls = visibleControls(w.window.get());
    QWidget *target = controls.isEmpty() ? w.window.get() : controls[pick(r, int(controls.size()))];
    const int what = pick(r, 100);
    if (what < 30) {
        w.controls.insert(nameOf(target));
        click(r, target);
        return QStringLiteral("click ") + nameOf(target);
    }
    if (what < 42) {
        QWidget *focus = QApplication::focusWidget() && !oneIn(r, 3) ? QApplication::focusWidget() : target;
        pressKey(r, focus);
        return QStringLiteral("key on ") + nameOf(focus);
    }
    if (what < 56) {
        const QList<QWidget *> boxes = textBoxes(w.window.get());
        if (boxes.isEmpty())
            return QStringLiteral("no text box");
        QWidget *box = boxes[pick(r, int(boxes.size()))];
        w.controls.insert(nameOf(box));
        QPointer<QWidget> guard = box;
        QTest::mouseClick(box, Qt::LeftButton);
        if (guard && what >= 52) {
            // A paste of 100 kB.
            QGuiApplication::clipboard()->setText(QString(100000, u'x') + randomText(r, 4));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            return QStringLiteral("paste into ") + nameOf(box);
        }
        if (guard)
            typeText(box, randomText(r, 6));
        return QStringLiteral("type into ") + nameOf(box);
    }
    if (what < 58) {
        const int tab = 1 + pick(r, 6);
        if (oneIn(r, 2)) {
            if (auto *label = w.window->findChild<QWidget *>(QStringLiteral("lblTab_%1").arg(tab)))
                QTest::mouseClick(label, Qt::LeftButton);
        } else {
            QTest::keyClick(w.window.get(), Qt::Key(Qt::Key_0 + tab));
        }
        return QStringLiteral("tab %1").arg(tab);
    }
    if (what < 70) {
        w.controls.insert(nameOf(target));
        for (int n = oneIn(r, 3) ? 2 + pick(r, 3) : 1; n > 0 && target; --n) {
            QPointer<QWidget> guard = target;
            drop(r, target);
            if (!guard)
                break;
        }
        return QStringLiteral("drop on ") + nameOf(target);
    }
    if (what < 82) {
        setClipboard(r);
        return QStringLiteral("clipboard");
    }
    if (what < 92) {
        // A move over a control, or a drag on it (the free crop, the training frame).
        QPointer<QWidget> guard = target;
        const QPoint from = somewhere(r, target), to = somewhere(r, target);
        if (oneIn(r, 2)) {
            QTest::mouseMove(target, from);
            return QStringLiteral("move over ") + nameOf(target);
        }
        QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, from);
        if (guard)
            QTest::mouseMove(target, to);
        if (guard)
            QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, to);
        return QStringLiteral("drag on ") + nameOf(target);
    }
    if (what < 99) {
        // A drop-down choice by keyboard, each choice acting as a click would.
        QList<QComboBox *> combos;
        for (QWidget *c : controls)
            if (auto *combo = qobject_cast<QComboBox *>(c))
                combos.append(combo);
        if (combos.isEmpty())
            return QStringLiteral("no drop-down");
        QComboBox *combo = combos[pick(r, int(combos.size()))];
        w.controls.insert(nameOf(combo));
        QTest::keyClick(combo, oneIn(r, 2) ? Qt::Key_Down : Qt::Key_Up);
        return QStringLiteral("choose in ") + nameOf(combo);
    }
    closeAndCheck(w);
    openWindow(w);
    return QStringLiteral("close and restart");
}

// The window answers within 2 s after an action: a posted call runs by then.
void settle(World &w)
{
    QElapsedTimer waited;
    waited.start();
    bool reached = false;
    QTimer::singleShot(0, qApp, [&reached] { reached = true; });
    while (!reached)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (waited.elapsed() > 2000)
        fail(QStringLiteral("the window did not answer for %1 ms").arg(waited.elapsed()));
    if (QWidget *popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, oneIn(*w.rng, 2) ? Qt::Key_Return : Qt::Key_Escape);
    if (!w.window->isVisible()) {
        closeAndCheck(w);
        openWindow(w);
    }
    checkFiles(w);
}

} // namespace

int runActions(int argc, char **argv, const QString &folder, quint64 seed, int seconds, const QList<quint32> &actions)
{
    QApplication app(argc, argv);
    World w;
    world = &w;
    w.top = folder;
    w.program = folder + QStringLiteral("/program");
    w.data = folder + QStringLiteral("/data");
    for (const char *sub : {"program/Images", "program/Templates", "data", "custom/icons"})
        QDir().mkpath(folder + u'/' + QLatin1String(sub));
    makeData(w);
    QFile ini(w.program + QStringLiteral("/Quillmark.ini"));
    if (ini.open(QIODevice::WriteOnly))
        ini.write(seededIni(w));
    ini.close();
    noise(600, 600, 5).save(w.program + QStringLiteral("/Spawn Map Comparison.bmp"));
    QFile::copy(w.data + QStringLiteral("/notes.txt"), w.program + QStringLiteral("/Templates/Armor.txt"));
    w.outside = listOutside(w);
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, answerBoxes);
    answerer.start(5);
    openWindow(w);

    QFile log(folder + QStringLiteral("/actions.log"));
    log.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    QElapsedTimer clock;
    clock.start();
    qint64 done = 0;
    for (quint32 i = 0; w.failure.isEmpty(); ++i) {
        quint32 index = i;
        if (!actions.isEmpty()) {
            if (i >= quint32(actions.size()))
                break;
            index = actions[i];
        } else if (clock.elapsed() >= seconds * 1000LL) {
            break;
        }
        if (index == closeStep)
            continue;
        log.write(QByteArray::number(index) + '\n');
        Rng r(seed * 0x9E3779B97F4A7C15ull + index);
        w.rng = &r;
        w.step = act(r, w);
        settle(w);
        w.rng = nullptr;
        ++done;
        if (!w.failure.isEmpty())
            std::fprintf(stderr, "monkey: action %u (%s): %s\n", index, qPrintable(w.step), qPrintable(w.failure));
    }
    if (w.failure.isEmpty()) {
        log.write(QByteArray::number(closeStep) + '\n');
        closeAndCheck(w);
        checkFiles(w);
        if (!w.failure.isEmpty())
            std::fprintf(stderr, "monkey: at the end: %s\n", qPrintable(w.failure));
    }
    const double secs = std::max<qint64>(1, clock.elapsed()) / 1000.0;
    const qsizetype reached = std::count_if(w.controls.cbegin(), w.controls.cend(),
                                            [&](const QString &c) { return w.named.contains(c); });
    std::printf("monkey: %lld actions in %.0f s (%.1f per second); %lld of %lld named controls and %lld kinds of "
                "box reached\n",
                (long long)done, secs, done / secs, (long long)reached, (long long)w.named.size(),
                (long long)w.dialogs.size());
    if (qEnvironmentVariableIsSet("MONKEY_LIST")) {
        QStringList c(w.controls.cbegin(), w.controls.cend()), d(w.dialogs.cbegin(), w.dialogs.cend());
        c.sort();
        d.sort();
        std::printf("controls: %s\nboxes: %s\n", qPrintable(c.join(u' ')), qPrintable(d.join(QStringLiteral(" | "))));
    }
    std::fflush(stdout);
    world = nullptr;
    w.window.reset();
    return w.failure.isEmpty() ? 0 : 3;
}

} // namespace monkey
