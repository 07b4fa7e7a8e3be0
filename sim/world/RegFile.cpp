#include "RegFile.h"

#include <cstdio>
#include <map>
#include <optional>

#include "platform/Registry.h"
#include "platform/core/Ansi.h"
#include "platform/core/TextUtil.h"
#include "sim/desktop/SimText.h"

namespace platform::sim {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::size_t kWrapColumn = 76;

bool HasLineBreak(const Text& text) {
    return text.find_first_of(L"\r\n") != Text::npos;
}

std::string Quoted(const Text& text) {
    std::string out = "\"";
    for (char c : ToUtf8(text)) {
        if (c == '\\' || c == '"') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

// The text of REG_SZ data that can be written as "text": one NUL at its end and nowhere else,
// no line break.
std::optional<Text> PlainText(const RegFileValue& value) {
    if (value.type != kRegSz || value.data.empty() || value.data.back() != 0) {
        return std::nullopt;
    }
    std::string_view bytes(reinterpret_cast<const char*>(value.data.data()), value.data.size() - 1);
    if (bytes.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    Text text = FromAnsi(bytes);
    if (HasLineBreak(text)) {
        return std::nullopt;
    }
    return text;
}

std::string HexByte(std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789abcdef";
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

// hex:.. or hex(n):.. with the bytes, wrapped as the registry editor wraps long lines.
std::string HexData(const RegFileValue& value, std::size_t column) {
    std::string out = "hex";
    if (value.type != kRegBinary) {
        char type[16];
        std::snprintf(type, sizeof type, "(%x)", static_cast<unsigned>(value.type));
        out += type;
    }
    out += ":";
    column += out.size();
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        out += HexByte(value.data[i]);
        column += 2;
        if (i + 1 < value.data.size()) {
            out += ",";
            ++column;
            if (column >= kWrapColumn) {
                out += "\\\r\n  ";
                column = 2;
            }
        }
    }
    return out;
}

std::string ValueLine(const RegFileValue& value) {
    std::string line = value.name.empty() ? "@" : Quoted(value.name);
    line += "=";
    if (std::optional<Text> text = PlainText(value)) {
        return line + Quoted(*text);
    }
    if (value.type == kRegDword && value.data.size() == 4) {
        std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                               (static_cast<std::uint32_t>(value.data[3]) << 24);
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(number));
        return line + "dword:" + digits;
    }
    return line + HexData(value, line.size());
}

// The text of the file, whatever its encoding.
Text Decoded(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string units;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                  (static_cast<unsigned char>(bytes[i + 1]) << 8)));
        }
        Text text;
        for (std::size_t i = 0; i < units.size(); ++i) {
            char32_t c = units[i];
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                units[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
                ++i;
            } else if (c >= 0xD800 && c <= 0xDFFF) {
                c = 0xFFFD;
            }
            // Through UTF-8, so that wide text gets the form of this platform's wchar_t.
            text += FromUtf8(ToUtf8(Text(1, static_cast<wchar_t>(c))));
        }
        return text;
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    return FromUtf8(bytes);
}

bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

