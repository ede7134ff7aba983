// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CRecentFiles.h"

#include "editor/EditorSettings.h"

#include <QByteArray>
#include <QVariant>
#include <QVariantList>

#include <algorithm>

namespace {

const QString kRecentFilesKey = QStringLiteral("recentFiles");

}  // namespace

std::vector<std::filesystem::path> CRecentFiles::Files() const {
    std::vector<std::filesystem::path> files;
    for (const QVariant& file : EditorSettings().value(kRecentFilesKey).toList()) {
        const QByteArray bytes = file.toByteArray();
        if (!bytes.isEmpty() && files.size() < kMaxFiles) {
            files.emplace_back(bytes.toStdString());
        }
    }
    return files;
}

void CRecentFiles::Add(const std::filesystem::path& path) {
    std::vector<std::filesystem::path> files = Files();
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    if (files.size() > kMaxFiles) {
        files.resize(kMaxFiles);
    }
    Store(files);
}

void CRecentFiles::Remove(const std::filesystem::path& path) {
    std::vector<std::filesystem::path> files = Files();
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    Store(files);
}

void CRecentFiles::Store(const std::vector<std::filesystem::path>& files) {
    QVariantList list;
    for (const std::filesystem::path& file : files) {
        list.append(QByteArray::fromStdString(file.native()));
    }
    EditorSettings().setValue(kRecentFilesKey, list);
}
