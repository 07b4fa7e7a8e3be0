// What the result of a COM call says about its server: busy, gone, or neither. A plain function
// of the 32-bit value, so that it reads the same on every platform; the Windows backend holds
// each value below to the system's name for it.
#pragma once

#include <cstdint>

namespace platform {

enum class ComResultKind {
    ServerBusy,  // the server refused the call for now: it was not carried out
    ServerGone,  // the transport failed: the server ended or cannot be reached any more
    Other,       // anything else, also every error the server raised itself
};

namespace comresult {

inline constexpr std::uint32_t kCallRejected = 0x80010001u;          // RPC_E_CALL_REJECTED
inline constexpr std::uint32_t kRetryLater = 0x8001010Au;            // RPC_E_SERVERCALL_RETRYLATER
inline constexpr std::uint32_t kConnectionTerminated = 0x80010006u;  // RPC_E_CONNECTION_TERMINATED
inline constexpr std::uint32_t kServerDied = 0x80010007u;            // RPC_E_SERVER_DIED
inline constexpr std::uint32_t kServerDiedDne = 0x80010012u;         // RPC_E_SERVER_DIED_DNE
inline constexpr std::uint32_t kSysCallFailed = 0x80010100u;         // RPC_E_SYS_CALL_FAILED
inline constexpr std::uint32_t kDisconnected = 0x80010108u;          // RPC_E_DISCONNECTED
inline constexpr std::uint32_t kObjectNotConnected = 0x800401FDu;    // CO_E_OBJNOTCONNECTED
inline constexpr std::uint32_t kServerExecFailure = 0x80080005u;     // CO_E_SERVER_EXEC_FAILURE
inline constexpr std::uint32_t kServerStopping = 0x80080008u;        // CO_E_SERVER_STOPPING
// RPC's own errors as HRESULTs: HRESULT_FROM_WIN32 of RPC_S_SERVER_UNAVAILABLE,
// RPC_S_CALL_FAILED and RPC_S_CALL_FAILED_DNE.
inline constexpr std::uint32_t kRpcServerUnavailable = 0x800706BAu;
inline constexpr std::uint32_t kRpcCallFailed = 0x800706BEu;
inline constexpr std::uint32_t kRpcCallFailedDne = 0x800706BFu;

}  // namespace comresult

// A server that is busy rejects a call or asks to be called again later. A server is gone when
// its process has ended (closed, ended, crashed, also in the middle of a call or while it shuts
// down) or the connection to it broke. An error the server raised (DISP_E_EXCEPTION) or a fault
// inside the server while it ran the call (RPC_E_SERVERFAULT) comes from a server that is there.
constexpr ComResultKind KindOfComResult(std::uint32_t hresult) {
    switch (hresult) {
        case comresult::kCallRejected:
        case comresult::kRetryLater:
            return ComResultKind::ServerBusy;
        case comresult::kConnectionTerminated:
        case comresult::kServerDied:
        case comresult::kServerDiedDne:
        case comresult::kSysCallFailed:
        case comresult::kDisconnected:
        case comresult::kObjectNotConnected:
        case comresult::kServerExecFailure:
        case comresult::kServerStopping:
        case comresult::kRpcServerUnavailable:
        case comresult::kRpcCallFailed:
        case comresult::kRpcCallFailedDne:
            return ComResultKind::ServerGone;
        default:
            return ComResultKind::Other;
    }
}

}  // namespace platform
