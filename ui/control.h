// Controls looked up by their object name. A missing control is a fault of the
// program, not of the user, and stops it at once in every build type, naming it.
#pragma once

#include <QObject>
#include <QtGlobal>

namespace veltar {

template <class W>
W& Control(const QObject& parent, const char* name) {
    W* w = parent.findChild<W*>(name);
    if (!w) qFatal("VELTAR: the window has no control \"%s\" of the expected kind", name);
    return *w;
}

}  // namespace veltar
