// The error box of the Windows-service procedures.
#pragma once

#include "platform/Failure.h"
#include "platform/Types.h"

namespace winservices {

// Shows "Error: <number>. <description>" in a modal box with an OK button and no icon, titled
// with the name of the procedure in which the failure arose.
void ShowErrorBox(const platform::Text& procedureName, const platform::Failure& failure);

}  // namespace winservices
