// The error box of the Windows-service procedures.
#pragma once

#include "platform/core/Failure.h"
#include "platform/core/Types.h"

namespace winservices {

// Shows the error box for the failure (meldungen::Id::Fehlerfenster: "Error: <number>.
// <description>", OK, no icon), titled with the name of the procedure in which it arose.
void ShowErrorBox(const platform::Text& procedureName, const platform::Failure& failure);

}  // namespace winservices
