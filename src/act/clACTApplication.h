// The program's way to ACT!: a wrapper around ACT!'s automation server.
//
// Every operation stands alone: it tests for ACT!'s main window, creates a fresh application
// object, fetches the views it needs, does its work and releases every reference before it
// returns. When ACT! is not running an operation gives its neutral result without a word; when
// ACT! runs but cannot hand over its objects the user is told, and may be asked to try again.
// An error raised by ACT! is not caught here: it passes to the caller, and the references taken
// so far stay in the fields until the next operation (or the end of the object) lets them go.
#pragma once

#include <cstdint>

#include "platform/Types.h"
#include "platform/Variant.h"

class clACTApplication {
  public:
    clACTApplication() = default;
    clACTApplication(const clACTApplication&) = delete;
    clACTApplication& operator=(const clACTApplication&) = delete;

    // True when ACT!'s main window is present. Never contacts the automation server.
    platform::TruthValue ACTgestartet();
    // The full path of the database ACT! has open; "" when ACT! is not running.
    platform::Text ACTDatenbank();
    platform::Text AktuelleGruppenID();
    platform::Text AktuelleKontaktID();
    std::int32_t AktuelleFeldID();
    platform::Text getIDsAktuelleSuche();
    platform::Text getIDsAktuelleSuche(platform::ObjectRef& Status);
    platform::TruthValue setFeldwert(platform::Text Feldtyp, std::int32_t FeldID,
                                     platform::Text Wert);
    platform::Text getBenutzerID();
    platform::Text AktuellerBenutzerName();
    platform::Text getFeldwert(platform::Text Feldtyp, std::int32_t FeldID);
    platform::TruthValue bildeKontaktSuche(platform::Text UniqueIDs);
    platform::TruthValue neuerKontakt();
    platform::TruthValue gehezuKonatkt(platform::Text UniqueID);
    platform::TruthValue ordneKonatktzuGruppe(platform::Text UniqueID);
    platform::TruthValue GroupExist(platform::Text Gruppenname);
    platform::TruthValue ShowGroupByName(platform::Text Gruppenname, std::int32_t Lookup);
    platform::TruthValue ShowGroupByUniqueID(platform::Text UniqueID,
                                             platform::TruthValue Lookupall_vorweg);
    platform::TruthValue DeleteCurrentGroup();
    platform::TruthValue AddGroup(platform::Text Gruppenname);
    platform::TruthValue AddGroupMember(platform::Text UniqueID);
    platform::TruthValue ShowGroupRegister(platform::Text Registername);
    // ACT!'s version text as ACT! gives it; "" when ACT! is not running.
    platform::Text ACTVersion();
    // The type of ACT!'s active view; -1 when no active view could be had.
    std::int32_t aktuellerViewTyp();
    // Asks ACT! to open the database file; the result is always empty.
    platform::Variant OpenDatenbank(platform::Text sDatenbank);
    // Asks ACT! to close its database; true only when ACT! reports success.
    platform::TruthValue CloseDatenbank();

    // For diagnostics and tests only: which object fields hold a reference at the moment.
    struct HeldObjects {
        bool objACT = false;
        bool objActiveView = false;
        bool objViews = false;
        bool objContactView = false;
        bool objGroupView = false;
        bool Any() const {
            return objACT || objActiveView || objViews || objContactView || objGroupView;
        }
        friend bool operator==(const HeldObjects&, const HeldObjects&) = default;
    };
    HeldObjects DiagnoseHeldObjects() const;

  private:
    void ReleaseObjects();
    platform::TruthValue ConnectACT();
    platform::TruthValue GetViews();
    platform::TruthValue GetActiveView();
    platform::TruthValue GetContactView();
    platform::TruthValue GetGroupView();

    // The retry loop of the three view procedures: fetch into field until ACT! delivers or the
    // user gives up.
    template <typename Fetch>
    platform::TruthValue FetchView(platform::ObjectRef& field, Fetch fetch);

    platform::ObjectRef objACT;
    platform::ObjectRef objActiveView;
    platform::ObjectRef objViews;
    platform::ObjectRef objContactView;
    platform::ObjectRef objGroupView;
};
