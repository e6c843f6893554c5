#pragma once
// The save-dialog sequence of every enclosure window's "file" export: the "no data" message when
// the window has no valid design, the save dialog (title "export simulation", the four ANSI
// filters, the box type's default name), ".txt" for a name without extension, the question before
// replacing a file, and the success message only after the file was written whole.
//
//   std::optional<SimulationExport> data;            // nothing while the design is not valid
//   if (MyDesignValid()) data = MyExportData();
//   RunSimulationExportDialog(this, data, ExportDefaultName(ReflexExportValues{}));
#include <optional>

#include "enclosures/model/SimulationExport.h"

class QWidget;

namespace velomare {

enum class ExportOutcome { NoData, Cancelled, NotReplaced, Failed, Written };

ExportOutcome RunSimulationExportDialog(QWidget* owner, const std::optional<SimulationExport>& data,
                                        const char* defaultName);

}  // namespace velomare
