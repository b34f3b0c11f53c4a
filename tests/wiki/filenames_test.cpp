// File names against the wiki's rules. Where the wiki took the name (as it is or changed),
// the cleaned name is what the wiki stored, read the way the wiki shows it (blanks as "_",
// the first letter in capitals): these are the answers of a real MediaWiki 1.39 to uploads
// of these names. Where it refused the name, the cleaned name is one it takes.

#include "wiki/filenames.h"

#include <QList>
#include <gtest/gtest.h>

using namespace wiki;

namespace {

using names::Rule;

// The name as the wiki stores it: blanks as "_", the first letter in capitals.
QString asWikiStores(QString name)
{
    name.replace(u' ', u'_');
    const QList<uint> points = name.toUcs4();
    if (points.isEmpty())
        return name;
    const QString first = QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), 1);
    return first.toUpper() + name.mid(first.size());
}

TEST(WikiNames, RulesAndCleanedNamesAsTheWikiGivesThem)
{
    const QString l240 = QString(236, u'L') + ".png";
    const QString emoji59 = QString::fromUtf8("\xF0\x9F\x98\x80").repeated(59);
    const struct {
        QString name;
        Rule rule;
        QString wikiStores; // what the wiki stored, when it took the name
        QString cleaned;    // our own answer, when the wiki refused it
    } cases[] = {
        {"Two words.png", Rule::None, "Two_words.png", {}},
        {"lower case.png", Rule::None, "Lower_case.png", {}},
        {u"émile.png"_qs, Rule::None, u"Émile.png"_qs, {}},
        {u"Emoji 😀.png"_qs, Rule::None, u"Emoji_😀.png"_qs, {}},
        {"Blank before dot .png", Rule::None, "Blank_before_dot_.png", {}},
        {u"Zero\u200Bwidth.png"_qs, Rule::None, u"Zero\u200Bwidth.png"_qs, {}},
        {"Tilde~~two.png", Rule::None, "Tilde~~two.png", {}},
        {"100%.png", Rule::None, "100%.png", {}},
        {"Ends in %", Rule::None, {}, "Ends in %"}, // no extension: refused for that elsewhere
        {"Ends in %A", Rule::None, {}, "Ends in %A"},
        {"Amp & sand.png", Rule::None, "Amp_&_sand.png", {}},
        {"Name.with.dots.png", Rule::None, "Name.with.dots.png", {}},
        {"Punctuation !\"$'()*,;=?@^`+~ ok.png", Rule::None, "Punctuation_!\"$'()*,;=?@^`+~_ok.png", {}},
        {l240, Rule::None, l240, {}},
        {emoji59 + ".png", Rule::None, emoji59 + ".png", {}},
        {"../Up.png", Rule::Forbidden, "..-Up.png", {}},
        {"Back\\slash.png", Rule::Forbidden, "Back-slash.png", {}},
        {"Numeric&#65;ref.png", Rule::Forbidden, "Numeric&-65;ref.png", {}},
        {"File:Prefixed.png", Rule::Forbidden, {}, "File-Prefixed.png"}, // the wiki drops its namespace
        {"Tab\there.png", Rule::Control, "Tab-here.png", {}},
        {"Newline\nhere.png", Rule::Control, "Newline-here.png", {}},
        {"Delete\x7F" "char.png", Rule::Control, "Delete-char.png", {}},
        {"Ctrl\x01" "char.png", Rule::Control, {}, "Ctrl-char.png"},
        {u"Bidi\u200Emark.png"_qs, Rule::Invisible, "Bidimark.png", {}},
        {u"Bidi\u200Fmark.png"_qs, Rule::Invisible, "Bidimark.png", {}},
        {u"No\u00A0break.png"_qs, Rule::OddSpace, "No_break.png", {}},
        {u"Ideographic\u3000space.png"_qs, Rule::OddSpace, "Ideographic_space.png", {}},
        {u"Thin\u2009space.png"_qs, Rule::OddSpace, "Thin_space.png", {}},
        {"Tilde~~~three.png", Rule::Signature, {}, "Tilde-three.png"},
        {"Tilde~~~~four.png", Rule::Signature, {}, "Tilde-four.png"},
        {"Percent%41.png", Rule::PercentCode, {}, "Percent-41.png"},
        {"Space%20coded.png", Rule::PercentCode, {}, "Space-20coded.png"},
        {"Percent%4a.png", Rule::PercentCode, {}, "Percent-4a.png"},
        {"Amp&amp;entity.png", Rule::Entity, {}, "Amp-amp;entity.png"},
        {" Leading blank.png", Rule::LeadingBlank, "Leading_blank.png", {}},
        {"_Leading underscore.png", Rule::LeadingBlank, "Leading_underscore.png", {}},
        {"Trailing blank.png ", Rule::TrailingBlank, "Trailing_blank.png", {}},
        {"Double  blank.png", Rule::DoubledBlank, "Double_blank.png", {}},
        {"Double__underscore.png", Rule::DoubledBlank, "Double_underscore.png", {}},
        {"Mixed _ blank.png", Rule::DoubledBlank, "Mixed_blank.png", {}},
        {"L" + l240, Rule::TooLong, {}, l240},
        {emoji59 + "x.png", Rule::TooLong, {}, emoji59 + ".png"},
        {emoji59 + emoji59.left(2) + ".png", Rule::TooLong, {}, emoji59 + ".png"}, // a pair goes whole
        // A lone half of a pair takes one byte as it stands and three once mended.
        {"#" + QString(233, u'L') + QChar(0xD800) + ".png", Rule::Forbidden, {}, "-" + QString(233, u'L') + ".png"},
        {".png", Rule::Empty, {}, {}},
        {"   .png", Rule::Empty, {}, {}},
        {u"\u200E.png"_qs, Rule::Empty, {}, {}},
        {"", Rule::Empty, {}, {}},
    };
    for (const char forbidden : QByteArray("#<>[]|{}:")) {
        const names::Verdict verdict = names::check(QStringLiteral("Hash%1tag.png").arg(forbidden));
        EXPECT_EQ(std::pair(verdict.rule, verdict.cleaned), std::pair(Rule::Forbidden, QString("Hash-tag.png")))
            << forbidden;
    }
    for (const auto &c : cases) {
        const names::Verdict verdict = names::check(c.name);
        EXPECT_EQ(verdict.rule, c.rule) << c.name.toStdString();
        if (!c.wikiStores.isNull()) {
            EXPECT_EQ(asWikiStores(verdict.cleaned), c.wikiStores) << c.name.toStdString();
        } else {
            EXPECT_EQ(verdict.cleaned, c.cleaned) << c.name.toStdString();
        }
        // A cleaned name is one the wiki takes as it is.
        if (!verdict.cleaned.isEmpty()) {
            EXPECT_TRUE(names::check(verdict.cleaned).ok()) << verdict.cleaned.toStdString();
        }
    }
}

TEST(WikiNames, AFirstLetterInLowerCaseIsNoted)
{
    EXPECT_FALSE(names::check("Upper.png").lowerFirst);
    EXPECT_TRUE(names::check(u"ßtraße.png"_qs).lowerFirst);
}

TEST(WikiNames, ACopyFollowsTheFileItNamesToItsNewName)
{
    const std::pair<QString, std::optional<QString>> cases[] = {
        {"[[File:Big Sword.png]]\r\n[[File:Sword.png]]", "[[File:Big Sword.png]]\r\n[[File:Blade.png]]"},
        {"Sword Icon.png\r\nSword.png\r\n", "Sword Icon.png\r\nBlade.png\r\n"},
        {"[[File:Sword.png]]\n[[File:Sword.png]]", "[[File:Blade.png]]\n[[File:Blade.png]]"},
        {"Sword", std::nullopt},
        {"[[File:Big Sword.png]] [[File:Sword.png|left]]", std::nullopt},
    };
    for (const auto &[copied, renamed] : cases)
        EXPECT_EQ(names::renamedInCopy(copied, "Sword.png", "Blade.png"), renamed) << copied.toStdString();
}

} // namespace
