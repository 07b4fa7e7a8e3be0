// The contract tests' environment on the simulated desktop: everything is set up and looked at
// through the desktop's own set-up functions, and a fresh desktop starts each test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "contract/PortEnvironment.h"
#include "sim/desktop/SimDesktop.h"
#include "sim/desktop/SimText.h"

namespace portcontract {
namespace {

namespace sim = platform::sim;

constexpr wchar_t kScratchDrive = L'S';
constexpr wchar_t kScratchFolder[] = L"S:\\Kontrakt";

class SimEnvironment : public Environment {
  public:
    void Begin() override {
        sim::TheDesktop() = sim::Desktop();
        std::random_device random;
        drive_ = std::filesystem::temp_directory_path() /
                 ("quendelhof-contract-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(drive_ / "Kontrakt");
        sim::MapDrive(kScratchDrive, drive_);
    }

    void End() override {
        std::error_code ignored;
        std::filesystem::remove_all(drive_, ignored);
        sim::TheDesktop() = sim::Desktop();
    }

    bool RunsUnderWine() const override { return false; }

    void UseCodePage(std::uint32_t codePage) override {
        EXPECT_TRUE(sim::SetAnsiCodePage(codePage)) << "no code page " << codePage;
    }

    Text ScratchFolder() const override { return kScratchFolder; }

    Text MakeFolder(const Text& relativePath) override {
        std::filesystem::create_directories(RealPath(relativePath));
        return ScratchFolder() + L"\\" + relativePath;
    }

    Text MakeFile(const Text& relativePath) override {
        std::filesystem::path path = RealPath(relativePath);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << "x";
        return ScratchFolder() + L"\\" + relativePath;
    }

    Text ScratchKey() const override { return L"Software\\QuendelhofPortContract"; }

    void PutValue(Handle32 root, const Text& subKey, const Text& name,
                  const StoredValue& value) override {
        sim::SetRegistryValue(root, subKey, name, value.type, value.bytes);
    }

    // The simulated registry has one view, the 32-bit one that the port works in.
    void PutValueIn64BitViewOnly(Handle32, const Text&, const Text&, const StoredValue&) override {}

    std::optional<StoredValue> ValueOf(Handle32 root, const Text& subKey,
                                       const Text& name) override {
        std::optional<sim::RegistryValue> value = sim::RegistryValueOf(root, subKey, name);
        if (!value) {
            return std::nullopt;
        }
        return StoredValue{value->type, value->data};
    }

    bool KeyExists(Handle32 root, const Text& subKey) override {
        return sim::RegistryKeyExists(root, subKey);
    }

    Handle32 MakeWindow(const Text& className, const Text& caption, WindowState state) override {
        return sim::AddWindow(className, caption, state != WindowState::Hidden,
                              state == WindowState::Minimised);
    }

    void DestroyWindow(Handle32 window) override { sim::RemoveWindow(window); }

    void PutOnClipboard(const Text& text) override { sim::Clipboard().text = text; }

    std::optional<Text> ClipboardText() override { return sim::Clipboard().text; }

    void HoldClipboard(bool held) override { sim::Clipboard().heldByOtherProgram = held; }

    bool RunLockFree() override {
        return !sim::RunLock().heldByThisRun && !sim::RunLock().otherRunEndsAfterMs;
    }

    void HoldRunLockFor(std::uint32_t milliseconds) override {
        sim::RunLock().otherRunEndsAfterMs = milliseconds;
    }

    // The simulated lock has no holder that could end: a run that ended left it free, as the
    // system hands an abandoned lock to the next run that waits for it.
    void AbandonRunLock() override {}

  private:
    std::filesystem::path RealPath(const Text& relativePath) const {
        std::string path = sim::ToUtf8(relativePath);
        for (char& c : path) {
            if (c == '\\') {
                c = '/';
            }
        }
        return drive_ / "Kontrakt" / path;
    }

    std::filesystem::path drive_;
};

}  // namespace

Environment& TheEnvironment() {
    static SimEnvironment environment;
    return environment;
}

std::vector<std::uint32_t> CodePagesHere() {
    return {1252, 65001, 932, 1251};
}

}  // namespace portcontract
