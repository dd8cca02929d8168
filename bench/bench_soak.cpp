// The unattended session of the soak test at length: random tickets of every
// kind, each game drawn, evaluated, recorded in a real history file, read
// back and checked. --benchmark_filter=BM_Soak/1000000 for the long run.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <iostream>

#include "support/SoakRun.h"

namespace {

void BM_Soak(benchmark::State& bench) {
    int faults = 0;
    for (auto _ : bench) {
        QTemporaryDir dir;
        SoakOptions options;
        options.games = static_cast<int>(bench.range(0));
        options.seed = 20261208;
        options.historyPath = dir.filePath(QStringLiteral("Games.vlr"));
        const SoakReport report = PlaySoak(options);
        faults += static_cast<int>(report.faults.size());
        for (const QString& line : report.faults) std::cerr << line.toStdString() << '\n';
        bench.counters["runs"] = report.runs;
        bench.counters["way_games"] = report.gamesByKind[10];
        bench.counters["return_pct"] = report.paid > 0 ? 100.0 * static_cast<double>(report.won) /
                                                             static_cast<double>(report.paid)
                                                       : 0.0;
    }
    bench.counters["faults"] = faults;
    bench.SetItemsProcessed(bench.iterations() * bench.range(0));
    if (faults > 0) bench.SkipWithError("the soak found faults");
}
BENCHMARK(BM_Soak)->Arg(20000)->Arg(1000000)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
