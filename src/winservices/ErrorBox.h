// The error box of the Windows-service procedures.
#pragma once

#include "platform/Failure.h"
#include "platform/Types.h"

namespace winservices {

// The text of the error box: "Error: <number>. <description>". The user's guide quotes it, and
// a unit test holds the two together.
platform::Text ErrorBoxText(const platform::Text& number, const platform::Text& description);

// Shows the error box's text for the failure in a modal box with an OK button and no icon,
// titled with the name of the procedure in which the failure arose.
void ShowErrorBox(const platform::Text& procedureName, const platform::Failure& failure);

}  // namespace winservices
