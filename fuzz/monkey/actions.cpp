// The monkey's child: the window in a fresh folder, random actions on it, and the checks
// after each one.

#include "actions.h"
#include "../inicheck.h"
#include "app/frmvandrel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <random>

namespace {

using Rng = std::mt19937_64;
constexpr quint32 closeStep = 0xffffffffu; // logged for the close and check that end a run

int pick(Rng &r, qsizetype n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(r); }
bool oneIn(Rng &r, int n) { return pick(r, n) == 0; }
template <typename T, size_t N> const T &any(Rng &r, const T (&list)[N]) { return list[pick(r, N)]; }

// Pieces of what editors copy and type: words, numbers, accents, CJK, emoji, control
// characters, and bits of the chat logs, pages and tables the text tools read.
const char *const pieces[] = {
    "Sword", "12", "-5", "0.75", "99999999999", "75%", " ", ", ", "\r\n", "\n", "\r", "\t", "\x01", "", "..", "/",
    "\\", "Grüße àéîõü", "漢字テキスト", "😀🎮", "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB", "%41", "~~~", "&amp;",
    "[[x]]", "<Armor>", "</Armor>", "{{Armor\r\n | Name = x\r\n}}", "12:00:01 You hit the drudge for 45 points.",
    "Critical Hit! ", "tells you, \"hi\"", "12.3N, 45.6E", "| Sword | 1,200", "Default Armor.txt", "True", "C0C0FF",
};

QString randomText(Rng &r, int maxPieces)
{
    QString text;
    for (int n = pick(r, maxPieces + 1); n > 0; --n)
        text += QString::fromUtf8(any(r, pieces));
    return text;
}

// Texts of every size up to 50 MB and pictures up to 8000 x 8000, the largest ones rare.
QString sizedText(Rng &r)
{
    static const qsizetype sizes[] = {0, 1, 7, 100, 1000, 100000};
    const qsizetype size = oneIn(r, 300) ? 50 * 1000 * 1000 : any(r, sizes);
    const QString text = randomText(r, 12) + u'x';
    return text.repeated(size / text.size() + 1).left(size);
}

QImage noise(int width, int height, quint64 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    Rng r(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, oneIn(r, 3) ? 0xffffffu : quint32(r()));
    return image;
}

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
    QStringList files; // what drops bring: pictures of every kind, and things that are none
    QMap<QString, QPair<qint64, QDateTime>> outside; // files outside the folders we may write
    QSet<QString> controls, dialogs, named;
    Rng *rng = nullptr; // the running action's: the answers to its boxes come from it too
    QString failure;
} w;

void fail(const QString &why)
{
    if (w.failure.isEmpty())
        w.failure = why;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly) && file.write(bytes);
}

