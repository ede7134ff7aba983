#include "core/CDateTime.h"
#include "model/CHolidays.h"
#include "tests/support/SampleDocuments.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// One recalculation of a realistic country file, as every store in the editor runs.
void BM_RecalculateGermanHolidays(benchmark::State& state) {
    CHolidays document = MakeGermanHolidays();
    document.GetDayHolidayCount(CDateTime(2024, 1, 1));
    for (auto _ : state) {
        document.Recalculate();
        benchmark::DoNotOptimize(document.Calculation().HeldDateCount());
    }
}
BENCHMARK(BM_RecalculateGermanHolidays);

// The preview's walk over every day of a year that is not the held one: one
// recalculation, then the count and entries of each day.
void BM_PreviewWalkOfYear(benchmark::State& state) {
    CHolidays document = MakeGermanHolidays();
    int year = 2000;
    std::string display;
    std::string id;
    for (auto _ : state) {
        year = year == 2000 ? 2001 : 2000;
        CDateTime cursor(year, 1, 1);
        const CDateTimeSpan oneDay(1, 0, 0, 0);
        while (cursor.GetYear() == year) {
            const int count = document.GetDayHolidayCount(cursor);
            for (int index = 0; index < count; ++index) {
                document.GetDayHoliday(cursor, index, display, id);
                benchmark::DoNotOptimize(display.data());
            }
            cursor += oneDay;
        }
    }
}
BENCHMARK(BM_PreviewWalkOfYear);

// The worst case of the passes: 10,000 holidays, each referring to the next
// one in the list, so every pass resolves only one.
void BM_RecalculateChainOf10000(benchmark::State& state) {
    CHolidays document = MakeChainedHolidays(10'000);
    document.GetDayHolidayCount(CDateTime(2024, 1, 1));
    for (auto _ : state) {
        document.Recalculate();
        benchmark::DoNotOptimize(document.Calculation().HeldDateCount());
    }
    state.SetItemsProcessed(state.iterations() * 10'000);
}
BENCHMARK(BM_RecalculateChainOf10000)->Unit(benchmark::kMillisecond);

}  // namespace
