// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/HolidayId.h"

#include <algorithm>

bool IsReferenceId(std::string_view id) {
    return std::find(kReferenceIds.begin(), kReferenceIds.end(), id) != kReferenceIds.end();
}

std::vector<EIdProblem> IdProblems(std::string_view id) {
    std::vector<EIdProblem> problems;
    if (id.empty()) {
        problems.push_back(EIdProblem::Empty);
    }
    if (IsReferenceId(id)) {
        problems.push_back(EIdProblem::Reserved);
    }
    if (id.find(',') != std::string_view::npos) {
        problems.push_back(EIdProblem::Comma);
    }
    return problems;
}
