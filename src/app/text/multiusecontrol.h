#pragma once
// The multi-use button and its drop-down: the chosen entry gives the button its function,
// run at once and again on every click.

#include "wikitext/conversion.h"
#include "wikitext/expandedtemplates.h"
#include "wikitext/mappoints.h"

#include <QList>
#include <functional>
#include <QWidget>

class PrivateProfile;
class QComboBox;
class QPushButton;

class MultiUseControl : public QWidget {
    Q_OBJECT

public:
    MultiUseControl(const QString &programFolder, QWidget *parent = nullptr);

    // The expanded templates from the settings (part of loading the template buttons):
    // their names head the drop-down, each listed once.
    void loadExpandedTemplates(const PrivateProfile &ini);
    // The fixed entries of the drop-down, after the expanded templates (settings load).
    void addFixedEntries();
    // "Reload" runs the template load again through this.
    void setReloadTemplates(std::function<void()> reload) { reloadTemplates_ = std::move(reload); }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutChildren();
    void cmbExtraTemplates_Click(int index);
    void cmdReload_Click();

    void askCustomFormat();
    // Puts what a parser made of the copied text on the clipboard and says what it converted,
    // unless it found nothing in a copied text: that stays as it was and the status line
    // says why (false).
    bool offer(const QString &copied, const textParsers::Conversion &result, const QString &nothingFound,
               const QString &converted);
    void convertMapPoints(mapPoints::Template kind);
    void updateCreature();
    void convertPrices();
    void totalDamage();
    void addExpandedTemplate();
    // Why an expanded template was not added, for the user.
    static QString refusal(const expandedTemplates::AddResult &result);
    // Replaces the items: the expanded template names, then the fixed entries once added;
    // the drop-down's text stays as it was.
    void fillList();
    QString promptText(const QString &title, const QString &prompt);
    void inform(const QString &title, const QString &text);

    QString programFolder_;
    std::function<void()> reloadTemplates_;
    QPushButton *cmdReload_ = nullptr;
    QComboBox *cmbExtraTemplates_ = nullptr;
    QList<expandedTemplates::Record> records_;
    bool fixedEntries_ = false;
    // The custom format lives only while the program runs.
    QString customPrefix_;
    QString customSuffix_;
};
