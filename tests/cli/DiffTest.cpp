// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/DocumentFiles.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/support/SampleDocuments.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// Alpha on 1 January; Beta and Zeta on 1 May, in that order.
std::vector<CHoliday> OldHolidays() {
    return {MakeFixedHoliday("A", "Alpha", 1, 1), MakeFixedHoliday("B", "Beta", 1, 5),
            MakeFixedHoliday("Z", "Zeta", 1, 5)};
}

TEST(Diff, ListsTheHolidaysOnlyOneFileHas) {
    const std::vector<CHoliday> old = OldHolidays();
    const CHoliday& alpha = old[0];
    const CHoliday& beta = old[1];
    const CHoliday& zeta = old[2];
    CHoliday betaMoved = MakeFixedHoliday("B", "Beta", 2, 5);
    CHoliday betaRenamed = MakeFixedHoliday("B", "Beta\tneu", 1, 5);
    CHoliday alphaTwice = alpha;  // two rulesets that give the same day list it twice
    alphaTwice.rulesets.push_back(alpha.rulesets[0]);
    const struct {
        const char* change;
        std::optional<std::vector<CHoliday>> holidays;  // none: no NEW file
        const char* newName;
        std::vector<std::string> years;
        int exitCode;
        std::string out;
    } cases[] = {
        {"other bytes and order, same holidays", std::vector{zeta, beta, alpha}, "new.json", {"2024", "2025"}, 0, ""},
        {"added",
         std::vector{alpha, beta, zeta, MakeFixedHoliday("C", "Gamma", 3, 3)},
         "new.hol",
         {"2024"},
         1,
         "+ 2024-03-03\tC\tGamma\n"},
        {"moved",
         std::vector{alpha, betaMoved, zeta},
         "new.hol",
         {"2024", "2025"},
         1,
         "- 2024-05-01\tB\tBeta\n+ 2024-05-02\tB\tBeta\n- 2025-05-01\tB\tBeta\n+ 2025-05-02\tB\tBeta\n"},
        {"display changed",
         std::vector{alpha, betaRenamed, zeta},
         "new.hol",
         {"2024"},
         1,
         "- 2024-05-01\tB\tBeta\n+ 2024-05-01\tB\tBeta\\tneu\n"},
        {"listed twice", std::vector{alphaTwice, beta, zeta}, "new.hol", {"2024"}, 1, "+ 2024-01-01\tA\tAlpha\n"},
        {"removed twice listed",
         std::vector{beta},
         "new.hol",
         {"2024"},
         1,
         "- 2024-01-01\tA\tAlpha\n- 2024-05-01\tZ\tZeta\n"},
        {"missing NEW", std::nullopt, "none.hol", {"2024"}, 2, ""},
        {"year out of range", std::vector{alpha}, "new.hol", {"0"}, 2, ""},
    };
    for (const auto& c : cases) {
        const CTemporaryFolder folder;
        WriteTextFile(folder / "old.hol", DocumentToHolBytes(MakeDocument(0x0407, old)));
        if (c.holidays) {
            CHolidays document = MakeDocument(0x0407, *c.holidays);
            document.SetVersion(101);
            SaveDocument(document, folder / c.newName);
        }
        std::vector<std::string> arguments{"diff", (folder / "old.hol").string(), (folder / c.newName).string()};
        arguments.insert(arguments.end(), c.years.begin(), c.years.end());
        const CRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.change << ": " << run.errors;
        EXPECT_EQ(run.out, c.out) << c.change;
        EXPECT_EQ(run.errors.empty(), c.exitCode != 2) << c.change << ": " << run.errors;
    }
}

}  // namespace
