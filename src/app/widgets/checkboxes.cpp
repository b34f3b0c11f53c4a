#include "app/widgets/checkboxes.h"

#include "settings/options.h"

#include <QCheckBox>

namespace checkBoxes {

void bind(QCheckBox *box, settings::Options &options, settings::Check option)
{
    QObject::connect(box, &QCheckBox::stateChanged, box,
                     [&options, option](int state) { options.set(option, Qt::CheckState(state)); });
}

void show(QCheckBox *box, const settings::Options &options, settings::Check option)
{
    box->setCheckState(options.state(option));
}

} // namespace checkBoxes
