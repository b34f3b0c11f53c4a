#include "app/uploads/uploadswindow.h"

#include "app/saving/namemessages.h"
#include "app/saving/wikinamebox.h"
#include "app/uploads/uploadcenter.h"
#include "app/widgets/dropsupport.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using wiki::uploads::Choice;
using wiki::uploads::Question;
using wiki::uploads::State;

const char *const listTitle = QT_TRANSLATE_NOOP("UploadsWindow", "Uploads");
const char *const dropHint = QT_TRANSLATE_NOOP(
    "UploadsWindow",
    "Drop picture files here to upload them; double-click one to open its page.");
const char *const stateWords[] = {
    QT_TRANSLATE_NOOP("UploadsWindow", "waiting"), QT_TRANSLATE_NOOP("UploadsWindow", "uploading"),
    QT_TRANSLATE_NOOP("UploadsWindow", "uploaded"), QT_TRANSLATE_NOOP("UploadsWindow", "needs an answer"),
    QT_TRANSLATE_NOOP("UploadsWindow", "failed"),   QT_TRANSLATE_NOOP("UploadsWindow", "skipped"),
};

// The buttons under the list: what each does, and for which questions an answer button shows.
enum Action { Retry, Remove, UseExisting, UploadAnyway, Replace, NewName, Skip };
struct ButtonDesign {
    const char *name;
    const char *caption;
    QList<Question> questions; // answers only
};
const ButtonDesign buttonDesign[] = {
    {"cmdUploadRetry", QT_TRANSLATE_NOOP("UploadsWindow", "Retry"), {}},
    {"cmdUploadRemove", QT_TRANSLATE_NOOP("UploadsWindow", "Remove"), {}},
    {"cmdUploadUseExisting", QT_TRANSLATE_NOOP("UploadsWindow", "Use Existing"), {Question::SameBytesElsewhere}},
    {"cmdUploadAnyway", QT_TRANSLATE_NOOP("UploadsWindow", "Upload Anyway"),
     {Question::SameBytesElsewhere, Question::Warnings}},
    {"cmdUploadReplace", QT_TRANSLATE_NOOP("UploadsWindow", "Replace"), {Question::NameTaken}},
    {"cmdUploadNewName", QT_TRANSLATE_NOOP("UploadsWindow", "New Name..."),
     {Question::NameTaken, Question::Warnings, Question::ReplaceRefused}},
    {"cmdUploadSkip", QT_TRANSLATE_NOOP("UploadsWindow", "Skip"),
     {Question::SameBytesElsewhere, Question::NameTaken, Question::Warnings, Question::ReplaceRefused}},
};

QString entryText(const wiki::uploads::Entry &e)
{
    if (e.kind == wiki::uploads::pageKind)
        return QCoreApplication::translate("UploadsWindow", "%1 - page created\n%2").arg(e.wikiName, e.link);
    const QString state = QCoreApplication::translate("UploadsWindow", stateWords[int(e.state)]);
    QString text = e.message.isEmpty()
                       ? QCoreApplication::translate("UploadsWindow", "%1 - %2").arg(e.wikiName, state)
                       : QCoreApplication::translate("UploadsWindow", "%1 - %2: %3").arg(e.wikiName, state, e.message);
    if (e.state == State::Uploaded && !e.link.isEmpty())
        text += u'\n' + e.link;
    return text;
}

} // namespace

