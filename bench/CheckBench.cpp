// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/DocumentCheck.h"
#include "tests/support/SampleDocuments.h"

#include <benchmark/benchmark.h>

namespace {

// `tavrin-cli check` of a loaded document: every holiday calculated in every
// checked year, then the findings. The mixed documents have no findings;
// the random ones have many (unknown references, cycles, repeated IDs).
void CheckSample(benchmark::State& state, CHolidays (*make)(int)) {
    const CHolidays document = make(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckDocument(document).size());
    }
    state.SetComplexityN(state.range(0));
}

CHolidays Random(int count) {
    return MakeRandomHolidays(count);
}

void BM_CheckMixed(benchmark::State& state) {
    CheckSample(state, MakeMixedHolidays);
}
void BM_CheckRandom(benchmark::State& state) {
    CheckSample(state, Random);
}
BENCHMARK(BM_CheckMixed)
    ->Arg(10'000)
    ->Arg(100'000)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_CheckRandom)
    ->Arg(10'000)
    ->Arg(100'000)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
