// How long the program waits for ACT! and for another run before it asks the user: the one
// place for these times.
#pragma once

#include <cstdint>

#include "platform/core/Types.h"

namespace wartezeiten {

// A call to ACT! (or the wait for another run of the program) that has not returned after this
// time gets the question whether to wait on. Long enough for ACT! to open a large database.
inline constexpr std::uint32_t kAntwortMs = 30000;
// A call that a busy ACT! rejects is tried again for this time before the user is asked
// whether to keep trying,
inline constexpr std::uint32_t kBeschaeftigtMs = 10000;
// once in this time, dispatching window messages in between.
inline constexpr std::uint32_t kWiederholungMs = 250;

// The environment variable that sets other times, for slow ACT! databases and for tests:
// "hang=SECONDS,busy=SECONDS" (either part may be left out, in any order; commas, semicolons
// or blanks between them). SECONDS is a number with up to three decimals after a point or a
// decimal comma ("hang=2,5": a comma between two digits belongs to the number), from 0.1 to
// 86400. A part that cannot be read keeps its time above.
inline constexpr const wchar_t* kVariable = L"QUENDELHOF_WAIT";

struct Zeiten {
    std::uint32_t antwortMs = kAntwortMs;
    std::uint32_t beschaeftigtMs = kBeschaeftigtMs;
    std::uint32_t wiederholungMs = kWiederholungMs;  // never longer than beschaeftigtMs
    friend bool operator==(const Zeiten&, const Zeiten&) = default;
};

// The times that the text of the environment variable sets.
Zeiten AusText(const platform::Text& text);

// The times of this process: those of the environment variable, or the constants above.
Zeiten Aktuell();

}  // namespace wartezeiten
