#include "../Automation.h"

#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <vector>

#include "../core/ComResult.h"
#include "../core/Failure.h"
#include "ComHandles.h"
#include "Handles.h"
#include "VariantConversion.h"

namespace platform {

namespace {

using win32::BString;
using win32::ComPtr;
using win32::Fill;
using win32::VariantHolder;

constexpr std::int32_t kCannotCreateObject = 429;
constexpr std::int32_t kNoAutomation = 430;
constexpr std::int32_t kArgumentNotOptional = 449;
constexpr std::int32_t kNoSuchMember = 438;
constexpr std::int32_t kWrongArgumentCount = 450;

Text SystemMessage(HRESULT hr) {
    wchar_t buffer[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, static_cast<DWORD>(hr), 0, buffer,
                                  static_cast<DWORD>(std::size(buffer)), nullptr);
    Text message(buffer, length);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    return message;
}

// The number of a failure whose only source is an HRESULT: errors of automation's own range
// keep their short number, the others are the HRESULT itself.
std::int32_t NumberOf(HRESULT hr) {
    if (HRESULT_FACILITY(hr) == FACILITY_CONTROL) {
        return HRESULT_CODE(hr);
    }
    return static_cast<std::int32_t>(hr);
}

Failure FailureOfHresult(HRESULT hr) {
    switch (hr) {
        case DISP_E_MEMBERNOTFOUND:
        case DISP_E_UNKNOWNNAME:
            return Failure(kNoSuchMember, L"Object doesn't support this property or method");
        case DISP_E_BADPARAMCOUNT:
            return Failure(kWrongArgumentCount,
                           L"Wrong number of arguments or invalid property assignment");
        case DISP_E_PARAMNOTOPTIONAL:
            return Failure(kArgumentNotOptional, L"Argument not optional");
        case DISP_E_TYPEMISMATCH:
        case DISP_E_BADVARTYPE:
            return StandardFailure(kTypeMismatch);
        case DISP_E_OVERFLOW:
            return StandardFailure(kOverflow);
        case E_OUTOFMEMORY:
            return StandardFailure(kOutOfMemory);
        default:
            break;
    }
    Text message = SystemMessage(hr);
    return Failure(NumberOf(hr),
                   message.empty() ? Text(L"Automation error") : L"Automation error: " + message);
}

// The values the classification of COM results writes out are the system's.
static_assert(comresult::kCallRejected == static_cast<std::uint32_t>(RPC_E_CALL_REJECTED));
static_assert(comresult::kRetryLater == static_cast<std::uint32_t>(RPC_E_SERVERCALL_RETRYLATER));
static_assert(comresult::kConnectionTerminated ==
              static_cast<std::uint32_t>(RPC_E_CONNECTION_TERMINATED));
static_assert(comresult::kServerDied == static_cast<std::uint32_t>(RPC_E_SERVER_DIED));
static_assert(comresult::kServerDiedDne == static_cast<std::uint32_t>(RPC_E_SERVER_DIED_DNE));
static_assert(comresult::kSysCallFailed == static_cast<std::uint32_t>(RPC_E_SYS_CALL_FAILED));
static_assert(comresult::kDisconnected == static_cast<std::uint32_t>(RPC_E_DISCONNECTED));
static_assert(comresult::kObjectNotConnected == static_cast<std::uint32_t>(CO_E_OBJNOTCONNECTED));
static_assert(comresult::kServerExecFailure ==
              static_cast<std::uint32_t>(CO_E_SERVER_EXEC_FAILURE));
static_assert(comresult::kServerStopping == static_cast<std::uint32_t>(CO_E_SERVER_STOPPING));
static_assert(comresult::kRpcServerUnavailable ==
              static_cast<std::uint32_t>(HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE)));
static_assert(comresult::kRpcCallFailed ==
              static_cast<std::uint32_t>(HRESULT_FROM_WIN32(RPC_S_CALL_FAILED)));
static_assert(comresult::kRpcCallFailedDne ==
              static_cast<std::uint32_t>(HRESULT_FROM_WIN32(RPC_S_CALL_FAILED_DNE)));

// The error a server raised. The deferred fill-in is never called: a server in another process
// may hand a pointer that is not valid here.
Failure FailureOfException(EXCEPINFO& info) {
    const BString source(info.bstrSource);
    const BString description(info.bstrDescription);
    const BString helpFile(info.bstrHelpFile);
    info.bstrSource = info.bstrDescription = info.bstrHelpFile = nullptr;
    std::int32_t number = info.wCode != 0   ? static_cast<std::int32_t>(info.wCode)
                          : info.scode != 0 ? NumberOf(info.scode)
                                            : NumberOf(DISP_E_EXCEPTION);
    Text text = win32::TextOf(description);
    if (text.empty()) {
        text = info.scode != 0 && info.wCode == 0 ? FailureOfHresult(info.scode).Description()
                                                  : StandardDescription(number);
    }
    return Failure(number, text);
}

// The arguments of one call: the call's own copies of the values, and the VARIANTARGs handed
// to the server in reverse order, by value or pointing into those copies.
class DispatchArguments {
  public:
    explicit DispatchArguments(const std::vector<Argument>& args)
        : owned_(args.size()), passed_(args.size()) {
        const std::size_t count = args.size();
        for (std::size_t i = 0; i < count; ++i) {
            VARIANT* own = owned_[i].Get();
            Fill(own, args[i].value);
            VARIANTARG& slot = passed_[count - 1 - i];
            VariantInit(&slot);
            if (!args[i].byReference) {
                std::memcpy(&slot, own, sizeof slot);  // still owned by owned_[i]
                continue;
            }
            switch (V_VT(own)) {
                case VT_I2:
                    V_VT(&slot) = VT_BYREF | VT_I2;
                    V_I2REF(&slot) = &V_I2(own);
                    break;
                case VT_I4:
                    V_VT(&slot) = VT_BYREF | VT_I4;
                    V_I4REF(&slot) = &V_I4(own);
                    break;
                case VT_BSTR:
                    V_VT(&slot) = VT_BYREF | VT_BSTR;
                    V_BSTRREF(&slot) = &V_BSTR(own);
                    break;
                default:
                    V_VT(&slot) = VT_BYREF | VT_VARIANT;
                    V_VARIANTREF(&slot) = own;
                    break;
            }
        }
    }
    DispatchArguments(const DispatchArguments&) = delete;
    DispatchArguments& operator=(const DispatchArguments&) = delete;

