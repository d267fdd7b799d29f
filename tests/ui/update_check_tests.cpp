// The update check against a server on the loopback address, and its schedule.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/http_test_server.h"
#include "settings/settings.h"
#include "texts/texts.h"
#include "ui/message_boxes.h"
#include "ui/shell_open.h"
#include "ui/update_check.h"
#include "ui_fixture.h"

namespace vecrast {
namespace {

using testing::HttpReply;
using testing::LoopbackHttpServer;
using testing::ServerBehaviour;

constexpr int64_t kHour = 3600;
constexpr int64_t kNow = 1'800'000'000;

// The main window's recorders of boxes and of the desktop's opener, the schedule's clock
// set by the test, and the maker's site pointed at a test server.
class UpdateCheckTest : public uitest::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetUpdateClock([this] { return clock; });
  }
  void TearDown() override {
    SetUpdateClock({});
    unsetenv("VECRAST_SITE");
    MainWindowTest::TearDown();
  }
  void UseSite(const std::string& site) { setenv("VECRAST_SITE", site.c_str(), 1); }
  void UseServer(const LoopbackHttpServer& server) { UseSite("http://127.0.0.1:" + std::to_string(server.Port())); }

  int64_t clock = kNow;
};

struct Outcome {
  const char* name;
  std::string reply;
  const char* captionKey;  // group "Msg"
  const char* textKey;
  MessageKind kind;
};

TEST_F(UpdateCheckTest, EachReplyGivesItsBox) {
  const Outcome outcomes[] = {
      {"251", HttpReply("251"), "New Update", "New Update Text", MessageKind::Question},
      {"blanks around 251", HttpReply(" 251 "), "New Update", "New Update Text", MessageKind::Question},
      {"2510 cut to 251", HttpReply("2510"), "New Update", "New Update Text", MessageKind::Question},
      {"250", HttpReply("250"), "No Update", "No Update Text", MessageKind::Information},
      {"249", HttpReply("249"), "No Update", "No Update Text", MessageKind::Information},
      {"404 page", HttpReply("<html><body>404 Not Found</body></html>", "404 Not Found"), "Error",
       "Internet connection problems", MessageKind::Error},
      {"plain 404 text", HttpReply("404 page not found", "404 Not Found"), "Error", "Internet connection problems",
       MessageKind::Error},
      {"empty reply", "", "Error", "Internet connection problems", MessageKind::Error},
      {"words", HttpReply("new version soon"), "Error", "Internet connection problems", MessageKind::Error},
  };
  for (const Outcome& outcome : outcomes) {
    boxes.clear();
    LoopbackHttpServer server(ServerBehaviour{outcome.reply});
    UseServer(server);
    CheckForUpdatesNow();
    ASSERT_EQ(boxes.size(), 1u) << outcome.name;
    EXPECT_EQ(boxes[0].kind, outcome.kind) << outcome.name;
    EXPECT_EQ(boxes[0].caption, GetText("Msg", outcome.captionKey)) << outcome.name;
    EXPECT_EQ(boxes[0].text, GetText("Msg", outcome.textKey)) << outcome.name;
    ASSERT_EQ(server.Requests().size(), 1u) << outcome.name;
    EXPECT_EQ(server.Requests()[0],
              "GET /files/vecrast.dat HTTP/1.0\r\nHost: 127.0.0.1\r\nAccept: */*\r\n"
              "User-Agent: Zentrafax WMF to JPG 2.5\r\nConnection: close\r\n\r\n")
        << outcome.name;
  }
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(GetText("Msg", "Internet connection problems"), "Internet connection problems!");
}

TEST_F(UpdateCheckTest, YesToTheNewVersionOpensTheHomePage) {
  LoopbackHttpServer server(ServerBehaviour{HttpReply("251")});
  UseSite("http://127.0.0.1:" + std::to_string(server.Port()) + "/");
  answers = {true};
  CheckForUpdatesNow();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].questionIcon, QuestionIcon::QuestionMark);
  EXPECT_EQ(opened, std::vector<std::string>{"http://127.0.0.1:" + std::to_string(server.Port()) + "/vecrast/"});
}

TEST_F(UpdateCheckTest, ARefusedConnectionGivesTheFailureBox) {
  UseSite("http://127.0.0.1:" + std::to_string(testing::RefusingPort()) + "/");
  CheckForUpdatesNow();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Error);
  EXPECT_EQ(boxes[0].text, "Internet connection problems!");
}

TEST(UpdateSchedule, IntervalsFollowTheRange) {
  const std::pair<int32_t, int> table[] = {{0, 1}, {1, 7}, {2, 30}, {3, 90}, {4, 180}, {5, 0}, {6, 30}, {-1, 30}};
  for (const auto& [range, days] : table) EXPECT_EQ(UpdateIntervalDays(range), days) << range;
}

struct ScheduleCase {
  const char* name;
  int32_t range;
  int64_t lastCheck;  // seconds before now
  bool asks;
};

TEST_F(UpdateCheckTest, TheScheduleAsksOnlyWhenTheIntervalHasPassed) {
  const ScheduleCase cases[] = {
      {"daily, 25 hours ago", 0, 25 * kHour, true},
      {"daily, 23 hours ago", 0, 23 * kHour, false},
      {"daily, exactly a day ago", 0, 24 * kHour, false},
      {"weekly, 8 days ago", 1, 8 * 24 * kHour, true},
      {"weekly, 6 days ago", 1, 6 * 24 * kHour, false},
      {"monthly, 31 days ago", 2, 31 * 24 * kHour, true},
      {"unknown range counts as monthly, 29 days ago", 17, 29 * 24 * kHour, false},
      {"never, years ago", 5, 5000 * 24 * kHour, false},
      {"date in the future", 0, -100 * kHour, false},
  };
  for (const ScheduleCase& c : cases) {
    boxes.clear();
    Settings.updateRange = c.range;
    Settings.updateDate = kNow - c.lastCheck;
    ScheduledUpdateCheck();
    ASSERT_EQ(boxes.size(), c.asks ? 1u : 0u) << c.name;
    if (c.asks) {
      EXPECT_EQ(boxes[0].caption, "Check for Updates") << c.name;
      EXPECT_EQ(boxes[0].text, "Do you want to check for updates?") << c.name;
      EXPECT_EQ(boxes[0].questionIcon, QuestionIcon::QuestionMark) << c.name;
    }
    EXPECT_EQ(Settings.updateDate, c.asks ? kNow : kNow - c.lastCheck) << c.name;
  }
}

TEST_F(UpdateCheckTest, YesChecksAndTheDateIsTakenAfterTheBoxes) {
  LoopbackHttpServer server(ServerBehaviour{HttpReply("250")});
  UseServer(server);
  Settings.updateRange = 0;
  Settings.updateDate = kNow - 25 * kHour;
  SetMessagePresenter([this](const MessageBoxRequest& request) {
    boxes.push_back(request);
    clock += 60;  // the user takes a minute over each box
    return request.kind == MessageKind::Question;
  });
  ScheduledUpdateCheck();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].caption, "No Update");
  EXPECT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(Settings.updateDate, kNow + 120);
}

TEST_F(UpdateCheckTest, AFailedScheduledCheckStillMovesTheDate) {
  UseSite("http://127.0.0.1:" + std::to_string(testing::RefusingPort()) + "/");
  Settings.updateRange = 0;
  Settings.updateDate = kNow - 48 * kHour;
  answers = {true};
  ScheduledUpdateCheck();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].kind, MessageKind::Error);
  EXPECT_EQ(Settings.updateDate, kNow);
}

}  // namespace
}  // namespace vecrast
