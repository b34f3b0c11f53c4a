// Every key of the options: what the load makes of a text and what the save writes back.

#include "settings/options.h"
#include "settings/privateprofile.h"
#include "support.h"

#include <QRegularExpression>

namespace {

using Written = std::optional<QString>;          // nothing: the key is not written
using Texts = QList<std::pair<QString, Written>>; // a text in the file, what is written (and read back the same)

struct Row {
    QString section, key;
    Written byDefault; // for a file without the key
    Texts texts;
};

QList<Row> table()
{
    const Written no;
    const Texts greyable = {{"TRUE", "True"}, {"false", "False"}, {"maybe", ""}};
    const Texts unchecked = {{"tRuE", "True"}, {"yes", "False"}}, checked = {{"FALSE", "False"}, {"no", "True"}};
    QList<Row> rows = {{"General", "Left", "0", {{"1500", "1500"}, {"-32768", "-32768"}, {"40000", "0"}, {"1.5", "2"}}},
        {"General", "Top", "0", {{"-3000", "-3000"}, {"abc", "0"}}}, {"General", "AutoName", "False", greyable},
        {"General", "GameFullscreen", "False", {{"true", "true"}, {"anything", "anything"}}}, // kept as read
        {"General", "SaveIcon", "True", greyable}, {"General", "AutoCopyFileName", "False", greyable},
        {"General", "DisplayToolTips", "True", checked},
        {"General", "Opacity", "128", {{"0", "0"}, {"255", "255"}, {" 254.5 ", "254"}, {"127.5", "128"},
                                       {"255.4", "128"}, {"-1", "128"}, {"x", "128"}}}};
    // Captions are written only once changed in the window: never for what the file gave.
    for (int i = 1; i <= settings::captionCount; ++i)
        rows += {{"StatsPanelDimensions", QString::number(i), no, {{"250", no}}},
                 {"LiveShotDimensions", QString::number(i), no, {{"50 80", no}}}};
    const Texts qualities = {{"75", "75%"}, {"0.8", "80%"}, {"250", "100%"}, {"abc", "90%"}, {"12.5", "12%"}};
    for (const char *kind : {"Icon", "Panel", "Live"})
        rows += {{kind, "FileType", "png", {{"JPG", "jpg"}, {"TIFF", "tiff"}}}, {kind, "JPGquality", "90%", qualities}};
    rows.insert(rows.size() - 2, {"Panel", "SaveStatsPanel", "True", greyable});
    for (const char *kind : {"Icon", "Panel", "Live"}) // held with the blank that joins them to the name
        rows += {{kind, "Prefix", "", {{"Pre", "Pre "}, {" a b ", "a b "}}}, {kind, "Suffix", "", {{"Suf", " Suf"}}}};
    rows += {{"Icon", "OffsetLeft", "59", {{"-7", "-7"}, {"abc", "59"}, {"32768", "59"}}},
             {"Icon", "OffsetTop", "94", {{"120", "120"}, {"", "94"}}}};
    for (const char *kind : {"Icon", "Panel", "Live"}) // a greyed box saves to the custom folder
        rows += {{kind, "UseDefaultSavePath", "True", {{"false", "False"}, {"TRUE", "True"}, {"maybe", "False"}}},
                 {kind, "CustomSavePath", settings::keys::defaultCustomSavePath(), {{"/data/", "/data/"}}}};
    rows += {{"SpawnMap", "X", "4", {{"-7", "-7"}, {"-32769", "0"}, {"12.5", "12"}}},
             {"SpawnMap", "Y", "58", {{"x", "0"}}}, {"ExpandedClipboard", "SaveClipboard", "False", greyable}};
    for (int slot = 1; slot <= 8; ++slot)
        rows += {"ExpandedClipboard", QString::number(slot), "", {{"Text", "Text"}}};
    rows += {{"General", "AutoCopyKind", "Name", {{"markup", "Markup"}, {"FILENAME", "FileName"}, {"All", "Name"}}},
             {"General", "CheckWikiNames", "False", unchecked}, {"General", "SmallestPng", "False", unchecked},
             {"Wiki", "UploadAfterSave", "False", unchecked}, {"Wiki", "Api", "", {{"https://w/api", "https://w/api"}}},
             {"Wiki", "User", "", {{"Bot", "Bot"}}}, {"General", "Magnifier", "True", checked},
             {"General", "Hints", "True", checked},
             {"General", "ForceEnglish", no, {{"true", "True"}, {"False", "False"}, {"x", "False"}}},  // once set
             {"Wiki", "CreatePages", no, {{"TRUE", "True"}, {"x", "False"}}}}; // once set
    return rows;
}

// What the options write after loading file: into that file, or into a new one.
QByteArray resaved(const QByteArray &file, bool intoIt)
{
    settings::Options options;
    options.load(PrivateProfile::fromBytes(file));
    PrivateProfile out = intoIt ? PrivateProfile::fromBytes(file) : PrivateProfile();
    options.save(out);
    return out.toBytes();
}

// The value written for the row's key after loading a file holding only text, or nothing.
Written written(const Row &row, const Written &text)
{
    const QString file = text ? "[" + row.section + "]\r\n" + row.key + "=" + *text + "\r\n" : QString();
    const auto line = QRegularExpression("\\[" + row.section + "\\]\r\n(?:[^\\[].*\r\n)*?"
                                         + QRegularExpression::escape(row.key) + "=(.*)\r\n")
                          .match(QString::fromUtf8(resaved(file.toUtf8(), false)));
    return line.hasMatch() ? Written(line.captured(1)) : std::nullopt;
}

TEST(Options, EveryKeyHasItsDefaultItsRangeAndItsRoundTripAndAFileNobodyChangedStaysByteForByte)
{
    const QList<Row> rows = table();
    const QList<settings::Entry> &entries = settings::entries();
    ASSERT_EQ(rows.size(), entries.size()); // one row a key, in the order the save writes them
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        SCOPED_TRACE((row.section + '/' + row.key).toStdString());
        ASSERT_EQ(entries[i].key.section + '/' + entries[i].key.key, row.section + '/' + row.key);
        EXPECT_EQ(written(row, std::nullopt), row.byDefault);
        for (const auto &[text, expected] : row.texts) {
            EXPECT_EQ(written(row, text), expected) << text.toStdString();
            EXPECT_TRUE(!expected || expected->isEmpty() || written(row, expected) == expected) << text.toStdString();
        }
    }
    const QByteArray temp = settings::keys::defaultCustomSavePath().toUtf8();
    const auto dataFile = [&](const char *name) {
        return testsupport::readFile(QStringLiteral(QUILLMARK_WINDOW_DATA "/") + name).replace("<temp>", temp);
    };
    // A new file lists every key in its section in that order, with its default.
    EXPECT_EQ(resaved({}, false).toStdString(), dataFile("defaults.ini").toStdString());
    // Files the window wrote, with lines of the user's: loaded and saved, not a byte changes.
    for (const char *name : {"defaults.ini", "everything.ini"}) {
        const QByteArray bytes = "; notes\r\n" + dataFile(name) + "[Other]\r\nKey=Value\r\nlast line";
        EXPECT_EQ(resaved(bytes, true).toStdString(), bytes.toStdString()) << name;
    }
    // A caption the file does not give is the designed one; one changed in the window is written.
    settings::Options captions;
    captions.load(PrivateProfile::fromBytes("[StatsPanelDimensions]\r\n2=\r\n[LiveShotDimensions]\r\n6= abc\r\n"));
    EXPECT_EQ(captions.panelHeights.shown.mid(0, 2) + captions.cropSizes.shown.mid(5, 2),
              QStringList({"120", "180", "abc", "400 600"}));
    captions.cropSizes.shown[4] = "64 64";
    PrivateProfile out;
    captions.save(out);
    EXPECT_EQ(out.toBytes().count("Dimensions"), 1);
    EXPECT_TRUE(out.toBytes().contains("[LiveShotDimensions]\r\n5=64 64\r\n"));
}

} // namespace
