// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records/Holiday.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The holidays as the year calculation reads them: the holidays, with the ID
// each holds and every ID its rules read (RuleReferences.h) as a number.
// Equal texts (exact, case-sensitive) get the same number, so a calculation
// keeps the occurrences of an ID at an index instead of hashing texts for
// every lookup of every year. The numbers change only with the holidays: a
// change renumbers just the holiday it touches.
//
// Holidays given as a whole (Assign) are taken over as they are and numbered
// when first asked for (Number), all at once: a loaded document is neither
// copied nor numbered before its first calculation, and its numbering
// allocates a few buffers, not memory per holiday or per ID.
//
// Numbers 0..2 are the reference feasts in the order of kReferenceIds, told
// by comparing with their three texts; every other ID is looked up in a
// hash table. A number that no holiday holds or refers to any more goes to
// the next new ID, so the numbers stay as many as the distinct IDs in use.
class CNumberedHolidays {
public:
    static constexpr int kNoId = -1;  // a reference field that its rule does not read

    // What a holiday reads, numbered: the ID it holds, and for each of its
    // rulesets in turn the ID its rule reads (RuleReference), followed by two
    // for each of the ruleset's shift rules (ConditionReference, then
    // TargetReference). Valid until the next change.
    struct CHolidayIds {
        int id = kNoId;
        std::span<const int> reads;
    };

    CNumberedHolidays() = default;  // no holidays

    // Takes the holidays over, to be numbered by Number().
    void Assign(std::vector<CHoliday> holidays);
    void Replace(std::size_t position, const CHoliday& holiday);
    void Insert(std::size_t position, const CHoliday& holiday);  // position <= Count()
    void Remove(std::size_t position);

    // Numbers the holidays given by Assign, unless that is done; the changes
    // after it keep the numbering. Ids and the ID numbers below need it.
    void Number();
    bool IsNumbered() const { return numbered; }

    std::size_t Count() const { return holidays.size(); }
    const std::vector<CHoliday>& Holidays() const { return holidays; }
    const CHoliday& Holiday(std::size_t position) const { return holidays[position]; }
    CHolidayIds Ids(std::size_t position) const {
        const CReads& at = ids[position];
        return {at.id, std::span<const int>(reads).subspan(at.first, at.count)};
    }

    // Numbers run from 0 to IdCount() - 1; a free one has the text "".
    int IdCount() const { return static_cast<int>(numbers.size()); }
    std::string_view IdText(int number) const {
        const CNumber& text = numbers[static_cast<std::size_t>(number)];
        return {idTexts.data() + text.first, text.length};
    }
    // The number of an ID that a holiday holds or refers to, or kNoId (also
    // before the numbering).
    int Find(std::string_view id) const;

private:
    // Where a holiday's numbers lie in `reads`: its reads from `first` on.
    struct CReads {
        int id = kNoId;
        std::uint32_t first = 0;
        std::uint32_t count = 0;
    };
    // One place of the open-addressing table of the IDs in use (linear
    // probing): the hash of the ID's text and its number, kNoId when free.
    struct CSlot {
        std::uint32_t hash = 0;
        int number = kNoId;
    };
    // What a number stands for: its ID, `length` bytes from `first` in
    // idTexts, the ID's hash, and how many IDs and references of the
    // holidays have it (the reference feasts' are not counted: they are
    // never freed).
    struct CNumber {
        std::uint32_t first = 0;
        std::uint32_t length = 0;
        std::uint32_t hash = 0;
        int uses = 0;
    };

    CReads NumberOf(const CHoliday& holiday);
    void Release(const CReads& holidayReads);
    int Acquire(std::string_view id);
    void Release(int number);
    void DropUnusedTexts();
    std::size_t SlotOf(std::uint32_t hash) const { return hash & (idSlots.size() - 1); }
    void ResizeTable(std::size_t size);
    void DropUnusedReads();

    std::vector<CHoliday> holidays;
    bool numbered = false;
    std::vector<CReads> ids;  // position by position
    // The numbers of all holidays, each holiday's together; those of a
    // replaced or removed holiday stay unused until they are the majority.
    std::vector<int> reads;
    std::size_t unusedReads = 0;

    std::vector<CSlot> idSlots;  // a power of two in size, at most half in use
    std::size_t usedSlots = 0;
    std::vector<CNumber> numbers;
    std::vector<int> freeNumbers;
    // The IDs' texts one after the other; those of freed numbers stay unused
    // until they are the majority.
    std::string idTexts;
    std::size_t unusedTextBytes = 0;
};