// Every kind of file a user may drop, a 16000 x 16000 bomb refused by its size among them,
// and Quillmark.ini with lines the window does not own (comments, unknown keys and
// sections, a Latin-1 line, a second copy of a key) and a custom folder inside the run's.
void makeFiles()
{
    const QString d = w.data + u'/';
    const QImage icon = noise(32, 32, 1);
    QImage bomb(16000, 16000, QImage::Format_Mono);
    bomb.fill(0);
    const std::pair<const char *, QImage> pictures[] = {
        {"icon.png", icon}, {"tiny.png", noise(1, 1, 2)}, {"screenshot.png", noise(1280, 1024, 3)},
        {"grey.png", icon.convertToFormat(QImage::Format_Grayscale8)},
        {"palette.png", icon.convertToFormat(QImage::Format_Indexed8)},
        {"deep.png", icon.convertToFormat(QImage::Format_RGBA64)}, {"panel.bmp", noise(300, 200, 4)},
        {"photo.jpg", icon}, {"UPPER.PNG", icon}, {"Grüße 字.png", icon}, {"bomb.png", bomb}};
    for (const auto &[name, picture] : pictures)
        picture.save(d + QString::fromUtf8(name), QFileInfo(QString::fromUtf8(name)).suffix().toUpper().toLatin1());
    writeFile(d + QStringLiteral("anim.gif"), QByteArray::fromHex("47494638396101000100800000000000ffffff21f904010000"
                                                                   "00002c00000000010001000002024401003b"));
    writeFile(d + QStringLiteral("truncated.png"), readFile(d + QStringLiteral("screenshot.png")).left(40000));
    writeFile(d + QStringLiteral("empty.bmp"), {});
    writeFile(d + QStringLiteral("notes.txt"), "Sword, Bow\r\nShield\r\n");
    writeFile(d + QStringLiteral("text.png"), "not a picture");
    QDir().mkpath(d + QStringLiteral("folder.png"));
    for (const QString &name : QDir(d).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        w.files.append(d + name);
    w.files.append(d + QStringLiteral("missing.png"));

    const QString p = w.program + u'/';
    QDir().mkpath(p + QStringLiteral("Images"));
    QDir().mkpath(p + QStringLiteral("Templates"));
    QDir().mkpath(w.top + QStringLiteral("/custom/icons"));
    writeFile(p + QStringLiteral("Quillmark.ini"),
              "; my notes, kept as they are\r\n[General]\r\nOpacity=200\r\nMyOwnKey = 1\r\nOpacity=7\r\ncaf\xe9=1\r\n\r\n"
              "[Icon]\r\nUseDefaultSavePath=False\r\nCustomSavePath=" + (w.top + QStringLiteral("/custom/icons")).toUtf8()
                  + "\r\n[Template1]\r\nName=Armor\r\nPath=Default Armor.txt\r\n[Mine]\r\nx=y\r\n[ExpandedTemplates]\r\n"
                    "NumberofExpandedTemplates=1\r\nExpTemplatePath1=Default notes.txt\r\nExpTemplateName1=Mine\r\n");
    noise(600, 600, 5).save(p + QStringLiteral("Spawn Map Comparison.bmp"));
    QFile::copy(d + QStringLiteral("notes.txt"), p + QStringLiteral("Templates/Armor.txt"));
    QFile::copy(d + QStringLiteral("notes.txt"), p + QStringLiteral("Templates/notes.txt"));
}

QMap<QString, QPair<qint64, QDateTime>> listOutside()
{
    QMap<QString, QPair<qint64, QDateTime>> list;
    for (const char *sub : {"data", "home", "cwd", "run"})
        for (QDirIterator it(w.top + u'/' + QLatin1String(sub), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString f = it.next();
            list.insert(f, {it.fileInfo().size(), it.fileInfo().lastModified()});
        }
    return list;
}

// Nothing written outside the program folder and the folders the settings name, but the BMP
// the converter writes beside a dropped PNG, and the trash that takes the files it replaces.
void checkFiles()
{
    const auto converted = [](const QString &path) {
        const QString stem = path.chopped(std::min<qsizetype>(4, path.size()));
        return path.endsWith(QLatin1String(".bmp"))
               && std::any_of(w.files.cbegin(), w.files.cend(), [&](const QString &d) { return d.chopped(4) == stem; });
    };
    const QString trash = w.top + QStringLiteral("/home/.local/share/Trash/");
    const auto now = listOutside();
    for (auto f = now.cbegin(); f != now.cend(); ++f) {
        // Making the trash touches the folders it lies in too.
        const bool trashing = f.key().startsWith(trash) || trash.startsWith(f.key() + u'/');
        if (w.outside.value(f.key()) != f.value() && !converted(f.key()) && !trashing)
            fail(QStringLiteral("written outside the program folder: ") + f.key());
    }
    for (auto f = w.outside.cbegin(); f != w.outside.cend(); ++f)
        if (!now.contains(f.key()) && !converted(f.key()))
            fail(QStringLiteral("removed outside the program folder: ") + f.key());
    w.outside = now;
}

void openWindow()
{
    w.iniAtStart = readFile(w.program + QStringLiteral("/Quillmark.ini"));
    w.window = std::make_unique<frmVandrel>(w.program);
    w.window->show();
    w.window->activateWindow();
    for (const QWidget *c : w.window->findChildren<QWidget *>())
        if (!c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_")))
            w.named.insert(c->objectName());
}

void closeAndCheck()
{
    w.window->close();
    w.window.reset();
    if (const QString problems = iniCheck::problems(w.iniAtStart, readFile(w.program + QStringLiteral("/Quillmark.ini")));
        !problems.isEmpty())
        fail(QStringLiteral("after a close, Quillmark.ini: ") + problems);
}

// Random answers to every box that opens: any of its buttons or Escape; an input box's
// preset, empty or random text, or Cancel.
void answerBoxes()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || dialog->property("answered").toBool() || !w.rng)
        return;
    dialog->setProperty("answered", true);
    Rng &r = *w.rng;
    w.dialogs.insert(QString::fromUtf8(dialog->metaObject()->className()) + QStringLiteral(": ") + dialog->windowTitle());
    auto *box = qobject_cast<QMessageBox *>(dialog);
    auto *input = qobject_cast<QInputDialog *>(dialog);
    const int answer = pick(r, 5);
    if (box && answer > 0 && !box->buttons().isEmpty()) {
        box->buttons()[pick(r, box->buttons().size())]->click();
    } else if (input && answer > 0) {
        if (answer > 1)
            input->setTextValue(answer == 2 ? QString() : randomText(r, 4));
        input->accept();
    } else {
        dialog->reject();
    }
    dialog->setProperty("answered", dialog->isVisible());
}

template <typename T = QWidget> QList<T *> visible()
{
    QList<T *> list;
    for (T *c : w.window->findChildren<T *>())
        if (c->isVisible() && !c->objectName().startsWith(QLatin1String("qt_")))
            list.append(c);
    return list;
}

QString nameOf(QWidget *c)
{
    return c->objectName().isEmpty() ? QString::fromUtf8(c->metaObject()->className()) : c->objectName();
}

QString touch(const QString &name)
{
    w.controls.insert(name);
    return name;
}

QPoint somewhere(Rng &r, QWidget *c) { return {pick(r, std::max(1, c->width())), pick(r, std::max(1, c->height()))}; }

Qt::KeyboardModifiers modifiers(Rng &r)
{
    static const Qt::KeyboardModifiers list[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                                 Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    return any(r, list);
}

// ASCII as keys, everything else as the text of a key the keyboard does not name.
void typeText(QPointer<QWidget> c, const QString &text)
{
    for (const char32_t cp : text.toUcs4()) {
        Qt::Key key = cp < 128 && std::isalnum(int(cp)) ? Qt::Key(std::toupper(int(cp))) : Qt::Key_unknown;
        key = cp == '\r' || cp == '\n' ? Qt::Key_Return : cp == '\t' ? Qt::Key_Tab : cp == ' ' ? Qt::Key_Space : key;
        if (c)
            QTest::sendKeyEvent(QTest::Click, c, key, QString::fromUcs4(&cp, 1), Qt::NoModifier);
    }
}

// A drop as the window gets one: enter, move and drop, bringing files (pictures of every
// kind, text files, a folder, a missing file), a picture, text, or several of them.
void drop(Rng &r, QPointer<QWidget> c)
{
    QMimeData mime;
    const int kind = pick(r, 5);
    if (kind <= 1) {
        QList<QUrl> urls;
        for (int n = oneIn(r, 4) ? 2 + pick(r, 3) : 1; n > 0; --n)
            urls.append(QUrl::fromLocalFile(w.files[pick(r, w.files.size())]));
        mime.setUrls(urls);
    }
    if (kind == 2 || kind == 4)
        mime.setImageData(sizedPicture(r));
    if (kind >= 3)
        mime.setText(sizedText(r));
    const QPoint at = somewhere(r, c);
    const Qt::KeyboardModifiers mods = modifiers(r);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, mods);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, mods);
    QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, mods);
    for (QEvent *event : std::initializer_list<QEvent *>{&enter, &move, &dropped})
        if (c)
            QApplication::sendEvent(c, event);
}

