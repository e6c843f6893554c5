// FetchUrlText against a server on the loopback address: which answers give their body, which
// give "Status:" and the code, and that a silent or trickling server ends at the time-out.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

#include "LoopbackServer.h"
#include "app/FetchUrlText.h"
#include "app/model/UpdateCheck.h"
#include "platform/Platform.h"

namespace velomare::test {
namespace {

// Fetches with the real network code (no seam) and waits for the answer.
std::optional<std::string> Fetch(const QString& url, int timeoutMs = 5000) {
  platform::Seam* seam = platform::CurrentSeam();
  platform::InstallSeam(nullptr);
  std::optional<std::string> text;
  QEventLoop loop;
  FetchUrlText(url.toStdString(), nullptr, [&](const std::string& t) {
    text = t;
    loop.quit();
  }, timeoutMs);
  QTimer::singleShot(15000, &loop, &QEventLoop::quit);  // the test's own bound
  if (!text) loop.exec();
  platform::InstallSeam(seam);
  return text;
}

TEST(FetchUrlText, A200AnswerGivesItsBodyUpToAZeroByteAndAnErrorStatusItsCode) {
  LoopbackServer server(LoopbackServer::Response("200 OK", "3250\r\n"));
  EXPECT_EQ(Fetch(server.Url()), "3250\r\n");
  EXPECT_EQ(WebVersionNumber(*Fetch(server.Url())), 3250);
  EXPECT_EQ(Fetch(server.Url().mid(QString("http://").size())), "3250\r\n");
  LoopbackServer binary(LoopbackServer::Response("200 OK", QByteArray("\x89PNG\0\x01\x02", 7)));
  EXPECT_EQ(Fetch(binary.Url()), "\x89PNG");
  LoopbackServer notFound(LoopbackServer::Response("404 Not Found", "3250"));
  EXPECT_EQ(Fetch(notFound.Url()), "Status:404");
  LoopbackServer failing(LoopbackServer::Response("500 Internal Server Error", ""));
  EXPECT_EQ(Fetch(failing.Url()), "Status:500");
  EXPECT_EQ(WebVersionNumber("Status:404"), 0);
}

TEST(FetchUrlText, A302AnswerIsFollowedToTheAddressItNames) {
  // As the system's internet functions do: the body read is the one the redirection leads to.
  LoopbackServer target(LoopbackServer::Response("200 OK", "3249"));
  const QByteArray redirect = "HTTP/1.1 302 Found\r\nLocation: " + target.Url().toLatin1() +
                              "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
  LoopbackServer moved(redirect);
  EXPECT_EQ(Fetch(moved.Url()), "3249");
  EXPECT_EQ(target.Requests(), 1);
}

TEST(FetchUrlText, ALongBodyIsCutAtTheLimitAndReadsAsUnreadable) {
  LoopbackServer server(LoopbackServer::Response("200 OK", QByteArray(5000, '7')));
  const auto text = Fetch(server.Url());
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->size(), static_cast<std::size_t>(kUpdateBodyLimit));
  EXPECT_EQ(WebVersionNumber(*text), 1);
}

TEST(FetchUrlText, NoServerAndASilentOneGiveTheEmptyTextAtTheTimeOut) {
  EXPECT_EQ(Fetch(LoopbackServer().Url()), "");  // the server is gone when the request goes out
  LoopbackServer silent;
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(Fetch(silent.Url(), 300), "");
  EXPECT_LT(timer.elapsed(), 5000);
}

TEST(FetchUrlText, ATricklingServerIsCutOffAndWhatCameIsJudged) {
  TricklingServer server("3", ' ');
  QElapsedTimer timer;
  timer.start();
  const auto text = Fetch(server.Url(), 400);
  EXPECT_LT(timer.elapsed(), 3000);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->substr(0, 1), "3");
  EXPECT_EQ(WebVersionNumber(*text), 3);
}

TEST(FetchUrlText, NoAnswerReachesAContextThatIsGone) {
  LoopbackServer server(LoopbackServer::Response("200 OK", "3250"));
  platform::Seam* seam = platform::CurrentSeam();
  platform::InstallSeam(nullptr);
  auto context = std::make_unique<QObject>();
  bool called = false;
  FetchUrlText(server.Url().toStdString(), context.get(), [&](const std::string&) { called = true; });
  context.reset();
  QTest::qWait(500);
  platform::InstallSeam(seam);
  EXPECT_EQ(server.Requests(), 1);
  EXPECT_FALSE(called);
}

}  // namespace
}  // namespace velomare::test
