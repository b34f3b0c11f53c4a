#include "app/uploads/pagedraftwindow.h"

#include "app/widgets/clipboardglue.h"
#include "app/widgets/named.h"
#include "wiki/itempage.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// How long the text must rest before the wiki renders it again.
constexpr int previewPauseMs = 700;

const char *const onClipboard = QT_TRANSLATE_NOOP("PageDraftWindow", "%1 The draft is on the clipboard.");

} // namespace

PageDraftWindow::PageDraftWindow(wiki::Client &client, const QString &title, const QString &text, QWidget *parent)
    : QWidget(parent, Qt::Window), client_(client), title_(title), started_(QDateTime::currentDateTimeUtc())
{
    setObjectName(QStringLiteral("frmPageDraft"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("New Page: %1").arg(title));
    resize(760, 520);

    txtPageText_ = named(new QPlainTextEdit(text, this), QStringLiteral("txtPageText"),
                         tr("The page's text, as it will be created. Edit it freely."));
    txtPageText_->setAccessibleName(tr("Page text"));
    picPagePreview_ = named(new QTextBrowser(this), QStringLiteral("picPagePreview"),
                            tr("The page as the wiki shows it."));
    picPagePreview_->setAccessibleName(tr("Preview of the page"));
    picPagePreview_->setOpenLinks(false);
    lstPageProblems_ = named(new QListWidget(this), QStringLiteral("lstPageProblems"),
                             tr("What the draft links to that the wiki does not have."));
    lstPageProblems_->setAccessibleName(tr("Missing pages, categories and templates"));
    lstPageProblems_->setMaximumHeight(110);
    lblPageMessage_ = named(new QLabel(this), QStringLiteral("lblPageMessage"));
    lblPageMessage_->setWordWrap(true);
    lblPageMessage_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    cmdCreatePage_ = named(new QPushButton(tr("Create Page"), this), QStringLiteral("cmdCreatePage"),
                           tr("Creates the page on the wiki, only if it still does not exist."));
    cmdCopyPageText_ = named(new QPushButton(tr("Copy Text"), this), QStringLiteral("cmdCopyPageText"),
                             tr("Puts the page's text on the clipboard."));
    cmdOpenPage_ = named(new QPushButton(tr("Open in Browser"), this), QStringLiteral("cmdOpenPage"),
                         tr("Opens the page's address on the wiki."));
    cmdOpenPage_->hide();
    cmdSkipPage_ = named(new QPushButton(tr("Skip"), this), QStringLiteral("cmdSkipPage"),
                         tr("Leaves this page uncreated and goes on with the next item."));

    auto *panes = new QSplitter(this);
    panes->addWidget(txtPageText_);
    panes->addWidget(picPagePreview_);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {cmdCreatePage_, cmdCopyPageText_, cmdOpenPage_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(cmdSkipPage_);
    auto *rows = new QVBoxLayout(this);
    rows->addWidget(panes, 1);
    rows->addWidget(lstPageProblems_);
    rows->addWidget(lblPageMessage_);
    rows->addLayout(buttons);

    pause_.setSingleShot(true);
    pause_.setInterval(previewPauseMs);
    connect(&pause_, &QTimer::timeout, this, &PageDraftWindow::preview);
    connect(txtPageText_, &QPlainTextEdit::textChanged, &pause_, qOverload<>(&QTimer::start));
    connect(cmdCreatePage_, &QPushButton::clicked, this, &PageDraftWindow::create);
    connect(cmdCopyPageText_, &QPushButton::clicked, this, &PageDraftWindow::copyText);
    connect(cmdOpenPage_, &QPushButton::clicked, this, [this] { QDesktopServices::openUrl(QUrl(link_)); });
    connect(cmdSkipPage_, &QPushButton::clicked, this, [this] { end(Ending::Skipped); });
    // The wiki's own links lead to the wiki, in the browser.
    connect(picPagePreview_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &url) { QDesktopServices::openUrl(client_.api().resolved(url)); });
    preview();
}

QString PageDraftWindow::text() const
{
    return txtPageText_->toPlainText();
}

void PageDraftWindow::preview()
{
    if (previewing_) {
        stale_ = true; // asked again once the answer on its way is in
        return;
    }
    previewing_ = true;
    stale_ = false;
    QPointer<PageDraftWindow> self(this);
    client_.previewPage(title_, text(), [self](const wiki::PagePreview &answer) {
        if (self)
            self->previewed(answer);
    });
}

void PageDraftWindow::previewed(const wiki::PagePreview &answer)
{
    previewing_ = false;
    if (stale_)
        return preview();
    if (!answer.ok) {
        lblPageMessage_->setText(tr("The wiki could not show the draft: %1").arg(answer.message));
        previewFailed_ = true;
        return;
    }
    const int scrolled = picPagePreview_->verticalScrollBar()->value();
    picPagePreview_->setHtml(answer.preview.html);
    picPagePreview_->verticalScrollBar()->setValue(scrolled);
    lstPageProblems_->clear();
    const std::pair<const QStringList &, const char *> kinds[] = {
        {answer.preview.missingPages, QT_TR_NOOP("Missing page: %1")},
        {answer.preview.missingCategories, QT_TR_NOOP("Missing category: %1")},
        {answer.preview.missingTemplates, QT_TR_NOOP("Missing template: %1")},
    };
    for (const auto &[names, words] : kinds)
        for (const QString &name : names)
            lstPageProblems_->addItem(tr(words).arg(name));
    if (previewFailed_)
        lblPageMessage_->clear();
    previewFailed_ = false;
}

void PageDraftWindow::create()
{
    if (creating_)
        return;
    creating_ = true;
    previewFailed_ = false;
    cmdCreatePage_->setEnabled(false);
    lblPageMessage_->setText(tr("Creating %1...").arg(title_));
    QPointer<PageDraftWindow> self(this);
    const wiki::PageRequest request{title_, text(), wiki::itemPage::summary(title_), started_};
    client_.createPage(request, [self](const wiki::PageOutcome &outcome) {
        if (self)
            self->answered(outcome);
    });
}

void PageDraftWindow::answered(const wiki::PageOutcome &outcome)
{
    creating_ = false;
    switch (outcome.kind) {
    case wiki::PageOutcome::Created:
        emit created(outcome);
        return end(Ending::Created);
    case wiki::PageOutcome::Exists:
    case wiki::PageOutcome::NeedsBrowser:
        // Trying again cannot help: someone made the page, or the wiki wants a person.
        return handOver(outcome.message, outcome.link);
    case wiki::PageOutcome::Failed:
        lblPageMessage_->setText(outcome.message);
        cmdCreatePage_->setEnabled(true);
        return;
    }
}

void PageDraftWindow::handOver(const QString &message, const QString &link)
{
    copyText();
    lblPageMessage_->setText(tr(onClipboard).arg(message));
    link_ = link;
    cmdOpenPage_->setVisible(!link_.isEmpty());
}

void PageDraftWindow::copyText()
{
    clipboardGlue::replaceWithText(text());
}

void PageDraftWindow::end(Ending ending)
{
    if (ended_)
        return;
    ended_ = true;
    emit ended(ending);
    close();
}

void PageDraftWindow::closeEvent(QCloseEvent *event)
{
    end(Ending::Closed);
    event->accept();
}
