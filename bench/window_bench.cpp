// Speed of the main window on the offscreen platform: start to the first calculated
// Speed of the main window on the offscreen platform: start to the first calculated
// window, one accepted input (focus-out, store, calculate, the list and the figure
// repainted), one dimension typed in a built-up profile dialog (focus-out, the
// section, the whole calculation, the dialog with its labels and figure, the panel
// figure and the list repainted), the database window opening a 10 000-case table and
// a row picked in its grid. Goals: 0.5 s, 2 ms, 5 ms, 1 s and 10 ms. Measuring runs,
// never timed tests.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdlib>

#include "bench/case_mix.h"
#include "files/recent.h"
#include "ui/database/databasecommands.h"
#include "ui/database/databasewindow.h"
#include "ui/dialogs/profiledialogs.h"
#include "ui/mainwindow.h"

namespace veltar::bench {
namespace {

QString ExeDir() { return QCoreApplication::applicationDirPath(); }

void WaitForFirstRun(MainWindow& window) {
    while (!window.HasCalculated()) QCoreApplication::processEvents();
}

void WindowStart(benchmark::State& state) {
    for ([[maybe_unused]] auto _ : state) {
        MemorySettings settings;
        MainWindow window(nullptr, settings, ExeDir());
        window.show();
        WaitForFirstRun(window);
        window.repaint();
    }
    state.counters["goal_ms"] = 500;
}
BENCHMARK(WindowStart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void AcceptedInput(benchmark::State& state) {
    MemorySettings settings;
    MainWindow window(nullptr, settings, ExeDir());
    window.show();
    WaitForFirstRun(window);
    auto* t = window.findChild<QLineEdit*>("it");
    auto* s1 = window.findChild<QLineEdit*>("is1");
    auto* figure = window.findChild<QWidget*>("pic21");
    auto* list = window.findChild<QWidget*>("ListView1");
    if (!t || !s1 || !figure || !list) return state.SkipWithError("a control is missing");
    bool thin = false;
    for ([[maybe_unused]] auto _ : state) {
        t->setFocus();
        QCoreApplication::processEvents();
        t->setText((thin = !thin) ? "18" : "20");
        s1->setFocus();  // the focus-out stores, checks and recalculates
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        figure->repaint();
        list->repaint();
    }
    state.counters["goal_ms"] = 2;
}
BENCHMARK(AcceptedInput)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);

// The case mix as a table file in `dir`.
QString WriteTable(const QTemporaryDir& dir, int cases) {
    const QString path = dir.filePath("cases.velti");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(QByteArray::fromStdString(CaseMixTable(cases)));
    return path;
}

DatabaseWindow& OpenDatabaseWindow(MainWindow& window) {
    window.show();
    WaitForFirstRun(window);
    return *window.findChild<DatabaseCommands*>("databaseCommands")->Open();
}

void DatabaseOpen10000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = WriteTable(dir, 10000);
    MemorySettings settings;
    MainWindow window(nullptr, settings, ExeDir());
    DatabaseWindow& db = OpenDatabaseWindow(window);
    for ([[maybe_unused]] auto _ : state) {
        if (!db.OpenTable(path)) return state.SkipWithError("the table did not open");
        db.repaint();
        window.repaint();
    }
    state.counters["goal_ms"] = 1000;
}
BENCHMARK(DatabaseOpen10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// A row selected in the grid as the user does: the case loaded into the main window,
// shown, calculated, the list and the figure repainted.
void DatabaseSelectRow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = WriteTable(dir, 10000);
    MemorySettings settings;
    MainWindow window(nullptr, settings, ExeDir());
    DatabaseWindow& db = OpenDatabaseWindow(window);
    if (!db.OpenTable(path)) return state.SkipWithError("the table did not open");
    auto* grid = db.findChild<QTableView*>("grid");
    auto* figure = window.findChild<QWidget*>("pic21");
    auto* list = window.findChild<QWidget*>("ListView1");
    int row = 0;
    for ([[maybe_unused]] auto _ : state) {
        row = row % 9000 + 7;  // rows far apart, comment rows among them
        grid->selectRow(row);
        figure->repaint();
        list->repaint();
    }
    state.counters["goal_ms"] = 10;
}
BENCHMARK(DatabaseSelectRow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);
void BuiltUpDimension(benchmark::State& state) {
    MemorySettings settings;
    MainWindow window(nullptr, settings, ExeDir());
    window.show();
    WaitForFirstRun(window);
    window.CaseRecord().FigNotToScale = 0;  // the section drawn to scale costs more than a stored drawing
    ProfileDialog* dialog = window.Profiles().OpenFromMenu("stifftb");
    while (dialog && !dialog->HasActivated()) QCoreApplication::processEvents();
    if (!dialog) return state.SkipWithError("the dialog did not open");
    auto* h = dialog->findChild<QLineEdit*>("isth");
    auto* b = dialog->findChild<QLineEdit*>("istb");
    auto* figure = window.findChild<QWidget*>("pic21");
    auto* list = window.findChild<QWidget*>("ListView1");
    if (!h || !b || !figure || !list) return state.SkipWithError("a control is missing");
    bool low = false;
    for ([[maybe_unused]] auto _ : state) {
        h->setFocus();
        QCoreApplication::processEvents();
        h->setText((low = !low) ? "220" : "200");
        b->setFocus();  // the focus-out takes the value and recalculates
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        dialog->repaint();
        figure->repaint();
        list->repaint();
    }
    state.counters["goal_ms"] = 5;
}
BENCHMARK(BuiltUpDimension)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);

}  // namespace
}  // namespace veltar::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
