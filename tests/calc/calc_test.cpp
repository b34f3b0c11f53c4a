#include "calc/buffedarmor.h"
#include "calc/levelxp.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using buffedArmor::Inputs;
using buffedArmor::Results;

Inputs armor(const QString &spell, const QString &base, const QString &rows = QStringLiteral("200"))
{
    Inputs in;
    in.texts.fill(rows);
    in.texts[0] = spell;
    in.texts[1] = base;
    return in;
}

Results startLabels()
{
    Results r;
    r.fill(QStringLiteral("420"));
    r[1].clear();
    return r;
}

TEST(BuffedArmor, RowsScaleWithTheBuffedLevelOrDoubleUnderAnItemSpell)
{
    Inputs in = armor("220", "200");
    in.texts[2] = "160";
    Results r = startLabels();
    ASSERT_TRUE(buffedArmor::recompute(2, in, r));
    EXPECT_EQ(r[2], "336");
    EXPECT_EQ(r[3], "420"); // only the changed row
    in.itemSpell[2] = true;
    ASSERT_TRUE(buffedArmor::recompute(2, in, r));
    EXPECT_EQ(r[2], "840");
    in.itemSpell[2] = false;
    ASSERT_TRUE(buffedArmor::recompute(2, in, r));
    EXPECT_EQ(r[2], "336");

    // A change of spell or base recomputes the level and every row.
    in = armor("100", "200");
    in.texts[5] = "-50";
    in.itemSpell[8] = true;
    r = startLabels();
    ASSERT_TRUE(buffedArmor::recompute(0, in, r));
    EXPECT_EQ(r[0], "300");
    EXPECT_EQ(r[4], "300");
    EXPECT_EQ(r[5], "-75");
    EXPECT_EQ(r[8], "600");
}

TEST(BuffedArmor, QuotientsRoundHalvesToEven)
{
    struct Case {
        const char *spell, *base, *value, *result;
    } cases[] = {
        {"-1", "2", "1", "0"},     // 0.5
        {"-1", "2", "5", "2"},     // 2.5
        {"-1", "2", "7", "4"},     // 3.5
        {"-1", "2", "-5", "-2"},   // -2.5
        {"1", "4", "1", "1"},      // 1.25
        {"0", "3", "1", "1"},      // 1/3 * 3 is 1 in double
        {"100", "3", "2", "69"},   // 68.67
        {"-200", "200", "1", "0"}, // a buffed level of 0
    };
    for (const Case &c : cases) {
        Inputs in = armor(c.spell, c.base);
        in.texts[3] = c.value;
        Results r = startLabels();
        ASSERT_TRUE(buffedArmor::recompute(3, in, r)) << c.spell << " " << c.base;
        EXPECT_EQ(r[3], c.result) << c.spell << "+" << c.base << " value " << c.value;
    }
}

