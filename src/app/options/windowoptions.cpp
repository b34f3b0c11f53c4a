#include "app/options/windowoptions.h"

#include "app/widgets/checkboxes.h"
#include "app/widgets/named.h"
#include "common/numbers.h"
#include "settings/options.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QInputDialog>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <optional>

namespace {

const char *const toolTipsCaption = QT_TRANSLATE_NOOP("WindowOptions", "Display Tooltips");
const char *const alwaysOnTopCaption = QT_TRANSLATE_NOOP("WindowOptions", "Always On Top");
const char *const transparentCaption = QT_TRANSLATE_NOOP("WindowOptions", "Transparent Window");
const char *const toolTipsTip = QT_TRANSLATE_NOOP(
    "WindowOptions",
    "When checked, buttons etc will display a tool tip when mouse hovers over it.");
const char *const alwaysOnTopTip = QT_TRANSLATE_NOOP(
    "WindowOptions",
    "When checked, the program window will always be on top of other windows open on the desktop.");
const char *const transparentTip = QT_TRANSLATE_NOOP(
    "WindowOptions",
    "When checked, the program window will become transparent.");
const char *const setAlphaTip = QT_TRANSLATE_NOOP(
    "WindowOptions",
    "Click to set alpha, the degree of window transparency.");
const char *const magnifierCaption = QT_TRANSLATE_NOOP("WindowOptions", "Magnifier");
const char *const magnifierTip = QT_TRANSLATE_NOOP(
    "WindowOptions",
    "When checked, a fixed-size crop shows the pixels around the pointer magnified; the arrow keys move the "
    "rectangle and Enter cuts it.");
const char *const hintsCaption = QT_TRANSLATE_NOOP("WindowOptions", "Hints");
const char *const hintsTip = QT_TRANSLATE_NOOP("WindowOptions", "When checked, empty picture areas say what to do.");
const char *const englishCaption = QT_TRANSLATE_NOOP("WindowOptions", "English");
const char *const englishTip = QT_TRANSLATE_NOOP(
    "WindowOptions",
    "When checked, Quillmark speaks English whatever the language of the system, from its next start.");
const char *const setAlphaTitle = QT_TRANSLATE_NOOP("WindowOptions", "Set Window Alpha");
const char *const setAlphaPrompt = QT_TRANSLATE_NOOP(
    "WindowOptions",
    "Please enter a value between 1 and 255, 1 being transparent, 255 being opaque.");

constexpr int alphaButtonSide = 15;
constexpr int alphaPictureSide = 11;

// A square fading from clear to solid, over a checker that shows through the clear end.
QPixmap alphaPicture()
{
    QPixmap picture(alphaPictureSide, alphaPictureSide);
    picture.fill(Qt::white);
    QPainter p(&picture);
    for (int y = 0; y < alphaPictureSide; y += 3)
        for (int x = (y / 3) % 2 * 3; x < alphaPictureSide; x += 6)
            p.fillRect(x, y, 3, 3, QColor(170, 170, 170));
    QLinearGradient fade(0, 0, alphaPictureSide, 0);
    fade.setColorAt(0, QColor(0, 64, 160, 0));
    fade.setColorAt(1, QColor(0, 64, 160, 255));
    p.fillRect(picture.rect(), fade);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(0, 0, alphaPictureSide - 1, alphaPictureSide - 1);
    return picture;
}

} // namespace

WindowOptions::WindowOptions(settings::Options &options, std::function<void()> focusFob, QWidget *parent)
    : QWidget(parent), options_(options), focusFob_(std::move(focusFob))
{
    setObjectName(QStringLiteral("fraWindowOptions"));
    chkToolTips_ = named(new QCheckBox(tr(toolTipsCaption), this), QStringLiteral("chkToolTips"), tr(toolTipsTip));
    chkToolTips_->setChecked(true);
    chkAlwaysOnTop_ =
        named(new QCheckBox(tr(alwaysOnTopCaption), this), QStringLiteral("chkAlwaysOnTop"), tr(alwaysOnTopTip));
    chkTransparentForm_ =
        named(new QCheckBox(tr(transparentCaption), this), QStringLiteral("chkTransparentForm"), tr(transparentTip));
    chkMagnifier_ = named(new QCheckBox(tr(magnifierCaption), this), QStringLiteral("chkMagnifier"), tr(magnifierTip));
    chkMagnifier_->setChecked(true);
    chkHints_ = named(new QCheckBox(tr(hintsCaption), this), QStringLiteral("chkHints"), tr(hintsTip));
    chkHints_->setChecked(true);
    chkForceEnglish_ = named(new QCheckBox(tr(englishCaption), this), QStringLiteral("chkForceEnglish"), tr(englishTip));
    cmdSetWindowAlpha_ = new QPushButton(this);
    cmdSetWindowAlpha_->setObjectName(QStringLiteral("cmdSetWindowAlpha"));
    cmdSetWindowAlpha_->setToolTip(tr(setAlphaTip));
    cmdSetWindowAlpha_->setAccessibleName(tr("Set window alpha"));
    cmdSetWindowAlpha_->setFixedSize(alphaButtonSide, alphaButtonSide);
    cmdSetWindowAlpha_->setIcon(QIcon(alphaPicture()));
    cmdSetWindowAlpha_->setIconSize(QSize(alphaPictureSide, alphaPictureSide));
    cmdSetWindowAlpha_->setStyleSheet(QStringLiteral("padding: 0px;"));

    // Rows of their own rather than a grid: aligned columns would be too wide for the page.
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 0, 0, 0);
    rows->setSpacing(6);
    auto *first = new QHBoxLayout;
    auto *second = new QHBoxLayout;
    for (QHBoxLayout *line : {first, second}) {
        line->setSpacing(7);
        rows->addLayout(line);
    }
    first->addWidget(chkToolTips_);
    first->addWidget(chkAlwaysOnTop_);
    first->addWidget(chkForceEnglish_);
    second->addWidget(chkTransparentForm_);
    second->addWidget(cmdSetWindowAlpha_);
    second->addWidget(chkMagnifier_);
    second->addWidget(chkHints_);
    for (QHBoxLayout *line : {first, second})
        line->addStretch(1);

    // Connected to the state change, so that the settings load acts as a click would.
    connect(chkToolTips_, &QCheckBox::toggled, this, &WindowOptions::chkToolTips_Click);
    connect(chkAlwaysOnTop_, &QCheckBox::toggled, this, &WindowOptions::chkAlwaysOnTop_Click);
    connect(chkTransparentForm_, &QCheckBox::toggled, this, &WindowOptions::chkTransparentForm_Click);
    connect(cmdSetWindowAlpha_, &QPushButton::clicked, this, &WindowOptions::cmdSetWindowAlpha_Click);
    checkBoxes::bind(chkToolTips_, options_, settings::Check::DisplayToolTips);
    checkBoxes::bind(chkMagnifier_, options_, settings::Check::Magnifier);
    checkBoxes::bind(chkHints_, options_, settings::Check::Hints);
    checkBoxes::bind(chkForceEnglish_, options_, settings::Check::ForceEnglish);
}

