// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/CEditorWindow.h"
#include "model/HolidayFile.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/CScriptedDialogs.h"
#include "tests/editor/support/EditorDriver.h"
#include "tests/support/SampleDocuments.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

// Helpers for tests that start from a document as a file holds it: the
// document is written to a temporary file and opened with File > Open, as
// a user does, so that the window shows whatever a file may contain.
namespace gui {

inline QString WriteTemporaryFile(const CHolidays& document) {
    static QTemporaryDir folder;
    static int fileNumber = 0;
    const QString path = folder.filePath(QStringLiteral("document%1.hol").arg(++fileNumber));
    const std::vector<std::uint8_t> bytes = SaveHolidayBytes(document);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return path;
}

// Opens the document in the window; a window that holds holidays is told
// not to save them first.
inline void OpenDocument(CEditorWindow& window, CScriptedDialogs& dialogs, const CHolidays& document) {
    if (window.View().Document().GetHolidayCount() > 0) {
        dialogs.yesNoCancelAnswers.push_back(IEditorDialogs::Answer::No);
    }
    dialogs.openFiles.push_back(WriteTemporaryFile(document));
    window.View().MenuAction(ids::kFileOpen)->trigger();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QStringLiteral("; ")).toStdString();
    RunIdle(window);
}

inline void OpenHolidays(CEditorWindow& window, CScriptedDialogs& dialogs, const std::vector<CHoliday>& holidays,
                         LCID language = 0x0409) {
    OpenDocument(window, dialogs, MakeDocument(language, holidays));
}

// A holiday with this ID and nothing else, as Add makes it.
inline CHoliday EmptyHoliday(const std::string& id) {
    CHoliday holiday;
    holiday.id = id;
    return holiday;
}

// The document's holiday with this ID (an empty holiday when there is none).
inline CHoliday HolidayById(const CEditorWindow& window, const std::string& id) {
    return window.View().Document().GetHoliday(window.View().Document().FindHoliday(id));
}

}  // namespace gui
