#include "../Automation.h"

#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <vector>

#include "../Failure.h"
#include "ComHandles.h"

namespace platform {

namespace {

using win32::BString;
using win32::ComPtr;
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

// A server that is busy rejects a call, or asks to be called again later; the call was not
// carried out.
bool IsBusy(HRESULT hr) {
    return hr == RPC_E_CALL_REJECTED || hr == RPC_E_SERVERCALL_RETRYLATER;
}

[[noreturn]] void ThrowCallFailure(HRESULT hr) {
    if (IsBusy(hr)) {
        throw ServerBusy(FailureOfHresult(hr));
    }
    throw FailureOfHresult(hr);
}

// The error a server raised. The deferred fill-in is never called: a server in another process
// may hand a pointer that is not valid here.
Failure FailureOfException(EXCEPINFO& info) {
    BString source = BString::Adopt(info.bstrSource);
    BString description = BString::Adopt(info.bstrDescription);
    BString helpFile = BString::Adopt(info.bstrHelpFile);
    info.bstrSource = info.bstrDescription = info.bstrHelpFile = nullptr;
    std::int32_t number = info.wCode != 0   ? static_cast<std::int32_t>(info.wCode)
                          : info.scode != 0 ? NumberOf(info.scode)
                                            : NumberOf(DISP_E_EXCEPTION);
    Text text = description.Text();
    if (text.empty()) {
        text = info.scode != 0 && info.wCode == 0 ? FailureOfHresult(info.scode).Description()
                                                  : StandardDescription(number);
    }
    return Failure(number, text);
}

class DispatchObject;

// Fills an empty VARIANT with a value of the program.
void Fill(VARIANT* target, const Variant& value);

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

Variant FromVariant(VARIANT* value);

class DispatchObject final : public AutomationObject {
  public:
    explicit DispatchObject(ComPtr<IDispatch> dispatch) : dispatch_(std::move(dispatch)) {}

    Variant Invoke(const Text& member, CallKind kind, const std::vector<Argument>& args) override {
        BString name(member);
        LPOLESTR names[] = {name.Get()};
        DISPID dispid = DISPID_UNKNOWN;
        HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid);
        if (FAILED(hr)) {
            ThrowCallFailure(hr);
        }
        DispatchArguments arguments(args);
        DISPPARAMS params = arguments.Params();
        if (kind == CallKind::Method) {
            Call(dispid, DISPATCH_METHOD, params, nullptr);
            return Empty();
        }
        VariantHolder result;
        Call(dispid, DISPATCH_METHOD | DISPATCH_PROPERTYGET, params, result.Get());
        return FromVariant(result.Get());
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
        BString::Adopt(info.bstrSource);
        BString::Adopt(info.bstrDescription);
        BString::Adopt(info.bstrHelpFile);
        if (FAILED(hr)) {
            ThrowCallFailure(hr);
        }
    }

    ComPtr<IDispatch> dispatch_;
};

ObjectRef WrapDispatch(IDispatch* dispatch) {
    if (dispatch == nullptr) {
        return ObjectRef();
    }
    dispatch->AddRef();
    return std::make_shared<DispatchObject>(ComPtr<IDispatch>::Adopt(dispatch));
}

void Fill(VARIANT* target, const Variant& value) {
    if (const auto* text = std::get_if<Text>(&value)) {
        BString copy(*text);
        V_VT(target) = VT_BSTR;
        V_BSTR(target) = copy.Release();
    } else if (const auto* i2 = std::get_if<std::int16_t>(&value)) {
        V_VT(target) = VT_I2;
        V_I2(target) = *i2;
    } else if (const auto* i4 = std::get_if<std::int32_t>(&value)) {
        V_VT(target) = VT_I4;
        V_I4(target) = *i4;
    } else if (const auto* bytes = std::get_if<ByteArray>(&value)) {
        SAFEARRAYBOUND bound{static_cast<ULONG>(bytes->bytes.size()), bytes->lowerBound};
        SAFEARRAY* array = SafeArrayCreate(VT_UI1, 1, &bound);
        if (array == nullptr) {
            throw StandardFailure(kOutOfMemory);
        }
        V_VT(target) = VT_ARRAY | VT_UI1;
        V_ARRAY(target) = array;  // freed with the VARIANT from here on
        void* data = nullptr;
        if (!bytes->bytes.empty() && SUCCEEDED(SafeArrayAccessData(array, &data))) {
            std::memcpy(data, bytes->bytes.data(), bytes->bytes.size());
            SafeArrayUnaccessData(array);
        }
    } else if (const auto* object = std::get_if<ObjectRef>(&value)) {
        IDispatch* dispatch = nullptr;
        if (*object != nullptr) {
            const auto* ours = dynamic_cast<const DispatchObject*>(object->get());
            if (ours == nullptr) {
                throw StandardFailure(kTypeMismatch);
            }
            dispatch = ours->Dispatch();
            dispatch->AddRef();
        }
        V_VT(target) = VT_DISPATCH;
        V_DISPATCH(target) = dispatch;
    } else {
        V_VT(target) = VT_EMPTY;
    }
}

ByteArray FromByteArray(SAFEARRAY* array) {
    ByteArray result;
    if (array == nullptr) {
        return result;
    }
    LONG lower = 0;
    LONG upper = -1;
    if (SafeArrayGetDim(array) != 1 || FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper))) {
        throw StandardFailure(kTypeMismatch);
    }
    result.lowerBound = lower;
    if (upper < lower) {
        return result;
    }
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data))) {
        throw StandardFailure(kTypeMismatch);
    }
    const auto* first = static_cast<const std::uint8_t*>(data);
    result.bytes.assign(first, first + (static_cast<std::int64_t>(upper) - lower + 1));
    SafeArrayUnaccessData(array);
    return result;
}

