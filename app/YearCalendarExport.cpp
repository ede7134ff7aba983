// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/YearCalendarExport.h"

#include "core/CodePage.h"
#include "core/FileAccess.h"
#include "core/WindowsLocale.h"
#include "editor/CYearCalendar.h"
#include "model/CHolidays.h"
#include "model/HolidayFile.h"
#include "model/PreviewReport.h"

#include <QString>

#include <new>
#include <stdexcept>

int ExportYearCalendar(const std::filesystem::path& file, int year, const std::filesystem::path& output,
                       std::FILE* errors) {
    try {
        CHolidays document;
        LoadHolidayFile(document, file);
        const CCodePage codePage(GetDefaultAnsiCodePage(document.GetLanguage()));
        const CYearCalendarPicture picture(year, CollectPreviewEntries(document, year), codePage);
        const QString title =
            QStringLiteral("Holidays %1 \u2013 %2").arg(year).arg(QString::fromStdString(file.filename().string()));
        WriteFileAtomically(output, YearCalendarPdf(picture, title));
        return 0;
    } catch (const CFileAccessError& error) {
        std::fprintf(errors, "tavrin: %s\n", error.what());
    } catch (const CHolidayFileError& error) {
        std::fprintf(errors, "tavrin: cannot load \"%s\": %s\n", file.c_str(), error.what());
    } catch (const std::bad_alloc&) {
        std::fprintf(errors, "tavrin: not enough memory\n");
    }
    return 2;
}
