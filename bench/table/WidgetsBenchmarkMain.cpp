// The main of the table's benchmarks: Google Benchmark's, inside a QApplication, as widgets and
// the table's queued signals need one.
#include <benchmark/benchmark.h>
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
