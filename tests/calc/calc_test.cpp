#include "calc/buffedarmor.h"
#include "calc/levelxp.h"
#include "support.h"

#include <cmath>

using buffedArmor::Inputs;
using buffedArmor::Results;

namespace {

Inputs armor(const char *spell, const char *base, const char *rows = "200", int itemSpellRow = -1)
{
    Inputs in;
    in.texts.fill(QString::fromLatin1(rows));
    in.texts[0] = QString::fromLatin1(spell);
    in.texts[1] = QString::fromLatin1(base);
    if (itemSpellRow >= 0)
        in.itemSpell[size_t(itemSpellRow)] = true;
    return in;
}

Results startLabels()
{
    Results r;
    r.fill(QStringLiteral("420"));
    r[1].clear();
    return r;
}

} // namespace

TEST(BuffedArmor, ARowScalesWithTheBuffedLevelOrDoublesUnderAnItemSpellWithin16Bits)
{
    // Box 3 changed: its row alone, rounded half to even; "" where the recompute stops.
    const std::tuple<const char *, const char *, const char *, int, const char *> cases[] = {
        {"220", "200", "160", -1, "336"}, {"220", "200", "160", 3, "840"}, {"-1", "2", "1", -1, "0"}, // 0.5
        {"-1", "2", "5", -1, "2"}, {"-1", "2", "7", -1, "4"}, {"-1", "2", "-5", -1, "-2"}, {"1", "4", "1", -1, "1"},
        {"0", "3", "1", -1, "1"}, {"100", "3", "2", -1, "69"}, {"-200", "200", "1", -1, "0"},
        {"32766", "1", "1", -1, "32767"}, {"-32767", "-1", "-1", -1, "-32768"}, {"16000", "383", "1", 3, "32766"},
        {"-16000", "-384", "1", 3, "-32768"}, {"32766", "1", "2", -1, ""}, {"16000", "384", "1", 3, ""},
        {"30000", "1", "2", -1, ""}, {"50", "0", "7", -1, ""}, // base 0
        {"50", "0", "7", 3, "100"}, {"", "200", "200", -1, ""}, {"220", "abc", "200", -1, ""},
        {"220", "200", "1,5", -1, ""}, {"32768", "200", "200", -1, ""}, {"220", "-32769", "200", -1, ""},
        {"32767", "1", "200", -1, ""}, {"-32768", "-1", "200", -1, ""}, {"220", "200", "x", 3, ""} // read even so
    };
    for (const auto &[spell, base, value, itemSpellRow, result] : cases) {
        Results r = startLabels();
        EXPECT_EQ(buffedArmor::recompute(3, armor(spell, base, value, itemSpellRow), r), *result != 0)
            << spell << "+" << base << " value " << value;
        Results expected = startLabels();
        if (*result)
            expected[3] = QString::fromLatin1(result);
        EXPECT_EQ(r, expected) << spell << "+" << base << " value " << value;
    }
}

TEST(BuffedArmor, ASpellOrBaseChangeRecomputesTheLevelAndEveryRowUntilOneStops)
{
    Inputs in = armor("100", "200", "200", 8);
    in.texts[5] = "-50";
    Results r = startLabels();
    ASSERT_TRUE(buffedArmor::recompute(0, in, r));
    EXPECT_EQ(r, (Results{"300", "", "300", "300", "300", "-75", "300", "300", "600"}));
    in.texts[6] = "";
    r = startLabels();
    EXPECT_FALSE(buffedArmor::recompute(1, in, r));
    EXPECT_EQ(r, (Results{"300", "", "300", "300", "300", "-75", "420", "420", "420"}));
    r = startLabels();
    EXPECT_FALSE(buffedArmor::recompute(1, armor("32767", "0"), r)); // the level is written, the rows stop
    EXPECT_EQ(r[0], "32767");
    for (const int box : {9, -1, 6}) { // outside the boxes, or the changed box unreadable
        r = startLabels();
        EXPECT_FALSE(buffedArmor::recompute(box, in, r)) << box;
        EXPECT_EQ(r, startLabels());
    }
}

TEST(BuffedArmor, RatingsAreInclusiveSinglePrecisionBoundsAndTheWikiCodeCopiesTheBoxes)
{
    const std::pair<float, const char *> ratings[] = {{0.0f, "Poor"}, {0.3999f, "Poor"}, {0.4f, "Below Average"},
        {0.7999f, "Below Average"}, {0.8f, "Average"}, {1.1999f, "Average"}, {1.2f, "Above Average"},
        {1.5999f, "Above Average"}, {1.6f, "Excellent"}, {1.9999f, "Excellent"}, {2.0f, "Unparalleled"},
        {INFINITY, "Unparalleled"}, {-0.0001f, ""}, {0.39995f, ""}, {1.19995f, ""}, {1.99995f, ""}, {NAN, ""}};
    for (const auto &[ratio, word] : ratings)
        EXPECT_EQ(buffedArmor::rating(ratio), word) << ratio;
    // Texts as typed, ratings per row (160 / 200 is the 0.8 bound in float, a hair below in
    // double), labels as they stand even when stale.
    Inputs in = armor("220", " 200");
    const char *rows[] = {"0", "400", "-1", "+079", "120.4", "240", "160"};
    for (int row = 2; row < 9; ++row)
        in.texts[size_t(row)] = QString::fromLatin1(rows[row - 2]);
    Results r = startLabels();
    r[8] = "stale";
    const QStringList lines = buffedArmor::wikiCode(in, r).value_or(QString()).split("\r\n");
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(QStringList({lines[0], lines[8], lines[16]}), // the "=" signs line up, a blank line parts the halves
        QStringList({" |        Armor Level =  200", "", " | Buffed Electric AL = stale"}));
    QStringList values;
    for (const QString &line : lines)
        values.append(line.section(" = ", 1));
    EXPECT_EQ(values.join(u'|'),
        " 200|Poor (0)|Unparalleled (400)| (-1)|Poor (+079)|Below Average (120.4)|Above Average (240)|"
        "Average (160)||420|420|420|420|420|420|420|stale");
    for (auto [box, text] : {std::pair{1, "0"}, {1, ""}, {0, "x"}, {0, "32767"}, {5, ""}, {8, "40000"}}) {
        Inputs bad = armor("220", "200");
        bad.texts[size_t(box)] = QString::fromLatin1(text);
        EXPECT_FALSE(buffedArmor::wikiCode(bad, startLabels())) << box << " " << text;
    }
}

