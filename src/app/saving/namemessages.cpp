#include "app/saving/namemessages.h"

// Each rule is told in a sentence of its own, the offer after it in another.

QString NameMessages::windowsTitle()
{
    return tr("Name for Windows");
}

QString NameMessages::windowsRule(const QString &name, const capture::windowsNames::Verdict &verdict)
{
    using Rule = capture::windowsNames::Rule;
    const QString &what = verdict.offending;
    switch (verdict.rule) {
    case Rule::None:
        break;
    case Rule::Reserved:
        return tr("\"%1\" cannot be saved: \"%2\" is the name of a device on Windows.").arg(name, what);
    case Rule::Forbidden:
        return tr("\"%1\" cannot be saved: Windows does not allow \"%2\" in a file name.").arg(name, what);
    case Rule::Control:
        return tr("\"%1\" cannot be saved: Windows does not allow the control character %2 in a file name.")
            .arg(name, what);
    case Rule::TrailingDotOrBlank:
        return tr("\"%1\" cannot be saved: Windows drops dots and blanks at the end of a file name.").arg(name);
    case Rule::TooLong:
        return tr("\"%1\" cannot be saved: the whole path would be %2 characters, more than the %3 Windows takes.")
            .arg(name, what, QString::number(capture::windowsNames::maxPath));
    }
    return QString();
}

QString NameMessages::windows(const QString &fileName, const capture::windowsNames::Verdict &verdict)
{
    if (verdict.ok())
        return QString();
    const QString offer = verdict.cleaned.isEmpty() ? tr("Choose a shorter folder or name.")
                                                    : tr("Use \"%1\" instead?").arg(verdict.cleaned);
    return windowsRule(fileName, verdict) + u' ' + offer;
}

QString NameMessages::wikiTitle()
{
    return tr("Name for the Wiki");
}

QString NameMessages::wikiPrompt()
{
    return tr("File name on the wiki:");
}

QString NameMessages::wikiRule(const QString &name, const wiki::names::Verdict &verdict)
{
    using Rule = wiki::names::Rule;
    const QString &what = verdict.offending;
    switch (verdict.rule) {
    case Rule::None:
        break;
    case Rule::Forbidden:
        return tr("The file name \"%1\" contains \"%2\", a character the wiki does not allow in file names.")
            .arg(name, what);
    case Rule::Control:
        return tr("The file name \"%1\" contains a control character (%2), which the wiki does not allow.")
            .arg(name, what);
    case Rule::Invisible:
        return tr("The file name \"%1\" contains an invisible direction mark (%2), which the wiki removes.")
            .arg(name, what);
    case Rule::OddSpace:
        return tr("The file name \"%1\" contains a space character (%2) that the wiki turns into a plain blank.")
            .arg(name, what);
    case Rule::Signature:
        return tr("The file name \"%1\" contains \"%2\", which the wiki does not allow (it stands for a signature).")
            .arg(name, what);
    case Rule::PercentCode:
        return tr("The file name \"%1\" contains \"%2\", which the wiki does not allow (it reads as an encoded "
                  "character).")
            .arg(name, what);
    case Rule::LeadingBlank:
        return tr("The file name \"%1\" starts with a blank, which the wiki removes (\"_\" counts as a blank).")
            .arg(name);
    case Rule::TrailingBlank:
        return tr("The file name \"%1\" ends with a blank, which the wiki removes (\"_\" counts as a blank).")
            .arg(name);
    case Rule::DoubledBlank:
        return tr("The file name \"%1\" has two blanks in a row, which the wiki makes one (\"_\" counts as a blank).")
            .arg(name);
    case Rule::Entity:
        return tr("The file name \"%1\" contains \"%2\", which the wiki does not allow (it reads as an HTML entity).")
            .arg(name, what);
    case Rule::TooLong:
        return tr("The file name \"%1\" is %2 bytes long in UTF-8; the wiki allows %3.")
            .arg(name, what, QString::number(wiki::names::maxBytes));
    case Rule::Empty:
        return tr("The file name \"%1\" has no name before its extension.").arg(name);
    }
    return QString();
}

QString NameMessages::wiki(const QString &fileName, const wiki::names::Verdict &verdict)
{
    if (verdict.ok())
        return QString();
    QString text = wikiRule(fileName, verdict);
    if (!verdict.cleaned.isEmpty())
        text += QStringLiteral("\n\n") + tr("Use \"%1\" instead?").arg(verdict.cleaned);
    if (verdict.lowerFirst)
        text += QStringLiteral("\n\n") + tr("The wiki shows every file name with a capital first letter.");
    return text;
}
