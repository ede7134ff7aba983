#include "cli/Commands.h"

#include "cli/CliError.h"
#include "cli/DocumentCheck.h"
#include "cli/DocumentFiles.h"
#include "core/CodePage.h"
#include "core/ShownText.h"
#include "core/WindowsLocale.h"
#include "model/PreviewReport.h"

#include <fmt/format.h>

#include <exception>
#include <new>

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
    } catch (const std::bad_alloc&) {
        errors << "tavrin-cli: not enough memory\n";
    } catch (const std::exception& error) {
        errors << "tavrin-cli: unexpected error: " << error.what() << '\n';
    }
    return kError;
}

void CheckYear(int year, const char* what) {
    if (year < kFirstListedYear || year > kLastListedYear) {
        throw CCliError(fmt::format("the {} {} is outside the years {} to {}", what, year, kFirstListedYear,
                                    kLastListedYear));
    }
}

void CheckOutput(const std::ostream& out) {
    if (!out) {
        throw CCliError("cannot write the output");
    }
}

std::string EscapeForListing(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\t': escaped += "\\t"; break;
            case '\r': escaped += "\\r"; break;
            case '\n': escaped += "\\n"; break;
            case '\\': escaped += "\\\\"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

}  // namespace

int RunConvert(const std::filesystem::path& in, const std::filesystem::path& out, std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        DocumentFormOf(out);  // refuse a wrong ending before any work
        CHolidays document = LoadDocument(in, errors);
        SaveDocument(document, out);
        return kSuccess;
    });
}

int RunDates(const std::filesystem::path& file, int firstYear, int lastYear, std::ostream& out,
             std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        CheckYear(firstYear, "first year");
        CheckYear(lastYear, "last year");
        if (lastYear < firstYear) {
            throw CCliError(fmt::format("the last year {} is before the first year {}", lastYear, firstYear));
        }
        CHolidays document = LoadDocument(file, errors);
        const CCodePage codePage(GetDefaultAnsiCodePage(document.GetLanguage()));
        for (int year = firstYear; year <= lastYear; ++year) {
            for (const CPreviewEntry& entry : CollectPreviewEntries(document, year)) {
                out << fmt::format("{:04}-{:02}-{:02}\t{}\t{}\n", entry.date.GetYear(), entry.date.GetMonth(),
                                   entry.date.GetDay(), EscapeForListing(ShowText(codePage, entry.id)),
                                   EscapeForListing(ShowText(codePage, entry.display)));
            }
            CheckOutput(out);
        }
        return kSuccess;
    });
}

int RunPreview(const std::filesystem::path& file, int year, std::string_view lineEnd, std::ostream& out,
               std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        CheckYear(year, "year");
        CHolidays document = LoadDocument(file, errors);
        out << BuildPreviewReport(document, year, lineEnd);
        CheckOutput(out);
        return kSuccess;
    });
}

int RunCheck(const std::filesystem::path& file, std::ostream& out, std::ostream& errors) {
    return ReportingErrors(errors, [&] {
        const CHolidays document = LoadDocument(file, errors);
        const std::vector<CFinding> findings = CheckDocument(document);
        for (const CFinding& finding : findings) {
            out << finding.Line() << '\n';
        }
        CheckOutput(out);
        return findings.empty() ? kSuccess : kFound;
    });
}