TEST(BuffedArmor, BadInputsStopWhereTheyAreMet)
{
    // A row whose box is empty stops a full recompute there; later rows keep old results.
    Inputs in = armor("100", "200");
    in.texts[5] = "";
    Results r = startLabels();
    EXPECT_FALSE(buffedArmor::recompute(0, in, r));
    EXPECT_EQ(r[0], "300");
    EXPECT_EQ(r[4], "300");
    EXPECT_EQ(r[5], "420");
    EXPECT_EQ(r[8], "420");

    // Each of these leaves every label as it was.
    struct Case {
        const char *spell, *base, *value;
        bool itemSpell;
    } untouched[] = {
        {"", "200", "200", false},      {"220", "abc", "200", false}, {"220", "200", "1,5", false},
        {"32768", "200", "200", false}, {"220", "-32769", "200", false}, {"32767", "1", "200", false}, // sum
        {"-32768", "-1", "200", false}, {"220", "200", "x", true},       // value read even under a spell
    };
    for (const Case &c : untouched) {
        for (int box : {0, 1, 2}) {
            Inputs bad = armor(c.spell, c.base, c.value);
            bad.itemSpell[2] = c.itemSpell;
            Results labels = startLabels();
            EXPECT_FALSE(buffedArmor::recompute(box, bad, labels)) << c.spell << " " << c.base << " " << c.value;
            EXPECT_EQ(labels, startLabels()) << c.spell << " " << c.base << " " << c.value << " box " << box;
        }
    }

    // Base 0: the level is written, rows without an item spell are not, doubled ones are.
    in = armor("50", "0");
    r = startLabels();
    EXPECT_FALSE(buffedArmor::recompute(1, in, r));
    EXPECT_EQ(r[0], "50");
    EXPECT_EQ(r[2], "420");
    in.itemSpell[4] = true;
    EXPECT_TRUE(buffedArmor::recompute(4, in, r));
    EXPECT_EQ(r[4], "100");

    // Doubled values and row results outside 16 bits stop like an overflowing sum.
    in = armor("16000", "384"); // sum 16384, doubled 32768
    in.itemSpell[2] = true;
    r = startLabels();
    EXPECT_FALSE(buffedArmor::recompute(0, in, r));
    EXPECT_EQ(r[0], "16384");
    EXPECT_EQ(r[2], "420");
    in = armor("16000", "383"); // doubled 32766 fits
    in.itemSpell[2] = true;
    EXPECT_TRUE(buffedArmor::recompute(2, in, r));
    EXPECT_EQ(r[2], "32766");
    in = armor("30000", "1", "2"); // 2 / 1 * 30001
    r = startLabels();
    EXPECT_FALSE(buffedArmor::recompute(3, in, r));
    EXPECT_EQ(r[3], "420");

    // Indexes outside the boxes do nothing.
    r = startLabels();
    EXPECT_FALSE(buffedArmor::recompute(9, armor("1", "1"), r));
    EXPECT_FALSE(buffedArmor::recompute(-1, armor("1", "1"), r));
    EXPECT_EQ(r, startLabels());
}

