#pragma once
// Drop-down lists at least as wide as their longest entry: a drop-down as narrow as the
// window has room for would otherwise cut its entries short ("Dialo… Chat").

#include <QString>

class QComboBox;
class QWidget;

namespace dropDownList {

// Keeps combo's list as wide as its widest entry, as entries come and go.
void fitToEntries(QComboBox *combo);
// The same for every drop-down under root.
void fitAllToEntries(QWidget *root);
// Names a drop-down that takes typed text for assistive technology, which meets the text box
// inside it as a control of its own.
void nameTyped(QComboBox *combo, const QString &name);

} // namespace dropDownList
