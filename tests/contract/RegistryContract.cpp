// The registry functions of the port: opening, querying, creating, setting and closing keys, with
// the result codes, sizes and access rights of the ANSI registry functions, in the 32-bit view.
#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "PortContractTest.h"

namespace portcontract {
namespace {

using platform::kErrorAccessDenied;
using platform::kErrorFileNotFound;
using platform::kErrorInvalidHandle;
using platform::kErrorMoreData;
using platform::kErrorSuccess;
using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using platform::kKeyRead;
using platform::kKeyReadWrite;
using platform::kRegBinary;
using platform::kRegDword;
using platform::kRegExpandSz;
using platform::kRegMultiSz;
using platform::kRegNone;
using platform::kRegOptionNonVolatile;
using platform::kRegSz;
using platform::RegCloseKey;
using platform::RegCreateKeyExA;
using platform::RegistryKey;
using platform::RegOpenKeyExA;
using platform::RegQueryValueExA;
using platform::RegSetValueExA;

constexpr Handle32 kUntouchedKey = 0x1234;
constexpr std::int32_t kErrorBadPathname = 161;     // ERROR_BAD_PATHNAME
constexpr std::uint32_t kKeySetValueOnly = 0x0002;  // KEY_SET_VALUE

Text Below(const Text& part) {
    return part.empty() ? TheEnvironment().ScratchKey()
                        : TheEnvironment().ScratchKey() + L"\\" + part;
}

// A key of the scratch place opened through the port, closed when the holder goes.
RegistryKey OpenKey(const Text& part, std::uint32_t access) {
    RegistryKey key;
    EXPECT_EQ(RegOpenKeyExA(kHkeyCurrentUser, Below(part), 0, access, key.Receive()),
              kErrorSuccess);
    return key;
}

// Closes the key and hands out its handle, which names no key any more.
Handle32 ClosedHandleOf(RegistryKey& key) {
    Handle32 handle = key.Detach();
    EXPECT_EQ(RegCloseKey(handle), kErrorSuccess);
    return handle;
}

const StoredValue kText{kRegSz, Bytes("abc\0")};
const StoredValue kDword{kRegDword, Bytes("\x78\x56\x34\x12")};

// RegOpenKeyExA: the scratch key holds "Vorhanden" (and, where a row puts it, "Ωmega").
enum class Placement { ThirtyTwoBitView, SixtyFourBitViewOnly };

struct OpenRow {
    const char* name;
    Handle32 root;
    Placement placement;
    const wchar_t* created;
    const wchar_t* opened;
    std::uint32_t access;
    std::int32_t result;
};

const OpenRow kOpenRows[] = {
    {"Existing", kHkeyCurrentUser, Placement::ThirtyTwoBitView, L"Vorhanden", L"Vorhanden",
     kKeyRead, kErrorSuccess},
    {"ExistingForWriting", kHkeyCurrentUser, Placement::ThirtyTwoBitView, L"Vorhanden",
     L"Vorhanden", kKeyReadWrite, kErrorSuccess},
    {"OtherCase", kHkeyCurrentUser, Placement::ThirtyTwoBitView, L"Vorhanden", L"VORHANDEN",
     kKeyRead, kErrorSuccess},
    {"TrailingBackslash", kHkeyCurrentUser, Placement::ThirtyTwoBitView, L"Vorhanden",
     L"Vorhanden\\", kKeyRead, kErrorSuccess},
    {"TrailingBackslashes", kHkeyCurrentUser, Placement::ThirtyTwoBitView, L"Vorhanden",
     L"Vorhanden\\\\", kKeyRead, kErrorSuccess},
    {"Missing", kHkeyCurrentUser, Placement::ThirtyTwoBitView, L"Vorhanden", L"Fehlt", kKeyRead,
     kErrorFileNotFound},
    {"MissingBelowMissing", kHkeyCurrentUser, Placement::ThirtyTwoBitView, L"Vorhanden",
     L"Fehlt\\Auch", kKeyRead, kErrorFileNotFound},
    // The name reaches the system through the ANSI code page (1252), as "?mega".
    {"NameOutsideCodePage", kHkeyCurrentUser, Placement::ThirtyTwoBitView, L"Ωmega", L"Ωmega",
     kKeyRead, kErrorFileNotFound},
    // HKEY_LOCAL_MACHINE\Software has two views on 64-bit Windows; the port reads the 32-bit one.
    {"MachineKeyIn32BitView", kHkeyLocalMachine, Placement::ThirtyTwoBitView, L"Vorhanden",
     L"Vorhanden", kKeyRead, kErrorSuccess},
    {"MachineKeyIn64BitViewOnly", kHkeyLocalMachine, Placement::SixtyFourBitViewOnly, L"Vorhanden",
     L"Vorhanden", kKeyRead, kErrorFileNotFound},
};

using PortContractRegOpenKeyExA = PortContractTable<OpenRow>;

TEST_P(PortContractRegOpenKeyExA, OpensExistingKeysOnly) {
    const OpenRow& row = GetParam();
    Env().UseCodePage(1252);
    if (row.placement == Placement::ThirtyTwoBitView) {
        Env().PutValue(row.root, Below(row.created), L"Wert", kText);
    } else {
        Env().PutValueIn64BitViewOnly(row.root, Below(row.created), L"Wert", kText);
    }
    Handle32 key = kUntouchedKey;
    EXPECT_EQ(RegOpenKeyExA(row.root, Below(row.opened), 0, row.access, &key), row.result);
    if (row.result == kErrorSuccess) {
        EXPECT_NE(key, 0);
        EXPECT_EQ(RegCloseKey(key), kErrorSuccess);
    } else {
        EXPECT_EQ(key, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractRegOpenKeyExA, ::testing::ValuesIn(kOpenRows),
                         RowName());

// RegQueryValueExA: the value "Wert" of the key "Werte", read through a key opened with the
// row's access, with no buffer or one of the row's size.
enum class KeyHandle { Opened, Closed, None };
constexpr std::uint32_t kNoBuffer = 0xFFFFFFFF;

struct QueryRow {
    const char* name;
    const wchar_t* storedName;
    StoredValue stored;
    const wchar_t* queriedName;
    std::uint32_t bufferSize;  // kNoBuffer: data is null
    std::int32_t result;
    std::uint32_t size;  // reported; for a refusal other than kErrorMoreData: left as it was
    KeyHandle handle = KeyHandle::Opened;
    std::uint32_t access = kKeyRead;
};

constexpr std::uint32_t kSizeBefore = 77;

const QueryRow kQueryRows[] = {
    {"TextSizeOnly", L"Wert", kText, L"Wert", kNoBuffer, kErrorSuccess, 4},
    {"TextExactBuffer", L"Wert", kText, L"Wert", 4, kErrorSuccess, 4},
    {"TextBufferOneShort", L"Wert", kText, L"Wert", 3, kErrorMoreData, 4},
    {"TextEmptyBuffer", L"Wert", kText, L"Wert", 0, kErrorMoreData, 4},
    {"TextLargerBuffer", L"Wert", kText, L"Wert", 16, kErrorSuccess, 4},
    {"TextOutsideAscii", L"Wert", {kRegSz, Bytes("\xC4\0")}, L"Wert", 2, kErrorSuccess, 2},
    {"ExpandTextUnexpanded",
     L"Wert",
     {kRegExpandSz, Bytes("%TEMP%\0")},
     L"Wert",
     7,
     kErrorSuccess,
     7},
    {"MultiText", L"Wert", {kRegMultiSz, Bytes("a\0b\0\0")}, L"Wert", 5, kErrorSuccess, 5},
    {"DwordExactBuffer", L"Wert", kDword, L"Wert", 4, kErrorSuccess, 4},
    {"DwordBufferShort", L"Wert", kDword, L"Wert", 2, kErrorMoreData, 4},
    {"BinaryEmptySizeOnly", L"Wert", {kRegBinary, {}}, L"Wert", kNoBuffer, kErrorSuccess, 0},
    {"BinaryEmptyEmptyBuffer", L"Wert", {kRegBinary, {}}, L"Wert", 0, kErrorSuccess, 0},
    {"NoneType", L"Wert", {kRegNone, Bytes("\x01\x02")}, L"Wert", 2, kErrorSuccess, 2},
    {"NameOtherCase", L"Wert", kText, L"WERT", 4, kErrorSuccess, 4},
    {"DefaultValue", L"", kText, L"", 4, kErrorSuccess, 4},
    {"DefaultValueUnset", L"Wert", kText, L"", kSizeBefore, kErrorFileNotFound, kSizeBefore},
    {"MissingValue", L"Wert", kText, L"Fehlt", kSizeBefore, kErrorFileNotFound, kSizeBefore},
    {"KeyWithoutQueryRight", L"Wert", kText, L"Wert", kSizeBefore, kErrorAccessDenied, kSizeBefore,
     KeyHandle::Opened, kKeySetValueOnly},
    {"ClosedKey", L"Wert", kText, L"Wert", kSizeBefore, kErrorInvalidHandle, kSizeBefore,
     KeyHandle::Closed},
    {"NoKey", L"Wert", kText, L"Wert", kSizeBefore, kErrorInvalidHandle, kSizeBefore,
     KeyHandle::None},
};

using PortContractRegQueryValueExA = PortContractTable<QueryRow>;

TEST_P(PortContractRegQueryValueExA, ReportsTypeSizeAndData) {
    const QueryRow& row = GetParam();
    Env().UseCodePage(1252);
    Env().PutValue(kHkeyCurrentUser, Below(L"Werte"), row.storedName, row.stored);
    RegistryKey opened = OpenKey(L"Werte", row.access);
    Handle32 key = row.handle == KeyHandle::Opened   ? opened.Get()
                   : row.handle == KeyHandle::Closed ? ClosedHandleOf(opened)
                                                     : 0;
    std::vector<std::uint8_t> buffer(row.bufferSize == kNoBuffer ? 1 : row.bufferSize + 1, 0xEE);
    std::uint8_t* data = row.bufferSize == kNoBuffer ? nullptr : buffer.data();
    std::uint32_t type = kRegNone + 99;
    std::uint32_t size = row.bufferSize == kNoBuffer ? 0 : row.bufferSize;
    std::int32_t result = RegQueryValueExA(key, row.queriedName, &type, data, &size);
    EXPECT_EQ(result, row.result);
    EXPECT_EQ(size, row.size);
    if (result == kErrorSuccess || result == kErrorMoreData) {
        EXPECT_EQ(type, row.stored.type);
    } else {
        EXPECT_EQ(type, kRegNone + 99);
    }
    if (result == kErrorSuccess && data != nullptr) {
        EXPECT_EQ(AsString({buffer.begin(), buffer.begin() + row.size}),
                  AsString(row.stored.bytes));
        EXPECT_EQ(buffer[row.bufferSize], 0xEE) << "written past the buffer";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractRegQueryValueExA, ::testing::ValuesIn(kQueryRows),
                         RowName());

// RegCreateKeyExA: below the scratch key, which holds "Vorhanden", from the root or from the
// scratch key opened with the row's access.
enum class Parent { Root, ScratchForReading, ScratchForWriting, ClosedKey };

struct CreateRow {
    const char* name;
    Parent parent;
    const wchar_t* created;
    std::int32_t result;
    std::uint32_t disposition;  // 1 new, 2 existing; 0 when refused
    const wchar_t* existsAfter;
    WineDifference wine = WineDifference::None;
};

const CreateRow kCreateRows[] = {
    {"New", Parent::Root, L"Neu", kErrorSuccess, 1, L"Neu"},
    {"Existing", Parent::Root, L"Vorhanden", kErrorSuccess, 2, L"Vorhanden"},
    {"ExistingOtherCase", Parent::Root, L"VORHANDEN", kErrorSuccess, 2, L"Vorhanden"},
    {"NewWithNewParents", Parent::Root, L"Neu\\Tiefer\\Unten", kErrorSuccess, 1, L"Neu\\Tiefer"},
    {"TrailingBackslashes", Parent::Root, L"Neu\\\\", kErrorSuccess, 1, L"Neu"},
    {"LeadingBackslash", Parent::ScratchForWriting, L"\\Neu", kErrorBadPathname, 0, nullptr,
     WineDifference::ThirtyTwoBitViewTakesLeadingBackslash},
    {"NewBelowKeyForWriting", Parent::ScratchForWriting, L"Neu", kErrorSuccess, 1, L"Neu"},
    // Windows ignores the rights of the parent's handle: the user's rights on the key decide.
    {"NewBelowKeyForReading", Parent::ScratchForReading, L"Neu", kErrorSuccess, 1, L"Neu"},
    {"ExistingBelowKeyForReading", Parent::ScratchForReading, L"Vorhanden", kErrorSuccess, 2,
     L"Vorhanden"},
    {"BelowClosedKey", Parent::ClosedKey, L"Neu", kErrorInvalidHandle, 0, nullptr},
};

using PortContractRegCreateKeyExA = PortContractTable<CreateRow>;

TEST_P(PortContractRegCreateKeyExA, CreatesOrOpens) {
    const CreateRow& row = GetParam();
    Env().PutValue(kHkeyCurrentUser, Below(L"Vorhanden"), L"Wert", kText);
    RegistryKey scratch =
        OpenKey(L"", row.parent == Parent::ScratchForReading ? kKeyRead : kKeyReadWrite);
    Handle32 parent = row.parent == Parent::Root        ? kHkeyCurrentUser
                      : row.parent == Parent::ClosedKey ? ClosedHandleOf(scratch)
                                                        : scratch.Get();
    Text subKey = row.parent == Parent::Root ? Below(row.created) : Text(row.created);
    Handle32 key = kUntouchedKey;
    std::uint32_t disposition = 99;
    std::int32_t result =
        RegCreateKeyExA(parent, subKey, kRegOptionNonVolatile, kKeyReadWrite, &key, &disposition);
    if (WineDiffersAsKnown(row.wine, result, row.result)) {
        static_cast<void>(RegCloseKey(key));  // the handle of the key Wine made
        return;
    }
    EXPECT_EQ(result, row.result);
    if (result == kErrorSuccess) {
        EXPECT_EQ(disposition, row.disposition);
        EXPECT_NE(key, 0);
        EXPECT_EQ(RegCloseKey(key), kErrorSuccess);
    } else {
        EXPECT_EQ(key, 0);
        EXPECT_FALSE(Env().KeyExists(kHkeyCurrentUser, Below(row.created)));
    }
    if (row.existsAfter != nullptr) {
        EXPECT_TRUE(Env().KeyExists(kHkeyCurrentUser, Below(row.existsAfter)));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractRegCreateKeyExA, ::testing::ValuesIn(kCreateRows),
                         RowName());

// RegSetValueExA: into the key "Werte", which may hold "Wert" already, through a key opened with
// the row's access.
struct SetRow {
    const char* name;
    std::optional<StoredValue> before;  // of "Wert"
    const wchar_t* setName;
    StoredValue set;
    std::int32_t result;
    std::optional<StoredValue> after;  // of "Wert"
    KeyHandle handle = KeyHandle::Opened;
    std::uint32_t access = kKeyReadWrite;
    std::uint32_t uncounted = 0;  // bytes at the end of set's that the size leaves out
};

const StoredValue kEmptyText{kRegSz, {}};
const StoredValue kEmptyBinary{kRegBinary, {}};

const SetRow kSetRows[] = {
    {"Text", std::nullopt, L"Wert", kText, kErrorSuccess, kText},
    {"Dword", std::nullopt, L"Wert", kDword, kErrorSuccess, kDword},
    {"BinaryEmpty", std::nullopt, L"Wert", kEmptyBinary, kErrorSuccess, kEmptyBinary},
    // A text whose size leaves out its NUL gets it, where the NUL follows in the buffer.
    {"TextWithoutItsNul", std::nullopt, L"Wert", kText, kErrorSuccess, kText, KeyHandle::Opened,
     kKeyReadWrite, 1},
    {"TextOfNoBytes", std::nullopt, L"Wert", kText, kErrorSuccess, kEmptyText, KeyHandle::Opened,
     kKeyReadWrite, 4},
    {"BinaryKeepsItsSize",
     std::nullopt,
     L"Wert",
     {kRegBinary, Bytes("ab\0")},
     kErrorSuccess,
     StoredValue{kRegBinary, Bytes("ab")},
     KeyHandle::Opened,
     kKeyReadWrite,
     1},
    {"ReplacesTypeAndData", kDword, L"Wert", kText, kErrorSuccess, kText},
    {"NameOtherCase", kDword, L"WERT", kText, kErrorSuccess, kText},
    {"KeyForReading", kDword, L"Wert", kText, kErrorAccessDenied, kDword, KeyHandle::Opened,
     kKeyRead},
    {"ClosedKey", kDword, L"Wert", kText, kErrorInvalidHandle, kDword, KeyHandle::Closed},
    {"NoKey", kDword, L"Wert", kText, kErrorInvalidHandle, kDword, KeyHandle::None},
};

using PortContractRegSetValueExA = PortContractTable<SetRow>;

TEST_P(PortContractRegSetValueExA, StoresTypeAndBytes) {
    const SetRow& row = GetParam();
    if (row.before) {
        Env().PutValue(kHkeyCurrentUser, Below(L"Werte"), L"Wert", *row.before);
    } else {
        Env().PutValue(kHkeyCurrentUser, Below(L"Werte"), L"Anderer", kText);
    }
    RegistryKey opened = OpenKey(L"Werte", row.access);
    Handle32 key = row.handle == KeyHandle::Opened   ? opened.Get()
                   : row.handle == KeyHandle::Closed ? ClosedHandleOf(opened)
                                                     : 0;
    const std::uint8_t* data = row.set.bytes.empty() ? nullptr : row.set.bytes.data();
    auto size = static_cast<std::uint32_t>(row.set.bytes.size()) - row.uncounted;
    EXPECT_EQ(RegSetValueExA(key, row.setName, row.set.type, data, size), row.result);
    EXPECT_EQ(Env().ValueOf(kHkeyCurrentUser, Below(L"Werte"), L"Wert"), row.after);
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractRegSetValueExA, ::testing::ValuesIn(kSetRows),
                         RowName());

// RegCloseKey.
enum class Closed { OpenedKey, ClosedKey, RootKey, NoKey };

struct CloseRow {
    const char* name;
    Closed closed;
    std::int32_t result;
};

const CloseRow kCloseRows[] = {
    {"OpenedKey", Closed::OpenedKey, kErrorSuccess},
    {"KeyClosedBefore", Closed::ClosedKey, kErrorInvalidHandle},
    {"RootKey", Closed::RootKey, kErrorSuccess},
    {"NoKey", Closed::NoKey, kErrorInvalidHandle},
};

using PortContractRegCloseKey = PortContractTable<CloseRow>;

TEST_P(PortContractRegCloseKey, ClosesOnce) {
    const CloseRow& row = GetParam();
    Env().PutValue(kHkeyCurrentUser, Below(L""), L"Wert", kText);
    Handle32 key = 0;
    ASSERT_EQ(RegOpenKeyExA(kHkeyCurrentUser, Below(L""), 0, kKeyRead, &key), kErrorSuccess);
    if (row.closed != Closed::OpenedKey) {
        ASSERT_EQ(RegCloseKey(key), kErrorSuccess);
    }
    Handle32 closed = row.closed == Closed::RootKey ? kHkeyCurrentUser
                      : row.closed == Closed::NoKey ? 0
                                                    : key;
    EXPECT_EQ(RegCloseKey(closed), row.result);
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractRegCloseKey, ::testing::ValuesIn(kCloseRows), RowName());

}  // namespace
}  // namespace portcontract
