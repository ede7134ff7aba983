#include "editor/CCodePageTextBinding.h"
#include "editor/CEditorWindow.h"

void CEditorWindow::OnRefresh() {
    // Placeholder until the year preview lands.
    StoreForm();
    PreviewText().SetBytes({});
}

void CEditorWindow::OnYearSelected() { OnRefresh(); }
