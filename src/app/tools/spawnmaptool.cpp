#include "app/tools/spawnmaptool.h"

#include "app/saving/capturestate.h"
#include "app/saving/problemwords.h"
#include "app/saving/saveroutine.h"
#include "app/widgets/clipboardglue.h"
#include "app/widgets/mouseupbutton.h"
#include "app/widgets/picturearea.h"
#include "capture/saveoptions.h"
#include "common/modvandrel.h"
#include "common/paths.h"
#include "image/imagefiles.h"
#include "image/pngcodec.h"
#include "spawnmap/spawnmap.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

constexpr int buttonHeight = 27;
constexpr int gap = 7;
// Columns drawn between two looks at the event queue: often enough to see the map grow,
// rarely enough that the repaints cost little.
constexpr int strip = 32;

// The busy pointer over the tools panel for as long as the map is being drawn.
class BusyPointer {
public:
    explicit BusyPointer(QWidget *panel) : panel_(panel) { panel_->setCursor(Qt::WaitCursor); }
    ~BusyPointer() { panel_->unsetCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    QWidget *panel_;
};

} // namespace

SpawnMapTool::SpawnMapTool(const QString &programFolder, CaptureState &state, SaveRoutine &saveRoutine, QWidget *parent)
    : QWidget(parent), programFolder_(programFolder), state_(state), saveRoutine_(saveRoutine)
{
    // The map at the left, the button beside it: the tools panel has no height to spare.
    constexpr int buttonWidth = 328 - spawnMap::mapSize - gap;
    resize(328, spawnMap::mapSize);
    cmdCreateSpawnMap_ = new MouseUpButton(QStringLiteral("cmdCreateSpawnMap"), tr("Create Spawn Map"), this);
    cmdCreateSpawnMap_->setToolTip(tr("Detailed instructions on Quillmark page."));
    cmdCreateSpawnMap_->setWordWrap(true);
    cmdCreateSpawnMap_->setGeometry(spawnMap::mapSize + gap, 0, buttonWidth, 2 * buttonHeight);
    connect(cmdCreateSpawnMap_, &QPushButton::clicked, this, &SpawnMapTool::cmdCreateSpawnMap_Click);

    picSpawnMap_ = new PictureArea(QStringLiteral("picSpawnMap"), this);
    picSpawnMap_->setBackColor(Qt::white);
    picSpawnMap_->setGeometry(0, 0, spawnMap::mapSize, spawnMap::mapSize);
    picSpawnMap_->clearPicture();
    picSpawnMap_->setSubject(tr("Spawn map"));

    // Holders of the two screenshots; the user never sees them.
    picSpawnMapBase_ = new PictureArea(QStringLiteral("picSpawnMapBase"), this);
    picSpawnMapCompare_ = new PictureArea(QStringLiteral("picSpawnMapCompare"), this);
    picSpawnMapBase_->hide();
    picSpawnMapCompare_->hide();
}

QList<PictureArea *> SpawnMapTool::focusAreas() const
{
    return {picSpawnMap_};
}

void SpawnMapTool::cmdCreateSpawnMap_Click()
{
    if (running_)
        return;
    running_ = true;
    createSpawnMap();
    running_ = false;
}

void SpawnMapTool::createSpawnMap()
{
    QWidget *window = this->window();
    const QString title = tr("Spawn Map");
    // Hand-edited settings must not make the map from wrapped coordinates.
    const QPoint offset = state_.spawnOffset();
    if (!spawnMap::offsetValid(offset)) {
        QMessageBox::warning(window, title,
                             tr("The spawn map sampling offset in the settings (\"SpawnMap\" \"X\" = %1, \"Y\" = %2) "
                                "must be from 0 to %3 for both X and Y. Please correct Quillmark.ini.")
                                 .arg(offset.x())
                                 .arg(offset.y())
                                 .arg(spawnMap::maxOffset));
        return;
    }
    if (!loadReference())
        return;
    picSpawnMap_->setPicture(spawnMap::blankMap());

    if (clipboardGlue::format() != clipboardGlue::Format::Bitmap) {
        QMessageBox::information(window, title,
                                 tr("No bitmap detected in clipboard. While using the Viewer prest ALT + PRT SCR."));
        return;
    }
    picSpawnMapCompare_->setPicture(clipboardGlue::picture());
    const QString folder = capture::saveFolder(state_.kind(capture::ImageKind::Panel), programFolder_);

    drawMap();

    const auto fileName = [](const QString &name) { return spawnMap::fileNameStart + name + QStringLiteral(".png"); };
    const std::optional<QString> name =
        saveRoutine_.nameStep(tr("Image Name"), [&](const QString &n) { return QStringList{folder + fileName(n)}; });
    if (!name)
        return;
    QString path;
    if (const PictureResult saved = saveRoutine_.writePng(picSpawnMap_->picture(), folder + fileName(*name), &path);
        !saved) {
        QMessageBox::warning(window, title, tr("Could not save the spawn map %1:\n%2").arg(path, problemWords::describe(saved.problem())));
        return;
    }
    saveRoutine_.autocopyStep(*name, true);
}

bool SpawnMapTool::loadReference()
{
    const QString title = tr("Unable to create spawn map");
    const QString referencePath = paths::findFileNoCase(programFolder_, spawnMap::referenceFileName);
    if (!modVandrel::fileExists(referencePath)) {
        QMessageBox::warning(window(), title,
                             tr("No comparison map was found, please look up Quillmark\r\n"
                                "on the Wiki for detailed instructions for creating this file\r\n"
                                "and using the Spawn Map creation function. Thank you."));
        return false;
    }
    const PictureRead reference = imageFiles::loadPicture(referencePath);
    if (!reference.ok()) {
        QMessageBox::warning(window(), title,
                             tr("The comparison map %1 could not be read as a bitmap:\n%2")
                                 .arg(referencePath, problemWords::describe(reference.result.problem())));
        return false;
    }
    picSpawnMapBase_->setPicture(reference.picture);
    return true;
}

void SpawnMapTool::drawMap()
{
    const BusyPointer busy(parentWidget() ? parentWidget() : this);
    const QImage reference = picSpawnMapBase_->picture();
    const QImage screenshot = picSpawnMapCompare_->picture();
    QImage map = spawnMap::blankMap();
    picSpawnMap_->setPicture(map);
    for (int first = 0; first < spawnMap::mapSize; first += strip) {
        spawnMap::markColumns(reference, screenshot, state_.spawnOffset(), map, first, first + strip);
        picSpawnMap_->setPicture(map);
        QCoreApplication::processEvents();
    }
}
