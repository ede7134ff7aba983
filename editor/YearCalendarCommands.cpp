// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/FileAccess.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/CPreviewView.h"
#include "editor/CYearCalendar.h"
#include "editor/IEditorDialogs.h"
#include "resources/ControlIds.h"

#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <new>

namespace {

QString PathText(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

}  // namespace

void CEditorWindow::OnYearCalendar() {
    if (yearCalendar == nullptr) {
        // Beside the main window, which runs modal.
        yearCalendar = new CYearCalendarView(this);
        yearCalendar->setWindowFlag(Qt::Window);
        yearCalendar->resize(960, 720);
        connect(yearCalendar, &CYearCalendarView::DayChosen, this, &CEditorWindow::OnCalendarDayChosen);
    }
    ShowYearCalendar();
    yearCalendar->show();
    yearCalendar->raise();
    yearCalendar->activateWindow();
}

void CEditorWindow::ShowYearCalendar() {
    if (yearCalendar == nullptr) {
        return;
    }
    const CPreviewModel& lines = view.Control<CPreviewView>(ids::kPreviewEdit)->Model();
    const int year = std::atoi(view.List(ids::kYearList)->SelectedText().toLatin1().constData());
    yearCalendar->SetPicture(CYearCalendarPicture(year, lines.Entries(), textCodePage));
    yearCalendar->setWindowTitle(QStringLiteral("Year Calendar %1").arg(year));
}

// The first holiday of the day, as the preview lists it.
void CEditorWindow::OnCalendarDayChosen(const CDateTime& date) {
    const std::vector<CPreviewEntry>& entries = view.Control<CPreviewView>(ids::kPreviewEdit)->Model().Entries();
    for (std::size_t row = 0; row < entries.size(); ++row) {
        if (entries[row].date.GetDateOnly() == date.GetDateOnly()) {
            OnPreviewEntryChosen(static_cast<int>(row));
            return;
        }
    }
}

void CEditorWindow::OnExportYearCalendar() {
    StoreForm();
    const int year = std::atoi(view.List(ids::kYearList)->SelectedText().toLatin1().constData());
    const std::filesystem::path pdf =
        filePath.empty() ? std::filesystem::path() : std::filesystem::path(filePath).replace_extension(".pdf");
    const std::optional<QString> chosen = Dialogs().ChoosePdfFile(PathText(pdf));
    if (!chosen) {
        return;
    }
    const QString title = filePath.empty()
                              ? QStringLiteral("Holidays %1").arg(year)
                              : QStringLiteral("Holidays %1 \u2013 %2").arg(year).arg(PathText(filePath.filename()));
    try {
        const CYearCalendarPicture picture(year, CollectPreviewEntries(document, year), textCodePage);
        WriteFileAtomically(QFile::encodeName(*chosen).toStdString(), YearCalendarPdf(picture, title));
    } catch (const CFileAccessError& error) {
        Dialogs().ShowError(
            QStringLiteral("Cannot export \"%1\": %2.").arg(*chosen, QString::fromStdString(error.Reason())));
    } catch (const std::bad_alloc&) {
        Dialogs().ShowError(QStringLiteral("Cannot export \"%1\": there is not enough memory.").arg(*chosen));
    }
}
