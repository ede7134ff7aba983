// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "model/PreviewReport.h"
#include "resources/ControlIds.h"

#include <QByteArray>
#include <QPlainTextEdit>

#include <climits>
#include <cstdlib>
#include <string>
#include <utility>

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

}  // namespace

void CEditorWindow::OnRefresh() {
    StoreForm();
    const int year = LeadingNumber(view.List(ids::kYearList)->SelectedText());
    previewEntries = CollectPreviewEntries(document, year);
    ShowPreview();
}

void CEditorWindow::OnYearSelected() {
    OnRefresh();
}

void CEditorWindow::ShowPreview() {
    // The report is Unicode: the dates keep the characters of the user's
    // locale and the display texts those of the file's code page, whichever
    // the other one can hold.
    std::string report = FormatPreviewReport(previewEntries, textCodePage, "\r\n");
    // The read-only edit shows the last report; laying out the same text
    // again (a Refresh without changes, a language of the same characters)
    // would only cost time and move the view back to the top.
    if (report == previewReport) {
        return;
    }
    previewReport = std::move(report);
    view.Control<QPlainTextEdit>(ids::kPreviewEdit)->setPlainText(QString::fromStdString(previewReport));
}
