#include "RawResultVariant.h"

#include <objbase.h>
#include <oleauto.h>

#include <cstring>

#include "platform/core/Failure.h"

namespace standin {

namespace {

constexpr std::size_t kValueOffset = 8;

// Storage for what a reference points to, handed over to the marshaller.
void* Storage(std::size_t size) {
    void* storage = CoTaskMemAlloc(size);
    if (storage == nullptr) {
        throw platform::StandardFailure(platform::kOutOfMemory);
    }
    std::memset(storage, 0, size);
    return storage;
}

BSTR Copy(const platform::Text& text) {
    BSTR copy = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (copy == nullptr) {
        throw platform::StandardFailure(platform::kOutOfMemory);
    }
    return copy;
}

// The value itself, as a VARIANT holds it.
void FillValue(VARIANT* target, const platform::RawVariant& raw) {
    std::memset(target, 0, sizeof *target);  // a DISPATCH, too, holds a null pointer
    if (raw.type == VT_DECIMAL) {
        std::memcpy(&V_DECIMAL(target), raw.bytes.data(), sizeof(DECIMAL));
    } else if (raw.type == VT_BSTR) {
        V_BSTR(target) = Copy(raw.text);
    } else if (raw.type != VT_DISPATCH) {
        std::memcpy(reinterpret_cast<unsigned char*>(target) + kValueOffset,
                    raw.bytes.data() + kValueOffset, 8);
    }
    V_VT(target) = raw.type;  // after the DECIMAL, whose first bytes are the type's
}

}  // namespace

void FillRaw(VARIANT* target, const platform::actmodel::RawResult& result) {
    const platform::RawVariant& raw = result.value;
    if (!result.byReference) {
        FillValue(target, raw);
        return;
    }
    VariantInit(target);
    switch (raw.type) {
        case VT_EMPTY:
        case VT_NULL: {
            // Neither has a by-reference form of its own: a reference to a VARIANT holding it.
            auto* inner = static_cast<VARIANT*>(Storage(sizeof(VARIANT)));
            FillValue(inner, raw);
            V_VT(target) = VT_BYREF | VT_VARIANT;
            V_VARIANTREF(target) = inner;
            return;
        }
        case VT_BSTR: {
            auto* text = static_cast<BSTR*>(Storage(sizeof(BSTR)));
            *text = Copy(raw.text);
            V_BSTRREF(target) = text;
            break;
        }
        case VT_DISPATCH:
            V_DISPATCHREF(target) = static_cast<IDispatch**>(Storage(sizeof(IDispatch*)));
            break;
        case VT_DECIMAL: {
            auto* decimal = static_cast<DECIMAL*>(Storage(sizeof(DECIMAL)));
            std::memcpy(decimal, raw.bytes.data(), sizeof(DECIMAL));
            V_DECIMALREF(target) = decimal;
            break;
        }
        default: {
            void* value = Storage(8);
            std::memcpy(value, raw.bytes.data() + kValueOffset, 8);
            V_BYREF(target) = value;
            break;
        }
    }
    V_VT(target) = static_cast<VARTYPE>(raw.type | VT_BYREF);
}

}  // namespace standin
