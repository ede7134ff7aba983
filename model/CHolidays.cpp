// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CHolidays.h"

#include "core/CArchive.h"
#include "core/CDateTime.h"
#include "model/HolidayFile.h"

#include <utility>

CHolidays::CHolidays() {
    Clear();
}

CHolidays::CHolidays(LCID documentLanguage, int documentVersion, std::vector<CHoliday> documentHolidays)
    : language(documentLanguage), version(documentVersion) {
    calculation.SetHolidays(std::move(documentHolidays));
}

void CHolidays::Clear() {
    calculation.Reset();
    language = GetUserDefaultLCID();
    version = 100;
}

int CHolidays::GetHolidayCount() const {
    return static_cast<int>(Holidays().size());
}

CHoliday CHolidays::GetHoliday(int index) const {
    if (index < 0 || index >= GetHolidayCount()) {
        return {};
    }
    return Holidays()[static_cast<std::size_t>(index)];
}

int CHolidays::FindHoliday(const std::string& id) const {
    const std::vector<CHoliday>& holidays = Holidays();
    for (std::size_t position = 0; position < holidays.size(); ++position) {
        if (holidays[position].id == id) {
            return static_cast<int>(position);
        }
    }
    return -1;
}

void CHolidays::SetHoliday(const CHoliday& holiday) {
    const int position = FindHoliday(holiday.id);
    if (position == -1) {
        InsertHoliday(GetHolidayCount(), holiday);
    } else {
        ReplaceHolidayAt(position, holiday);
    }
}

void CHolidays::RemoveHoliday(const std::string& id) {
    RemoveHolidayAt(FindHoliday(id));
}

void CHolidays::RenameHoliday(const std::string& oldId, const std::string& newId) {
    const int position = FindHoliday(oldId);
    if (position == -1) {
        return;
    }
    CHoliday renamed = Holidays()[static_cast<std::size_t>(position)];
    renamed.id = newId;
    ReplaceHolidayAt(position, renamed);
}

void CHolidays::ReplaceHolidayAt(int position, const CHoliday& holiday) {
    if (position < 0 || position >= GetHolidayCount()) {
        return;
    }
    calculation.ReplaceHoliday(static_cast<std::size_t>(position), holiday);
    Recalculate();
}

void CHolidays::InsertHoliday(int position, const CHoliday& holiday) {
    if (position < 0 || position > GetHolidayCount()) {
        return;
    }
    calculation.InsertHoliday(static_cast<std::size_t>(position), holiday);
    Recalculate();
}

void CHolidays::RemoveHolidayAt(int position) {
    if (position < 0 || position >= GetHolidayCount()) {
        return;
    }
    calculation.RemoveHoliday(static_cast<std::size_t>(position));
    Recalculate();
}

std::string CHolidays::GetReferenceId(int index) {
    if (index < 0 || index >= GetReferenceCount()) {
        return "";
    }
    return std::string(kReferenceIds[static_cast<std::size_t>(index)]);
}

bool CHolidays::IsReferenceId(const std::string& id) {
    return ::IsReferenceId(id);
}

void CHolidays::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        WriteHolidayData(archive, language, version, Holidays());
        return;
    }
    // calcYear 0; the old tables would otherwise answer queries about year 0
    // with the results of another document.
    calculation.Reset();
    // The holidays read so far, also when the file turns out damaged.
    std::vector<CHoliday> holidays;
    try {
        ReadHolidayData(archive, language, version, holidays);
    } catch (...) {
        calculation.SetHolidays(std::move(holidays));
        throw;
    }
    calculation.SetHolidays(std::move(holidays));
}

void CHolidays::Recalculate() {
    Calculate(calculation.Year());
}

void CHolidays::Calculate(int year) {
    calculation.Run(year);
}

const CYearCalculation& CHolidays::CalculationOf(int year) {
    if (year != calculation.Year()) {
        Calculate(year);
    }
    return calculation;
}

std::optional<CHolidayTrace> CHolidays::TraceHoliday(int position, int year) {
    CalculationOf(year);
    if (position < 0) {
        return std::nullopt;
    }
    return calculation.TraceHoliday(static_cast<std::size_t>(position));
}

int CHolidays::GetDayHolidayCount(const CDateTime& date) {
    return CalculationOf(date.GetYear()).DayEntryCount(date.GetDayOfYear());
}

void CHolidays::GetDayHoliday(const CDateTime& date, int index, std::string& display, std::string& id) {
    const CYearCalculation& tables = CalculationOf(date.GetYear());
    display = tables.DayDisplay(date.GetDayOfYear(), index);
    id = tables.DayId(date.GetDayOfYear(), index);
}
