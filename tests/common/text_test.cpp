#include "common/numbers.h"
#include "common/textfile.h"
#include "common/textrules.h"
#include "support.h"

#include <cfenv>

using namespace numbers;
using namespace textFiles;
using namespace textRules;

TEST(NumberReading, BlanksSignAndPointOnlyWithTheSameRulesInEveryConverter)
{
    const std::tuple<const char *, std::optional<double>, std::optional<qint16>> cases[]
        = {{"42", 42, 42}, {"  -3.25  ", -3.25, -3}, {"+7", 7, 7}, {"5.", 5, 5}, {".5", 0.5, 0}, {"007", 7, 7},
            {"2.5", 2.5, 2}, {"3.5", 3.5, 4}, {"-2.5", -2.5, -2}, {"2.51", 2.51, 3}, {"32767.4", 32767.4, 32767},
            {"-32768.5", -32768.5, -32768}, // the even neighbour is in range
            {"32767.5", 32767.5, {}}, {"32768", 32768, {}}, {"-32769", -32769, {}}};
    for (const auto &[text, number, int16] : cases) {
        EXPECT_EQ(toNumber(text), number) << text;
        EXPECT_EQ(toInt16(text), int16) << text;
    }
    EXPECT_FALSE(toInt16("99999999999999999999999"));
    for (const char *bad : {"", "   ", "-", "+", ".", "1e5", "0x10", "1,5", "1.2.3", "+-1", "1 000", "\t1", "1\t",
             "12abc", "inf", "nan", "--1"}) {
        EXPECT_FALSE(toNumber(bad)) << bad;
        EXPECT_FALSE(toSingle(bad)) << bad;
        EXPECT_FALSE(toInt16(bad)) << bad;
    }
    // Arabic-Indic and full-width digits are digits to Unicode, not to us.
    for (const QString &bad : {QStringLiteral("\u0663"), QStringLiteral("1\uFF12")}) {
        EXPECT_FALSE(toNumber(bad));
        EXPECT_FALSE(toInt16(bad));
    }
    EXPECT_EQ(toSingle(" 74.21 "), 74.21f); // in single precision, not a double narrowed
    EXPECT_EQ(toSingle("-0.1"), -0.1f);
}

TEST(NumberRounding, HalvesGoToTheEvenNeighbourWhateverTheMode)
{
    const int mode = std::fegetround();
    std::fesetround(FE_UPWARD); // a library that changed it must not change our results
    for (const auto &[value, even] : {std::pair{0.5, 0.0}, {1.5, 2.0}, {-1.5, -2.0}, {2.5, 2.0}, {2.4, 2.0}}) {
        EXPECT_EQ(roundHalfEven(value), even) << value;
        EXPECT_EQ(roundHalfEven(float(value)), float(even)) << value;
    }
    EXPECT_EQ(roundHalfEven(127.5f), 128.0f);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(mode);
}

TEST(NumberPrinting, ShortestSingleAndFifteenDigitDouble)
{
    for (const auto &[value, text] : {std::pair{74.21f, "74.21"}, {0.1f, "0.1"}, {-3.0f, "-3"}, {128.0f, "128"}})
        EXPECT_EQ(formatSingle(value), text);
    for (const auto &[value, text] : {std::pair{74.21, "74.21"}, {1.0 / 3.0, "0.333333333333333"}, {100.0, "100"},
             {-0.5, "-0.5"}, {double(74.21f), "74.2099990844727"}, {1e16, "1e+16"}})
        EXPECT_EQ(formatDouble(value), text);
}

TEST(TextRules, TrimBlanksLeftCharsAndDigits)
{
    for (const auto &[text, trimmed] :
        {std::pair{"  a b  ", "a b"}, {"\t a \t", "\t a \t"}, {" \r\n", "\r\n"}, {"     ", ""}, {"", ""}}) {
        const QString t = QString::fromLatin1(text);
        EXPECT_EQ(trimBlanks(t), trimmed) << text;
        EXPECT_EQ(trimBlanks(QStringView(t)).size(), qstrlen(trimmed)) << text;
    }
    // Never cut inside a surrogate pair.
    const QString emoji = QStringLiteral("\U0001F600");
    const std::tuple<QString, qsizetype, QString> lefts[]
        = {{"abc" + emoji, 4, "abc"}, {"abc" + emoji, 5, "abc" + emoji}, {emoji + emoji, 3, emoji}, {emoji, 1, ""},
            {"abc", 10, "abc"}, {"abc", 3, "abc"}, {"abc", 0, ""}, {"abc", -1, ""}};
    for (const auto &[text, n, left] : lefts)
        EXPECT_EQ(leftChars(text, n), left) << n;
    EXPECT_TRUE(isDigit(u'0') && isDigit(u'9'));
    EXPECT_FALSE(isDigit(QChar(0x0663)) || isDigit(u'/') || isDigit(u':'));
}

