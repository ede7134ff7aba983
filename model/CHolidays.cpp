#include "model/CHolidays.h"

#include "core/CArchive.h"
#include "core/CDateTime.h"
#include "model/HolidayFile.h"

#include <utility>

CHolidays::CHolidays() {
    Clear();
}

CHolidays::CHolidays(LCID documentLanguage, int documentVersion, std::vector<CHoliday> documentHolidays)
    : language(documentLanguage), version(documentVersion), holidays(std::move(documentHolidays)) {}

void CHolidays::Clear() {
    holidays.clear();
    calculation.Reset();
    language = GetUserDefaultLCID();
    version = 100;
}

int CHolidays::GetHolidayCount() const {
    return static_cast<int>(holidays.size());
}

CHoliday CHolidays::GetHoliday(int index) const {
    if (index < 0 || index >= GetHolidayCount()) {
        return {};
    }
    return holidays[static_cast<std::size_t>(index)];
}

int CHolidays::FindHoliday(const std::string& id) const {
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
        holidays.push_back(holiday);
    } else {
        holidays[static_cast<std::size_t>(position)] = holiday;
    }
    Recalculate();
}

void CHolidays::RemoveHoliday(const std::string& id) {
    const int position = FindHoliday(id);
    if (position == -1) {
        return;
    }
    holidays.erase(holidays.begin() + position);
    Recalculate();
}

void CHolidays::RenameHoliday(const std::string& oldId, const std::string& newId) {
    const int position = FindHoliday(oldId);
    if (position == -1) {
        return;
    }
    holidays[static_cast<std::size_t>(position)].id = newId;
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
        WriteHolidayData(archive, language, version, holidays);
        return;
    }
    holidays.clear();
    // calcYear 0; the old tables would otherwise answer queries about year 0
    // with the results of another document.
    calculation.Reset();
    ReadHolidayData(archive, language, version, holidays);
}

void CHolidays::Recalculate() {
    calculation.Run(holidays, calculation.Year());
}

void CHolidays::EnsureYear(int year) {
    if (year != calculation.Year()) {
        calculation.Run(holidays, year);
    }
}

int CHolidays::GetDayHolidayCount(const CDateTime& date) {
    EnsureYear(date.GetYear());
    return calculation.DayEntryCount(date.GetDayOfYear());
}

void CHolidays::GetDayHoliday(const CDateTime& date, int index, std::string& display, std::string& id) {
    EnsureYear(date.GetYear());
    display = calculation.DayDisplay(date.GetDayOfYear(), index);
    id = calculation.DayId(date.GetDayOfYear(), index);
}