UploadsWindow::UploadsWindow(UploadCenter &center, QWidget *parent)
    : QWidget(parent, Qt::Window), center_(center)
{
    setObjectName(QStringLiteral("frmUploads"));
    setWindowTitle(tr(listTitle));
    resize(460, 300);
    lstUploads_ = new QListWidget(this);
    lstUploads_->setObjectName(QStringLiteral("lstUploads"));
    lstUploads_->setWordWrap(true);
    // Drops are files to upload, nothing else: the list's own drag handling never sees them.
    lstUploads_->setAcceptDrops(true);
    lstUploads_->viewport()->setAcceptDrops(true);
    lstUploads_->viewport()->installEventFilter(this);
    lstUploads_->installEventFilter(this);

    auto *row = new QHBoxLayout;
    for (int i = 0; i < int(std::size(buttonDesign)); ++i) {
        auto *button = new QPushButton(tr(buttonDesign[i].caption), this);
        button->setObjectName(QString::fromLatin1(buttonDesign[i].name));
        connect(button, &QPushButton::clicked, this, [this, i] { chosen(i); });
        buttons_.append(button);
        row->addWidget(button);
    }
    row->addStretch(1);
    auto *rows = new QVBoxLayout(this);
    rows->addWidget(lstUploads_, 1);
    rows->addLayout(row);
    rows->addWidget(new QLabel(tr(dropHint), this));

    connect(&center_, &UploadCenter::changed, this, &UploadsWindow::refill);
    connect(lstUploads_, &QListWidget::itemSelectionChanged, this, &UploadsWindow::selectionChanged);
    connect(lstUploads_, &QListWidget::itemDoubleClicked, this, [this] {
        const wiki::uploads::Entry *e = center_.entry(selectedId());
        if (e && !e->link.isEmpty())
            QDesktopServices::openUrl(QUrl(e->link));
    });
    refill();
}

void UploadsWindow::showEntry(int id)
{
    show();
    raise();
    for (int row = 0; id && row < lstUploads_->count(); ++row)
        if (lstUploads_->item(row)->data(Qt::UserRole).toInt() == id)
            lstUploads_->setCurrentRow(row);
}

void UploadsWindow::refill()
{
    const int selected = selectedId();
    const QSignalBlocker quiet(lstUploads_);
    lstUploads_->clear();
    for (const wiki::uploads::Entry &e : center_.list().entries()) {
        auto *item = new QListWidgetItem(entryText(e), lstUploads_);
        item->setData(Qt::UserRole, e.id);
        item->setToolTip(e.path);
        if (e.id == selected)
            lstUploads_->setCurrentItem(item);
    }
    selectionChanged();
}

int UploadsWindow::selectedId() const
{
    const QListWidgetItem *item = lstUploads_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void UploadsWindow::selectionChanged()
{
    const wiki::uploads::Entry *e = center_.entry(selectedId());
    for (int i = 0; i < buttons_.size(); ++i) {
        const bool answer = !buttonDesign[i].questions.isEmpty();
        const bool asking = e && e->state == State::Asking && buttonDesign[i].questions.contains(e->question);
        buttons_[i]->setVisible(!answer || asking);
        // A created page is only listed: it is never sent again.
        const bool sendable = e && e->state != State::Uploading && e->kind != wiki::uploads::pageKind;
        buttons_[i]->setEnabled(e && (answer || i == Remove || sendable));
    }
}

void UploadsWindow::chosen(int action)
{
    const int id = selectedId();
    switch (Action(action)) {
    case Retry:
        return center_.retry(id);
    case Remove:
        return center_.remove(id);
    case UseExisting:
        return center_.answer(id, Choice::UseExisting);
    case UploadAnyway:
        return center_.answer(id, Choice::UploadAnyway);
    case Replace:
        return center_.answer(id, Choice::Replace);
    case NewName:
        return newName();
    case Skip:
        return center_.answer(id, Choice::Skip);
    }
}

void UploadsWindow::newName()
{
    const int id = selectedId();
    const wiki::uploads::Entry *e = center_.entry(id);
    if (!e)
        return;
    const QString typed = QInputDialog::getText(this, NameMessages::wikiTitle(), NameMessages::wikiPrompt(),
                                                QLineEdit::Normal, e->wikiName);
    if (typed.isEmpty())
        return;
    if (const auto name = wikiNameBox::settle(this, typed))
        center_.rename(id, *name);
}

void UploadsWindow::dropped(const QStringList &files)
{
    for (const QString &file : files) {
        const auto name = wikiNameBox::settle(this, QFileInfo(file).fileName());
        if (name)
            center_.enqueue(file, QStringLiteral("picture"), *name);
    }
}

bool UploadsWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (dropSupport::hasFiles(drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = dropSupport::localFiles(drop->mimeData());
        if (!files.isEmpty()) {
            drop->acceptProposedAction();
            dropped(files);
        }
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}