    DISPPARAMS Params() {
        return {passed_.empty() ? nullptr : passed_.data(), nullptr,
                static_cast<UINT>(passed_.size()), 0};
    }

  private:
    std::vector<VariantHolder> owned_;
    std::vector<VARIANTARG> passed_;
};

class DispatchObject final : public AutomationObject {
  public:
    explicit DispatchObject(ComPtr<IDispatch> dispatch) : dispatch_(std::move(dispatch)) {}

    Variant Invoke(const Text& member, CallKind kind, const std::vector<Argument>& args) override {
        BString name = win32::NewBString(member);
        LPOLESTR names[] = {name.Get()};
        DISPID dispid = DISPID_UNKNOWN;
        HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid);
        if (FAILED(hr)) {
            win32::ThrowComFailure(hr, FailureOfHresult(hr));
        }
        DispatchArguments arguments(args);
        DISPPARAMS params = arguments.Params();
        if (kind == CallKind::Method) {
            Call(dispid, DISPATCH_METHOD, params, nullptr);
            return Empty();
        }
        VariantHolder result;
        Call(dispid, DISPATCH_METHOD | DISPATCH_PROPERTYGET, params, result.Get());
        return win32::FromVariant(*result.Get());
    }

    void PutDefault(const Variant& value) override {
        DispatchArguments arguments({Argument{value, false}});
        DISPPARAMS params = arguments.Params();
        DISPID named = DISPID_PROPERTYPUT;
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
        Call(DISPID_VALUE, DISPATCH_PROPERTYPUT, params, nullptr);
    }

    IDispatch* Dispatch() const { return dispatch_.Get(); }

