#include "wiki/pageanswers.h"

#include "wiki/jsonfields.h"

#include <QHash>

namespace wiki::api {
using namespace json;

namespace {

// from -> to of the answer's normalized or redirects list.
QHash<QString, QString> mapping(const QJsonObject &query, const char *key)
{
    QHash<QString, QString> map;
    for (const QJsonValue &item : list(query, key))
        map.insert(text(item.toObject(), "from"), text(item.toObject(), "to"));
    return map;
}

// The wiki names categories by their keys: blanks as "_".
QString categoryTitle(const QString &key)
{
    return QStringLiteral("Category:") + QString(key).replace(u'_', u' ');
}

} // namespace

PageState pageState(const Answer &answer, const QString &asked)
{
    PageState state;
    if (answer.failure)
        return state;
    const QJsonObject query = child(answer.body, "query");
    state.title = mapping(query, "normalized").value(asked, asked);
    // Redirects may chain; the first step is enough to know the title is taken.
    const QHash<QString, QString> redirects = mapping(query, "redirects");
    if (redirects.contains(state.title)) {
        state.kind = PageState::Redirect;
        state.target = redirects.value(state.title);
        return state;
    }
    for (const QJsonValue &item : list(query, "pages")) {
        const QJsonObject page = item.toObject();
        if (text(page, "title") != state.title)
            continue;
        if (page.value(QLatin1String("invalid")).toBool()) {
            state.kind = PageState::Invalid;
            state.reason = text(page, "invalidreason");
        } else if (page.value(QLatin1String("missing")).toBool()) {
            state.kind = PageState::Missing;
        } else if (number(page, "pageid") > 0) {
            state.kind = PageState::Exists;
            state.lastRevision = number(page, "lastrevid");
        }
        break;
    }
    return state;
}

Preview preview(const Answer &answer)
{
    Preview preview;
    const QJsonObject parse = child(answer.body, "parse");
    preview.html = text(parse, "text");
    for (const QJsonValue &item : list(parse, "templates"))
        if (!item.toObject().value(QLatin1String("exists")).toBool(true))
            preview.missingTemplates.append(text(item.toObject(), "title"));
    // A missing template is also drawn as a link to it: listed once, as a template.
    for (const QJsonValue &item : list(parse, "links")) {
        const QString title = text(item.toObject(), "title");
        if (!item.toObject().value(QLatin1String("exists")).toBool(true) && !title.isEmpty()
            && !preview.missingTemplates.contains(title) && !preview.missingPages.contains(title))
            preview.missingPages.append(title);
    }
    for (const QJsonValue &item : list(parse, "categories"))
        if (item.toObject().contains(QLatin1String("missing")))
            preview.missingCategories.append(categoryTitle(text(item.toObject(), "category")));
    return preview;
}

Edit edit(const Answer &answer)
{
    Edit edit;
    if (answer.failure) {
        edit.failure = *answer.failure;
        return edit;
    }
    const QJsonObject result = child(answer.body, "edit");
    edit.title = text(result, "title");
    if (text(result, "result") == QLatin1String("Success") && result.value(QLatin1String("new")).toBool()) {
        edit.result = Edit::Created;
        edit.revision = number(result, "newrevid");
        return edit;
    }
    if (result.contains(QLatin1String("captcha"))) {
        edit.result = Edit::Captcha;
        edit.failure = Failure{QStringLiteral("captcha"), text(child(result, "captcha"), "question"), {}, -1};
        return edit;
    }
    // A refusal of an extension's (a spam list, a filter) names itself as a member.
    edit.failure = Failure{QStringLiteral("edit-failure"), QString(), {}, -1};
    for (auto it = result.begin(); it != result.end(); ++it) {
        if (it.key() == QLatin1String("result") || it.key() == QLatin1String("title"))
            continue;
        edit.failure.code = it.key();
        edit.failure.info = it.value().isString() ? it.value().toString() : QString();
        break;
    }
    if (text(result, "result") == QLatin1String("Success"))
        edit.failure = Failure{QStringLiteral("nochange"), QStringLiteral("the page was there already"), {}, -1};
    return edit;
}

} // namespace wiki::api
