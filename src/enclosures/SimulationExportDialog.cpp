#include "enclosures/SimulationExportDialog.h"

#include <QFileInfo>

#include "platform/Platform.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

constexpr const char* kFilter =
    "ANSI-Export (*.txt);;ANSI-Export (*.csv);;ANSI-Export (*.asc);;ANSI-Printer-Export (*.prn)";

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ExportOutcome RunSimulationExportDialog(QWidget* owner, const std::optional<SimulationExport>& data,
                                        const char* defaultName) {
  const std::optional<std::string> bytes = data ? ComposeSimulationExport(*data) : std::nullopt;
  if (!bytes) {
    platform::ShowMessage(owner, QString::fromUtf8(export_text::kNoData));
    return ExportOutcome::NoData;
  }
  platform::FileDialogRequest request;
  request.title = QString::fromUtf8(export_text::kTitle);
  request.filter = QString::fromUtf8(kFilter);
  request.defaultName = QString::fromUtf8(defaultName);
  const std::optional<QString> chosen = platform::GetSaveFileName(owner, request);
  if (!chosen || chosen->isEmpty()) return ExportOutcome::Cancelled;
  const std::string path = WithDefaultExportExtension(chosen->toStdString());

  if (QFileInfo::exists(Q(path)) &&
      platform::AskYesNo(owner, Q(export_text::OverwriteQuestion(path))) != platform::Answer::Yes) {
    platform::ShowMessage(owner, QString::fromUtf8(export_text::kNotReplaced));
    return ExportOutcome::NotReplaced;
  }
  if (!platform::WriteFileAtomically(path, *bytes)) {
    platform::ShowMessage(owner, Q(export_text::WriteFailed(path)));
    return ExportOutcome::Failed;
  }
  platform::ShowMessage(owner, QString::fromUtf8(export_text::kSuccess));
  return ExportOutcome::Written;
}

void RunExportChoice(QWidget* owner, int index, bool valid, const std::function<void(int slot)>& store,
                     const std::function<void()>& exportFile) {
  if (!valid) {
    platform::ShowMessage(owner, QString::fromUtf8(export_text::kNoData));
    return;
  }
  if (index >= 0 && index < kComparisonSlotCount)
    store(index + 1);
  else if (index == kComparisonSlotCount)
    exportFile();
}

}  // namespace velomare
