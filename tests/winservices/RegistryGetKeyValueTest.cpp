// Reading registry values: the three types read, everything else empty, the exact calls made
// and every opened key closed again.
#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "support/SimDesktopTest.h"
#include "winservices/modRegistry.h"

namespace {

using platform::ByteArray;
using platform::Text;
using platform::Variant;
namespace sim = platform::sim;

const Text kLayoutKey = L"Software\\Symantec\\ACT!\\Layout";
constexpr platform::Handle32 kHkcu = platform::kHkeyCurrentUser;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

class RegistryGetKeyValueTest : public testsupport::SimDesktopTest {
  protected:
    Variant Read(const Text& valueName, const Text& subKey = kLayoutKey) {
        return modRegistry::RegistryGetKeyValue(kHkcu, subKey, valueName);
    }
    void SetRaw(const Text& name, std::uint32_t type, std::vector<std::uint8_t> data) {
        sim::SetRegistryValue(kHkcu, kLayoutKey, name, type, std::move(data));
    }
    void TearDown() override {
        EXPECT_EQ(sim::OpenRegistryKeyCount(), 0u) << "a key was left open";
        SimDesktopTest::TearDown();
    }
};

TEST_F(RegistryGetKeyValueTest, TextWithItsTerminatingNulIsTheTextAlone) {
    sim::SetRegistryText(kHkcu, kLayoutKey, L"CurrentContactLayout", L"C:\\ACT\\Kontakt.cly");
    EXPECT_EQ(Read(L"CurrentContactLayout"), Variant(Text(L"C:\\ACT\\Kontakt.cly")));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(RegistryGetKeyValueTest, TextIsConvertedFromTheAnsiCodePage) {
    SetRaw(L"Name", platform::kRegSz,
           Bytes("Gr\xFC\xDF"
                 "e \x80\0"));
    EXPECT_EQ(Read(L"Name"), Variant(Text(L"Grüße €")));
}

TEST_F(RegistryGetKeyValueTest, TextWithoutNulKeepsAllItsCharacters) {
    SetRaw(L"Name", platform::kRegSz, Bytes("abc"));
    EXPECT_EQ(Read(L"Name"), Variant(Text(L"abc")));
}

TEST_F(RegistryGetKeyValueTest, TextWithNulInsideEndsThere) {
    SetRaw(L"Name", platform::kRegSz, Bytes(std::string_view("ab\0cd\0", 6)));
    EXPECT_EQ(Read(L"Name"), Variant(Text(L"ab")));
}

TEST_F(RegistryGetKeyValueTest, TextOfSizeZeroIsTheEmptyTextNotEmpty) {
    SetRaw(L"Name", platform::kRegSz, {});
    Variant value = Read(L"Name");
    ASSERT_TRUE(std::holds_alternative<Text>(value));
    EXPECT_EQ(std::get<Text>(value), L"");
}

TEST_F(RegistryGetKeyValueTest, ExpandableTextIsEmptyAndNotExpanded) {
    SetRaw(L"Path", platform::kRegExpandSz, Bytes(std::string_view("%WINDIR%\0", 9)));
    EXPECT_TRUE(platform::IsEmpty(Read(L"Path")));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(RegistryGetKeyValueTest, OtherTypesAreEmpty) {
    SetRaw(L"Multi", platform::kRegMultiSz, Bytes(std::string_view("a\0b\0\0", 5)));
    SetRaw(L"None", platform::kRegNone, Bytes("x"));
    SetRaw(L"Qword", 11, std::vector<std::uint8_t>(8, 1));
    EXPECT_TRUE(platform::IsEmpty(Read(L"Multi")));
    EXPECT_TRUE(platform::IsEmpty(Read(L"None")));
    EXPECT_TRUE(platform::IsEmpty(Read(L"Qword")));
}

TEST_F(RegistryGetKeyValueTest, DwordAllBitsSetIsMinusOne) {
    sim::SetRegistryDword(kHkcu, kLayoutKey, L"Zahl", 0xFFFFFFFFu);
    EXPECT_EQ(Read(L"Zahl"), Variant(std::int32_t{-1}));
}

TEST_F(RegistryGetKeyValueTest, DwordIsReadLowByteFirst) {
    sim::SetRegistryDword(kHkcu, kLayoutKey, L"Zahl", 0x12345678u);
    EXPECT_EQ(Read(L"Zahl"), Variant(std::int32_t{0x12345678}));
}

TEST_F(RegistryGetKeyValueTest, DwordLongerThanFourBytesIsEmptyAndOverrunsNothing) {
    SetRaw(L"Zahl", platform::kRegDword, std::vector<std::uint8_t>(64, 0xAB));
    EXPECT_TRUE(platform::IsEmpty(Read(L"Zahl")));
    auto reads = sim::RegistryCallsOf(L"RegQueryValueExA");
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(reads[1].size, 4u) << "the buffer must not be announced larger than it is";
}

TEST_F(RegistryGetKeyValueTest, DwordShorterThanFourBytesFillsTheLowBytes) {
    SetRaw(L"Zahl", platform::kRegDword, {0x34, 0x12});
    EXPECT_EQ(Read(L"Zahl"), Variant(std::int32_t{0x1234}));
}

TEST_F(RegistryGetKeyValueTest, BinaryIsAByteArrayFromIndexZero) {
    SetRaw(L"Bytes", platform::kRegBinary, {1, 2, 0xFF});
    Variant value = Read(L"Bytes");
    ASSERT_TRUE(std::holds_alternative<ByteArray>(value));
    EXPECT_EQ(std::get<ByteArray>(value).lowerBound, 0);
    EXPECT_EQ(std::get<ByteArray>(value).UpperBound(), 2);
    EXPECT_EQ(std::get<ByteArray>(value).bytes, (std::vector<std::uint8_t>{1, 2, 0xFF}));
}

TEST_F(RegistryGetKeyValueTest, BinaryOfSizeZeroIsAnArrayWithoutElements) {
    SetRaw(L"Bytes", platform::kRegBinary, {});
    Variant value = Read(L"Bytes");
    ASSERT_TRUE(std::holds_alternative<ByteArray>(value));
    EXPECT_TRUE(std::get<ByteArray>(value).bytes.empty());
}

TEST_F(RegistryGetKeyValueTest, MissingKeyIsEmptyAndClosesNothing) {
    EXPECT_TRUE(platform::IsEmpty(Read(L"CurrentContactLayout", L"Software\\Nirgends")));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(sim::RegistryCallsOf(L"RegCloseKey").empty());
    EXPECT_TRUE(sim::RegistryCallsOf(L"RegQueryValueExA").empty());
}

TEST_F(RegistryGetKeyValueTest, MissingValueIsEmptyAndTheKeyIsClosed) {
    sim::CreateRegistryKey(kHkcu, kLayoutKey);
    EXPECT_TRUE(platform::IsEmpty(Read(L"CurrentContactLayout")));
    EXPECT_TRUE(Boxes().empty());
    auto opens = sim::RegistryCallsOf(L"RegOpenKeyExA");
    auto closes = sim::RegistryCallsOf(L"RegCloseKey");
    ASSERT_EQ(opens.size(), 1u);
    ASSERT_EQ(closes.size(), 1u);
    EXPECT_EQ(closes[0].key, opens[0].resultKey);
}

TEST_F(RegistryGetKeyValueTest, KeyPathAndValueNameIgnoreCase) {
    sim::SetRegistryText(kHkcu, kLayoutKey, L"CurrentGroupLayout", L"G.gly");
    EXPECT_EQ(modRegistry::RegistryGetKeyValue(kHkcu, L"SOFTWARE\\symantec\\act!\\LAYOUT",
                                               L"currentgrouplayout"),
              Variant(Text(L"G.gly")));
}

TEST_F(RegistryGetKeyValueTest, MakesExactlyTheCallsOfAReadWithReadAccess) {
    sim::SetRegistryText(kHkcu, kLayoutKey, L"CurrentContactLayout", L"K.cly");
    Read(L"CurrentContactLayout");
    const auto& journal = sim::Registry().journal;
    ASSERT_EQ(journal.size(), 4u);
    EXPECT_EQ(journal[0].function, L"RegOpenKeyExA");
    EXPECT_EQ(journal[0].key, kHkcu);
    EXPECT_EQ(journal[0].subKey, kLayoutKey);
    EXPECT_EQ(journal[0].access, 0x20019u);
    platform::Handle32 key = journal[0].resultKey;
    EXPECT_NE(key, 0);
    EXPECT_EQ(journal[1].function, L"RegQueryValueExA");
    EXPECT_EQ(journal[1].key, key);
    EXPECT_EQ(journal[1].valueName, L"CurrentContactLayout");
    EXPECT_FALSE(journal[1].withData);
    EXPECT_EQ(journal[1].size, 0u);
    EXPECT_EQ(journal[2].function, L"RegQueryValueExA");
    EXPECT_TRUE(journal[2].withData);
    EXPECT_EQ(journal[2].size, 6u);
    EXPECT_EQ(journal[3].function, L"RegCloseKey");
    EXPECT_EQ(journal[3].key, key);
}

TEST_F(RegistryGetKeyValueTest, ReadsTheInstallDirectoryUnderTheLocalMachine) {
    sim::SetRegistryText(platform::kHkeyLocalMachine, L"SOFTWARE\\Symantec\\ACT!\\Install\\5.0",
                         L"InstallDir", L"C:\\Programme\\ACT");
    EXPECT_EQ(
        modRegistry::RegistryGetKeyValue(platform::kHkeyLocalMachine,
                                         L"SOFTWARE\\Symantec\\ACT!\\Install\\5.0", L"InstallDir"),
        Variant(Text(L"C:\\Programme\\ACT")));
    EXPECT_TRUE(platform::IsEmpty(modRegistry::RegistryGetKeyValue(
        kHkcu, L"SOFTWARE\\Symantec\\ACT!\\Install\\5.0", L"InstallDir")))
        << "the two roots are separate";
}

TEST_F(RegistryGetKeyValueTest, DefaultValueIsReadWithTheEmptyName) {
    sim::SetRegistryText(kHkcu, kLayoutKey, L"", L"Standard");
    EXPECT_EQ(Read(L""), Variant(Text(L"Standard")));
}

}  // namespace
