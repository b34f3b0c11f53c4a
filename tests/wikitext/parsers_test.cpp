#include "common/textfile.h"
#include "support.h"
#include "wikitext/categories.h"
#include "wikitext/creaturepage.h"
#include "wikitext/mappoints.h"
#include "wikitext/prices.h"
#include "wikitext/totaldamage.h"

#include <functional>
#include <limits>

namespace {

using textFiles::LoneLf;
using textFiles::splitLineViews;

QList<QStringView> viewsOf(const QStringList &lines) { return QList<QStringView>(lines.begin(), lines.end()); }

// The values of a creature template, "|"-joined, from Patch Introduced to Trophies.
QString creatureValues(const QString &page)
{
    QStringList values;
    for (const QString &line : page.split("\r\n"))
        if (line.contains(" = "))
            values.append(line.mid(line.indexOf(" = ") + 3));
    return values.join(u'|');
}

} // namespace

TEST(Categories, CycleThroughTheListAndStartAgain)
{
    QStringList given;
    for (int click = 1, position = 0; click <= 130; ++click)
        given.append(categories::names().value((position = categories::nextPosition(position, false)) - 1));
    EXPECT_EQ(categories::names().size(), 128);
    EXPECT_EQ(given.mid(0, 2), QStringList({"Game Concept", "Attribute"}));
    EXPECT_EQ(given[127], "Creature");
    EXPECT_EQ(given.mid(128), QStringList({"Game Concept", "Attribute"})); // wraps after the last
    for (const int from : {0, 1, 57, 128})
        EXPECT_EQ(categories::nextPosition(from, true), 1) << from;
}

TEST(CreaturePage, FieldsComeFromTheirLinesOfTheOldLayout)
{
    const std::tuple<const char16_t *, const char16_t *, const char16_t *, const char16_t *> cuts[]
        = {{u"in [[Patch 5]] x", u"[[", u"]]", u"Patch 5"}, {u"!250/300", u"!", u"/", u"250"},
            {u"abc", u"!", u"", u"abc"},               // a missing one-character marker keeps the line
            {u"abcdefghij", u"span=2|", u"", u"ghij"}, // ... a longer one starts at its length
            {u"<BIG>X", u"<big>", u"", u">X"},         // case matters
            {u"foo.jpg", u"Image:", u".jpg", u""}, {u"250/300!", u"!", u"/", u""}, {u"!250", u"!", u"/", u""},
            {u"ab!", u"!", u"", u""}}; // end markers before the start, missing, past the end
    for (const auto &[line, start, end, cut] : cuts)
        EXPECT_EQ(
            creaturePage::cutBetween(QString::fromUtf16(line), QString::fromUtf16(start), QString::fromUtf16(end)),
            QString::fromUtf16(cut))
            << QString::fromUtf16(line).toStdString();
    // 50 lines, every field in place; "?" in lines that keep and that lose it.
    QStringList lines(50, "|-");
    const std::pair<int, const char *> filled[] = {{1, "Introduced in [[Patch 12?]]"}, {2, "{| class=creature"},
        {3, "|<big> Drudge Skulker?</BIG>"}, {4, "|[[Image:Drudge Skulker.jpg]]"}, {6, "|[[Drudge]] LVL 12 "},
        {12, "|Strength !9?0"}, {13, "|Endurance !100"}, {14, "|Coordination !110"}, {20, "|Quickness !120"},
        {21, "|Focus !130"}, {22, "|Self !140 "}, {28, "|Health <font color=red>250"},
        {29, "|Stamina <font color=goldenrod>300"}, {30, "|Mana <font color=blue>? 150"}, {36, "|Melee !250/300"},
        {37, "|Missile !200/ 210"}, {38, "|Magic !?/180"}, {41, "|<font color=green>1,234 Xp"}, {44, "|colspan=2|Fire"},
        {47, "|colspan=2|Bite, Claw"}, {50, "|colspan=2|Drudge Charm"}};
    for (const auto &[number, text] : filled)
        lines[number - 1] = text;
    const QString page = creaturePage::creatureTemplate(viewsOf(lines));
    EXPECT_EQ(creatureValues(page),
        "[[Patch 12?]]|||Drudge Skulker?|Drudge Skulker.jpg|Drudge|||12|90|100|110|120|130|140|250|"
        "300|150|250|300|200|210||180|1,234|Fire|Bite, Claw|Drudge Charm");
    EXPECT_TRUE(page.startsWith("{{Intro\r\n | Patch Introduced = [[Patch 12?]]\r\n |   Related Quests = \r\n"));
    EXPECT_TRUE(page.contains("}}\r\n{{Creature\r\n |            Name = "));
    EXPECT_TRUE(page.endsWith("\r\n |        Trophies = Drudge Charm\r\n}}"));
    // An empty second line moves everything from line 3 down by one; later lines are ignored;
    // as copied, with LF line ends, it reads the same.
    QStringList shifted = lines;
    shifted.insert(1, QString());
    shifted.append("|colspan=2|Late line");
    EXPECT_EQ(creaturePage::creatureTemplate(viewsOf(shifted)), page);
    const QString copied = lines.join('\n') + '\n';
    EXPECT_EQ(creaturePage::creatureTemplate(splitLineViews(copied, LoneLf::EndsLine)), page);
    // Every line past the end reads as the last; "LVL" missing gives the level from position 3.
    EXPECT_EQ(creatureValues(creaturePage::creatureTemplate(viewsOf({"[[Patch]]", "x", "!7/8"}))),
        "[[Patch]]||||.jpg||||/8|7/8|7/8|7/8|7/8|7/8|7/8|8|8||7|8|7|8|7|8||||");
    const QString empty = creaturePage::creatureTemplate(splitLineViews(QString(), LoneLf::EndsLine));
    EXPECT_EQ(creaturePage::creatureTemplate({}), empty);
    EXPECT_EQ(creatureValues(empty), "[[]]||||.jpg" + QString(23, u'|'));
}

