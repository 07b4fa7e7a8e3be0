#include "ACTGeduld.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ACTFenster.h"
#include "QuendelhofVersion.h"
#include "Wartezeiten.h"
#include "meldungen/ZeigeMeldung.h"
#include "platform/Automation.h"
#include "platform/MessageBox.h"
#include "platform/Waiting.h"

namespace actgeduld {

namespace {

using meldungen::Id;
using platform::Text;

// The farewell of a run that asks nobody (OhneFragen); nothing while the user is asked.
std::optional<platform::WaitPrompt>& StillerAbschied() {
    static std::optional<platform::WaitPrompt> abschied;
    return abschied;
}

const platform::WaitPrompt& AntwortFrage() {
    static const platform::WaitPrompt frage{meldungen::Titel(Id::ACTAntwortetNicht),
                                            meldungen::Wortlaut(Id::ACTAntwortetNicht),
                                            meldungen::Wortlaut(Id::ACTHatNichtGeantwortet),
                                            meldungen::Eintrag(Id::ACTHatNichtGeantwortet).ende};
    return StillerAbschied() ? *StillerAbschied() : frage;
}

// The wait for a release after the run's work is done: no question, no farewell; the run ends
// as done.
const platform::WaitPrompt& SchlussOhneFrage() {
    static const platform::WaitPrompt schluss{QUENDELHOF_PRODUCT_NAME_W, Text(), Text(), 0};
    return schluss;
}

// What the run has said about ACT! for the calls under way (FortGiltAlsNichtGestartet,
// LetzterAufruf), and whether the last call has returned.
struct Lage {
    bool fortGiltAlsNichtGestartet = false;
    bool letzterAufruf = false;
    bool arbeitGetan = false;
};

Lage& DieLage() {
    static Lage lage;
    return lage;
}

bool WeiterVersuchen() {
    return meldungen::ZeigeMeldung(Id::ACTBeschaeftigt) == platform::kIdYes;
}

// Says why the run ends and ends it: nothing of the run happens after this.
[[noreturn]] void BeendeDenLauf(Id abschied) {
    meldungen::ZeigeMeldung(abschied);
    throw platform::ProcessEnded{meldungen::Eintrag(abschied).ende};
}

// Makes the call until ACT! takes it, each attempt watched. A run whose user gives up on a busy
// ACT!, or whose ACT! has gone, ends here.
void MitGeduld(const wartezeiten::Zeiten& zeiten, const std::function<void()>& aufruf) {
    std::uint32_t beginn = platform::TickCount();
    while (true) {
        try {
            platform::WatchedWait(AntwortFrage(), zeiten.antwortMs, aufruf);
            return;
        } catch (const platform::ServerBusy&) {
            if (static_cast<std::uint32_t>(platform::TickCount() - beginn) >=
                zeiten.beschaeftigtMs) {
                if (StillerAbschied()) {
                    throw;
                }
                if (!WeiterVersuchen()) {
                    BeendeDenLauf(Id::ACTWeiterhinBeschaeftigt);
                }
                beginn = platform::TickCount();
                continue;
            }
        } catch (const platform::ServerGone&) {
            if (StillerAbschied()) {
                throw;
            }
            if (actfenster::Vorhanden()) {
                BeendeDenLauf(Id::ACTVerweigertVerbindung);
            }
            if (DieLage().fortGiltAlsNichtGestartet) {
                throw ACTFort{};
            }
            BeendeDenLauf(Id::ACTNichtErreichbar);
        }
        platform::PauseWithMessages(zeiten.wiederholungMs);
    }
}

class GeduldigesObjekt final : public platform::AutomationObject {
  public:
    GeduldigesObjekt(platform::ObjectRef objekt, const wartezeiten::Zeiten& zeiten)
        : objekt_(std::move(objekt)), zeiten_(zeiten) {}
    GeduldigesObjekt(const GeduldigesObjekt&) = delete;
    GeduldigesObjekt& operator=(const GeduldigesObjekt&) = delete;

    ~GeduldigesObjekt() override {
        try {
            const platform::WaitPrompt& prompt =
                DieLage().arbeitGetan ? SchlussOhneFrage() : AntwortFrage();
            platform::WatchedWait(prompt, zeiten_.antwortMs, [this] { objekt_.reset(); });
        } catch (...) {
            // A release has nothing to report. The end of the process after No cannot pass this
            // destructor; where a backend cannot end the process at once (the simulated
            // desktop), nothing of the program takes effect after it.
        }
    }

    platform::Variant Invoke(const Text& member, platform::CallKind kind,
                             const std::vector<platform::Argument>& args) override {
        platform::Variant ergebnis;
        MitGeduld(zeiten_, [&] { ergebnis = objekt_->Invoke(member, kind, args); });
        DieLage().arbeitGetan = DieLage().arbeitGetan || DieLage().letzterAufruf;
        if (auto* objekt = std::get_if<platform::ObjectRef>(&ergebnis);
            objekt != nullptr && *objekt != nullptr) {
            return platform::ObjectRef(
                std::make_shared<GeduldigesObjekt>(std::move(*objekt), zeiten_));
        }
        return ergebnis;
    }

    void PutDefault(const platform::Variant& value) override {
        MitGeduld(zeiten_, [&] { objekt_->PutDefault(value); });
    }

  private:
    platform::ObjectRef objekt_;
    wartezeiten::Zeiten zeiten_;
};

}  // namespace

FortGiltAlsNichtGestartet::FortGiltAlsNichtGestartet() {
    DieLage().fortGiltAlsNichtGestartet = true;
}

FortGiltAlsNichtGestartet::~FortGiltAlsNichtGestartet() {
    DieLage().fortGiltAlsNichtGestartet = false;
}

LetzterAufruf::LetzterAufruf() {
    DieLage().letzterAufruf = true;
    DieLage().arbeitGetan = false;
}

LetzterAufruf::~LetzterAufruf() {
    DieLage().letzterAufruf = false;
    DieLage().arbeitGetan = false;
}

void BeendeWeilACTFort() {
    BeendeDenLauf(Id::ACTNichtErreichbar);
}

void OhneFragen(const platform::WaitPrompt& abschied) {
    StillerAbschied() = abschied;
    StillerAbschied()->question.clear();
}

platform::ObjectRef ErzeugeAnwendung(const Text& progId) {
    const wartezeiten::Zeiten zeiten = wartezeiten::Aktuell();
    platform::ObjectRef anwendung;
    MitGeduld(zeiten, [&] { anwendung = platform::CreateAutomationObject(progId); });
    return std::make_shared<GeduldigesObjekt>(std::move(anwendung), zeiten);
}

}  // namespace actgeduld
