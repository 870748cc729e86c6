// The main window's status bar: the governing check after each run, and a note
// about inputs that are allowed but unlikely (never a message box).
#pragma once

#include "core/case.h"

class QLabel;
class QMainWindow;

namespace veltar {

class StatusLine {
public:
    // Adds the two texts to the window's status bar.
    explicit StatusLine(QMainWindow& window);

    // The texts for the case after a run.
    void Show(const Case& c);

private:
    QLabel* governing_;
    QLabel* note_;
};

}  // namespace veltar
