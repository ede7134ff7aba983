// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/DocumentFiles.h"
#include "cli/JsonDocumentFields.h"
#include "cli/JsonForm.h"
#include "core/CodePage.h"
#include "core/FileAccess.h"
#include "tests/support/SampleDocuments.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <fmt/format.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The JSON form with the fields of every object in the reverse of the order
// convert writes them, the language last, as a person or another program may
// write it; indented as convert indents. Every text is a JSON string: the
// mixed documents' texts are Windows-1252 letters, without quotes,
// backslashes or control characters.
class CReversedJson {
public:
    CReversedJson(const CCodePage& textCodePage, int objectDepth) : codePage(textCodePage), depth(objectDepth) {}

    void Language(const char* name, LCID value) { Add(name, std::to_string(value)); }
    void Int(const char* name, std::int32_t value) { Add(name, std::to_string(value)); }
    void Text(const char* name, const std::string& value) {
        Add(name, "\"" + codePage.ToUtf8(value).value_or("") + "\"");
    }
    template <class Record>
    void List(const char* name, const std::vector<Record>& records) {
        std::string list = "[";
        for (const Record& record : records) {
            CReversedJson element(codePage, depth + 2);
            VisitFields(record, element);
            list += (list.size() > 1 ? ",\n" : "\n") + Indent(depth + 2) + element.Object();
        }
        Add(name, records.empty() ? "[]" : list + "\n" + Indent(depth + 1) + "]");
    }

    std::string Object() const {
        std::string object = "{";
        for (auto field = fields.rbegin(); field != fields.rend(); ++field) {
            object += (object.size() > 1 ? ",\n" : "\n") + Indent(depth + 1) + *field;
        }
        return object + "\n" + Indent(depth) + "}";
    }

private:
    static std::string Indent(int level) { return std::string(static_cast<std::size_t>(2 * level), ' '); }
    void Add(const char* name, const std::string& value) { fields.push_back(fmt::format("\"{}\": {}", name, value)); }

    const CCodePage& codePage;
    int depth;
    std::vector<std::string> fields;
};

std::string ReversedJsonText(const CHolidays& document) {
    const CCodePage codePage(GetDefaultAnsiCodePage(document.GetLanguage()));
    const LCID language = document.GetLanguage();
    const std::int32_t version = document.GetVersion();
    CReversedJson fields(codePage, 0);
    VisitDocument(language, version, document.Holidays(), fields);
    return fields.Object() + "\n";
}

// The mixed documents of each size in both forms, and in JSON with its
// fields reversed (ending "-reversed.json"), written once per run into a
// folder of their own that is removed at the end.
class CSampleFiles {
public:
    CSampleFiles() : folder(std::filesystem::temp_directory_path() / fmt::format("tavrin-bench-{}", ::getpid())) {
        std::filesystem::create_directories(folder);
    }
    ~CSampleFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    const std::filesystem::path& Folder() const { return folder; }

    const std::filesystem::path& Path(int count, const char* ending) {
        const auto key = std::make_pair(count, std::string(ending));
        auto found = paths.find(key);
        if (found == paths.end()) {
            const std::filesystem::path path = folder / fmt::format("mixed-{}{}", count, ending);
            if (std::string(ending) == "-reversed.json") {
                WriteFileAtomically(path, ReversedJsonText(MakeMixedHolidays(count)));
            } else {
                SaveDocument(MakeMixedHolidays(count), path);
            }
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
// The same document with the fields of every object in the reverse order.
void BM_LoadJsonReversedFields(benchmark::State& state) {
    LoadFile(state, "-reversed.json");
}
BENCHMARK(BM_LoadHol)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_LoadJson)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_LoadJsonReversedFields)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The peak resident memory of tavrin-cli (the program TAVRIN_CLI names) run
// with the arguments in a process of its own, standard output going to
// /dev/null, in MiB; nothing when it cannot be run or fails.
std::optional<double> PeakMebibytesOf(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), TAVRIN_CLI);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, TAVRIN_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return std::nullopt;
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

// What converting a .hol file of state.range(0) holidays to JSON needs at
// its peak, against `dates FILE 2024 2024` on the same file (loading the
// document and listing one year): each run in a fresh process, its peak
// resident memory from wait4. The counters give both in MiB and the
// difference, convert's memory beyond what the document needs.
void BM_ConvertToJsonPeakMemory(benchmark::State& state) {
    const std::string hol = SampleFiles().Path(static_cast<int>(state.range(0)), ".hol").string();
    const std::string json = (SampleFiles().Folder() / "converted.json").string();
    std::vector<double> dates;
    std::vector<double> convert;
    for (auto _ : state) {
        const std::optional<double> datesPeak = PeakMebibytesOf({"dates", hol, "2024", "2024"});
        const std::optional<double> convertPeak = PeakMebibytesOf({"convert", hol, json});
        if (!datesPeak || !convertPeak) {
            state.SkipWithError("tavrin-cli failed");
            return;
        }
        dates.push_back(*datesPeak);
        convert.push_back(*convertPeak);
        std::filesystem::remove(json);
    }
    const auto highest = [](const std::vector<double>& peaks) { return *std::max_element(peaks.begin(), peaks.end()); };
    state.counters["datesMiB"] = highest(dates);
    state.counters["convertMiB"] = highest(convert);
    state.counters["overDatesMiB"] = highest(convert) - highest(dates);
}
BENCHMARK(BM_ConvertToJsonPeakMemory)->Arg(200'000)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace
