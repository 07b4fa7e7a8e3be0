#include "ModelDispatch.h"

#include <oleauto.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "RawResultVariant.h"
#include "platform/Automation.h"
#include "platform/core/Failure.h"
#include "platform/win32/ComHandles.h"
#include "sim/act/ActObjects.h"

namespace standin {

namespace {

using platform::Text;
using platform::win32::VariantHolder;

// Dispatch identifiers by member name, the same for every object; the model decides which
// names an object has (438 for the others). Compared without regard to ASCII case. Used on the
// apartment's one thread only.
class MemberNames {
  public:
    DISPID IdOf(const Text& name) {
        Text key = Folded(name);
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            if (keys_[i] == key) {
                return static_cast<DISPID>(i + 1);
            }
        }
        keys_.push_back(key);
        names_.push_back(name);
        return static_cast<DISPID>(keys_.size());
    }
    bool NameOf(DISPID id, Text& name) {
        if (id < 1 || static_cast<std::size_t>(id) > names_.size()) {
            return false;
        }
        name = names_[static_cast<std::size_t>(id) - 1];
        return true;
    }

  private:
    static Text Folded(Text text) {
        for (wchar_t& c : text) {
            if (c >= L'a' && c <= L'z') {
                c = static_cast<wchar_t>(c - 0x20);
            }
        }
        return text;
    }
    std::vector<Text> keys_;
    std::vector<Text> names_;
};

MemberNames& Names() {
    static MemberNames names;
    return names;
}

platform::Variant ToModel(const VARIANT& given) {
    VariantHolder direct;
    VARIANT* value = const_cast<VARIANT*>(&given);  // read only
    if ((V_VT(value) & VT_BYREF) != 0) {
        if (FAILED(VariantCopyInd(direct.Get(), value))) {
            throw platform::StandardFailure(platform::kTypeMismatch);
        }
        value = direct.Get();
    }
    switch (V_VT(value)) {
        case VT_EMPTY:
            return platform::Empty();
        case VT_NULL:
            return platform::Null();
        case VT_BSTR:
            return V_BSTR(value) == nullptr ? Text()
                                            : Text(V_BSTR(value), SysStringLen(V_BSTR(value)));
        case VT_I2:
            return static_cast<std::int16_t>(V_I2(value));
        case VT_BOOL:
            return static_cast<std::int16_t>(V_BOOL(value));
        case VT_I4:
            return static_cast<std::int32_t>(V_I4(value));
        default:
            break;
    }
    VariantHolder text;
    if (FAILED(VariantChangeType(text.Get(), value, 0, VT_BSTR))) {
        throw platform::StandardFailure(platform::kTypeMismatch);
    }
    BSTR converted = V_BSTR(text.Get());
    return converted == nullptr ? Text() : Text(converted, SysStringLen(converted));
}

void FromModel(const platform::Variant& value, VARIANT* target, const AfterCall& afterCall) {
    VariantInit(target);
    if (const auto* text = std::get_if<Text>(&value)) {
        BSTR copy = SysAllocStringLen(text->data(), static_cast<UINT>(text->size()));
        if (copy == nullptr) {
            throw platform::StandardFailure(platform::kOutOfMemory);
        }
        V_VT(target) = VT_BSTR;
        V_BSTR(target) = copy;
    } else if (const auto* i2 = std::get_if<std::int16_t>(&value)) {
        V_VT(target) = VT_I2;
        V_I2(target) = *i2;
    } else if (const auto* i4 = std::get_if<std::int32_t>(&value)) {
        V_VT(target) = VT_I4;
        V_I4(target) = *i4;
    } else if (const auto* object = std::get_if<platform::ObjectRef>(&value)) {
        V_VT(target) = VT_DISPATCH;
        V_DISPATCH(target) =
            *object == nullptr ? nullptr : ModelDispatch::Create(*object, afterCall);
    } else if (std::holds_alternative<platform::ByteArray>(value)) {
        throw platform::StandardFailure(platform::kTypeMismatch);
    } else if (platform::IsNull(value)) {
        V_VT(target) = VT_NULL;
    }
}

// The model's error as automation reports it: a short number travels in the control
// facility, so that the caller gets the number back as it was raised.
HRESULT Raise(const platform::Failure& failure, EXCEPINFO* exception) {
    if (exception == nullptr) {
        return DISP_E_EXCEPTION;
    }
    std::memset(exception, 0, sizeof *exception);
    std::int32_t number = failure.Number();
    exception->scode = number > 0 && number <= 0xFFFF
                           ? MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number)
                           : static_cast<HRESULT>(number);
    exception->bstrSource = SysAllocString(L"ACT!");
    const Text& description = failure.Description();
    exception->bstrDescription =
        SysAllocStringLen(description.data(), static_cast<UINT>(description.size()));
    return DISP_E_EXCEPTION;
}

}  // namespace

