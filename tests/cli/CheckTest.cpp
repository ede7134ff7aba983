// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"
#include "tests/cli/CliTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

namespace {

TEST(Check, ExitCodeSaysWhetherItFoundSomething) {
    const CTemporaryFolder folder;
    WriteTextFile(folder / "clean.json", "{}");
    WriteTextFile(folder / "dirty.json", R"({"holidays": [{"id": "", "rulesets": []}]})");
    std::istringstream noInput;
    const CStandardInput input{noInput, std::nullopt};
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(RunCheck(folder / "clean.json", input, out, errors), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(RunCheck(folder / "dirty.json", input, out, errors), 1);
    EXPECT_EQ(out.str(), "#1: the ID is empty\n#1: the holiday has no date in any year from 1900 to 2100\n");
    EXPECT_EQ(RunCheck(folder / "missing.json", input, out, errors), 2);
    EXPECT_EQ(errors.str().rfind("tavrin-cli: cannot read", 0), 0u) << errors.str();
}

}  // namespace
