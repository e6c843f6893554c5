#include "enclosures/model/SimulationExport.h"

#include <cmath>
#include <string_view>

#include "common/Encoding.h"
#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

class Lines {
 public:
  // About 420 short lines, each appended in place.
  explicit Lines(bool english) : english_(english) { out_.reserve(8192); }

  void Text(std::string_view text) { out_.append(text).append("\r\n"); }
  // A number under the file's comma rule; `comma` overrides it for the vented bandpass tubes.
  void Number(std::string_view label, double value, int width, int decimals) {
    Labelled(label, Format(value, width, decimals, !english_));
  }
  void NumberWithComma(std::string_view label, double value, int width, int decimals, bool comma) {
    Labelled(label, Format(value, width, decimals, comma));
  }
  void Integer(std::string_view label, long long value) { Labelled(label, std::to_string(value)); }
  void Labelled(std::string_view label, std::string_view value) {
    out_.append(label).append(1, '\t').append(value).append("\r\n");
  }
  bool Finite() const { return finite_; }
  const std::string& Out() const { return out_; }
  bool English() const { return english_; }

 private:
  std::string Format(double value, int width, int decimals, bool comma) {
    if (!std::isfinite(value)) finite_ = false;
    const std::string text = FormatFixed(value, width, decimals);
    return comma ? DotToComma(text) : text;
  }

  bool english_;
  bool finite_ = true;
  std::string out_;
};

const char* Pick(bool english, const char* german, const char* englishText) { return english ? englishText : german; }

struct BoxWriter {
  Lines& lines;

  std::string BoxLine(const ClosedExportValues&) const {
    return Pick(lines.English(), "Einbau in geschlossenes Gehäuse", "in closed box");
  }
  std::string BoxLine(const ReflexExportValues&) const {
    return Pick(lines.English(), "Einbau in Bassreflex-Gehäuse", "in vented reflex box");
  }
  std::string BoxLine(const ClosedBandpassExportValues& v) const {
    if (v.pushPull)
      return Pick(lines.English(), "Einbau in Bandpass-Gehäuse mit Push-Pull (Isobarik)",
                  "in closed band pass box with push-pull");
    return Pick(lines.English(), "Einbau in Bandpass-Gehäuse", "in closed band pass box");
  }
  std::string BoxLine(const VentedBandpassExportValues& v) const {
    if (v.pushPull)
      return Pick(lines.English(), "Einbau in ventilierten Bandpass 6. Ordnung mit Push-Pull (Isobarik)",
                  "in vented band pass box 6th order with push-pull");
    return Pick(lines.English(), "Einbau in ventilierten Bandpass 6. Ordnung", "vented band pass box 6th order");
  }
  std::string BoxLine(const OpenBaffleExportValues&) const {
    return Pick(lines.English(), "Einbau in offenes Gehäuse", "in open box");
  }

