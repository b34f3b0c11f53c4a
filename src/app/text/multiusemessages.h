#pragma once
// What the multi-use button and its drop-down say: their tooltips, the prompts of the
// functions that ask, and the status line about the parsers' work (what each converted, or
// why the copied text was left as it was).

#include <QCoreApplication>
#include <QString>

class MultiUseMessages {
    Q_DECLARE_TR_FUNCTIONS(MultiUseMessages)

public:
    // A fixed entry of the drop-down or a caption it gives the button, in the user's words;
    // any other name (an expanded template's) is shown as it is.
    static QString shown(const QString &name);
    // The name a shown entry or caption stands for, as the tables know it.
    static QString nameOf(const QString &shownText);

    static QString buttonTooltip();
    static QString comboTooltip();

    // Custom Format
    static QString customTitle();
    static QString customIntro();
    static QString prefixPrompt();
    static QString suffixPrompt();

    // Convert Shopkeeper Prices
    static QString rateTitle();
    static QString ratePrompt();

    // Total Damage
    static QString damageTitle();
    static QString damageReport(qint32 total);

    // Add Expanded Template
    static QString noTemplateText();
    static QString confirmTitle();
    static QString confirmAdd();
    static QString fileNameTitle();
    static QString fileNamePrompt();
    static QString shortNameTitle();
    static QString shortNamePrompt();
    static QString badTemplateName();
    static QString templatesFull();
    static QString templateFileNotWritten(const QString &path);
    static QString settingsNotWritten(const QString &iniPath);

    // The status line
    static QString noMapPoints();
    static QString noHits();
    static QString noCreaturePage();
    static QString rowsConverted(qsizetype rows);
    static QString mapPointsConverted(qsizetype points);
    static QString creatureConverted(qsizetype fields);
    static QString damageAdded(qint32 total, qsizetype hits);
};
