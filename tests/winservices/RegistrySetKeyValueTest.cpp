// Writing registry values: the three types written, the exact calls, refusals that pass
// silently, failures shown in the error box, and the key closed on every path.
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

const Text kDatabaseKey = L"Software\\Symantec\\ACT!\\Database";
constexpr platform::Handle32 kHkcu = platform::kHkeyCurrentUser;

class RegistrySetKeyValueTest : public testsupport::SimDesktopTest {
  protected:
    void Write(const Text& name, const Variant& data, std::int32_t type) {
        modRegistry::RegistrySetKeyValue(kHkcu, kDatabaseKey, name, data, type);
    }
    std::optional<sim::RegistryValue> Stored(const Text& name) {
        return sim::RegistryValueOf(kHkcu, kDatabaseKey, name);
    }
    void ExpectErrorBox(std::int32_t number, const Text& description) {
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].text, L"Error: " + std::to_wstring(number) + L". " + description);
        EXPECT_EQ(Boxes()[0].title, L"RegistrySetKeyValue");
        EXPECT_EQ(Boxes()[0].style, platform::kMbOk);
    }
    void TearDown() override {
        EXPECT_EQ(sim::OpenRegistryKeyCount(), 0u) << "a key was left open";
        SimDesktopTest::TearDown();
    }
};

