#pragma once
// What the user is told about a file name that breaks the system's or the wiki's name
// rules: which rule, what breaks it, and the cleaned name offered instead.

#include "capture/windowsnames.h"
#include "wiki/filenames.h"

#include <QCoreApplication>
#include <QString>

class NameMessages {
    Q_DECLARE_TR_FUNCTIONS(NameMessages)

public:
    static QString windowsTitle();
    // Empty for a name that breaks no rule.
    static QString windows(const QString &fileName, const capture::windowsNames::Verdict &verdict);

    static QString wikiTitle();
    static QString wikiPrompt();
    // Empty for a name that breaks no rule.
    static QString wiki(const QString &fileName, const wiki::names::Verdict &verdict);

private:
    static QString windowsRule(const QString &name, const capture::windowsNames::Verdict &verdict);
    static QString wikiRule(const QString &name, const wiki::names::Verdict &verdict);
};
