// Owning handles for the COM types the automation layer uses: BSTR, VARIANT, interface
// pointers and the access to a safe array's data.
#pragma once

#include <oaidl.h>
#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <string>
#include <utility>

#include "../core/UniqueStruct.h"
#include "Handles.h"

namespace platform::win32 {

// The functions that give the COM kinds back, each keeping the last error, as in Handles.h.
inline void FreeBString(BSTR text) {
    const LastErrorKept kept;
    ::SysFreeString(text);
}
inline void InitVariant(VARIANT* value) {
    ::VariantInit(value);
}
inline void ClearVariant(VARIANT* value) {
    const LastErrorKept kept;
    ::VariantClear(value);
}

// A BSTR that is freed when the holder goes.
using BString = UniqueHandle<BSTR, FreeBString>;

// A new BSTR with a copy of the text; throws when the memory cannot be had.
[[nodiscard]] BString NewBString(const std::wstring& text);

// The text of a BSTR; none is the empty text.
inline std::wstring TextOf(const BString& text) {
    return text.Valid() ? std::wstring(text.Get(), ::SysStringLen(text.Get())) : std::wstring();
}

// A VARIANT that is cleared when the holder goes.
using VariantHolder = UniqueStruct<VARIANT, InitVariant, ClearVariant>;

// A counted interface pointer.
template <typename Interface>
class ComPtr {
  public:
    ComPtr() = default;
    // Takes over a reference that was already counted for us.
    static ComPtr Adopt(Interface* pointer) {
        ComPtr owned;
        owned.pointer_ = pointer;
        return owned;
    }
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
        if (pointer_ != nullptr) {
            pointer_->AddRef();
        }
    }
    ComPtr& operator=(const ComPtr& other) {
        ComPtr copy(other);
        std::swap(pointer_, copy.pointer_);
        return *this;
    }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        ComPtr moved(std::move(other));
        std::swap(pointer_, moved.pointer_);
        return *this;
    }

    void Reset() {
        if (pointer_ != nullptr) {
            std::exchange(pointer_, nullptr)->Release();
        }
    }
    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    bool Valid() const { return pointer_ != nullptr; }
    // For functions that hand out a new reference; releases what was held.
    Interface** Receive() {
        Reset();
        return &pointer_;
    }

    // Asks the object for this pointer's interface, as QueryInterface does; holds the new
    // reference, or nothing. The interface's id comes from the pointer's type, as with
    // IID_PPV_ARGS, so that id and pointer cannot disagree. What was held is released only after
    // the question: the object may be the one held.
    HRESULT QueryFrom(IUnknown* object) {
        ComPtr queried;
        HRESULT hr = object->QueryInterface(__uuidof(Interface), queried.ReceiveUntyped());
        std::swap(pointer_, queried.pointer_);
        return hr;
    }

    // Creates an object of the class and holds this pointer's interface of it, as
    // CoCreateInstance does; holds nothing when that fails.
    HRESULT CreateInstance(REFCLSID clsid, DWORD context) {
        return CoCreateInstance(clsid, nullptr, context, __uuidof(Interface), ReceiveUntyped());
    }

  private:
    void** ReceiveUntyped() { return reinterpret_cast<void**>(Receive()); }

    Interface* pointer_ = nullptr;
};

inline void UnaccessSafeArray(SAFEARRAY* array) {
    const LastErrorKept kept;
    SafeArrayUnaccessData(array);
}

// Access to a safe array's data (SafeArrayAccessData), given up when the holder goes.
using SafeArrayAccess = UniqueHandle<SAFEARRAY*, UnaccessSafeArray>;

}  // namespace platform::win32
