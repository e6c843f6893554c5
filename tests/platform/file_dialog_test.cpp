// The default extension of a file dialog: added to a name typed without one.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "TestSupport.h"
#include "platform/Platform.h"

namespace velomare::test {
namespace {

TEST(FileDialog, TheDefaultExtensionIsAddedOnlyToANameWithoutOne) {
  QTemporaryDir dir;
  platform::FileDialogRequest request;
  request.defaultExtension = "spe";
  const QString folder = dir.path() + "/";
  EXPECT_EQ(platform::WithDefaultExtension(folder + "rock", request, true), folder + "rock.spe");
  EXPECT_EQ(platform::WithDefaultExtension(folder + "rock.spe", request, true), folder + "rock.spe");
  EXPECT_EQ(platform::WithDefaultExtension(folder + "rock.txt", request, true), folder + "rock.txt");
  EXPECT_EQ(platform::WithDefaultExtension(folder + "v1.2/rock", request, true), folder + "v1.2/rock.spe");
  // Opening: a file that exists under the name as typed is taken as it is.
  WriteFileBytes((folder + "plain").toStdString(), "x");
  EXPECT_EQ(platform::WithDefaultExtension(folder + "plain", request, false), folder + "plain");
  EXPECT_EQ(platform::WithDefaultExtension(folder + "other", request, false), folder + "other.spe");
  request.defaultExtension.clear();
  EXPECT_EQ(platform::WithDefaultExtension(folder + "rock", request, true), folder + "rock");
}

TEST(FileDialog, TheSeamsAnswerGetsTheDefaultExtensionToo) {
  platform::Seam seam;
  seam.fileName = [](const platform::FileDialogRequest&, bool) { return std::optional<QString>("/tmp/x/name"); };
  platform::Seam* previous = platform::CurrentSeam();
  platform::InstallSeam(&seam);
  platform::FileDialogRequest request;
  request.defaultExtension = "spe";
  const auto saved = platform::GetSaveFileName(nullptr, request);
  request.defaultExtension.clear();
  const auto plain = platform::GetSaveFileName(nullptr, request);
  seam.fileName = nullptr;
  const auto cancelled = platform::GetOpenFileName(nullptr, request);
  platform::InstallSeam(previous);
  EXPECT_EQ(saved.value_or(""), "/tmp/x/name.spe");
  EXPECT_EQ(plain.value_or(""), "/tmp/x/name");
  EXPECT_FALSE(cancelled.has_value());
}

}  // namespace
}  // namespace velomare::test