  private:
    void Call(DISPID dispid, WORD flags, DISPPARAMS& params, VARIANT* result) {
        EXCEPINFO info;
        std::memset(&info, 0, sizeof info);
        UINT argumentError = 0;
        HRESULT hr = dispatch_->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                       result, &info, &argumentError);
        if (hr == DISP_E_EXCEPTION) {
            throw FailureOfException(info);
        }
        // Whatever the server left in the record is freed, also on success.
        const BString source(info.bstrSource);
        const BString description(info.bstrDescription);
        const BString helpFile(info.bstrHelpFile);
        if (FAILED(hr)) {
            win32::ThrowComFailure(hr, FailureOfHresult(hr));
        }
    }

    ComPtr<IDispatch> dispatch_;
};

}  // namespace

namespace win32 {

void ThrowComFailure(HRESULT hr, const Failure& failure) {
    switch (KindOfComResult(static_cast<std::uint32_t>(hr))) {
        case ComResultKind::ServerBusy:
            throw ServerBusy(failure);
        case ComResultKind::ServerGone:
            throw ServerGone(failure);
        case ComResultKind::Other:
            break;
    }
    throw failure;
}

ObjectRef WrapDispatch(IDispatch* dispatch) {
    if (dispatch == nullptr) {
        return ObjectRef();
    }
    dispatch->AddRef();
    return std::make_shared<DispatchObject>(ComPtr<IDispatch>::Adopt(dispatch));
}

IDispatch* DispatchOf(const AutomationObject& object) {
    const auto* ours = dynamic_cast<const DispatchObject*>(&object);
    return ours == nullptr ? nullptr : ours->Dispatch();
}

}  // namespace win32

namespace {

// The class of a ProgID as the 32-bit view of the registry holds it. A 32-bit server such as
// ACT! 6 registers its ProgID there; where the views of the classes are kept apart (64-bit
// Windows XP and Server 2003, Wine), a 64-bit program's CLSIDFromProgID does not see it.
bool ClassFromThirtyTwoBitView(const Text& progId, CLSID* clsid) {
    win32::RegistryKeyHandle key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, (progId + L"\\CLSID").c_str(), 0,
                      KEY_QUERY_VALUE | KEY_WOW64_32KEY, key.Receive()) != ERROR_SUCCESS) {
        return false;
    }
    wchar_t text[64] = {};  // a class in braces has 38 characters; the last one stays 0
    DWORD size = sizeof text - sizeof text[0];
    DWORD type = REG_NONE;
    return RegQueryValueExW(key.Get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text),
                            &size) == ERROR_SUCCESS &&
           type == REG_SZ && SUCCEEDED(CLSIDFromString(text, clsid));
}

}  // namespace

ObjectRef CreateAutomationObject(const Text& progId) {
    CLSID clsid;
    DWORD context = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER;
    if (FAILED(CLSIDFromProgID(progId.c_str(), &clsid))) {
        // A 64-bit program also reaches a 32-bit server, out of process.
        constexpr bool kSixtyFourBitProgram = sizeof(void*) == 8;
        if (!kSixtyFourBitProgram || !ClassFromThirtyTwoBitView(progId, &clsid)) {
            throw Failure(kCannotCreateObject, L"ActiveX component can't create object");
        }
        context = CLSCTX_LOCAL_SERVER | CLSCTX_ACTIVATE_32_BIT_SERVER;
    }
    ComPtr<IUnknown> unknown;
    HRESULT hr = unknown.CreateInstance(clsid, context);
    if (FAILED(hr) || !unknown.Valid()) {
        win32::ThrowComFailure(
            hr, Failure(kCannotCreateObject, L"ActiveX component can't create object"));
    }
    ComPtr<IDispatch> dispatch;
    hr = dispatch.QueryFrom(unknown.Get());
    if (FAILED(hr) || !dispatch.Valid()) {
        win32::ThrowComFailure(
            hr,
            Failure(kNoAutomation,
                    L"Class does not support Automation or does not support expected interface"));
    }
    return std::make_shared<DispatchObject>(std::move(dispatch));
}

}  // namespace platform
