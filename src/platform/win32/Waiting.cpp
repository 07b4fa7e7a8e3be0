#include "../Waiting.h"

#include <windows.h>

#include <algorithm>

#include "../Clipboard.h"
#include "../MessageBox.h"
#include "../Messages.h"
#include "../core/ScopeGuard.h"
#include "Handles.h"
#include "RunLockName.h"

namespace platform {

namespace {

using win32::EnterSection;
using win32::KernelHandle;

constexpr wchar_t kMessageBoxClass[] = L"#32770";
constexpr DWORD kCloseQuestionPollMs = 20;
constexpr DWORD kStopWatchMs = 5000;

// Waits for an object without end while the messages that other programs send to this thread
// (broadcasts to every window, OLE's own) are still answered; posted messages stay queued.
// Gives the result of the wait for the object.
DWORD WaitAnsweringSentMessages(HANDLE object) {
    while (true) {
        DWORD result = MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1) {
            return result;
        }
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // delivers the sent ones
    }
}

// Presses Yes in the message boxes of a thread of this process.
BOOL CALLBACK PressYes(HWND window, LPARAM) {
    wchar_t className[16] = {};
    if (GetClassNameW(window, className, 16) > 0 && lstrcmpW(className, kMessageBoxClass) == 0) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDYES)));
    }
    return TRUE;
}

// The watch over the waits of the program's thread: a thread of its own that waits with a time
// limit while the program's thread is inside a wait. It asks the question itself, since the
// program's thread is blocked, and after No it ends the process itself, without touching what
// the blocked thread holds: a call to a server that does not answer cannot be cancelled (not
// under Wine, not for every server on Windows), and a release of its proxy from another thread
// could block as well. So the process ends by TerminateProcess, which runs no code of the
// program or of its libraries any more (ExitProcess would run their detach code and exit
// handlers on this thread, which would release the blocked thread's objects).
class Watch {
  public:
    Watch()
        : wake_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
          answered_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
        InitializeCriticalSection(&lock_);
        if (wake_.Valid() && answered_.Valid()) {
            thread_ = KernelHandle(CreateThread(nullptr, 0, ThreadMain, this, 0, &threadId_));
        }
    }

    ~Watch() {
        bool stopped = true;
        if (thread_.Valid()) {
            {
                const auto locked = EnterSection(lock_);
                stop_ = true;
            }
            SetEvent(wake_.Get());
            stopped = WaitForSingleObject(thread_.Get(), kStopWatchMs) == WAIT_OBJECT_0;
        }
        if (stopped) {
            DeleteCriticalSection(&lock_);
        }
    }

    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    bool Ready() const { return thread_.Valid(); }

    // The program's thread enters a wait.
    void Begin(const WaitPrompt& prompt, std::uint32_t limitMs) {
        {
            const auto locked = EnterSection(lock_);
            waiting_ = true;
            prompt_ = &prompt;
            limitMs_ = std::max<std::uint32_t>(limitMs, 1);
            periodStart_ = GetTickCount();
        }
        SetEvent(wake_.Get());
    }

    // The program's thread is back from its wait. An open question is answered Yes here, and
    // the watch is waited for, so that the run goes on with no box of the watch left open.
    void End() {
        Phase phase;
        {
            const auto locked = EnterSection(lock_);
            waiting_ = false;
            prompt_ = nullptr;
            phase = phase_;
        }
        SetEvent(wake_.Get());
        if (phase == Phase::Ending) {
            // The user has given up: the watch ends the process.
            WaitAnsweringSentMessages(thread_.Get());
        } else if (phase == Phase::Asking) {
            do {
                EnumThreadWindows(threadId_, PressYes, 0);
            } while (WaitForSingleObject(answered_.Get(), kCloseQuestionPollMs) == WAIT_TIMEOUT);
        }
    }

  private:
    enum class Phase { Watching, Asking, Ending };

    static DWORD WINAPI ThreadMain(LPVOID self) {
        static_cast<Watch*>(self)->Run();
        return 0;
    }

    void Run() {
        while (true) {
            WaitPrompt prompt;
            bool ask = false;
            DWORD timeout = INFINITE;
            {
                const auto locked = EnterSection(lock_);
                if (stop_) {
                    return;
                }
                if (waiting_) {
                    DWORD elapsed = GetTickCount() - periodStart_;
                    if (elapsed >= limitMs_) {
                        phase_ = Phase::Asking;
                        prompt = *prompt_;
                        ask = true;
                    } else {
                        timeout = limitMs_ - elapsed;
                    }
                }
            }
            if (!ask) {
                if (WaitForSingleObject(wake_.Get(), timeout) == WAIT_FAILED) {
                    return;
                }
                continue;
            }
            // A box that cannot be shown answers No; a prompt without a question is answered
            // No at once.
            std::int32_t answer = prompt.question.empty()
                                      ? kIdNo
                                      : ShowMessageBox(prompt.question, prompt.title,
                                                       kMbYesNo | kMbIconExclamation | kMbInFront);
            bool over = false;
            bool end = false;
            {
                const auto locked = EnterSection(lock_);
                if (!waiting_) {
                    // The wait ended while the question was open: the run goes on.
                    over = true;
                    phase_ = Phase::Watching;
                } else if (answer == kIdYes) {
                    phase_ = Phase::Watching;
                    periodStart_ = GetTickCount();
                } else {
                    end = true;
                    phase_ = Phase::Ending;
                }
            }
            if (over) {
                SetEvent(answered_.Get());
            } else if (end) {
                if (prompt.farewellOnClipboard) {
                    static_cast<void>(PutTextOnClipboard(prompt.farewell));  // shown either way
                }
                if (!prompt.farewell.empty()) {
                    ShowMessageBox(prompt.farewell, prompt.title,
                                   kMbOk | kMbIconExclamation | kMbInFront);
                }
                TerminateProcess(GetCurrentProcess(), static_cast<UINT>(prompt.exitCode));
                ExitProcess(static_cast<UINT>(prompt.exitCode));
            }
        }
    }

    CRITICAL_SECTION lock_;
    KernelHandle wake_;      // a wait began or ended, or the watch is to stop
    KernelHandle answered_;  // the watch is done with a question whose wait has ended
    KernelHandle thread_;
    DWORD threadId_ = 0;
    // Guarded by lock_:
    bool stop_ = false;
    bool waiting_ = false;
    const WaitPrompt* prompt_ = nullptr;
    std::uint32_t limitMs_ = 1;
    DWORD periodStart_ = 0;
    Phase phase_ = Phase::Watching;
};

