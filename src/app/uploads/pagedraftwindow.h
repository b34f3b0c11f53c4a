#pragma once
// The draft of one missing item page: its text to edit, the wiki's own rendering of it (made
// again a moment after each edit, one request at a time), what it links to that does not
// exist, and the buttons that create the page, copy its text or skip it. Nothing is ever
// lost: whatever the wiki answers, the text stays in the window, and where only a browser
// can go on, it is on the clipboard too.

#include "wiki/client.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTextBrowser;

class PageDraftWindow : public QWidget {
    Q_OBJECT

public:
    enum class Ending { Created, Skipped, Closed };

    PageDraftWindow(wiki::Client &client, const QString &title, const QString &text, QWidget *parent);

    QString title() const { return title_; }
    QString text() const;

signals:
    // The page is on the wiki.
    void created(const wiki::PageOutcome &outcome);
    // The window is done with and goes: the page created, skipped, or the window closed.
    void ended(PageDraftWindow::Ending ending);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void preview();
    void previewed(const wiki::PagePreview &answer);
    void create();
    void answered(const wiki::PageOutcome &outcome);
    // Only a browser can go on from here: the text goes to the clipboard and the page's
    // address becomes a button.
    void handOver(const QString &message, const QString &link);
    void copyText();
    void end(Ending ending);

    wiki::Client &client_;
    QString title_;
    QDateTime started_;
    QString link_;
    QPlainTextEdit *txtPageText_;
    QTextBrowser *picPagePreview_;
    QListWidget *lstPageProblems_;
    QLabel *lblPageMessage_;
    QPushButton *cmdCreatePage_;
    QPushButton *cmdCopyPageText_;
    QPushButton *cmdOpenPage_;
    QPushButton *cmdSkipPage_;
    QTimer pause_;
    bool previewing_ = false; // a preview request is on its way
    bool stale_ = false;      // and the text changed since it was sent
    bool creating_ = false;
    bool previewFailed_ = false; // the message line says why there is no preview
    bool ended_ = false;
};
