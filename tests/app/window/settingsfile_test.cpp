// The file the window writes for a set of choices, byte for byte as the files in data/
// (written by the window before its options had a model of their own).

#include "window.h"

#include "settings/settingskeys.h"

#include <QFile>

namespace {

class WindowSettingsFile : public WindowFixture {
protected:
    void changeCaption(const QString &button, QList<modal::Reply> typed)
    {
        modal::Answerer answers(std::move(typed));
        QTest::mouseClick(control(button), Qt::RightButton, Qt::ShiftModifier);
    }
    // Every option of the window changed from its default, as a user would.
    void changeEverything()
    {
        clickBox(control(names::icon));
        changeCaption("cmdExtractPanel_3", {"455"});
        showTab(2);
        changeCaption("cmdCrop_5", {"50", "80"});
        showTab(6);
        for (const auto &[kind, type] : {std::pair{"Icon", 2}, {"Panel", 0}, {"Live", 1}}) { // jpg, bmp, gif
            QTest::mouseClick(control(QStringLiteral("opt%1FileType_%2").arg(kind).arg(type)), Qt::LeftButton);
            typeInto(control(QStringLiteral("txt%1Prefix").arg(kind)), QStringLiteral("Pre") + kind, true);
            typeInto(control(QStringLiteral("txt%1Suffix").arg(kind)), QStringLiteral("Suf ") + kind, true);
            clickBox(control(QStringLiteral("chk%1DefaultPath").arg(kind)));
            typeInto(control(QStringLiteral("txt%1CustomSavePath").arg(kind)), QStringLiteral("/data/") + kind);
        }
        typeInto(control("txtIconJPGquality"), "75", true);
        typeInto(control("txtIconLeft"), "12", true);
        typeInto(control("txtIconTop"), "-30", true);
        QTest::mouseClick(control("optIconPosition_0"), Qt::LeftButton);
        for (const char *box : {"chkSaveStatsPanel", "chkAutoCopyName", "chkAutoName", "chkToolTips", "chkMagnifier",
                                "chkHints", "chkWikiNames", "chkSmallPng", "chkUploadAfterSave"}) {
            modal::Answerer warning; // Autoname with uploading
            clickBox(control(box));
        }
        emit control<QComboBox>("cmbAutoCopyKind")->activated(2);
        modal::Answerer alpha({"200"});
        QTest::mouseClick(control("cmdSetWindowAlpha"), Qt::LeftButton);
        window->move(120, 40);
    }
};


TEST_F(WindowSettingsFile, TheWindowWritesTheFileItAlwaysWrote)
{
    const QString data = QStringLiteral(QUILLMARK_WINDOW_DATA "/");
    const QByteArray temp = settings::keys::defaultCustomSavePath().toUtf8(); // named so in the files
    const std::tuple<const char *, QByteArray, bool> rows[] = { // expected, the file at the start, changes
        {"defaults.ini", "", false},
        {"everything.ini", "[SpawnMap]\r\nX=-7\r\nY=120\r\n[Wiki]\r\nApi=https://wiki.example.org/api.php\r\nUser=Bot",
         true},
        {"handmade.ini", "; written by hand\r\n[general]\r\nleft = 1500\r\nTop=99999\r\nSaveIcon=maybe\r\n"
                         "Opacity=300\r\nUnknown=keep me\r\nAutoCopyKind=Everything\r\nCheckWikiNames=yes\r\n"
                         "Magnifier=FALSE\r\n\r\n[Icon]\r\nFileType=TIFF\r\nJPGquality=250\r\nOffsetLeft=abc\r\n"
                         "OffsetTop=40000\r\nUseDefaultSavePath=no\r\n[Panel]\r\nFileType=Jpg\r\nJPGquality=0.5\r\n"
                         "Prefix=  spaced  \r\n[StatsPanelDimensions]\r\n1 = 250 \r\n[SpawnMap]\r\nX=-32769\r\n"
                         "Y=12.5\r\n[Other]\r\nKey=Value\r\n[General]\r\nGameFullscreen=true\r\n[Live]\r\n"
                         "Suffix=last line", false},
        {"everything.ini", "everything.ini", false}, // what the window wrote reads back as it was
    };
    for (const auto &[expected, before, changes] : rows) {
        SCOPED_TRACE(expected);
        restart(before.endsWith(".ini") ? testsupport::readFile(data + before).replace("<temp>", temp) : before);
        if (changes)
            changeEverything();
        window->close();
        const QByteArray written = ini().replace("=" + temp + "\r\n", "=<temp>\r\n");
        if (qEnvironmentVariableIsSet("QUILLMARK_WRITE_SETTINGS_DATA")) { // after a deliberate change of the file
            QFile out(data + expected);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(written) == written.size());
        }
        EXPECT_EQ(written.toStdString(), testsupport::readFile(data + expected).toStdString());
    }
}

} // namespace
