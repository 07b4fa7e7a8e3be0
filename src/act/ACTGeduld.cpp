#include "ACTGeduld.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ACTMeldungstexte.h"
#include "QuendelhofVersion.h"
#include "Wartezeiten.h"
#include "platform/Automation.h"
#include "platform/MessageBox.h"
#include "platform/Waiting.h"

namespace actgeduld {

namespace {

using platform::Text;

// The exit code of a run that the user ended because ACT! did not answer: that of a failure
// that nothing handled.
constexpr int kAbbruch = 2;

// The farewell of a run that asks nobody (OhneFragen); nothing while the user is asked.
std::optional<platform::WaitPrompt>& StillerAbschied() {
    static std::optional<platform::WaitPrompt> abschied;
    return abschied;
}

const platform::WaitPrompt& AntwortFrage() {
    static const platform::WaitPrompt frage{QUENDELHOF_PRODUCT_NAME_W,
                                            actmeldungstext::kACTAntwortetNicht,
                                            actmeldungstext::kACTHatNichtGeantwortet, kAbbruch};
    return StillerAbschied() ? *StillerAbschied() : frage;
}

// The boxes about ACT! in front of ACT!'s window, which a busy or hung ACT! may keep on top.
constexpr std::uint32_t kVorn = platform::kMbInFront;

bool WeiterVersuchen() {
    return platform::ShowMessageBox(actmeldungstext::kACTBeschaeftigt, QUENDELHOF_PRODUCT_NAME_W,
                                    platform::kMbYesNo | platform::kMbIconExclamation | kVorn) ==
           platform::kIdYes;
}

// Says why the run ends and ends it: nothing of the run happens after this.
[[noreturn]] void BeendeDenLauf(const Text& abschied) {
    platform::ShowMessageBox(abschied, QUENDELHOF_PRODUCT_NAME_W,
                             platform::kMbOk | platform::kMbIconExclamation | kVorn);
    throw platform::ProcessEnded{kAbbruch};
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
                    BeendeDenLauf(actmeldungstext::kACTWeiterhinBeschaeftigt);
                }
                beginn = platform::TickCount();
                continue;
            }
        } catch (const platform::ServerGone&) {
            if (StillerAbschied()) {
                throw;
            }
            BeendeDenLauf(actmeldungstext::kACTNichtErreichbar);
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
            platform::WatchedWait(AntwortFrage(), zeiten_.antwortMs, [this] { objekt_.reset(); });
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
