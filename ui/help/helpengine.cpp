// The collection is rebuilt whenever the help file differs from the one registered
// (another path after a reinstall, or a newer build), so the pages never go stale.
#include "ui/help/helpengine.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QStandardPaths>

namespace veltar {
namespace {

constexpr const char* kIndexComplete = "veltarIndexComplete";

QString Stamp(const QFileInfo& file) {
    return file.absoluteFilePath() + "|" + QString::number(file.size()) + "|" +
           QString::number(file.lastModified().toMSecsSinceEpoch());
}

bool Register(QHelpEngine& engine, const QString& ns, const QFileInfo& qch) {
    const QString stamp = Stamp(qch);
    const bool current =
        engine.registeredDocumentations().contains(ns) && engine.customValue("veltarHelpStamp").toString() == stamp;
    if (current) return true;
    if (engine.registeredDocumentations().contains(ns)) engine.unregisterDocumentation(ns);
    if (!engine.registerDocumentation(qch.absoluteFilePath())) return false;
    engine.setCustomValue("veltarHelpStamp", stamp);
    engine.setCustomValue(kIndexComplete, false);
    return true;
}

// An indexing run that was cut short (the window closed, the program ended) leaves
// an index that the search engine takes as done; it is thrown away and rebuilt.
void DropIncompleteIndex(QHelpEngine& engine, const QString& cache) {
    if (engine.customValue(kIndexComplete).toBool()) return;
    QDir(cache + "/.veltar").removeRecursively();
}

}  // namespace

std::unique_ptr<QHelpEngine> OpenHelpEngine(const QString& qchPath, QString& error) {
    const QFileInfo qch(qchPath);
    if (!qch.exists() || qch.isDir()) {
        error = "can't find file - " + QDir::toNativeSeparators(qchPath);
        return nullptr;
    }
    const QString ns = qch.isReadable() ? QHelpEngineCore::namespaceName(qch.absoluteFilePath()) : QString();
    if (ns.isEmpty()) {
        error = "can't read help file - " + QDir::toNativeSeparators(qchPath);
        return nullptr;
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/help";
    QDir().mkpath(cache);
    auto engine = std::make_unique<QHelpEngine>(cache + "/veltar.qhc");
    engine->setReadOnly(false);
    if (!engine->setupData() || !Register(*engine, ns, qch)) {
        error = "can't read help file - " + QDir::toNativeSeparators(qchPath) + " (" + engine->error() + ")";
        return nullptr;
    }
    DropIncompleteIndex(*engine, cache);
    engine->setupData();  // contents, index and search from the file just registered
    return engine;
}

}  // namespace veltar
