#pragma once
// The wiki's answers about pages: whether a title is taken, how a draft renders and what it
// points to that does not exist, and how an attempt to create a page came out.

#include "wiki/apianswers.h"

namespace wiki::api {

// What the wiki holds under a title (action=query, titles, redirects, prop=info).
struct PageState {
    enum Kind {
        Unknown,  // the answer did not say
        Missing,  // no page: one may be created
        Exists,   // a page, or
        Redirect, // a redirect (to a page or not): taken either way
        Invalid,  // no page can have this title
    } kind = Unknown;
    QString title;  // the wiki's form of the title asked about
    QString target; // where a redirect leads
    qint64 lastRevision = -1;
    QString reason; // why the title is invalid, in the wiki's words
    bool taken() const { return kind == Exists || kind == Redirect; }
};
PageState pageState(const Answer &answer, const QString &asked);

// A draft as the wiki renders it (action=parse, prop=text|links|categories|templates).
struct Preview {
    QString html;
    QStringList missingPages;      // linked, not there (templates left out: they are below)
    QStringList missingCategories; // "Category:Name"
    QStringList missingTemplates;  // "Template:Name"
    bool clean() const { return missingPages.isEmpty() && missingCategories.isEmpty() && missingTemplates.isEmpty(); }
};
Preview preview(const Answer &answer);

// One action=edit's answer.
struct Edit {
    enum Result { Created, Captcha, Failed } result = Failed;
    QString title;
    qint64 revision = -1;
    Failure failure; // for Captcha and Failed: the code and the wiki's words
};
Edit edit(const Answer &answer);

} // namespace wiki::api
