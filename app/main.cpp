#include "app/CEditorApp.h"

int main(int argc, char** argv) {
    CEditorApp app(argc, argv);
    return app.Run();
}
