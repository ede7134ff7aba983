// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CDateTime.h"
#include "records/RecordFields.h"

#include <tuple>

// The fields of the JSON form's document object, for the visitors of
// records/RecordFields.h with one more member, Language(name, LCID&). The
// records' fields are those of VisitFields under the same names. The
// language comes first: it selects the code page of every text after it.
// The fields are const when writing.
template <class Language, class Version, class Holidays, class Fields>
void VisitDocument(Language& language, Version& version, Holidays& holidays, Fields& fields) {
    fields.Language("language", language);
    fields.Int("version", version);
    fields.List("holidays", holidays);
}

// A new record of each kind, made once per reading. The records read start
// as copies of them, so that every record takes the same today's date for
// the fields it leaves out, and the clock is read once, not per record.
using CNewRecords = std::tuple<CHoliday, CRuleset, CShiftRule>;
inline CNewRecords NewRecordsToday() {
    return {CHoliday{}, NewRulesetOn(CDateTime::Now()), CShiftRule{}};
}
