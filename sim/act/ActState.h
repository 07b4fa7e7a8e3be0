// The state of the simulated ACT! 6: what a test sets up and reads back, the knobs that make it
// misbehave, and the journal of every call made on its automation objects.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "platform/core/RawVariant.h"
#include "platform/core/Types.h"
#include "platform/core/Variant.h"

namespace platform::actmodel {

// ACT!'s main window as the desktop shows it while ACT! runs.
struct MainWindow {
    Text className = L"ACT3.0FrameClass";
    Text caption = L"ACT! - Kundenmanager";
    bool visible = true;
    bool minimised = false;
    // After a start, the window shows only this many milliseconds later, as a slow ACT!'s does.
    std::int64_t appearsAfterMs = 0;
};

// A contact; its identifier is field 1.
struct Contact {
    Text id;
    std::map<std::int32_t, Text> fields;  // every field but 1
};

// A group; its name is field 25.
struct Group {
    Text id;
    std::map<std::int32_t, Text> fields;  // 25 is the name
    std::vector<Text> members;            // contact identifiers, unpadded
};

// An error that a member raises: every time (times < 0) or for the next `times` calls.
struct Fault {
    std::int32_t number = 0;
    Text description;
    int times = -1;
};

// A length of time that never ends: a busy spell for ever, a member that never answers.
inline constexpr std::int64_t kNever = -1;

// A spell in which ACT! is busy and rejects calls without carrying them out: forMs milliseconds
// (kNever: for ever), counted from the first call it rejects.
struct BusySpell {
    std::int64_t forMs = 0;
    std::optional<std::uint32_t> since;  // the clock when the spell began
};

// A result as the automation server hands it over: any VARIANT type, by value or by reference.
struct RawResult {
    RawVariant value;
    bool byReference = false;
};

// Kinds of calls as the journal shows them.
enum class JournalCallKind { MethodOrGet, Method, PutDefault };

enum class JournalEvent { Create, Release, Call };

// One argument as it arrived: its type (I2, I4, BSTR, EMPTY, NULL, OBJ, BYTES), whether by
// reference, and its value as text.
struct RecordedArgument {
    Text type;
    bool byReference = false;
    Text value;
    friend bool operator==(const RecordedArgument&, const RecordedArgument&) = default;
};

struct JournalEntry {
    JournalEvent event = JournalEvent::Call;
    Text object;     // App, Views, ActiveView, ContactView, GroupView, Status
    int serial = 0;  // which object of the run: 1 for the first one made
    Text member;     // as the caller spelt it; empty for create, release and put
    JournalCallKind kind = JournalCallKind::MethodOrGet;
    std::vector<RecordedArgument> args;
};

// Identifiers are delivered padded with blanks to this width, and compared in that form.
inline constexpr std::size_t kIdWidth = 12;

// View types of ACT!.
inline constexpr std::int32_t kContactViewType = 1;
inline constexpr std::int32_t kGroupViewType = 3;

struct ActState {
    // ACT! itself.
    bool running = false;
    MainWindow window;
    Text version = L"6.0";
    Text openDatabase;  // empty: no database open
    Text userId = L"ADMIN";
    Text userName = L"Anna Berger";

    // The active view.
    std::int32_t activeViewType = kContactViewType;
    std::int32_t currentFieldId = 0;

    // Contacts and ACT!'s current contact lookup (identifiers in order) with its position.
    std::vector<Contact> contacts;
    std::vector<Text> contactLookup;
    std::size_t contactPosition = 0;

    // Groups and the current group lookup with its position.
    std::vector<Group> groups;
    std::vector<Text> groupLookup;
    std::size_t groupPosition = 0;
    Text activeGroupTab;

    // Texts put into the default property of status objects: all of them in order (while
    // recording), how many were put, and the last one.
    std::vector<Text> statusTexts;
    std::size_t statusWrites = 0;
    Text lastStatusText;

    // Knobs for faults.
    std::map<Text, Fault> faults;        // by "Object.Member", e.g. "App.GetVersion"
    std::optional<Fault> creationFault;  // raised by the creation of the application object
    int viewsNothing = 0;                // Views gives nothing for the next calls
    int activeViewNothing = 0;           // GetActive gives nothing for the next calls
    int contactViewNothing = 0;          // Create(1, 2) gives nothing for the next calls
    int groupViewNothing = 0;            // Create(3, 2) gives nothing for the next calls
    std::int32_t closeDbResult = 0;      // what CloseDB gives; the database stays open unless 0
    std::map<Text, Variant> resultOverrides;  // by "Object.Member": given instead of the
                                              // member's own result, after its effect
    std::map<Text, RawResult> rawResults;     // likewise, in the form a server hands over;
                                              // the program's form is made of it as the
                                              // Windows backend makes it (FromRawVariant)

    // Knobs for a busy or slow ACT!.
    std::optional<BusySpell> busy;          // every call and the creation of the application
    std::map<Text, BusySpell> busyMembers;  // by "Object.Member"
    std::map<Text, std::int64_t> delays;    // by "Object.Member": the milliseconds it takes
                                            // before it answers (kNever: it never answers);
                                            // "Object.Release": the last release of the object,
                                            // "Object.Release.N": that of the Nth object made
                                            // takes them
    int rejectedCalls = 0;                  // how many calls a busy ACT! rejected

    // Knobs for an ACT! that ends in the middle of a call (it crashed, or it was ended).
    std::set<Text> crashes;  // by "Object.Member": ACT!'s process ends inside the member
    bool gone = false;       // it has ended so: every call fails with ServerGone

    // How whoever serves the model keeps time: its clock in milliseconds, and how a slow member
    // takes its time (given the milliseconds or kNever). Without a clock a busy spell never
    // ends; without takeTime a slow member answers at once.
    std::function<std::uint32_t()> clock;
    std::function<void(std::int64_t)> takeTime;
    // How it ends ACT!'s process inside a member (crashes); the call then fails with ServerGone
    // should it return.
    std::function<void()> endProcess;

    // Every create, release and call, in order, while recording is on. Long runs (a walk over a
    // million contacts) switch it off; then neither the journal nor statusTexts grow.
    std::vector<JournalEntry> journal;
    bool recording = true;
    int objectsMade = 0;
    int idsMade = 0;
};

// The database that ACT! opens for the argument of its command line: the argument without the
// blanks around it and without the double quotes around a path that holds a blank.
Text DatabaseOfArgument(const Text& argument);

// The identifier padded with blanks to kIdWidth (longer ones stay as they are).
Text PaddedId(const Text& id);

// Whether the two identifiers are the same once padded (without making the padded forms).
bool SamePaddedId(const Text& a, const Text& b);

}  // namespace platform::actmodel
