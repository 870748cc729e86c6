// Where the first file dialog starts.
#pragma once

#include <QString>

namespace veltar {

// The program's folder when the user can write there (a copy unpacked in a folder
// of one's own); otherwise, as for an installed program in /usr/bin, the user's
// documents folder, or the home folder when that does not exist.
QString FirstDialogFolder(const QString& exeDir);

}  // namespace veltar
