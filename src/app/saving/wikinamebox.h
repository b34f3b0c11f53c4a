#pragma once
// The question put when a file name breaks the wiki's rules: use the cleaned name, edit
// the name, or cancel.

#include "wiki/filenames.h"

#include <QString>
#include <optional>

class QWidget;

namespace wikiNameBox {

enum class Answer { Use, Edit, Cancel };

// Asks about fileName, which breaks the rule verdict names. Use is offered only when a
// cleaned name is left.
Answer ask(QWidget *parent, const QString &fileName, const wiki::names::Verdict &verdict);
// The same question under another title and message (the system's own name rules).
Answer ask(QWidget *parent, const QString &title, const QString &message, bool canUse);

// A file name the wiki takes as it is: fileName itself, its cleaned form, or one the user
// types; nothing when the user cancels.
std::optional<QString> settle(QWidget *parent, const QString &fileName);

} // namespace wikiNameBox
