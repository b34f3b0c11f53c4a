#pragma once
// The capture tabs under test: screenshots whose pixels tell where they came from, the
// clipboard, file drops, and dialogs answered as a user would.

#include "modalanswerer.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWindow>

// Readable failures for texts and lists of file names.
static inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
static inline void PrintTo(const QStringList &list, std::ostream *out) { *out << list.join(u'|').toStdString(); }

namespace capturetest {

// Pixel (x, y) holds x and y in its channels, so any cut tells where it was taken.
inline QImage coordinateShot(QSize size)
{
    QImage shot(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            shot.setPixel(x, y, qRgb(x & 0xff, y & 0xff, ((x >> 8) << 4 | (y >> 8)) & 0xff));
    return shot;
}

// Empty when cut is exactly rect of shot, black where rect leaves the shot.
inline QString cutMismatch(const QImage &cut, const QImage &shot, const QRect &rect)
{
    if (cut.size() != rect.size())
        return QStringLiteral("size %1x%2").arg(cut.width()).arg(cut.height());
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x) {
            const QPoint at = rect.topLeft() + QPoint(x, y);
            const QRgb want = shot.rect().contains(at) ? shot.pixel(at) : qRgb(0, 0, 0);
            if ((cut.pixel(x, y) & 0xffffff) != (want & 0xffffff))
                return QStringLiteral("pixel %1,%2").arg(x).arg(y);
        }
    return {};
}

// The grab and training areas show a screenshot pixel on each device pixel: on a screen
// scaled by r, screenshot pixel p lies at widget position p / r. The helpers below want
// pixels that whole widget positions reach (even ones at r = 2), so every expectation stays
// exact; anything else fails the test.
inline qreal ratioOf(const QWidget *area)
{
    return area->devicePixelRatioF();
}

inline int widgetUnits(const QWidget *area, int pixels)
{
    const qreal units = pixels / ratioOf(area);
    const int whole = qRound(units);
    if (!qFuzzyCompare(1 + units, 1 + whole))
        ADD_FAILURE() << pixels << " pixels are no whole number of widget units at ratio " << ratioOf(area);
    return whole;
}

inline QPoint widgetPoint(const QWidget *area, QPoint pixel)
{
    return {widgetUnits(area, pixel.x()), widgetUnits(area, pixel.y())};
}

inline QSize widgetSize(const QWidget *area, QSize pixels)
{
    return {widgetUnits(area, pixels.width()), widgetUnits(area, pixels.height())};
}

// Where an outline over these pixels stands on the area.
inline QRect widgetRect(const QWidget *area, const QRect &pixels)
{
    return {widgetPoint(area, pixels.topLeft()), widgetSize(area, pixels.size())};
}

// The pointer as the user moves it, with no button held. It goes in through the window,
// as the platform's events do; the offscreen cursor is off by a unit on a scaled screen.
inline void hover(QWidget *over, QPoint at)
{
    QCursor::setPos(-1000, -1000); // from somewhere else, so the move is never lost
    QWindow *window = over->window()->windowHandle();
    QTest::mouseMove(window, window->mapFromGlobal(over->mapToGlobal(at)));
}

// Mouse actions on an area at a screenshot pixel.
inline void hoverPixel(QWidget *area, QPoint pixel)
{
    hover(area, widgetPoint(area, pixel));
}
inline void pressPixel(QWidget *area, Qt::MouseButton button, QPoint pixel)
{
    QTest::mousePress(area, button, {}, widgetPoint(area, pixel));
}
inline void releasePixel(QWidget *area, Qt::MouseButton button, QPoint pixel)
{
    QTest::mouseRelease(area, button, {}, widgetPoint(area, pixel));
}
inline void clickPixel(QWidget *area, Qt::MouseButton button, QPoint pixel)
{
    QTest::mouseClick(area, button, {}, widgetPoint(area, pixel));
}
// A move while a button is held down (a drag).
inline void dragPixel(QWidget *area, QPoint pixel)
{
    QTest::mouseMove(area, widgetPoint(area, pixel));
}

inline void putOnClipboard(const QImage &picture)
{
    QGuiApplication::clipboard()->setImage(picture);
}

inline void dropFiles(QWidget *target, const QStringList &files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls.append(QUrl::fromLocalFile(file));
    data.setUrls(urls);
    const QPointF at = target->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

class CaptureFixture : public WindowFixture {
protected:
    // A dialog nobody answers would hang the test: it fails instead.
    void SetUp() override
    {
        WindowFixture::SetUp();
        QObject::connect(&stuck_, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal == lastModal_) {
                ADD_FAILURE() << "unexpected dialog: " << modal->windowTitle().toStdString();
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->reject();
            }
            lastModal_ = modal;
        });
        stuck_.start(1000);
    }
    // A window started over these settings, with nothing saved yet.
    void restart(const QByteArray &ini)
    {
        window->close();
        window.reset();
        folder.write(QStringLiteral("Quillmark.ini"), ini);
        clearSaved();
        WindowFixture::SetUp(); // the dialog guard stays
    }
    void clearSaved() const
    {
        QDir images(folder.file(QStringLiteral("Images")));
        for (const QString &name : images.entryList(QDir::Files))
            images.remove(name);
    }
    QStringList saved() const
    {
        return QDir(folder.file(QStringLiteral("Images"))).entryList(QDir::Files, QDir::Name);
    }
    QImage savedImage(const QString &name) const { return QImage(folder.file(QStringLiteral("Images/") + name)); }

private:
    QTimer stuck_;
    QPointer<QWidget> lastModal_;
};

} // namespace capturetest
