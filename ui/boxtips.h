// Tooltips of the main window's input boxes from the field table: what the value
// is, its unit and the range accepted without a warning.
#pragma once

#include <QString>

#include "core/fieldtable.h"

class QWidget;

namespace veltar {

// "t (mm): plate thickness\nAccepted: at least 0.1".
QString BoxTip(const FieldDef& field);

// Puts BoxTip before the tooltip a box already has (its note), for every box of
// the field table under `root`.
void SetBoxTips(QWidget& root);

}  // namespace veltar
