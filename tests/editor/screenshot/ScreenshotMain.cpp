// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the editor window offscreen into a PNG, for the documentation:
//     tavrin_screenshot OUTPUT.png [FILE.hol]
// After start-up it opens the file (when one is given) through File > Open,
// as a user would, and grabs the window.
#include "core/LocaleNames.h"
#include "editor/CEditorWindow.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/CScriptedDialogs.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LC_ALL", "en_US.UTF-8", 1);
    SetLocaleNames(MakeEnglishLocaleNames());
    // The file shown stays out of the user's recent files.
    const QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: tavrin_screenshot OUTPUT.png [FILE.hol]\n");
        return 2;
    }

    CScriptedDialogs dialogs;
    CEditorWindow window(&dialogs);
    if (arguments.size() == 3) {
        const QString file = QFileInfo(arguments[2]).absoluteFilePath();
        dialogs.openFiles.push_back(file);
        window.View().MenuAction(ids::kFileOpen)->trigger();
        if (!dialogs.errors.isEmpty() || window.View().FilePath() != file) {
            std::fprintf(stderr, "tavrin_screenshot: could not open %s: %s\n", qPrintable(file),
                         qPrintable(dialogs.errors.join(QStringLiteral("; "))));
            return 1;
        }
    }
    window.show();
    QApplication::processEvents();
    // The enabling that the event loop sets once it has run out of events.
    emit QAbstractEventDispatcher::instance()->aboutToBlock();
    QApplication::processEvents();
    if (!window.grab().save(arguments[1], "PNG")) {
        std::fprintf(stderr, "tavrin_screenshot: cannot write %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}
