// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"

#include "cli/CliError.h"
#include "cli/DocumentFiles.h"
#include "cli/HolidayCalendar.h"
#include "cli/HolidayDiff.h"
#include "cli/HolidayListing.h"
#include "cli/JsonForm.h"
#include "core/CodePage.h"
#include "core/FileAccess.h"
#include "core/WindowsLocale.h"
#include "model/DocumentCheck.h"
#include "model/PreviewReport.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <initializer_list>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int kSuccess = 0;
constexpr int kFound = 1;
constexpr int kError = 2;

// Runs a command, turning every failure into a message and exit code 2.
template <class Command>
int ReportingErrors(std::ostream& errors, Command command) {
    try {
        return command();
    } catch (const CCliError& error) {
        errors << "tavrin-cli: " << error.what() << '\n';
    } catch (const CFileAccessError& error) {
        errors << "tavrin-cli: " << error.what() << '\n';
    } catch (const std::bad_alloc&) {
        errors << "tavrin-cli: not enough memory\n";
    } catch (const std::exception& error) {
        errors << "tavrin-cli: unexpected error: " << error.what() << '\n';
    }
    return kError;
}

void CheckYear(int year, const char* what) {
    if (year < kFirstListedYear || year > kLastListedYear) {
        throw CCliError(
            fmt::format("the {} {} is outside the years {} to {}", what, year, kFirstListedYear, kLastListedYear));
    }
}

// Passes what was written to standard output on: until then it may only sit
// in the stream's buffer, and a full disk or a closed pipe shows only here.
void FlushOutput(std::ostream& out) {
    if (!out.flush()) {
        throw CCliError("cannot write to standard output");
    }
}

void CheckYearRange(int firstYear, int lastYear) {
    CheckYear(firstYear, "first year");
    CheckYear(lastYear, "last year");
    if (lastYear < firstYear) {
        throw CCliError(fmt::format("the last year {} is before the first year {}", lastYear, firstYear));
    }
}

// The reader of a command's inputs. Standard input can be read once, and
// --format is only for standard input.
CInputReader ReaderFor(const CStandardInput& input, std::initializer_list<std::filesystem::path> paths) {
    const auto dashes = std::count(paths.begin(), paths.end(), kStandardStream);
    if (dashes > 1) {
        throw CCliError("standard input can be read only once: give - for one file only");
    }
    if (input.form && dashes == 0) {
        throw CCliError("--format names the form of standard input, but no file is -");
    }
    return CInputReader(input.stream, input.form);
}

CHolidays Load(CInputReader& reader, const std::filesystem::path& path, std::ostream& errors) {
    return DocumentOf(reader.Read(path), errors);
}

// One side of a diff: a holiday document, or the holidays of an iCalendar
// file in the years compared.
struct CDiffSide {
    std::optional<CHolidays> document;
    std::vector<CListedHoliday> calendar;  // in date order

    // The holidays of the year: a document's as `ics` writes them when the
    // other side is a calendar.
    std::vector<CListedHoliday> HolidaysOf(int year, bool asCalendarEvents) {
        if (document) {
            std::vector<CListedHoliday> listed = ListHolidays(*document, year);
            return asCalendarEvents ? CalendarEventsOf(listed) : listed;
        }
        const auto before = [](int ofYear) {
            return [ofYear](const CListedHoliday& holiday) { return holiday.date.GetYear() < ofYear; };
        };
        const auto first = std::partition_point(calendar.begin(), calendar.end(), before(year));
        return {first, std::partition_point(first, calendar.end(), before(year + 1))};
    }
};

CDiffSide LoadDiffSide(CInputReader& reader, const std::filesystem::path& path, int firstYear, int lastYear,
                       std::ostream& errors) {
    CInput input = reader.Read(path);
    if (input.form != EDocumentForm::Ics) {
        return {DocumentOf(std::move(input), errors), {}};
    }
    const std::string_view text(reinterpret_cast<const char*>(input.bytes.data()), input.bytes.size());
    CCalendarHolidays calendar = ReadHolidayCalendar(text, input.name, firstYear, lastYear);
    if (calendar.timedEvents == 1) {
        errors << fmt::format(
            "tavrin-cli: note: {}: the event that begins on line {} has a time of day, so it is left out (only "
            "all-day events are holidays)\n",
            input.name, calendar.firstTimedLine);
    } else if (calendar.timedEvents > 1) {
        errors << fmt::format(
            "tavrin-cli: note: {}: {} events have a time of day, the first begins on line {}; they are left out "
            "(only all-day events are holidays)\n",
            input.name, calendar.timedEvents, calendar.firstTimedLine);
    }
    return {std::nullopt, std::move(calendar.holidays)};
}

