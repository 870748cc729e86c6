// Decided once at start-up; afterwards the folder follows the user's dialogs.
#include "ui/startfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace veltar {

QString FirstDialogFolder(const QString& exeDir) {
    const QFileInfo program(exeDir);
    if (program.isDir() && program.isWritable()) return QDir::toNativeSeparators(exeDir);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const bool hasDocuments = !documents.isEmpty() && QFileInfo(documents).isDir();
    return QDir::toNativeSeparators(hasDocuments ? documents : QDir::homePath());
}

}  // namespace veltar