// One action, drawn from its own generator.
QString act(Rng &r)
{
    const QList<QWidget *> controls = visible();
    QPointer<QWidget> c = controls.isEmpty() ? w.window.get() : controls[pick(r, controls.size())];
    QString name = nameOf(c);
    const QPoint from = somewhere(r, c), to = somewhere(r, c);
    const int what = pick(r, 100);
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    static const Qt::Key keys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7,
                                   Qt::Key_8, Qt::Key_9, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Left,
                                   Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backspace,
                                   Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Space, Qt::Key_A, Qt::Key_C,
                                   Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_F1, Qt::Key_PageDown, Qt::Key_Print};
    if (what < 30) {
        if (oneIn(r, 6))
            QTest::mouseDClick(c, any(r, buttons), modifiers(r), from);
        else
            QTest::mouseClick(c, any(r, buttons), modifiers(r), from);
        return QStringLiteral("click ") + touch(name);
    }
    if (what < 42) {
        if (QApplication::focusWidget() && !oneIn(r, 3))
            name = nameOf(c = QApplication::focusWidget());
        QTest::keyClick(c, any(r, keys), modifiers(r));
        return QStringLiteral("key on ") + touch(name);
    }
    if (what < 56) {
        QList<QWidget *> boxes;
        for (QWidget *b : controls)
            if (qobject_cast<QLineEdit *>(b) || qobject_cast<QPlainTextEdit *>(b))
                boxes.append(b);
        if (boxes.isEmpty())
            return QStringLiteral("no text box");
        name = touch(nameOf(c = boxes[pick(r, boxes.size())]));
        QTest::mouseClick(c, Qt::LeftButton);
        if (what < 52) {
            typeText(c, randomText(r, 6));
            return QStringLiteral("type into ") + name;
        }
        QGuiApplication::clipboard()->setText(QString(100000, u'x') + randomText(r, 4));
        if (c)
            QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste 100 kB into ") + name;
    }
    if (what < 58) {
        const int tab = 1 + pick(r, 6);
        if (auto *label = w.window->findChild<QWidget *>(QStringLiteral("lblTab_%1").arg(tab)); label && oneIn(r, 2))
            QTest::mouseClick(label, Qt::LeftButton);
        else
            QTest::keyClick(w.window.get(), Qt::Key(Qt::Key_0 + tab));
        return QStringLiteral("tab %1").arg(tab);
    }
    if (what < 70) {
        touch(name);
        for (int n = oneIn(r, 3) ? 2 + pick(r, 3) : 1; n > 0 && c; --n) // several in a row on one control
            drop(r, c);
        return QStringLiteral("drop on ") + name;
    }
    if (what < 82) {
        QClipboard *clipboard = QGuiApplication::clipboard();
        auto *both = new QMimeData;
        switch (pick(r, 4)) {
        case 0: clipboard->setText(sizedText(r)); break;
        case 1: clipboard->setImage(sizedPicture(r)); break;
        case 2: both->setText(sizedText(r)); both->setImageData(sizedPicture(r)); clipboard->setMimeData(both); return QStringLiteral("clipboard: both");
        default: clipboard->clear(); break;
        }
        delete both;
        return QStringLiteral("clipboard");
    }
    if (what < 92) { // a move over a control, or a drag on it (the free crop, the training frame)
        touch(name);
        const bool drag = oneIn(r, 2);
        QTest::mouseMove(c, from);
        if (drag && c)
            QTest::mousePress(c, Qt::LeftButton, Qt::NoModifier, from);
        if (c)
            QTest::mouseMove(c, to);
        if (drag && c)
            QTest::mouseRelease(c, Qt::LeftButton, Qt::NoModifier, to);
        return (drag ? QStringLiteral("drag on ") : QStringLiteral("move on ")) + name;
    }
    if (what < 99) { // a drop-down choice by keyboard, each acting as a click would
        const QList<QComboBox *> combos = visible<QComboBox>();
        if (combos.isEmpty())
            return QStringLiteral("no drop-down");
        QComboBox *combo = combos[pick(r, combos.size())];
        name = touch(nameOf(combo));
        QTest::keyClick(combo, oneIn(r, 2) ? Qt::Key_Down : Qt::Key_Up);
        return QStringLiteral("choose in ") + name;
    }
    closeAndCheck();
    openWindow();
    return QStringLiteral("close and start again");
}