int WindowOptions::opacity() const
{
    return options_.opacity;
}

void WindowOptions::showOpacity()
{
    applyOpacity();
}

QList<QWidget *> WindowOptions::everyWidget() const
{
    QWidget *top = window();
    QList<QWidget *> widgets = {top};
    widgets += top->findChildren<QWidget *>();
    return widgets;
}

namespace {

// Switched off, a tooltip still describes its control to assistive technology (which reads
// the tooltip as the description while there is one); the mark tells which descriptions were
// tooltips, to be given back with them.
const char *const describedByTip = "quillmarkDescribedByTip";

void hideTip(QWidget *w)
{
    if (!w->toolTip().isEmpty() && (w->accessibleDescription().isEmpty() || w->property(describedByTip).toBool())) {
        w->setAccessibleDescription(w->toolTip());
        w->setProperty(describedByTip, true);
    }
    w->setToolTip(QString());
}

void showTip(QWidget *w, const QString &tip)
{
    w->setToolTip(tip);
    if (w->property(describedByTip).toBool()) {
        w->setAccessibleDescription(QString());
        w->setProperty(describedByTip, false);
    }
}

} // namespace

void WindowOptions::captureToolTips()
{
    tooltips_.clear();
    for (QWidget *w : everyWidget())
        tooltips_.emplace_back(w, w->toolTip());
}

void WindowOptions::tooltipsReapplied()
{
    if (chkToolTips_->isChecked())
        return;
    for (QWidget *w : everyWidget()) {
        if (w->toolTip().isEmpty())
            continue;
        auto known = std::find_if(tooltips_.begin(), tooltips_.end(), [w](const auto &entry) { return entry.first == w; });
        if (known != tooltips_.end())
            known->second = w->toolTip();
        else
            tooltips_.emplace_back(w, w->toolTip());
        hideTip(w);
    }
}

void WindowOptions::showToolTips()
{
    checkBoxes::show(chkToolTips_, options_, settings::Check::DisplayToolTips);
}

void WindowOptions::showHelps()
{
    checkBoxes::show(chkMagnifier_, options_, settings::Check::Magnifier);
    checkBoxes::show(chkHints_, options_, settings::Check::Hints);
    checkBoxes::show(chkForceEnglish_, options_, settings::Check::ForceEnglish);
}

void WindowOptions::chkToolTips_Click(bool checked)
{
    if (checked) {
        for (const auto &[widget, tip] : tooltips_)
            if (widget)
                showTip(widget, tip);
        return;
    }
    // Tooltips set while the program ran (the template buttons) survive the switch.
    captureToolTips();
    for (QWidget *w : everyWidget())
        hideTip(w);
}

void WindowOptions::chkAlwaysOnTop_Click(bool checked)
{
    QWidget *top = window();
    const bool shown = top->isVisible();
    const QPoint at = top->pos();
    top->setWindowFlag(Qt::WindowStaysOnTopHint, checked);
    // Changing a window flag hides the window; it comes back where it stood.
    if (shown && !top->isVisible()) {
        top->move(at);
        top->show();
    }
}

void WindowOptions::chkTransparentForm_Click(bool)
{
    applyOpacity();
}

void WindowOptions::applyOpacity()
{
    window()->setWindowOpacity(chkTransparentForm_->isChecked() ? options_.opacity / 255.0 : 1.0);
}

void WindowOptions::cmdSetWindowAlpha_Click()
{
    const QString answer = QInputDialog::getText(window(), tr(setAlphaTitle), tr(setAlphaPrompt), QLineEdit::Normal,
                                                 QString::number(options_.opacity));
    // Cancel, a word, 0 or more than 255 leave the alpha as it was, without a word.
    const std::optional<double> number = numbers::toNumber(answer);
    if (!number)
        return;
    const double alpha = numbers::roundHalfEven(*number);
    if (alpha < 1 || alpha > 255)
        return;
    options_.opacity = int(alpha);
    applyOpacity();
    if (focusFob_)
        focusFob_();
}
