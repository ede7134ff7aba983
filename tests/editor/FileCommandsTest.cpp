// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/editor/FileTestSupport.h"
#include "tests/support/FileFaults.h"
#include "tests/support/SampleDocuments.h"

#include <QFile>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <new>
#include <random>
#include <string>
#include <vector>

// While a CAllocationLimit lives, allocations through new of more than its
// bytes fail with std::bad_alloc, as they do when the memory runs out.
namespace {

std::atomic<std::size_t> largestAllocation{std::numeric_limits<std::size_t>::max()};

class CAllocationLimit {
public:
    explicit CAllocationLimit(std::size_t bytes) { largestAllocation = bytes; }
    ~CAllocationLimit() { largestAllocation = std::numeric_limits<std::size_t>::max(); }
    CAllocationLimit(const CAllocationLimit&) = delete;
    CAllocationLimit& operator=(const CAllocationLimit&) = delete;
};

}  // namespace

// Every form of new and delete that pairs with these is replaced, so that
// memory always goes back the way it came (sanitizers check that).
void* operator new(std::size_t size) {
    if (size > largestAllocation.load(std::memory_order_relaxed)) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    return ::operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return ::operator new(size, std::nothrow);
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete[](void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}

using namespace ids;
using Answer = IEditorDialogs::Answer;
using files::ExpectSameEditor;
using files::ReadBytes;
using files::Snapshot;

namespace {

const QString kSaveQuestion = "Do you want to save your work?";

// The commands that ask the save question before they go on.
struct AskingCommand {
    const char* name;
    int command;
};

constexpr AskingCommand kAskingCommands[] = {
    {"New", kFileNew},
    {"Open", kFileOpen},
    {"Exit", kFileExit},
};

class FileCommandsTest : public files::FileWindowTest {
protected:
    // An untitled document with one holiday, shown in the form and stored
    // into the document (as every save does first), but not written.
    void AddUnsavedHoliday() {
        gui::AddHoliday(window, dialogs, "X");
        gui::Type(window.View().Edit(kDisplayEdit), "Y");
        gui::Click(window.View().Button(kRefresh));
    }

    // An empty untitled document again, without saving.
    void StartOver() {
        if (window.View().Document().GetHolidayCount() > 0) {
            dialogs.yesNoCancelAnswers.push_back(Answer::No);
        }
        Run(kFileNew);
        window.show();
    }

    // Whether the command went on past the question: New empties the
    // document, Open asks for a file (answered with Cancel), Exit ends the
    // window.
    bool WentOn(const AskingCommand& asking) const {
        switch (asking.command) {
        case kFileNew: return window.View().Document().GetHolidayCount() == 0;
        case kFileOpen: return !dialogs.openPaths.isEmpty();
        default: return !window.isVisible();
        }
    }

    void RunAsking(const AskingCommand& asking) {
        if (asking.command == kFileOpen) {
            dialogs.openFiles.push_back(std::nullopt);  // stop at the file dialog if it comes
        }
        Run(asking.command);
    }

    // Save, and Exit answered with Yes, fail while the cause lasts: each says
    // why, the file and its folder stay as they were, and the window stays open.
    void ExpectSaveAndClosingFail(const QString& path, const QString& reason) {
        gui::Type(window.View().Edit(kDisplayEdit), "Xmas");
        const std::vector<std::uint8_t> bytes = ReadBytes(path);
        const QDir place = QFileInfo(path).dir();
        const QStringList entries = place.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        dialogs.errors.clear();
        dialogs.yesNoCancelAnswers.push_back(Answer::Yes);
        Run(kFileSave);
        Run(kFileExit);
        const QString message = "Cannot save \"" + path + "\": " + reason + ".\nThe file on disk is unchanged.";
        EXPECT_EQ(dialogs.errors, QStringList({message, message}));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(ReadBytes(path), bytes);
        EXPECT_EQ(place.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries);
    }
};

TEST_F(FileCommandsTest, EmptyDocumentGoesOnWithoutAsking) {
    for (const AskingCommand& asking : kAskingCommands) {
        RunAsking(asking);
        EXPECT_TRUE(WentOn(asking)) << asking.name;
    }
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(FileCommandsTest, CancelToTheQuestionChangesNothing) {
    for (const AskingCommand& asking : kAskingCommands) {
        AddUnsavedHoliday();
        const files::EditorSnapshot before = Snapshot(window);
        dialogs.questions.clear();
        dialogs.yesNoCancelAnswers.push_back(Answer::Cancel);
        Run(asking.command);
        EXPECT_EQ(dialogs.questions, QStringList{kSaveQuestion}) << asking.name;
        EXPECT_FALSE(WentOn(asking)) << asking.name;
        ExpectSameEditor(before, Snapshot(window));
        EXPECT_TRUE(FolderEntries().isEmpty()) << asking.name;
        StartOver();
    }
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

TEST_F(FileCommandsTest, NoToTheQuestionGoesOnWithoutWriting) {
    for (const AskingCommand& asking : kAskingCommands) {
        StartOver();
        AddUnsavedHoliday();
        dialogs.yesNoCancelAnswers.push_back(Answer::No);
        RunAsking(asking);
        EXPECT_TRUE(WentOn(asking)) << asking.name;
        EXPECT_TRUE(dialogs.savePaths.isEmpty()) << asking.name;
        EXPECT_TRUE(FolderEntries().isEmpty()) << asking.name;
    }
}

TEST_F(FileCommandsTest, NewEmptiesTheFormAndTheTitle) {
    OpenExampleCopy("usa.hol");
    dialogs.yesNoCancelAnswers.push_back(Answer::No);
    Run(kFileNew);
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 0);
    EXPECT_EQ(window.View().Document().GetLanguage(), 0x0409u);  // the user's locale
    EXPECT_EQ(window.windowTitle(), "Tavrin");
    EXPECT_EQ(window.View().FilePath(), "");
    EXPECT_EQ(window.View().List(kIdList)->Count(), 0);
    EXPECT_EQ(window.View().Selection().HolidayId(), "");
    EXPECT_EQ(window.View().DisplayText().Bytes(), "");
    EXPECT_EQ(window.View().Edit(kVersionEdit)->text(), "100");
}

TEST_F(FileCommandsTest, YesOnAnUntitledDocumentSavesUnderTheChosenNameAndGoesOn) {
    for (const AskingCommand& asking : kAskingCommands) {
        StartOver();
        AddUnsavedHoliday();
        const QString path = PathIn(QStringLiteral("%1.hol").arg(asking.name));
        dialogs.yesNoCancelAnswers.push_back(Answer::Yes);
        dialogs.saveFiles.push_back(path);
        RunAsking(asking);
        EXPECT_TRUE(WentOn(asking)) << asking.name;
        CHolidays saved;
        LoadHolidayFile(saved, path.toStdString());
        ASSERT_EQ(saved.GetHolidayCount(), 1) << asking.name;
        EXPECT_EQ(saved.GetHoliday(0).display, "Y") << asking.name;  // the form was stored first
        if (asking.command != kFileNew) {
            EXPECT_EQ(window.View().FilePath(), path) << asking.name;
            EXPECT_EQ(window.windowTitle(), "Tavrin - " + path) << asking.name;
        }
        StartOver();
    }
}

TEST_F(FileCommandsTest, YesOnAnOpenedFileWritesItBackWithoutAskingForAName) {
    const QString path = OpenExampleCopy("germany.hol");
    gui::Type(window.View().Edit(kDisplayEdit), "All Saints");
    dialogs.yesNoCancelAnswers.push_back(Answer::Yes);
    Run(kFileNew);
    EXPECT_TRUE(dialogs.savePaths.isEmpty());
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 0);
    CHolidays saved;
    LoadHolidayFile(saved, path.toStdString());
    EXPECT_EQ(saved.GetHoliday(saved.FindHoliday("ALLERHEILIGEN")).display, "All Saints");
}

TEST_F(FileCommandsTest, CancellingTheSaveDialogAfterYesStopsTheCommandQuietly) {
    AddUnsavedHoliday();
    for (const AskingCommand& asking : kAskingCommands) {
        const files::EditorSnapshot before = Snapshot(window);
        dialogs.yesNoCancelAnswers.push_back(Answer::Yes);
        dialogs.saveFiles.push_back(std::nullopt);
        Run(asking.command);
        EXPECT_FALSE(WentOn(asking)) << asking.name;
        EXPECT_TRUE(dialogs.errors.isEmpty()) << asking.name;
        ExpectSameEditor(before, Snapshot(window));
    }
    EXPECT_TRUE(FolderEntries().isEmpty());
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

TEST_F(FileCommandsTest, OpenShowsTheFirstIdSortedWithThePathInTheTitle) {
    const QString path = OpenExampleCopy("usa.hol");
    EXPECT_EQ(dialogs.openPaths, QStringList{""});
    EXPECT_EQ(window.View().FilePath(), path);
    EXPECT_EQ(window.windowTitle(), "Tavrin - " + path);
    EXPECT_EQ(window.View().List(kIdList)->Count(), 11);
    EXPECT_EQ(window.View().List(kIdList)->SelectedText(), "CHRISTMAS_DAY");
    EXPECT_EQ(window.View().Selection().HolidayId(), "CHRISTMAS_DAY");
    EXPECT_EQ(window.View().DisplayText().Bytes(), "Christmas Day");
    EXPECT_EQ(window.View().List(kLanguageList)->Data(window.View().List(kLanguageList)->Selection()).toUInt(),
              0x0409u);

    // The question comes even right after an open; the dialog starts at the file.
    dialogs.yesNoCancelAnswers.push_back(Answer::No);
    dialogs.openFiles.push_back(std::nullopt);
    Run(kFileOpen);
    EXPECT_EQ(dialogs.questions, QStringList{kSaveQuestion});
    EXPECT_EQ(dialogs.openPaths.last(), path);
}

TEST_F(FileCommandsTest, OpenOfAFileWithoutHolidaysShowsAnEmptyFormAndThePath) {
    gui::AddHoliday(window, dialogs, "X");
    const QString path = PathIn("empty.hol");
    files::WriteBytes(path, SaveHolidayBytes(MakeDocument(0x0407, {})));
    OpenFile(path);
    EXPECT_EQ(window.View().List(kIdList)->Count(), 0);
    EXPECT_EQ(window.View().List(kIdList)->Selection(), -1);
    EXPECT_EQ(window.View().Selection().HolidayId(), "");
    EXPECT_EQ(window.windowTitle(), "Tavrin - " + path);
    EXPECT_EQ(window.View().Document().GetLanguage(), 0x0407u);
}

TEST_F(FileCommandsTest, SaveAfterOpenWritesTheSameBytesBackAndKeepsTheTitle) {
    for (const char* example : {"germany.hol", "usa.hol"}) {
        const QString path = OpenExampleCopy(example);
        const QString title = window.windowTitle();
        Run(kFileSave);
        EXPECT_TRUE(dialogs.savePaths.isEmpty());
        EXPECT_EQ(ReadBytes(path), ReadBytes(files::ExamplePath(example))) << example;
        EXPECT_EQ(window.windowTitle(), title);
    }
}

// Another file's content is replaced only after Yes; No goes back to the
// dialog. The open file saved under its own name asks nothing.
TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacingAnotherFile) {
    const QString path = PathIn("existing.hol");
    const std::vector<std::uint8_t> other(5000, 0xAB);
    files::WriteBytes(path, other);
    AddUnsavedHoliday();
    const QString question = "The file " + path + " already exists. Replace it?";
    dialogs.saveFiles = {path, std::nullopt};
    dialogs.yesNoAnswers.push_back(Answer::No);
    Run(kFileSaveAs);
    EXPECT_EQ(dialogs.questions, QStringList{question});
    EXPECT_EQ(dialogs.yesNoDefaults, std::vector<Answer>{Answer::No});
    EXPECT_EQ(dialogs.savePaths, QStringList({"", path}));
    EXPECT_EQ(ReadBytes(path), other);
    EXPECT_EQ(window.windowTitle(), "Tavrin");

    dialogs.saveFiles = {path, path};
    dialogs.yesNoAnswers.push_back(Answer::Yes);
    Run(kFileSaveAs);
    Run(kFileSaveAs);
    EXPECT_EQ(dialogs.questions, QStringList({question, question}));
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(ReadBytes(path), SaveHolidayBytes(window.View().Document()));
    EXPECT_EQ(FolderEntries(), QStringList{"existing.hol"});
    EXPECT_EQ(window.windowTitle(), "Tavrin - " + path);
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

// Before Save writes the open file, it compares the file with what the
// window last read or wrote: a change by another program, or a file gone,
// is asked about, and No stops the save and the command that asked for it.
TEST_F(FileCommandsTest, SaveAsksBeforeReplacingAnotherProgramsChanges) {
    const struct {
        const char* name;
        void (*change)(const QString& path);
        QString question;
        Answer defaultAnswer;
    } cases[] = {
        {"changed",
         [](const QString& path) {
             files::WriteBytes(path, {1, 2, 3});
         },
         "was changed by another program since Tavrin last read or saved it. Overwrite it?", Answer::No},
        {"replaced",
         [](const QString& path) {
             files::WriteBytes(path + ".new", files::ReadBytes(path));
             ASSERT_EQ(std::rename(QFile::encodeName(path + ".new"), QFile::encodeName(path)), 0);
         },
         "was changed by another program since Tavrin last read or saved it. Overwrite it?", Answer::No},
        {"deleted", [](const QString& path) { QFile::remove(path); }, "was deleted or moved. Save it there again?",
         Answer::Yes},
    };
    for (const auto& c : cases) {
        const QString path = OpenExampleCopy("usa.hol");
        gui::Type(window.View().Edit(kDisplayEdit), "Xmas");
        c.change(path);
        const bool existed = QFile::exists(path);
        const std::vector<std::uint8_t> theirs = existed ? ReadBytes(path) : std::vector<std::uint8_t>{};
        dialogs.questions.clear();
        dialogs.yesNoDefaults.clear();
        dialogs.yesNoCancelAnswers.push_back(Answer::Yes);
        dialogs.yesNoAnswers.push_back(Answer::No);
        Run(kFileNew);
        EXPECT_EQ(dialogs.questions, QStringList({kSaveQuestion, "The file " + path + " " + c.question})) << c.name;
        EXPECT_EQ(dialogs.yesNoDefaults, std::vector<Answer>{c.defaultAnswer}) << c.name;
        EXPECT_GT(window.View().Document().GetHolidayCount(), 0) << c.name;  // New stopped
        EXPECT_EQ(QFile::exists(path), existed) << c.name;
        if (existed) {
            EXPECT_EQ(ReadBytes(path), theirs) << c.name;
        }

        dialogs.yesNoAnswers.push_back(Answer::Yes);
        Run(kFileSave);
        EXPECT_EQ(ReadBytes(path), SaveHolidayBytes(window.View().Document())) << c.name;
        Run(kFileSave);  // as it was written: no question
        EXPECT_EQ(dialogs.questions.size(), 3) << c.name;
        EXPECT_TRUE(dialogs.AllAnswersUsed()) << c.name;
        QFile::remove(path);
    }
}

// A save of a hard-linked file that died half way left the old content
// beside the file; Open says where.
TEST_F(FileCommandsTest, OpenReportsTheCopyALeftSaveLeftBehind) {
    const QString path = PathIn("usa.hol");
    ASSERT_TRUE(QFile::copy(files::ExamplePath("usa.hol"), path));
    ASSERT_TRUE(QFile::copy(path, path + ".tavrin-backup"));
    OpenFile(path);
    EXPECT_EQ(dialogs.informations,
              QStringList{"A save of this file did not finish. The file's earlier content is kept in \"" + path +
                          ".tavrin-backup\"; compare it with the file, then remove it."});
}

// Places a save cannot write to, and what the message should say about each.
struct UnwritablePlace {
    const char* name;
    QString (*prepare)(const QString& folder);  // gives the path to save to
    const char* left;                           // what the message says is on disk
};

const UnwritablePlace kUnwritablePlaces[] = {
    {"folder that does not exist", [](const QString& folder) { return folder + "/gone/file.hol"; },
     "Nothing was written."},
    {"path that is a folder",
     [](const QString& folder) {
         QDir(folder).mkdir("sub.hol");
         return folder + "/sub.hol";
     },
     "The file on disk is unchanged."},
};

TEST_F(FileCommandsTest, FailedSaveAsSaysWhyAndChangesNothing) {
    AddUnsavedHoliday();
    for (const UnwritablePlace& place : kUnwritablePlaces) {
        const QString path = place.prepare(folder.path());
        const QStringList entries = FolderEntries();
        const files::EditorSnapshot before = Snapshot(window);
        dialogs.errors.clear();
        dialogs.saveFiles.push_back(path);
        Run(kFileSaveAs);
        ASSERT_EQ(dialogs.errors.size(), 1) << place.name;
        EXPECT_TRUE(dialogs.errors[0].startsWith("Cannot save \"" + path + "\": ")) << dialogs.errors[0].toStdString();
        EXPECT_TRUE(dialogs.errors[0].endsWith(place.left)) << dialogs.errors[0].toStdString();
        EXPECT_EQ(FolderEntries(), entries) << place.name;
        ExpectSameEditor(before, Snapshot(window));  // path and title too
    }
}

TEST_F(FileCommandsTest, SaveInAFolderWithoutWriteRightsIsRefusedWithAHintToSaveAs) {
    const QString path = OpenExampleCopy("usa.hol");
    CWithoutRootRights::Own(QFile::encodeName(path).toStdString());  // the file stays writable
    ASSERT_TRUE(
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    gui::Type(window.View().Edit(kDisplayEdit), "Xmas");
    {
        const CWithoutRootRights nobody;
        Run(kFileSave);
    }
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith("Cannot save \"" + path + "\": ")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(
        dialogs.errors[0].endsWith("The file on disk is unchanged.\nUse Save as to save the document "
                                   "somewhere else."))
        << dialogs.errors[0].toStdString();
    EXPECT_EQ(ReadBytes(path), ReadBytes(files::ExamplePath("usa.hol")));
    EXPECT_EQ(FolderEntries(), QStringList{"usa.hol"});
}

TEST_F(FileCommandsTest, FailedWritesKeepTheFileAndTheWindow) {
    const QString path = OpenExampleCopy("usa.hol");
    {
        const CFileSizeLimit limit(16);
        ExpectSaveAndClosingFail(path, "File too large");
    }

    const CSmallFileSystem disk(QFile::encodeName(PathIn("disk")).toStdString());
    if (!disk.Problem().empty()) {
        GTEST_SKIP() << disk.Problem();
    }
    const QString full = QFile::decodeName((disk / "usa.hol").c_str());
    ASSERT_TRUE(QFile::copy(path, full));
    dialogs.errors.clear();
    OpenFile(full);
    disk.Fill();
    ExpectSaveAndClosingFail(full, "No space left on device");
}

TEST_F(FileCommandsTest, FailedSaveAfterYesStopsTheCommandThatAsked) {
    AddUnsavedHoliday();
    for (const AskingCommand& asking : kAskingCommands) {
        const files::EditorSnapshot before = Snapshot(window);
        dialogs.errors.clear();
        dialogs.yesNoCancelAnswers.push_back(Answer::Yes);
        dialogs.saveFiles.push_back(folder.path() + "/gone/file.hol");
        Run(asking.command);
        EXPECT_EQ(dialogs.errors.size(), 1) << asking.name;
        EXPECT_FALSE(WentOn(asking)) << asking.name;
        ExpectSameEditor(before, Snapshot(window));
    }
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

// Files that cannot be opened, and a part of the message that says why.
struct UnreadableFile {
    const char* name;
    QString (*place)(const QString& path);  // puts the file at the path; gives the path to open
    const char* why;
};

std::vector<std::uint8_t> GermanyCutInsideTheThirdHoliday() {
    std::vector<std::uint8_t> bytes = ReadBytes(files::ExamplePath("germany.hol"));
    CHolidays germany;
    LoadHolidayFile(germany, files::ExamplePath("germany.hol").toStdString());
    const std::size_t thirdStart =
        SaveHolidayBytes(MakeDocument(0x0407, {germany.GetHoliday(0), germany.GetHoliday(1)})).size();
    bytes.resize(thirdStart + 20);
    return bytes;
}

std::vector<std::uint8_t> RandomBytes() {
    std::mt19937 generator(20240515);
    std::vector<std::uint8_t> bytes(4096);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(generator());
    }
    return bytes;
}

std::vector<std::uint8_t> ShortHeader() {
    return {0x07, 0x04, 0x00};
}

template <std::vector<std::uint8_t> (*content)()>
QString WithContent(const QString& path) {
    files::WriteBytes(path, content());
    return path;
}

template <void (*make)(const std::filesystem::path&)>
QString Made(const QString& path) {
    make(QFile::encodeName(path).toStdString());
    return path;
}

const UnreadableFile kUnreadableFiles[] = {
    {"cut.hol", WithContent<GermanyCutInsideTheThirdHoliday>, "holiday 3 of 18"},
    {"random.hol", WithContent<RandomBytes>, "claims"},
    {"short.hol", WithContent<ShortHeader>, "ends inside its header"},
    {"missing.hol", [](const QString& path) { return path; }, "does not exist"},
    {"device", [](const QString&) { return QStringLiteral("/dev/zero"); }, "it is a device, not a holiday file"},
    {"fifo.hol", Made<MakeFifo>, "it is a named pipe, not a holiday file"},
    {"socket.hol", Made<MakeSocket>, "it is a socket, not a holiday file"},
};

TEST_F(FileCommandsTest, FailedOpenSaysWhatIsWrongAndLeavesTheEditorAsItWas) {
    const CHangGuard guard(10);  // a named pipe must not block the editor
    OpenExampleCopy("usa.hol");
    gui::Pick(window.View().List(kIdList), "MEMORIAL_DAY");
    gui::Type(window.View().Edit(kDisplayEdit), "edited, not stored yet");
    for (const UnreadableFile& file : kUnreadableFiles) {
        const QString path = file.place(PathIn(file.name));
        const files::EditorSnapshot before = Snapshot(window);
        dialogs.errors.clear();
        dialogs.yesNoCancelAnswers.push_back(Answer::No);
        dialogs.openFiles.push_back(path);
        Run(kFileOpen);
        ASSERT_EQ(dialogs.errors.size(), 1) << file.name;
        const QString message = dialogs.errors[0];
        EXPECT_TRUE(message.contains("\"" + path + "\"")) << message.toStdString();
        EXPECT_TRUE(message.contains(file.why)) << message.toStdString();
        ExpectSameEditor(before, Snapshot(window));
        EXPECT_EQ(window.View().Edit(kDisplayEdit)->text(), "edited, not stored yet");
    }
}

// A file too large for the memory: Open and Save say so, and the editor and
// the file stay as they were.
TEST_F(FileCommandsTest, WithoutMemoryForTheFileOpenAndSaveFailWithAMessage) {
    constexpr std::size_t kMemory = 128 * 1024;
    std::vector<CHoliday> holidays;
    for (int i = 0; i < 300; ++i) {  // 300 KB
        holidays.push_back(CHoliday{"H" + std::to_string(i), std::string(1000, 'd'), 0, {}});
    }
    const QString path = PathIn("large.hol");
    files::WriteBytes(path, SaveHolidayBytes(MakeDocument(0x0409, holidays)));

    OpenExampleCopy("usa.hol");
    const files::EditorSnapshot before = Snapshot(window);
    dialogs.yesNoCancelAnswers.push_back(Answer::No);
    dialogs.openFiles.push_back(path);
    {
        const CAllocationLimit limit(kMemory);
        Run(kFileOpen);
    }
    ExpectSameEditor(before, Snapshot(window));
    EXPECT_EQ(dialogs.errors, QStringList("Cannot open \"" + path +
                                          "\": there is not enough memory to load it.\nThe editor keeps the "
                                          "document it had."));
    dialogs.errors.clear();

    OpenFile(path);
    gui::Type(window.View().Edit(kDisplayEdit), "Edited");
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    {
        const CAllocationLimit limit(kMemory);
        Run(kFileSave);
    }
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(window.View().Edit(kDisplayEdit)->text(), "Edited");
    EXPECT_EQ(dialogs.errors, QStringList("Cannot save \"" + path +
                                          "\": there is not enough memory to save it.\nThe file on disk is "
                                          "unchanged."));
    EXPECT_EQ(FolderEntries(), QStringList({"large.hol", "usa.hol"}));
}

// The bytes after the last holiday are not part of the document: Open says
// that a save will not keep them.
TEST_F(FileCommandsTest, OpenNamesTheBytesAfterTheLastHolidayThatSavingDrops) {
    const struct {
        std::string tail;
        QString notice;
    } cases[] = {
        {"", ""},
        {"x", "\"%1\": 1 byte after the last holiday will not be kept when the document is saved."},
        {"tail", "\"%1\": 4 bytes after the last holiday will not be kept when the document is saved."},
    };
    const std::vector<std::uint8_t> document = ReadBytes(files::ExamplePath("usa.hol"));
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bytes = document;
        bytes.insert(bytes.end(), c.tail.begin(), c.tail.end());
        const QString path = PathIn("tail.hol");
        files::WriteBytes(path, bytes);
        dialogs.informations.clear();
        OpenFile(path);
        EXPECT_EQ(dialogs.informations, c.notice.isEmpty() ? QStringList() : QStringList(c.notice.arg(path)));
        EXPECT_EQ(window.View().FilePath(), path);
        Run(kFileSave);
        EXPECT_EQ(ReadBytes(path), document);
    }
}

TEST_F(FileCommandsTest, OpenOfAFolderIsRefusedByName) {
    dialogs.openFiles.push_back(folder.path());
    Run(kFileOpen);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], "Cannot open \"" + folder.path() +
                                     "\": it is a folder, not a holiday file.\nThe editor keeps the document it had.");
    EXPECT_EQ(window.windowTitle(), "Tavrin");
}

}  // namespace