Watch& TheWatch() {
    static Watch watch;
    return watch;
}

KernelHandle& HeldRunLock() {
    static KernelHandle lock;
    return lock;
}

}  // namespace

std::uint32_t TickCount() {
    return GetTickCount();
}

void PauseWithMessages(std::uint32_t milliseconds) {
    const DWORD start = GetTickCount();
    while (true) {
        DoEvents();
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) {
            return;
        }
        MSG quit;
        if (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
            // A quit request stays queued and would wake every wait for messages at once.
            Sleep(milliseconds - elapsed);
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

void WatchedWait(const WaitPrompt& prompt, std::uint32_t limitMs,
                 const std::function<void()>& wait) {
    // One thread waits at a time: the program's. A wait inside a wait is watched already.
    static bool inWait = false;
    Watch& watch = TheWatch();
    if (inWait || !watch.Ready()) {
        wait();
        return;
    }
    inWait = true;
    watch.Begin(prompt, limitMs);
    const ScopeGuard watched([&watch] {
        watch.End();
        inWait = false;
    });
    wait();
}

void TakeRunLock(const WaitPrompt& prompt, std::uint32_t limitMs) {
    KernelHandle mutex(CreateMutexW(nullptr, FALSE, win32::kRunLockName));
    if (!mutex.Valid()) {
        return;
    }
    bool held = false;
    WatchedWait(prompt, limitMs, [&mutex, &held] {
        DWORD result = WaitAnsweringSentMessages(mutex.Get());
        // Abandoned: its holder ended without giving it back; it is ours now all the same.
        held = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED_0;
    });
    if (held) {
        HeldRunLock() = std::move(mutex);
    }
}

void ReturnRunLock() {
    KernelHandle& lock = HeldRunLock();
    if (lock.Valid()) {
        ReleaseMutex(lock.Get());
        lock.Reset();
    }
}

}  // namespace platform
