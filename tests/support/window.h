#pragma once
// The window under test: a fixture over a fresh program folder, modal boxes answered as a
// user would, drops as the platform delivers them, and the pointer at screenshot pixels on
// a screen of any scale.

#include "app/frmvandrel.h"
#include "support.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Names of controls more than one test file looks up.
namespace names {
inline const QString fob = QStringLiteral("cmdFob");
inline const QString icon = QStringLiteral("chkIcon");
inline const QString autoName = QStringLiteral("chkAutoName");
inline const QString autoCopy = QStringLiteral("chkAutoCopyName");
inline const QString workingPicture = QStringLiteral("picTemp");
inline const QString freeCrop = QStringLiteral("cmdFreeCrop");
inline const QString extraTemplates = QStringLiteral("cmbExtraTemplates");
// Element index of the control array name: "cmdFormat", 2 gives "cmdFormat_2".
inline QString element(const char *array, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index);
}
} // namespace names

namespace modal {

// For an input box the text typed and accepted (none cancels), for a message box the
// button clicked (a box without that button is closed as by Escape).
struct Reply {
    Reply(QMessageBox::StandardButton button = QMessageBox::Ok) : button(button) {}
    Reply(QString text) : text(std::move(text)) {}
    Reply(const char *text) : text(QString::fromUtf8(text)) {}
    std::optional<QString> text;
    QMessageBox::StandardButton button = QMessageBox::Ok;
};
inline const Reply cancel = QMessageBox::Cancel;

struct Shown {
    bool input = false;
    QString title, text; // text: the message, or the input box's label
    QString preset;      // input boxes
};

// Answers the boxes that open while it lives, each once and in order, and remembers what
// each showed. Past the script, message boxes get OK and input boxes Cancel; whileShown
// runs with each box up, before it is answered.
class Answerer : public QObject {
public:
    explicit Answerer(QList<Reply> script = {}, std::function<void(QDialog *)> whileShown = {});
    QList<Shown> seen;

private:
    void answer();
    QList<Reply> script_;
    std::function<void(QDialog *)> whileShown_;
    QTimer timer_;
};

} // namespace modal

inline QClipboard *clipboard() { return QGuiApplication::clipboard(); }

// A drag brought to target and dropped there, the modifiers carried by the events.
void drop(QWidget *target, const QMimeData &data, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void dropFiles(QWidget *target, const QStringList &files, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void dropPicture(QWidget *target, const QImage &picture, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The picture a picture area shows, as RGB32.
QImage pictureOf(const QWidget *area);

// Replaces a text box's contents by typing; Enter ends the edit when asked.
void typeInto(QWidget *lineEdit, const QString &text, bool pressEnter = false);
// Clicks where a check box's caption is, whatever width its layout gave it.
void clickBox(QWidget *checkBox);

// Screenshot areas show a screenshot pixel on each device pixel: on a screen scaled by r,
// pixel p lies at widget position p / r. The helpers take pixels that whole widget
// positions reach, so every expectation stays exact; anything else fails the test.
qreal ratioOf(const QWidget *area);
QPoint widgetPoint(const QWidget *area, QPoint pixel);
QSize widgetSize(const QWidget *area, QSize pixels);
QRect widgetRect(const QWidget *area, const QRect &pixels);
// The pointer moved over the widget with no button held, in through the window as the
// platform's events come.
void hover(QWidget *over, QPoint at);
inline void hoverPixel(QWidget *area, QPoint pixel) { hover(area, widgetPoint(area, pixel)); }
inline void pressPixel(QWidget *area, Qt::MouseButton b, QPoint p)
{
    QTest::mousePress(area, b, {}, widgetPoint(area, p));
}
inline void releasePixel(QWidget *area, Qt::MouseButton b, QPoint p)
{
    QTest::mouseRelease(area, b, {}, widgetPoint(area, p));
}
inline void dragPixel(QWidget *area, QPoint p) { QTest::mouseMove(area, widgetPoint(area, p)); }

// A shown, active window on tab over a fresh program folder (with the settings of ini, when
// given), closed after each test. A modal box nobody answers fails the test.
class WindowFixture : public ::testing::Test {
protected:
    explicit WindowFixture(QByteArray ini = {}, int tab = 1) : ini_(std::move(ini)), tab_(tab) {}
    void SetUp() override;
    void TearDown() override;
    // Closes the window (saving its settings) and starts a new one on the same tab, over
    // these settings when given, with no picture saved yet.
    void restart(std::optional<QByteArray> ini = std::nullopt);
    void showTab(int tab) { window->showTab(tab); }
    template <typename T = QWidget> T *control(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QImage picture(const QString &area) const { return pictureOf(control(area)); }
    QByteArray ini() const { return folder.read(QStringLiteral("Quillmark.ini")); }
    // The pictures saved in Images, by name.
    QStringList saved() const;
    QImage savedImage(const QString &name) const;
    void clearSaved() const;
    testsupport::ProgramFolder folder;
    std::unique_ptr<frmVandrel> window;

private:
    void start();
    QByteArray ini_;
    int tab_;
    QTimer stuck_;
    QPointer<QWidget> lastModal_;
};
