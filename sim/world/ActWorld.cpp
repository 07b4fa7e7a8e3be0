#include "ActWorld.h"

#include "sim/act/ActIni.h"
#include "sim/desktop/SimAct.h"

namespace platform::sim {

void ReadActState(std::istream& in) {
    actmodel::ReadActIni(in, Act().State());
}

void WriteActState(std::ostream& out) {
    actmodel::WriteActIni(out, Act().State());
}

}  // namespace platform::sim