TEST(TextRules, ReplaceAllGoesLeftToRightWithoutOverlaps)
{
    const std::tuple<const char *, const char *, const char *, const char *> cases[]
        = {{"A, B, C", ", ", "]], [[", "A]], [[B]], [[C"}, {"aaa", "aa", "b", "ba"},
            {"a\r\nb\r\n", "\r\n", "\n", "a\nb\n"}, {"abc", "x", "y", "abc"}, {"abc", "", "y", "abc"},
            {"", "a", "b", ""}, {"ab", "abc", "x", "ab"}, {"xax", "x", "", "a"}, {"abcab", "ab", "ABC", "ABCcABC"}};
    for (const auto &[text, from, to, result] : cases)
        EXPECT_EQ(replaceAll(QString::fromLatin1(text), QString::fromLatin1(from), QString::fromLatin1(to)), result)
            << text;
}

TEST(TextFiles, DecodesUtf8ElseLatin1)
{
    const std::tuple<QByteArray, QString> cases[]
        = {{"caf\xC3\xA9", QStringLiteral("café")}, {"\xEF\xBB\xBFxyz", "xyz"},
            // Of two marks the decoder drops one, decodeText the other.
            {"\xEF\xBB\xBF\xEF\xBB\xBFxyz", "xyz"}, {"caf\xE9", QStringLiteral("café")},
            {"abc\xC3", QStringLiteral("abc\u00C3")}, // cut short at the very end: not UTF-8 either
            {"\xC0\xAF", QStringLiteral("\u00C0\u00AF")}, {"\xED\xA0\x80", QStringLiteral("\u00ED\u00A0\u0080")},
            {QByteArray("a\0b", 3), QString(QStringLiteral("a")) + QChar(0) + u'b'}, {"", ""}};
    for (const auto &[bytes, text] : cases)
        EXPECT_EQ(decodeText(bytes), text) << bytes.toHex().toStdString();
}

TEST(TextFiles, LinesEndAtCrLfOrALoneCrAndLfOnlyWhenAsked)
{
    const std::tuple<const char *, QStringList, QStringList> cases[]
        = {{"", {""}, {""}}, {"a", {"a"}, {"a"}}, {"a\r\nb", {"a", "b"}, {"a", "b"}}, {"a\r\n", {"a", ""}, {"a", ""}},
            {"a\rb", {"a", "b"}, {"a", "b"}}, {"a\nb", {"a\nb"}, {"a", "b"}}, {"\r\n\r\n", {"", "", ""}, {"", "", ""}},
            {"a\r\r\nb", {"a", "", "b"}, {"a", "", "b"}}, {"a\n\rb", {"a\n", "b"}, {"a", "", "b"}}};
    for (const auto &[text, lines, lfEnds] : cases) {
        EXPECT_EQ(splitLines(text), lines) << text;
        EXPECT_EQ(splitLines(text, LoneLf::EndsLine), lfEnds) << text;
    }
    // A view that ends in a CR whose LF lies beyond it.
    EXPECT_EQ(splitLineViews(QStringView(u"a\r\n").first(2)), QList<QStringView>({u"a", u""}));
    for (const auto &[text, normal] : {std::pair{"a\nb\r\nc\nd", "a\r\nb\r\nc\r\nd"}, {"a\r\n\n", "a\r\n\r\n"},
             {"a\rb", "a\rb"}, {"", ""}, {"\n\n", "\r\n\r\n"}, {"a\r\r\n", "a\r\r\n"}})
        EXPECT_EQ(normaliseLineEnds(text), normal) << text;
}
