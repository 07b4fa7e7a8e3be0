// ReadMachineText: a text of HKEY_LOCAL_MACHINE read in the view the program works in (the
// 32-bit one), never one that only the other view holds.
#include "platform/RegistryViews.h"

#include <gtest/gtest.h>

#include <optional>

#include "PortContractTest.h"
#include "platform/Registry.h"

namespace portcontract {
namespace {

using platform::kHkeyLocalMachine;
using platform::RegistryView;

enum class Placement { ThirtyTwoBitView, SixtyFourBitViewOnly };

struct ViewRow {
    const char* name;
    Placement placement;
    StoredValue value;
    std::optional<Text> read;  // ReadMachineText in the 32-bit view
};

const ViewRow kViewRows[] = {
    {"TextIn32BitView",
     Placement::ThirtyTwoBitView,
     {platform::kRegSz, Bytes("C:\\ACT\0")},
     Text(L"C:\\ACT")},
    {"NoText", Placement::ThirtyTwoBitView, {platform::kRegDword, Bytes("\1\0\0\0")}, std::nullopt},
    {"TextIn64BitViewOnly",
     Placement::SixtyFourBitViewOnly,
     {platform::kRegSz, Bytes("C:\\ACT\0")},
     std::nullopt},
};

using PortContractReadMachineText = PortContractTable<ViewRow>;

TEST_P(PortContractReadMachineText, ReadsTextsOfThe32BitView) {
    const ViewRow& row = GetParam();
    Env().UseCodePage(1252);
    const Text key = Env().ScratchKey() + L"\\Install";
    if (row.placement == Placement::ThirtyTwoBitView) {
        Env().PutValue(kHkeyLocalMachine, key, L"InstallDir", row.value);
    } else {
        Env().PutValueIn64BitViewOnly(kHkeyLocalMachine, key, L"InstallDir", row.value);
    }
    EXPECT_EQ(platform::ReadMachineText(RegistryView::Bits32, key, L"InstallDir"), row.read);
    EXPECT_EQ(platform::ReadMachineText(RegistryView::Bits32, key, L"Fehlt"), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractReadMachineText, ::testing::ValuesIn(kViewRows),
                         RowName());

}  // namespace
}  // namespace portcontract
