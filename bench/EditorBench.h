#pragma once

// Closes the windows the editor's benchmarks share; they must go before the
// application object does.
void CloseLargeDocumentEditors();
