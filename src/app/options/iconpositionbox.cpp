#include "app/options/iconpositionbox.h"

#include "app/saving/capturestate.h"
#include "app/widgets/optionbuttons.h"
#include "common/numbers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {

const char *const frameTitle = QT_TRANSLATE_NOOP("IconPositionBox", "Icon Position");
struct PositionDesign {
    const char *caption;
    const char *tip;
    const char *flag; // what choosing it sets the full-screen flag to
};
constexpr PositionDesign positions[] = {
    {QT_TRANSLATE_NOOP("IconPositionBox", "Full Screen"),
     QT_TRANSLATE_NOOP("IconPositionBox", "Screen shots taken when playing in full screen mode."), "True"},
    {QT_TRANSLATE_NOOP("IconPositionBox", "Windowed"),
     QT_TRANSLATE_NOOP("IconPositionBox", "Screen shots taken when playing in windowed mode."), "False"},
};
constexpr int windowedIndex = 1;
const char *const offsetsCaption = QT_TRANSLATE_NOOP("IconPositionBox", "Icon Offsets Top Left");
const char *const trainCaption = QT_TRANSLATE_NOOP("IconPositionBox", "Train Icon Location");
const char *const trainTip = QT_TRANSLATE_NOOP(
    "IconPositionBox",
    "If icons are not being extracted from the right place, this will let you customize where to extract.");
constexpr int offsetBoxWidth = 44;

// A typed offset counts only as a whole number that fits 16 bits.
std::optional<qint16> wholeOffset(const QString &text)
{
    const auto value = numbers::toNumber(text);
    if (!value || std::trunc(*value) != *value)
        return std::nullopt;
    return numbers::toInt16(text);
}

} // namespace

IconPositionBox::IconPositionBox(CaptureState &state, QWidget *parent)
    : QGroupBox(tr(frameTitle), parent), state_(state)
{
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(8, 2, 8, 4);
    rows->setSpacing(3);
    rows->addLayout(buildPositionRow());
    rows->addLayout(buildOffsetRow());
    showOffsets();
}

QLayout *IconPositionBox::buildPositionRow()
{
    auto *options = new QHBoxLayout;
    QStringList captions;
    for (const PositionDesign &position : positions)
        captions.append(tr(position.caption));
    optIconPosition_ = optionButtons::make(this, QStringLiteral("optIconPosition"), captions, options,
                                           [this](int index) { positionChosen(index); });
    for (int i = 0; i < optIconPosition_.size(); ++i)
        optIconPosition_[i]->setToolTip(tr(positions[i].tip));
    options->addStretch(1);
    cmdTrainIconLocation_ = new QPushButton(tr(trainCaption), this);
    cmdTrainIconLocation_->setObjectName(QStringLiteral("cmdTrainIconLocation"));
    cmdTrainIconLocation_->setToolTip(tr(trainTip));
    options->addWidget(cmdTrainIconLocation_);
    return options;
}

QLayout *IconPositionBox::buildOffsetRow()
{
    auto *offsets = new QHBoxLayout;
    auto *label = new QLabel(tr(offsetsCaption), this);
    txtIconTop_ = new QLineEdit(this);
    txtIconTop_->setObjectName(QStringLiteral("txtIconTop"));
    txtIconLeft_ = new QLineEdit(this);
    txtIconLeft_->setObjectName(QStringLiteral("txtIconLeft"));
    label->setBuddy(txtIconTop_);
    txtIconTop_->setAccessibleName(tr("Icon offset top"));
    txtIconLeft_->setAccessibleName(tr("Icon offset left"));
    offsets->addWidget(label);
    // In the order the label names them.
    for (QLineEdit *box : {txtIconTop_, txtIconLeft_}) {
        box->setFixedWidth(offsetBoxWidth);
        offsets->addWidget(box);
    }
    connect(txtIconLeft_, &QLineEdit::editingFinished, this, [this] { offsetEdited(txtIconLeft_, state_.offsets.left); });
    connect(txtIconTop_, &QLineEdit::editingFinished, this, [this] { offsetEdited(txtIconTop_, state_.offsets.top); });
    offsets->addStretch(1);
    return offsets;
}

void IconPositionBox::positionChosen(int index)
{
    const bool windowed = index == windowedIndex;
    for (QWidget *w : {static_cast<QWidget *>(txtIconLeft_), static_cast<QWidget *>(txtIconTop_),
                       static_cast<QWidget *>(cmdTrainIconLocation_)})
        w->setEnabled(windowed);
    state_.fullScreenFlag = QString::fromLatin1(positions[index].flag);
    if (!windowed)
        emit fullScreenChosen();
}

void IconPositionBox::offsetEdited(QLineEdit *box, int &offset)
{
    if (const auto typed = wholeOffset(box->text()))
        offset = *typed;
    showOffsets();
}

void IconPositionBox::showOffsets()
{
    txtIconLeft_->setText(QString::number(state_.offsets.left));
    txtIconTop_->setText(QString::number(state_.offsets.top));
}

void IconPositionBox::showOptions()
{
    showOffsets();
    const QString flag = state_.fullScreenFlag;
    const int index = state_.fullScreen() ? 0 : windowedIndex;
    if (optIconPosition_[index]->isChecked())
        positionChosen(index);
    else
        optIconPosition_[index]->setChecked(true);
    // The flag is written back as it was read until the user picks a position.
    state_.fullScreenFlag = flag;
}
