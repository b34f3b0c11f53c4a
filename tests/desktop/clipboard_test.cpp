// The window and another program (xclip) sharing the real X11 clipboard: pictures and
// texts in from xclip, results out to xclip, byte for byte.

#include "capturefixture.h"
#include "otherprogram.h"

#include <QBuffer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <list>

namespace {

using namespace capturetest;

const QByteArray settings = "[StatsPanelDimensions]\r\n4=300\r\n"
                            "[Icon]\r\nPrefix=Icon\r\n[Panel]\r\nPrefix=Panel\r\n"
                            "[General]\r\nAutoName=True\r\nGameFullscreen=True\r\n"
                            "[Template1]\r\nPath=Default Armor.txt\r\nAlternatePath=Default Armor Alt.txt\r\n"
                            "Name=Armor\r\n";

QByteArray png(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

class XclipClipboard : public CaptureFixture {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("Quillmark.ini"), settings);
        folder.write(QStringLiteral("Templates/Armor.txt"), "{{Armor\n| name = Épée\n}}");
        folder.write(QStringLiteral("Templates/Armor Alt.txt"), "{{Armor Alt}}\r\n");
        CaptureFixture::SetUp();
    }
    void TearDown() override
    {
        QObject::disconnect(counter_);
        CaptureFixture::TearDown();
        holders_.clear();
    }

    // xclip owns the clipboard with bytes as target, as any other program would, until the
    // window has seen them.
    void offer(const char *target, const QByteArray &bytes, const std::function<bool()> &seen)
    {
        holders_.emplace_back(QStringLiteral("xclip"),
                              QStringList{"-selection", "clipboard", "-quiet", "-t", target, "-i"}, bytes);
        ASSERT_TRUE(otherProgram::waitUntil(seen)) << "the window never saw xclip's " << target;
    }
    void offerText(const QString &text)
    {
        offer("UTF8_STRING", text.toUtf8(), [&text] { return QGuiApplication::clipboard()->text() == text; });
    }
    void offerPicture(const QImage &picture)
    {
        offer("image/png", png(picture), [] {
            const QMimeData *data = QGuiApplication::clipboard()->mimeData();
            return data && data->hasImage();
        });
    }

    // What xclip reads from the clipboard as target.
    QByteArray fetch(const QString &target)
    {
        const otherProgram::Result r =
            otherProgram::run(QStringLiteral("xclip"), {"-o", "-selection", "clipboard", "-t", target});
        EXPECT_TRUE(r.finished && r.exitCode == 0) << target.toStdString() << ": " << r.err.toStdString();
        return r.out;
    }
    QByteArrayList targets() { return fetch(QStringLiteral("TARGETS")).split('\n'); }
    // The text as UTF-8: UTF8_STRING, and the same bytes under the other UTF-8 targets
    // the window offers.
    QByteArray fetchText()
    {
        const QByteArray utf8 = fetch(QStringLiteral("UTF8_STRING"));
        const QByteArrayList offered = targets();
        for (const char *other : {"text/plain;charset=utf-8", "text/plain"}) {
            if (offered.contains(other)) {
                EXPECT_EQ(fetch(QString::fromLatin1(other)), utf8) << other;
            }
        }
        return utf8;
    }

