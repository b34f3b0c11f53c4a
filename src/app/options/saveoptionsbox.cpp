#include "app/options/saveoptionsbox.h"

#include "app/saving/capturestate.h"
#include "app/widgets/greyablecheckbox.h"
#include "app/widgets/named.h"
#include "app/widgets/optionbuttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Indexed by capture::ImageKind.
constexpr SaveOptionsBox::KindTexts kindTexts[] = {
    {QT_TRANSLATE_NOOP("SaveOptionsBox", "Icon"),
     QT_TRANSLATE_NOOP("SaveOptionsBox",
                       "Check to save Icons in the default location (Images folder where this program is located)."),
     QT_TRANSLATE_NOOP("SaveOptionsBox",
                       "Uncheck Default path and specify the folder location where Icons will be saved.")},
    {QT_TRANSLATE_NOOP("SaveOptionsBox", "Stats Panel"),
     QT_TRANSLATE_NOOP("SaveOptionsBox",
                       "Check to save Stats Panel in the default location (Images folder where this program "
                       "is located)."),
     QT_TRANSLATE_NOOP("SaveOptionsBox",
                       "Uncheck Default path and specify the folder location where Stats Panels will be saved.")},
    {QT_TRANSLATE_NOOP("SaveOptionsBox", "Live Shot"),
     QT_TRANSLATE_NOOP("SaveOptionsBox",
                       "Check to save Live Shots in the default location (Images folder where this program "
                       "is located)."),
     QT_TRANSLATE_NOOP("SaveOptionsBox",
                       "Uncheck Default path and specify the folder location where Live Shots will be saved.")},
};
const QStringList fileTypeCaptions = {QStringLiteral("BMP"), QStringLiteral("GIF"), QStringLiteral("JPG"),
                                     QStringLiteral("PNG")};
const char *const qualityTip = QT_TRANSLATE_NOOP(
    "SaveOptionsBox",
    "Quality of JPG compression, ranges from 1% (low) to 100% (high). Commonly set to 75% to 90%.");
const char *const prefixCaption = QT_TRANSLATE_NOOP("SaveOptionsBox", "Prefix:");
const char *const suffixCaption = QT_TRANSLATE_NOOP("SaveOptionsBox", "Suffix:");
const char *const customPathCaption = QT_TRANSLATE_NOOP("SaveOptionsBox", "Custom Path:");
const char *const defaultPathCaption = QT_TRANSLATE_NOOP("SaveOptionsBox", "Default Path");

constexpr int jpgIndex = 2;
constexpr int qualityBoxWidth = 48;
constexpr int nameBoxWidth = 96;

} // namespace

SaveOptionsBox::SaveOptionsBox(capture::ImageKind kind, CaptureState &state, QWidget *parent)
    : QGroupBox(tr(kindTexts[size_t(kind)].title), parent), kind_(kind), state_(state)
{
    const QString name = capture::kindSection(kind);
    rows_ = new QVBoxLayout(this);
    rows_->setContentsMargins(8, 2, 8, 4);
    rows_->setSpacing(3);
    rows_->addLayout(buildTypeRow(name));
    rows_->addLayout(buildNameRow(name));
    rows_->addLayout(buildFolderRow(name, kindTexts[size_t(kind)]));

    // The greyed box starts the kind off the default folder, as the save would read it.
    defaultPathChanged(chkDefaultPath_->checkState());
}

QLayout *SaveOptionsBox::buildTypeRow(const QString &name)
{
    // The frame is the option buttons' parent, so they form one exclusive group of their own.
    auto *types = new QHBoxLayout;
    optFileType_ = optionButtons::make(this, QStringLiteral("opt%1FileType").arg(name), fileTypeCaptions, types,
                                       [this](int index) { fileTypeChosen(index); });
    types->addStretch(1);
    txtJPGquality_ = named(new QLineEdit(this), QStringLiteral("txt%1JPGquality").arg(name));
    txtJPGquality_->setToolTip(tr(qualityTip));
    txtJPGquality_->setAccessibleName(tr("JPG quality"));
    txtJPGquality_->setFixedWidth(qualityBoxWidth);
    // Only the jpg option enables it; no option is chosen before the settings load.
    txtJPGquality_->setEnabled(false);
    connect(txtJPGquality_, &QLineEdit::editingFinished, this, &SaveOptionsBox::qualityEdited);
    types->addWidget(txtJPGquality_);
    return types;
}

