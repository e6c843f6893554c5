#pragma once
// Fetches a short text by HTTP for the update check, without blocking: `done` runs later on the
// user-interface thread with the body of a 200 or 302 answer, "Status:" and the code of any
// other answer, or the empty text when no answer came within the time-out.
#include <QObject>
#include <functional>
#include <string>

#include "app/model/UpdateCheck.h"

namespace velomare {

// `done` never runs once `context` is destroyed: a window that closes during a fetch is safe.
void FetchUrlText(const std::string& url, QObject* context, std::function<void(const std::string&)> done,
                  int timeoutMs = kUpdateTimeoutMs);

}  // namespace velomare
