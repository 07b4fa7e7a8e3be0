// A result of the stand-in's settings as a real VARIANT: any type, by value or by reference.
#pragma once

#include <oaidl.h>

#include "sim/act/ActState.h"

namespace standin {

// Fills an empty VARIANT. What a reference points to is allocated with CoTaskMemAlloc, as the
// marshaller that hands the result over frees it.
void FillRaw(VARIANT* target, const platform::actmodel::RawResult& result);

}  // namespace standin
