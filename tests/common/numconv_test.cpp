#include "common/numconv.h"

#include <gtest/gtest.h>

#include <cfenv>

using namespace numbers;

TEST(NumberReading, AcceptsBlanksSignAndPointOnly)
{
    EXPECT_EQ(toNumber("42"), 42.0);
    EXPECT_EQ(toNumber("  -3.25  "), -3.25);
    EXPECT_EQ(toNumber("+7"), 7.0);
    EXPECT_EQ(toNumber("5."), 5.0);
    EXPECT_EQ(toNumber(".5"), 0.5);
    EXPECT_EQ(toNumber("007"), 7.0);

    for (const char *bad : {"", "   ", "-", "+", ".", "1e5", "1E5", "0x10", "1,5", "1.2.3", "+-1", "1 000", "\t1",
                            "1\t", "12abc", "abc", "inf", "nan", "--1"}) {
        EXPECT_FALSE(toNumber(bad).has_value()) << bad;
        EXPECT_FALSE(toSingle(bad).has_value()) << bad;
        EXPECT_FALSE(toInt16(bad).has_value()) << bad;
    }
    // Arabic-Indic and full-width digits are digits to Unicode but not to us.
    EXPECT_FALSE(toNumber(QStringLiteral("\u0663")).has_value());
    EXPECT_FALSE(toNumber(QStringLiteral("\uFF11\uFF12")).has_value());
    EXPECT_FALSE(toInt16(QStringLiteral("1\uFF12")).has_value());
}

TEST(NumberReading, SingleIsParsedInSinglePrecision)
{
    const auto value = toSingle("74.21");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, 74.21f);
    EXPECT_EQ(formatSingle(*value), "74.21");
    EXPECT_EQ(toSingle(" -0.1 "), -0.1f);
}

TEST(NumberReading, Int16RoundsHalvesToEvenWithinRange)
{
    EXPECT_EQ(toInt16("2.5"), qint16(2));
    EXPECT_EQ(toInt16("3.5"), qint16(4));
    EXPECT_EQ(toInt16("-2.5"), qint16(-2));
    EXPECT_EQ(toInt16("2.51"), qint16(3));
    EXPECT_EQ(toInt16(" 120 "), qint16(120));
    EXPECT_EQ(toInt16("32767"), qint16(32767));
    EXPECT_EQ(toInt16("-32768"), qint16(-32768));
    EXPECT_EQ(toInt16("32767.4"), qint16(32767));
    EXPECT_EQ(toInt16("-32768.5"), qint16(-32768)); // the even neighbour is in range
    EXPECT_FALSE(toInt16("32767.5").has_value());
    EXPECT_FALSE(toInt16("32768").has_value());
    EXPECT_FALSE(toInt16("-32769").has_value());
    EXPECT_FALSE(toInt16("99999999999999999999999").has_value());
}

TEST(Rounding, HalvesGoToTheEvenNeighbourWhateverTheMode)
{
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(-1.5), -2.0);
    EXPECT_EQ(roundHalfEven(2.5f), 2.0f);
    EXPECT_EQ(roundHalfEven(127.5f), 128.0f);

    // A library that changed the rounding mode must not change our results.
    const int mode = std::fegetround();
    std::fesetround(FE_UPWARD);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(2.4f), 2.0f);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(mode);
}

TEST(NumberPrinting, ShortestSingleAnd15DigitDouble)
{
    EXPECT_EQ(formatSingle(74.21f), "74.21");
    EXPECT_EQ(formatSingle(0.1f), "0.1");
    EXPECT_EQ(formatSingle(-3.0f), "-3");
    EXPECT_EQ(formatSingle(128.0f), "128");

    EXPECT_EQ(formatDouble(74.21), "74.21");
    EXPECT_EQ(formatDouble(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(formatDouble(100.0), "100");
    EXPECT_EQ(formatDouble(-0.5), "-0.5");
    EXPECT_EQ(formatDouble(double(74.21f)), "74.2099990844727");
    EXPECT_EQ(formatDouble(1e16), "1e+16");
}
