// The entry of QuendelhofPruefung.exe; it takes the place of Quendelhof.exe's own.
#include "Pruefungslauf.h"
#include "platform/Entry.h"

namespace quendelhof {

int Run() {
    return pruefung::Pruefungslauf();
}

}  // namespace quendelhof
