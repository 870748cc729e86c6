// Renders the calculated window into a PNG, for documentation and bug reports.
#pragma once

#include <QString>

namespace veltar {

class MainWindow;

// Shows the window, opens `file` when given (a case table in the database window), waits for the first calculation and
// saves the window's picture, or that of the named window opened over it
// (windowregistry.h); returns false (with a note on stderr) on failure.
bool SaveScreenshot(MainWindow& window, const QString& out, const QString& file, const QString& named = {});

}  // namespace veltar
