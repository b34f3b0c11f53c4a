#include "app/merge/colourbalance.h"

#include "app/merge/mergelayout.h"
#include "app/widgets/picturearea.h"
#include "common/numbers.h"

#include <QKeyEvent>
#include <QLineEdit>

using namespace mergeLayout;

namespace {

const QStringList colourBalanceStart = {QStringLiteral("99.27"), QStringLiteral("84.21"), QStringLiteral("63.56")};
const QString grayStart = QStringLiteral("100");
const QString conformityStart = QStringLiteral("0");

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

} // namespace

ColourBalance::ColourBalance(QWidget *page, std::function<QImage()> workingIcon,
                             std::function<void(const QImage &)> save)
    : QObject(page), page_(page), workingIcon_(std::move(workingIcon))
{
    const int top = colourTop;
    addLabel(tr("Mask, source, result, conformity"), QRect(margin, top - 16, 280, 14), page);
    picMask_ = makeIconArea(QStringLiteral("picMask"), QPoint(margin, top), page);
    picColorBalance_ = makeIconArea(QStringLiteral("picColorBalance"), QPoint(margin + pitch, top), page);
    picColorBalanceResult_ = makeIconArea(QStringLiteral("picColorBalanceResult"), QPoint(margin + 2 * pitch, top), page);
    txtConformity_ = makeBox(QStringLiteral("txtConformity"), conformityStart,
                             QRect(margin + 3 * pitch + 4, top + 5, 120, 22), page);
    picMask_->setSubject(tr("Mask"));
    picColorBalance_->setSubject(tr("Colour balance source"));
    picColorBalanceResult_->setSubject(tr("Colour balance result"));
    picColorBalanceResult_->setFocusPolicy(Qt::StrongFocus); // Enter saves it, as a double click does
    txtConformity_->setAccessibleName(tr("Conformity"));

    for (PictureArea *area : {picMask_, picColorBalance_}) {
        area->setDragSource(true);
        area->setAcceptsFiles(true);
        area->setAcceptsPictures(true);
    }
    connect(picMask_, &PictureArea::pictureDropped, this, [this](const QImage &picture) { dropOnMask(picture); });
    connect(picMask_, &PictureArea::filesDropped, this, [this](const QStringList &files) {
        // An unreadable file leaves the picture there, and the comparison still runs.
        const PictureRead read = loadFile(files.first());
        dropOnMask(read.ok() ? read.picture : picMask_->picture());
    });
    connect(picColorBalance_, &PictureArea::pictureDropped, this,
            [this](const QImage &picture) { picColorBalance_->setPicture(compose::workingIcon(picture)); });
    connect(picColorBalance_, &PictureArea::filesDropped, this, [this](const QStringList &files) {
        if (const PictureRead read = loadFile(files.first()); read.ok())
            picColorBalance_->setPicture(compose::workingIcon(read.picture));
    });
    connect(picColorBalanceResult_, &PictureArea::doubleClicked, this,
            [this, save] { save(picColorBalanceResult_->picture()); });
    buildBoxes(top + 40);
}

void ColourBalance::buildBoxes(int top)
{
    addLabel(tr("Red, green, blue %, gray %"), QRect(margin, top, 280, 14), page_);
    const QString parts[] = {tr("Red %"), tr("Green %"), tr("Blue %"), tr("Gray %")};
    for (int i = 0; i <= 3; ++i) {
        const QRect box(margin + i * 68, top + 16, 60, 22);
        QLineEdit *partner = i < 3
                               ? makeBox(QStringLiteral("txtColorBalance_%1").arg(i), colourBalanceStart[i], box, page_)
                               : makeBox(QStringLiteral("txtGray"), grayStart, box, page_);
        const QString nudgeName = i < 3 ? QStringLiteral("txtTemp_%1").arg(i) : QStringLiteral("txtTemp3");
        auto *nudge = new NudgeBox(nudgeName, partner, page_);
        partner->setAccessibleName(parts[i]);
        nudge->setAccessibleName(tr("Nudge %1").arg(parts[i]));
        nudge->setGeometry(box.left(), box.bottom() + 4, 24, 22);
        if (i < 3) {
            txtColorBalance_.append(partner);
            connect(partner, &QLineEdit::textChanged, this, &ColourBalance::balanceColours);
        } else {
            txtGray_ = partner;
            connect(partner, &QLineEdit::textChanged, this, &ColourBalance::adjustOverall);
        }
    }
}

void ColourBalance::dropOnMask(const QImage &picture)
{
    picMask_->setPicture(compose::workingIcon(picture));
    picColorBalanceResult_->setPicture(compose::maskByDifference(picMask_->picture(), picColorBalance_->picture()));
}

void ColourBalance::balanceColours()
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

void ColourBalance::adjustOverall()
{
    const auto percent = numbers::toSingle(txtGray_->text());
    if (!percent)
        return;
    showResult(compose::overallAdjustment(picColorBalance_->picture(), *percent / 100.0f));
}

void ColourBalance::showResult(const QImage &result)
{
    picColorBalanceResult_->setPicture(result);
    txtConformity_->setText(compose::conformityText(compose::conformity(workingIcon_(), result)));
}
