// ReadMachineText: a text of HKEY_LOCAL_MACHINE read in the view the program works in (the
// 32-bit one), never one that only the other view holds.
#include "platform/RegistryViews.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "PortContractTest.h"
#include "platform/Registry.h"

namespace portcontract {
namespace {

using platform::kHkeyLocalMachine;
using platform::RegistryView;

enum class Placement { ThirtyTwoBitView, SixtyFourBitViewOnly };

// Plain data: the rows are built at start-up, before any test.
struct ViewRow {
    const char* name;
    Placement placement;
    std::uint32_t type;
    std::string_view bytes;
    const wchar_t* read;  // ReadMachineText in the 32-bit view; null: nothing
};

const ViewRow kViewRows[] = {
    {"TextIn32BitView", Placement::ThirtyTwoBitView, platform::kRegSz,
     std::string_view("C:\\ACT\0", 7), L"C:\\ACT"},
    {"NoText", Placement::ThirtyTwoBitView, platform::kRegDword, std::string_view("\1\0\0\0", 4),
     nullptr},
    {"TextIn64BitViewOnly", Placement::SixtyFourBitViewOnly, platform::kRegSz,
     std::string_view("C:\\ACT\0", 7), nullptr},
};

using PortContractReadMachineText = PortContractTable<ViewRow>;

TEST_P(PortContractReadMachineText, ReadsTextsOfThe32BitView) {
    const ViewRow& row = GetParam();
    Env().UseCodePage(1252);
    const Text key = Env().ScratchKey() + L"\\Install";
    const StoredValue value{row.type,
                            std::vector<std::uint8_t>(row.bytes.begin(), row.bytes.end())};
    if (row.placement == Placement::ThirtyTwoBitView) {
        Env().PutValue(kHkeyLocalMachine, key, L"InstallDir", value);
    } else {
        Env().PutValueIn64BitViewOnly(kHkeyLocalMachine, key, L"InstallDir", value);
    }
    const std::optional<Text> read =
        row.read != nullptr ? std::optional<Text>(row.read) : std::nullopt;
    EXPECT_EQ(platform::ReadMachineText(RegistryView::Bits32, key, L"InstallDir"), read);
    EXPECT_EQ(platform::ReadMachineText(RegistryView::Bits32, key, L"Fehlt"), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractReadMachineText, ::testing::ValuesIn(kViewRows),
                         RowName());

}  // namespace
}  // namespace portcontract