TEST_F(RegistrySetKeyValueTest, TextUnderANewKeyCreatesItAndStoresTextAndOneNul) {
    Write(L"Group Layout", Text(L"C:\\ACT\\Gruppe.gly"), 1);
    ASSERT_TRUE(Stored(L"Group Layout"));
    EXPECT_EQ(Stored(L"Group Layout")->type, platform::kRegSz);
    std::string expected("C:\\ACT\\Gruppe.gly", 17);
    expected.push_back('\0');
    EXPECT_EQ(Stored(L"Group Layout")->data,
              std::vector<std::uint8_t>(expected.begin(), expected.end()));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(RegistrySetKeyValueTest, TextIsStoredInTheAnsiCodePage) {
    Write(L"Contact Layout", Text(L"Ä€"), 1);
    EXPECT_EQ(Stored(L"Contact Layout")->data, (std::vector<std::uint8_t>{0xC4, 0x80, 0}));
}

TEST_F(RegistrySetKeyValueTest, EmptyVariantIsWrittenAsTheEmptyText) {
    Write(L"Contact Layout", platform::Empty{}, 1);
    EXPECT_EQ(Stored(L"Contact Layout")->data, (std::vector<std::uint8_t>{0}));
}

TEST_F(RegistrySetKeyValueTest, MakesExactlyTheCallsOfAWriteWithReadWriteAccess) {
    Write(L"Group Layout", Text(L"G.gly"), 1);
    const auto& journal = sim::Registry().journal;
    ASSERT_EQ(journal.size(), 3u);
    EXPECT_EQ(journal[0].function, L"RegCreateKeyExA");
    EXPECT_EQ(journal[0].key, kHkcu);
    EXPECT_EQ(journal[0].subKey, kDatabaseKey);
    EXPECT_EQ(journal[0].access, 0x2001Fu);
    platform::Handle32 key = journal[0].resultKey;
    EXPECT_NE(key, 0);
    EXPECT_EQ(journal[1].function, L"RegSetValueExA");
    EXPECT_EQ(journal[1].key, key);
    EXPECT_EQ(journal[1].valueName, L"Group Layout");
    EXPECT_EQ(journal[1].type, 1u);
    EXPECT_EQ(journal[1].size, 6u);
    EXPECT_EQ(journal[2].function, L"RegCloseKey");
    EXPECT_EQ(journal[2].key, key);
}

TEST_F(RegistrySetKeyValueTest, OverwritesAnExistingValueUnderAnExistingKey) {
    sim::SetRegistryText(kHkcu, kDatabaseKey, L"Group Layout", L"alt.gly");
    Write(L"GROUP LAYOUT", Text(L"neu.gly"), 1);
    EXPECT_EQ(Stored(L"Group Layout")->data,
              (std::vector<std::uint8_t>{'n', 'e', 'u', '.', 'g', 'l', 'y', 0}));
    EXPECT_EQ(sim::Registry().keys.size(), 5u) << "no second key";
}

TEST_F(RegistrySetKeyValueTest, DwordFromTextIsFourBytesLowFirst) {
    Write(L"Zahl", Text(L" -2 "), 4);
    EXPECT_EQ(Stored(L"Zahl")->type, platform::kRegDword);
    EXPECT_EQ(Stored(L"Zahl")->data, (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(sim::RegistryCallsOf(L"RegSetValueExA")[0].size, 4u);
}

TEST_F(RegistrySetKeyValueTest, DwordFromAnInteger) {
    Write(L"Zahl", std::int32_t{0x01020304}, 4);
    EXPECT_EQ(Stored(L"Zahl")->data, (std::vector<std::uint8_t>{4, 3, 2, 1}));
}

TEST_F(RegistrySetKeyValueTest, DwordFromTextThatIsNoNumberShowsFailure13AndWritesNothing) {
    Write(L"Zahl", Text(L"zwölf"), 4);
    ExpectErrorBox(13, L"Type mismatch");
    EXPECT_FALSE(Stored(L"Zahl"));
    EXPECT_TRUE(sim::RegistryCallsOf(L"RegSetValueExA").empty());
    EXPECT_TRUE(sim::RegistryKeyExists(kHkcu, kDatabaseKey)) << "the key stays created";
    EXPECT_EQ(sim::RegistryCallsOf(L"RegCloseKey").size(), 1u) << "the key is closed";
}

TEST_F(RegistrySetKeyValueTest, DwordOutside32BitsShowsFailure6) {
    Write(L"Zahl", Text(L"4294967295"), 4);
    ExpectErrorBox(6, L"Overflow");
    EXPECT_FALSE(Stored(L"Zahl"));
}

TEST_F(RegistrySetKeyValueTest, DwordFromAByteArrayShowsFailure13) {
    Write(L"Zahl", ByteArray{0, {1, 2, 3, 4}}, 4);
    ExpectErrorBox(13, L"Type mismatch");
    EXPECT_FALSE(Stored(L"Zahl"));
}

TEST_F(RegistrySetKeyValueTest, BinaryWritesTheBytesFromIndexZero) {
    Write(L"Bytes", ByteArray{0, {9, 8, 7}}, 3);
    EXPECT_EQ(Stored(L"Bytes")->type, platform::kRegBinary);
    EXPECT_EQ(Stored(L"Bytes")->data, (std::vector<std::uint8_t>{9, 8, 7}));
    EXPECT_EQ(sim::RegistryCallsOf(L"RegSetValueExA")[0].size, 3u);
}

TEST_F(RegistrySetKeyValueTest, BinaryWithNegativeLowerBoundStartsAtIndexZero) {
    Write(L"Bytes", ByteArray{-2, {1, 2, 3, 4}}, 3);
    EXPECT_EQ(Stored(L"Bytes")->data, (std::vector<std::uint8_t>{3, 4}));
}

TEST_F(RegistrySetKeyValueTest, BinaryFromTextShowsFailure13) {
    Write(L"Bytes", Text(L"123"), 3);
    ExpectErrorBox(13, L"Type mismatch");
    EXPECT_FALSE(Stored(L"Bytes"));
}

TEST_F(RegistrySetKeyValueTest, BinaryWithoutElementsShowsFailure9) {
    Write(L"Bytes", ByteArray{0, {}}, 3);
    ExpectErrorBox(9, L"Subscript out of range");
    EXPECT_FALSE(Stored(L"Bytes"));
}

TEST_F(RegistrySetKeyValueTest, BinaryStartingAtIndexOneShowsFailure9) {
    Write(L"Bytes", ByteArray{1, {1, 2}}, 3);
    ExpectErrorBox(9, L"Subscript out of range");
    EXPECT_FALSE(Stored(L"Bytes"));
}

TEST_F(RegistrySetKeyValueTest, OtherTypesCreateTheKeyButWriteNothing) {
    Write(L"Pfad", Text(L"%WINDIR%"), 2);
    Write(L"Liste", Text(L"a"), 7);
    EXPECT_TRUE(sim::RegistryKeyExists(kHkcu, kDatabaseKey));
    EXPECT_FALSE(Stored(L"Pfad"));
    EXPECT_FALSE(Stored(L"Liste"));
    EXPECT_TRUE(sim::RegistryCallsOf(L"RegSetValueExA").empty());
    EXPECT_EQ(sim::RegistryCallsOf(L"RegCloseKey").size(), 2u);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(RegistrySetKeyValueTest, KeyTheUserMayNotWriteStoresNothingAndShowsNothing) {
    sim::CreateRegistryKey(kHkcu, kDatabaseKey);
    sim::ProtectRegistryKey(kHkcu, kDatabaseKey);
    Write(L"Group Layout", Text(L"G.gly"), 1);
    EXPECT_FALSE(Stored(L"Group Layout"));
    EXPECT_TRUE(Boxes().empty());
    auto creates = sim::RegistryCallsOf(L"RegCreateKeyExA");
    ASSERT_EQ(creates.size(), 1u);
    EXPECT_EQ(creates[0].result, platform::kErrorAccessDenied);
    auto sets = sim::RegistryCallsOf(L"RegSetValueExA");
    ASSERT_EQ(sets.size(), 1u) << "the write is still tried, on no key";
    EXPECT_EQ(sets[0].key, 0);
    EXPECT_TRUE(sim::RegistryCallsOf(L"RegCloseKey").empty()) << "no key to close";
}

TEST_F(RegistrySetKeyValueTest, RegistryRefusingEveryWriteCreatesNothing) {
    sim::Registry().refuseWrites = true;
    Write(L"Group Layout", Text(L"G.gly"), 1);
    EXPECT_FALSE(sim::RegistryKeyExists(kHkcu, kDatabaseKey));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(RegistrySetKeyValueTest, WrittenValuesReadBackThroughTheReader) {
    Write(L"Text", Text(L"Grüße"), 1);
    Write(L"Zahl", Text(L"-1"), 4);
    Write(L"Bytes", ByteArray{0, {0, 255}}, 3);
    EXPECT_EQ(modRegistry::RegistryGetKeyValue(kHkcu, kDatabaseKey, L"Text"),
              Variant(Text(L"Grüße")));
    EXPECT_EQ(modRegistry::RegistryGetKeyValue(kHkcu, kDatabaseKey, L"Zahl"),
              Variant(std::int32_t{-1}));
    EXPECT_EQ(modRegistry::RegistryGetKeyValue(kHkcu, kDatabaseKey, L"Bytes"),
              Variant(ByteArray{0, {0, 255}}));
}

}  // namespace
