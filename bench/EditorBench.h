// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Closes the windows the editor's benchmarks share; they must go before the
// application object does.
void CloseLargeDocumentEditors();
