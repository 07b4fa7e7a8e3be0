// The workstation check's report: one line per check, each marked OK, Hinweis (a note: works,
// but something should be done) or Fehler (a fault: Quendelhof will not work as it should).
#pragma once

#include <vector>

#include "platform/core/Types.h"

namespace pruefung {

enum class Marke { Ok, Hinweis, Fehler };

struct Zeile {
    Marke marke = Marke::Ok;
    platform::Text punkt;   // what was checked
    platform::Text befund;  // what was found and, where it is not OK, what to do
    friend bool operator==(const Zeile&, const Zeile&) = default;
};

// The line as the report shows it: "[Hinweis] Programmordner: ...".
platform::Text AlsText(const Zeile& zeile);

class Bericht {
  public:
    void Fuege(Zeile zeile) { zeilen_.push_back(std::move(zeile)); }
    const std::vector<Zeile>& Zeilen() const { return zeilen_; }

    // 0 when every line is OK, 1 with at least one note and no fault, 2 with a fault.
    int Exitcode() const;

    // The whole report: the heading, the lines, the tally, joined by CR LF.
    platform::Text Text(const platform::Text& kopf) const;

  private:
    std::vector<Zeile> zeilen_;
};

}  // namespace pruefung
