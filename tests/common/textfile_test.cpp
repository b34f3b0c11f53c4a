#include "common/textfile.h"
#include "common/textutil.h"

#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace textFiles;
using namespace textRules;

TEST(TextUtil, TrimBlanksAndLeftChars)
{
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("\t a \t"), "\t a \t");
    EXPECT_EQ(trimBlanks(" \r\n"), "\r\n");
    EXPECT_EQ(trimBlanks("     "), "");
    EXPECT_EQ(trimBlanks(""), "");

    const QString emoji = QStringLiteral("\U0001F600");
    EXPECT_EQ(leftChars("abc" + emoji, 4), "abc");
    EXPECT_EQ(leftChars("abc" + emoji, 5), "abc" + emoji);
    EXPECT_EQ(leftChars(emoji + emoji, 3), emoji);
    EXPECT_EQ(leftChars(emoji, 1), "");
    EXPECT_EQ(leftChars("abc", 10), "abc");
    EXPECT_EQ(leftChars("abc", 0), "");
    EXPECT_EQ(leftChars("abc", -1), "");

    EXPECT_TRUE(isDigit(u'0'));
    EXPECT_TRUE(isDigit(u'9'));
    EXPECT_FALSE(isDigit(QChar(0x0663)));
    EXPECT_FALSE(isDigit(u'/'));
}

TEST(TextFile, DecodesUtf8ElseLatin1)
{
    EXPECT_EQ(decodeText("caf\xC3\xA9"), QStringLiteral("café"));
    EXPECT_EQ(decodeText("\xEF\xBB\xBF" "abc"), "abc");
    EXPECT_EQ(decodeText("caf\xE9"), QStringLiteral("café"));
    // A truncated sequence at the very end is not UTF-8 either.
    EXPECT_EQ(decodeText("abc\xC3"), QStringLiteral("abc\u00C3"));
    // Overlong and surrogate encodings are invalid UTF-8.
    EXPECT_EQ(decodeText("\xC0\xAF"), QStringLiteral("\u00C0\u00AF"));
    EXPECT_EQ(decodeText("\xED\xA0\x80").size(), 3);
    EXPECT_EQ(decodeText(QByteArray("a\0b", 3)), QString(QStringLiteral("a")) + QChar(0) + u'b');
    EXPECT_EQ(decodeText(""), "");
}

TEST(TextFile, SplitLinesEndsAtCrLfOrLoneCrOnly)
{
    EXPECT_EQ(splitLines(""), QStringList{""});
    EXPECT_EQ(splitLines("a"), QStringList{"a"});
    EXPECT_EQ(splitLines("a\r\nb"), (QStringList{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(splitLines("a\rb"), (QStringList{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb"), QStringList{"a\nb"});
    EXPECT_EQ(splitLines("\r\n\r\n"), (QStringList{"", "", ""}));
    EXPECT_EQ(splitLines("a\r\r\nb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\n\rb"), (QStringList{"a\n", "b"}));

    EXPECT_EQ(normaliseLineEnds("a\nb\r\nc"), "a\r\nb\r\nc");
    EXPECT_EQ(normaliseLineEnds("a\r\n\n"), "a\r\n\r\n");
    EXPECT_EQ(normaliseLineEnds("a\rb"), "a\rb");
    EXPECT_EQ(normaliseLineEnds(""), "");
    EXPECT_EQ(normaliseLineEnds("\n\n"), "\r\n\r\n");
    EXPECT_EQ(normaliseLineEnds("a\r\r\n"), "a\r\r\n");
}

TEST(TextUtil, ReplaceAllGoesLeftToRightWithoutOverlaps)
{
    EXPECT_EQ(replaceAll("A, B, C", u", ", u"]], [["), "A]], [[B]], [[C");
    EXPECT_EQ(replaceAll("aaa", u"aa", u"b"), "ba");
    EXPECT_EQ(replaceAll("a\r\nb\r\n", u"\r\n", u"\n"), "a\nb\n");
    EXPECT_EQ(replaceAll("abc", u"x", u"y"), "abc");
    EXPECT_EQ(replaceAll("abc", u"", u"y"), "abc");
    EXPECT_EQ(replaceAll("", u"a", u"b"), "");
    EXPECT_EQ(replaceAll("ab", u"abc", u"x"), "ab");
    EXPECT_EQ(replaceAll("xax", u"x", u""), "a");

    // Tens of megabytes in well under a second: the shared helper must stay one pass.
    QString big;
    for (int i = 0; i < 2'000'000; ++i)
        big += QStringLiteral("line, ");
    const QString out = replaceAll(big, u", ", u"\r\n");
    EXPECT_EQ(out.size(), big.size());
    EXPECT_TRUE(out.startsWith(QStringLiteral("line\r\nline\r\n")));
}

TEST(TextFile, AtomicWritesAndReads)
{
    testsupport::ProgramFolder folder;
    const QString path = folder.file("t.txt");
    EXPECT_TRUE(writeTextFileAtomic(path, QStringLiteral("Zoë\r\n")));
    EXPECT_EQ(folder.read("t.txt"), "Zo\xC3\xAB\r\n");
    EXPECT_EQ(readTextFile(path), QStringLiteral("Zoë\r\n"));
    folder.write("latin.txt", "caf\xE9");
    EXPECT_EQ(readTextFile(folder.file("latin.txt")), QStringLiteral("café"));
    EXPECT_FALSE(readTextFile(folder.file("none.txt")).has_value());
    EXPECT_FALSE(readTextFile(folder.file("Templates")).has_value());

    // Writes that cannot succeed leave whatever stands there alone.
    EXPECT_FALSE(writeFileAtomic(folder.file("missing/t.txt"), "x"));
    EXPECT_FALSE(QFileInfo::exists(folder.file("missing")));
    EXPECT_FALSE(writeFileAtomic(folder.file("Templates"), "x"));
    EXPECT_TRUE(QFileInfo(folder.file("Templates")).isDir());
    EXPECT_FALSE(writeFileAtomic(folder.file("t.txt/inner"), "x"));
    EXPECT_EQ(folder.read("t.txt"), "Zo\xC3\xAB\r\n");

    EXPECT_TRUE(writeFileAtomic(path, QByteArray()));
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(QFileInfo(path).size(), 0);
}
