#include "common/textfile.h"
#include "support.h"
#include "wikitext/categories.h"
#include "wikitext/creaturepage.h"
#include "wikitext/mappoints.h"
#include "wikitext/prices.h"
#include "wikitext/totaldamage.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <limits>

namespace {

using textFiles::LoneLf;
using textFiles::splitLineViews;

QList<QStringView> viewsOf(const QStringList &lines)
{
    QList<QStringView> views;
    for (const QString &line : lines)
        views.append(line);
    return views;
}

// --- categories ---------------------------------------------------------------------

TEST(Categories, CycleThroughTheList)
{
    const QStringList &names = categories::names();
    ASSERT_EQ(names.size(), 128);
    QStringList given;
    for (int click = 1, position = 0; click <= 130; ++click) {
        position = categories::nextPosition(position, false);
        given.append(names[position - 1]);
    }
    EXPECT_EQ(given[0], "Game Concept");
    EXPECT_EQ(given[1], "Attribute");
    EXPECT_EQ(given[37], "Food");
    EXPECT_EQ(given[56], "Food");
    EXPECT_EQ(given[77], "Unwieldable & Creature or NPC only Equipment");
    EXPECT_EQ(given[127], "Creature");
    EXPECT_EQ(given.mid(128), QStringList({"Game Concept", "Attribute"})); // wraps after the last
    for (int from : {0, 1, 57, 128})
        EXPECT_EQ(categories::nextPosition(from, true), 1) << from;
}

// --- creature page --------------------------------------------------------------------

TEST(CreaturePage, CutBetweenMarkers)
{
    struct Case {
        const char16_t *line, *start, *end, *expected;
    } cases[] = {
        {u"in [[Patch 5]] x", u"[[", u"]]", u"Patch 5"}, {u"!250/300", u"!", u"/", u"250"},
        {u"abc", u"!", u"", u"abc"},               // a missing one-character marker keeps the line
        {u"abcdefghij", u"span=2|", u"", u"ghij"}, // ... a longer one starts at its length
        {u"<BIG>X", u"<big>", u"", u">X"},         // case matters
        {u"foo.jpg", u"Image:", u".jpg", u""},     // end marker before the start position
        {u"250/300!", u"!", u"/", u""},            // ... before the start marker
        {u"!250", u"!", u"/", u""},                // ... missing
        {u"ab!", u"!", u"", u""},                  // the start lies past the end
    };
    for (const Case &c : cases)
        EXPECT_EQ(creaturePage::cutBetween(c.line, c.start, c.end), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.line).toStdString();
}

// An old-layout page: 50 lines, every field in place, "?" in lines that keep and lose it.
QStringList creatureLines()
{
    QStringList lines(50, QStringLiteral("|-"));
    const std::pair<int, const char *> filled[] = {
        {1, "Introduced in [[Patch 12?]]"}, {2, "{| class=creature"}, {3, "|<big> Drudge Skulker?</BIG>"},
        {4, "|[[Image:Drudge Skulker.jpg]]"}, {6, "|[[Drudge]] LVL 12 "}, {12, "|Strength !9?0"},
        {13, "|Endurance !100"}, {14, "|Coordination !110"}, {20, "|Quickness !120"}, {21, "|Focus !130"},
        {22, "|Self !140 "}, {28, "|Health <font color=red>250"}, {29, "|Stamina <font color=goldenrod>300"},
        {30, "|Mana <font color=blue>? 150"}, {36, "|Melee !250/300"}, {37, "|Missile !200/ 210"},
        {38, "|Magic !?/180"}, {41, "|<font color=green>1,234 Xp"}, {44, "|colspan=2|Fire"},
        {47, "|colspan=2|Bite, Claw"}, {50, "|colspan=2|Drudge Charm"},
    };
    for (const auto &[number, text] : filled)
        lines[number - 1] = QString::fromLatin1(text);
    return lines;
}
const QString creatureExpected = QStringLiteral(
    "{{Intro\r\n"
    " | Patch Introduced = [[Patch 12?]]\r\n"
    " |   Related Quests = \r\n"
    " |          Updated = \r\n"
    "}}\r\n"
    "{{Creature\r\n"
    " |            Name = Drudge Skulker?\r\n"
    " |           Image = Drudge Skulker.jpg\r\n"
    " |           Class = Drudge\r\n"
    " |        Subclass = \r\n"
    " |            Boss = \r\n"
    " |           Level = 12\r\n"
    " |        Strength = 90\r\n"
    " |       Endurance = 100\r\n"
    " |    Coordination = 110\r\n"
    " |       Quickness = 120\r\n"
    " |           Focus = 130\r\n"
    " |            Self = 140\r\n"
    " |          Health = 250\r\n"
    " |         Stamina = 300\r\n"
    " |            Mana = 150\r\n"
    " |   Melee Defense = 250\r\n"
    " |    Melee Attack = 300\r\n"
    " | Missile Defense = 200\r\n"
    " |  Missile Attack = 210\r\n"
    " |   Magic Defense = \r\n"
    " |    Magic Attack = 180\r\n"
    " |              XP = 1,234\r\n"
    " |      Weaknesses = Fire\r\n"
    " |         Attacks = Bite, Claw\r\n"
    " |        Trophies = Drudge Charm\r\n"
    "}}");

TEST(CreaturePage, WholePage)
{
    const QStringList lines = creatureLines();
    EXPECT_EQ(creaturePage::creatureTemplate(viewsOf(lines)), creatureExpected);

    // An empty second line moves everything from line 3 down by one; lines after the
    // layout are ignored.
    QStringList shifted = lines;
    shifted.insert(1, QString());
    shifted.append("|colspan=2|Late line");
    EXPECT_EQ(creaturePage::creatureTemplate(viewsOf(shifted)), creatureExpected);

    // As copied: LF line ends, made line ends by the window's split.
    const QString copied = lines.join('\n') + '\n';
    EXPECT_EQ(creaturePage::creatureTemplate(splitLineViews(copied, LoneLf::EndsLine)), creatureExpected);
}

TEST(CreaturePage, ShortOrEmptyPage)
{
    // Every line past the end reads as the last line.
    const QStringList out = creaturePage::creatureTemplate(viewsOf({"[[Patch]]", "x", "!7/8"})).split("\r\n");
    ASSERT_EQ(out.size(), 32);
    EXPECT_EQ(out[1], " | Patch Introduced = [[Patch]]");
    QStringList values; // Name to Trophies; "LVL" missing gives Level from position 3
    for (const QString &line : out.mid(6, 25))
        values.append(line.mid(line.indexOf(" = ") + 3));
    EXPECT_EQ(values.join('|'), "|.jpg||||/8|7/8|7/8|7/8|7/8|7/8|7/8|8|8||7|8|7|8|7|8||||");

    // Nothing copied: every field empty, the fixed pieces still there.
    const QString empty = creaturePage::creatureTemplate(splitLineViews(QString(), LoneLf::EndsLine));
    EXPECT_EQ(creaturePage::creatureTemplate({}), empty);
    EXPECT_TRUE(empty.contains(" | Patch Introduced = [[]]\r\n |   Related Quests = \r\n"));
    EXPECT_TRUE(empty.contains(" |           Image = .jpg\r\n"));
    EXPECT_TRUE(empty.endsWith(" |        Trophies = \r\n}}"));
}

// --- total damage -----------------------------------------------------------------------

TEST(TotalDamage, WhichLinesCountAndWhat)
{
    const QString hit = "You hit the drudge for 25 points of damage.";
    struct Case {
        QString line;
        qint32 damage;
    } cases[] = {
        {hit, 25}, {"12:34:56 " + hit, 25}, {"Critical Hit! " + hit, 25}, {"12:34:56 Critical Hit! " + hit, 25},
        {"yOU hit the 2nd drudge for 25.", 225},       // every digit joined
        {"You hit the drudge for 25", 2},              // the last character is not read
        {"You say, I hit it for 25.", 0}, {"You resist 25.", 0}, {"You FAIL to hit for 25.", 0},
        {"You heal 25.", 0}, {"You lose 25.", 0}, {"You restore 25.", 0},
        {"You hit the Saybrook guard for 25.", 0},     // inside a longer word too
        {"You sCritical Hit! ay 25.", 0},              // the removal comes first
        {"critical hit! You hit for 25.", 0},          // ... and is case-exact
        {"The drudge hits you for 25.", 0}, {"Your pet hits for 25.", 0}, {"You\thit for 25.", 0},
        {"1:23 You hit for 25.", 0},                   // nine characters go, whatever they are
        {"12345", 0}, {"", 0},
        {"You hit for 000000000000000000000012!", 12},
        {"You hit for 2147483647.", 2147483647}, {"You hit for 2147483648.", 0},
        {"You hit for 99999999999999999999.", 0}, {"You hit for " + QString(400, u'9') + ".", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(totalDamage::lineDamage(c.line), c.damage) << c.line.toStdString();
}

TEST(TotalDamage, TotalAndMessage)
{
    const QString log = "12:00:01 You hit the drudge for 25 points of damage.\n"
                        "12:00:02 The drudge hits you for 7 points of damage.\r"
                        "12:00:03 Critical Hit! You hit the drudge for 40 points of damage.\r\n"
                        "12:00:04 You say, ouch 99\n";
    EXPECT_EQ(totalDamage::total(splitLineViews(log, LoneLf::EndsLine)), 65);
    EXPECT_EQ(totalDamage::total(splitLineViews(QString(), LoneLf::EndsLine)), 0);
    // An addition that would overflow is skipped; later ones still count.
    const QStringList near = {"You hit for 2147483600.", "You hit for 40.", "You hit for 10.", "You hit for 7."};
    EXPECT_EQ(totalDamage::total(viewsOf(near)), 2147483647);
    EXPECT_EQ(totalDamage::message(65),
              "Total damage done is 65.This value has been copied to the clipboard ready to be pasted.");
}

// --- prices ---------------------------------------------------------------------------------

TEST(Prices, GroupedNumber)
{
    struct Case {
        qint64 value;
        const char *text;
    } cases[] = {
        {0, ""}, {7, "7"}, {999, "999"}, {1000, "1,000"}, {-1000, "-1,000"}, {-5, "-5"}, {-12345678, "-12,345,678"},
        {std::numeric_limits<qint64>::min(), "-9,223,372,036,854,775,808"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(prices::groupedNumber(c.value), c.text) << c.value;
}

TEST(Prices, ConvertLine)
{
    const QString huge = "|Star|300,000,000,000,000,000,000,000,000,000,000,000,000p";
    struct Case {
        QString line;
        float rate;
        QString expected;
    } cases[] = {
        {"|Long Sword|1,500p", 1.2f, "|Long Sword| 1,800p"}, {"|Item|1234", 1.0f, "|Item| 1,234"},
        {"|Item|1,000p", 1.1f, "|Item| 1,100p"}, {"|Item| 1500 p each  ", 1.2f, "|Item| 1,800p each"},
        {"Weapons, Armor, Shields", 1.2f, "Weapons Armor Shields"}, // no row: loses its commas only
        {"ab|100", 1.2f, "ab|100"}, {"|a|100", 1.2f, "|a|100"},     // the first bar from 3 on is at 3
        {"abc|100", 1.2f, "abc| 120"},
        {"|Item|about 1,500p", 1.2f, "|Item|about 1500p"},          // words: not a number
        {"|Item|1.2.3p", 2.0f, "|Item|1.2.3p"}, {"|Item|none", 1.2f, "|Item|none"},
        {"|Pebble|1p", 0.4f, "|Pebble| p"}, {"|Pebble|1p", -0.1f, "|Pebble| p"}, // 0 and -0: no digits
        {"|Ore|2.5", 1.0f, "|Ore| 2"}, {"|Ore|3.5", 1.0f, "|Ore| 4"}, // halves to even
        {"|Debt|-1,500p", 1.0f, "|Debt| -1,500p"}, {"|Item|1500p", -1.0f, "|Item| -1,500p"},
        // 1.1 as a single times 15 is 16.5000004, 16.5 as a single: 16 (17 if kept in double).
        {"|Bread|15p", 1.1f, "|Bread| 16p"},
        // 0.07 as a single times 150 is 10.5 (a double rate gives 10.500000000000002).
        {"|Cheese|150p", 0.07f, "|Cheese| 10p"},
        {"|Gem|16,777,217p", 1.0f, "|Gem| 16,777,216p"},              // the price read as a single
        {"|Relic|1,000,000,000,000p", 1000.0f, "|Relic| 999,999,986,991,104p"},
        {huge, 1.0f, "|Star| 300,000,000,549,775,575,777,803,994,281,145,270,272p"},
        {huge, 2.0f, QString(huge).remove(',')},                      // too large for a single
        {",,", 2.0f, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(prices::convertLine(c.line, c.rate), c.expected) << c.line.toStdString() << " x " << c.rate;

    const QString table = "Prices at the market\n|Apple|10p\n\n|Bow|2,000p\r|A|10p";
    EXPECT_EQ(prices::convert(splitLineViews(table, LoneLf::EndsLine), 2.0f),
              "Prices at the market\r\n|Apple| 20p\r\n\r\n|Bow| 4,000p\r\n|A|10p\r\n");
}

// --- map points -------------------------------------------------------------------------

TEST(MapPoints, Templates)
{
    const QString portal = "Portal at 12.3N, 45.6E and 0.5S, 70.1W.";
    EXPECT_EQ(mapPoints::mapPoint(portal), "{{Map Point\r\n | 12.3 | N | 45.6 | E\r\n | 0.5 | S | 70.1 | W\r\n}}");
    EXPECT_EQ(mapPoints::mapPointPlus(portal), "{{Map Point Plus\r\n | Points = \r\n"
                                               "{{MPP Loc | 12.3 | N | 45.6 | E | Large |  }}\r\n"
                                               "{{MPP Loc | 0.5 | S | 70.1 | W | Large |  }}\r\n}}");
    EXPECT_EQ(mapPoints::mapPoint(""), "{{Map Point\r\n}}");
    EXPECT_EQ(mapPoints::mapPointPlus("No coordinates. None at all."), "{{Map Point Plus\r\n | Points = \r\n}}");
}

TEST(MapPoints, Walk)
{
    struct Case {
        QString text;
        QString points; // first number, letter, second number, letter per point
    } cases[] = {
        {"12.3n, 45.6e", "12.3 N 45.6 E;"},
        {"12.3 N, 45.6 E", "12.3   45.6  ;"}, // a letter after a blank: the blank is taken
        {"Go. 5S.", ""},                      // a sentence's full stop starts no number
        {".5S, .7W", ".5 S .7 W;"}, {"12.N 3.E", "12. N 3. E;"}, {"1/2N 3/4E", "12 N 34 E;"},
        {"12N 34", ""}, {"12", ""},           // incomplete points are dropped
        {"1N2E3S4W", "1 N 2 E;3 S 4 W;"},
        {QString::fromUtf8("1\xF0\x9D\x90\x80 2e"), QString::fromUtf8("1 \xF0\x9D\x90\x80 2 E;")},
    };
    for (const Case &c : cases) {
        QString got;
        for (const mapPoints::Point &p : mapPoints::parse(c.text, 60))
            got += p.firstNumber + ' ' + p.firstLetter + ' ' + p.secondNumber + ' ' + p.secondLetter + ';';
        EXPECT_EQ(got, c.points) << c.text.toStdString();
    }
}

TEST(MapPoints, OnlyAsManyPointsAsEachTemplateHolds)
{
    QString hundred;
    for (int i = 1; i <= 100; ++i)
        hundred += QStringLiteral("%1.5N, %2E; ").arg(i).arg(i + 100);
    EXPECT_EQ(mapPoints::parse(hundred, 100).size(), 100);
    const QString four = mapPoints::mapPoint(hundred);
    EXPECT_EQ(four.count("\r\n"), 1 + 4);
    EXPECT_TRUE(four.endsWith(" | 4.5 | N | 104 | E\r\n}}"));
    const QString sixty = mapPoints::mapPointPlus(hundred);
    EXPECT_EQ(sixty.count("{{MPP Loc"), 60);
    EXPECT_TRUE(sixty.endsWith("{{MPP Loc | 60.5 | N | 160 | E | Large |  }}\r\n}}"));
}

} // namespace
