// What the user reads about a file name the system or the wiki refuses, and about a file
// that could not be read or written.

#include "app/saving/namemessages.h"
#include "app/saving/problemwords.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(NameMessages, NameTheRuleWhatBreaksItAndTheNameOffered)
{
    const auto windows = [](const QString &name, qsizetype folder = 0) {
        return NameMessages::windows(name, capture::windowsNames::check(name, folder));
    };
    EXPECT_EQ(windows("CON.png"),
        "\"CON.png\" cannot be saved: \"CON\" is the name of a device on Windows. Use \"CON_.png\" instead?");
    EXPECT_EQ(windows("Sword.png", 258), "\"Sword.png\" cannot be saved: the whole path would be 267 characters, "
                                         "more than the 259 Windows takes. Choose a shorter folder or name.");
    EXPECT_TRUE(windows("Plain.png").isEmpty());

    const auto forWiki = [](const QString &name) { return NameMessages::wiki(name, wiki::names::check(name)); };
    EXPECT_EQ(forWiki("Hash#tag.png"), "The file name \"Hash#tag.png\" contains \"#\", a character the wiki does not "
                                       "allow in file names.\n\nUse \"Hash-tag.png\" instead?");
    EXPECT_TRUE(forWiki("sword|bow.png").endsWith("\n\nThe wiki shows every file name with a capital first letter."));
    EXPECT_TRUE(forWiki("Tab\tx.png").contains("(U+0009)"));
    EXPECT_EQ(forWiki(".png"), "The file name \".png\" has no name before its extension.");
    EXPECT_TRUE(forWiki(QString(241, u'x') + ".png").contains(" is 245 bytes long in UTF-8; the wiki allows 240."));
    EXPECT_TRUE(forWiki("Plain.png").isEmpty());
}

TEST(ProblemWords, EachProblemHasASentenceOfItsOwnWithWhatTheSystemSaid)
{
    using Code = FileProblem::Code;
    const std::pair<FileProblem, QString> told[] = {
        {{Code::CannotWrite, "No space left on device"}, "cannot write the file: No space left on device"},
        {{Code::JpegSaveFailed, "-28"}, "Failed to save to JPG -28"},
        {{Code::SeparatorInPrefix, "\\"}, "the prefix may not contain \"\\\""},
        {{Code::SeparatorInName, QString(QChar(u'\0'))}, "the name may not contain a NUL character"},
        {{Code::ReaderSays, "Unsupported image format"}, "Unsupported image format"},
        {{Code::ReaderSays, ""}, "the file could not be read or written"},
        {{}, ""},
    };
    for (const auto &[problem, words] : told)
        EXPECT_EQ(problemWords::describe(problem), words) << int(problem.code);

    QSet<QString> sentences;
    for (int code = int(Code::Unknown); code <= int(Code::SeparatorInSuffix); ++code)
        sentences.insert(problemWords::describe({Code(code), "x"}));
    EXPECT_EQ(sentences.size(), int(Code::SeparatorInSuffix));
}

} // namespace
