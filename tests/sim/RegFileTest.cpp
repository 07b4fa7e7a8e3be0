// The registry file of the world folder: its text form, reading it back, bad input, and the
// world folder that keeps the simulated registry between runs.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "platform/Registry.h"
#include "sim/world/RegFile.h"
#include "sim/world/World.h"
#include "support/SimDesktopTest.h"

namespace {

using platform::Text;
namespace sim = platform::sim;
using sim::RegFileKey;
using sim::RegFileValue;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

const Text kKey = L"HKEY_CURRENT_USER\\Software\\Symantec\\ACT!\\Layout";

TEST(RegFileWrite, TextValuesAreQuotedWithTheirEscapes) {
    std::string text = sim::WriteRegFile({{kKey,
                                           {{L"CurrentContactLayout", platform::kRegSz,
                                             Bytes(std::string_view("C:\\A \"B\"\0", 9))}}}});
    EXPECT_EQ(text,
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Symantec\\ACT!\\Layout]\r\n"
              "\"CurrentContactLayout\"=\"C:\\\\A \\\"B\\\"\"\r\n\r\n");
}

TEST(RegFileWrite, EachKindOfValueHasItsForm) {
    std::string text =
        sim::WriteRegFile({{kKey,
                            {{L"", platform::kRegSz, Bytes(std::string_view("x\0", 2))},
                             {L"Zahl", platform::kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}},
                             {L"Bytes", platform::kRegBinary, {1, 0xAB}},
                             {L"Leer", platform::kRegBinary, {}},
                             {L"Pfad", platform::kRegExpandSz, {'%', 0}},
                             {L"Ohne", platform::kRegSz, Bytes("abc")},
                             {L"Mitte", platform::kRegSz, Bytes(std::string_view("a\0b\0", 4))},
                             {L"Nichts", platform::kRegSz, {}},
                             {L"Kurz", platform::kRegDword, {1, 2}},
                             {L"Groß", 0x1B, {7}}}}});
    EXPECT_NE(text.find("\r\n@=\"x\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Zahl\"=dword:ffffffff\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Bytes\"=hex:01,ab\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Leer\"=hex:\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Pfad\"=hex(2):25,00\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Ohne\"=hex(1):61,62,63\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Mitte\"=hex(1):61,00,62,00\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Nichts\"=hex(1):\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Kurz\"=hex(4):01,02\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Groß\"=hex(1b):07\r\n"), std::string::npos);
}

TEST(RegFileWrite, LongBinaryIsWrappedAndReadsBack) {
    std::vector<std::uint8_t> data(200);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i);
    }
    std::vector<RegFileKey> keys = {{kKey, {{L"Bytes", platform::kRegBinary, data}}}};
    std::string text = sim::WriteRegFile(keys);
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 81u);
    }
    EXPECT_EQ(sim::ReadRegFile(text), keys);
}

