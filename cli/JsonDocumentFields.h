// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records/RecordFields.h"

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
