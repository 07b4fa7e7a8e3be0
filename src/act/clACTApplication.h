// The program's way to ACT!: a wrapper around ACT!'s automation server.
//
// Every operation stands alone: it tests for ACT!'s main window, creates a fresh application
// object, fetches the views it needs, does its work and releases every reference before it
// returns. When ACT! is not running an operation gives its neutral result without a word; when
// ACT! runs but cannot hand over its objects the user is told, and may be asked to try again.
// An error raised by ACT! is not caught here: it passes to the caller, and the references taken
// so far stay in the fields until the next operation (or the end of the object) lets them go.
// A call that a busy ACT! rejects is made again, and no call waits for ACT! without end
// (ACTGeduld.h).
#pragma once

#include <cstdint>

#include "platform/core/Types.h"
#include "platform/core/Variant.h"

class clACTApplication {
  public:
    clACTApplication() = default;
    clACTApplication(const clACTApplication&) = delete;
    clACTApplication& operator=(const clACTApplication&) = delete;

    // True when ACT!'s main window is present. Never contacts the automation server.
    platform::TruthValue ACTgestartet();
    // The full path of the database ACT! has open; "" when ACT! is not running.
    platform::Text ACTDatenbank();
    // The identifier of ACT!'s current group; "" when ACT! is not running.
    platform::Text AktuelleGruppenID();
    // The identifier of ACT!'s current contact; "" when ACT! is not running.
    platform::Text AktuelleKontaktID();
    // The number of the current field of ACT!'s active view; 0 when there is none to be had.
    std::int32_t AktuelleFeldID();
    // The identifiers of the contacts of ACT!'s current lookup, joined without separator. When
    // Status refers to an object, its default property shows the progress after every contact.
    // The caller's reference is read, never replaced: a message handler that sets it to nothing
    // during the walk ends the progress display.
    platform::Text getIDsAktuelleSuche(const platform::ObjectRef& Status = platform::ObjectRef());
    // Writes a field of the current contact ("kontakt", "contact") or group ("gruppe",
    // "gruppen", "group", "groups"); any other word is warned about and taken as a contact.
    // True when ACT! was reached, whatever ACT! made of the value.
    platform::TruthValue setFeldwert(platform::Text Feldtyp, std::int32_t FeldID,
                                     platform::Text Wert);
    platform::Text getBenutzerID();
    platform::Text AktuellerBenutzerName();
    // Reads a field of the current contact or group; field type words as for setFeldwert.
    platform::Text getFeldwert(platform::Text Feldtyp, std::int32_t FeldID);
    // Makes the identifier list (as getIDsAktuelleSuche gives it) ACT!'s current lookup.
    platform::TruthValue bildeKontaktSuche(platform::Text UniqueIDs);
    platform::TruthValue neuerKontakt();
    // Moves to the contact over all contacts. An identifier of more than 12 characters is
    // refused with failure 5.
    platform::TruthValue gehezuKonatkt(platform::Text UniqueID);
    // Adds ACT!'s current contact to the group with this identifier (at most 12 characters,
    // else failure 5).
    platform::TruthValue ordneKonatktzuGruppe(platform::Text UniqueID);
    // Whether a group has exactly this name (case and blanks count).
    platform::TruthValue GroupExist(platform::Text Gruppenname);
    platform::TruthValue ShowGroupByName(platform::Text Gruppenname, std::int32_t Lookup);
    // Moves to the group with this identifier (at most 12 characters, else failure 5), after
    // looking up all groups when Lookupall_vorweg is true (-1).
    platform::TruthValue ShowGroupByUniqueID(platform::Text UniqueID,
                                             platform::TruthValue Lookupall_vorweg);
    platform::TruthValue DeleteCurrentGroup();
    // Creates a group and names it; a failed creation leaves the name unset.
    platform::TruthValue AddGroup(platform::Text Gruppenname);
    // Adds the contact with this identifier (at most 12 characters, else failure 5) to ACT!'s
    // current group.
    platform::TruthValue AddGroupMember(platform::Text UniqueID);
    // Brings the named tab of ACT!'s group window to the front.
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

    // The frame of every operation that connects: its work runs only when the fetch before it
    // (connection or view) succeeded, else the result is the neutral one; then every reference
    // is released. A failure inside the work passes on without the release.
    template <typename Result, typename Work>
    Result Operation(platform::TruthValue fetched, Result neutral, Work work);

    // Warns about a field type word that names no view, then fetches the view the word names
    // (the contact view for a word that names none). Gives the field that holds the view, or
    // no field when the view could not be had.
    platform::ObjectRef* FetchFieldView(const platform::Text& Feldtyp);

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