// The bytes as `hexdump -C` shows them: 16 a line, with the offset in front
// and the printable ASCII characters behind.
std::string HexDump(const std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kPerLine = 16;
    std::string dump;
    for (std::size_t line = 0; line < bytes.size(); line += kPerLine) {
        const std::size_t end = std::min(bytes.size(), line + kPerLine);
        std::string hex;
        std::string characters;
        for (std::size_t i = line; i < line + kPerLine; ++i) {
            hex += i == line + kPerLine / 2 ? " " : "";
            hex += i < end ? fmt::format(" {:02x}", bytes[i]) : "   ";
            if (i < end) {
                characters += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
            }
        }
        dump += fmt::format("{:08x} {}  |{}|\n", line, hex, characters);
    }
    if (!bytes.empty()) {
        dump += fmt::format("{:08x}\n", bytes.size());
    }
    return dump;
}

// "in 2024" or "from 2024 to 2026".
std::string YearsText(int firstYear, int lastYear) {
    return firstYear == lastYear ? fmt::format("in {}", firstYear) : fmt::format("from {} to {}", firstYear, lastYear);
}

// A domain name: labels of letters, digits and '-', joined by dots.
bool IsDomainName(std::string_view text) {
    if (text.empty() || text.front() == '.' || text.back() == '.' || text.find("..") != std::string_view::npos) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
    });
}

bool IsUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = Utf8SequenceLength(text);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

// The calendar's name and UID domain, from the options or from the file.
CCalendarIdentity CalendarIdentity(const std::filesystem::path& file, const CIcsNames& names, LCID language) {
    if (names.name && names.name->empty()) {
        throw CCliError("--name is empty: leave it out to name the calendar after the file");
    }
    if (names.name && !IsUtf8(*names.name)) {
        throw CCliError("--name is not valid UTF-8");
    }
    if (names.uidDomain && !IsDomainName(*names.uidDomain)) {
        throw CCliError(fmt::format(
            "--uid-domain \"{}\" is not a domain name (letters, digits and '-', joined by dots)", *names.uidDomain));
    }
    std::string name = names.name.value_or(file == kStandardStream ? std::string() : file.stem().string());
    std::string domain = names.uidDomain.value_or(DefaultUidDomain(name));
    return {std::move(name), language, std::move(domain)};
}

}  // namespace

int RunConvert(const std::filesystem::path& in, const std::filesystem::path& outFile, const CStandardInput& input,
               std::ostream& out, std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        const bool toStandardOutput = outFile == kStandardOutput;
        if (!toStandardOutput) {
            DocumentFormOf(outFile);  // refuse a wrong ending before any work
        }
        CInputReader reader = ReaderFor(input, {in});
        const CHolidays document = Load(reader, in, errors);
        if (toStandardOutput) {
            RefuseJsonBeyondReadLimit(document, "standard output");
            WriteDocumentJson(document, [&out](std::string_view piece) { out << piece; });
            FlushOutput(out);
        } else {
            SaveDocument(document, outFile);
        }
        return kSuccess;
    });
}

int RunTextconv(const std::filesystem::path& file, const CStandardInput& input, std::ostream& out,
                std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        CInputReader reader = ReaderFor(input, {file});
        std::string text;
        try {
            CInput read = reader.Read(file);
            try {
                text = DocumentToJsonText(DocumentOf(read, errors));
            } catch (const CCliError& error) {
                text = fmt::format("tavrin-cli: {}\n{}", error.what(), HexDump(read.bytes));
            }
        } catch (const CFileAccessError& error) {
            text = fmt::format("tavrin-cli: {}\n", error.what());
        } catch (const CCliError& error) {  // a name without a known ending, standard input unread
            text = fmt::format("tavrin-cli: {}\n", error.what());
        }
        out << text;
        FlushOutput(out);
        return kSuccess;
    });
}

