// Windows itself, through Qt's windows platform plugin (it needs a display: scripts/windows
// test runs it on Xvfb). The clipboard as other programs fill it: files as CF_HDROP (what
// Explorer gives a drop too), text with CR LF; the markup Quillmark copies, as another
// program reads it. And the end of a session: Windows asks the window before it logs off.
#include "app/frmvandrel.h"
#include "app/widgets/clipboardglue.h"
#include "app/window/terminationwatcher.h"
#include "support.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <cstring>
#include <shlobj.h>
#include <windows.h>

namespace {

// The window of "another program": the clipboard takes data only from an owner.
HWND otherProgram()
{
    static const HWND window = CreateWindowExW(0, L"STATIC", L"another program", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                               nullptr, nullptr, nullptr);
    return window;
}

// Puts one format on the clipboard, as another program would.
void put(UINT format, const QByteArray &bytes)
{
    ASSERT_TRUE(OpenClipboard(otherProgram()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(bytes.size()));
    std::memcpy(GlobalLock(memory), bytes.constData(), size_t(bytes.size()));
    GlobalUnlock(memory);
    SetClipboardData(format, memory);
    CloseClipboard();
    QTest::qWait(100); // the clipboard's change reaches Qt as a message
}

QString unicodeText()
{
    if (!OpenClipboard(nullptr))
        return QStringLiteral("(no clipboard)");
    QString text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = QString::fromWCharArray(static_cast<const wchar_t *>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// A picture as a program puts it on the clipboard: as a DIB, a BITMAPINFOHEADER and rows of
// 24 bits (Qt's own writer), or as a DIBV5, its header and rows of 32 bits with or without
// alpha; either way bottom-up.
QByteArray dib(const QImage &image, bool v5, bool alpha)
{
    QByteArray bytes;
    if (!v5) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "dib").write(image);
        return bytes;
    }
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = image.width();
    header.bV5Height = image.height();
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5SizeImage = DWORD(4 * image.width() * image.height());
    header.bV5RedMask = 0x00ff0000;
    header.bV5GreenMask = 0x0000ff00;
    header.bV5BlueMask = 0x000000ff;
    header.bV5AlphaMask = alpha ? 0xff000000 : 0;
    header.bV5CSType = 0x73524742; // LCS_sRGB, 'sRGB' (the header's own macro warns)
    const QImage rows = image.convertToFormat(QImage::Format_ARGB32).mirrored(); // blue, green, red, alpha
    bytes = QByteArray(reinterpret_cast<const char *>(&header), sizeof header);
    return bytes.append(reinterpret_cast<const char *>(rows.constBits()), rows.sizeInBytes());
}

} // namespace

TEST(WindowsClipboard, FilesAndTextFromOtherProgramsAndMarkupForThem)
{
    const QImage shot = testsupport::coordinateShot({30, 20});
    // A file as Explorer puts it (a DROPFILES list of wide paths): the same data a drop brings.
    testsupport::ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Sw\u00f6rd \u5263.png"));
    ASSERT_TRUE(shot.save(path));
    QByteArray drop(sizeof(DROPFILES), '\0');
    reinterpret_cast<DROPFILES *>(drop.data())->pFiles = sizeof(DROPFILES);
    reinterpret_cast<DROPFILES *>(drop.data())->fWide = TRUE;
    const std::wstring wide = path.toStdWString();
    drop.append(reinterpret_cast<const char *>(wide.c_str()), qsizetype((wide.size() + 1) * sizeof(wchar_t)));
    drop.append(QByteArray(sizeof(wchar_t), '\0'));
    put(CF_HDROP, drop);
    const QList<QUrl> urls = QGuiApplication::clipboard()->mimeData()->urls();
    ASSERT_EQ(urls.size(), 1);
    EXPECT_EQ(testsupport::pathKey(urls[0].toLocalFile()), testsupport::pathKey(path));

    // Text with CR LF from another program reads as lines; the markup Quillmark copies reaches
    // other programs with CR LF, never CR CR LF.
    const std::wstring copied = L"Sword\r\nShield\r\n";
    put(CF_UNICODETEXT, QByteArray(reinterpret_cast<const char *>(copied.c_str()),
                                   qsizetype((copied.size() + 1) * sizeof(wchar_t))));
    EXPECT_EQ(clipboardGlue::format(), clipboardGlue::Format::Text);
    EXPECT_EQ(clipboardGlue::text().remove(u'\r'), QStringLiteral("Sword\nShield\n"));
    clipboardGlue::replaceWithText(QStringLiteral("[[Sword]]\r\n[[Shield]]"));
    EXPECT_EQ(unicodeText(), QStringLiteral("[[Sword]]\r\n[[Shield]]"));
}

TEST(WindowsSession, LoggingOffClosesTheWindowAndSavesTheSettings)
{
    const testsupport::ProgramFolder folder;
    TerminationWatcher watcher;
    frmVandrel window(folder.path());
    QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &window, &QWidget::close);
    window.show();
    const auto handle = reinterpret_cast<HWND>(window.winId());
    // Windows asks the windows it shows: wait until this one is (Wine shows it through X).
    for (int waited = 0; !IsWindowVisible(handle) && waited < 20000; waited += 100)
        QTest::qWait(100);
    QTest::qWait(500);
    ASSERT_FALSE(folder.exists("Quillmark.ini"));
    const LRESULT mayEnd = SendMessageW(handle, WM_QUERYENDSESSION, 0, LPARAM(ENDSESSION_LOGOFF));
    EXPECT_EQ(mayEnd, TRUE);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(folder.read("Quillmark.ini").contains("[General]\r\n"));
}

// Qt reads a picture through OLE, where Wine serves no DIB another program put there; the
// window reads the DIB itself then, so a picture comes through either way.
TEST(WindowsClipboard, PicturesAsDibsWithAndWithoutAlpha)
{
    const QImage shot = testsupport::coordinateShot({30, 20}).convertToFormat(QImage::Format_RGB32);
    for (const auto &[format, v5, alpha] :
         {std::tuple{UINT(CF_DIB), false, false}, {UINT(CF_DIBV5), true, false}, {UINT(CF_DIBV5), true, true}}) {
        put(format, dib(shot, v5, alpha));
        EXPECT_EQ(clipboardGlue::format(), clipboardGlue::Format::Bitmap) << format;
        EXPECT_EQ(clipboardGlue::picture(), shot) << format << " alpha " << alpha;
    }
}
