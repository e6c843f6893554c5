#include "app/FetchUrlText.h"

#include <QPointer>

#include "platform/Platform.h"

namespace velomare {

void FetchUrlText(const std::string& url, QObject* context, std::function<void(const std::string&)> done,
                  int timeoutMs) {
  QPointer<QObject> alive(context);
  platform::HttpGet(QString::fromStdString(UrlWithScheme(url)), timeoutMs, kUpdateBodyLimit,
                    [alive, hasContext = context != nullptr, done = std::move(done)](const platform::HttpResult& r) {
                      if (hasContext && !alive) return;
                      done(FetchedText(r.status, std::string_view(r.body.constData(), r.body.size())));
                    });
}

}  // namespace velomare
