// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "model/HolidayFile.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/EditorDriver.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

// Files on disk and the editor's visible state, for the tests of the file
// commands and the preview.
namespace files {

// A file of the examples folder of the source tree.
inline QString ExamplePath(const char* name) {
    return QDir(QStringLiteral(TAVRIN_EXAMPLES_DIR)).absoluteFilePath(QString::fromLatin1(name));
}

inline std::vector<std::uint8_t> ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

inline void WriteBytes(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

// The lines of a preview, each ended with "\r\n".
inline std::string PreviewLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Everything a user sees of the document and the form.
struct EditorSnapshot {
    std::vector<std::uint8_t> document;
    QString filePath;
    QString title;
    QString language;
    QString version;
    QStringList ids;
    int idSelection = -1;
    std::string currentId;
    int currentRuleset = -1;
    std::string display;
    std::string preview;
};

inline EditorSnapshot Snapshot(const CEditorWindow& window) {
    return {SaveHolidayBytes(window.View().Document()),
            window.View().FilePath(),
            window.windowTitle(),
            window.View().List(ids::kLanguageList)->SelectedText(),
            window.View().Edit(ids::kVersionEdit)->text(),
            gui::Items(window.View().List(ids::kIdList)),
            window.View().List(ids::kIdList)->Selection(),
            window.View().Selection().HolidayId(),
            window.View().Selection().Ruleset(),
            window.View().DisplayText().Bytes(),
            window.View().PreviewReport()};
}

inline void ExpectSameEditor(const EditorSnapshot& before, const EditorSnapshot& after) {
    EXPECT_EQ(after.document, before.document);
    EXPECT_EQ(after.filePath, before.filePath);
    EXPECT_EQ(after.title, before.title);
    EXPECT_EQ(after.language, before.language);
    EXPECT_EQ(after.version, before.version);
    EXPECT_EQ(after.ids, before.ids);
    EXPECT_EQ(after.idSelection, before.idSelection);
    EXPECT_EQ(after.currentId, before.currentId);
    EXPECT_EQ(after.currentRuleset, before.currentRuleset);
    EXPECT_EQ(after.display, before.display);
    EXPECT_EQ(after.preview, before.preview);
}

// A window with scripted dialogs, shown (so that ending it can be seen), and
// a temporary folder for its files.
class FileWindowTest : public EditorWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window.show();
    }

    QString PathIn(const QString& name) const { return folder.filePath(name); }
    QStringList FolderEntries() const { return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    void Run(int command) {
        window.View().MenuAction(command)->trigger();
        gui::RunIdle(window);
    }

    // Copies an example file into the folder and opens the copy.
    QString OpenExampleCopy(const char* name) {
        const QString copy = PathIn(QString::fromLatin1(name));
        EXPECT_TRUE(QFile::copy(ExamplePath(name), copy)) << name;
        OpenFile(copy);
        return copy;
    }

    void OpenFile(const QString& path) {
        if (window.View().Document().GetHolidayCount() > 0) {
            dialogs.yesNoCancelAnswers.push_back(IEditorDialogs::Answer::No);
        }
        dialogs.openFiles.push_back(path);
        Run(ids::kFileOpen);
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QStringLiteral("; ")).toStdString();
    }

    QTemporaryDir folder;
};

}  // namespace files
