// The windows besides the main window that "veltar --screenshot OUT.png --window NAME"
// renders, by name. A window joins with one line in the table of windowregistry.cpp;
// the profile dialogs join by their object names, opened from their menu items.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace veltar {

class MainWindow;

// Opens the window `name` over the calculated main window and waits until it shows
// its content; null with a message when there is no such window or it did not open.
QWidget* OpenNamedWindow(const QString& name, MainWindow& main, QString& error);

QStringList NamedWindows();

}  // namespace veltar
