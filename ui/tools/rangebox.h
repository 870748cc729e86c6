// Numbers typed into the range boxes of the tool windows.
#pragma once

#include <QString>

#include <optional>

class QLineEdit;

namespace veltar {

// The box's number, with either decimal separator; none when anything else stands in it.
std::optional<double> RangeNumber(const QLineEdit& box);

// The warning about a box without a number, naming the box by its caption.
QString NotANumber(const QString& caption, const QLineEdit& box);

}  // namespace veltar
