#include "app/merge/mergepage.h"

#include "app/merge/bmpconverter.h"
#include "app/merge/colourbalance.h"
#include "app/merge/mergelayout.h"
#include "app/saving/saveroutine.h"
#include "app/widgets/dropdownlist.h"
#include "compose/compose.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>

// The stock artwork sits in the window library, which the linker would otherwise leave
// out of the program; registering it twice would do no harm, but once is enough.
static void registerArtwork()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(artwork);
        return true;
    }();
    (void)once;
}

using namespace mergeLayout;

namespace {

const char *const nameTitle = QT_TRANSLATE_NOOP("MergePage", "Name");
const char *const storeTip = QT_TRANSLATE_NOOP("MergePage", "Drag and drop layers, double click to save.");
const char *const edgeEffectTip = QT_TRANSLATE_NOOP("MergePage", "Icon outlines.");
const char *const saveFileCaption = QT_TRANSLATE_NOOP("MergePage", "Save File");
// The outline drop-down's entries as listed; each item keeps its untranslated name, which
// names the effect.
const char *const edgeEffects[] = {
    QT_TRANSLATE_NOOP("MergePage", "Acid"),      QT_TRANSLATE_NOOP("MergePage", "Bludgeon"),
    QT_TRANSLATE_NOOP("MergePage", "Cold"),      QT_TRANSLATE_NOOP("MergePage", "Fire"),
    QT_TRANSLATE_NOOP("MergePage", "Lightning"), QT_TRANSLATE_NOOP("MergePage", "Magic"),
    QT_TRANSLATE_NOOP("MergePage", "Spell Vuln"), QT_TRANSLATE_NOOP("MergePage", "None"),
    QT_TRANSLATE_NOOP("MergePage", "Nonmagic"),  QT_TRANSLATE_NOOP("MergePage", "Pierce"),
    QT_TRANSLATE_NOOP("MergePage", "Slash"),
};
const char *const saveFileTip = QT_TRANSLATE_NOOP("MergePage", "When unchecked, will not save resulting icon.");

QString tileResource(int index)
{
    // Index 33 is the result picture, so the tiles after it are numbered one lower.
    const int tile = index < MergePage::resultIndex ? index : index - 1;
    return QStringLiteral(":/tiles/tile%1.png").arg(tile, 2, 10, QLatin1Char('0'));
}

QPoint backingPosition(int index)
{
    if (index == MergePage::workingIndex || index == MergePage::resultIndex)
        return {margin + (index == MergePage::workingIndex ? 0 : 40), margin};
    const int place = index < MergePage::resultIndex ? index - 1 : index - 2;
    return {margin + place % tileColumns * pitch, tilesTop + place / tileColumns * pitch};
}

} // namespace

MergePage::MergePage(SaveRoutine &saveRoutine, QWidget *parent)
    : PictureArea(QStringLiteral("picIconMerge"), parent), saveRoutine_(saveRoutine)
{
    registerArtwork();
    resize(304, pageHeight);
    buildTiles();
    buildEffectControls();
    buildStore();
    new ColourBalance(
        this, [this] { return picBacking_[workingIndex]->picture(); }, [this](const QImage &result) { save(result); });
    new BmpConverter(this);
}

void MergePage::buildTiles()
{
    for (int i = 0; i < backingCount; ++i) {
        PictureArea *area = makeIconArea(QStringLiteral("picBacking_%1").arg(i), backingPosition(i), this);
        picBacking_.append(area);
        area->setSubject(i == workingIndex ? tr("Working icon")
                         : i == resultIndex ? tr("Merged icon")
                                            : tr("Backing tile %1").arg(i < resultIndex ? i : i - 1));
        if (i == workingIndex || i == resultIndex)
            continue;
        const QImage tile(tileResource(i));
        if (!tile.isNull())
            area->setPicture(compose::workingIcon(tile));
        area->setDragSource(true);
        area->setAcceptsFiles(true);
        // A bitmap brings no file: the icon already there is laid over the tile.
        area->setAcceptsPictures(true);
        connect(area, &PictureArea::filesDropped, this, [this, i](const QStringList &files) { dropOnTile(i, files); });
        connect(area, &PictureArea::pictureDropped, this, [this, i] { dropOnTile(i, {}); });
    }
    workingBase_ = picBacking_[workingIndex]->picture();
    addLabel(tr("Icon"), QRect(margin, margin + 32, 32, 14), this);
    addLabel(tr("Result"), QRect(margin + 40, margin + 32, 40, 14), this);
}

