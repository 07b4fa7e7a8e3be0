// Owning handles for the COM types the automation layer uses: BSTR, VARIANT, interface
// pointers and the access to a safe array's data.
#pragma once

#include <oaidl.h>
#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <string>
#include <utility>

#include "Handles.h"

namespace platform::win32 {

// A BSTR that is freed when the holder goes.
class BString {
  public:
    BString() = default;
    explicit BString(const std::wstring& text);
    // Takes over a BSTR that someone handed over.
    static BString Adopt(BSTR value) {
        BString owned;
        owned.value_ = value;
        return owned;
    }
    ~BString() { SysFreeString(value_); }
    BString(BString&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
    BString& operator=(BString&& other) noexcept {
        if (this != &other) {
            SysFreeString(value_);
            value_ = std::exchange(other.value_, nullptr);
        }
        return *this;
    }
    BString(const BString&) = delete;
    BString& operator=(const BString&) = delete;

    BSTR Get() const { return value_; }
    // Hands the BSTR over to whoever frees it next (a VARIANT, for example).
    [[nodiscard]] BSTR Release() { return std::exchange(value_, nullptr); }
    std::wstring Text() const {
        return value_ == nullptr ? std::wstring() : std::wstring(value_, SysStringLen(value_));
    }

  private:
    BSTR value_ = nullptr;
};

// A VARIANT that is cleared when the holder goes.
class VariantHolder {
  public:
    VariantHolder() { VariantInit(&value_); }
    ~VariantHolder() { VariantClear(&value_); }
    VariantHolder(VariantHolder&& other) noexcept : value_(other.Release()) {}
    VariantHolder& operator=(VariantHolder&& other) noexcept {
        if (this != &other) {
            VariantClear(&value_);
            value_ = other.Release();
        }
        return *this;
    }
    VariantHolder(const VariantHolder&) = delete;
    VariantHolder& operator=(const VariantHolder&) = delete;

    VARIANT* Get() { return &value_; }
    const VARIANT* Get() const { return &value_; }

    // Frees what is held; the holder is empty again.
    void Reset() {
        VariantClear(&value_);
        VariantInit(&value_);
    }

    // Hands what is held over to whoever clears it next; the holder is empty again.
    [[nodiscard]] VARIANT Release() {
        VARIANT released = value_;
        VariantInit(&value_);
        return released;
    }

  private:
    VARIANT value_;
};

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
    explicit operator bool() const { return pointer_ != nullptr; }
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
