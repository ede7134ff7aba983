// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/CliApp.h"
#include "tests/support/SampleDocuments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// What a run of tavrin-cli gave.
struct CRun {
    int exitCode;
    std::string out;
    std::string errors;
};

// Runs tavrin-cli with `input` as its standard input.
inline CRun RunCli(const std::vector<std::string>& arguments, std::string_view input = {}) {
    std::istringstream in{std::string(input)};
    std::ostringstream out;
    std::ostringstream errors;
    const int exitCode = RunTavrinCli(arguments, in, out, errors);
    return {exitCode, out.str(), errors.str()};
}

// A fresh, empty folder for one test, removed afterwards.
class CTemporaryFolder {
public:
    CTemporaryFolder() {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::temp_directory_path() /
               (std::string("tavrin-cli-") + test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~CTemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    CTemporaryFolder(const CTemporaryFolder&) = delete;
    CTemporaryFolder& operator=(const CTemporaryFolder&) = delete;

    std::filesystem::path operator/(std::string_view name) const { return path / name; }
    const std::filesystem::path& Path() const { return path; }

    // The names of the files in the folder.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

private:
    std::filesystem::path path;
};

inline void WriteTextFile(const std::filesystem::path& path, std::string_view content) {
    std::ofstream file(path, std::ios::binary);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
}

inline std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::filesystem::path ExamplePath(std::string_view name) {
    return std::filesystem::path(TAVRIN_EXAMPLES_DIR) / name;
}

// A holiday on a fixed date every year from 1900 to 2100.
inline CHoliday MakeFixedHoliday(const std::string& id, const std::string& display, int day, int month) {
    CRuleset ruleset = MakeFixedRuleset();
    ruleset.fixedDay = day;
    ruleset.fixedMonth = month;
    CHoliday holiday;
    holiday.id = id;
    holiday.display = display;
    holiday.rulesets.push_back(ruleset);
    return holiday;
}
