// OLE automation: objects of an automation server, called late-bound by member name.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Failure.h"
#include "core/Types.h"
#include "core/Variant.h"

namespace platform {

// How a member is invoked.
enum class CallKind {
    MethodOrGet,  // the result is used: invoked as method or property read
    Method,       // the result is dropped: invoked as a plain method
};

// One argument of a member call. The program passes 16-bit integers by value and 32-bit
// integers and strings by reference (each a copy of its own; nothing is written back).
struct Argument {
    Variant value;
    bool byReference = false;

    static Argument I2(std::int16_t v) { return {Variant(v), false}; }
    static Argument I4Ref(std::int32_t v) { return {Variant(v), true}; }
    static Argument StrRef(Text v) { return {Variant(std::move(v)), true}; }
};

// The failure of a call that the server refused to take because it is busy (it rejected the
// call, or asked to be called again later). The call was not carried out and may be made
// again. Its number and description are those the failure would have without the distinction.
class ServerBusy : public Failure {
  public:
    explicit ServerBusy(const Failure& failure) : Failure(failure) {}
};

// The failure of a call whose server has ended or can no longer be reached: its process was
// ended or crashed, or the connection to it broke (a transport failure of the call, not an
// error the server raised). Whether the server carried the call out is unknown. Its number and
// description are those the failure would have without the distinction.
class ServerGone : public Failure {
  public:
    explicit ServerGone(const Failure& failure) : Failure(failure) {}
};

// The number and description of a call that a busy server rejected (RPC_E_CALL_REJECTED).
inline constexpr std::int32_t kCallRejected = static_cast<std::int32_t>(0x80010001u);
inline constexpr const wchar_t* kCallRejectedDescription =
    L"Automation error: Call was rejected by callee";

// The number and description of a call whose server is gone (RPC_E_DISCONNECTED).
inline constexpr std::int32_t kServerDisconnected = static_cast<std::int32_t>(0x80010108u);
inline constexpr const wchar_t* kServerDisconnectedDescription =
    L"Automation error: The object invoked has disconnected from its clients";

// An object of an automation server, reached through its dispatch interface.
class AutomationObject {
  public:
    virtual ~AutomationObject() = default;

    // Calls the member by name with the arguments in order and returns its result (empty when
    // it gives none). An error raised by the server, or a member the object does not have,
    // throws a Failure with the server's number and description; a server that is busy throws
    // ServerBusy, one that has ended or cannot be reached ServerGone.
    virtual Variant Invoke(const Text& member, CallKind kind,
                           const std::vector<Argument>& args) = 0;

    // Sets the default property (dispatch identifier 0) to the value. Errors as for Invoke.
    virtual void PutDefault(const Variant& value) = 0;
};

// Creates an object from the ProgID on the local machine. A 64-bit program also reaches a
// 32-bit local server whose ProgID only the 32-bit view of the registry holds, as a 32-bit
// installation of ACT! 6 leaves it. Throws a Failure when the server is not registered or cannot
// be started, ServerBusy when it is busy, ServerGone when its running process cannot be reached
// (it was ended while its registration stayed). Never returns nothing.
ObjectRef CreateAutomationObject(const Text& progId);

}  // namespace platform
