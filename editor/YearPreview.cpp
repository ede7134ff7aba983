#include "core/CodePage.h"
#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "model/PreviewReport.h"
#include "resources/ControlIds.h"

#include <QByteArray>

#include <climits>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The number at the start of the text, read as atoi reads it (leading blanks,
// a sign, digits; no digits give 0), held to the range of int.
int LeadingNumber(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const long value = std::strtol(bytes.constData(), nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// The UTF-8 text as bytes of the code page, so that it shows beside the
// display texts, which are in that code page. A character the code page
// cannot hold becomes '?'; a code page without a converter is shown as UTF-8,
// so the text stays as it is.
std::string EncodeForDisplay(const CCodePage& codePage, std::string_view utf8) {
    if (!codePage.IsSupported()) {
        return std::string(utf8);
    }
    if (std::optional<std::string> whole = codePage.FromUtf8(utf8)) {
        return *whole;
    }
    std::string bytes;
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    for (const uint codePoint : text.toUcs4()) {
        const char32_t character = static_cast<char32_t>(codePoint);
        bytes += codePage.FromUtf8(QString::fromUcs4(&character, 1).toStdString()).value_or("?");
    }
    return bytes;
}

}  // namespace

void CEditorWindow::OnRefresh() {
    StoreForm();
    const int year = LeadingNumber(List(ids::kYearList)->SelectedText());
    const CCodePage codePage(PreviewText().CodePage());
    std::string report;
    for (const CPreviewEntry& entry : CollectPreviewEntries(document, year)) {
        report += EncodeForDisplay(codePage, entry.date.Format("%d %b\t"));
        report += entry.display;
        report += "\r\n";
    }
    PreviewText().SetBytes(report);
}

void CEditorWindow::OnYearSelected() { OnRefresh(); }
