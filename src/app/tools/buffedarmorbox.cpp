#include "app/tools/buffedarmorbox.h"

#include "app/widgets/clipboardglue.h"
#include "calc/buffedarmor.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const char *const frameTitle = QT_TRANSLATE_NOOP("BuffedArmorBox", "Buffed Armor");
const char *const alCaption = QT_TRANSLATE_NOOP("BuffedArmorBox", " AL ");
const char *const spellCaption = QT_TRANSLATE_NOOP("BuffedArmorBox", "IMP");
const char *const wikiCaption = QT_TRANSLATE_NOOP("BuffedArmorBox", "Wiki Code");
const char *const wikiTooltip = QT_TRANSLATE_NOOP(
    "BuffedArmorBox",
    "Format the values entered above into template format.");
const char *const itemSpellTooltip = QT_TRANSLATE_NOOP("BuffedArmorBox", "Item Spell");
const char *const resultTooltip = QT_TRANSLATE_NOOP("BuffedArmorBox", "Buffed Value");
const QString resultStart = QStringLiteral("420");

struct Box {
    const char *text, *tooltip;
    QColor color; // invalid: the usual colours
};
const std::array<Box, 9> boxes = {{
    {"220", QT_TRANSLATE_NOOP("BuffedArmorBox", "AL Spell Value"), {}},
    {"200", QT_TRANSLATE_NOOP("BuffedArmorBox", "Base Armor Level"), {}},
    {"200", QT_TRANSLATE_NOOP("BuffedArmorBox", "Slashing"), {}},
    {"200", QT_TRANSLATE_NOOP("BuffedArmorBox", "Piercing"), {}},
    {"200", QT_TRANSLATE_NOOP("BuffedArmorBox", "Bludgeoning"), {}},
    {"200", QT_TRANSLATE_NOOP("BuffedArmorBox", "Fire"), QColor(255, 0, 0)},
    {"200", QT_TRANSLATE_NOOP("BuffedArmorBox", "Cold"), QColor(0, 0, 255)},
    {"200", QT_TRANSLATE_NOOP("BuffedArmorBox", "Acid"), QColor(0, 192, 0)},
    {"200", QT_TRANSLATE_NOOP("BuffedArmorBox", "Lightning"), QColor(192, 0, 192)},
}};

// Two columns: the physical damage types under the armor level on the left, the
// elements under the spell on the right; the button closes the left column.
constexpr int columnX[2] = {10, 168};
constexpr int firstLine = 22;
constexpr int lineStep = 25;
constexpr int lineHeight = 22;
constexpr int leadWidth = 26; // the Item Spell box or the caption
constexpr int boxWidth = 58;
constexpr int resultWidth = 56;

QRect cell(int column, int line, int offset, int width)
{
    return {columnX[column] + offset, firstLine + line * lineStep, width, lineHeight};
}

void paint(QWidget *w, QPalette::ColorRole role, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
}

} // namespace

BuffedArmorBox::BuffedArmorBox(QWidget *parent) : QGroupBox(tr(frameTitle), parent)
{
    setObjectName(QStringLiteral("fraBuffedArmor"));
    buildRows();
    placeRows();

    cmdWikiCodeBuffedArmor_ = new QPushButton(tr(wikiCaption), this);
    cmdWikiCodeBuffedArmor_->setObjectName(QStringLiteral("cmdWikiCodeBuffedArmor"));
    cmdWikiCodeBuffedArmor_->setToolTip(tr(wikiTooltip));
    cmdWikiCodeBuffedArmor_->setGeometry(cell(0, 4, 0, leadWidth + boxWidth + 6 + resultWidth));
    connect(cmdWikiCodeBuffedArmor_, &QPushButton::clicked, this, &BuffedArmorBox::cmdWikiCodeBuffedArmor_Click);

    for (int i = 0; i < buffedArmor::boxCount; ++i) {
        connect(txtArmorValues_[i], &QLineEdit::textChanged, this, [this, i] { recompute(i); });
        if (chkBane_[i])
            connect(chkBane_[i], &QCheckBox::toggled, this, [this, i] { recompute(i); });
    }

    resize(328, firstLine + 5 * lineStep + 3);
}

