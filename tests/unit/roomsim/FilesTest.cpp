// The simulator's files: the control channel read as it grows, the event log's lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "roomsim/ControlChannel.h"
#include "roomsim/EventLog.h"

namespace roomsim {
namespace {

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("roomsim-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  void Append(const std::string& bytes) {
    std::ofstream(dir / "control.txt", std::ios::binary | std::ios::app) << bytes;
  }
  std::string Read(const char* name) {
    std::ifstream in(dir / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::filesystem::path dir;
};

TEST_F(FilesTest, ControlChannelCreatesTheFileAndTakesOnlyCompleteLines) {
  ControlChannel channel;
  ASSERT_TRUE(channel.Open((dir / "control.txt").wstring()));
  EXPECT_TRUE(std::filesystem::exists(dir / "control.txt"));
  EXPECT_TRUE(channel.Poll().empty());
  Append("join Alice\r\njoin Zo\xC3\xA9 fr\nsay Al");
  EXPECT_EQ(channel.Poll(), (std::vector<std::wstring>{L"join Alice", L"join Zoé fr"}));
  EXPECT_TRUE(channel.Poll().empty());
  Append("ice bonjour\n\n");
  EXPECT_EQ(channel.Poll(), (std::vector<std::wstring>{L"say Alice bonjour", L""}));
}

TEST_F(FilesTest, ControlChannelStartsAgainWhenTheFileIsRewritten) {
  Append("\xEF\xBB\xBFjoin A\njoin B\n");
  ControlChannel channel;
  ASSERT_TRUE(channel.Open((dir / "control.txt").wstring()));
  EXPECT_EQ(channel.Poll(), (std::vector<std::wstring>{L"join A", L"join B"}));
  std::ofstream(dir / "control.txt", std::ios::binary | std::ios::trunc) << "quit\n";
  EXPECT_EQ(channel.Poll(), std::vector<std::wstring>{L"quit"});
}

TEST_F(FilesTest, ControlChannelOnAMissingFolderFails) {
  ControlChannel channel;
  EXPECT_FALSE(channel.Open((dir / "no" / "such" / "control.txt").wstring()));
  EXPECT_TRUE(channel.Poll().empty());
}

TEST_F(FilesTest, EventLogWritesUtf8LinesWithLfOnly) {
  {
    EventLog log;
    ASSERT_TRUE(log.Open((dir / "log.txt").wstring()));
    log.Write(0, "ready", L"strip_x=1 strip_y=2");
    log.Write(1234, "chat", L"(12:03) RoomBot: Alice a été expulsé(e)");
    // Flushed at once: readable before the log is closed.
    EXPECT_EQ(Read("log.txt"),
              "0 ready strip_x=1 strip_y=2\n1234 chat (12:03) RoomBot: Alice a "
              "\xC3\xA9t\xC3\xA9 expuls\xC3\xA9(e)\n");
    log.Write(1300, "input", L"");
  }
  EXPECT_EQ(Read("log.txt").substr(Read("log.txt").rfind("1300")), "1300 input\n");
  EXPECT_EQ(FormatEvent(5, "chat", L"a\r\nb"), "5 chat a\\r\\nb");
  EventLog none;
  EXPECT_FALSE(none.Open(L""));
  none.Write(1, "exit", L"");  // no file: nothing happens
}

}  // namespace
}  // namespace roomsim