  void Values(const ClosedExportValues& v) const {
    lines.Number("Qtc", v.qtc, 1, 3);
    lines.Number("volumen (l)", v.volume, 1, 3);
    lines.Integer("chassis", v.drivers);
    lines.Number("Rseriell", v.seriesR, 1, 3);
  }
  void Values(const ReflexExportValues& v) const {
    const bool en = lines.English();
    lines.Number("volumen (l)", v.volume, 1, 3);
    lines.Integer("chassis", v.drivers);
    lines.Integer("Ql", v.ql);
    lines.Number(Pick(en, "Rseriell (Ohm)", "Rserial (ohms)"), v.seriesR, 1, 3);
    lines.Integer(Pick(en, "Rohre", "tubes"), v.ports);
    lines.Number(Pick(en, "Durchmesser (cm)", "diameter (cm)"), v.portDiameter, 1, 1);
    lines.Number(Pick(en, "Länge (cm)", "length (cm)"), v.portLength, 1, 1);
  }
  void Values(const ClosedBandpassExportValues& v) const {
    const bool en = lines.English();
    lines.Number("volumen g (l)", v.vg, 1, 3);
    lines.Number("volumen reflex (l)", v.vr, 1, 3);
    lines.Integer("Ql", v.ql);
    lines.Number(Pick(en, "Rohrdurchmesser", "tube diameter (cm)"), v.portDiameter, 1, 1);
    lines.Number(Pick(en, "Rohrlänge (cm)", "tube length (cm)"), v.portLength, 1, 1);
    if (v.rectangularPort)
      lines.Text(std::string(Pick(en, "rechteckiger Tunnel ", "rectangle port ")) + v.tunnelWidthText + " x " +
                 v.tunnelHeightText + Pick(en, " cm verwendet", " cm used"));
    else
      lines.Text(Pick(en, "Rohr verwendet", "round tube used"));
  }
  void Values(const VentedBandpassExportValues& v) const {
    const bool en = lines.English();
    lines.Number("volumen 1 (l)", v.volume1, 1, 3);
    lines.Number("volumen 2 (l)", v.volume2, 1, 3);
    lines.Integer("Ql", v.ql);
    // These four carry the comma in English and the point in German, the other way round from
    // every other number of the file; the comparison window's import relies on nothing here.
    lines.NumberWithComma(Pick(en, "Rohrdurchmesser 1 (cm)", "tube diameter 1 (cm)"), v.portDiameter1, 1, 1, en);
    lines.NumberWithComma(Pick(en, "Rohrlänge 1", "tube length 1(cm)"), v.portLength1, 1, 1, en);
    lines.NumberWithComma(Pick(en, "Rohrdurchmesser 2 (cm)", "tube diameter 2 (cm)"), v.portDiameter2, 1, 1, en);
    lines.NumberWithComma(Pick(en, "Rohrlänge 2 (cm)", "tube length 2 (cm)"), v.portLength2, 1, 1, en);
  }
  void Values(const OpenBaffleExportValues& v) const {
    lines.Number(Pick(lines.English(), "Abstand (m)", "distance (m)"), v.halfPath, 1, 2);
  }
};

}  // namespace

ExportDriver ExportDriverFromCommitted(ExportSensitivity sensitivity) {
  ExportDriver d;
  d.manufacturer = ChassisManufacturer;
  d.name = ChassisName;
  d.qts = ChassisQts;
  d.qes = ChassisQes;
  d.fs = ChassisFs;
  d.vas = ChassisVas;
  if (sensitivity == ExportSensitivity::Committed)
    d.spl = std::isfinite(ChassisSpl) ? ChassisSpl : 0.0;
  else
    d.spl = ReferenceSpl(ChassisFs, ChassisVas, ChassisQes).value_or(0.0);
  return d;
}

std::optional<std::string> ComposeSimulationExport(const SimulationExport& data) {
  Lines lines(data.english);
  lines.Text(kExportFirstLine);
  lines.Text(data.driver.manufacturer + "\t" + data.driver.name);
  lines.Number("Qts", data.driver.qts, 1, 2);
  lines.Number("Qes", data.driver.qes, 1, 2);
  lines.Number("fs (Hz)", data.driver.fs, 1, 1);
  lines.Number("Vas (l)", data.driver.vas, 1, 1);
  lines.Number("SPL (dB)", data.driver.spl, 2, 1);
  lines.Text("");
  const BoxWriter writer{lines};
  std::visit([&](const auto& box) { lines.Text(writer.BoxLine(box)); }, data.box);
  lines.Text("");
  std::visit([&](const auto& box) { writer.Values(box); }, data.box);
  lines.Text("");
  lines.Labelled("f (Hz)", "level (dB)");
  for (int f = 1; f <= kComparisonLevelCount; ++f)
    lines.Number(std::to_string(f), data.levels[static_cast<std::size_t>(f - 1)], 1, 2);
  if (!lines.Finite()) return std::nullopt;
  return Utf8ToCp1252(lines.Out());
}

const char* ExportDefaultName(const ExportBoxValues& box) {
  constexpr const char* kNames[] = {"closed", "reflex", "bandpass", "ventedbandpass", "open"};
  return kNames[box.index()];
}

namespace export_text {
std::string OverwriteQuestion(const std::string& fileName) { return "überschreibe / overwrite " + fileName + " ?"; }
std::string WriteFailed(const std::string& fileName) {
  return "Datei " + fileName + " konnte nicht geschrieben werden / file " + fileName + " could not be written";
}
}  // namespace export_text

std::string WithDefaultExportExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.find('.') != std::string::npos) return path;
  return path + ".txt";
}

}  // namespace velomare