void BuffedArmorBox::buildRows()
{
    for (int i = 0; i < buffedArmor::boxCount; ++i) {
        auto *box = new QLineEdit(QString::fromLatin1(boxes[i].text), this);
        box->setObjectName(QStringLiteral("txtArmorValues_%1").arg(i));
        box->setToolTip(tr(boxes[i].tooltip));
        // Qt would name it by its frame's title alone; it is named by what it holds.
        box->setAccessibleName(tr(boxes[i].tooltip));
        box->installEventFilter(this);
        txtArmorValues_[i] = box;
        if (i == buffedArmor::baseBox)
            continue;
        auto *label = new QLabel(resultStart, this);
        label->setObjectName(QStringLiteral("lblArmorValues_%1").arg(i));
        label->setToolTip(tr(resultTooltip));
        lblArmorValues_[i] = label;
        if (boxes[i].color.isValid()) {
            paint(box, QPalette::Text, boxes[i].color);
            paint(label, QPalette::WindowText, boxes[i].color);
        }
        if (i < buffedArmor::firstRow)
            continue;
        auto *bane = new QCheckBox(this);
        bane->setObjectName(QStringLiteral("chkBane_%1").arg(i));
        bane->setToolTip(tr(itemSpellTooltip));
        bane->setAccessibleName(tr("%1, item spell").arg(tr(boxes[i].tooltip)));
        chkBane_[i] = bane;
    }
}

void BuffedArmorBox::placeRows()
{
    // The armor level and the spell head the two columns; the buffed armor level follows.
    auto *alLabel = new QLabel(tr(alCaption), this);
    alLabel->setGeometry(cell(0, 0, 0, leadWidth));
    txtArmorValues_[1]->setGeometry(cell(0, 0, leadWidth, boxWidth));
    auto *spellLabel = new QLabel(tr(spellCaption), this);
    spellLabel->setGeometry(cell(1, 0, 0, leadWidth));
    txtArmorValues_[0]->setGeometry(cell(1, 0, leadWidth, boxWidth));
    lblArmorValues_[0]->setGeometry(cell(1, 0, leadWidth + boxWidth + 6, resultWidth));
    for (int row = buffedArmor::firstRow; row < buffedArmor::boxCount; ++row) {
        const int column = row < 5 ? 0 : 1;
        const int line = row < 5 ? row - 1 : row - 4;
        chkBane_[row]->setGeometry(cell(column, line, 4, leadWidth - 4));
        txtArmorValues_[row]->setGeometry(cell(column, line, leadWidth, boxWidth));
        lblArmorValues_[row]->setGeometry(cell(column, line, leadWidth + boxWidth + 6, resultWidth));
    }
}

bool BuffedArmorBox::eventFilter(QObject *watched, QEvent *event)
{
    // Typing into a box replaces what it held; the click that brought the focus would
    // otherwise undo a selection made at once.
    if (event->type() == QEvent::FocusIn)
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
    return QGroupBox::eventFilter(watched, event);
}

static buffedArmor::Inputs readInputs(const std::array<QLineEdit *, 9> &boxes, const std::array<QCheckBox *, 9> &banes)
{
    buffedArmor::Inputs inputs;
    for (int i = 0; i < buffedArmor::boxCount; ++i) {
        inputs.texts[i] = boxes[i]->text();
        inputs.itemSpell[i] = banes[i] && banes[i]->isChecked();
    }
    return inputs;
}

static buffedArmor::Results readResults(const std::array<QLabel *, 9> &labels)
{
    buffedArmor::Results results;
    for (int i = 0; i < buffedArmor::boxCount; ++i)
        if (labels[i])
            results[i] = labels[i]->text();
    return results;
}

void BuffedArmorBox::recompute(int box)
{
    buffedArmor::Results results = readResults(lblArmorValues_);
    // Labels written before a failure keep their new values.
    buffedArmor::recompute(box, readInputs(txtArmorValues_, chkBane_), results);
    for (int i = 0; i < buffedArmor::boxCount; ++i)
        if (lblArmorValues_[i])
            lblArmorValues_[i]->setText(results[i]);
}

void BuffedArmorBox::cmdWikiCodeBuffedArmor_Click()
{
    const auto text = buffedArmor::wikiCode(readInputs(txtArmorValues_, chkBane_), readResults(lblArmorValues_));
    if (text)
        clipboardGlue::replaceWithText(*text);
}
