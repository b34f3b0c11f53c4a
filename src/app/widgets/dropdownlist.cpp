#include "app/widgets/dropdownlist.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QVariant>
#include <algorithm>

namespace {

// Follows the entries of one drop-down. Lists of thousands of template names are measured
// by their text alone, and only the entries that came; the frame and margins the list draws
// around the text are measured on the widest entry only.
class ListWidth : public QObject {
public:
    explicit ListWidth(QComboBox *combo) : QObject(combo), combo_(combo)
    {
        const QAbstractItemModel *model = combo->model();
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &, int first, int last) { widen(first, last); });
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ListWidth::remeasure);
        connect(model, &QAbstractItemModel::modelReset, this, &ListWidth::remeasure);
        connect(model, &QAbstractItemModel::dataChanged, this, &ListWidth::remeasure);
        remeasure();
    }

private:
    void remeasure()
    {
        widestText_ = 0;
        widestRow_ = -1;
        widen(0, combo_->count() - 1);
    }

    void widen(int first, int last)
    {
        const QFontMetrics metrics = combo_->view()->fontMetrics();
        for (int row = first; row <= last; ++row) {
            const int width = metrics.horizontalAdvance(combo_->itemText(row));
            if (width > widestText_ || widestRow_ < 0) {
                widestText_ = width;
                widestRow_ = row;
            }
        }
        apply();
    }

    void apply()
    {
        QAbstractItemView *view = combo_->view();
        if (widestRow_ < 0) {
            view->setMinimumWidth(0);
            return;
        }
        const QModelIndex widest = combo_->model()->index(widestRow_, combo_->modelColumn(), combo_->rootModelIndex());
        const int entry = std::max(view->sizeHintForIndex(widest).width(), widestText_);
        const int scrollBar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
        // Never wider than the screen, where the rest could not be seen anyway.
        const int screen = combo_->screen()->availableGeometry().width();
        view->setMinimumWidth(std::min(entry + 2 * view->frameWidth() + scrollBar, screen));
    }

    QComboBox *combo_;
    int widestText_ = 0;
    int widestRow_ = -1;
};

} // namespace

namespace dropDownList {

void fitToEntries(QComboBox *combo)
{
    static const char *const fitted = "dropDownListFitted";
    if (combo->property(fitted).toBool())
        return;
    combo->setProperty(fitted, true);
    new ListWidth(combo);
}

void fitAllToEntries(QWidget *root)
{
    for (QComboBox *combo : root->findChildren<QComboBox *>())
        fitToEntries(combo);
}

void nameTyped(QComboBox *combo, const QString &name)
{
    combo->setAccessibleName(name);
    if (combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
}

} // namespace dropDownList
