// PutTextOnClipboard: the text replaces what the clipboard held, unless another program holds
// the clipboard, which is then left as it was.
#include "platform/Clipboard.h"

#include <gtest/gtest.h>

#include "PortContractTest.h"

namespace portcontract {
namespace {

struct ClipboardRow {
    const char* name;
    const wchar_t* text;
    bool heldByOther;
    bool put;
    const wchar_t* after;
};

const ClipboardRow kClipboardRows[] = {
    {"Text", L"C:\\Daten\\Kontakte.dbf", false, true, L"C:\\Daten\\Kontakte.dbf"},
    {"TextOutsideCodePage", L"Größe Ω 日本", false, true, L"Größe Ω 日本"},
    {"EmptyText", L"", false, true, L""},
    {"HeldByAnotherProgram", L"Neu", true, false, L"Vorher"},
};

using PortContractPutTextOnClipboard = PortContractTable<ClipboardRow>;

TEST_P(PortContractPutTextOnClipboard, ReplacesTheText) {
    const ClipboardRow& row = GetParam();
    Env().PutOnClipboard(L"Vorher");
    if (row.heldByOther) {
        Env().HoldClipboard(true);
    }
    EXPECT_EQ(platform::PutTextOnClipboard(row.text), row.put);
    Env().HoldClipboard(false);
    EXPECT_EQ(Env().ClipboardText(), std::optional<Text>(row.after));
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractPutTextOnClipboard, ::testing::ValuesIn(kClipboardRows),
                         RowName());

}  // namespace
}  // namespace portcontract
