#pragma once
// Tab "4 Merge": icons laid over stock backgrounds and store slots, outlines by damage
// type, masks by difference, colour balance against the working icon, PNG to BMP.

#include "app/widgets/picturearea.h"

#include <QList>
#include <QRgb>

class QCheckBox;
class QComboBox;
class SaveRoutine;

class MergePage : public PictureArea {
    Q_OBJECT

public:
    static constexpr int backingCount = 47;
    static constexpr int workingIndex = 0;
    static constexpr int resultIndex = 33;
    static constexpr int storeCount = 7;

    MergePage(SaveRoutine &saveRoutine, QWidget *parent = nullptr);

    // The picture areas that take the focus by a click, so that the window's shortcuts work
    // from them as from a button.
    QList<PictureArea *> focusAreas() const;

    int edgeEffect() const { return edgeEffect_; }
    QRgb maskColour() const { return maskColour_; }

private:
    void buildTiles();
    void buildEffectControls();
    void buildStore();

    void dropOnTile(int index, const QStringList &files);
    void dropPictureOnSlot(int slot, const QImage &picture, Qt::KeyboardModifiers modifiers);
    void dropFilesOnSlot(int slot, const QStringList &files);
    // Lays the working icon over a copy of background and shows it as the result.
    QImage composeOver(const QImage &background, QRgb transparent);
    void save(const QImage &picture);

    // The working icon without its outline; the outline is only ever drawn over it.
    void eraseWorkingOutline();
    bool loadWorkingIcon(const QStringList &files);
    void outlineWorkingIcon();

    SaveRoutine &saveRoutine_;
    QList<PictureArea *> picBacking_;
    QList<PictureArea *> picStore_;
    QComboBox *cmbMask1_ = nullptr;
    QComboBox *cmbEdgeEffect_ = nullptr;
    QCheckBox *chkSaveFile_ = nullptr;

    QImage workingBase_;
    int edgeEffect_ = 0;
    QRgb maskColour_ = 0xffffffff;
};
