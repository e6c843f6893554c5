#pragma once
// The save-dialog sequence of every enclosure window's "file" export: the "no data" message when
// the window has no valid design, the save dialog (title "export simulation", the four ANSI
// filters, the box type's default name), ".txt" for a name without extension, the question before
// replacing a file, and the success message only after the file was written whole.
//
//   std::optional<SimulationExport> data;            // nothing while the design is not valid
//   if (MyDesignValid()) data = MyExportData();
//   RunSimulationExportDialog(this, data, ExportDefaultName(ReflexExportValues{}));
#include <functional>
#include <optional>

#include "enclosures/model/SimulationExport.h"

class QWidget;

namespace velomare {

enum class ExportOutcome { NoData, Cancelled, NotReplaced, Failed, Written };

ExportOutcome RunSimulationExportDialog(QWidget* owner, const std::optional<SimulationExport>& data,
                                        const char* defaultName);

// A choice in a box window's export list ("# 1" .. "# 4", "file"): the "no data" message when the
// window has nothing to store, else the store into slot index + 1 or the file export.
void RunExportChoice(QWidget* owner, int index, bool valid, const std::function<void(int slot)>& store,
                     const std::function<void()>& exportFile);

}  // namespace velomare
