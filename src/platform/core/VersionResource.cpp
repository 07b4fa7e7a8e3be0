#include "VersionResource.h"

#include <cstdint>
#include <optional>

#include "TextUtil.h"

namespace platform {

namespace {

// Every entry of the block starts with three 16-bit words: its whole length in bytes, the length
// of its value and the value's kind (1 for text). A NUL-terminated UTF-16 key follows; value and
// children each start on the next 32-bit boundary, counted from the start of the block.
constexpr std::size_t kHeaderBytes = 6;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFixedInfoBytes = 52;

class Block {
  public:
    explicit Block(std::span<const std::byte> bytes) : bytes_(bytes) {}

    std::size_t Size() const { return bytes_.size(); }

    std::uint16_t Word(std::size_t offset) const {
        return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes_[offset]) |
                                          std::to_integer<unsigned>(bytes_[offset + 1]) << 8);
    }

    std::uint32_t DoubleWord(std::size_t offset) const {
        return Word(offset) | static_cast<std::uint32_t>(Word(offset + 2)) << 16;
    }

    // The UTF-16 text from `offset` up to its NUL, which must lie before `end`.
    std::optional<Text> TextAt(std::size_t offset, std::size_t end, std::size_t& after) const {
        Text text;
        for (std::size_t at = offset; at + 2 <= end; at += 2) {
            std::uint16_t unit = Word(at);
            if (unit == 0) {
                after = at + 2;
                return text;
            }
            text.push_back(static_cast<wchar_t>(unit));
        }
        return std::nullopt;
    }

  private:
    std::span<const std::byte> bytes_;
};

constexpr std::size_t Aligned(std::size_t offset) {
    return (offset + 3) & ~static_cast<std::size_t>(3);
}

struct Entry {
    std::size_t end = 0;  // first byte after the entry
    std::uint16_t valueLength = 0;
    std::uint16_t type = 0;
    Text key;
    std::size_t value = 0;  // where the value starts
};

// The entry at `offset`, which must end by `limit`.
std::optional<Entry> EntryAt(const Block& block, std::size_t offset, std::size_t limit) {
    if (offset > limit || limit - offset < kHeaderBytes) {
        return std::nullopt;
    }
    std::uint16_t length = block.Word(offset);
    if (length < kHeaderBytes || length > limit - offset) {
        return std::nullopt;
    }
    Entry entry;
    entry.end = offset + length;
    entry.valueLength = block.Word(offset + 2);
    entry.type = block.Word(offset + 4);
    std::size_t afterKey = 0;
    std::optional<Text> key = block.TextAt(offset + kHeaderBytes, entry.end, afterKey);
    if (!key) {
        return std::nullopt;
    }
    entry.key = *key;
    entry.value = Aligned(afterKey);
    return entry;
}

// Where the children of an entry start: after its value. A text value's length counts
// characters with some resource compilers and bytes with others, so a text is skipped up to its
// NUL.
std::size_t ChildrenStart(const Block& block, const Entry& entry) {
    if (entry.valueLength == 0 || entry.value >= entry.end) {
        return entry.value;
    }
    if (entry.type == 1) {
        std::size_t after = entry.end;
        block.TextAt(entry.value, entry.end, after);
        return Aligned(after);
    }
    return Aligned(entry.value + entry.valueLength);
}

// Calls `visit` for each child of `parent` until it returns true or the children end or break.
template <typename Visit>
void ForEachChild(const Block& block, const Entry& parent, Visit visit) {
    std::size_t offset = ChildrenStart(block, parent);
    while (offset < parent.end) {
        std::optional<Entry> child = EntryAt(block, offset, parent.end);
        if (!child || visit(*child)) {
            return;
        }
        offset = Aligned(child->end);
    }
}

bool SameKey(const Text& a, const Text& b) {
    return EqualsIgnoringCase(a, b);
}

// The name of a string table: language and code page as eight hexadecimal digits.
Text TableName(std::uint16_t language, std::uint16_t codePage) {
    constexpr wchar_t kDigits[] = L"0123456789abcdef";
    std::uint32_t both = static_cast<std::uint32_t>(language) << 16 | codePage;
    Text name(8, L'0');
    for (int i = 7; i >= 0; --i) {
        name[static_cast<std::size_t>(i)] = kDigits[both & 0xF];
        both >>= 4;
    }
    return name;
}

}  // namespace

ProgramVersion ReadVersionResource(std::span<const std::byte> bytes, ProgramVersion fallback) {
    ProgramVersion version = std::move(fallback);
    Block block(bytes);
    std::optional<Entry> root = EntryAt(block, 0, block.Size());
    if (!root || root->key != L"VS_VERSION_INFO") {
        return version;
    }
    if (root->valueLength >= kFixedInfoBytes && root->value + kFixedInfoBytes <= root->end &&
        block.DoubleWord(root->value) == kFixedInfoSignature) {
        std::uint32_t high = block.DoubleWord(root->value + 8);
        std::uint32_t low = block.DoubleWord(root->value + 12);
        version.major = static_cast<std::int32_t>(high >> 16);
        version.minor = static_cast<std::int32_t>(high & 0xFFFF);
        version.revision = static_cast<std::int32_t>(low & 0xFFFF);
    }

    std::optional<Entry> stringInfo;
    std::optional<Text> tableName;
    ForEachChild(block, *root, [&](const Entry& child) {
        if (SameKey(child.key, L"StringFileInfo")) {
            stringInfo = child;
        } else if (SameKey(child.key, L"VarFileInfo")) {
            ForEachChild(block, child, [&](const Entry& var) {
                if (!SameKey(var.key, L"Translation") || var.valueLength < 4 ||
                    var.value + 4 > var.end) {
                    return false;
                }
                tableName = TableName(block.Word(var.value), block.Word(var.value + 2));
                return true;
            });
        }
        return false;
    });
    if (!stringInfo || !tableName) {
        return version;
    }
    ForEachChild(block, *stringInfo, [&](const Entry& table) {
        if (!SameKey(table.key, *tableName)) {
            return false;
        }
        ForEachChild(block, table, [&](const Entry& value) {
            if (!SameKey(value.key, L"ProductName")) {
                return false;
            }
            std::size_t after = 0;
            std::optional<Text> name = block.TextAt(value.value, value.end, after);
            if (name && !name->empty()) {
                version.productName = *name;
            }
            return true;
        });
        return true;
    });
    return version;
}

}  // namespace platform
