// The program's version read from the bytes of a version resource: what the resource compiler
// writes, the string table the translation names, and blocks that are cut short or malformed.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/VersionResource.h"

namespace {

using platform::ProgramVersion;
using platform::Text;
using Bytes = std::vector<std::byte>;

// One entry of a version block with its children, as a resource compiler lays it out.
struct Entry {
    std::u16string key;
    Bytes value;
    std::uint16_t valueLength = 0;
    std::uint16_t type = 0;
    std::vector<Entry> children;
    std::uint16_t claimedLength = 0;  // the length written instead of the real one, if not 0
};

void PutWord(Bytes& out, std::uint16_t word) {
    out.push_back(static_cast<std::byte>(word & 0xFF));
    out.push_back(static_cast<std::byte>(word >> 8));
}

void Align(Bytes& out) {
    while (out.size() % 4 != 0) {
        out.push_back(std::byte{0});
    }
}

void Write(Bytes& out, const Entry& entry) {
    std::size_t start = out.size();
    PutWord(out, 0);
    PutWord(out, entry.valueLength);
    PutWord(out, entry.type);
    for (char16_t unit : entry.key) {
        PutWord(out, unit);
    }
    PutWord(out, 0);
    Align(out);
    out.insert(out.end(), entry.value.begin(), entry.value.end());
    for (const Entry& child : entry.children) {
        Align(out);
        Write(out, child);
    }
    std::size_t length = entry.claimedLength != 0 ? entry.claimedLength : out.size() - start;
    out[start] = static_cast<std::byte>(length & 0xFF);
    out[start + 1] = static_cast<std::byte>(length >> 8);
}

// A text value; its length counted in characters, or in bytes as some compilers count it.
Entry String(std::u16string key, std::u16string text, bool lengthInBytes = false) {
    Bytes value;
    for (char16_t unit : text) {
        PutWord(value, unit);
    }
    PutWord(value, 0);
    auto length = static_cast<std::uint16_t>(lengthInBytes ? value.size() : text.size() + 1);
    return {std::move(key), value, length, 1, {}};
}

Entry FixedInfo(std::uint32_t signature, std::uint16_t major, std::uint16_t minor,
                std::uint16_t build, std::uint16_t revision, std::vector<Entry> children) {
    Bytes value;
    for (std::uint16_t word : {static_cast<std::uint16_t>(signature & 0xFFFF),
                               static_cast<std::uint16_t>(signature >> 16), std::uint16_t{0},
                               std::uint16_t{1}, minor, major, revision, build}) {
        PutWord(value, word);
    }
    value.resize(52, std::byte{0});
    return {u"VS_VERSION_INFO", value, 52, 0, std::move(children)};
}

Entry Translation(std::uint16_t language, std::uint16_t codePage) {
    Bytes value;
    PutWord(value, language);
    PutWord(value, codePage);
    return {u"VarFileInfo", {}, 0, 1, {{u"Translation", value, 4, 0, {}}}};
}

Entry Table(std::u16string name, std::vector<Entry> strings) {
    return {std::move(name), {}, 0, 1, std::move(strings)};
}

Entry StringInfo(std::vector<Entry> tables) {
    return {u"StringFileInfo", {}, 0, 1, std::move(tables)};
}

Bytes Block(const Entry& root) {
    Bytes out;
    Write(out, root);
    return out;
}

// The block of the program's own resource: German, Unicode, 1.0.0.14.
Bytes ProgramBlock(bool lengthInBytes = false) {
    return Block(FixedInfo(
        0xFEEF04BD, 1, 0, 0, 14,
        {StringInfo({Table(u"040704b0", {String(u"CompanyName", u"Quendelhof", lengthInBytes),
                                         String(u"FileVersion", u"1.00.0014", lengthInBytes),
                                         String(u"ProductName", u"Quendelhof", lengthInBytes)})}),
         Translation(0x0407, 1200)}));
}

const ProgramVersion kFallback{9, 8, 7, L"Eingebaut"};

void ExpectVersion(const ProgramVersion& version, std::int32_t major, std::int32_t minor,
                   std::int32_t revision, const Text& productName) {
    EXPECT_EQ(version.major, major);
    EXPECT_EQ(version.minor, minor);
    EXPECT_EQ(version.revision, revision);
    EXPECT_EQ(version.productName, productName);
}

TEST(ReadVersionResource, ReadsTheNumbersAndTheProductNameOfTheProgramsBlock) {
    for (bool lengthInBytes : {false, true}) {
        SCOPED_TRACE(lengthInBytes ? "text lengths in bytes" : "text lengths in characters");
        ExpectVersion(platform::ReadVersionResource(ProgramBlock(lengthInBytes), kFallback), 1, 0,
                      14, L"Quendelhof");
    }
}

TEST(ReadVersionResource, TakesTheProductNameFromTheTableOfTheFirstTranslation) {
    Bytes block =
        Block(FixedInfo(0xFEEF04BD, 2, 5, 3, 77,
                        {StringInfo({Table(u"040704b0", {String(u"ProductName", u"Deutsch")}),
                                     Table(u"040904E4", {String(u"FileVersion", u"2.5"),
                                                         String(u"productname", u"English")})}),
                         Translation(0x0409, 1252)}));
    ExpectVersion(platform::ReadVersionResource(block, kFallback), 2, 5, 77, L"English");
}

TEST(ReadVersionResource, APartTheBlockDoesNotHoldKeepsItsFallback) {
    struct Case {
        const char* name;
        Entry root;
        bool numbers;
        bool productName;
    };
    const std::vector<Case> cases = {
        {"wrong signature",
         FixedInfo(0x12345678, 1, 0, 0, 14,
                   {StringInfo({Table(u"040704b0", {String(u"ProductName", u"Q")})}),
                    Translation(0x0407, 1200)}),
         false, true},
        {"no translation",
         FixedInfo(0xFEEF04BD, 1, 0, 0, 14,
                   {StringInfo({Table(u"040704b0", {String(u"ProductName", u"Q")})})}),
         true, false},
        {"no table of the translation",
         FixedInfo(0xFEEF04BD, 1, 0, 0, 14,
                   {StringInfo({Table(u"040704b0", {String(u"ProductName", u"Q")})}),
                    Translation(0x0409, 1252)}),
         true, false},
        {"a key that is only the start of the product name's",
         FixedInfo(0xFEEF04BD, 1, 0, 0, 14,
                   {StringInfo({Table(u"040704b0", {String(u"Product", u"Q")})}),
                    Translation(0x0407, 1200)}),
         true, false},
        {"empty product name",
         FixedInfo(0xFEEF04BD, 1, 0, 0, 14,
                   {StringInfo({Table(u"040704b0", {String(u"ProductName", u"")})}),
                    Translation(0x0407, 1200)}),
         true, false},
        {"table longer than its parent",
         FixedInfo(0xFEEF04BD, 1, 0, 0, 14,
                   {StringInfo({{u"040704b0", {}, 0, 1, {String(u"ProductName", u"Q")}, 0x7FF0}}),
                    Translation(0x0407, 1200)}),
         true, false},
        {"other root", {u"VS_VERSION", {}, 0, 0, {}}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramVersion version = platform::ReadVersionResource(Block(c.root), kFallback);
        EXPECT_EQ(version.major, c.numbers ? 1 : kFallback.major);
        EXPECT_EQ(version.revision, c.numbers ? 14 : kFallback.revision);
        EXPECT_EQ(version.productName, c.productName ? L"Q" : kFallback.productName);
    }
}

TEST(ReadVersionResource, ABlockCutShortAnywhereGivesTheFallback) {
    Bytes whole = ProgramBlock();
    for (std::size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE("cut to " + std::to_string(size) + " bytes");
        // An exact copy, so that a read past its end is a read past an allocation.
        Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        // The root's length no longer fits, so nothing of it is trusted.
        ExpectVersion(platform::ReadVersionResource(cut, kFallback), 9, 8, 7, L"Eingebaut");
    }
}

}  // namespace
