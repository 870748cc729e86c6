// Speed of the main window on the offscreen platform: start to the first calculated
// window, one accepted input (focus-out, store, calculate, the list and the figure
// repainted), and one dimension typed in a built-up profile dialog (focus-out, the
// section, the whole calculation, the dialog with its labels and figure, the panel
// figure and the list repainted). Goals: 0.5 s, 5 ms and 5 ms. Measuring runs,
// never timed tests.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <cstdlib>

#include "files/recent.h"
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
    state.counters["goal_ms"] = 5;
}
BENCHMARK(AcceptedInput)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);

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
