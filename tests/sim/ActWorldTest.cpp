// The simulated ACT! in the world folder of the Linux program: act.ini read and written back.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "sim/world/World.h"
#include "support/SimDesktopTest.h"

namespace {

using platform::Text;
namespace sim = platform::sim;

class ActWorldTest : public testsupport::SimDesktopTest {
  protected:
    platform::actmodel::ActState& Act() { return sim::Act().State(); }
    void Load(const std::string& content) {
        MakeFile("world/act.ini", content);
        sim::LoadWorld(Folder() / "world");
    }
};

TEST_F(ActWorldTest, WithoutTheFileActIsNotRunning) {
    MakeFolder("world");
    sim::LoadWorld(Folder() / "world");
    EXPECT_FALSE(Act().running);
    sim::SaveWorld(Folder() / "world");
    EXPECT_FALSE(std::filesystem::exists(Folder() / "world" / "act.ini"));
}

TEST_F(ActWorldTest, SettingsContactsAndGroupsAreRead) {
    Load(
        "# Kommentar\n"
        "[ACT]\r\n"
        "running = yes\r\n"
        "window.caption=ACT! - Kündenmanager\n"
        "window.minimised=ja\n"
        "version=6.0 Build 120\n"
        "database=C:\\ACT\\Daten\\Kunden.dbf\n"
        "view.type=3\n"
        "closedb.result=-5\n"
        "[Contact]\nid=K1\n2=Meier GmbH\n"
        "[Group]\nid=G1\n25=Kunden\nmembers=K1, K2\n");
    EXPECT_TRUE(Act().running);
    EXPECT_EQ(Act().window.caption, L"ACT! - Kündenmanager");
    EXPECT_TRUE(Act().window.minimised);
    EXPECT_EQ(Act().version, L"6.0 Build 120");
    EXPECT_EQ(Act().openDatabase, L"C:\\ACT\\Daten\\Kunden.dbf");
    EXPECT_EQ(Act().activeViewType, 3);
    EXPECT_EQ(Act().closeDbResult, -5);
    ASSERT_EQ(Act().contacts.size(), 1u);
    EXPECT_EQ(Act().contacts[0].fields.at(2), L"Meier GmbH");
    EXPECT_EQ(Act().contactLookup, (std::vector<Text>{L"K1"}));
    ASSERT_EQ(Act().groups.size(), 1u);
    EXPECT_EQ(Act().groups[0].fields.at(25), L"Kunden");
    EXPECT_EQ(Act().groups[0].members, (std::vector<Text>{L"K1", L"K2"}));
}

TEST_F(ActWorldTest, MalformedLinesAreSkippedAndBadValuesKeepTheDefaults) {
    const char content[] =
        "[ACT\n"
        "running\n"
        "=yes\n"
        "[ACT]\n"
        "running=vielleicht\n"
        "view.type=drei\n"
        "view.field=99999999999999\n"
        "version=\xff\xfe\n"
        "[Contact]\n2=ohne id\n"
        "[Contact]\nid=K1\n99999999999=x\n-3=y\nabc=z\n"
        "[Unbekannt]\nid=X\n"
        "\0\0\0";
    Load(std::string(content, sizeof content - 1));
    EXPECT_FALSE(Act().running);
    EXPECT_EQ(Act().activeViewType, 1);
    EXPECT_EQ(Act().currentFieldId, 0);
    EXPECT_EQ(Act().version, L"\uFFFD\uFFFD");
    ASSERT_EQ(Act().contacts.size(), 1u);
    EXPECT_TRUE(Act().contacts[0].fields.empty());
}

TEST_F(ActWorldTest, StateChangedByARunIsWrittenBackAndReadAgain) {
    Load("[ACT]\nrunning=yes\ndatabase=C:\\Alt.dbf\n[Group]\nid=G1\n25=Kunden\nmembers=K1\n");
    Act().openDatabase = L"C:\\Neu.dbf";
    Act().window.caption = L"Zeile\r\nzwei";
    sim::SaveWorld(Folder() / "world");

    sim::TheDesktop() = sim::Desktop();
    sim::LoadWorld(Folder() / "world");
    EXPECT_TRUE(Act().running);
    EXPECT_EQ(Act().openDatabase, L"C:\\Neu.dbf");
    EXPECT_EQ(Act().window.caption, L"Zeile  zwei");
    ASSERT_EQ(Act().groups.size(), 1u);
    EXPECT_EQ(Act().groups[0].members, (std::vector<Text>{L"K1"}));
}

}  // namespace
