// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/NumberedHolidays.h"

#include "calc/RuleReferences.h"

#include <bit>
#include <cstring>
#include <utility>

namespace {

constexpr int kFeastCount = static_cast<int>(kReferenceIds.size());

// The hash of an ID for the table, from its bytes taken eight at a time,
// each word mixed in by a rotation and a multiplication by an odd constant,
// which carries every bit into the upper half of the product, the half the
// table takes. The last one to eight bytes are read as two overlapping
// words of four (or, below four bytes, as the first, middle and last byte),
// so no byte is read twice into the same place and none beyond the text.
// IDs are short: this takes a few steps where hashing byte by byte takes
// one per byte, and IDs that differ in one character (H1, H2, ...) still
// spread over the table.
std::uint32_t HashOf(std::string_view id) {
    constexpr std::uint64_t kOdd = 0x9E3779B97F4A7C15;  // 2^64 divided by the golden ratio
    const auto mix = [](std::uint64_t hash, std::uint64_t word) { return (std::rotl(hash, 29) ^ word) * kOdd; };
    const auto read = [](const char* bytes, std::size_t count) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes, count);
        return word;
    };
    std::uint64_t hash = (id.size() + 1) * kOdd;
    while (id.size() > 8) {
        hash = mix(hash, read(id.data(), 8));
        id.remove_prefix(8);
    }
    const std::size_t size = id.size();  // [0, 8]
    if (size >= 4) {
        hash = mix(hash, read(id.data(), 4) << 32 | read(id.data() + size - 4, 4));
    } else if (size > 0) {
        const auto byte = [&id](std::size_t at) { return std::uint64_t{static_cast<unsigned char>(id[at])}; };
        hash = mix(hash, byte(0) << 16 | byte(size / 2) << 8 | byte(size - 1));
    }
    return static_cast<std::uint32_t>(hash >> 32);
}

// The number of a reference feast's ID, or kNoId for any other text. Most
// texts differ in length from all three.
int FeastNumber(std::string_view id) {
    if (id.size() != kEasterReferenceId.size() && id.size() != kOrthodoxEasterReferenceId.size()) {
        static_assert(kAdventReferenceId.size() == kEasterReferenceId.size());
        return CNumberedHolidays::kNoId;
    }
    for (int feast = 0; feast < kFeastCount; ++feast) {
        if (id == kReferenceIds[static_cast<std::size_t>(feast)]) {
            return feast;
        }
    }
    return CNumberedHolidays::kNoId;
}

}  // namespace

void CNumberedHolidays::Assign(std::vector<CHoliday> newHolidays) {
    holidays = std::move(newHolidays);
    numbered = false;
    ids.clear();
    reads.clear();
    unusedReads = 0;
}

void CNumberedHolidays::Number() {
    if (numbered) {
        return;
    }
    numbered = true;
    // As many numbers as IDs of holidays, unless references name others, and
    // a table at most half full.
    numbers.clear();
    numbers.reserve(holidays.size() + kReferenceIds.size());
    idTexts.clear();
    idTexts.reserve(16 * numbers.capacity());  // room for IDs of 16 bytes on average
    unusedTextBytes = 0;
    for (const std::string_view feast : kReferenceIds) {
        numbers.push_back({static_cast<std::uint32_t>(idTexts.size()), static_cast<std::uint32_t>(feast.size()), 0, 0});
        idTexts += feast;
    }
    freeNumbers.clear();
    usedSlots = 0;
    ResizeTable(std::bit_ceil(2 * numbers.capacity() + 1));
    ids.clear();
    ids.reserve(holidays.size());
    reads.clear();
    reads.reserve(holidays.size() + holidays.size() / 2);  // a ruleset or two per holiday, some shift rules
    unusedReads = 0;
    for (const CHoliday& holiday : holidays) {
        ids.push_back(NumberOf(holiday));
    }
}

void CNumberedHolidays::Replace(std::size_t position, const CHoliday& holiday) {
    if (numbered) {
        // Numbered before the old one is released, so IDs that both use keep their numbers.
        const CReads replacement = NumberOf(holiday);
        Release(ids[position]);
        unusedReads += ids[position].count;
        ids[position] = replacement;
        DropUnusedReads();
    }
    holidays[position] = holiday;
}

void CNumberedHolidays::Insert(std::size_t position, const CHoliday& holiday) {
    const auto offset = static_cast<std::ptrdiff_t>(position);
    if (numbered) {
        ids.insert(ids.begin() + offset, NumberOf(holiday));
    }
    holidays.insert(holidays.begin() + offset, holiday);
}

void CNumberedHolidays::Remove(std::size_t position) {
    const auto offset = static_cast<std::ptrdiff_t>(position);
    if (numbered) {
        Release(ids[position]);
        unusedReads += ids[position].count;
        ids.erase(ids.begin() + offset);
        DropUnusedReads();
    }
    holidays.erase(holidays.begin() + offset);
}

int CNumberedHolidays::Find(std::string_view id) const {
    if (!numbered) {
        return kNoId;
    }
    if (const int feast = FeastNumber(id); feast != kNoId) {
        return feast;
    }
    const std::uint32_t hash = HashOf(id);
    for (std::size_t slot = SlotOf(hash); idSlots[slot].number != kNoId; slot = (slot + 1) & (idSlots.size() - 1)) {
        if (idSlots[slot].hash == hash && IdText(idSlots[slot].number) == id) {
            return idSlots[slot].number;
        }
    }
    return kNoId;
}