TEST(TotalDamage, WhichLinesCountWhatTheyAddAndTheTotal)
{
    const QString hit = "You hit the drudge for 25 points of damage.";
    const std::pair<QString, qint32> lines[] = {{hit, 25}, {"12:34:56 " + hit, 25}, {"Critical Hit! " + hit, 25},
        {"12:34:56 Critical Hit! " + hit, 25}, {"yOU hit the 2nd drudge for 25.", 225}, // every digit joined
        {"You hit the drudge for 25", 2}, // the last character is not read
        {"You say, I hit it for 25.", 0}, {"You resist 25.", 0}, {"You FAIL to hit for 25.", 0}, {"You heal 25.", 0},
        {"You lose 25.", 0}, {"You restore 25.", 0}, {"You hit the Saybrook guard for 25.", 0}, // inside a word too
        {"You sCritical Hit! ay 25.", 0},     // the removal comes first
        {"critical hit! You hit for 25.", 0}, // ... and is case-exact
        {"The drudge hits you for 25.", 0}, {"Your pet hits for 25.", 0}, {"You\thit for 25.", 0},
        {"1:23 You hit for 25.", 0}, // nine characters go, whatever they are
        {"12345", 0}, {"", 0}, {"You hit for 000000000000000000000012!", 12}, {"You hit for 2147483647.", 2147483647},
        {"You hit for 2147483648.", 0}, {"You hit for 99999999999999999999.", 0},
        {"You hit for " + QString(400, u'9') + ".", 0}};
    for (const auto &[line, damage] : lines)
        EXPECT_EQ(totalDamage::lineDamage(line), damage) << line.toStdString();
    const QString log
        = "12:00:01 You hit the drudge for 25 points of damage.\n12:00:02 The drudge hits you for 7 points of "
          "damage.\r12:00:03 Critical Hit! You hit the drudge for 40 points of damage.\r\n12:00:04 You say, ouch 99\n";
    EXPECT_EQ(totalDamage::total(splitLineViews(log, LoneLf::EndsLine)), 65);
    EXPECT_EQ(totalDamage::total(splitLineViews(QString(), LoneLf::EndsLine)), 0);
    // An addition that would overflow is skipped; later ones still count.
    EXPECT_EQ(totalDamage::total(
                  viewsOf({"You hit for 2147483600.", "You hit for 40.", "You hit for 10.", "You hit for 7."})),
        2147483647);
}