    // Clicks as a user does, through the X server: that also gives the window the event
    // times it needs to take the clipboard over from xclip (a synthetic click gives none).
    void userClick(const QString &name, Qt::MouseButton button)
    {
        QWidget *target = control(name);
        ASSERT_NE(target, nullptr);
        const QPoint at = target->mapToGlobal(target->rect().center());
        const int xButton = button == Qt::LeftButton ? 1 : button == Qt::MiddleButton ? 2 : 3;
        // The pointer leaves again, so no tooltip stands in the way of the next click.
        const otherProgram::Result r = otherProgram::run(
            QStringLiteral("xdotool"), {"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                                        QString::number(xButton), "mousemove", "1279", "1023"});
        ASSERT_TRUE(r.finished && r.exitCode == 0) << r.err.toStdString();
    }
    // A click whose result goes onto the clipboard: done once the window holds it anew.
    void clickForClipboard(const QString &name, Qt::MouseButton button)
    {
        const int before = changes_;
        userClick(name, button);
        ASSERT_TRUE(otherProgram::waitUntil(
            [&] { return changes_ > before && QGuiApplication::clipboard()->ownsClipboard(); }))
            << name.toStdString() << " put nothing on the clipboard";
    }

private:
    std::list<otherProgram::Background> holders_;
    int changes_ = 0;
    QMetaObject::Connection counter_ = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                                                        [this] { ++changes_; });
};

TEST_F(XclipClipboard, APngFromAnotherProgramIsTheScreenshotAHeightButtonCuts)
{
    const QImage shot = coordinateShot({1024, 768});
    offerPicture(shot);
    userClick(QStringLiteral("cmdExtractPanel_4"), Qt::LeftButton);
    ASSERT_TRUE(otherProgram::waitUntil([this] { return saved().size() == 2; })) << saved().join(u',').toStdString();
    const QStringList files = saved();
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(files[0].startsWith(QStringLiteral("Icon ")));
    EXPECT_TRUE(files[1].startsWith(QStringLiteral("Panel ")));
    EXPECT_EQ(cutMismatch(savedImage(files[0]), shot, {968, 65, 32, 32}), QString());
    EXPECT_EQ(cutMismatch(savedImage(files[1]), shot, {724, 27, 300, 300}), QString());
}

TEST_F(XclipClipboard, FormatAndTemplateTextsReachOtherProgramsByteForByte)
{
    window->showTab(3);
    struct Case {
        int index;
        Qt::MouseButton button;
        const char *in, *out;
    } cases[] = {
        {1, Qt::RightButton, "Sword, Axe\nBow", "* [[Sword]]\r\n* [[Axe]]\r\n* [[Bow]]"},
        {0, Qt::LeftButton, "Bob tells you, hi\nThe door opens.",
         "<font color=darkgoldenrod>Bob tells you, hi</font><br>\r\n<font color=green>The door opens.</font><br>\r\n"},
        {3, Qt::LeftButton, "Sword", "#Redirect [[Sword]]"},
    };
    for (const Case &c : cases) {
        offerText(QString::fromUtf8(c.in));
        clickForClipboard(QStringLiteral("cmdFormat_%1").arg(c.index), c.button);
        EXPECT_EQ(fetchText(), QByteArray(c.out)) << c.in;
    }
    clickForClipboard(QStringLiteral("cmdTemplate_1"), Qt::LeftButton);
    EXPECT_EQ(fetchText(), QByteArray("{{Armor\r\n| name = Épée\r\n}}\r\n"));
    clickForClipboard(QStringLiteral("cmdTemplate_1"), Qt::RightButton);
    EXPECT_EQ(fetchText(), QByteArray("{{Armor Alt}}\r\n"));
}

TEST_F(XclipClipboard, NonAsciiTextSurvivesARoundTripThroughATransform)
{
    window->showTab(3);
    offerText(QStringLiteral("Épée ß 日本 \U0001F5E1"));
    clickForClipboard(QStringLiteral("cmdFormat_2"), Qt::RightButton);
    EXPECT_EQ(fetchText(), QByteArray("{{Icon|Épée ß 日本 \xF0\x9F\x97\xA1}}"));

    // The chat also goes through the scratch file on its way.
    offerText(QStringLiteral("Épée ß\nBob says 日本語"));
    clickForClipboard(QStringLiteral("cmdFormat_0"), Qt::LeftButton);
    EXPECT_EQ(fetchText(), QByteArray("<font color=green>Épée ß</font><br>\r\n"
                                      "<font color=darkgoldenrod>Bob says 日本語</font><br>\r\n"));
}

TEST_F(XclipClipboard, APictureSlotGivesOtherProgramsAPng)
{
    window->showTab(3);
    QImage picture(120, 90, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 2, y * 3, (x * y) & 0xff));

    // Stored from xclip's PNG, then got back while xclip holds a text.
    offerPicture(picture);
    const auto stored = [this] {
        return control(QStringLiteral("picExpandedClipboard_4"))->property("picture").value<QImage>();
    };
    {
        modal::Answerer ok;
        userClick(QStringLiteral("cmdClipboard_4"), Qt::RightButton);
        ASSERT_TRUE(otherProgram::waitUntil([&] { return !stored().isNull(); }));
    }
    EXPECT_EQ(stored(), picture);
    offerText(QStringLiteral("words"));
    clickForClipboard(QStringLiteral("cmdClipboard_4"), Qt::LeftButton);

    EXPECT_TRUE(targets().contains("image/png"));
    const QImage read = QImage::fromData(fetch(QStringLiteral("image/png")), "PNG");
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), picture);
}

} // namespace