CNumberedHolidays::CReads CNumberedHolidays::NumberOf(const CHoliday& holiday) {
    const auto numberOf = [this](const std::string* id) { return id == nullptr ? kNoId : Acquire(*id); };
    CReads holidayReads{Acquire(holiday.id), static_cast<std::uint32_t>(reads.size()), 0};
    for (const CRuleset& ruleset : holiday.rulesets) {
        reads.push_back(numberOf(RuleReference(ruleset)));
        for (const CShiftRule& rule : ruleset.shiftRules) {
            reads.push_back(numberOf(ConditionReference(rule)));
            reads.push_back(numberOf(TargetReference(rule)));
        }
    }
    holidayReads.count = static_cast<std::uint32_t>(reads.size() - holidayReads.first);
    return holidayReads;
}

void CNumberedHolidays::Release(const CReads& holidayReads) {
    Release(holidayReads.id);
    for (const int number : std::span<const int>(reads).subspan(holidayReads.first, holidayReads.count)) {
        if (number != kNoId) {
            Release(number);
        }
    }
}

int CNumberedHolidays::Acquire(std::string_view id) {
    if (const int feast = FeastNumber(id); feast != kNoId) {
        return feast;
    }
    const std::uint32_t hash = HashOf(id);
    std::size_t slot = SlotOf(hash);
    for (; idSlots[slot].number != kNoId; slot = (slot + 1) & (idSlots.size() - 1)) {
        if (idSlots[slot].hash == hash && IdText(idSlots[slot].number) == id) {
            ++numbers[static_cast<std::size_t>(idSlots[slot].number)].uses;
            return idSlots[slot].number;
        }
    }
    const CNumber added{static_cast<std::uint32_t>(idTexts.size()), static_cast<std::uint32_t>(id.size()), hash, 1};
    idTexts += id;
    int number = IdCount();
    if (freeNumbers.empty()) {
        numbers.push_back(added);
    } else {
        number = freeNumbers.back();
        freeNumbers.pop_back();
        numbers[static_cast<std::size_t>(number)] = added;
    }
    idSlots[slot] = {hash, number};
    if (++usedSlots * 2 > idSlots.size()) {
        ResizeTable(idSlots.size() * 2);
    }
    return number;
}

void CNumberedHolidays::Release(int number) {
    if (number < kFeastCount) {
        return;
    }
    CNumber& released = numbers[static_cast<std::size_t>(number)];
    if (--released.uses > 0) {
        return;
    }
    // Frees its place in the table. A later entry of the same run of used
    // places moves back into the freed place unless its probe starts after
    // that place, so every probe still finds its entry before a free place.
    const std::size_t mask = idSlots.size() - 1;
    std::size_t freed = SlotOf(released.hash);
    while (idSlots[freed].number != number) {
        freed = (freed + 1) & mask;
    }
    for (std::size_t next = (freed + 1) & mask; idSlots[next].number != kNoId; next = (next + 1) & mask) {
        const std::size_t start = SlotOf(idSlots[next].hash);
        const bool startsAfterFreed = freed <= next ? freed < start && start <= next : freed < start || start <= next;
        if (!startsAfterFreed) {
            idSlots[freed] = idSlots[next];
            freed = next;
        }
    }
    idSlots[freed] = CSlot{};
    --usedSlots;
    unusedTextBytes += released.length;
    released.length = 0;
    freeNumbers.push_back(number);
    DropUnusedTexts();
}

// Makes the table `size` places large (a power of two) and enters every
// number in use but the reference feasts'.
void CNumberedHolidays::ResizeTable(std::size_t size) {
    idSlots.assign(size, CSlot{});
    for (std::size_t number = kReferenceIds.size(); number < numbers.size(); ++number) {
        if (numbers[number].uses > 0) {
            std::size_t slot = SlotOf(numbers[number].hash);
            while (idSlots[slot].number != kNoId) {
                slot = (slot + 1) & (size - 1);
            }
            idSlots[slot] = {numbers[number].hash, static_cast<int>(number)};
        }
    }
}

// Once most of idTexts belongs to freed numbers, keeps only the texts of
// the numbers in use, in the order of the numbers.
void CNumberedHolidays::DropUnusedTexts() {
    if (unusedTextBytes <= idTexts.size() / 2) {
        return;
    }
    std::string kept;
    kept.reserve(idTexts.size() - unusedTextBytes);
    for (CNumber& text : numbers) {
        const std::string_view old = std::string_view(idTexts).substr(text.first, text.length);
        text.first = static_cast<std::uint32_t>(kept.size());
        kept += old;
    }
    idTexts = std::move(kept);
    unusedTextBytes = 0;
}

// Once most of `reads` belongs to holidays replaced or removed, keeps only
// the numbers of the holidays held, in their order.
void CNumberedHolidays::DropUnusedReads() {
    if (unusedReads <= reads.size() / 2) {
        return;
    }
    std::vector<int> kept;
    kept.reserve(reads.size() - unusedReads);
    for (CReads& holidayReads : ids) {
        const auto first = reads.begin() + holidayReads.first;
        holidayReads.first = static_cast<std::uint32_t>(kept.size());
        kept.insert(kept.end(), first, first + holidayReads.count);
    }
    reads = std::move(kept);
    unusedReads = 0;
}
