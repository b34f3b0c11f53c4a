#pragma once
// Tab "6 Options": the save options of the three image kinds, Autoname and Autocopy File
// Name, the icon position and its training.

#include "app/widgets/picturearea.h"
#include "capture/saveoptions.h"

#include <QList>
#include <array>
#include <functional>

class IconPositionBox;
class IconTrainer;
class QCheckBox;
class QComboBox;
class QVBoxLayout;
class SaveOptionsBox;
class WindowOptions;
struct CaptureState;

class OptionsPage : public PictureArea {
    Q_OBJECT

public:
    // focusFob gives the keyboard focus back to the window's focus holder.
    OptionsPage(CaptureState &state, std::function<void()> focusFob, QWidget *parent);

    WindowOptions *windowOptions() const { return windowOptions_; }

    // The start-up shows the options held, step by step in its order.
    void placeTrainingArea();
    void showNameOptions();
    void showKind(capture::ImageKind kind);
    void showIconPosition();
    // The options added for the wiki: what autocopy copies, name checks, small files.
    void showWikiOptions();

    // The tab switch abandons a training in progress.
    void hideTraining();

    // The picture areas that take the focus by a click, so that the window's shortcuts work
    // from them as from a button.
    QList<PictureArea *> focusAreas() const;

signals:
    // An icon training starts on this screenshot.
    void trainingScreenshot(const QImage &screenshot);
    // "Wiki..." and "Uploads..." were clicked.
    void wikiAccountWanted();
    void uploadsWanted();

private:
    // Autoname, and Autocopy File Name with its choice of what it copies.
    void buildNameOptions(QWidget *content, QVBoxLayout *rows);
    // Autoname and uploading both on: a warning, once a run.
    void warnOfTimeNamesOnWiki();

    CaptureState &state_;
    QCheckBox *chkAutoName_ = nullptr;
    QCheckBox *chkAutoCopyName_ = nullptr;
    QCheckBox *chkSaveStatsPanel_ = nullptr;
    QComboBox *cmbAutoCopyKind_ = nullptr;
    QCheckBox *chkWikiNames_ = nullptr;
    QCheckBox *chkSmallPng_ = nullptr;
    QCheckBox *chkUploadAfterSave_ = nullptr;
    QCheckBox *chkCreatePages_ = nullptr;
    std::array<SaveOptionsBox *, 3> kinds_{}; // indexed by capture::ImageKind
    IconPositionBox *iconPosition_ = nullptr;
    IconTrainer *trainer_ = nullptr;
    WindowOptions *windowOptions_ = nullptr;
    bool timeNamesWarned_ = false;
};