TEST(RegFileRead, EveryKindOfValueSurvivesTheRoundTrip) {
    std::vector<RegFileKey> keys = {
        {kKey,
         {{L"", platform::kRegSz, Bytes(std::string_view("Stan\\dard \"x\"\0", 15))},
          {L"Name \"mit\" \\", platform::kRegSz,
           Bytes(std::string_view("Gr\xFC\xDF"
                                  "e \x80\x81\0",
                                  9))},
          {L"Zahl", platform::kRegDword, {0x78, 0x56, 0x34, 0x12}},
          {L"Ohne", platform::kRegSz, Bytes("abc")},
          {L"Zeilen", platform::kRegSz, Bytes(std::string_view("a\r\nb\0", 5))},
          {L"Nichts", platform::kRegSz, {}},
          {L"Liste", platform::kRegMultiSz, Bytes(std::string_view("a\0b\0\0", 5))},
          {L"Bytes", platform::kRegBinary, {0, 1, 255}}}},
        {L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Leer", {}}};
    EXPECT_EQ(sim::ReadRegFile(sim::WriteRegFile(keys)), keys);
}

TEST(RegFileRead, ReadsWhatTheRegistryEditorWrites) {
    std::string text =
        "Windows Registry Editor Version 5.00\n"
        "\n"
        "; a comment\n"
        "[HKEY_CURRENT_USER\\Software\\X]\n"
        "\"A\" = \"eins\"  \n"
        "\"B\"=DWORD:0000002A\n"
        "\"C\"=hex:01,02,\\\n"
        "  03,04\n"
        "\"D\"=hex(7):61,00,00\n";
    std::vector<RegFileKey> keys = sim::ReadRegFile(text);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].path, L"HKEY_CURRENT_USER\\Software\\X");
    ASSERT_EQ(keys[0].values.size(), 4u);
    EXPECT_EQ(keys[0].values[0],
              (RegFileValue{L"A", platform::kRegSz, Bytes(std::string_view("eins\0", 5))}));
    EXPECT_EQ(keys[0].values[1], (RegFileValue{L"B", platform::kRegDword, {42, 0, 0, 0}}));
    EXPECT_EQ(keys[0].values[2], (RegFileValue{L"C", platform::kRegBinary, {1, 2, 3, 4}}));
    EXPECT_EQ(keys[0].values[3], (RegFileValue{L"D", platform::kRegMultiSz, {0x61, 0, 0}}));
}

TEST(RegFileRead, ReadsUtf16WithByteOrderMark) {
    std::u16string source =
        u"Windows Registry Editor Version "
        u"5.00\r\n\r\n[HKEY_CURRENT_USER\\S]\r\n\"N\"=\"Grüße\"\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : source) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    std::vector<RegFileKey> keys = sim::ReadRegFile(bytes);
    ASSERT_EQ(keys.size(), 1u);
    ASSERT_EQ(keys[0].values.size(), 1u);
    EXPECT_EQ(keys[0].values[0].data, Bytes(std::string_view("Gr\xFC\xDF"
                                                             "e\0",
                                                             6)));
}

TEST(RegFileRead, SectionsOfTheSameKeyMergeAndLaterValuesWin) {
    std::vector<RegFileKey> keys = sim::ReadRegFile(
        "[HKEY_CURRENT_USER\\S]\n\"A\"=\"1\"\n\"B\"=\"2\"\n[hkey_current_user\\s]\n\"a\"=\"3\"\n");
    ASSERT_EQ(keys.size(), 1u);
    ASSERT_EQ(keys[0].values.size(), 2u);
    EXPECT_EQ(keys[0].values[0].name, L"a");
    EXPECT_EQ(keys[0].values[0].data, Bytes(std::string_view("3\0", 2)));
}

TEST(RegFileRead, MalformedLinesAreSkipped) {
    std::vector<RegFileKey> keys = sim::ReadRegFile(
        "\"Draussen\"=\"vor jedem Abschnitt\"\n"
        "[HKEY_CURRENT_USER\\S]\n"
        "\"offen=\"x\"\n"
        "\"A\"=\"unfertig\n"
        "\"B\"=dword:123456789\n"
        "\"C\"=dword:xyz\n"
        "\"D\"=hex:1,2,zz\n"
        "\"E\"=hex(:01\n"
        "\"F\"=hex(123456789):01\n"
        "\"G\"=hex:100\n"
        "\"H\"=-\n"
        "\"I\"=\"x\" Rest\n"
        "\"\"=\"leerer Name\"\n"
        "\"J\"\n"
        "Unsinn\n"
        "[-HKEY_CURRENT_USER\\Weg]\n"
        "\"K\"=\"nach einer Löschung\"\n"
        "[HKEY_CURRENT_USER\\Ohne Ende\n"
        "\"L\"=\"ohne Abschnitt\"\n"
        "[]\n"
        "[HKEY_CURRENT_USER\\S]\n"
        "\"Gut\"=\"ja\"\n");
    ASSERT_EQ(keys.size(), 1u);
    ASSERT_EQ(keys[0].values.size(), 1u);
    EXPECT_EQ(keys[0].values[0].name, L"Gut");
}