void MergePage::buildEffectControls()
{
    cmbEdgeEffect_ = new QComboBox(this);
    cmbEdgeEffect_->setObjectName(QStringLiteral("cmbEdgeEffect"));
    for (const char *entry : edgeEffects)
        cmbEdgeEffect_->addItem(tr(entry), QString::fromLatin1(entry));
    cmbEdgeEffect_->setCurrentIndex(cmbEdgeEffect_->findData(QStringLiteral("None")));
    cmbEdgeEffect_->setToolTip(tr(edgeEffectTip));
    cmbEdgeEffect_->setGeometry(96, margin, 100, 22);
    connect(cmbEdgeEffect_, &QComboBox::activated, this, [this](int index) {
        if (const auto effect = compose::edgeEffectFor(cmbEdgeEffect_->itemData(index).toString()))
            edgeEffect_ = *effect;
    });

    cmbMask1_ = new QComboBox(this);
    cmbMask1_->setObjectName(QStringLiteral("cmbMask1"));
    cmbMask1_->setEditable(true);
    cmbMask1_->setInsertPolicy(QComboBox::NoInsert);
    cmbMask1_->addItems(compose::maskEntries);
    cmbMask1_->setGeometry(204, margin, 60, 22);
    addLabel(tr("Mask"), QRect(268, margin + 3, 34, 16), this, cmbMask1_);
    dropDownList::nameTyped(cmbMask1_, tr("Mask"));
    connect(cmbMask1_, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (const auto mask = compose::maskColour(text))
            maskColour_ = *mask;
    });
    cmbMask1_->setCurrentText(QStringLiteral("255"));
    maskColour_ = compose::maskColour(cmbMask1_->currentText()).value_or(compose::white);

    chkSaveFile_ = new QCheckBox(tr(saveFileCaption), this);
    chkSaveFile_->setObjectName(QStringLiteral("chkSaveFile"));
    chkSaveFile_->setToolTip(tr(saveFileTip));
    chkSaveFile_->setChecked(true);
    chkSaveFile_->setGeometry(96, margin + 26, 100, 20);
}

void MergePage::buildStore()
{
    addLabel(tr("Store"), QRect(margin, storeTop - 16, 100, 14), this);
    for (int s = 0; s < storeCount; ++s) {
        PictureArea *slot = makeIconArea(QStringLiteral("picStore_%1").arg(s), QPoint(margin + s * pitch, storeTop), this);
        picStore_.append(slot);
        slot->setSubject(tr("Store slot %1").arg(s + 1));
        slot->setDragSource(true);
        connect(slot, &PictureArea::doubleClicked, this, [this, slot] { save(slot->picture()); });
        if (s == 0)
            continue;
        slot->setToolTip(tr(storeTip));
        slot->setAcceptsFiles(true);
        slot->setAcceptsPictures(true);
        connect(slot, &PictureArea::pictureDropped, this,
                [this, s](const QImage &picture, Qt::KeyboardModifiers modifiers) { dropPictureOnSlot(s, picture, modifiers); });
        connect(slot, &PictureArea::filesDropped, this, [this, s](const QStringList &files) { dropFilesOnSlot(s, files); });
    }
    for (int s : {5, 6}) {
        const QImage start(QStringLiteral(":/tiles/slot%1.png").arg(s));
        if (!start.isNull())
            picStore_[s]->setPicture(compose::workingIcon(start));
    }
}

QList<PictureArea *> MergePage::focusAreas() const
{
    return QList<PictureArea *>{const_cast<MergePage *>(this)} + picBacking_ + picStore_;
}

void MergePage::eraseWorkingOutline()
{
    picBacking_[workingIndex]->setPicture(workingBase_);
}

bool MergePage::loadWorkingIcon(const QStringList &files)
{
    if (files.isEmpty())
        return false;
    const PictureRead read = loadFile(files.first());
    if (!read.ok())
        return false;
    workingBase_ = compose::workingIcon(read.picture);
    picBacking_[workingIndex]->setPicture(workingBase_);
    return true;
}

void MergePage::outlineWorkingIcon()
{
    if (edgeEffect_ == 0)
        return;
    QImage icon = picBacking_[workingIndex]->picture();
    compose::outline(icon, edgeEffect_, maskColour_);
    picBacking_[workingIndex]->setPicture(icon);
}

QImage MergePage::composeOver(const QImage &background, QRgb transparent)
{
    QImage result = compose::workingIcon(background);
    compose::composeOnto(picBacking_[workingIndex]->picture(), result, transparent);
    picBacking_[resultIndex]->setPicture(result);
    return result;
}

void MergePage::dropOnTile(int index, const QStringList &files)
{
    // A file that cannot be read still leaves the previous icon to lay over the tile.
    eraseWorkingOutline();
    loadWorkingIcon(files);
    outlineWorkingIcon();
    const QImage result = composeOver(picBacking_[index]->picture(), compose::white);
    if (chkSaveFile_->isChecked()) {
        save(result);
        QCoreApplication::processEvents();
    }
}

void MergePage::dropPictureOnSlot(int slot, const QImage &picture, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held == Qt::NoModifier) {
        picStore_[slot]->setPicture(compose::workingIcon(picture));
        return;
    }
    if (held != Qt::ShiftModifier)
        return;
    workingBase_ = compose::workingIcon(picture);
    eraseWorkingOutline();
    outlineWorkingIcon();
    picStore_[slot]->setPicture(composeOver(picStore_[slot]->picture(), maskColour_));
}

void MergePage::dropFilesOnSlot(int slot, const QStringList &files)
{
    eraseWorkingOutline();
    if (!loadWorkingIcon(files))
        return;
    outlineWorkingIcon();
    picStore_[slot]->setPicture(composeOver(picStore_[slot]->picture(), compose::white));
    QCoreApplication::processEvents();
}

void MergePage::save(const QImage &picture)
{
    const auto name = saveRoutine_.nameStep(tr(nameTitle), {capture::ImageKind::Icon});
    if (!name)
        return;
    bool gifShown = false;
    if (!saveRoutine_.writeStep(capture::ImageKind::Icon, compose::workingIcon(picture), *name, &gifShown))
        return;
    // Composed icons copy their name whenever the box is checked, greyed or not.
    saveRoutine_.autocopyStep(*name, false);
}