// The window answers within 2 s after an action: a posted call runs by then.
void settle(Rng &r)
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
        QTest::keyClick(popup, oneIn(r, 2) ? Qt::Key_Return : Qt::Key_Escape);
    if (!w.window->isVisible()) {
        closeAndCheck();
        openWindow();
    }
    checkFiles();
}

} // namespace

int runActions(int argc, char **argv, const QString &folder, quint64 seed, int seconds, const QList<quint32> &actions)
{
    QApplication app(argc, argv);
    w.top = folder;
    w.program = folder + QStringLiteral("/program");
    w.data = folder + QStringLiteral("/data");
    QDir().mkpath(w.data);
    makeFiles();
    w.outside = listOutside();
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, answerBoxes);
    answerer.start(5);
    openWindow();
    QFile log(folder + QStringLiteral("/actions.log"));
    log.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    QElapsedTimer clock;
    clock.start();
    qint64 done = 0;
    for (quint32 i = 0; w.failure.isEmpty() && (actions.isEmpty() ? clock.elapsed() < seconds * 1000LL : i < quint32(actions.size())); ++i) {
        const quint32 index = actions.isEmpty() ? i : actions[i];
        if (index == closeStep)
            continue;
        log.write(QByteArray::number(index) + '\n');
        Rng r(seed * 0x9E3779B97F4A7C15ull + index);
        w.rng = &r;
        const QString step = act(r);
        settle(r);
        w.rng = nullptr;
        ++done;
        if (!w.failure.isEmpty())
            std::fprintf(stderr, "monkey: action %u (%s): %s\n", index, qPrintable(step), qPrintable(w.failure));
    }
    if (w.failure.isEmpty()) {
        log.write(QByteArray::number(closeStep) + '\n');
        closeAndCheck();
        checkFiles();
        if (!w.failure.isEmpty())
            std::fprintf(stderr, "monkey: at the end: %s\n", qPrintable(w.failure));
    }
    const double secs = std::max<qint64>(1, clock.elapsed()) / 1000.0;
    const auto reached = std::count_if(w.controls.cbegin(), w.controls.cend(), [](const QString &c) { return w.named.contains(c); });
    std::printf("monkey: %lld actions in %.0f s (%.1f per second); %lld of %lld named controls and %lld kinds of box reached\n",
                (long long)done, secs, done / secs, (long long)reached, (long long)w.named.size(), (long long)w.dialogs.size());
    if (qEnvironmentVariableIsSet("MONKEY_LIST")) // what was reached, for a closer look
        std::printf("%s\n", qPrintable(QStringList(w.dialogs.cbegin(), w.dialogs.cend()).join(u'|')));
    std::fflush(stdout);
    w.window.reset();
    return w.failure.isEmpty() ? 0 : 3;
}