TEST(Prices, RowsConvertedAtASinglePrecisionRateAndGrouped)
{
    for (const auto &[value, text] :
        {std::pair<qint64, const char *>{0, ""}, {7, "7"}, {999, "999"}, {1000, "1,000"}, {-1000, "-1,000"}, {-5, "-5"},
            {-12345678, "-12,345,678"}, {std::numeric_limits<qint64>::min(), "-9,223,372,036,854,775,808"}})
        EXPECT_EQ(prices::groupedNumber(value), text) << value;
    const QString huge = "|Star|300,000,000,000,000,000,000,000,000,000,000,000,000p";
    const std::tuple<QString, float, QString> rows[] = {{"|Long Sword|1,500p", 1.2f, "|Long Sword| 1,800p"},
        {"|Item|1234", 1.0f, "|Item| 1,234"}, {"|Item|1,000p", 1.1f, "|Item| 1,100p"},
        {"|Item| 1500 p each  ", 1.2f, "|Item| 1,800p each"},
        {"Weapons, Armor, Shields", 1.2f, "Weapons Armor Shields"}, // no row: loses its commas only
        {"ab|100", 1.2f, "ab|100"}, {"|a|100", 1.2f, "|a|100"},
        {"abc|100", 1.2f, "abc| 120"}, // the first bar from 3 on
        {"|Item|about 1,500p", 1.2f, "|Item|about 1500p"}, {"|Item|1.2.3p", 2.0f, "|Item|1.2.3p"}, // not a number
        {"|Item|none", 1.2f, "|Item|none"}, {"|Pebble|1p", 0.4f, "|Pebble| p"},
        {"|Pebble|1p", -0.1f, "|Pebble| p"},                          // 0, -0
        {"|Ore|2.5", 1.0f, "|Ore| 2"}, {"|Ore|3.5", 1.0f, "|Ore| 4"}, // halves to even
        {"|Debt|-1,500p", 1.0f, "|Debt| -1,500p"}, {"|Item|1500p", -1.0f, "|Item| -1,500p"},
        {"|Bread|15p", 1.1f, "|Bread| 16p"},     // 1.1 as a single times 15 is 16.5000004, as a single 16.5: 16
        {"|Cheese|150p", 0.07f, "|Cheese| 10p"}, // 0.07 as a single times 150 is 10.5 (10.500000000000002 in double)
        {"|Gem|16,777,217p", 1.0f, "|Gem| 16,777,216p"}, // the price read as a single
        {"|Relic|1,000,000,000,000p", 1000.0f, "|Relic| 999,999,986,991,104p"},
        {huge, 1.0f, "|Star| 300,000,000,549,775,575,777,803,994,281,145,270,272p"},
        {huge, 2.0f, QString(huge).remove(',')}, {",,", 2.0f, ""}}; // too large for a single
    for (const auto &[line, rate, converted] : rows)
        EXPECT_EQ(prices::convertLine(line, rate), converted) << line.toStdString() << " x " << rate;
    EXPECT_EQ(prices::convert(
                  splitLineViews(u"Prices at the market\n|Apple|10p\n\n|Bow|2,000p\r|A|10p", LoneLf::EndsLine), 2.0f),
        "Prices at the market\r\n|Apple| 20p\r\n\r\n|Bow| 4,000p\r\n|A|10p\r\n");
}

