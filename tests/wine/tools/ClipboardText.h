// Reads and sets the clipboard's text, independently of the program under test.
#pragma once

#include <optional>
#include <string>

namespace winetest {

// The clipboard's Unicode text; nothing when it holds no text or cannot be opened.
std::optional<std::wstring> ReadClipboardText();
// Puts text on the clipboard (empty: clears it). False when the clipboard cannot be had.
bool SetClipboardText(const std::wstring& text);

}  // namespace winetest
