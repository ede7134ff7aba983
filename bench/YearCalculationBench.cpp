// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTime.h"
#include "model/CHolidays.h"
#include "model/HolidayFile.h"
#include "model/PreviewReport.h"
#include "records/HolidayId.h"
#include "tests/support/SampleDocuments.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

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

// The first calculation of a document just loaded from its .hol bytes, as
// after File > Open or in tavrin-cli: the calculation takes the holidays
// with their IDs numbered, then runs the year. Each iteration calculates one
// document; the loading is not timed: batches of documents are loaded with
// the timer paused, which costs less per document than pausing for each.
void BM_FirstCalculationOfLoadedGermanHolidays(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = SaveHolidayBytes(MakeGermanHolidays());
    std::vector<CHolidays> loaded(16);
    std::size_t next = loaded.size();
    for (auto _ : state) {
        if (next == loaded.size()) {
            state.PauseTiming();
            for (CHolidays& document : loaded) {
                document = CHolidays();
                LoadHolidayBytes(document, bytes);
            }
            next = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(loaded[next++].CalculationOf(2024).HeldDateCount());
    }
}
BENCHMARK(BM_FirstCalculationOfLoadedGermanHolidays);

// The preview's walk over every day of a year, as the editor's preview and
// `tavrin-cli preview` run it: of a year that is not the held one (one
// recalculation, then the entries of each day), and of the held year.
void BM_PreviewWalkOfYear(benchmark::State& state) {
    CHolidays document = MakeGermanHolidays();
    int year = 2000;
    for (auto _ : state) {
        year = year == 2000 ? 2001 : 2000;
        benchmark::DoNotOptimize(CollectPreviewEntries(document, year).size());
    }
}
BENCHMARK(BM_PreviewWalkOfYear);

void BM_PreviewWalkOfHeldYear(benchmark::State& state) {
    CHolidays document = MakeGermanHolidays();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CollectPreviewEntries(document, 2024).size());
    }
}
BENCHMARK(BM_PreviewWalkOfHeldYear);

// Recalculates the document's held year, 2024, without a change.
void RecalculateHeldYear(benchmark::State& state, CHolidays document) {
    document.GetDayHolidayCount(CDateTime(2024, 1, 1));
    for (auto _ : state) {
        document.Recalculate();
        benchmark::DoNotOptimize(document.Calculation().HeldDateCount());
    }
}

// The worst case of the passes: 10,000 holidays, each referring to the next
// one in the list, so every pass resolves only one.
void BM_RecalculateChainOf10000(benchmark::State& state) {
    RecalculateHeldYear(state, MakeChainedHolidays(10'000));
    state.SetItemsProcessed(state.iterations() * 10'000);
}
BENCHMARK(BM_RecalculateChainOf10000)->Unit(benchmark::kMillisecond);

// `count` holidays made of copies of the German ones, each copy's IDs and
// references to them carrying the copy's number: fixed dates, dates relative
// to Easter and to other holidays of the copy, and a reference-only holiday.
CHolidays MakeManyGermanHolidays(int count) {
    const std::vector<CHoliday> german = MakeGermanHolidays().Holidays();
    const auto renamed = [](const std::string& id, int copy) {
        return IsReferenceId(id) ? id : id + "_" + std::to_string(copy);
    };
    std::vector<CHoliday> holidays;
    for (int copy = 0; static_cast<int>(holidays.size()) < count; ++copy) {
        for (CHoliday holiday : german) {
            holiday.id = renamed(holiday.id, copy);
            for (CRuleset& ruleset : holiday.rulesets) {
                ruleset.offsetReference = renamed(ruleset.offsetReference, copy);
                ruleset.weekdayReference = renamed(ruleset.weekdayReference, copy);
            }
            holidays.push_back(holiday);
        }
    }
    holidays.resize(static_cast<std::size_t>(count));
    return MakeDocument(0x0407, holidays);
}

// What the editor's store of one changed holiday costs in a document of
// 10,000 holidays: SetHoliday replaces a holiday in the middle of the list
// (alternately moving its date by a day) and recalculates the held year.
void BM_SetHolidayOf10000(benchmark::State& state) {
    CHolidays document = MakeManyGermanHolidays(10'000);
    document.GetDayHolidayCount(CDateTime(2024, 1, 1));
    CHoliday changed = document.GetHoliday(5'000 - 5'000 % 18);  // a copy's NEUJAHR
    for (auto _ : state) {
        changed.rulesets[0].fixedDay = changed.rulesets[0].fixedDay == 1 ? 2 : 1;
        document.SetHoliday(changed);
        benchmark::DoNotOptimize(document.Calculation().HeldDateCount());
    }
}
BENCHMARK(BM_SetHolidayOf10000)->Unit(benchmark::kMicrosecond);

// The same document recalculated without a change, for comparison.
void BM_RecalculateOf10000(benchmark::State& state) {
    RecalculateHeldYear(state, MakeManyGermanHolidays(10'000));
}
BENCHMARK(BM_RecalculateOf10000)->Unit(benchmark::kMicrosecond);

}  // namespace
