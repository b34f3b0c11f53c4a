#include "app/saving/wikinamebox.h"

#include "app/saving/namemessages.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace wikiNameBox {

Answer ask(QWidget *parent, const QString &fileName, const wiki::names::Verdict &verdict)
{
    return ask(parent, NameMessages::wikiTitle(), NameMessages::wiki(fileName, verdict), !verdict.cleaned.isEmpty());
}

Answer ask(QWidget *parent, const QString &boxTitle, const QString &message, bool canUse)
{
    QMessageBox box(QMessageBox::Warning, boxTitle, message, QMessageBox::Cancel, parent);
    if (canUse)
        box.addButton(QMessageBox::Ok)->setText(NameMessages::tr("Use"));
    box.addButton(QMessageBox::Retry)->setText(NameMessages::tr("Edit"));
    box.setDefaultButton(canUse ? QMessageBox::Ok : QMessageBox::Retry);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Use;
    case QMessageBox::Retry:
        return Answer::Edit;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> settle(QWidget *parent, const QString &fileName)
{
    QString name = fileName;
    for (;;) {
        const wiki::names::Verdict verdict = wiki::names::check(name);
        if (verdict.ok())
            return name;
        switch (ask(parent, name, verdict)) {
        case Answer::Use:
            return verdict.cleaned;
        case Answer::Edit:
            name = QInputDialog::getText(parent, NameMessages::wikiTitle(), NameMessages::wikiPrompt(),
                                         QLineEdit::Normal, verdict.cleaned.isEmpty() ? name : verdict.cleaned);
            if (name.isEmpty())
                return std::nullopt;
            break;
        case Answer::Cancel:
            return std::nullopt;
        }
    }
}

} // namespace wikiNameBox