TEST(BuffedArmor, RatingBoundsAreSinglePrecisionAndInclusive)
{
    struct Case {
        float ratio;
        const char *word;
    } cases[] = {
        {0.0f, "Poor"},           {0.3999f, "Poor"},          {0.4f, "Below Average"},
        {0.7999f, "Below Average"}, {0.8f, "Average"},        {1.0f, "Average"},
        {1.1999f, "Average"},     {1.2f, "Above Average"},    {1.5999f, "Above Average"},
        {1.6f, "Excellent"},      {1.9999f, "Excellent"},     {2.0f, "Unparalleled"},
        {1000.0f, "Unparalleled"}, {INFINITY, "Unparalleled"}, {-0.0001f, ""},
        {0.39995f, ""},           {1.19995f, ""},             {1.99995f, ""},
        {NAN, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(buffedArmor::rating(c.ratio), c.word) << c.ratio;

    // The ratio itself is taken in single precision: 160 / 200 is exactly the 0.8 bound
    // in float, a hair below it in double.
    EXPECT_LT(160.0 / 200.0, double(0.8f));
    const Inputs in = armor("220", "200", "160");
    const auto code = buffedArmor::wikiCode(in, startLabels());
    ASSERT_TRUE(code);
    EXPECT_TRUE(code->contains(" |           Slashing = Average (160)\r\n"));
}

TEST(BuffedArmor, WikiCodeLinesUpItsLabelsAndCopiesTheBoxes)
{
    Inputs in = armor("220", "200");
    const QString expected = QStringLiteral(" |        Armor Level = 200\r\n"
                                            " |           Slashing = Average (200)\r\n"
                                            " |           Piercing = Average (200)\r\n"
                                            " |        Bludgeoning = Average (200)\r\n"
                                            " |               Fire = Average (200)\r\n"
                                            " |               Cold = Average (200)\r\n"
                                            " |               Acid = Average (200)\r\n"
                                            " |           Electric = Average (200)\r\n"
                                            "\r\n"
                                            " | Buffed Armor Level = 420\r\n"
                                            " | Buffed Slashing AL = 420\r\n"
                                            " | Buffed Piercing AL = 420\r\n"
                                            " | Buffed Bludgeon AL = 420\r\n"
                                            " |     Buffed Fire AL = 420\r\n"
                                            " |     Buffed Cold AL = 420\r\n"
                                            " |     Buffed Acid AL = 420\r\n"
                                            " | Buffed Electric AL = 420");
    EXPECT_EQ(buffedArmor::wikiCode(in, startLabels()), expected);

    // Texts as typed, ratings per row, labels as they stand (even when stale).
    in.texts[1] = " 200";
    in.texts[2] = "0";
    in.texts[3] = "400";
    in.texts[4] = "-1";
    in.texts[5] = "+079";
    in.texts[6] = "120.4";
    in.texts[7] = "240";
    in.texts[8] = "320";
    Results r = startLabels();
    r[8] = "stale";
    const auto code = buffedArmor::wikiCode(in, r);
    ASSERT_TRUE(code);
    const QStringList lines = code->split("\r\n");
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines[0], " |        Armor Level =  200");
    EXPECT_EQ(lines[1], " |           Slashing = Poor (0)");
    EXPECT_EQ(lines[2], " |           Piercing = Unparalleled (400)");
    EXPECT_EQ(lines[3], " |        Bludgeoning =  (-1)");
    EXPECT_EQ(lines[4], " |               Fire = Poor (+079)");
    EXPECT_EQ(lines[5], " |               Cold = Below Average (120.4)");
    EXPECT_EQ(lines[6], " |               Acid = Above Average (240)");
    EXPECT_EQ(lines[7], " |           Electric = Excellent (320)");
    EXPECT_EQ(lines[16], " | Buffed Electric AL = stale");

    // Whatever stops the recompute stops the wiki code.
    for (auto [box, text] : {std::pair{1, "0"}, {1, ""}, {0, "x"}, {0, "32767"}, {5, ""}, {8, "40000"}}) {
        Inputs bad = armor("220", "200");
        bad.texts[box] = text;
        EXPECT_FALSE(buffedArmor::wikiCode(bad, startLabels())) << box << " " << text;
    }
}

TEST(LevelXpTable, HoldsEveryLevelFromOneTo275)
{
    EXPECT_EQ(levelXp::experience(1), 0.0);
    EXPECT_EQ(levelXp::experience(2), 1000.0);
    EXPECT_EQ(levelXp::experience(50), 4902151.0);
    EXPECT_EQ(levelXp::experience(200), 971641234.0);
    EXPECT_EQ(levelXp::experience(241), 2018073983.0);
    EXPECT_EQ(levelXp::experience(275), 3390451401.0);
    EXPECT_FALSE(levelXp::experience(0));
    EXPECT_FALSE(levelXp::experience(276));
    EXPECT_FALSE(levelXp::experience(-1));
    // Experience grows with every level.
    for (int level = 2; level <= 275; ++level)
        EXPECT_GT(*levelXp::experience(level), *levelXp::experience(level - 1)) << level;
    // Rows of ten stay in step: a few values from the middle of their rows.
    EXPECT_EQ(levelXp::experience(99), 63754254.0);
    EXPECT_EQ(levelXp::experience(137), 222722504.0);
    EXPECT_EQ(levelXp::experience(264), 2887404753.0);
}

TEST(LevelXp, SharesRoundToFourPlacesForTheLevelAndThreeForTheReward)
{
    using levelXp::recompute;
    struct Case {
        int box;
        const char *level, *reward, *experience, *percent;
    } cases[] = {
        {0, "200", "291492370", "971641234", "30%"},
        {1, "50", "1500000", "4902151", "30.6%"},
        {0, "50", "1500000", "4902151", "30.6%"},
        {1, "50", "1234567", "4902151", "25.2%"},
        {0, "50", "1234567", "4902151", "25.18%"},
        {0, "2", "1000", "1000", "100%"},
        {0, "2", "1001", "1000", ">100%"},
        {1, "2", "1000.4", "1000", "100%"},   // 1.0004 rounds to 1 at three places
        {0, "2", "1000.4", "1000", ">100%"},  // but not at four
        {0, "2", "10", "1000", "1%"},
        {0, "2", "9.99", "1000", "1%"},       // 0.00999 is 0.0100 at four places
        {1, "2", "9.99", "1000", "1%"},
        {1, "2", "9.4", "1000", "<1%"},
        {0, "2", "0.25", "1000", "<1%"},
        {0, "2", "-500", "1000", "<1%"},
        {1, "2", "12.5", "1000", "1.2%"},     // 0.0125: the half goes to the even 0.012
        {1, "2", "13.5", "1000", "1.4%"},
        {0, " 275 ", "3390451401", "3390451401", "100%"},
        {0, "274.5", "1", "3342189670", "<1%"}, // read as 274
    };
    for (const Case &c : cases) {
        const auto out = recompute(c.box, c.level, c.reward);
        EXPECT_EQ(out.experience, c.experience) << c.level << " " << c.reward;
        EXPECT_EQ(out.percent, c.percent) << c.level << " " << c.reward << " box " << c.box;
    }
}

TEST(LevelXp, BadInputsStopSilently)
{
    using levelXp::recompute;
    // No level: nothing written.
    for (const char *level : {"0", "276", "-1", "", "abc", "32768", "1,0", "50x"}) {
        const auto out = recompute(0, level, "1000");
        EXPECT_FALSE(out.experience) << level;
        EXPECT_FALSE(out.percent) << level;
    }
    // Level 1 needs no experience: box 2 is written, the division is not made.
    auto out = recompute(0, "1", "1000");
    EXPECT_EQ(out.experience, "0");
    EXPECT_FALSE(out.percent);
    // A reward that is not a number stops after box 2.
    for (const char *reward : {"", "abc", "1e6", "1 000"}) {
        out = recompute(1, "200", reward);
        EXPECT_EQ(out.experience, "971641234") << reward;
        EXPECT_FALSE(out.percent) << reward;
    }
    // Changes of boxes 2 and 3 recompute nothing.
    for (int box : {2, 3}) {
        out = recompute(box, "200", "1000");
        EXPECT_FALSE(out.experience);
        EXPECT_FALSE(out.percent);
    }
}

TEST(LevelXp, CommasPercentTextAndArrowSteps)
{
    EXPECT_EQ(levelXp::withoutCommas("1,500,000"), "1500000");
    EXPECT_EQ(levelXp::withoutCommas(",,"), "");
    EXPECT_EQ(levelXp::withoutCommas("1.5"), "1.5");

    EXPECT_EQ(levelXp::percentText(1.0f), "1%");
    EXPECT_EQ(levelXp::percentText(100.0f), "100%");
    EXPECT_EQ(levelXp::percentText(std::nextafter(100.0f, 200.0f)), ">100%");
    EXPECT_EQ(levelXp::percentText(std::nextafter(1.0f, 0.0f)), "<1%");
    EXPECT_EQ(levelXp::percentText(float(0.7421 * 100.0)), "74.21%"); // never 74.20999...
    EXPECT_EQ(levelXp::percentText(float(0.3333 * 100.0)), "33.33%");

    struct Step {
        const char *level;
        bool up;
        std::optional<QString> result;
    } steps[] = {
        {"200", true, "201"}, {"200", false, "199"}, {"275", true, std::nullopt}, {"274", true, "275"},
        {"1", false, std::nullopt}, {"2", false, "1"}, {"0", true, "1"}, {"300", false, "299"},
        {"300", true, std::nullopt}, {"", true, std::nullopt}, {"abc", false, std::nullopt},
        {" 7.5 ", true, "9"},
    };
    for (const Step &s : steps)
        EXPECT_EQ(levelXp::stepLevel(s.level, s.up), s.result) << s.level << (s.up ? " up" : " down");
}

} // namespace
