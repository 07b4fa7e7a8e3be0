#include "SimDesktopTest.h"

#include <fstream>
#include <random>

#include "sim/desktop/SimText.h"

namespace testsupport {

void SimDesktopTest::SetUp() {
    platform::sim::TheDesktop() = platform::sim::Desktop();
    modHaupt::Zuruecksetzen();
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("quendelhof-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    previousDirectory_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
}

void SimDesktopTest::TearDown() {
    std::filesystem::current_path(previousDirectory_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    modHaupt::Zuruecksetzen();
    platform::sim::TheDesktop() = platform::sim::Desktop();
}

platform::Text SimDesktopTest::PathOf(const std::string& relativePath) const {
    return platform::sim::FromUtf8((folder_ / relativePath).string());
}

platform::Text SimDesktopTest::MakeFile(const std::string& relativePath,
                                        const std::string& content) {
    std::filesystem::path path = folder_ / relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    return PathOf(relativePath);
}

platform::Text SimDesktopTest::MakeFolder(const std::string& relativePath) {
    std::filesystem::create_directories(folder_ / relativePath);
    return PathOf(relativePath);
}

const std::vector<platform::sim::MessageBoxRecord>& SimDesktopTest::Boxes() const {
    return platform::sim::Boxes().shown;
}

}  // namespace testsupport
