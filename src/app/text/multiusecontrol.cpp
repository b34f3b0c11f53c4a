#include "app/text/multiusecontrol.h"

#include "app/text/multiusemessages.h"
#include "app/widgets/clipboardglue.h"
#include "app/widgets/dropdownlist.h"
#include "app/widgets/mouseupbutton.h"
#include "app/widgets/statusline.h"
#include "common/modvandrel.h"
#include "common/numbers.h"
#include "common/programinfo.h"
#include "settings/privateprofile.h"
#include "wikitext/creaturepage.h"
#include "wikitext/formattext.h"
#include "wikitext/multiuse.h"
#include "wikitext/prices.h"
#include "wikitext/totaldamage.h"

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <algorithm>

namespace {
constexpr int buttonWidth = 110;
constexpr int gap = 4;
constexpr int comboWidth = 216;
constexpr int rowHeight = 27;

// The copied text split as the line parsers expect: a lone LF ends a line too, since text
// copied here usually ends its lines that way. The views point into text.
QList<QStringView> linesOf(const QString &programFolder, const QString &text)
{
    return modVandrel::scratchSplitViews(programFolder, text, textFiles::LoneLf::EndsLine);
}
} // namespace

MultiUseControl::MultiUseControl(const QString &programFolder, QWidget *parent)
    : QWidget(parent), programFolder_(programFolder)
{
    cmdReload_ = new MouseUpButton(QStringLiteral("cmdReload"), MultiUseMessages::shown(multiUse::initialCaption), this);
    cmdReload_->setToolTip(MultiUseMessages::buttonTooltip());

    cmbExtraTemplates_ = new QComboBox(this);
    cmbExtraTemplates_->setObjectName(QStringLiteral("cmbExtraTemplates"));
    cmbExtraTemplates_->setEditable(true);
    cmbExtraTemplates_->setInsertPolicy(QComboBox::NoInsert);
    // The width is fixed; measuring thousands of names for a size hint would only cost time.
    cmbExtraTemplates_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbExtraTemplates_->setEditText(MultiUseMessages::shown(multiUse::initialCaption));
    cmbExtraTemplates_->setToolTip(MultiUseMessages::comboTooltip());
    dropDownList::nameTyped(cmbExtraTemplates_, tr("Extra templates"));
    resize(sizeHint());
    layoutChildren();

    connect(cmdReload_, &QPushButton::clicked, this, &MultiUseControl::cmdReload_Click);
    connect(cmbExtraTemplates_, &QComboBox::activated, this, &MultiUseControl::cmbExtraTemplates_Click);
}

QSize MultiUseControl::sizeHint() const
{
    return {buttonWidth + gap + comboWidth, rowHeight};
}

void MultiUseControl::resizeEvent(QResizeEvent *)
{
    layoutChildren();
}

void MultiUseControl::layoutChildren()
{
    // One row when placed in a wide strip, the button above the drop-down in a tall cell.
    const int w = width();
    const int h = height();
    if (h >= 2 * rowHeight + gap) {
        const int half = (h - gap) / 2;
        cmdReload_->setGeometry(0, 0, w, half);
        cmbExtraTemplates_->setGeometry(0, half + gap, w, std::min(half, rowHeight));
    } else {
        const int buttonPart = std::min(buttonWidth, (w - gap) / 3);
        cmdReload_->setGeometry(0, 0, buttonPart, h);
        cmbExtraTemplates_->setGeometry(buttonPart + gap, 0, w - buttonPart - gap, h);
    }
}

void MultiUseControl::loadExpandedTemplates(const PrivateProfile &ini)
{
    records_ = expandedTemplates::load(ini, programFolder_);
    fillList();
}

void MultiUseControl::addFixedEntries()
{
    if (fixedEntries_)
        return;
    fixedEntries_ = true;
    fillList();
}

