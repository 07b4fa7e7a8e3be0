#include "modKurznameVon.h"

#include <string>

#include "platform/ShortPath.h"
#include "platform/core/Ansi.h"
#include "platform/core/Failure.h"
#include "winservices/ErrorBox.h"

namespace modKurznameVon {

namespace {

constexpr std::uint32_t kPufferlaenge = 255;

// Asks the system for the short form with a buffer of the given length, filled with blanks.
// Gives the short form, or nothing when it did not fit and needs the returned size.
std::string KurzformMitPuffer(const platform::Text& strPfad, std::uint32_t laenge,
                              std::uint32_t& benoetigt) {
    std::string puffer(laenge, ' ');
    std::uint32_t n = platform::GetShortPathNameA(strPfad, puffer.data(), laenge);
    if (n >= laenge) {
        benoetigt = n;
        return std::string();
    }
    benoetigt = 0;
    return puffer.substr(0, n);
}

}  // namespace

platform::Text KurznameVon(platform::Text strPfad) {
    try {
        std::uint32_t benoetigt = 0;
        std::string kurzform = KurzformMitPuffer(strPfad, kPufferlaenge, benoetigt);
        if (benoetigt != 0) {
            // The short form is longer than the buffer: ask once more with the size the
            // system named. The blanks of the first buffer are never an answer.
            kurzform = KurzformMitPuffer(strPfad, benoetigt, benoetigt);
            if (benoetigt != 0) {
                return platform::Text();
            }
        }
        return platform::FromAnsi(kurzform);
    } catch (...) {
        winservices::ShowErrorBox(L"KurznameVon", platform::CurrentFailure());
        return platform::Text();
    }
}

}  // namespace modKurznameVon
