// The layouts written into ACT!'s settings: which values, in which order, exactly as given.
#include <gtest/gtest.h>

#include "WechselTestBasis.h"

namespace {

namespace sim = platform::sim;
using platform::Text;

class LayoutsTest : public testsupport::WechselTestBasis {
  protected:
    void SetUp() override {
        WechselTestBasis::SetUp();
        StartAct(L"");
    }

    Lines WrittenValues() {
        Lines names;
        for (const sim::RegistryCall& call : sim::RegistryCallsOf(L"RegSetValueExA")) {
            names.push_back(call.valueName);
        }
        return names;
    }
};

TEST_F(LayoutsTest, NoLayoutOnTheCommandLineWritesNothing) {
    EXPECT_EQ(Run(L"C:\\ACT\\Daten\\Neu.dbf"), 0);
    EXPECT_FALSE(AnythingWritten());
}

TEST_F(LayoutsTest, OnlyAContactLayoutLeavesTheGroupLayoutAsItWas) {
    sim::SetRegistryText(platform::kHkeyCurrentUser, kDatabaseKey, L"Group Layout",
                         L"C:\\Alt\\Gruppe.gly");
    EXPECT_EQ(Run(L"C:\\ACT\\Daten\\Neu.dbf,C:\\ACT\\Layouts\\Kontakt.cly"), 0);
    EXPECT_EQ(WrittenValues(), (Lines{L"Contact Layout"}));
    EXPECT_EQ(DatabaseSetting(L"Group Layout"), L"C:\\Alt\\Gruppe.gly" + Text(1, L'\0'));
}

TEST_F(LayoutsTest, OnlyAGroupLayout) {
    EXPECT_EQ(Run(L"C:\\ACT\\Daten\\Neu.dbf,,C:\\ACT\\Layouts\\Gruppe.gly"), 0);
    EXPECT_EQ(WrittenValues(), (Lines{L"Group Layout"}));
}

TEST_F(LayoutsTest, GroupLayoutIsWrittenBeforeContactLayoutAsStrings) {
    EXPECT_EQ(
        Run(L"C:\\ACT\\Daten\\Neu.dbf,C:\\ACT\\Layouts\\Kontakt.cly,C:\\ACT\\Layouts\\Gruppe.gly"),
        0);
    std::vector<sim::RegistryCall> writes = sim::RegistryCallsOf(L"RegSetValueExA");
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].valueName, L"Group Layout");
    EXPECT_EQ(writes[1].valueName, L"Contact Layout");
    for (const sim::RegistryCall& write : writes) {
        EXPECT_EQ(write.type, platform::kRegSz);
    }
    for (const sim::RegistryCall& create : sim::RegistryCallsOf(L"RegCreateKeyExA")) {
        EXPECT_EQ(create.key, platform::kHkeyCurrentUser);
        EXPECT_EQ(create.subKey, kDatabaseKey);
    }
    EXPECT_EQ(sim::OpenRegistryKeyCount(), 0u);
}

TEST_F(LayoutsTest, KeyThatDoesNotExistYetIsCreated) {
    ASSERT_FALSE(sim::RegistryKeyExists(platform::kHkeyCurrentUser, kDatabaseKey));
    EXPECT_EQ(Run(L"C:\\ACT\\Daten\\Neu.dbf,C:\\ACT\\Layouts\\Kontakt.cly"), 0);
    EXPECT_TRUE(sim::RegistryKeyExists(platform::kHkeyCurrentUser, kDatabaseKey));
}

TEST_F(LayoutsTest, RelativePathsAreWrittenAsTheyCame) {
    MakeFile("L.CLY");
    EXPECT_EQ(Run(L"C:\\ACT\\Daten\\Neu.dbf,L.CLY"), 0);
    EXPECT_EQ(DatabaseSetting(L"Contact Layout"), L"L.CLY" + Text(1, L'\0'));
}

TEST_F(LayoutsTest, RefusedWritesPassSilentlyAndActStillOpensTheDatabase) {
    sim::ProtectRegistryKey(platform::kHkeyCurrentUser, L"Software\\Symantec");
    EXPECT_EQ(Run(L"C:\\ACT\\Daten\\Neu.dbf,C:\\ACT\\Layouts\\Kontakt.cly"), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(DatabaseSetting(L"Contact Layout").has_value());
    EXPECT_EQ(Act().openDatabase, L"C:\\ACT\\Daten\\Neu.dbf");
}

}  // namespace
