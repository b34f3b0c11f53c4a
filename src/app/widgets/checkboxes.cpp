#include "app/widgets/checkboxes.h"

#include "settings/checktext.h"

#include <QCheckBox>

namespace modVandrel {

void SetCheckFromText(QCheckBox *box, const QString &text)
{
    box->setCheckState(SetCheckFromText(box->checkState(), text));
}

QString CheckToText(const QCheckBox *box)
{
    return CheckToText(box->checkState());
}

} // namespace modVandrel
