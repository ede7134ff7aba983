// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CodePage.h"

#include <optional>
#include <string>
#include <string_view>

// How the program shows the bytes of a text of a holiday file (an ID, a
// display text) and reads a shown or typed text back into bytes. Every place
// that shows such texts uses this one rule: the editor's lists, edits,
// dialogs, messages and preview, and tavrin-cli's listings.
//
// - Each character of the code page is shown as itself (UTF-8).
// - A byte that stands for no character of the code page is shown as \xNN
//   (two upper-case hex digits), one escape per byte: nothing is hidden, and
//   no two such bytes look alike.
// - A backslash of the text that would read as the start of such an escape
//   or of "\\" is shown as "\\"; any other backslash as itself.
//
// Reading undoes this: \xNN (either case) is the byte NN, "\\" is one
// backslash, any other backslash is itself, and every other character is
// encoded in the code page. Reading a shown text gives back exactly the
// bytes that were shown, so two different texts never show alike.
std::string ShowText(const CCodePage& codePage, std::string_view bytes);

// The bytes of a shown or typed text, or nothing when a character has no
// encoding in the code page: such a character is refused, never dropped.
std::optional<std::string> ReadShownText(const CCodePage& codePage, std::string_view shown);

// The first character of the text that the code page cannot hold, or
// nothing when it can hold them all (or the text is not valid UTF-8).
std::optional<char32_t> FirstUnheldCharacter(const CCodePage& codePage, std::string_view shown);

// The bytes of one text together with how they are shown. The bytes stay
// exactly as they came unless the shown text is changed.
class CShownText {
public:
    CShownText() : codePage(0) {}
    CShownText(std::string bytes, const CCodePage& codePage);

    const std::string& Bytes() const { return bytes; }
    const std::string& Text() const { return text; }
    const CCodePage& CodePage() const { return codePage; }

    // The bytes of an edited text: the original bytes when the text is the
    // one shown, else the text read in the code page (nothing when a
    // character has no encoding).
    std::optional<std::string> BytesOf(std::string_view editedText) const;

private:
    CCodePage codePage;
    std::string bytes;
    std::string text;
};
