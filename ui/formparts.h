// Small pieces shared by the container builders.
#pragma once

#include <QGridLayout>
#include <QLabel>

#include "ui/inputbox.h"

namespace veltar {

inline InputBox* NumberBox(const char* name, QWidget* parent, int chars = 7) {
    auto* box = new InputBox(name, parent);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(chars, '0')) + 10);
    return box;
}

inline QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

inline QGridLayout* TightGrid(QWidget* owner) {
    auto* grid = new QGridLayout(owner);
    grid->setContentsMargins(5, 2, 5, 4);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    return grid;
}

}  // namespace veltar
