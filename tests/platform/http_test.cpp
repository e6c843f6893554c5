// The HTTP GET against a small server on the loopback address: the answer, the body limit, an
// error status and a server that never answers.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <optional>

#include "LoopbackServer.h"
#include "platform/Platform.h"

namespace velomare::test {
namespace {

QByteArray Response(const char* status, const QByteArray& body) { return LoopbackServer::Response(status, body); }

// Runs the request through `seam` (none: the real network code) and waits for its end.
platform::HttpResult Get(const QString& url, int timeoutMs, qint64 maxBytes, platform::Seam* seam = nullptr) {
  platform::Seam* previous = platform::CurrentSeam();
  platform::InstallSeam(seam);
  std::optional<platform::HttpResult> result;
  QEventLoop loop;
  platform::HttpGet(url, timeoutMs, maxBytes, [&](const platform::HttpResult& r) {
    result = r;
    loop.quit();
  });
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);  // the test's own bound
  if (!result) loop.exec();
  platform::InstallSeam(previous);
  return result.value_or(platform::HttpResult{false, -1, {}, "no callback"});
}

TEST(HttpGet, ReturnsTheBodyOfAnAnswer) {
  LoopbackServer server(Response("200 OK", "3.2.6\r\n"));
  const auto result = Get(server.Url(), 5000, 1024);
  EXPECT_TRUE(result.ok) << result.error.toStdString();
  EXPECT_EQ(result.status, 200);
  EXPECT_EQ(result.body, "3.2.6\r\n");
}

TEST(HttpGet, CutsTheBodyAtTheLimit) {
  LoopbackServer server(Response("200 OK", QByteArray(5000, 'x')));
  const auto result = Get(server.Url(), 5000, 1024);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.body.size(), 1024);
}

TEST(HttpGet, AnErrorStatusIsNoSuccess) {
  LoopbackServer server(Response("404 Not Found", "gone"));
  const auto result = Get(server.Url(), 5000, 1024);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.status, 404);
}

TEST(HttpGet, AServerThatNeverAnswersTimesOut) {
  LoopbackServer server{QByteArray()};
  QElapsedTimer timer;
  timer.start();
  const auto result = Get(server.Url(), 300, 1024);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.status, -1) << "the callback never came";
  EXPECT_LT(timer.elapsed(), 5000);
}

TEST(HttpGet, AServerThatTricklesIsCutOffAtTheTimeOut) {
  // One byte every 50 ms keeps the connection alive; the request still ends at its time-out.
  TricklingServer server("", 'x');
  QElapsedTimer timer;
  timer.start();
  const auto result = Get(server.Url(), 400, 1024);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "timed out");
  EXPECT_LT(timer.elapsed(), 3000);
}

TEST(HttpGet, TheSeamAnswersInPlaceOfTheNetwork) {
  platform::Seam seam;
  seam.http = [](const QString&) { return platform::HttpResult{true, 200, QByteArray(3000, 'v'), {}}; };
  platform::Seam* previous = platform::CurrentSeam();
  platform::InstallSeam(&seam);
  std::optional<platform::HttpResult> result;
  platform::HttpGet("http://example.invalid/v.txt", 1000, 1024, [&](const platform::HttpResult& r) { result = r; });
  EXPECT_FALSE(result.has_value());  // never inside the call: the caller is not re-entered
  QEventLoop loop;
  QTimer::singleShot(0, &loop, &QEventLoop::quit);
  loop.exec();
  platform::InstallSeam(previous);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->body.size(), 1024);
  EXPECT_EQ(seam.httpRequests, QStringList{"http://example.invalid/v.txt"});
}

TEST(HttpGet, TheSeamCanRouteARequestToALoopbackServer) {
  LoopbackServer server(Response("200 OK", "routed"));
  platform::Seam seam;
  seam.httpRoute = [&](const QString&) { return server.Url(); };
  EXPECT_EQ(Get("http://www.velomare.example/v.txt", 5000, 1024, &seam).body, "routed");
  EXPECT_EQ(seam.httpRequests, QStringList{"http://www.velomare.example/v.txt"});
  EXPECT_EQ(server.Requests(), 1);
}

}  // namespace
}  // namespace velomare::test
