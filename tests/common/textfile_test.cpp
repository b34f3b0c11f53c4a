#include "common/textfile.h"
#include "common/textutil.h"

#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace modVandrel;

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
