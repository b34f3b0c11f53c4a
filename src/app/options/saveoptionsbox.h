#pragma once
// The save options of one image kind on the options tab: file type, JPG quality, prefix,
// suffix and folder. One class serves the three kinds; its handlers keep the kind's options
// in the capture state in step with the controls.

#include "capture/saveoptions.h"

#include <QGroupBox>
#include <QList>
#include <array>

class GreyableCheckBox;
class QLayout;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;
struct CaptureState;

class SaveOptionsBox : public QGroupBox {
    Q_OBJECT

public:
    // The texts that differ between the kinds.
    struct KindTexts {
        const char *title;
        const char *defaultPathTip;
        const char *customPathTip;
    };

    SaveOptionsBox(capture::ImageKind kind, CaptureState &state, QWidget *parent);

    // A control that belongs to this kind alone, shown above the file types.
    void addTopRow(QWidget *control);

    // The controls show the kind's options as held.
    void showOptions();

private:
    QLayout *buildTypeRow(const QString &name);
    QLayout *buildNameRow(const QString &name);
    QLayout *buildFolderRow(const QString &name, const KindTexts &texts);
    capture::KindOptions &options();
    // Selects the option of the file type, or none for a type that has no option.
    void selectFileType(const QString &fileType);
    void fileTypeChosen(int index);
    void defaultPathChanged(int state);
    void qualityEdited();

    capture::ImageKind kind_;
    CaptureState &state_;
    QVBoxLayout *rows_ = nullptr;
    QList<QRadioButton *> optFileType_;
    QLineEdit *txtJPGquality_ = nullptr;
    QLineEdit *txtPrefix_ = nullptr;
    QLineEdit *txtSuffix_ = nullptr;
    GreyableCheckBox *chkDefaultPath_ = nullptr;
    QLineEdit *txtCustomSavePath_ = nullptr;
};
