#include "VariantConversion.h"

#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <cstring>

#include "../core/Failure.h"
#include "ComHandles.h"

namespace platform::win32 {

namespace {

constexpr std::size_t kValueOffset = 8;  // where a VARIANT's value begins, 32-bit and 64-bit

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
    const SafeArrayAccess access(array);
    const auto* first = static_cast<const std::uint8_t*>(data);
    result.bytes.assign(first, first + (static_cast<std::int64_t>(upper) - lower + 1));
    return result;
}

ObjectRef FromUnknown(IUnknown* unknown) {
    if (unknown == nullptr) {
        return ObjectRef();
    }
    ComPtr<IDispatch> dispatch;
    HRESULT hr = dispatch.QueryFrom(unknown);
    if (FAILED(hr) || !dispatch.Valid()) {
        ThrowComFailure(hr, StandardFailure(kTypeMismatch));
    }
    return WrapDispatch(dispatch.Get());
}

}  // namespace

RawVariant CopyOut(const VARIANT& value) {
    const VARTYPE type = V_VT(&value);
    const bool byReference = (type & VT_BYREF) != 0;
    const VARTYPE base = static_cast<VARTYPE>(type & ~VT_BYREF);
    RawVariant raw;
    raw.type = base;
    if (byReference && V_BYREF(&value) == nullptr) {
        throw StandardFailure(kTypeMismatch);
    }
    switch (base) {
        case VT_EMPTY:
        case VT_NULL:
            if (byReference) {
                throw StandardFailure(kTypeMismatch);
            }
            break;
        case VT_VARIANT: {
            const VARIANT* inner = byReference ? V_VARIANTREF(&value) : nullptr;
            if (inner == nullptr || (V_VT(inner) & VT_BYREF) != 0) {
                throw StandardFailure(kTypeMismatch);
            }
            return CopyOut(*inner);
        }
        case VT_BSTR: {
            BSTR text = byReference ? *V_BSTRREF(&value) : V_BSTR(&value);
            if (text != nullptr) {
                raw.text.assign(text, SysStringLen(text));
            }
            break;
        }
        case VT_DISPATCH:
            raw.object = WrapDispatch(byReference ? *V_DISPATCHREF(&value) : V_DISPATCH(&value));
            break;
        case VT_UNKNOWN:
            raw.object = FromUnknown(byReference ? *V_UNKNOWNREF(&value) : V_UNKNOWN(&value));
            break;
        case VT_ARRAY | VT_UI1:
            raw.array = FromByteArray(byReference ? *V_ARRAYREF(&value) : V_ARRAY(&value));
            break;
        case VT_DECIMAL:
            static_assert(sizeof(DECIMAL) == 16);
            std::memcpy(raw.bytes.data(),
                        byReference ? static_cast<const void*>(V_DECIMALREF(&value))
                                    : static_cast<const void*>(&V_DECIMAL(&value)),
                        sizeof(DECIMAL));
            break;
        default: {
            std::size_t size = PayloadSize(base);
            if (size == 0) {
                throw StandardFailure(kTypeMismatch);
            }
            const void* source =
                byReference ? V_BYREF(&value)
                            : reinterpret_cast<const unsigned char*>(&value) + kValueOffset;
            std::memcpy(raw.bytes.data() + kValueOffset, source, size);
            break;
        }
    }
    return raw;
}

Variant FromVariant(const VARIANT& value) {
    return FromRawVariant(CopyOut(value));
}

void Fill(VARIANT* target, const Variant& value) {
    if (const auto* text = std::get_if<Text>(&value)) {
        BString copy = NewBString(*text);
        V_VT(target) = VT_BSTR;
        V_BSTR(target) = copy.Detach();
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
            const SafeArrayAccess access(array);
            std::memcpy(data, bytes->bytes.data(), bytes->bytes.size());
        }
    } else if (const auto* object = std::get_if<ObjectRef>(&value)) {
        IDispatch* dispatch = nullptr;
        if (*object != nullptr) {
            dispatch = DispatchOf(**object);
            if (dispatch == nullptr) {
                throw StandardFailure(kTypeMismatch);
            }
            dispatch->AddRef();
        }
        V_VT(target) = VT_DISPATCH;
        V_DISPATCH(target) = dispatch;
    } else if (IsNull(value)) {
        V_VT(target) = VT_NULL;
    } else {
        V_VT(target) = VT_EMPTY;
    }
}

}  // namespace platform::win32