Text Trimmed(const Text& text) {
    std::size_t first = 0;
    while (first < text.size() && IsSpace(text[first])) {
        ++first;
    }
    std::size_t last = text.size();
    while (last > first && IsSpace(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

// Physical lines (ended by CR LF, LF or CR) joined where a line ends in a backslash.
std::vector<Text> LogicalLines(const Text& text) {
    std::vector<Text> lines;
    Text current;
    bool continued = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(L"\r\n", start);
        Text line = Trimmed(text.substr(start, end == Text::npos ? Text::npos : end - start));
        if (continued) {
            current += line;
        } else {
            current = line;
        }
        continued = !current.empty() && current.back() == L'\\';
        if (continued) {
            current.pop_back();
        } else {
            lines.push_back(std::move(current));
            current.clear();
        }
        if (end == Text::npos) {
            break;
        }
        start = end + (text.compare(end, 2, L"\r\n") == 0 ? 2 : 1);
    }
    if (continued) {
        lines.push_back(std::move(current));
    }
    return lines;
}

// Reads a quoted text at pos (which holds the opening quote); leaves pos after the closing one.
std::optional<Text> ReadQuoted(const Text& line, std::size_t& pos) {
    Text out;
    ++pos;
    while (pos < line.size()) {
        wchar_t c = line[pos++];
        if (c == L'"') {
            return out;
        }
        if (c == L'\\' && pos < line.size() && (line[pos] == L'\\' || line[pos] == L'"')) {
            c = line[pos++];
        }
        out.push_back(c);
    }
    return std::nullopt;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    return -1;
}

// A hexadecimal number of 1 to 8 digits, the whole text.
std::optional<std::uint32_t> HexNumber(const Text& text) {
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (wchar_t c : text) {
        int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        number = (number << 4) | static_cast<std::uint32_t>(digit);
    }
    return number;
}

// Bytes written as "aa,bb,..", a comma at the end allowed.
std::optional<std::vector<std::uint8_t>> HexBytes(const Text& text) {
    std::vector<std::uint8_t> bytes;
    std::size_t start = 0;
    Text rest = Trimmed(text);
    while (start < rest.size()) {
        std::size_t comma = rest.find(L',', start);
        Text piece = Trimmed(rest.substr(start, comma == Text::npos ? Text::npos : comma - start));
        std::optional<std::uint32_t> byte = HexNumber(piece);
        if (!byte || piece.size() > 2) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(*byte));
        if (comma == Text::npos) {
            break;
        }
        start = comma + 1;
    }
    return bytes;
}

bool StartsWith(const Text& text, std::size_t pos, std::wstring_view prefix) {
    return text.compare(pos, prefix.size(), prefix) == 0;
}

// The value of a line such as "name"=..., or nothing when it cannot be read.
std::optional<RegFileValue> ParseValue(const Text& line) {
    RegFileValue value;
    std::size_t pos = 0;
    if (line[0] == L'@') {
        pos = 1;
    } else {
        std::optional<Text> name = ReadQuoted(line, pos);
        if (!name || name->empty()) {
            return std::nullopt;
        }
        value.name = *name;
    }
    while (pos < line.size() && IsSpace(line[pos])) {
        ++pos;
    }
    if (pos >= line.size() || line[pos] != L'=') {
        return std::nullopt;
    }
    ++pos;
    while (pos < line.size() && IsSpace(line[pos])) {
        ++pos;
    }
    if (pos < line.size() && line[pos] == L'"') {
        std::optional<Text> text = ReadQuoted(line, pos);
        if (!text || !Trimmed(line.substr(pos)).empty()) {
            return std::nullopt;
        }
        std::string bytes = ToAnsi(*text);
        value.type = kRegSz;
        value.data.assign(bytes.begin(), bytes.end());
        value.data.push_back(0);
        return value;
    }
    Text lowered = platform::LowerCase(line.substr(pos));
    if (StartsWith(lowered, 0, L"dword:")) {
        std::optional<std::uint32_t> number = HexNumber(Trimmed(lowered.substr(6)));
        if (!number) {
            return std::nullopt;
        }
        value.type = kRegDword;
        value.data = {static_cast<std::uint8_t>(*number), static_cast<std::uint8_t>(*number >> 8),
                      static_cast<std::uint8_t>(*number >> 16),
                      static_cast<std::uint8_t>(*number >> 24)};
        return value;
    }
    std::size_t bytesAt = 0;
    if (StartsWith(lowered, 0, L"hex:")) {
        value.type = kRegBinary;
        bytesAt = 4;
    } else if (StartsWith(lowered, 0, L"hex(")) {
        std::size_t close = lowered.find(L')');
        std::optional<std::uint32_t> type =
            close == Text::npos ? std::nullopt : HexNumber(lowered.substr(4, close - 4));
        if (!type || close + 1 >= lowered.size() || lowered[close + 1] != L':') {
            return std::nullopt;
        }
        value.type = *type;
        bytesAt = close + 2;
    } else {
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> bytes = HexBytes(lowered.substr(bytesAt));
    if (!bytes) {
        return std::nullopt;
    }
    value.data = std::move(*bytes);
    return value;
}

}  // namespace

std::string WriteRegFile(const std::vector<RegFileKey>& keys) {
    std::string out(kHeader);
    out += "\r\n\r\n";
    for (const RegFileKey& key : keys) {
        if (key.path.empty() || HasLineBreak(key.path)) {
            continue;
        }
        out.push_back('[');
        out.append(ToUtf8(key.path)).append("]\r\n");
        for (const RegFileValue& value : key.values) {
            if (!HasLineBreak(value.name)) {
                out += ValueLine(value) + "\r\n";
            }
        }
        out += "\r\n";
    }
    return out;
}

std::vector<RegFileKey> ReadRegFile(std::string_view text) {
    std::vector<RegFileKey> keys;
    std::map<Text, std::size_t> keyIndex;                            // folded path -> index in keys
    std::map<std::pair<std::size_t, Text>, std::size_t> valueIndex;  // key, folded name -> index
    constexpr std::size_t kNoKey = static_cast<std::size_t>(-1);
    std::size_t current = kNoKey;  // index in keys of the section being read
    for (const Text& line : LogicalLines(Decoded(text))) {
        if (line.empty() || line[0] == L';') {
            continue;
        }
        if (line[0] == L'[') {
            current = kNoKey;
            std::size_t close = line.rfind(L']');
            if (close == Text::npos || close < 2 || line[1] == L'-') {
                continue;
            }
            Text path = line.substr(1, close - 1);
            auto [entry, added] = keyIndex.try_emplace(FoldedText(path), keys.size());
            if (added) {
                keys.push_back({path, {}});
            }
            current = entry->second;
            continue;
        }
        if (current == kNoKey || (line[0] != L'"' && line[0] != L'@')) {
            continue;
        }
        std::optional<RegFileValue> value = ParseValue(line);
        if (!value) {
            continue;
        }
        std::vector<RegFileValue>& values = keys[current].values;
        auto [slot, added] =
            valueIndex.try_emplace({current, FoldedText(value->name)}, values.size());
        if (added) {
            values.push_back(std::move(*value));
        } else {
            values[slot->second] = std::move(*value);
        }
    }
    return keys;
}

}  // namespace platform::sim
