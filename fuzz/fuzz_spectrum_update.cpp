// Spectrum files and update-server answers from arbitrary bytes, parsed from memory: a spectrum
// file is read without a crash and, once accepted, written back and accepted again with the same
// name; an answer gives a web version number in its range and a version text that is "?" or four
// digits with their points, never more.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/model/SpectrumFile.h"
#include "app/model/UpdateCheck.h"
#include "platform/plain/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velomare;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const int v = WebVersionNumber(bytes);
  if (v < 0) std::abort();
  const std::string shown = WebVersionText(v);
  if (shown != "?" && shown.size() != 7) std::abort();
  const UpdateReport report = ReportFor(v, size % 2 == 0);
  if (report.offersDownload && report.setsResult) std::abort();
  const std::string fetched = FetchedText(static_cast<int>(size % 600), bytes);
  if (fetched.find('\0') != std::string::npos) std::abort();

  const SpectrumFileRead read = ReadSpectrumBytes(bytes);
  if (read.status != SpectrumFileStatus::Ok) return 0;
  const SpectrumTexts taken = TakeSpectrum(read.spectrum.name, read.spectrum.levels);
  // The write as the file would receive it, held in memory as one update.
  platform::IniFile ini({}, platform::FileBytes{platform::ReadStatus::Ok, bytes});
  ini.BeginUpdate();
  if (!WriteSpectrumSection(ini, taken)) std::abort();
  const SpectrumFileRead again = ReadSpectrumBytes(ini.Bytes());
  if (again.status != SpectrumFileStatus::Ok) std::abort();
  for (int i = 0; i < kSpectrumBandCount; ++i)
    if (taken.levels[i] != "-100" && again.spectrum.levels[i] != taken.levels[i]) std::abort();
  return 0;
}
