#include "app/tools/toolspage.h"

#include "app/text/templatesbox.h"
#include "app/tools/buffedarmorbox.h"
#include "app/tools/levelxpbox.h"
#include "app/tools/spawnmaptool.h"
#include "app/widgets/clipboardglue.h"
#include "app/widgets/mouseupbutton.h"
#include "common/modvandrel.h"
#include "wikitext/categories.h"
#include "wikitext/templates.h"

#include <QMessageBox>

namespace {

constexpr int margin = 8;
constexpr int buttonHeight = 27;
constexpr int updateWidth = 150;
// Wide enough for the longest category name, which becomes the caption.
constexpr int cycleWidth = 328;

} // namespace

ToolsPage::ToolsPage(const QString &programFolder, TemplatesBox &templatesBox, std::function<void()> focusFob,
                       CaptureState &state, SaveRoutine &saveRoutine, QWidget *parent)
    : PictureArea(QStringLiteral("picTools"), parent), programFolder_(programFolder), templates_(templatesBox),
      focusFob_(std::move(focusFob))
{
    cmdUpdateTemplates_ = new MouseUpButton(QStringLiteral("cmdUpdateTemplates"), tr("Update Templates"), this);
    cmdUpdateTemplates_->setToolTip(tr("Updates templates using text found on Quillmark/Page Templates."));
    cmdUpdateTemplates_->setGeometry(margin, margin, updateWidth, buttonHeight);
    connect(cmdUpdateTemplates_, &QPushButton::clicked, this, &ToolsPage::cmdUpdateTemplates_Click);

    cmdCycleCategories_ = new MouseUpButton(QStringLiteral("cmdCycleCategories"), tr("Cycle Categories"), this);
    cmdCycleCategories_->setToolTip(
        tr("Left click to place next category in clipboard, right click to start at beginning again."));
    cmdCycleCategories_->setGeometry(margin, margin + buttonHeight + 5, cycleWidth, buttonHeight);
    connect(cmdCycleCategories_, &MouseUpButton::mouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) { cmdCycleCategories_MouseUp(button); });

    // Below them, top to bottom: the spawn map and the two calculators.
    const int below = margin + 2 * buttonHeight + 10;
    spawnMap_ = new SpawnMapTool(programFolder_, state, saveRoutine, this);
    spawnMap_->move(margin, below);
    buffedArmor_ = new BuffedArmorBox(this);
    buffedArmor_->move(margin, spawnMap_->geometry().bottom() + 4);
    levelXp_ = new LevelXpBox(this);
    levelXp_->move(margin, buffedArmor_->geometry().bottom() + 4);

    // A click on the bare panel gives the focus back to the window's focus holder.
    connect(this, &PictureArea::clicked, this, [this] { focusFob_(); });
}

void ToolsPage::cmdUpdateTemplates_Click()
{
    // Copied text usually ends its lines in LF alone; the tag lines must still be lines.
    const QString text = clipboardGlue::text();
    const QList<QStringView> lines =
        modVandrel::scratchSplitViews(programFolder_, text, textFiles::LoneLf::EndsLine);
    const int updated =
        templates::updateTemplates(templates::TemplatePage(lines), templates_.configuredPaths(), programFolder_);
    const QString report = updated > 0 ? tr("%1 templates were successfully updated.").arg(updated)
                                       : tr("No template text was detected in the clipboard.\r\n"
                                            "For details on how to use this feature, see:\r\n%1")
                                             .arg(templates::helpPageAddress);
    QMessageBox::information(window(), tr("Update Page Templates"), report);
    templates_.reloadTemplates();
    focusFob_();
}

void ToolsPage::cmdCycleCategories_MouseUp(Qt::MouseButton button)
{
    categoryPosition_ = categories::nextPosition(categoryPosition_, button == Qt::RightButton);
    const QString name = categories::names().at(categoryPosition_ - 1);
    cmdCycleCategories_->setText(name);
    clipboardGlue::replaceWithText(name);
}

QList<PictureArea *> ToolsPage::focusAreas() const
{
    return spawnMap_->focusAreas();
}
