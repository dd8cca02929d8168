// One full fill of the payoffs-and-odds table: every row's probability, win
// and odds text with the two totals.
#include <benchmark/benchmark.h>

#include "core/odds/OddsTable.h"

namespace {

PayoffTables SampleTables() {
    PayoffTables tables;
    for (auto& row : tables.RegularPayoffs) {
        for (std::size_t c = 0; c < row.size(); ++c) row[c] = static_cast<Money>(c * c * 5000);
    }
    return tables;
}

void FillTable(benchmark::State& state, TicketKind tab, int spots, odds::OddsMode mode) {
    const PayoffTables tables = SampleTables();
    const odds::OddsInputs inputs{tab,  spots,   money::kOneDollar,
                                  mode, &tables, money::Dollars(50000)};
    odds::OddsView view;
    for (auto _ : state) {
        odds::FillOddsTable(inputs, odds::kFillAll, view);
        benchmark::DoNotOptimize(view);
    }
}

void BM_FillTwentySpotsOneIn(benchmark::State& state) {
    FillTable(state, TicketKind::Regular, 20, odds::OddsMode::OneIn);
}
void BM_FillTwentySpotsPercent(benchmark::State& state) {
    FillTable(state, TicketKind::Regular, 20, odds::OddsMode::Percent);
}
void BM_FillFortyPercent(benchmark::State& state) {
    FillTable(state, TicketKind::Forty, 0, odds::OddsMode::Percent);
}

}  // namespace

BENCHMARK(BM_FillTwentySpotsOneIn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillTwentySpotsPercent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillFortyPercent)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