void MultiUseControl::fillList()
{
    QStringList items;
    items.reserve(records_.size() + multiUse::entries().size());
    for (const expandedTemplates::Record &record : records_)
        items.append(record.name);
    if (fixedEntries_)
        for (const QString &entry : multiUse::fixedEntryTexts())
            items.append(MultiUseMessages::shown(entry));

    // Filling an editable drop-down selects its first item and shows that as its text.
    const QString shown = cmbExtraTemplates_->currentText();
    const QSignalBlocker quiet(cmbExtraTemplates_);
    cmbExtraTemplates_->clear();
    cmbExtraTemplates_->addItems(items);
    cmbExtraTemplates_->setCurrentIndex(cmbExtraTemplates_->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive));
    cmbExtraTemplates_->setEditText(shown);
}

void MultiUseControl::cmbExtraTemplates_Click(int index)
{
    const QString chosen = MultiUseMessages::nameOf(index >= 0 && index < cmbExtraTemplates_->count()
                                                        ? cmbExtraTemplates_->itemText(index)
                                                        : cmbExtraTemplates_->currentText());
    std::optional<QString> caption = multiUse::captionFor(chosen);
    if (!caption) {
        if (!expandedTemplates::textFor(records_, chosen))
            return;
        caption = chosen;
    }
    if (chosen == multiUse::customFormatEntry)
        askCustomFormat();
    cmdReload_->setText(MultiUseMessages::shown(*caption));
    cmdReload_Click();
}

// One case for each function a caption can give the button: it reads best as one switch.
void MultiUseControl::cmdReload_Click()
{
    using multiUse::Function;
    // The caption is the button's only state: the function is the one it names.
    const QString caption = MultiUseMessages::nameOf(cmdReload_->text());
    switch (multiUse::functionFor(caption)) {
    case Function::AddNew:
        addExpandedTemplate();
        break;
    case Function::SpellLinks:
        clipboardGlue::replaceWithText(multiUse::spellLinks(caption).value_or(QString()));
        break;
    case Function::Cache:
        break;
    case Function::Custom:
        clipboardGlue::replaceWithText(multiUse::customFormat(customPrefix_, clipboardGlue::text(), customSuffix_));
        break;
    case Function::MapPoint:
        convertMapPoints(mapPoints::Template::MapPoint);
        break;
    case Function::MapPointPlus:
        convertMapPoints(mapPoints::Template::MapPointPlus);
        break;
    case Function::NpcChat:
        clipboardGlue::replaceWithText(
            formatText::colourChat(programFolder_, clipboardGlue::text(), formatText::ChatScheme::Npc));
        break;
    case Function::SpellChat:
        clipboardGlue::replaceWithText(
            formatText::colourChat(programFolder_, clipboardGlue::text(), formatText::ChatScheme::Spell));
        break;
    case Function::Prices:
        convertPrices();
        break;
    case Function::Reload:
        if (reloadTemplates_)
            reloadTemplates_();
        break;
    case Function::UpdateCreature:
        updateCreature();
        break;
    case Function::TotalDamage:
        totalDamage();
        break;
    case Function::ExpandedTemplate:
        if (const auto text = expandedTemplates::textFor(records_, caption))
            clipboardGlue::replaceWithText(*text);
        break;
    }
}

QString MultiUseControl::promptText(const QString &title, const QString &prompt)
{
    return QInputDialog::getText(window(), title, prompt, QLineEdit::Normal, QString());
}

void MultiUseControl::inform(const QString &title, const QString &text)
{
    QMessageBox::information(window(), title, text);
}

void MultiUseControl::askCustomFormat()
{
    using says = MultiUseMessages;
    QMessageBox intro(QMessageBox::NoIcon, says::customTitle(), says::customIntro(),
                      QMessageBox::Ok | QMessageBox::Cancel, window());
    if (intro.exec() != QMessageBox::Ok)
        return;
    customPrefix_ = promptText(says::customTitle(), says::prefixPrompt());
    customSuffix_ = promptText(says::customTitle(), says::suffixPrompt());
}

bool MultiUseControl::offer(const QString &copied, const textParsers::Conversion &result,
                            const QString &nothingFound, const QString &converted)
{
    // An empty clipboard still gets the bare template (or the total 0) as before.
    if (result.found == 0 && !copied.isEmpty()) {
        StatusLine::say(this, nothingFound);
        return false;
    }
    clipboardGlue::replaceWithText(result.text);
    StatusLine::say(this, converted);
    return true;
}

