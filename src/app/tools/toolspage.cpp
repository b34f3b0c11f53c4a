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

const QString cycleCaption = QStringLiteral("Cycle Categories");
const QString cycleTooltip =
    QStringLiteral("Left click to place next category in clipboard, right click to start at beginning again.");

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
    cmdUpdateTemplates_ = new MouseUpButton(QStringLiteral("cmdUpdateTemplates"), templates::updateCaption, this);
    cmdUpdateTemplates_->setToolTip(templates::updateTooltip);
    cmdUpdateTemplates_->setGeometry(margin, margin, updateWidth, buttonHeight);
    connect(cmdUpdateTemplates_, &QPushButton::clicked, this, &ToolsPage::cmdUpdateTemplates_Click);

    cmdCycleCategories_ = new MouseUpButton(QStringLiteral("cmdCycleCategories"), cycleCaption, this);
    cmdCycleCategories_->setToolTip(cycleTooltip);
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
    QMessageBox::information(window(), templates::updateTitle, templates::updateMessage(updated));
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
