// The entry of QuendelhofPruefung.exe; it takes the place of Quendelhof.exe's own.
#include "platform/Entry.h"
#include "Pruefungslauf.h"

namespace quendelhof {

int Run() {
    return pruefung::Pruefungslauf();
}

}  // namespace quendelhof
