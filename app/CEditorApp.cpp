// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CEditorApp.h"

#include "core/ProgramInfo.h"
#include "editor/CEditorWindow.h"

#include <system_error>

CEditorApp::CEditorApp(int& argc, char** argv) : application(argc, argv) {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

int CEditorApp::Run(const std::filesystem::path& file) {
    // The window, its document and its dialogs live exactly as long as the
    // modal run; whatever its result, the program ends with it.
    CEditorWindow window;
    // Shown first, so that a message about the file appears over it.
    window.show();
    OpenStartFile(window, file);
    window.exec();
    return 0;
}

void CEditorApp::OpenStartFile(CEditorWindow& window, const std::filesystem::path& file) {
    if (!file.empty()) {
        // The file dialog gives absolute paths, and the title shows them.
        std::error_code noCurrentFolder;
        const std::filesystem::path absolute = std::filesystem::absolute(file, noCurrentFolder);
        window.OpenStartFile((noCurrentFolder ? file : absolute).lexically_normal());
    }
}
