#include "app/widgets/optionbuttons.h"

#include <QBoxLayout>
#include <QRadioButton>

namespace optionButtons {

QList<QRadioButton *> make(QWidget *parent, const QString &stem, const QStringList &captions, QBoxLayout *row,
                           const std::function<void(int index)> &chosen)
{
    QList<QRadioButton *> buttons;
    for (int i = 0; i < captions.size(); ++i) {
        auto *option = new QRadioButton(captions[i], parent);
        option->setObjectName(stem + u'_' + QString::number(i));
        // Acting on the state change, the settings load acts as a click would.
        QObject::connect(option, &QRadioButton::toggled, parent, [chosen, i](bool on) {
            if (on)
                chosen(i);
        });
        buttons.append(option);
        row->addWidget(option);
    }
    return buttons;
}

} // namespace optionButtons
