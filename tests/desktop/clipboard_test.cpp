// The window and another program (xclip) sharing the real X11 clipboard: pictures and texts
// in from xclip, results out to xclip, byte for byte.

#include "otherprogram.h"
#include "window.h"

#include <QBuffer>

#include <list>

namespace {

class XclipClipboard : public WindowFixture {
protected:
    XclipClipboard() : WindowFixture({}, 3) {}
    void TearDown() override
    {
        QObject::disconnect(counter_);
        WindowFixture::TearDown();
        holders_.clear();
    }
    // xclip owns the clipboard with bytes as target, as any other program would, until the
    // window has seen them.
    void offer(const char *target, const QByteArray &bytes, const std::function<bool()> &seen)
    {
        otherProgram::start(
            holders_.emplace_back(), "xclip", {"-selection", "clipboard", "-quiet", "-t", target, "-i"}, bytes);
        ASSERT_TRUE(otherProgram::waitUntil(seen)) << "the window never saw xclip's " << target;
    }
    void offerText(const QString &text)
    {
        offer("UTF8_STRING", text.toUtf8(), [&text] { return clipboard()->text() == text; });
    }
    void offerPicture(const QImage &picture)
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        offer("image/png", png, [] { return clipboard()->mimeData() && clipboard()->mimeData()->hasImage(); });
    }
    // What xclip reads from the clipboard as target.
    QByteArray fetch(const QString &target)
    {
        const otherProgram::Result r = otherProgram::run("xclip", {"-o", "-selection", "clipboard", "-t", target});
        EXPECT_TRUE(r.finished) << target.toStdString() << ": " << r.err.toStdString();
        return r.out;
    }
    // The text as UTF-8, the same bytes under every UTF-8 target the window offers.
    QByteArray fetchText()
    {
        const QByteArray utf8 = fetch("UTF8_STRING");
        const QByteArrayList offered = fetch("TARGETS").split('\n');
        for (const char *other : {"text/plain;charset=utf-8", "text/plain"})
            EXPECT_TRUE(!offered.contains(other) || fetch(other) == utf8) << other;
        return utf8;
    }
    // Clicks as a user does, through the X server: that also gives the window the event
    // times it needs to take the clipboard over from xclip. The pointer leaves again, so no
    // tooltip stands in the way of the next click.
    void userClick(const QString &name, Qt::MouseButton button)
    {
        const QPoint at = control(name)->mapToGlobal(control(name)->rect().center());
        const otherProgram::Result r = otherProgram::run("xdotool",
            {"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                button == Qt::LeftButton ? "1" : "3", "mousemove", "1279", "1023"});
        ASSERT_TRUE(r.finished) << r.err.toStdString();
    }
    // A click whose result goes onto the clipboard: done once the window holds it anew.
    void clickForClipboard(const QString &name, Qt::MouseButton button)
    {
        const int before = changes_;
        userClick(name, button);
        ASSERT_TRUE(otherProgram::waitUntil([&] { return changes_ > before && clipboard()->ownsClipboard(); }))
            << name.toStdString() << " put nothing on the clipboard";
    }

private:
    std::list<QProcess> holders_; // killed as they go
    int changes_ = 0;
    QMetaObject::Connection counter_ = QObject::connect(clipboard(), &QClipboard::dataChanged, [this] { ++changes_; });
};

TEST_F(XclipClipboard, APictureComesInAsAPngAndGoesOutAsOne)
{
    const QImage picture = testsupport::noise(120, 90);
    offerPicture(picture);
    {
        modal::Answerer ok;
        userClick("cmdClipboard_4", Qt::RightButton);
        ASSERT_TRUE(otherProgram::waitUntil([&] { return this->picture("picExpandedClipboard_4") == picture; }));
    }
    offerText("words"); // got back while xclip holds a text
    clickForClipboard("cmdClipboard_4", Qt::LeftButton);
    EXPECT_TRUE(fetch("TARGETS").split('\n').contains("image/png"));
    EXPECT_EQ(QImage::fromData(fetch("image/png"), "PNG").convertToFormat(QImage::Format_RGB32), picture);
}

TEST_F(XclipClipboard, FormattedTextsReachOtherProgramsByteForByte)
{
    const std::tuple<const char *, Qt::MouseButton, const char *, const char *> cases[]
        = {{"cmdFormat_2", Qt::RightButton, "Épée ß 日本 \U0001F5E1", "{{Icon|Épée ß 日本 \xF0\x9F\x97\xA1}}"},
            {"cmdFormat_0", Qt::LeftButton, "Épée ß\nBob says 日本語", // through the scratch file on its way
                "<font color=green>Épée ß</font><br>\r\n<font color=darkgoldenrod>Bob says 日本語</font><br>\r\n"}};
    for (const auto &[button, mouse, in, out] : cases) {
        offerText(QString::fromUtf8(in));
        clickForClipboard(button, mouse);
        EXPECT_EQ(fetchText(), QByteArray(out)) << out;
    }
}

} // namespace
