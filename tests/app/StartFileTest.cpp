// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CEditorApp.h"
#include "tests/editor/FileTestSupport.h"

#include <QDir>

#include <filesystem>
#include <functional>
#include <string>

using files::ExpectSameEditor;
using files::Snapshot;

namespace {

// The editor started with a file next to one that opened the same file
// through File > Open.
class StartFileTest : public files::FileWindowTest {
protected:
    files::EditorSnapshot OpenedThroughTheMenu(const QString& path) {
        CScriptedDialogs menuDialogs;
        CEditorWindow opened(&menuDialogs);
        menuDialogs.openFiles.push_back(path);
        opened.View().MenuAction(ids::kFileOpen)->trigger();
        menuErrors = menuDialogs.errors;
        return Snapshot(opened);
    }

    // Starts with the file's name relative to the folder, as a file manager
    // or a shell may give it.
    void StartWith(const std::string& name) {
        const QString previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        CEditorApp::OpenStartFile(window, name);
        QDir::setCurrent(previous);
    }

    QStringList menuErrors;
};

TEST_F(StartFileTest, ShowsTheFileAsFileOpenDoes) {
    const QString path = PathIn("germany.hol");
    ASSERT_TRUE(QFile::copy(files::ExamplePath("germany.hol"), path));
    StartWith("germany.hol");
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(window.windowTitle(), "Tavrin - " + path);
    EXPECT_GT(window.View().Document().GetHolidayCount(), 0);
    ExpectSameEditor(OpenedThroughTheMenu(path), Snapshot(window));
}

// The same message, except that the editor had no document of its own to keep.
TEST_F(StartFileTest, FileThatCannotBeOpenedIsReportedAsByFileOpenAndTheEditorStartsUntitled) {
    const std::pair<const char*, std::vector<std::uint8_t>> kUnreadable[] = {
        {"missing.hol", {}}, {"short.hol", {0x09, 0x04}},  // ends inside the language field
    };
    const files::EditorSnapshot untitled = Snapshot(window);
    for (const auto& [name, bytes] : kUnreadable) {
        if (!bytes.empty()) {
            files::WriteBytes(PathIn(name), bytes);
        }
        dialogs.errors.clear();
        StartWith(name);
        OpenedThroughTheMenu(PathIn(name));
        ASSERT_EQ(dialogs.errors.size(), 1) << name;
        ASSERT_EQ(menuErrors.size(), 1) << name;
        EXPECT_EQ(dialogs.errors[0],
                  QString(menuErrors[0])
                      .replace("The editor keeps the document it had.", "The editor starts with an empty document."))
            << name;
        ExpectSameEditor(untitled, Snapshot(window));
    }
}

// A name that is not valid UTF-8 is taken as its bytes; only the title shows
// the bytes it cannot show as a replacement character.
TEST_F(StartFileTest, OpensAFileWhoseNameIsNotUtf8) {
    const std::string name = "bad\xff.hol";
    const std::filesystem::path file = QFile::encodeName(folder.path()).toStdString() + "/" + name;
    std::filesystem::copy_file(files::ExamplePath("germany.hol").toStdString(), file);
    StartWith(name);
    std::filesystem::remove(file);  // the temporary folder cannot remove a name that is not UTF-8
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(';').toStdString();
    EXPECT_GT(window.View().Document().GetHolidayCount(), 0);
    EXPECT_EQ(window.windowTitle(), "Tavrin - " + folder.path() + "/bad\uFFFD.hol");
}

}  // namespace
