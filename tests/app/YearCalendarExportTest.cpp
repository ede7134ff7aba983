// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/YearCalendarExport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// Without a window: the PDF of the example's year, or a message and exit
// code 2 for a file that cannot be read, and nothing written.
TEST(YearCalendarExport, WritesThePdfOrSaysWhy) {
    QTemporaryDir folder;
    const std::string pdf = folder.filePath("germany.pdf").toStdString();
    EXPECT_EQ(ExportYearCalendar(TAVRIN_EXAMPLES_DIR "/germany.hol", 2026, pdf, stderr), 0);
    std::ifstream written(pdf, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);

    std::FILE* errors = std::tmpfile();
    const std::string missing = folder.filePath("missing.pdf").toStdString();
    EXPECT_EQ(ExportYearCalendar(folder.filePath("missing.hol").toStdString(), 2026, missing, errors), 2);
    std::rewind(errors);
    char message[512] = {};
    EXPECT_NE(std::fgets(message, sizeof message, errors), nullptr);
    EXPECT_NE(std::string(message).find("the file does not exist"), std::string::npos) << message;
    EXPECT_FALSE(std::ifstream(missing).good());
    std::fclose(errors);
}

}  // namespace
