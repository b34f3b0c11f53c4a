// The file the window writes for a set of choices, byte for byte as the files in data/
// (written by the window before its options had a model of their own).

#include "window.h"

#include "settings/settingskeys.h"

#include <QFile>

namespace {

using testsupport::ProgramFolder;

// The custom folder offered by default is the system's temporary one: the files name it so.
QByteArray withTempNamed(QByteArray bytes)
{
    const QByteArray temp = settingsKeys::defaultCustomSavePath().toUtf8();
    return bytes.replace("=" + temp + "\r\n", "=<temp>\r\n");
}

template <typename T = QWidget> T *control(const frmVandrel &w, const QString &name)
{
    T *found = w.findChild<T *>(name);
    EXPECT_TRUE(found) << name.toStdString();
    return found;
}

void click(const frmVandrel &w, const QString &name) { QTest::mouseClick(control(w, name), Qt::LeftButton); }

void changeCaption(frmVandrel &w, const QString &button, QList<modal::Reply> typed)
{
    modal::Answerer answers(std::move(typed));
    QTest::mouseClick(control(w, button), Qt::RightButton, Qt::ShiftModifier);
}

// Every option of the window changed from its default, as a user would.
void changeEverything(frmVandrel &w)
{
    clickBox(control(w, names::icon));
    changeCaption(w, "cmdExtractPanel_3", {"455"});
    w.showTab(2);
    changeCaption(w, "cmdCrop_5", {"50", "80"});
    w.showTab(6);
    const char *kinds[] = {"Icon", "Panel", "Live"};
    const int types[] = {2, 0, 1}; // jpg, bmp, gif
    for (int k = 0; k < 3; ++k) {
        const QString kind = QString::fromLatin1(kinds[k]);
        click(w, QStringLiteral("opt%1FileType_%2").arg(kind).arg(types[k]));
        if (types[k] == 2)
            typeInto(control(w, "txtIconJPGquality"), "75", true);
        typeInto(control(w, "txt" + kind + "Prefix"), "Pre" + kind, true);
        typeInto(control(w, "txt" + kind + "Suffix"), "Suf " + kind, true);
        clickBox(control(w, "chk" + kind + "DefaultPath"));
        typeInto(control(w, "txt" + kind + "CustomSavePath"), "/data/" + kind, true);
    }
    typeInto(control(w, "txtIconLeft"), "12", true);
    typeInto(control(w, "txtIconTop"), "-30", true);
    click(w, "optIconPosition_0");
    for (const char *box : {"chkSaveStatsPanel", "chkAutoCopyName", "chkAutoName", "chkToolTips", "chkMagnifier",
                            "chkHints", "chkWikiNames", "chkSmallPng"})
        clickBox(control(w, box));
    {
        modal::Answerer warning;
        clickBox(control(w, "chkUploadAfterSave"));
    }
    emit control<QComboBox>(w, "cmbAutoCopyKind")->activated(2);
    modal::Answerer alpha({"200"});
    click(w, "cmdSetWindowAlpha");
    w.move(120, 40);
}

const QByteArray handMade = "; written by hand\r\n[general]\r\nleft = 1500\r\nTop=99999\r\nSaveIcon=maybe\r\n"
                            "Opacity=300\r\nUnknown=keep me\r\nAutoCopyKind=Everything\r\nCheckWikiNames=yes\r\n"
                            "Magnifier=FALSE\r\n\r\n[Icon]\r\nFileType=TIFF\r\nJPGquality=250\r\nOffsetLeft=abc\r\n"
                            "OffsetTop=40000\r\nUseDefaultSavePath=no\r\n[Panel]\r\nFileType=Jpg\r\nJPGquality=0.5\r\n"
                            "Prefix=  spaced  \r\n[StatsPanelDimensions]\r\n1 = 250 \r\n[SpawnMap]\r\nX=-32769\r\n"
                            "Y=12.5\r\n[Other]\r\nKey=Value\r\n[General]\r\nGameFullscreen=true\r\n[Live]\r\n"
                            "Suffix=last line";

struct Choices {
    const char *expected; // in data/
    QByteArray before;    // Quillmark.ini when the window starts
    std::function<void(frmVandrel &)> make;
    const char *beforeData = nullptr; // or this file of data/ (read when its turn comes)
};

TEST(WindowSettingsFile, TheWindowWritesTheFileItAlwaysWrote)
{
    const QString data = QStringLiteral(QUILLMARK_WINDOW_DATA "/");
    const Choices rows[] = {
        {"defaults.ini", {}, [](frmVandrel &) {}},
        {"everything.ini", "[SpawnMap]\r\nX=-7\r\nY=120\r\n[Wiki]\r\nApi=https://wiki.example.org/api.php\r\n"
                           "User=Bot\r\n", changeEverything},
        {"handmade.ini", handMade, [](frmVandrel &) {}},
        // What the window wrote reads back as it was.
        {"everything.ini", {}, [](frmVandrel &) {}, "everything.ini"},
    };
    for (const Choices &row : rows) {
        SCOPED_TRACE(row.expected);
        ProgramFolder folder;
        const QByteArray temp = settingsKeys::defaultCustomSavePath().toUtf8();
        const QByteArray before = row.beforeData ? testsupport::readFile(data + row.beforeData) : row.before;
        if (!before.isNull())
            folder.write("Quillmark.ini", QByteArray(before).replace("<temp>", temp));
        {
            frmVandrel window(folder.path());
            window.show();
            row.make(window);
            window.close();
        }
        const QByteArray written = withTempNamed(folder.read("Quillmark.ini"));
        if (qEnvironmentVariableIsSet("QUILLMARK_WRITE_SETTINGS_DATA")) {
            QFile out(data + row.expected);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(written) == written.size());
        }
        EXPECT_EQ(written.toStdString(), testsupport::readFile(data + row.expected).toStdString());
    }
}

} // namespace
