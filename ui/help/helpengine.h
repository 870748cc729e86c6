// The compiled help file opened through a help engine whose collection lives in the
// user's cache: the installed help file may sit in a folder the user cannot write,
// and the search index needs a writable place.
#pragma once

#include <QString>

#include <memory>

class QHelpEngine;

namespace veltar {

// The namespace of our help file and the address of its pages.
inline constexpr const char* kHelpRoot = "qthelp://veltar.help/doc/";

// Opens `qchPath`; on failure returns null and a message that names the path.
std::unique_ptr<QHelpEngine> OpenHelpEngine(const QString& qchPath, QString& error);

}  // namespace veltar
