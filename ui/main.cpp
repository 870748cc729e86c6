// veltar: the main window. "veltar --screenshot OUT.png [--window NAME] [FILE.velta]"
// saves a picture of the calculated window, or of a named window over it, instead
// of running it.
#include <QApplication>
#include <QSettings>

#include <cstdio>

#include "files/recent.h"
#include "ui/fileactions.h"
#include "ui/mainwindow.h"
#include "ui/screenshot.h"
#include "ui/windowregistry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool screenshot = args.size() >= 3 && args[1] == "--screenshot";
    QString named;
    if (screenshot && args.size() >= 5 && args[3] == "--window") {
        named = args[4];
        args.remove(3, 2);
    }
    if (args.size() > 1 && (!screenshot || args.size() > 4)) {
        std::fprintf(stderr, "usage: veltar [--screenshot OUT.png [--window %s] [FILE.velta]]\n",
                     qPrintable(veltar::NamedWindows().join('|')));
        return 2;
    }
    QSettings settings(veltar::kSettingsApplication, veltar::kSettingsApplication);
    veltar::QtSettingsStore store(settings);
    veltar::MainWindow window(nullptr, store, QCoreApplication::applicationDirPath());
    if (screenshot)
        return veltar::SaveScreenshot(window, args[2], args.size() == 4 ? args[3] : QString(), named) ? 0 : 1;
    window.show();
    return app.exec();
}
