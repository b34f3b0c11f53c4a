// Every key of the options: what the load makes of a text and what the save writes back.

#include "settings/options.h"
#include "settings/privateprofile.h"
#include "support.h"

#include <QRegularExpression>

namespace {

using Written = std::optional<QString>; // nothing: the key is not written

struct Row {
    QString section, key;
    Written byDefault; // for a file without the key
    QList<std::pair<QString, Written>> texts; // a text in the file, and what is written for it
};

QList<Row> table()
{
    const Written no;
    const QString temp = settingsKeys::defaultCustomSavePath();
    const QList<std::pair<QString, Written>> greyable = {{"TRUE", "True"}, {"false", "False"}, {"maybe", ""}};
    const QList<std::pair<QString, Written>> unchecked = {{"tRuE", "True"}, {"yes", "False"}};
    const QList<std::pair<QString, Written>> checked = {{"FALSE", "False"}, {"no", "True"}};
    QList<Row> rows = {{"General", "Left", "0", {{"1500", "1500"}, {"-32768", "-32768"}, {"40000", "0"}, {"12.5", "12"}}},
        {"General", "Top", "0", {{"-3000", "-3000"}, {"abc", "0"}, {"13.5", "14"}}},
        {"General", "AutoName", "False", greyable},
        {"General", "GameFullscreen", "False", {{"true", "true"}, {"anything", "anything"}}}, // kept as read
        {"General", "SaveIcon", "True", greyable}, {"General", "AutoCopyFileName", "False", greyable},
        {"General", "DisplayToolTips", "True", checked},
        {"General", "Opacity", "128",
            {{"0", "0"}, {"255", "255"}, {" 254.5 ", "254"}, {"127.5", "128"}, {"255.4", "128"}, {"-1", "128"}, {"x", "128"}}}};
    // Captions are written only once changed in the window: never for what the file gave.
    for (int i = 1; i <= settings::captionCount; ++i)
        rows += {{"StatsPanelDimensions", QString::number(i), no, {{"250", no}}},
                 {"LiveShotDimensions", QString::number(i), no, {{"50 80", no}}}};
    const QList<std::pair<QString, Written>> fileTypes = {{"JPG", "jpg"}, {"Bmp", "bmp"}, {"TIFF", "tiff"}};
    const QList<std::pair<QString, Written>> qualities
        = {{"75", "75%"}, {"75%", "75%"}, {"0.8", "80%"}, {"250", "100%"}, {"abc", "90%"}, {"12.5", "12%"}};
    for (const char *kind : {"Icon", "Panel", "Live"})
        rows += {{kind, "FileType", "png", fileTypes}, {kind, "JPGquality", "90%", qualities}};
    rows.insert(rows.size() - 2, {"Panel", "SaveStatsPanel", "True", greyable});
    for (const char *kind : {"Icon", "Panel", "Live"}) // held with the blank that joins them to the name
        rows += {{kind, "Prefix", "", {{"Pre", "Pre "}, {" two words ", "two words "}}}, {kind, "Suffix", "", {{"Suf", " Suf"}}}};
    rows += {{"Icon", "OffsetLeft", "59", {{"-7", "-7"}, {"abc", "59"}, {"32768", "59"}}},
             {"Icon", "OffsetTop", "94", {{"120", "120"}, {"", "94"}}}};
    for (const char *kind : {"Icon", "Panel", "Live"}) // a greyed box saves to the custom folder
        rows += {{kind, "UseDefaultSavePath", "True", {{"false", "False"}, {"TRUE", "True"}, {"maybe", "False"}}},
                 {kind, "CustomSavePath", temp, {{"/data/pictures/", "/data/pictures/"}}}};
    rows += {{"SpawnMap", "X", "4", {{"-7", "-7"}, {"-32769", "0"}, {"12.5", "12"}}},
             {"SpawnMap", "Y", "58", {{"x", "0"}}}, {"ExpandedClipboard", "SaveClipboard", "False", greyable}};
    for (int slot = 1; slot <= 8; ++slot)
        rows += {"ExpandedClipboard", QString::number(slot), "", {{"Text", "Text"}}};
    rows += {{"General", "AutoCopyKind", "Name", {{"markup", "Markup"}, {"FILENAME", "FileName"}, {"All", "Name"}}},
             {"General", "CheckWikiNames", "False", unchecked}, {"General", "SmallestPng", "False", unchecked},
             {"Wiki", "UploadAfterSave", "False", unchecked},
             {"Wiki", "Api", "", {{"https://wiki.example.org/api.php", "https://wiki.example.org/api.php"}}},
             {"Wiki", "User", "", {{"Bot", "Bot"}}}, {"General", "Magnifier", "True", checked},
             {"General", "Hints", "True", checked}};
    return rows;
}

// The save of the options loaded from a file holding only this key (or nothing).
PrivateProfile saved(const Row &row, const Written &text)
{
    settings::Options options;
    if (text)
        options.load(PrivateProfile::fromBytes(("[" + row.section + "]\r\n" + row.key + "=" + *text + "\r\n").toUtf8()));
    else
        options.load(PrivateProfile());
    PrivateProfile written;
    options.save(written);
    return written;
}

// The key's value as written in its section, or nothing.
Written valueIn(const PrivateProfile &profile, const Row &row)
{
    const auto line = QRegularExpression("\\[" + row.section + "\\]\r\n(?:[^\\[].*\r\n)*?"
                                         + QRegularExpression::escape(row.key) + "=(.*)\r\n")
                          .match(QString::fromUtf8(profile.toBytes()));
    return line.hasMatch() ? Written(line.captured(1)) : std::nullopt;
}

QByteArray dataFile(const char *name)
{
    const QByteArray temp = settingsKeys::defaultCustomSavePath().toUtf8();
    return testsupport::readFile(QStringLiteral(QUILLMARK_WINDOW_DATA "/") + name).replace("<temp>", temp);
}

TEST(Options, EveryKeyHasItsDefaultItsRangeAndItsRoundTripAndAFileNobodyChangedStaysByteForByte)
{
    const QList<Row> rows = table();
    // One row a key, in the order the save writes them.
    QStringList keys, rowKeys;
    for (const settings::Entry &entry : settings::entries())
        keys << entry.key.section + '/' + entry.key.key;
    for (const Row &row : rows)
        rowKeys << row.section + '/' + row.key;
    ASSERT_EQ(keys, rowKeys);

    for (const Row &row : rows) {
        SCOPED_TRACE((row.section + '/' + row.key).toStdString());
        EXPECT_EQ(valueIn(saved(row, std::nullopt), row), row.byDefault);
        for (const auto &[text, written] : row.texts) {
            EXPECT_EQ(valueIn(saved(row, text), row), written) << text.toStdString();
            if (written && !written->isEmpty()) { // what is written reads back as itself
                EXPECT_EQ(valueIn(saved(row, written), row), written) << written->toStdString();
            }
        }
    }
    // A new file lists every key in its section in that order, with its default.
    EXPECT_EQ(saved(rows[0], std::nullopt).toBytes().toStdString(), dataFile("defaults.ini").toStdString());

    // Files the window wrote, with lines of the user's: loaded and saved, not a byte changes.
    for (const char *name : {"defaults.ini", "everything.ini"}) {
        const QByteArray bytes = "; notes\r\n" + dataFile(name) + "[Other]\r\nKey=Value\r\nlast line";
        settings::Options options;
        options.load(PrivateProfile::fromBytes(bytes));
        PrivateProfile again = PrivateProfile::fromBytes(bytes);
        options.save(again);
        EXPECT_EQ(again.toBytes().toStdString(), bytes.toStdString()) << name;
        // A caption the user changed is written.
        options.cropSizes.shown[4] = "64 64";
        options.save(again);
        EXPECT_TRUE(again.toBytes().contains("[LiveShotDimensions]\r\n5=64 64\r\n")) << name;
    }
}

} // namespace