TEST(MapPoints, PointsAreFoundInProseAndEachTemplateTakesAsManyAsItHolds)
{
    const std::pair<QString, QString> texts[] = {// first number, letter, second number, letter per point
        {"12.3n, 45.6e", "12.3 N 45.6 E;"}, {"12.3 N, 45.6 E", "12.3   45.6  ;"}, // a letter after a blank: the blank
        {"Go. 5S.", ""}, // a sentence's full stop starts no number
        {".5S, .7W", ".5 S .7 W;"}, {"12.N 3.E", "12. N 3. E;"}, {"1/2N 3/4E", "12 N 34 E;"}, {"12N 34", ""},
        {"12", ""}, // incomplete points are dropped
        {"1N2E3S4W", "1 N 2 E;3 S 4 W;"}, {QStringLiteral("1\U0001D400 2e"), QStringLiteral("1 \U0001D400 2 E;")},
        {QStringLiteral("1N 2E \U0001F600"), "1 N 2 E;"},
        {QStringLiteral("1N 2\U0001F600"),
            QStringLiteral("1 N 2 \U0001F600;")}}; // a pair at the very end is a letter too
    for (const auto &[text, points] : texts) {
        QString got;
        for (const mapPoints::Point &p : mapPoints::parse(text, 60))
            got += p.firstNumber + ' ' + p.firstLetter + ' ' + p.secondNumber + ' ' + p.secondLetter + ';';
        EXPECT_EQ(got, points) << text.toStdString();
    }
    const QString portal = "Portal at 12.3N, 45.6E and 0.5S, 70.1W.";
    EXPECT_EQ(mapPoints::mapPoint(portal), "{{Map Point\r\n | 12.3 | N | 45.6 | E\r\n | 0.5 | S | 70.1 | W\r\n}}");
    EXPECT_EQ(mapPoints::mapPointPlus(portal),
        "{{Map Point Plus\r\n | Points = \r\n{{MPP Loc | 12.3 | N | 45.6 | E | Large |  }}"
        "\r\n{{MPP Loc | 0.5 | S | 70.1 | W | Large |  }}\r\n}}");
    EXPECT_EQ(mapPoints::mapPoint(""), "{{Map Point\r\n}}");
    EXPECT_EQ(mapPoints::mapPointPlus("No coordinates. None at all."), "{{Map Point Plus\r\n | Points = \r\n}}");
    QString hundred;
    for (int i = 1; i <= 100; ++i)
        hundred += QStringLiteral("%1.5N, %2E; ").arg(i).arg(i + 100);
    EXPECT_EQ(mapPoints::parse(hundred, 100).size(), 100);
    EXPECT_EQ(mapPoints::mapPoint(hundred).count("\r\n"), 1 + 4);
    EXPECT_TRUE(mapPoints::mapPoint(hundred).endsWith(" | 4.5 | N | 104 | E\r\n}}"));
    EXPECT_EQ(mapPoints::mapPointPlus(hundred).count("{{MPP Loc"), 60);
    EXPECT_TRUE(mapPoints::mapPointPlus(hundred).endsWith("{{MPP Loc | 60.5 | N | 160 | E | Large |  }}\r\n}}"));
}

TEST(Parsers, EachCountsWhatItFoundToConvert)
{
    using Found = std::function<qsizetype(const QString &)>;
    const Found mapPoint = [](const QString &t) { return mapPoints::convert(t, mapPoints::Template::MapPoint).found; };
    const Found plus = [](const QString &t) { return mapPoints::convert(t, mapPoints::Template::MapPointPlus).found; };
    const auto lines = [](const QString &t) { return splitLineViews(t, LoneLf::EndsLine); };
    const Found rows = [&](const QString &t) { return prices::convertTable(lines(t), 0.4f).found; };
    const Found hits = [&](const QString &t) { return totalDamage::tally(lines(t)).hits; };
    const Found fields = [&](const QString &t) { return creaturePage::convert(lines(t)).found; };
    QString hundred;
    for (int i = 1; i <= 100; ++i)
        hundred += QStringLiteral("%1.5N, %2E; ").arg(i).arg(i + 100);
    QStringList page(50, "|-");
    for (const int line : {12, 13, 14, 20, 21, 22})
        page[line - 1] = "|Strength !9?0";
    page[0] = "in [[Patch 5]]";
    const std::tuple<Found, QString, qsizetype> cases[] = {{mapPoint, "hello world", 0}, {plus, "", 0},
        {mapPoint, "Portal at 12.3N, 45.6E and 0.5S, 70.1W.", 2}, {mapPoint, hundred, 4}, {plus, hundred, 60},
        {rows, "hello world", 0}, {rows, "", 0}, {rows, "Shop\n|Apple|10p\n\n|Bow|2,000p\r|A|10p", 2},
        {rows, "|Item|about 1,500p", 0}, {rows, "|Pebble|1p", 1}, // a price converted to nothing is a row
        {hits, "hello world", 0}, {hits, "You hit the drudge.", 0},
        {hits, "You say 25.\nThe drudge hits you for 7.", 0},
        {hits, "You hit for 25.\n12:00:01 Critical Hit! You hit for 4.", 2},
        {hits, "You hit for 99999999999999999999.", 1}, // a hit too large to add is still a hit
        {fields, "hello world", 0}, {fields, "Hello world!", 0}, // markers only on lines past the end
        {fields, "[[Patch]]\nx\n!7/8", 1}, {fields, page.join('\n'), 7}};
    for (const auto &[found, copied, count] : cases)
        EXPECT_EQ(found(copied), count) << copied.left(60).toStdString();
}
