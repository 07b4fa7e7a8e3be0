// The program's start-up module: the command line, the database switch, the layout settings
// and the information mode.
#pragma once

#include <memory>

#include "platform/core/Types.h"

class clACTApplication;
class clShellExecute;

namespace modHaupt {

// How a run ended; the process's exit code.
enum class Laufergebnis {
    Erledigt = 0,    // the run did its job
    Angehalten = 1,  // a message stopped it (missing file, wrong ACT! version, ...)
    Fehler = 2,      // a failure that nothing handled
};

// The state of a run: the module variables.
struct Laufzustand {
    platform::Text strDatenbank;
    platform::Text strKontaktlayout;
    platform::Text strGruppenlayout;
    platform::Text strACTProgramm;
    std::shared_ptr<clACTApplication> objACTApplication;
    std::shared_ptr<clShellExecute> objShellExecute;
    Laufergebnis eLaufergebnis = Laufergebnis::Erledigt;
};

// The program's entry: the information mode without an argument, otherwise the tests of the
// command line and the database switch. Releases both objects at its end, on every path; a
// failure that nothing handled passes on after that.
void Main();

// Splits the argument text into the database path and the two layout paths and tests the
// files. True when the database file and every given layout file exist; false after a message
// that rejects the argument.
platform::TruthValue PruefeBefehlszeile();

// The database switch, once the command line has passed its tests.
void WechsleDatenbank();

// Writes the given layout paths into ACT!'s registry settings.
void SchreibeLayouts();

// The information mode: version, usage and an example command line.
void ZeigeInformationen();

// The state of the current run, for reading.
const Laufzustand& Zustand();

// Empties the state, as at the start of a process.
void Zuruecksetzen();

// Runs Main as the whole program does and gives the exit code: one run at a time in the
// session (Laufsperre.h); a failure that escapes Main is shown in the error box titled with the
// program's name, and the run ends with code 2; a run that the user ended because ACT! or
// another run did not answer ends with code 2 as well.
int Programmlauf();

}  // namespace modHaupt
