// Speed of the main window on the offscreen platform: start to the first calculated
// window, and one accepted input (focus-out, store, calculate, the list and the
// figure repainted). Goals: 0.5 s and 5 ms. Measuring runs, never timed tests.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <cstdlib>

#include "files/recent.h"
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