ModelDispatch* ModelDispatch::Create(platform::ObjectRef object, AfterCall afterCall) {
    return new ModelDispatch(std::move(object), std::move(afterCall));
}

ModelDispatch::ModelDispatch(platform::ObjectRef object, AfterCall afterCall)
    : object_(std::move(object)), afterCall_(std::move(afterCall)) {}

ModelDispatch::~ModelDispatch() {
    object_.reset();  // the model notes the release
    if (afterCall_) {
        afterCall_(Text());
    }
}

HRESULT STDMETHODCALLTYPE ModelDispatch::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE ModelDispatch::AddRef() {
    return ++references_;
}

ULONG STDMETHODCALLTYPE ModelDispatch::Release() {
    ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT STDMETHODCALLTYPE ModelDispatch::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ModelDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE ModelDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                                       DISPID* ids) {
    if (names == nullptr || ids == nullptr || count == 0) {
        return E_INVALIDARG;
    }
    try {
        ids[0] = Names().IdOf(names[0] == nullptr ? Text() : Text(names[0]));
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    // Named arguments: ACT!'s members take none.
    HRESULT hr = S_OK;
    for (UINT i = 1; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT STDMETHODCALLTYPE ModelDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags,
                                                DISPPARAMS* params, VARIANT* result,
                                                EXCEPINFO* exception, UINT* argumentError) {
    if (params == nullptr || (params->cArgs > 0 && params->rgvarg == nullptr)) {
        return E_INVALIDARG;
    }
    if (argumentError != nullptr) {
        *argumentError = 0;
    }
    Text member;
    HRESULT hr = S_OK;
    try {
        if (id == DISPID_VALUE && (flags & DISPATCH_PROPERTYPUT) != 0) {
            if (params->cArgs != 1) {
                return DISP_E_BADPARAMCOUNT;
            }
            object_->PutDefault(ToModel(params->rgvarg[0]));
        } else {
            if (params->cNamedArgs != 0) {
                return DISP_E_NONAMEDARGS;
            }
            if (!Names().NameOf(id, member)) {
                return DISP_E_MEMBERNOTFOUND;
            }
            std::vector<platform::Argument> args;
            for (UINT i = params->cArgs; i > 0; --i) {
                const VARIANT& given = params->rgvarg[i - 1];
                args.push_back({ToModel(given), (V_VT(&given) & VT_BYREF) != 0});
            }
            // The standard marshaller always hands a result variant over, so the kind of call
            // is told by the flags: a caller that uses the result asks for a property read too.
            platform::CallKind kind = (flags & DISPATCH_PROPERTYGET) != 0
                                          ? platform::CallKind::MethodOrGet
                                          : platform::CallKind::Method;
            std::optional<platform::actmodel::RawResult> raw;
            platform::Variant value =
                platform::actmodel::InvokeKeepingRaw(*object_, member, kind, args, raw);
            if (result != nullptr && raw) {
                FillRaw(result, *raw);
            } else if (result != nullptr) {
                FromModel(value, result, afterCall_);
            }
        }
    } catch (const platform::ServerBusy&) {
        // Busy with this member: the call is rejected, as a message filter rejects it.
        hr = RPC_E_CALL_REJECTED;
    } catch (...) {
        hr = Raise(platform::CurrentFailure(), exception);
    }
    if (afterCall_) {
        afterCall_(member.empty() ? Text(L"=") : member);
    }
    return hr;
}

}  // namespace standin
