// The expanded clipboard without its widgets: captions, the settings values the load
// restores from, and the slot text files.

#include "testsupport.h"
#include "wikitext/clipboardslots.h"

#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using namespace clipboardSlots;

TEST(ClipboardSlots, CaptionsAndWhatAKeyValueRestores)
{
    EXPECT_EQ(caption(QStringLiteral("abcdef")), QStringLiteral("abcdef"));
    EXPECT_EQ(caption(QStringLiteral("abcdefg")), QStringLiteral("abcdef..."));
    // The sixth unit opens a surrogate pair: the pair is left out whole.
    EXPECT_EQ(caption(QStringLiteral("abcde") + QString::fromUcs4(U"\U0001F600")), QStringLiteral("abcde..."));

    EXPECT_EQ(restoreFrom(QStringLiteral("notes.txt")), SlotFile::Text);
    EXPECT_EQ(restoreFrom(QStringLiteral("a.bmp")), SlotFile::Bitmap);
    for (const char *none : {"txt", ".txt", "3.png", "3.txt.old"})
        EXPECT_EQ(restoreFrom(QString::fromLatin1(none)), SlotFile::None) << none;
    EXPECT_EQ(fileName(2, SlotFile::Text), QStringLiteral("2.txt"));
    EXPECT_EQ(fileName(8, SlotFile::Bitmap), QStringLiteral("8.bmp"));
}

TEST(ClipboardSlots, TextsComeBackFromTheirFilesExactly)
{
    testsupport::ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Templates/3.txt"));
    for (const QString &text : {QString(), QStringLiteral("one\r\ntwo\r\n\r\nthree"), QStringLiteral("ends\r\n"),
                                QStringLiteral("lf\nstays\n"), QStringLiteral("Gr\u00fc\u00dfe")}) {
        ASSERT_TRUE(writeText(path, text));
        EXPECT_EQ(folder.read(QStringLiteral("Templates/3.txt")), text.toUtf8() + "\r\n");
        EXPECT_EQ(readText(path), text);
    }
    // Files made elsewhere: a lone CR ends a line too; an older system's bytes are Latin-1.
    EXPECT_EQ(joinLines(QStringLiteral("a\rb\r")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(joinLines(QStringLiteral("a\r\r\n")), QStringLiteral("a\r\n"));
    folder.write(QStringLiteral("Templates/1.txt"), "caf\xe9\r\n");
    EXPECT_EQ(readText(folder.file(QStringLiteral("Templates/1.txt"))), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(readText(folder.file(QStringLiteral("Templates/2.txt"))), std::nullopt);
}

} // namespace
