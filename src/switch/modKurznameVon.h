// Short (8.3) forms of paths.
#pragma once

#include "platform/core/Types.h"

namespace modKurznameVon {

// The short form of the path as the system gives it, or the empty text when the path cannot be
// shortened (it does not exist, say) or its short form is too long to be had. A failure inside
// is shown in the error box titled "KurznameVon"; the result is then the empty text.
platform::Text KurznameVon(platform::Text strPfad);

}  // namespace modKurznameVon
