// The version file's HTTP exchange: the address, the request bytes, the reading of the reply,
// and the whole exchange against a server on the loopback address.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "platform/http_get.h"
#include "http_test_server.h"

namespace vecrast {
namespace {

using testing::HttpReply;
using testing::LoopbackHttpServer;
using testing::ServerBehaviour;

const char* const kAgent = "Zentrafax WMF to JPG 2.5";

struct AddressCase {
  const char* url;
  const char* host;
  int port;
  const char* path;
};

TEST(HttpAddress, SplitsSiteHostPortAndPath) {
  const AddressCase cases[] = {
      {"http://www.zentrafax.example/files/vecrast.dat", "www.zentrafax.example", 80, "/files/vecrast.dat"},
      {"https://www.zentrafax.example/files/vecrast.dat", "www.zentrafax.example", 80, "/files/vecrast.dat"},
      {"http://127.0.0.1:8080/base/files/vecrast.dat?x=1#top", "127.0.0.1", 8080, "/base/files/vecrast.dat"},
      {"www.zentrafax.example", "www.zentrafax.example", 80, "/"},
      {"http://host:/a", "host", 80, "/a"},
      {"http://host?query", "host", 80, "/"},
      {"http://[::1]:81/a", "::1", 81, "/a"},
      {"http://someone@host/a", "host", 80, "/a"},
  };
  for (const AddressCase& c : cases) {
    HttpTarget target;
    ASSERT_TRUE(SplitHttpAddress(c.url, target)) << c.url;
    EXPECT_EQ(target.host, c.host) << c.url;
    EXPECT_EQ(target.port, c.port) << c.url;
    EXPECT_EQ(target.path, c.path) << c.url;
  }
}

TEST(HttpAddress, RefusesAddressesThatNameNoServer) {
  for (const char* url : {"", "http://", "http://:80/", "http://host:0/", "http://host:65536/", "http://host:8x/",
                          "http://ho st/", "http://host/a\r\nX-Injected: 1", "http://[::1/"}) {
    HttpTarget target;
    EXPECT_FALSE(SplitHttpAddress(url, target)) << url;
  }
}

TEST(HttpReplyText, TakesTheFirstThreeCharactersOfTheTrimmedBody) {
  const std::pair<std::string, std::string> cases[] = {
      {HttpReply("251"), "251"},
      {HttpReply(" 251 "), "251"},
      {HttpReply("2510"), "251"},
      {HttpReply("\r\n 249\r\n"), "249"},
      {HttpReply("25"), "25"},
      {HttpReply("251\r\n\r\nignored"), "251"},
      {HttpReply(std::string("25\0" "1", 4)), "25"},
      {"no header end 251", ""},
      {HttpReply(""), ""},
      {HttpReply("<html>Not Found</html>", "404 Not Found"), ""},
      {HttpReply("404 page not found", "404 Not Found"), ""},
      {HttpReply("503", "503 Service Unavailable"), ""},
      {"HTTP/1.0\r\n\r\n251", ""},
      {"\r\n\r\n251", "251"},
  };
  for (const auto& [reply, expected] : cases) EXPECT_EQ(VersionTextOfResponse(reply), expected) << reply;
}

// The replies themselves are read as in the table above; the update check's tests run the
// whole table of replies through a server too.
TEST(HttpGet, SendsExactlyTheRequestLines) {
  LoopbackHttpServer server(ServerBehaviour{HttpReply("250")});
  ASSERT_EQ(HttpGetText(server.Url("/files/vecrast.dat?ignored=1"), kAgent), "250");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "GET /files/vecrast.dat HTTP/1.0\r\nHost: 127.0.0.1\r\nAccept: */*\r\n"
            "User-Agent: Zentrafax WMF to JPG 2.5\r\nConnection: close\r\n\r\n");
}

double SecondsToRun(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(HttpGet, ARefusedConnectionFailsAtOnce) {
  const std::string url = "http://127.0.0.1:" + std::to_string(testing::RefusingPort()) + "/files/vecrast.dat";
  std::string text = "unset";
  EXPECT_LT(SecondsToRun([&] { text = HttpGetText(url, kAgent); }), 1.0);
  EXPECT_EQ(text, "");
}

TEST(HttpGet, AnUnknownHostFailsWithinTheConnectBound) {
  std::string text = "unset";
  const double seconds = SecondsToRun([&] { text = HttpGetText("http://no-such-host.invalid/x", kAgent, {1500, 1000}); });
  EXPECT_EQ(text, "");
  EXPECT_LT(seconds, 2.5);
}

TEST(HttpGet, AServerThatNeverAnswersFailsAfterTheTenSecondWait) {
  LoopbackHttpServer server(ServerBehaviour{"", true});
  std::string text = "unset";
  const double seconds = SecondsToRun([&] { text = HttpGetText(server.Url(), kAgent); });
  EXPECT_EQ(text, "");
  EXPECT_GE(seconds, 9.9);
  EXPECT_LT(seconds, 11.5);
}

TEST(HttpGet, AReplyThatTricklesPastTheWaitFails) {
  ServerBehaviour drip{HttpReply("251"), false, 100};
  LoopbackHttpServer server(drip);
  std::string text = "unset";
  const double seconds = SecondsToRun([&] { text = HttpGetText(server.Url(), kAgent, {2000, 600}); });
  EXPECT_EQ(text, "");
  EXPECT_LT(seconds, 1.5);
}

TEST(HttpGet, AHugeReplyIsReadOnlyToTheBufferSize) {
  LoopbackHttpServer server(ServerBehaviour{HttpReply("251" + std::string(4 << 20, 'x'))});
  std::string text;
  EXPECT_LT(SecondsToRun([&] { text = HttpGetText(server.Url(), kAgent); }), 2.0);
  EXPECT_EQ(text, "251");
}

}  // namespace
}  // namespace vecrast
