#include "app/merge/mergepage.h"

#include "app/widgets/dropsupport.h"
#include "app/saving/saveroutine.h"
#include "common/numconv.h"
#include "common/programinfo.h"
#include "compose/compose.h"
#include "image/bmpfile.h"
#include "image/loadimagefile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

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

namespace {

const QString nameTitle = QStringLiteral("Name");
const QString storeTip = QStringLiteral("Drag and drop layers, double click to save.");
const QString edgeEffectTip = QStringLiteral("Icon outlines.");
const QString saveFileCaption = QStringLiteral("Save File");
const QString saveFileTip = QStringLiteral("When unchecked, will not save resulting icon.");
const QString converterTip = QStringLiteral("Drag and drop PNGs to be converted to BMPs");
const QString notConvertedText = QStringLiteral("These files could not be converted:");
const QString notAPictureReason = QStringLiteral("not a BMP, GIF, JPG or PNG file");
const QStringList colourBalanceStart = {QStringLiteral("99.27"), QStringLiteral("84.21"), QStringLiteral("63.56")};
const QString grayStart = QStringLiteral("100");
const QString conformityStart = QStringLiteral("0");
const QString bmpToJpgText = QStringLiteral("JPG\n");
const QString bmpToPngText = QStringLiteral("PNG\n");
const QColor converterColour(255, 0, 0);
constexpr QSize iconSize(compose::side, compose::side);
constexpr QSize converterSize(48, 16);

// Where the 45 tiles lie: eight to a row below the working icon and the result.
constexpr int tileColumns = 8;
constexpr int pitch = 36;
constexpr int margin = 8;
constexpr int tilesTop = 56;

QString tileResource(int index)
{
    // Index 33 is the result picture, so the tiles after it are numbered one lower.
    const int tile = index < MergePage::resultIndex ? index : index - 1;
    return QStringLiteral(":/tiles/tile%1.png").arg(tile, 2, 10, QLatin1Char('0'));
}

// A box whose every typed key nudges its partner; it shows only the last key.
class NudgeBox : public QLineEdit {
public:
    NudgeBox(const QString &name, QLineEdit *partner, QWidget *parent) : QLineEdit(parent), partner_(partner)
    {
        setObjectName(name);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const QString typed = event->text();
        if (typed.size() == 1 && typed.at(0).isPrint()) {
            if (const auto nudged = compose::nudge(partner_->text(), typed.at(0)))
                partner_->setText(*nudged);
            clear();
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    QLineEdit *partner_;
};

PictureArea *makeIconArea(const QString &name, QPoint at, QWidget *parent)
{
    auto *area = new PictureArea(name, parent);
    area->setGeometry(QRect(at, iconSize));
    area->setBackColor(QColor::fromRgb(compose::emptyColour));
    area->clearPicture();
    return area;
}

QLineEdit *makeBox(const QString &name, const QString &text, QRect geometry, QWidget *parent)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

void addLabel(const QString &caption, QRect geometry, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(geometry);
}

// The file's picture when it can be read: the reason otherwise.
std::optional<QImage> loadFile(const QString &file, QString *reason = nullptr)
{
    QImage picture;
    switch (modVandrel::LoadImageFile(file, picture, reason)) {
    case modVandrel::ImageFileLoad::Loaded:
        return picture;
    case modVandrel::ImageFileLoad::Ignored:
        if (reason)
            *reason = notAPictureReason;
        break;
    case modVandrel::ImageFileLoad::Failed:
        break;
    }
    return std::nullopt;
}

} // namespace

MergePage::MergePage(SaveRoutine &saveRoutine, QWidget *parent)
    : PictureArea(QStringLiteral("picIconMerge"), parent), saveRoutine_(saveRoutine)
{
    registerArtwork();
    resize(304, 575);
    buildIconControls();
    buildColourControls();
    buildConverter();
}

void MergePage::buildIconControls()
{
    for (int i = 0; i < backingCount; ++i) {
        QPoint at;
        if (i == workingIndex || i == resultIndex) {
            at = QPoint(margin + (i == workingIndex ? 0 : 40), margin);
        } else {
            const int place = i < resultIndex ? i - 1 : i - 2;
            at = QPoint(margin + place % tileColumns * pitch, tilesTop + place / tileColumns * pitch);
        }
        PictureArea *area = makeIconArea(QStringLiteral("picBacking_%1").arg(i), at, this);
        picBacking_.append(area);
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
    addLabel(QStringLiteral("Icon"), QRect(margin, margin + 32, 32, 14), this);
    addLabel(QStringLiteral("Result"), QRect(margin + 40, margin + 32, 40, 14), this);

    cmbEdgeEffect_ = new QComboBox(this);
    cmbEdgeEffect_->setObjectName(QStringLiteral("cmbEdgeEffect"));
    cmbEdgeEffect_->addItems(compose::edgeEffectEntries());
    cmbEdgeEffect_->setCurrentText(QStringLiteral("None"));
    cmbEdgeEffect_->setToolTip(edgeEffectTip);
    cmbEdgeEffect_->setGeometry(96, margin, 100, 22);
    connect(cmbEdgeEffect_, &QComboBox::activated, this, [this](int index) {
        if (const auto effect = compose::edgeEffectFor(cmbEdgeEffect_->itemText(index)))
            edgeEffect_ = *effect;
    });

    cmbMask1_ = new QComboBox(this);
    cmbMask1_->setObjectName(QStringLiteral("cmbMask1"));
    cmbMask1_->setEditable(true);
    cmbMask1_->setInsertPolicy(QComboBox::NoInsert);
    cmbMask1_->addItems(compose::maskEntries);
    cmbMask1_->setGeometry(204, margin, 60, 22);
    addLabel(QStringLiteral("Mask"), QRect(268, margin + 3, 34, 16), this);
    connect(cmbMask1_, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (const auto mask = compose::maskColour(text))
            maskColour_ = *mask;
    });
    cmbMask1_->setCurrentText(QStringLiteral("255"));
    maskColour_ = compose::maskColour(cmbMask1_->currentText()).value_or(compose::white);

    chkSaveFile_ = new QCheckBox(saveFileCaption, this);
    chkSaveFile_->setObjectName(QStringLiteral("chkSaveFile"));
    chkSaveFile_->setToolTip(saveFileTip);
    chkSaveFile_->setChecked(true);
    chkSaveFile_->setGeometry(96, margin + 26, 100, 20);

    const int storeTop = tilesTop + 6 * pitch + 22;
    addLabel(QStringLiteral("Store"), QRect(margin, storeTop - 16, 100, 14), this);
    for (int s = 0; s < storeCount; ++s) {
        PictureArea *slot = makeIconArea(QStringLiteral("picStore_%1").arg(s), QPoint(margin + s * pitch, storeTop), this);
        picStore_.append(slot);
        slot->setDragSource(true);
        connect(slot, &PictureArea::doubleClicked, this, [this, slot] { save(slot->picture()); });
        if (s == 0)
            continue;
        slot->setToolTip(storeTip);
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

QList<QWidget *> MergePage::keyControls() const
{
    QList<QWidget *> controls = {const_cast<MergePage *>(this)};
    for (PictureArea *area : picBacking_)
        controls.append(area);
    for (PictureArea *area : picStore_)
        controls.append(area);
    controls += {cmbEdgeEffect_, chkSaveFile_};
    return controls;
}

void MergePage::eraseWorkingOutline()
{
    picBacking_[workingIndex]->setPicture(workingBase_);
}

bool MergePage::loadWorkingIcon(const QStringList &files)
{
    if (files.isEmpty())
        return false;
    const auto loaded = loadFile(files.first());
    if (!loaded)
        return false;
    workingBase_ = compose::workingIcon(*loaded);
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

void MergePage::dropOnTile(int index, const QStringList &files)
{
    // A file that cannot be read still leaves the previous icon to lay over the tile.
    eraseWorkingOutline();
    loadWorkingIcon(files);
    outlineWorkingIcon();
    QImage result = compose::workingIcon(picBacking_[index]->picture());
    compose::composeOnto(picBacking_[workingIndex]->picture(), result, compose::white);
    picBacking_[resultIndex]->setPicture(result);
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
    QImage result = compose::workingIcon(picStore_[slot]->picture());
    compose::composeOnto(picBacking_[workingIndex]->picture(), result, maskColour_);
    picBacking_[resultIndex]->setPicture(result);
    picStore_[slot]->setPicture(result);
}

void MergePage::dropFilesOnSlot(int slot, const QStringList &files)
{
    eraseWorkingOutline();
    if (!loadWorkingIcon(files))
        return;
    outlineWorkingIcon();
    QImage result = compose::workingIcon(picStore_[slot]->picture());
    compose::composeOnto(picBacking_[workingIndex]->picture(), result, compose::white);
    picBacking_[resultIndex]->setPicture(result);
    picStore_[slot]->setPicture(result);
    QCoreApplication::processEvents();
}

void MergePage::save(const QImage &picture)
{
    const auto name = saveRoutine_.nameStep(nameTitle);
    if (!name)
        return;
    bool gifShown = false;
    if (!saveRoutine_.writeStep(capture::ImageKind::Icon, compose::workingIcon(picture), *name, &gifShown))
        return;
    // Composed icons copy their name whenever the box is checked, greyed or not.
    saveRoutine_.autocopyStep(*name, false);
}

void MergePage::buildColourControls()
{
    const int top = tilesTop + 6 * pitch + 22 + 32 + 24;
    addLabel(QStringLiteral("Mask, source, result, conformity"), QRect(margin, top - 16, 280, 14), this);
    picMask_ = makeIconArea(QStringLiteral("picMask"), QPoint(margin, top), this);
    picColorBalance_ = makeIconArea(QStringLiteral("picColorBalance"), QPoint(margin + pitch, top), this);
    picColorBalanceResult_ = makeIconArea(QStringLiteral("picColorBalanceResult"), QPoint(margin + 2 * pitch, top), this);
    txtConformity_ = makeBox(QStringLiteral("txtConformity"), conformityStart, QRect(margin + 3 * pitch + 4, top + 5, 120, 22), this);

    for (PictureArea *area : {picMask_, picColorBalance_}) {
        area->setDragSource(true);
        area->setAcceptsFiles(true);
        area->setAcceptsPictures(true);
    }
    connect(picMask_, &PictureArea::pictureDropped, this, [this](const QImage &picture) { dropOnMask(picture); });
    connect(picMask_, &PictureArea::filesDropped, this, [this](const QStringList &files) {
        // An unreadable file leaves the picture there, and the comparison still runs.
        dropOnMask(loadFile(files.first()).value_or(picMask_->picture()));
    });
    connect(picColorBalance_, &PictureArea::pictureDropped, this,
            [this](const QImage &picture) { picColorBalance_->setPicture(compose::workingIcon(picture)); });
    connect(picColorBalance_, &PictureArea::filesDropped, this, [this](const QStringList &files) {
        if (const auto loaded = loadFile(files.first()))
            picColorBalance_->setPicture(compose::workingIcon(*loaded));
    });
    connect(picColorBalanceResult_, &PictureArea::doubleClicked, this, [this] { save(picColorBalanceResult_->picture()); });

    const int boxTop = top + 40;
    addLabel(QStringLiteral("Red, green, blue %, gray %"), QRect(margin, boxTop, 280, 14), this);
    for (int i = 0; i <= 3; ++i) {
        const QRect box(margin + i * 68, boxTop + 16, 60, 22);
        QLineEdit *partner = i < 3 ? makeBox(QStringLiteral("txtColorBalance_%1").arg(i), colourBalanceStart[i], box, this)
                                   : makeBox(QStringLiteral("txtGray"), grayStart, box, this);
        const QString nudgeName = i < 3 ? QStringLiteral("txtTemp_%1").arg(i) : QStringLiteral("txtTemp3");
        auto *nudge = new NudgeBox(nudgeName, partner, this);
        nudge->setGeometry(box.left(), box.bottom() + 4, 24, 22);
        if (i < 3) {
            txtColorBalance_.append(partner);
            connect(partner, &QLineEdit::textChanged, this, &MergePage::balanceColours);
        } else {
            txtGray_ = partner;
            connect(partner, &QLineEdit::textChanged, this, &MergePage::adjustOverall);
        }
    }
}

void MergePage::dropOnMask(const QImage &picture)
{
    picMask_->setPicture(compose::workingIcon(picture));
    picColorBalanceResult_->setPicture(compose::maskByDifference(picMask_->picture(), picColorBalance_->picture()));
}

void MergePage::balanceColours()
{
    float factors[3];
    for (int i = 0; i < 3; ++i) {
        const auto percent = numbers::toSingle(txtColorBalance_[i]->text());
        if (!percent)
            return;
        factors[i] = *percent / 100.0f;
    }
    showResult(compose::colourBalance(picColorBalance_->picture(), factors[0], factors[1], factors[2]));
}

void MergePage::adjustOverall()
{
    const auto percent = numbers::toSingle(txtGray_->text());
    if (!percent)
        return;
    showResult(compose::overallAdjustment(picColorBalance_->picture(), *percent / 100.0f));
}

void MergePage::showResult(const QImage &result)
{
    picColorBalanceResult_->setPicture(result);
    txtConformity_->setText(compose::conformityText(compose::conformity(picBacking_[workingIndex]->picture(), result)));
}

void MergePage::buildConverter()
{
    const int top = 575 - 56;
    picConvertPNGtoBMP_ = new PictureArea(QStringLiteral("picConvertPNGtoBMP"), this);
    addLabel(QStringLiteral("To BMP"), QRect(margin, top - 6, 48, 16), this);
    picConvertPNGtoBMP_->setGeometry(QRect(QPoint(margin, top + 12), converterSize));
    picConvertPNGtoBMP_->setBackColor(converterColour);
    picConvertPNGtoBMP_->clearPicture();
    picConvertPNGtoBMP_->setToolTip(converterTip);
    picConvertPNGtoBMP_->setAcceptsFiles(true);
    connect(picConvertPNGtoBMP_, &PictureArea::filesDropped, this, &MergePage::convert);

    const QString names[2] = {QStringLiteral("txtBMPtoJPG"), QStringLiteral("txtBMPtoPNG")};
    const QString texts[2] = {bmpToJpgText, bmpToPngText};
    for (int i = 0; i < 2; ++i) {
        auto *box = new QPlainTextEdit(texts[i], this);
        box->setObjectName(names[i]);
        box->setGeometry(margin + 56 + i * 68, top, 60, 44);
        // Only a label beside "To BMP": a file dropped here by mistake must not land in it.
        dropSupport::refuseDrops(box);
    }
}

void MergePage::convert(const QStringList &files)
{
    QStringList failures;
    for (const QString &file : files) {
        QString reason;
        if (const auto loaded = loadFile(file, &reason)) {
            picConvertPNGtoBMP_->setPicture(*loaded);
            if (!imageFiles::SaveBMP(*loaded, compose::bmpPathFor(file), &reason))
                failures.append(QStringLiteral("%1: %2").arg(compose::bmpPathFor(file), reason));
        } else {
            failures.append(QStringLiteral("%1: %2").arg(file, reason));
        }
        // Many large files take a while: the window keeps showing each one.
        QCoreApplication::processEvents();
    }
    if (!failures.isEmpty())
        QMessageBox::warning(this, programInfo::title, notConvertedText + u'\n' + failures.join(u'\n'));
}
