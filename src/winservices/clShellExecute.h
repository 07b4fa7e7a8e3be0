// Hands programs, documents, folders, mail and web addresses to the Windows shell.
#pragma once

#include <cstdint>

#include "platform/Shell.h"
#include "platform/core/Types.h"

class clShellExecute {
  public:
    // The owner window of LaunchProgram and LaunchURL, taken by reference. Made from a
    // variable, the member writes the desktop window's handle back into it when it held -1;
    // made from a value, or left out (-1), the member works on a copy of its own.
    class OwnerWindow {
      public:
        OwnerWindow(platform::Handle32& variable) : copy_(variable), target_(&variable) {}
        OwnerWindow(const platform::Handle32& value = -1) : copy_(value), target_(&copy_) {}
        OwnerWindow(const OwnerWindow&) = delete;
        OwnerWindow& operator=(const OwnerWindow&) = delete;

        platform::Handle32 Get() const { return *target_; }
        void Set(platform::Handle32 handle) { *target_ = handle; }

      private:
        platform::Handle32 copy_;
        platform::Handle32* target_;
    };

    clShellExecute() = default;

    // True while the process of the last LaunchDocument or LaunchProgram still runs. Only asks;
    // changes nothing.
    platform::TruthValue StillExecuting() const;

    // Each launch gives -1 when the shell reported success, the shell's error code (0 to 32)
    // when it refused, and 0 after a failure inside the member, which is shown in the error
    // box titled with the member's name.
    std::int32_t Explore(platform::Handle32 lnghWnd, const platform::Text& strFolder,
                         std::int32_t eShowStyle = platform::kSwShowDefault);
    std::int32_t LaunchDocument(platform::Handle32 lnghWnd, const platform::Text& strDocument,
                                const platform::OptionalText& strStartIn,
                                std::int32_t eShowStyle = platform::kSwShowDefault);
    std::int32_t LaunchEmail(platform::Handle32 lnghWnd, const platform::Text& strAddress,
                             std::int32_t eShowStyle = platform::kSwShowDefault);
    std::int32_t LaunchFolder(platform::Handle32 lnghWnd, const platform::Text& strFolder,
                              std::int32_t eShowStyle = platform::kSwShowDefault);
    std::int32_t LaunchProgram(const platform::Text& strProgram, OwnerWindow lnghWnd = -1,
                               const platform::OptionalText& strParameters = platform::Text(),
                               const platform::OptionalText& strStartIn = platform::Text(),
                               std::int32_t eShowStyle = platform::kSwShowDefault);
    std::int32_t LaunchURL(const platform::Text& strURL, OwnerWindow lnghWnd = -1,
                           std::int32_t eShowStyle = platform::kSwShowDefault);
    std::int32_t PrintDocument(platform::Handle32 lnghWnd, const platform::Text& strDocument);

    // What the shell returned to the last LaunchDocument or LaunchProgram: hInstApp and the
    // process handle; both 0 after any other launch and before the first.
    platform::Handle32 InstAppOfLastLaunch() const { return lnghInstApp; }
    platform::Handle32 ProcessOfLastLaunch() const { return lnghProcess; }

  private:
    std::int32_t ShellLaunch(const wchar_t* member, platform::Handle32 lnghWnd,
                             const platform::OptionalText& verb, const platform::Text& file,
                             std::int32_t showCommand);
    std::int32_t ShellLaunchEx(const wchar_t* member, platform::Handle32 lnghWnd,
                               const platform::Text& file, const platform::OptionalText& parameters,
                               const platform::OptionalText& directory, std::int32_t showCommand);

    // Process handles kept here stay open: the class never closes one.
    platform::Handle32 lnghInstApp = 0;
    platform::Handle32 lnghProcess = 0;
};
