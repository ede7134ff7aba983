#include "app/CEditorApp.h"

#include "editor/CEditorWindow.h"

CEditorApp::CEditorApp(int& argc, char** argv) : application(argc, argv) {}

int CEditorApp::Run() {
    // The window, its document and its dialogs live exactly as long as the
    // modal run; whatever its result, the program ends with it.
    CEditorWindow window;
    window.exec();
    return 0;
}