void MultiUseControl::convertMapPoints(mapPoints::Template kind)
{
    const QString copied = clipboardGlue::text();
    const textParsers::Conversion points = mapPoints::convert(copied, kind);
    offer(copied, points, MultiUseMessages::noMapPoints(), MultiUseMessages::mapPointsConverted(points.found));
}

void MultiUseControl::updateCreature()
{
    const QString page = clipboardGlue::text();
    const textParsers::Conversion fields = creaturePage::convert(linesOf(programFolder_, page));
    offer(page, fields, MultiUseMessages::noCreaturePage(), MultiUseMessages::creatureConverted(fields.found));
}

void MultiUseControl::convertPrices()
{
    const QString table = clipboardGlue::text();
    const auto rate = numbers::toSingle(promptText(MultiUseMessages::rateTitle(), MultiUseMessages::ratePrompt()));
    if (!rate)
        return;
    const textParsers::Conversion rows = prices::convertTable(linesOf(programFolder_, table), *rate);
    // Not a single row, even in an empty text: the line says what a row looks like.
    if (rows.found == 0)
        StatusLine::say(this, MultiUseMessages::rowsConverted(0));
    else
        offer(table, rows, QString(), MultiUseMessages::rowsConverted(rows.found));
}

void MultiUseControl::totalDamage()
{
    const QString log = clipboardGlue::text();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const totalDamage::Tally tally = totalDamage::tally(linesOf(programFolder_, log));
    QApplication::restoreOverrideCursor();
    if (!offer(log, {QString::number(tally.total), tally.hits}, MultiUseMessages::noHits(),
               MultiUseMessages::damageAdded(tally.total, tally.hits)))
        return;
    QMessageBox report(QMessageBox::NoIcon, MultiUseMessages::damageTitle(),
                       MultiUseMessages::damageReport(tally.total), QMessageBox::Ok, window());
    report.exec();
}

QString MultiUseControl::refusal(const expandedTemplates::AddResult &result)
{
    using Status = expandedTemplates::AddResult::Status;
    switch (result.status) {
    case Status::BadName:
        return MultiUseMessages::badTemplateName();
    case Status::Full:
        return MultiUseMessages::templatesFull();
    case Status::FileNotWritten:
        return MultiUseMessages::templateFileNotWritten(result.file);
    case Status::SettingsNotWritten:
        return MultiUseMessages::settingsNotWritten(result.file);
    case Status::Added:
        break;
    }
    return QString();
}

void MultiUseControl::addExpandedTemplate()
{
    namespace et = expandedTemplates;
    using says = MultiUseMessages;
    if (clipboardGlue::format() != clipboardGlue::Format::Text || clipboardGlue::text().isEmpty()) {
        inform(programInfo::title, says::noTemplateText());
        return;
    }
    QMessageBox confirm(QMessageBox::Information, says::confirmTitle(), says::confirmAdd(),
                        QMessageBox::Ok | QMessageBox::Cancel, window());
    if (confirm.exec() != QMessageBox::Ok)
        return;
    const QString fileName = et::cleanFileName(promptText(says::fileNameTitle(), says::fileNamePrompt()));
    if (fileName.isEmpty())
        return;
    if (!et::isAcceptableFileName(fileName)) {
        inform(says::fileNameTitle(), says::badTemplateName());
        return;
    }
    const QString shortName = et::cleanShortName(promptText(says::shortNameTitle(), says::shortNamePrompt()));
    if (shortName.isEmpty())
        return;

    // The text as it is now: the clipboard may have changed while the prompts were open.
    const et::AddResult result = et::add(programFolder_, fileName, shortName, clipboardGlue::text());
    if (result.status != et::AddResult::Status::Added) {
        QMessageBox::warning(window(), says::fileNameTitle(), refusal(result));
        return;
    }
    records_.append(result.record);
    {
        const QSignalBlocker quiet(cmbExtraTemplates_);
        cmbExtraTemplates_->insertItem(records_.size() - 1, result.record.name);
        cmbExtraTemplates_->setEditText(fileName);
    }
    cmdReload_->setText(result.record.name);
}
