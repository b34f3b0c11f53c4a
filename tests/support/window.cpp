#include "window.h"

#include <QAbstractButton>
#include <QCursor>
#include <QDropEvent>
#include <QInputDialog>
#include <QUrl>
#include <QWindow>

namespace modal {

Answerer::Answerer(QList<Reply> script, std::function<void(QDialog *)> whileShown)
    : script_(std::move(script)), whileShown_(std::move(whileShown))
{
    connect(&timer_, &QTimer::timeout, this, &Answerer::answer);
    timer_.start(5);
}

void Answerer::answer()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    auto *box = qobject_cast<QMessageBox *>(dialog);
    auto *input = qobject_cast<QInputDialog *>(dialog);
    if ((!box && !input) || !dialog->isVisible() || dialog->property("answered").toBool())
        return;
    dialog->setProperty("answered", true); // whileShown may spin an event loop
    const Reply reply = script_.isEmpty() ? Reply() : script_.takeFirst();
    if (box)
        seen.append({false, box->windowTitle(), box->text(), {}});
    else
        seen.append({true, input->windowTitle(), input->labelText(), input->textValue()});
    if (whileShown_)
        whileShown_(dialog);
    if (box) {
        QAbstractButton *button = box->button(reply.button);
        button ? button->click() : box->reject();
    } else if (reply.text) {
        input->setTextValue(*reply.text);
        input->accept();
    } else {
        input->reject();
    }
    dialog->setProperty("answered", dialog->isVisible()); // the same box shown again is new
}

} // namespace modal

void drop(QWidget *target, const QMimeData &data, Qt::KeyboardModifiers modifiers)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &move);
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &dropped);
}

void dropFiles(QWidget *target, const QStringList &files, Qt::KeyboardModifiers modifiers)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls.append(QUrl::fromLocalFile(file));
    data.setUrls(urls);
    drop(target, data, modifiers);
}

void dropPicture(QWidget *target, const QImage &picture, Qt::KeyboardModifiers modifiers)
{
    QMimeData data;
    data.setImageData(picture);
    drop(target, data, modifiers);
}

QImage pictureOf(const QWidget *area)
{
    return area->property("picture").value<QImage>().convertToFormat(QImage::Format_RGB32);
}

void typeInto(QWidget *lineEdit, const QString &text, bool pressEnter)
{
    lineEdit->setFocus();
    qobject_cast<QLineEdit *>(lineEdit)->selectAll();
    QTest::keyClick(lineEdit, Qt::Key_Delete);
    QTest::keyClicks(lineEdit, text);
    if (pressEnter)
        QTest::keyClick(lineEdit, Qt::Key_Return);
}

void clickBox(QWidget *checkBox) { QTest::mouseClick(checkBox, Qt::LeftButton, {}, QPoint(8, checkBox->height() / 2)); }

qreal ratioOf(const QWidget *area) { return area->devicePixelRatioF(); }

static int widgetUnits(const QWidget *area, int pixels)
{
    const qreal units = pixels / ratioOf(area);
    const int whole = qRound(units);
    if (!qFuzzyCompare(1 + units, 1 + whole))
        ADD_FAILURE() << pixels << " pixels are no whole number of widget units at ratio " << ratioOf(area);
    return whole;
}

QPoint widgetPoint(const QWidget *area, QPoint pixel)
{
    return {widgetUnits(area, pixel.x()), widgetUnits(area, pixel.y())};
}
QSize widgetSize(const QWidget *area, QSize pixels)
{
    return {widgetUnits(area, pixels.width()), widgetUnits(area, pixels.height())};
}
QRect widgetRect(const QWidget *area, const QRect &pixels)
{
    return {widgetPoint(area, pixels.topLeft()), widgetSize(area, pixels.size())};
}

void hover(QWidget *over, QPoint at)
{
    QCursor::setPos(-1000, -1000); // from somewhere else, so the move is never lost
    QWindow *window = over->window()->windowHandle();
    QTest::mouseMove(window, window->mapFromGlobal(over->mapToGlobal(at)));
}

void WindowFixture::SetUp()
{
    if (!ini_.isEmpty())
        folder.write(QStringLiteral("Quillmark.ini"), ini_);
    start();
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

void WindowFixture::start()
{
    window = std::make_unique<frmVandrel>(folder.path());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    if (tab_ != 1)
        window->showTab(tab_);
}

void WindowFixture::TearDown()
{
    if (window)
        window->close();
}

void WindowFixture::restart(std::optional<QByteArray> ini)
{
    window->close();
    window.reset();
    if (ini)
        folder.write(QStringLiteral("Quillmark.ini"), *ini);
    clearSaved();
    start();
}

QStringList WindowFixture::saved() const
{
    return QDir(folder.file(QStringLiteral("Images"))).entryList(QDir::Files, QDir::Name);
}

QImage WindowFixture::savedImage(const QString &name) const
{
    return QImage(folder.file(QStringLiteral("Images/") + name)).convertToFormat(QImage::Format_RGB32);
}

void WindowFixture::clearSaved() const
{
    QDir images(folder.file(QStringLiteral("Images")));
    for (const QString &name : images.entryList(QDir::Files))
        images.remove(name);
}
