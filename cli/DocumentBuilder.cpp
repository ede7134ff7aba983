#include "cli/DocumentBuilder.h"

#include "core/CArchive.h"
#include "model/HolidayFile.h"

CHolidays BuildDocument(LCID language, std::int32_t version, const std::vector<CHoliday>& holidays) {
    // Through the file format, the only way in that keeps every holiday as it is.
    CArchive archive = CArchive::ForStoring();
    WriteHolidayData(archive, language, version, holidays);
    CHolidays document;
    LoadHolidayBytes(document, archive.Buffer());
    return document;
}
