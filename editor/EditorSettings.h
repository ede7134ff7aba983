// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

// The editor's settings file in the user's configuration folder
// ($XDG_CONFIG_HOME/tavrin/tavrin.conf): the recent files and the view's
// choices. The document's own data never goes there.
inline const QString kLivePreviewKey = QStringLiteral("livePreview");

inline QSettings EditorSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tavrin"), QStringLiteral("tavrin"));
}
