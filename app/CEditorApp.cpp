#include "app/CEditorApp.h"

#include "core/ProgramInfo.h"
#include "editor/CEditorWindow.h"

#include <QFileInfo>

CEditorApp::CEditorApp(int& argc, char** argv) : application(argc, argv) {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

int CEditorApp::Run(const QString& file) {
    // The window, its document and its dialogs live exactly as long as the
    // modal run; whatever its result, the program ends with it.
    CEditorWindow window;
    OpenStartFile(window, file);
    window.exec();
    return 0;
}

void CEditorApp::OpenStartFile(CEditorWindow& window, const QString& file) {
    if (!file.isEmpty()) {
        // The file dialog gives absolute paths, and the title shows them.
        window.OpenDocument(QFileInfo(file).absoluteFilePath());
    }
}
