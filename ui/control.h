// Controls looked up by their object name. A missing control is a fault of the
// program, not of the user, and stops it at once in every build type, naming it.
#pragma once

#include <QAction>
#include <QObject>
#include <QWidget>
#include <QtGlobal>

#include <utility>

namespace veltar {

template <class W>
W& Control(const QObject& parent, const char* name) {
    W* w = parent.findChild<W*>(name);
    if (!w) qFatal("VELTAR: the window has no control \"%s\" of the expected kind", name);
    return *w;
}

// Enables the menu item `name` and runs `slot` when it is chosen: an item is live only
// once the object that does its job exists.
template <class F>
void WireItem(const QObject& window, const char* name, const QObject* receiver, F&& slot) {
    QAction& item = Control<QAction>(window, name);
    item.setEnabled(true);
    QObject::connect(&item, &QAction::triggered, receiver, std::forward<F>(slot));
}

// A window shown, or brought in front of the others, with the focus.
inline void ShowInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace veltar
