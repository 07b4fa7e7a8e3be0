// Test fixture that starts every test on a fresh simulated desktop.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "sim/desktop/SimDesktop.h"
#include "switch/modHaupt.h"

namespace testsupport {

class SimDesktopTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh folder for this test's files, removed after it.
    const std::filesystem::path& Folder() const { return folder_; }

    // Creates a file (and its folders) below Folder() and returns its full path as text.
    platform::Text MakeFile(const std::string& relativePath, const std::string& content = "x");
    platform::Text MakeFolder(const std::string& relativePath);
    platform::Text PathOf(const std::string& relativePath) const;

    // The boxes shown so far.
    const std::vector<platform::sim::MessageBoxRecord>& Boxes() const;

  private:
    std::filesystem::path folder_;
    std::filesystem::path previousDirectory_;
};

}  // namespace testsupport
