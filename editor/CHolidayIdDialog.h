// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ShownText.h"
#include "editor/CDialogControls.h"
#include "records/HolidayId.h"

#include <QDialog>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>

class QLineEdit;

// The Add Holiday (130), Rename Holiday (131) and Duplicate Holiday dialogs
// (the last the Add dialog under its own caption): one edit for the
// ID, "OK" and "Abbrechen". The ID is a text of the document's code page,
// shown and read as ShownText.h describes. The field takes at most 64 bytes
// of the code page; an ID offered for renaming is shown whole even when it is
// longer, and OK refuses such a text with a message until it has been
// shortened. OK also refuses, with a message, a character the code page
// cannot hold.
class CHolidayIdDialog : public QDialog {
    Q_OBJECT

public:
    enum class Purpose { Add, Rename, Duplicate };

    static constexpr std::size_t kMaxIdBytes = kMaxIdLength;

    // The ID offered and the one entered are bytes of the code page.
    CHolidayIdDialog(Purpose purpose, const std::string& id, const CCodePage& codePage, QWidget* parent = nullptr);

    // Runs the dialog; the entered ID on OK, nothing on Abbrechen, Esc or
    // the close box. An ID left as it was offered comes back with its
    // original bytes.
    std::optional<std::string> Ask();

    QLineEdit* IdEdit() const;

    // OK: ends the dialog unless the ID has a character the code page cannot
    // hold or is too long.
    void accept() override;

private:
    CDialogControls controls;
    CShownText offered;
};
