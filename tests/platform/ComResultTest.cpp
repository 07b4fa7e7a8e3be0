// The classification of COM results: busy, gone, or neither, by the result's 32-bit value.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/core/ComResult.h"

namespace {

using platform::ComResultKind;

struct Row {
    const char* name;
    std::uint32_t hresult;
    ComResultKind kind;
};

const Row kRows[] = {
    {"RPC_E_CALL_REJECTED", 0x80010001u, ComResultKind::ServerBusy},
    {"RPC_E_SERVERCALL_RETRYLATER", 0x8001010Au, ComResultKind::ServerBusy},
    {"RPC_E_CONNECTION_TERMINATED", 0x80010006u, ComResultKind::ServerGone},
    {"RPC_E_SERVER_DIED", 0x80010007u, ComResultKind::ServerGone},
    {"RPC_E_SERVER_DIED_DNE", 0x80010012u, ComResultKind::ServerGone},
    {"RPC_E_SYS_CALL_FAILED", 0x80010100u, ComResultKind::ServerGone},
    {"RPC_E_DISCONNECTED", 0x80010108u, ComResultKind::ServerGone},
    {"CO_E_OBJNOTCONNECTED", 0x800401FDu, ComResultKind::ServerGone},
    {"CO_E_SERVER_EXEC_FAILURE", 0x80080005u, ComResultKind::ServerGone},
    {"CO_E_SERVER_STOPPING", 0x80080008u, ComResultKind::ServerGone},
    {"RPC_S_SERVER_UNAVAILABLE", 0x800706BAu, ComResultKind::ServerGone},
    {"RPC_S_CALL_FAILED", 0x800706BEu, ComResultKind::ServerGone},
    {"RPC_S_CALL_FAILED_DNE", 0x800706BFu, ComResultKind::ServerGone},
    {"DISP_E_EXCEPTION, an error the server raised", 0x80020009u, ComResultKind::Other},
    {"RPC_E_SERVERFAULT, a fault inside the server", 0x80010105u, ComResultKind::Other},
    {"RPC_E_CALL_CANCELED", 0x80010002u, ComResultKind::Other},
    {"E_NOINTERFACE", 0x80004002u, ComResultKind::Other},
    {"S_OK", 0x00000000u, ComResultKind::Other},
};

TEST(KindOfComResult, TellsBusyAndGoneServersFromEverythingElse) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform::KindOfComResult(row.hresult), row.kind);
    }
}

}  // namespace
