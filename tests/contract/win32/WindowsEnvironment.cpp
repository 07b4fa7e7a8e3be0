// The contract tests' environment on Windows: the real system, in a scratch place of the test
// process's own (a fresh folder in the temp folder, a fresh key under Software, windows of this
// process), cleared again after each test. What another program or run would do (hold the
// clipboard, hold the run lock) a thread of this process does.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "contract/PortEnvironment.h"
#include "platform/win32/Handles.h"
#include "platform/win32/RunLockName.h"
#include "tools/ClipboardText.h"
#include "tools/RegistryTree.h"

namespace portcontract {
namespace {

using platform::win32::KernelHandle;

using RegistryKey = platform::win32::RegistryKeyHandle;
using OwnWindow = platform::win32::OwnedWindow;

// The product's name of the run lock, as every run sees it.
constexpr DWORD kThreadEndMs = 10000;

HKEY ToHkey(Handle32 key) {
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(key));
}

HWND ToHwnd(Handle32 window) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(window));
}

std::string ToAnsi(const Text& text) {
    if (text.empty()) {
        return std::string();
    }
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

// Whether the system has a 64-bit view of the registry beside the 32-bit one.
bool HasSixtyFourBitView() {
    if constexpr (sizeof(void*) == 8) {
        return true;
    }
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

// A thread of this process that stands for another program or run; it ends when its job does.
class Other {
  public:
    using Job = DWORD(WINAPI*)(void*);
    void Start(Job job, void* state) {
        thread_.Reset(CreateThread(nullptr, 0, job, state, 0, nullptr));
        EXPECT_TRUE(thread_.Valid());
    }
    void Join() {
        if (thread_.Valid()) {
            EXPECT_EQ(WaitForSingleObject(thread_.Get(), kThreadEndMs), WAIT_OBJECT_0);
            thread_.Reset();
        }
    }

  private:
    KernelHandle thread_;
};

KernelHandle NewEvent() {
    return KernelHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
}

// Another program with the clipboard open until it is told to let go.
struct ClipboardHolder {
    KernelHandle opened = NewEvent();
    KernelHandle letGo = NewEvent();
    static DWORD WINAPI Run(void* self) {
        auto* holder = static_cast<ClipboardHolder*>(self);
        bool open = OpenClipboard(nullptr) != FALSE;
        SetEvent(holder->opened.Get());
        WaitForSingleObject(holder->letGo.Get(), INFINITE);
        if (open) {
            CloseClipboard();
        }
        return open ? 0 : 1;
    }
};

// Another run that takes the run lock and gives it back after a while, or ends holding it.
struct RunLockHolder {
    KernelHandle lock{CreateMutexW(nullptr, FALSE, platform::win32::kRunLockName)};
    KernelHandle taken = NewEvent();
    DWORD holdMs = 0;
    bool givesBack = true;
    static DWORD WINAPI Run(void* self) {
        auto* holder = static_cast<RunLockHolder*>(self);
        WaitForSingleObject(holder->lock.Get(), INFINITE);
        SetEvent(holder->taken.Get());
        if (holder->givesBack) {
            Sleep(holder->holdMs);
            ReleaseMutex(holder->lock.Get());
        }
        return 0;
    }
};

// Tries the run lock from a thread of its own, as another run would.
DWORD WINAPI TryRunLock(void* free) {
    KernelHandle lock(CreateMutexW(nullptr, FALSE, platform::win32::kRunLockName));
    DWORD result = WaitForSingleObject(lock.Get(), 0);
    *static_cast<bool*>(free) = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    if (*static_cast<bool*>(free)) {
        ReleaseMutex(lock.Get());
    }
    return 0;
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

class WindowsEnvironment : public Environment {
  public:
    void Begin() override {
        ++serial_;
        std::wstring unique =
            std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(serial_);
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, temp);
        scratchFolder_ = std::wstring(temp) + L"qh-contract-" + unique;
        EXPECT_TRUE(CreateDirectoryW(scratchFolder_.c_str(), nullptr));
        scratchKey_ = L"Software\\QuendelhofPortContract-" + unique;
    }

    void End() override {
        HoldClipboard(false);
        if (runLockHolder_) {
            runLockOther_.Join();
            runLockHolder_.reset();
        }
        windows_.clear();
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(scratchFolder_), ignored);
        DeleteKey(HKEY_CURRENT_USER, 0);
        DeleteKey(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY);
        if (HasSixtyFourBitView()) {
            DeleteKey(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY);
        }
    }

    bool RunsUnderWine() const override {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }

    // The process's code page is fixed: the programs of the other code pages run these rows.
    void UseCodePage(std::uint32_t codePage) override {
        EXPECT_EQ(GetACP(), codePage) << "this program runs under another ANSI code page";
    }

    Text ScratchFolder() const override { return scratchFolder_; }

    Text MakeFolder(const Text& relativePath) override {
        Text path = scratchFolder_;
        std::size_t start = 0;
        while (start <= relativePath.size()) {
            std::size_t end = relativePath.find(L'\\', start);
            end = end == Text::npos ? relativePath.size() : end;
            path += L"\\" + relativePath.substr(start, end - start);
            CreateDirectoryW(path.c_str(), nullptr);
            start = end + 1;
        }
        return path;
    }

    Text MakeFile(const Text& relativePath) override {
        std::size_t slash = relativePath.rfind(L'\\');
        if (slash != Text::npos) {
            MakeFolder(relativePath.substr(0, slash));
        }
        Text path = scratchFolder_ + L"\\" + relativePath;
        HANDLE created = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(created, INVALID_HANDLE_VALUE) << "cannot make the file";
        if (created != INVALID_HANDLE_VALUE) {
            KernelHandle file(created);
            DWORD written = 0;
            WriteFile(file.Get(), "x", 1, &written, nullptr);
        }
        return path;
    }

    Text ScratchKey() const override { return scratchKey_; }

    void PutValue(Handle32 root, const Text& subKey, const Text& name,
                  const StoredValue& value) override {
        Put(root, subKey, name, value, KEY_WOW64_32KEY);
    }

    void PutValueIn64BitViewOnly(Handle32 root, const Text& subKey, const Text& name,
                                 const StoredValue& value) override {
        if (HasSixtyFourBitView()) {
            Put(root, subKey, name, value, KEY_WOW64_64KEY);
        }
    }

    std::optional<StoredValue> ValueOf(Handle32 root, const Text& subKey,
                                       const Text& name) override {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(ToHkey(root), subKey.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &opened) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        RegistryKey key(opened);
        std::string ansiName = ToAnsi(name);
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key.Get(), ansiName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        StoredValue value{type, std::vector<std::uint8_t>(size)};
        EXPECT_EQ(RegQueryValueExA(key.Get(), ansiName.c_str(), nullptr, &type, value.bytes.data(),
                                   &size),
                  ERROR_SUCCESS);
        value.bytes.resize(size);
        return value;
    }

    bool KeyExists(Handle32 root, const Text& subKey) override {
        HKEY opened = nullptr;
        bool exists = RegOpenKeyExW(ToHkey(root), subKey.c_str(), 0, KEY_READ | KEY_WOW64_32KEY,
                                    &opened) == ERROR_SUCCESS;
        RegistryKey key(opened);
        return exists;
    }

    Handle32 MakeWindow(const Text& className, const Text& caption, WindowState state) override {
        if (classes_.insert(className).second) {
            WNDCLASSW windowClass = {};
            windowClass.lpfnWndProc = PlainWindowProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = className.c_str();
            EXPECT_NE(RegisterClassW(&windowClass), 0) << "cannot register the window class";
        }
        HWND window =
            CreateWindowExW(0, className.c_str(), caption.c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 200,
                            100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(window, nullptr) << "cannot make the window";
        if (state != WindowState::Hidden) {
            ShowWindow(window,
                       state == WindowState::Minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
        }
        windows_.emplace_back(window);
        return static_cast<Handle32>(reinterpret_cast<std::intptr_t>(window));
    }

    void DestroyWindow(Handle32 window) override {
        std::erase_if(windows_,
                      [window](const OwnWindow& own) { return own.Get() == ToHwnd(window); });
    }

    void PutOnClipboard(const Text& text) override {
        EXPECT_TRUE(winetest::SetClipboardText(text)) << "cannot put the text on the clipboard";
    }

    std::optional<Text> ClipboardText() override { return winetest::ReadClipboardText(); }

    void HoldClipboard(bool held) override {
        if (held && !clipboardHolder_) {
            clipboardHolder_ = std::make_unique<ClipboardHolder>();
            clipboardOther_.Start(ClipboardHolder::Run, clipboardHolder_.get());
            WaitForSingleObject(clipboardHolder_->opened.Get(), kThreadEndMs);
        } else if (!held && clipboardHolder_) {
            SetEvent(clipboardHolder_->letGo.Get());
            clipboardOther_.Join();
            clipboardHolder_.reset();
        }
    }

    bool RunLockFree() override {
        bool free = false;
        Other tryer;
        tryer.Start(TryRunLock, &free);
        tryer.Join();
        return free;
    }

    void HoldRunLockFor(std::uint32_t milliseconds) override {
        StartRunLockHolder(milliseconds, true);
    }

    void AbandonRunLock() override {
        StartRunLockHolder(0, false);
        runLockOther_.Join();  // the holder has ended; its lock stays open here, abandoned
    }

  private:
    void Put(Handle32 root, const Text& subKey, const Text& name, const StoredValue& value,
             REGSAM view) {
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyExW(ToHkey(root), subKey.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS | view, nullptr, &created, nullptr),
                  ERROR_SUCCESS)
            << "cannot create the key";
        RegistryKey key(created);
        EXPECT_EQ(RegSetValueExA(key.Get(), ToAnsi(name).c_str(), 0, value.type, value.bytes.data(),
                                 static_cast<DWORD>(value.bytes.size())),
                  ERROR_SUCCESS);
    }

    // The test's own key, with everything below it; nothing when the test made none.
    void DeleteKey(HKEY root, REGSAM view) {
        static_cast<void>(winetest::DeleteKeyTree(root, scratchKey_, view));
    }

    void StartRunLockHolder(std::uint32_t milliseconds, bool givesBack) {
        runLockHolder_ = std::make_unique<RunLockHolder>();
        runLockHolder_->holdMs = milliseconds;
        runLockHolder_->givesBack = givesBack;
        runLockOther_.Start(RunLockHolder::Run, runLockHolder_.get());
        EXPECT_EQ(WaitForSingleObject(runLockHolder_->taken.Get(), kThreadEndMs), WAIT_OBJECT_0);
    }

    int serial_ = 0;
    std::wstring scratchFolder_;
    std::wstring scratchKey_;
    std::set<std::wstring> classes_;
    std::vector<OwnWindow> windows_;
    std::unique_ptr<ClipboardHolder> clipboardHolder_;
    Other clipboardOther_;
    std::unique_ptr<RunLockHolder> runLockHolder_;
    Other runLockOther_;
};

}  // namespace

Environment& TheEnvironment() {
    static WindowsEnvironment environment;
    return environment;
}

std::vector<std::uint32_t> CodePagesHere() {
    return {GetACP()};
}

}  // namespace portcontract
