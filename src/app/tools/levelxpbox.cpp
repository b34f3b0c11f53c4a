#include "app/tools/levelxpbox.h"

#include "app/widgets/picturearea.h"
#include "calc/levelxp.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>

namespace {

const char *const frameTitle = QT_TRANSLATE_NOOP("LevelXpBox", "Level XP");
const char *const levelCaption = QT_TRANSLATE_NOOP("LevelXpBox", "LVL");

struct Box {
    const char *text, *tooltip;
    QRect geometry;
};
const std::array<Box, 4> boxes = {{
    {"200", QT_TRANSLATE_NOOP("LevelXpBox", "Level"), {10, 36, 40, 22}},
    {"291492370", QT_TRANSLATE_NOOP("LevelXpBox", "XP Reward"), {74, 36, 88, 22}},
    {"971641234", QT_TRANSLATE_NOOP("LevelXpBox", "Level XP"), {168, 36, 88, 22}},
    {"30%", QT_TRANSLATE_NOOP("LevelXpBox", "Percent of Level"), {262, 36, 56, 22}},
}};
const char *const increaseTooltip = QT_TRANSLATE_NOOP("LevelXpBox", "Increase Level");
const char *const decreaseTooltip = QT_TRANSLATE_NOOP("LevelXpBox", "Decrease Level");

constexpr int arrowSize = 15;
constexpr int arrowX = 54;
constexpr int increaseY = 32;

// A small raised button with a black triangle; pressed, the bevel turns inward and the
// triangle moves one pixel down and right, as a pushed button does.
QImage arrowPicture(bool up, bool pressed)
{
    QImage image(arrowSize, arrowSize, QImage::Format_RGB32);
    image.fill(QColor(212, 208, 200));
    QPainter painter(&image);
    const QColor light = pressed ? QColor(64, 64, 64) : Qt::white;
    const QColor dark = pressed ? Qt::white : QColor(64, 64, 64);
    const int last = arrowSize - 1;
    painter.setPen(light);
    painter.drawLine(0, 0, last, 0);
    painter.drawLine(0, 0, 0, last);
    painter.setPen(dark);
    painter.drawLine(0, last, last, last);
    painter.drawLine(last, 0, last, last);
    const int shift = pressed ? 1 : 0;
    const int top = 5 + shift, bottom = 9 + shift, left = 3 + shift, right = 11 + shift, middle = 7 + shift;
    const QPolygon triangle = up ? QPolygon({QPoint(left, bottom), QPoint(right, bottom), QPoint(middle, top)})
                                 : QPolygon({QPoint(left, top), QPoint(right, top), QPoint(middle, bottom)});
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawPolygon(triangle);
    return image;
}

} // namespace

LevelXpBox::LevelXpBox(QWidget *parent) : QGroupBox(tr(frameTitle), parent)
{
    setObjectName(QStringLiteral("Frame1"));

    auto *label = new QLabel(tr(levelCaption), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(12, 18, 40, 16);

    for (int i = 0; i < 4; ++i) {
        auto *box = new QLineEdit(QString::fromLatin1(boxes[i].text), this);
        box->setObjectName(QStringLiteral("txtLevelXP_%1").arg(i));
        box->setToolTip(tr(boxes[i].tooltip));
        // Qt would name it by its frame's title alone; it is named by what it holds.
        box->setAccessibleName(tr(boxes[i].tooltip));
        box->setGeometry(boxes[i].geometry);
        txtLevelXP_[i] = box;
    }

    buildArrows();

    for (int i = 0; i < 4; ++i)
        connect(txtLevelXP_[i], &QLineEdit::textChanged, this, [this, i] { txtLevelXP_Change(i); });

    resize(328, 70);
}

void LevelXpBox::buildArrows()
{
    for (int i = 0; i < 6; ++i) {
        auto *pic = new PictureArea(QStringLiteral("picChangeLevel_%1").arg(i), this);
        pic->setGeometry(arrowX, increaseY + (i == 1 ? arrowSize : 0), arrowSize, arrowSize);
        picChangeLevel_[i] = pic;
    }
    // The stores: 2 and 3 at rest, 4 and 5 pressed; increase first in each pair.
    for (int i = 2; i < 6; ++i) {
        picChangeLevel_[i]->setPicture(arrowPicture(i % 2 == 0, i >= 4));
        picChangeLevel_[i]->hide();
    }
    picChangeLevel_[0]->setToolTip(tr(increaseTooltip));
    picChangeLevel_[1]->setToolTip(tr(decreaseTooltip));
    for (int arrow = 0; arrow < 2; ++arrow) {
        PictureArea *pic = picChangeLevel_[arrow];
        pic->setPicture(picChangeLevel_[arrow + 2]->picture());
        pic->setFocusPolicy(Qt::ClickFocus);
        pic->setAccessibleName(arrow == 0 ? tr("Raise level") : tr("Lower level"));
        connect(pic, &PictureArea::mousePressed, this, [this, arrow] { picChangeLevel_MouseDown(arrow); });
        connect(pic, &PictureArea::mouseReleased, this, [this, arrow] { picChangeLevel_MouseUp(arrow); });
    }
}

void LevelXpBox::txtLevelXP_Change(int box)
{
    QLineEdit *edit = txtLevelXP_[box];
    const QString clean = levelXp::withoutCommas(edit->text());
    // Writing the clean text back runs this again on it before this run goes on.
    if (clean != edit->text())
        edit->setText(clean);
    const levelXp::Outcome outcome =
        levelXp::recompute(box, txtLevelXP_[levelXp::levelBox]->text(), txtLevelXP_[levelXp::rewardBox]->text());
    if (outcome.experience)
        txtLevelXP_[levelXp::experienceBox]->setText(*outcome.experience);
    if (outcome.percent)
        txtLevelXP_[levelXp::percentBox]->setText(*outcome.percent);
    if (box == levelXp::levelBox || box == levelXp::rewardBox)
        showLevelRange(outcome.levelOutOfRange);
}

void LevelXpBox::showLevelRange(bool outOfRange)
{
    QLineEdit *level = txtLevelXP_[levelXp::levelBox];
    // An empty tooltip is one the user switched off with all the others.
    if (!level->toolTip().isEmpty())
        level->setToolTip(outOfRange ? tr("Levels run from %1 to %2").arg(levelXp::firstLevel).arg(levelXp::lastLevel)
                                     : tr(boxes[levelXp::levelBox].tooltip));
}

void LevelXpBox::picChangeLevel_MouseDown(int arrow)
{
    picChangeLevel_[arrow]->setPicture(picChangeLevel_[arrow + 4]->picture());
}

void LevelXpBox::picChangeLevel_MouseUp(int arrow)
{
    picChangeLevel_[arrow]->setPicture(picChangeLevel_[arrow + 2]->picture());
    if (const auto level = levelXp::stepLevel(txtLevelXP_[levelXp::levelBox]->text(), arrow == 0))
        txtLevelXP_[levelXp::levelBox]->setText(*level);
}
