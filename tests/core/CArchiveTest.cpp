// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CArchive.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

TEST(Archive, StoresIntegersLowestByteFirst) {
    CArchive out = CArchive::ForStoring();
    out.WriteInt32(-2);
    out.WriteUInt32(0x12345678u);
    out.WriteUInt16(0xABCDu);
    out.WriteUInt8(0x7Fu);
    out.WriteBytes(std::string("hi\0", 3));
    const std::vector<std::uint8_t> expected = {0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34,
                                                0x12, 0xCD, 0xAB, 0x7F, 'h',  'i',  0x00};
    EXPECT_EQ(out.Buffer(), expected);
    EXPECT_EQ(out.Position(), expected.size());
    EXPECT_EQ(out.Remaining(), 0u);
    EXPECT_TRUE(out.IsStoring());
}

TEST(Archive, LoadsWhatWasStored) {
    CArchive out = CArchive::ForStoring();
    out.WriteInt32(std::numeric_limits<std::int32_t>::min());
    out.WriteInt32(std::numeric_limits<std::int32_t>::max());
    out.WriteUInt32(0xFFFFFFFFu);
    out.WriteUInt16(0x8001u);
    out.WriteUInt8(0xFFu);
    out.WriteBytes("text");

    CArchive in = CArchive::ForLoading(out.Buffer());
    EXPECT_TRUE(in.IsLoading());
    EXPECT_EQ(in.Remaining(), out.Buffer().size());
    EXPECT_EQ(in.ReadInt32(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(in.ReadInt32(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(in.ReadUInt32(), 0xFFFFFFFFu);
    EXPECT_EQ(in.ReadUInt16(), 0x8001u);
    EXPECT_EQ(in.ReadUInt8(), 0xFFu);
    EXPECT_EQ(in.Remaining(), 4u);
    EXPECT_EQ(in.ReadBytes(4), "text");
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(in.ReadBytes(0), "");
}

TEST(Archive, ReadingPastTheEndThrowsWithPositionAndConsumesNothing) {
    CArchive in = CArchive::ForLoading({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(in.ReadUInt16(), 0x0201u);
    try {
        in.ReadBytes(5);
        FAIL() << "no error";
    } catch (const CArchiveEndOfData& error) {
        EXPECT_EQ(error.Position(), 2u);
        EXPECT_STREQ(error.what(), "unexpected end of data at byte 2: 5 bytes wanted, 4 left");
    }
    EXPECT_EQ(in.Position(), 2u);
    EXPECT_EQ(in.ReadInt32(), 0x06050403);
    EXPECT_THROW(in.ReadUInt8(), CArchiveEndOfData);
    EXPECT_THROW(in.ReadUInt16(), CArchiveEndOfData);
    EXPECT_THROW(in.ReadUInt32(), CArchiveEndOfData);
    // An absurd length from a damaged file is refused, not allocated.
    EXPECT_THROW(in.ReadBytes(std::numeric_limits<std::size_t>::max()), CArchiveEndOfData);
}

TEST(Archive, AStoringArchiveHasNothingToRead) {
    CArchive out = CArchive::ForStoring();
    out.WriteUInt32(1);
    EXPECT_THROW(out.ReadUInt8(), CArchiveEndOfData);
}
