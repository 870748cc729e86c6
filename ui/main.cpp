// veltar: the main window. "veltar --screenshot OUT.png [FILE.velta]" saves a
// picture of the calculated window instead of running it.
#include <QApplication>
#include <QSettings>

#include <cstdio>

#include "files/recent.h"
#include "ui/fileactions.h"
#include "ui/mainwindow.h"
#include "ui/screenshot.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool screenshot = args.size() >= 3 && args[1] == "--screenshot";
    if (args.size() > 1 && (!screenshot || args.size() > 4)) {
        std::fprintf(stderr, "usage: veltar [--screenshot OUT.png [FILE.velta]]\n");
        return 2;
    }
    QSettings settings(veltar::kSettingsApplication, veltar::kSettingsApplication);
    veltar::QtSettingsStore store(settings);
    veltar::MainWindow window(nullptr, store, QCoreApplication::applicationDirPath());
    if (screenshot) return veltar::SaveScreenshot(window, args[2], args.size() == 4 ? args[3] : QString()) ? 0 : 1;
    window.show();
    return app.exec();
}
