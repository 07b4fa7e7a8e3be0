#include "Existenztest.h"

#include "platform/FileSearch.h"
#include "platform/core/Ansi.h"

namespace modHaupt {

bool DateiExistiert(const platform::Text& strPfad) {
    if (strPfad.empty() || !platform::IsAnsiRepresentable(strPfad)) {
        return false;
    }
    constexpr std::uint32_t kNotOrdinary = platform::kFileAttributeDirectory |
                                           platform::kFileAttributeHidden |
                                           platform::kFileAttributeSystem;
    platform::FileSearch search(strPfad);
    while (std::optional<platform::FoundFile> found = search.Next()) {
        if ((found->attributes & kNotOrdinary) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace modHaupt