TEST(LevelXp, TheTableSharesRoundingAndBadInputs)
{
    for (const auto &[level, xp] : {std::pair{1, 0.0}, {2, 1000.0}, {50, 4902151.0}, {99, 63754254.0},
             {137, 222722504.0}, {200, 971641234.0}, {264, 2887404753.0}, {275, 3390451401.0}})
        EXPECT_EQ(levelXp::experience(level), xp) << level;
    for (const int level : {0, 276, -1})
        EXPECT_FALSE(levelXp::experience(level)) << level;
    for (int level = 2; level <= 275; ++level)
        EXPECT_GT(*levelXp::experience(level), *levelXp::experience(level - 1)) << level;
    // A change of the level rounds to four places, one of the reward to three.
    const std::tuple<int, const char *, const char *, std::optional<QString>, std::optional<QString>> cases[]
        = {{0, "200", "291492370", "971641234", "30%"}, {1, "50", "1500000", "4902151", "30.6%"},
            {0, "50", "1234567", "4902151", "25.18%"}, {1, "50", "1234567", "4902151", "25.2%"},
            {0, "2", "1000", "1000", "100%"}, {0, "2", "1001", "1000", ">100%"}, {1, "2", "1000.4", "1000", "100%"},
            {0, "2", "1000.4", "1000", ">100%"}, {0, "2", "9.99", "1000", "1%"}, {1, "2", "9.4", "1000", "<1%"},
            {0, "2", "-500", "1000", "<1%"}, {1, "2", "12.5", "1000", "1.2%"}, // the half to the even 0.012
            {1, "2", "13.5", "1000", "1.4%"}, {0, " 275 ", "3390451401", "3390451401", "100%"},
            {0, "274.5", "1", "3342189670", "<1%"}, {0, "1", "1000", "0", {}}, // nothing to divide by
            {1, "200", "", "971641234", {}}, {1, "200", "1e6", "971641234", {}}, {2, "200", "1000", {}, {}},
            {3, "200", "1000", {}, {}}};
    for (const auto &[box, level, reward, experience, percent] : cases) {
        const auto out = levelXp::recompute(box, level, reward);
        EXPECT_EQ(out.experience, experience) << box << " " << level << " " << reward;
        EXPECT_EQ(out.percent, percent) << box << " " << level << " " << reward;
    }
    // A number that is no level empties boxes 2 and 3, whichever box changed; text leaves them.
    for (const auto &[level, outOfRange] : {std::pair{"0", true}, {"276", true}, {"999", true}, {"-1", true},
             {"32768", true}, {"", false}, {"abc", false}, {"1,0", false}, {"50x", false}})
        for (const int box : {0, 1}) {
            const auto out = levelXp::recompute(box, level, "1000");
            const std::optional<QString> shown = outOfRange ? std::optional(QString()) : std::nullopt;
            EXPECT_EQ(std::tuple(out.experience, out.percent, out.levelOutOfRange), std::tuple(shown, shown, outOfRange))
                << level << " " << box;
        }
}

TEST(LevelXp, CommasPercentTextAndArrowSteps)
{
    for (const auto &[typed, plain] : {std::pair{"1,500,000", "1500000"}, {",,", ""}, {"1.5", "1.5"}})
        EXPECT_EQ(levelXp::withoutCommas(typed), plain);
    const std::pair<float, const char *> percents[] = {{1.0f, "1%"}, {100.0f, "100%"},
        {std::nextafter(100.0f, 200.0f), ">100%"}, {std::nextafter(1.0f, 0.0f), "<1%"},
        {float(0.7421 * 100.0), "74.21%"}, {float(0.3333 * 100.0), "33.33%"}}; // never 74.20999...
    for (const auto &[percent, text] : percents)
        EXPECT_EQ(levelXp::percentText(percent), text) << percent;
    const std::tuple<const char *, bool, std::optional<QString>> steps[] = {{"200", true, "201"}, {"200", false, "199"},
        {"275", true, {}}, {"274", true, "275"}, {"1", false, {}}, {"2", false, "1"}, {"0", true, "1"},
        {"300", false, "299"}, {"300", true, {}}, {"", true, {}}, {"abc", false, {}}, {" 7.5 ", true, "9"}};
    for (const auto &[level, up, result] : steps)
        EXPECT_EQ(levelXp::stepLevel(level, up), result) << level << (up ? " up" : " down");
}
