#include "app/extractiontab.h"

#include "app/capturestate.h"
#include "app/greyablecheckbox.h"
#include "app/mouseupbutton.h"
#include "app/picturearea.h"
#include "app/saveroutine.h"

namespace {

const char *const designedCaptions[ExtractionTab::buttonCount] = {"120", "180", "240", "300", "360", "400",
                                                                  "440", "500", "570", "660", "830", "1000"};
const QString buttonTip = QStringLiteral("Crop a fixed height stat panel.");
const QString iconTip = QStringLiteral(
    "When checked saves the extracted icon along with the stats panel, uncheck when there's no icon, like with "
    "creature panels.");

constexpr QSize traySize(48, 440);
constexpr QSize buttonSize(46, 34);
constexpr int buttonPitch = 36;
constexpr QPoint iconPosition(8, 466);

} // namespace

ExtractionTab::ExtractionTab(QWidget *window, CaptureState &state, SaveRoutine &saveRoutine)
    : QObject(window), window_(window), state_(state), saveRoutine_(saveRoutine)
{
    picIconPanelTray_ = new PictureArea(QStringLiteral("picIconPanelTray"), window);
    picIconPanelTray_->resize(traySize);
    for (int i = 0; i < buttonCount; ++i) {
        auto *button = new MouseUpButton(QStringLiteral("cmdExtractPanel_%1").arg(i + 1),
                                         QString::fromLatin1(designedCaptions[i]), picIconPanelTray_);
        button->setGeometry(1, 2 + i * buttonPitch, buttonSize.width(), buttonSize.height());
        button->setWordWrap(true);
        button->setToolTip(buttonTip);
        button->setAcceptsFiles(true);
        cmdExtractPanel_.append(button);
    }

    picIcon_ = new PictureArea(QStringLiteral("picIcon"), window);
    picIcon_->setGeometry(QRect(iconPosition, QSize(32, 32)));
    chkIcon_ = new GreyableCheckBox(QStringLiteral("chkIcon"), QStringLiteral("Icon"), window);
    chkIcon_->setGeometry(iconPosition.x() - 4, iconPosition.y() + 36, 46, 20);
    chkIcon_->setToolTip(iconTip);

    picSource_ = new PictureArea(QStringLiteral("picSource"), window);
    picSource_->resize(300, 100);
    picTemp_ = new PictureArea(QStringLiteral("picTemp"), window);
    picTemp_->resize(100, 100);
    picTemp_->hide();
}

QCheckBox *ExtractionTab::chkIcon() const
{
    return chkIcon_;
}

void ExtractionTab::setPanelCaption(int index, const QString &caption)
{
    if (index >= 1 && index <= buttonCount)
        cmdExtractPanel_[index - 1]->setText(caption);
}

QList<QWidget *> ExtractionTab::keyControls() const
{
    QList<QWidget *> controls = {picIconPanelTray_, picSource_, picTemp_, chkIcon_};
    for (MouseUpButton *b : cmdExtractPanel_)
        controls.append(b);
    return controls;
}