TEST(RegFileRead, ContinuationAtTheEndOfTheFileDoesNotLoseTheValue) {
    std::vector<RegFileKey> keys = sim::ReadRegFile("[HKEY_CURRENT_USER\\S]\n\"A\"=hex:01,\\");
    ASSERT_EQ(keys.size(), 1u);
    ASSERT_EQ(keys[0].values.size(), 1u);
    EXPECT_EQ(keys[0].values[0].data, (std::vector<std::uint8_t>{1}));
}

TEST(RegFileRead, RandomBytesNeverCrash) {
    std::mt19937 random(1234);
    const std::string alphabet = "[]\"\\=@:,-;hexdword()0123456789abcdef \r\n\xFF\xFE\xC3";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        std::size_t length = random() % 200;
        for (std::size_t i = 0; i < length; ++i) {
            text.push_back(alphabet[random() % alphabet.size()]);
        }
        std::vector<RegFileKey> keys = sim::ReadRegFile(text);
        // What was read writes and reads back to itself.
        EXPECT_EQ(sim::ReadRegFile(sim::WriteRegFile(keys)), keys)
            << ::testing::PrintToString(text) << "\n"
            << ::testing::PrintToString(sim::WriteRegFile(keys));
    }
}

class WorldRegistryTest : public testsupport::SimDesktopTest {};

TEST_F(WorldRegistryTest, LoadsTheRegistryFileIntoTheSimulatedRegistry) {
    std::ofstream(Folder() / "registry.reg", std::ios::binary)
        << "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Symantec\\ACT!\\Install\\5.0]\r\n"
           "\"InstallDir\"=\"C:\\\\Programme\\\\ACT\"\r\n\r\n"
           "[HKEY_CLASSES_ROOT\\.dbf]\r\n@=\"fremd\"\r\n";
    sim::LoadWorld(Folder());
    auto value = sim::RegistryValueOf(platform::kHkeyLocalMachine,
                                      L"SOFTWARE\\Symantec\\ACT!\\Install\\5.0", L"InstallDir");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, platform::kRegSz);
    EXPECT_EQ(value->data, Bytes(std::string_view("C:\\Programme\\ACT\0", 17)));
}

TEST_F(WorldRegistryTest, SavesTheRegistryAndLoadsItBackUnchanged) {
    sim::SetRegistryText(platform::kHkeyCurrentUser, L"Software\\Symantec\\ACT!\\Database",
                         L"Group Layout", L"C:\\G.gly");
    sim::SetRegistryValue(platform::kHkeyCurrentUser, L"Software\\X", L"Roh", platform::kRegSz,
                          Bytes("ohne Null"));
    sim::CreateRegistryKey(platform::kHkeyLocalMachine, L"SOFTWARE\\Leer");
    sim::SaveWorld(Folder());
    std::map<Text, sim::StoredRegistryKey> saved = sim::Registry().keys;
    sim::Registry() = sim::SimulatedRegistry();
    sim::LoadWorld(Folder());
    ASSERT_EQ(sim::Registry().keys.size(), saved.size());
    for (const auto& [path, key] : saved) {
        ASSERT_TRUE(sim::Registry().keys.count(path)) << sim::Registry().keys.size();
        EXPECT_EQ(sim::Registry().keys.at(path).path, key.path);
        EXPECT_EQ(sim::Registry().keys.at(path).values, key.values);
    }
}

TEST_F(WorldRegistryTest, EmptyRegistryWritesNoFile) {
    sim::SaveWorld(Folder());
    EXPECT_FALSE(std::filesystem::exists(Folder() / "registry.reg"));
}

}  // namespace
