#include "app/uploads/pagedrafts.h"

#include "app/uploads/uploadcenter.h"
#include "app/widgets/statusline.h"

#include <QDate>
#include <QPointer>
#include <QTimer>

namespace {

const char *const hasPage = QT_TRANSLATE_NOOP("PageDrafts", "%1 already has a page on the wiki: %2");
const char *const noSuchTitle = QT_TRANSLATE_NOOP("PageDrafts", "No page on the wiki can be titled %1: %2");
const char *const notAsked = QT_TRANSLATE_NOOP("PageDrafts", "Could not ask the wiki whether %1 has a page: %2");
const char *const noTemplate =
    QT_TRANSLATE_NOOP("PageDrafts", "No page was drafted for %1: the Templates folder has no Page.txt.");
const char *const createdSays = QT_TRANSLATE_NOOP("PageDrafts", "Created the page %1 on the wiki: %2");

} // namespace

PageDrafts::PageDrafts(UploadCenter &center, const QString &programFolder, QWidget *window)
    : QObject(window), center_(center), programFolder_(programFolder), window_(window)
{
    for (const wiki::uploads::Entry &entry : center_.list().entries())
        seen_.insert(entry.id);
    connect(&center_, &UploadCenter::changed, this, &PageDrafts::collect);
}

void PageDrafts::collect()
{
    const QList<wiki::itemPage::Settled> settled = wiki::itemPage::settled(center_.list().entries(), seen_);
    for (const wiki::itemPage::Settled &s : settled) {
        for (int id : s.ids)
            seen_.insert(id);
        if (s.anyUploaded())
            waiting_.append(s.item);
    }
    if (!settled.isEmpty())
        next();
}

void PageDrafts::next()
{
    if (busy_ || waiting_.isEmpty())
        return;
    wiki::itemPage::Item item = waiting_.takeFirst();
    item.date = QDate::currentDate();
    const std::optional<QString> draft = wiki::itemPage::draft(programFolder_, item);
    if (!draft) {
        StatusLine::say(window_, tr(noTemplate).arg(item.name));
        return next();
    }
    busy_ = true;
    QPointer<PageDrafts> self(this);
    center_.client().checkPage(item.name, [self, item, text = *draft](const wiki::PageCheck &check) {
        if (self)
            self->checked(item, text, check);
    });
}

void PageDrafts::checked(const wiki::itemPage::Item &item, const QString &draft, const wiki::PageCheck &check)
{
    using wiki::api::PageState;
    const PageState &state = check.state;
    if (state.kind == PageState::Missing) {
        auto *window = new PageDraftWindow(center_.client(), state.title, draft, window_);
        connect(window, &PageDraftWindow::created, this, [this](const wiki::PageOutcome &outcome) {
            center_.addPage(outcome.title, outcome.link, outcome.message,
                            tr(createdSays).arg(outcome.title, outcome.link));
        });
        connect(window, &PageDraftWindow::ended, this, &PageDrafts::ended);
        window->show();
        window->raise();
        window->activateWindow();
        return;
    }
    if (state.taken())
        StatusLine::say(window_, tr(hasPage).arg(state.title, check.link));
    else if (state.kind == PageState::Invalid)
        StatusLine::say(window_, tr(noSuchTitle).arg(item.name, state.reason));
    else
        StatusLine::say(window_, tr(notAsked).arg(item.name, check.message));
    busy_ = false;
    // The next item once this answer's events are done.
    QTimer::singleShot(0, this, &PageDrafts::next);
}

void PageDrafts::ended(PageDraftWindow::Ending ending)
{
    busy_ = false;
    // Closing the window is a no to every draft still waiting.
    if (ending == PageDraftWindow::Ending::Closed)
        waiting_.clear();
    QTimer::singleShot(0, this, &PageDrafts::next);
}