Variant FromVariant(VARIANT* value) {
    VariantHolder direct;
    if ((V_VT(value) & VT_BYREF) != 0) {
        if (FAILED(VariantCopyInd(direct.Get(), value))) {
            throw StandardFailure(kTypeMismatch);
        }
        value = direct.Get();
    }
    switch (V_VT(value)) {
        case VT_EMPTY:
        case VT_NULL:
            return Empty();
        case VT_BSTR:
            return V_BSTR(value) == nullptr ? Text()
                                            : Text(V_BSTR(value), SysStringLen(V_BSTR(value)));
        case VT_I2:
            return static_cast<std::int16_t>(V_I2(value));
        case VT_BOOL:
            return static_cast<std::int16_t>(V_BOOL(value));
        case VT_I4:
            return static_cast<std::int32_t>(V_I4(value));
        case VT_INT:
            return static_cast<std::int32_t>(V_INT(value));
        case VT_UI1:
            return static_cast<std::int32_t>(V_UI1(value));
        case VT_UI2:
            return static_cast<std::int32_t>(V_UI2(value));
        case VT_DISPATCH:
            return WrapDispatch(V_DISPATCH(value));
        case VT_UNKNOWN: {
            if (V_UNKNOWN(value) == nullptr) {
                return ObjectRef();
            }
            ComPtr<IDispatch> dispatch;
            if (FAILED(V_UNKNOWN(value)->QueryInterface(
                    IID_IDispatch, reinterpret_cast<void**>(dispatch.Receive())))) {
                throw StandardFailure(kTypeMismatch);
            }
            return ObjectRef(std::make_shared<DispatchObject>(std::move(dispatch)));
        }
        case VT_ARRAY | VT_UI1:
            return FromByteArray(V_ARRAY(value));
        default:
            break;
    }
    // Other numbers become text in the invariant form ("1.5"), which the program's conversions
    // read back as numbers whatever the user's regional settings.
    VariantHolder text;
    if (FAILED(VariantChangeTypeEx(text.Get(), value, LOCALE_INVARIANT, 0, VT_BSTR))) {
        throw StandardFailure(kTypeMismatch);
    }
    BSTR converted = V_BSTR(text.Get());
    return converted == nullptr ? Text() : Text(converted, SysStringLen(converted));
}

// A registry key that is closed when the holder goes.
class RegistryKey {
  public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY* Receive() { return &key_; }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// The class of a ProgID as the 32-bit view of the registry holds it. A 32-bit server such as
// ACT! 6 registers its ProgID there; where the views of the classes are kept apart (64-bit
// Windows XP and Server 2003, Wine), a 64-bit program's CLSIDFromProgID does not see it.
bool ClassFromThirtyTwoBitView(const Text& progId, CLSID* clsid) {
    RegistryKey key;
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
    HRESULT hr = CoCreateInstance(clsid, nullptr, context, IID_IUnknown,
                                  reinterpret_cast<void**>(unknown.Receive()));
    if (FAILED(hr) || !unknown) {
        Failure failure(kCannotCreateObject, L"ActiveX component can't create object");
        if (IsBusy(hr)) {
            throw ServerBusy(failure);
        }
        throw failure;
    }
    ComPtr<IDispatch> dispatch;
    hr = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.Receive()));
    if (FAILED(hr) || !dispatch) {
        Failure failure(
            kNoAutomation,
            L"Class does not support Automation or does not support expected interface");
        if (IsBusy(hr)) {
            throw ServerBusy(failure);
        }
        throw failure;
    }
    return std::make_shared<DispatchObject>(std::move(dispatch));
}

}  // namespace platform
