// The client's work on pages: whether a title is taken, how a draft renders, and creating
// a page that does not exist yet. An edit is only ever sent with createonly, so a page that
// exists is never changed, whoever made it and whenever.

#include "wiki/client.h"

#include "wiki/address.h"
#include "wiki/messages.h"

namespace wiki {
namespace {

using Items = QList<std::pair<QString, QString>>;

} // namespace

void Client::withSession(std::function<void()> next, std::function<void(const api::Failure &)> failed)
{
    if (const auto why = address::whyRefused(api_))
        return failed(api::Failure{QStringLiteral("address"), *why, {}, -1});
    session([next = std::move(next), failed = std::move(failed)](const std::optional<api::Failure> &failure) {
        failure ? failed(*failure) : next();
    });
}

void Client::checkPage(const QString &title, std::function<void(const PageCheck &)> done)
{
    const auto failed = [this, done, title](const api::Failure &failure) {
        PageCheck check;
        check.state.title = title;
        check.message = messages::failure(failure, api_);
        done(check);
    };
    withSession(
        [this, title, done, failed] {
            const Items items = {{"action", "query"}, {"titles", title}, {"redirects", "1"}, {"prop", "info"}};
            call([this, items] { return get(items); }, [this, title, done, failed](const api::Answer &answer) {
                if (answer.failure)
                    return failed(*answer.failure);
                PageCheck check;
                check.state = api::pageState(answer, title);
                if (check.state.kind == api::PageState::Unknown)
                    return failed(api::Failure{QStringLiteral("no-answer"),
                                               QStringLiteral("the wiki did not say whether the page exists"), {}, -1});
                check.link = messages::page(api_, check.state.title);
                done(check);
            });
        },
        failed);
}

void Client::previewPage(const QString &title, const QString &text, std::function<void(const PagePreview &)> done)
{
    const auto failed = [this, done](const api::Failure &failure) {
        PagePreview preview;
        preview.message = messages::failure(failure, api_);
        done(preview);
    };
    withSession(
        [this, title, text, done, failed] {
            const Items items = {{"action", "parse"},      {"title", title},       {"text", text},
                                 {"contentmodel", "wikitext"}, {"pst", "1"},        {"disablelimitreport", "1"},
                                 {"prop", "text|links|categories|templates"}};
            call([this, items] { return post(items); }, [done, failed](const api::Answer &answer) {
                if (answer.failure)
                    return failed(*answer.failure);
                PagePreview preview;
                preview.preview = api::preview(answer);
                preview.ok = true;
                done(preview);
            });
        },
        failed);
}

void Client::createPage(const PageRequest &request, std::function<void(const PageOutcome &)> done)
{
    withSession([this, request, done] { sendEdit(request, done, false); },
                [this, request, done](const api::Failure &failure) {
                    PageOutcome outcome;
                    outcome.title = request.title;
                    outcome.message = messages::pageFailure(failure, api_, request.title);
                    done(outcome);
                });
}

void Client::sendEdit(const PageRequest &request, std::function<void(const PageOutcome &)> done, bool retried)
{
    Items items = {{"action", "edit"},          {"title", request.title},
                   {"text", request.text},      {"summary", request.summary},
                   {"createonly", "1"},         {"assert", "user"},
                   {"contentformat", "text/x-wiki"}, {"contentmodel", "wikitext"},
                   {"token", token_}};
    if (request.started.isValid())
        items.append({QStringLiteral("starttimestamp"), request.started.toUTC().toString(Qt::ISODate)});
    call([this, items] { return post(items); }, [this, request, done, retried](const api::Answer &answer) {
        const api::Edit edit = api::edit(answer);
        PageOutcome outcome;
        outcome.title = edit.title.isEmpty() ? request.title : edit.title;
        outcome.link = messages::page(api_, outcome.title);
        if (edit.result == api::Edit::Created) {
            outcome.kind = PageOutcome::Created;
            outcome.revision = edit.revision;
            outcome.message = messages::pageCreated(outcome.title);
            return done(outcome);
        }
        const QString &code = edit.failure.code;
        // The token or the session ran out: renewed once, then the same edit.
        const auto again = [this, request, done](const std::optional<api::Failure> &failure) {
            if (!failure)
                return sendEdit(request, done, true);
            PageOutcome failed;
            failed.title = request.title;
            failed.message = messages::pageFailure(*failure, api_, request.title);
            done(failed);
        };
        if (!retried && renewSession(code, again))
            return;
        outcome.message = messages::pageFailure(edit.failure, api_, outcome.title);
        if (code == QLatin1String("articleexists"))
            outcome.kind = PageOutcome::Exists;
        else if (edit.result == api::Edit::Captcha || code.startsWith(QLatin1String("abusefilter"))
                 || code == QLatin1String("spamblacklist") || code == QLatin1String("spamdetected"))
            outcome.kind = PageOutcome::NeedsBrowser;
        done(outcome);
    });
}

} // namespace wiki
