// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/DocumentFiles.h"
#include "cli/JsonForm.h"
#include "cli/JsonText.h"
#include "tests/support/SampleDocuments.h"

#include <benchmark/benchmark.h>
#include <fmt/format.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <utility>

namespace {

// The mixed documents of each size in both forms, written once per run into
// a folder of their own that is removed at the end.
class CSampleFiles {
public:
    CSampleFiles() : folder(std::filesystem::temp_directory_path() / fmt::format("tavrin-bench-{}", ::getpid())) {
        std::filesystem::create_directories(folder);
    }
    ~CSampleFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    const std::filesystem::path& Path(int count, const char* ending) {
        const auto key = std::make_pair(count, std::string(ending));
        auto found = paths.find(key);
        if (found == paths.end()) {
            const std::filesystem::path path = folder / fmt::format("mixed-{}{}", count, ending);
            SaveDocument(MakeMixedHolidays(count), path);
            found = paths.emplace(key, path).first;
        }
        return found->second;
    }

private:
    std::filesystem::path folder;
    std::map<std::pair<int, std::string>, std::filesystem::path> paths;
};

CSampleFiles& SampleFiles() {
    static CSampleFiles files;
    return files;
}

// Loads the file of state.range(0) holidays as tavrin-cli does before every command.
void LoadFile(benchmark::State& state, const char* ending) {
    const auto count = static_cast<int>(state.range(0));
    const std::filesystem::path& path = SampleFiles().Path(count, ending);
    std::ostringstream warnings;
    for (auto _ : state) {
        const CHolidays document = LoadDocument(path, warnings);
        benchmark::DoNotOptimize(document.Holidays().data());
    }
    state.SetComplexityN(count);
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}

void BM_LoadHol(benchmark::State& state) {
    LoadFile(state, ".hol");
}
void BM_LoadJson(benchmark::State& state) {
    LoadFile(state, ".json");
}
BENCHMARK(BM_LoadHol)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_LoadJson)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The same JSON text read through the JSON tree, as a text is that is not in
// the field order the program writes (a hand-edited file).
void BM_ReadJsonThroughTree(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    const std::string text = DocumentToJsonText(MakeMixedHolidays(count));
    for (auto _ : state) {
        const CHolidays document = DocumentFromJson(ParseJsonText(text));
        benchmark::DoNotOptimize(document.Holidays().data());
    }
    state.SetComplexityN(count);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ReadJsonThroughTree)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
