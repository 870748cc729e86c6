// Table fingerprint: one hash over the table files in a fixed order.
#include "output/tablefingerprint.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace veltar {

QString TableFingerprint(const std::string& dataDir) {
    const QDir dir(QString::fromStdString(dataDir));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const char* name : {"lprof.dat", "tprof.dat", "fprof.dat", "bfprof.dat", "ABSmat.dat"}) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) return {};
    }
    return QString::fromLatin1(hash.result().toHex().left(12));
}

}  // namespace veltar