int RunDates(const std::filesystem::path& file, int firstYear, int lastYear, bool explain, const CStandardInput& input,
             std::ostream& out, std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        CheckYearRange(firstYear, lastYear);
        CInputReader reader = ReaderFor(input, {file});
        CHolidays document = Load(reader, file, errors);
        const EListingOrigins origins = explain ? EListingOrigins::With : EListingOrigins::Without;
        for (int year = firstYear; year <= lastYear; ++year) {
            for (const CListedHoliday& holiday : ListHolidays(document, year, origins)) {
                out << ListingLine(holiday) << '\n';
            }
            FlushOutput(out);
        }
        return kSuccess;
    });
}

int RunIcs(const std::filesystem::path& file, int firstYear, int lastYear, const CIcsNames& names,
           const std::optional<std::filesystem::path>& outFile, const CStandardInput& input, std::ostream& out,
           std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        CheckYearRange(firstYear, lastYear);
        const std::int64_t stamp = CalendarStampSeconds();
        CInputReader reader = ReaderFor(input, {file});
        CHolidays document = Load(reader, file, errors);
        const CCalendarIdentity identity = CalendarIdentity(file, names, document.GetLanguage());
        std::vector<CListedHoliday> holidays;
        for (int year = firstYear; year <= lastYear; ++year) {
            std::vector<CListedHoliday> ofYear = ListHolidays(document, year);
            holidays.insert(holidays.end(), std::make_move_iterator(ofYear.begin()),
                            std::make_move_iterator(ofYear.end()));
        }
        const std::string calendar = BuildHolidayCalendar(holidays, identity, stamp);
        if (outFile && *outFile != kStandardOutput) {
            WriteFileAtomically(*outFile, calendar);
        } else {
            out << calendar;
            FlushOutput(out);
        }
        if (holidays.empty()) {
            errors << fmt::format("tavrin-cli: note: the file has no holiday {}, so the calendar holds no event\n",
                                  YearsText(firstYear, lastYear));
        }
        return kSuccess;
    });
}

int RunDiff(const std::filesystem::path& oldFile, const std::filesystem::path& newFile, int firstYear, int lastYear,
            bool datesOnly, const CStandardInput& input, std::ostream& out, std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        CheckYearRange(firstYear, lastYear);
        CInputReader reader = ReaderFor(input, {oldFile, newFile});
        CDiffSide before = LoadDiffSide(reader, oldFile, firstYear, lastYear, errors);
        CDiffSide after = LoadDiffSide(reader, newFile, firstYear, lastYear, errors);
        const bool withCalendar = !before.document || !after.document;
        const EListingMatch match = datesOnly      ? EListingMatch::Day
                                    : withCalendar ? EListingMatch::Display
                                                   : EListingMatch::IdAndDisplay;
        bool differ = false;
        for (int year = firstYear; year <= lastYear; ++year) {
            for (const CListingChange& change :
                 CompareListings(before.HolidaysOf(year, withCalendar), after.HolidaysOf(year, withCalendar), match)) {
                out << change.sign << ' ' << ListingLine(change.holiday) << '\n';
                differ = true;
            }
            FlushOutput(out);
        }
        return differ ? kFound : kSuccess;
    });
}

int RunPreview(const std::filesystem::path& file, int year, std::string_view lineEnd, const CStandardInput& input,
               std::ostream& out, std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        CheckYear(year, "year");
        CInputReader reader = ReaderFor(input, {file});
        CHolidays document = Load(reader, file, errors);
        out << BuildPreviewReport(document, year, lineEnd);
        FlushOutput(out);
        return kSuccess;
    });
}

int RunCheck(const std::filesystem::path& file, const CStandardInput& input, std::ostream& out, std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        CInputReader reader = ReaderFor(input, {file});
        const CHolidays document = Load(reader, file, errors);
        const std::vector<CFinding> findings = CheckDocument(document);
        for (const CFinding& finding : findings) {
            out << finding.Line() << '\n';
        }
        FlushOutput(out);
        return findings.empty() ? kSuccess : kFound;
    });
}

int FinishOutput(std::ostream& out, std::ostream& errors, int exitCode) {
    if (exitCode == kError) {
        return exitCode;  // reported already, a failed write too
    }
    return ReportingErrors(errors, [&] {
        FlushOutput(out);
        return exitCode;
    });
}
