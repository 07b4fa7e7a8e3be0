// Between the VARIANTs of automation calls and the program's values. The Windows side only copies
// a VARIANT's bytes, string, byte array or object out (reading through a reference); what they
// become is decided by FromRawVariant, the same on every platform.
#pragma once

#include <oaidl.h>

#include "../Automation.h"
#include "../core/RawVariant.h"

namespace platform::win32 {

// The program's value of a result. Failures as FromRawVariant raises them; failure 13 as well
// for a null reference, a reference to a reference, a byte array that is not one-dimensional and
// an object without a dispatch interface; ServerBusy or ServerGone when asking the object for
// its dispatch interface finds its server busy or gone.
// Nothing is freed: the VARIANT stays the caller's, and what a reference points to stays its
// owner's.
Variant FromVariant(const VARIANT& value);

// The raw form of a VARIANT, as FromVariant takes it.
RawVariant CopyOut(const VARIANT& value);

// Fills an empty VARIANT with a value of the program; it owns what it holds from then on.
void Fill(VARIANT* target, const Variant& value);

// Defined with the automation objects: the program's object for a dispatch pointer (nothing for
// a null one; the reference is counted anew), and the dispatch pointer of one of them (null for
// an object of another kind).
ObjectRef WrapDispatch(IDispatch* dispatch);
IDispatch* DispatchOf(const AutomationObject& object);

// Throws the failure of a COM call that gave the result: as ServerBusy when the server is busy,
// as ServerGone when it is gone, as it is otherwise.
[[noreturn]] void ThrowComFailure(HRESULT hr, const Failure& failure);

}  // namespace platform::win32
