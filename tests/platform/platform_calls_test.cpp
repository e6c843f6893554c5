// The platform calls for the system's services: the file dialog's default extension, and the HTTP
// GET against a small server on the loopback address or through the test seam.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

#include "LoopbackServer.h"
#include "TestSupport.h"
#include "platform/Platform.h"

namespace velomare::test {
namespace {

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

TEST(HttpGet, ReturnsTheBodyOfAnAnswerUpToTheLimitAndAnErrorStatusIsNoSuccess) {
  const struct {
    const char* status;
    QByteArray body;
    bool ok;
    int code, size;
  } rows[] = {{"200 OK", "3.2.6\r\n", true, 200, 7}, {"200 OK", QByteArray(5000, 'x'), true, 200, 1024},
              {"404 Not Found", "gone", false, 404, -1}};
  for (const auto& row : rows) {
    LoopbackServer server(LoopbackServer::Response(row.status, row.body));
    const auto result = Get(server.Url(), 5000, 1024);
    EXPECT_EQ(result.ok, row.ok) << row.status << " " << result.error.toStdString();
    EXPECT_EQ(result.status, row.code) << row.status;
    if (row.size >= 0) EXPECT_EQ(result.body, row.body.left(row.size)) << row.status;
  }
}

TEST(HttpGet, AServerThatNeverAnswersOrTricklesIsCutOffAtTheTimeOut) {
  LoopbackServer silent{QByteArray()};
  TricklingServer trickling("", 'x');  // one byte every 50 ms keeps the connection alive
  for (const QString& url : {silent.Url(), trickling.Url()}) {
    QElapsedTimer timer;
    timer.start();
    const auto result = Get(url, 400, 1024);
    EXPECT_FALSE(result.ok) << url.toStdString();
    EXPECT_NE(result.error, "no callback") << url.toStdString();
    EXPECT_LT(timer.elapsed(), 5000) << url.toStdString();
    if (url == trickling.Url()) {
      EXPECT_EQ(result.error, "timed out");  // the whole request's time-out
      EXPECT_LT(timer.elapsed(), 3000);
    }
  }
}

TEST(HttpGet, TheSeamAnswersInPlaceOfTheNetworkOrRoutesTheRequest) {
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
  // Or it routes the request to a server on the loopback address.
  LoopbackServer server(LoopbackServer::Response("200 OK", "routed"));
  seam.http = nullptr;
  seam.httpRoute = [&](const QString&) { return server.Url(); };
  EXPECT_EQ(Get("http://www.velomare.example/v.txt", 5000, 1024, &seam).body, "routed");
  EXPECT_EQ(seam.httpRequests, QStringList({"http://example.invalid/v.txt", "http://www.velomare.example/v.txt"}));
  EXPECT_EQ(server.Requests(), 1);
}

TEST(FileDialog, TheDefaultExtensionIsAddedOnlyToANameWithoutOne) {
  QTemporaryDir dir;
  platform::FileDialogRequest request;
  request.defaultExtension = "spe";
  const QString folder = dir.path() + "/";
  for (auto [typed, taken] : {std::pair{"rock", "rock.spe"}, {"rock.spe", "rock.spe"}, {"rock.txt", "rock.txt"},
                              {"v1.2/rock", "v1.2/rock.spe"}})
    EXPECT_EQ(platform::WithDefaultExtension(folder + typed, request, true), folder + taken) << typed;
  // Opening: a file that exists under the name as typed is taken as it is.
  WriteFileBytes((folder + "plain").toStdString(), "x");
  EXPECT_EQ(platform::WithDefaultExtension(folder + "plain", request, false), folder + "plain");
  EXPECT_EQ(platform::WithDefaultExtension(folder + "other", request, false), folder + "other.spe");
  request.defaultExtension.clear();
  EXPECT_EQ(platform::WithDefaultExtension(folder + "rock", request, true), folder + "rock");
  // The seam's answer gets the default extension too.
  platform::Seam seam;
  seam.fileName = [](const platform::FileDialogRequest&, bool) { return std::optional<QString>("/tmp/x/name"); };
  platform::Seam* previous = platform::CurrentSeam();
  platform::InstallSeam(&seam);
  request.defaultExtension = "spe";
  EXPECT_EQ(platform::GetSaveFileName(nullptr, request).value_or(""), "/tmp/x/name.spe");
  request.defaultExtension.clear();
  EXPECT_EQ(platform::GetSaveFileName(nullptr, request).value_or(""), "/tmp/x/name");
  seam.fileName = nullptr;
  EXPECT_FALSE(platform::GetOpenFileName(nullptr, request).has_value());
  platform::InstallSeam(previous);
}

}  // namespace
}  // namespace velomare::test
