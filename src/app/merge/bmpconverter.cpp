#include "app/merge/bmpconverter.h"

#include "app/merge/mergelayout.h"
#include "app/saving/problemwords.h"
#include "app/saving/savemessages.h"
#include "app/widgets/dropsupport.h"
#include "app/widgets/picturearea.h"
#include "app/widgets/statusline.h"
#include "common/programinfo.h"
#include "image/imagefiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>

using namespace mergeLayout;

namespace {

const char *const converterTip = QT_TRANSLATE_NOOP("BmpConverter", "Drag and drop PNGs to be converted to BMPs");
const char *const notConvertedText = QT_TRANSLATE_NOOP("BmpConverter", "These files could not be converted:");
const QString bmpToJpgText = QStringLiteral("JPG\n");
const QString bmpToPngText = QStringLiteral("PNG\n");
const QColor converterColour(255, 0, 0);
constexpr QSize converterSize(48, 16);

} // namespace

BmpConverter::BmpConverter(QWidget *page) : QObject(page), page_(page)
{
    const int top = pageHeight - 56;
    picConvertPNGtoBMP_ = new PictureArea(QStringLiteral("picConvertPNGtoBMP"), page);
    addLabel(tr("To BMP"), QRect(margin, top - 6, 48, 16), page);
    picConvertPNGtoBMP_->setGeometry(QRect(QPoint(margin, top + 12), converterSize));
    picConvertPNGtoBMP_->setBackColor(converterColour);
    picConvertPNGtoBMP_->clearPicture();
    picConvertPNGtoBMP_->setToolTip(tr(converterTip));
    picConvertPNGtoBMP_->setSubject(tr("To BMP"));
    picConvertPNGtoBMP_->setAcceptsFiles(true);
    connect(picConvertPNGtoBMP_, &PictureArea::filesDropped, this, &BmpConverter::convert);

    const QString names[2] = {QStringLiteral("txtBMPtoJPG"), QStringLiteral("txtBMPtoPNG")};
    const QString texts[2] = {bmpToJpgText, bmpToPngText};
    for (int i = 0; i < 2; ++i) {
        auto *box = new QPlainTextEdit(texts[i], page);
        box->setObjectName(names[i]);
        box->setAccessibleName(texts[i].trimmed());
        // The Tab key walks on from it, as from every other control of the page.
        box->setTabChangesFocus(true);
        box->setGeometry(margin + 56 + i * 68, top, 60, 44);
        // Wrapping a long pasted text at this width takes Qt many seconds.
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        // Only a label beside "To BMP": a file dropped here by mistake must not land in it.
        dropSupport::refuseDrops(box);
    }
}

void BmpConverter::convert(const QStringList &files)
{
    QStringList failures;
    QList<saveMessages::Saved> saved;
    for (const QString &file : files) {
        const PictureRead read = loadFile(file);
        if (read.ok()) {
            picConvertPNGtoBMP_->setPicture(read.picture);
            const QString target = compose::bmpPathFor(file);
            oldFiles::Replaced replaced;
            if (const PictureResult written = imageFiles::saveBmp(read.picture, target, &replaced); !written)
                failures.append(QStringLiteral("%1: %2").arg(target, problemWords::describe(written.problem())));
            else
                saved.append({target, replaced});
        } else {
            failures.append(QStringLiteral("%1: %2").arg(file, problemWords::describe(read.result.problem())));
        }
        // Many large files take a while: the window keeps showing each one.
        QCoreApplication::processEvents();
    }
    if (!saved.isEmpty())
        StatusLine::say(page_, saveMessages::describe(saved), QFileInfo(saved.last().path).absolutePath());
    if (!failures.isEmpty())
        QMessageBox::warning(page_, programInfo::title, tr(notConvertedText) + u'\n' + failures.join(u'\n'));
}