QLayout *SaveOptionsBox::buildNameRow(const QString &name)
{
    auto *names = new QHBoxLayout;
    txtPrefix_ = named(new QLineEdit(this), QStringLiteral("txt%1Prefix").arg(name));
    txtSuffix_ = named(new QLineEdit(this), QStringLiteral("txt%1Suffix").arg(name));
    connect(txtPrefix_, &QLineEdit::editingFinished, this,
            [this] { options().prefix = capture::prefixFromBox(txtPrefix_->text()); });
    connect(txtSuffix_, &QLineEdit::editingFinished, this,
            [this] { options().suffix = capture::suffixFromBox(txtSuffix_->text()); });
    for (auto [caption, box] : {std::pair{tr(prefixCaption), txtPrefix_}, std::pair{tr(suffixCaption), txtSuffix_}}) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(box);
        box->setMinimumWidth(nameBoxWidth);
        names->addWidget(label);
        names->addWidget(box, 1);
    }
    return names;
}

QLayout *SaveOptionsBox::buildFolderRow(const QString &name, const KindTexts &texts)
{
    auto *folder = new QHBoxLayout;
    chkDefaultPath_ = new GreyableCheckBox(QStringLiteral("chk%1DefaultPath").arg(name), tr(defaultPathCaption), this);
    chkDefaultPath_->setToolTip(tr(texts.defaultPathTip));
    connect(chkDefaultPath_, &QCheckBox::stateChanged, this, &SaveOptionsBox::defaultPathChanged);
    txtCustomSavePath_ = named(new QLineEdit(this), QStringLiteral("txt%1CustomSavePath").arg(name));
    txtCustomSavePath_->setToolTip(tr(texts.customPathTip));
    connect(txtCustomSavePath_, &QLineEdit::textChanged, this,
            [this](const QString &text) { options().customFolder = text; });
    auto *customLabel = new QLabel(tr(customPathCaption), this);
    customLabel->setBuddy(txtCustomSavePath_);
    folder->addWidget(chkDefaultPath_);
    folder->addSpacing(6);
    folder->addWidget(customLabel);
    folder->addWidget(txtCustomSavePath_, 1);
    return folder;
}

capture::KindOptions &SaveOptionsBox::options()
{
    return state_.kind(kind_);
}

void SaveOptionsBox::addTopRow(QWidget *control)
{
    control->setParent(this);
    rows_->insertWidget(0, control);
}

void SaveOptionsBox::fileTypeChosen(int index)
{
    txtJPGquality_->setEnabled(index == jpgIndex);
    options().fileType = capture::fileTypes[size_t(index)];
}

void SaveOptionsBox::selectFileType(const QString &fileType)
{
    const int index = capture::fileTypeIndex(fileType);
    if (index >= 0) {
        QRadioButton *option = optFileType_[index];
        if (option->isChecked())
            fileTypeChosen(index); // no state change, so no toggled: run it here
        else
            option->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked button go unless it is let out first.
    for (QRadioButton *option : optFileType_) {
        if (!option->isChecked())
            continue;
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    txtJPGquality_->setEnabled(false);
    options().fileType = fileType;
}

void SaveOptionsBox::defaultPathChanged(int state)
{
    txtCustomSavePath_->setEnabled(state != Qt::Checked);
    state_.setDefaultPath(kind_, Qt::CheckState(state));
}

void SaveOptionsBox::qualityEdited()
{
    options().quality = capture::qualityNumber(capture::qualityText(txtJPGquality_->text()));
    txtJPGquality_->setText(QString::number(options().quality) + u'%');
}

void SaveOptionsBox::showOptions()
{
    selectFileType(options().fileType);
    txtJPGquality_->setText(capture::qualityText(QString::number(options().quality)));
    // The boxes show the words; the values held carry the blank that joins them to the name.
    txtPrefix_->setText(capture::prefixForBox(options().prefix));
    txtSuffix_->setText(capture::suffixForBox(options().suffix));
    chkDefaultPath_->setCheckState(state_.defaultPathBox(kind_));
    txtCustomSavePath_->setText(options().customFolder);
}
