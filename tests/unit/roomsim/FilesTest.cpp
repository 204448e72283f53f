// The simulator's files: the control channel read in complete lines as it grows, and the
// event log's lines as a test reads them while the simulator runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "roomsim/ControlChannel.h"
#include "roomsim/EventLog.h"

namespace roomsim {
namespace {

std::filesystem::path FreshFile(const std::string& name) {
  const std::filesystem::path path = ::testing::TempDir() + "roomsim-test-" + name;
  std::filesystem::remove(path);
  return path;
}

TEST(ControlChannel, TakesOnlyCompleteLinesAndStartsAgainOnARewrite) {
  const auto path = FreshFile("control.txt");
  const auto write = [&](const std::string& bytes, std::ios::openmode mode = std::ios::app) {
    std::ofstream(path, std::ios::binary | mode) << bytes;
  };
  ControlChannel channel;
  ASSERT_TRUE(channel.Open(path.wstring()));
  write("\xEF\xBB\xBFjoin Alice\r\njoin Zo\xC3\xA9 fr\nsay Al");
  EXPECT_EQ(channel.Poll(), (std::vector<std::wstring>{L"join Alice", L"join Zoé fr"}));
  EXPECT_TRUE(channel.Poll().empty());
  write("ice bonjour\n\n");
  EXPECT_EQ(channel.Poll(), (std::vector<std::wstring>{L"say Alice bonjour", L""}));
  write("quit\n", std::ios::trunc);
  EXPECT_EQ(channel.Poll(), std::vector<std::wstring>{L"quit"});
  std::filesystem::remove(path);
}

TEST(EventLog, WritesOneFlushedUtf8LinePerEvent) {
  const auto path = FreshFile("events.log");
  EventLog log;
  ASSERT_TRUE(log.Open(path.wstring()));
  log.Write(1234, "chat", L"(12:03) RoomBot: Alice a été expulsé(e)\r\n");
  log.Write(1300, "input", L"");
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();  // while the log is still open
  EXPECT_EQ(text.str(),
            "1234 chat (12:03) RoomBot: Alice a \xC3\xA9t\xC3\xA9 expuls\xC3\xA9(e)\\r\\n\n"
            "1300 input\n");
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace roomsim
