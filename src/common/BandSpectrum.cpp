#include "common/BandSpectrum.h"

#include "platform/plain/IniFile.h"

namespace velomare {

SpectrumTexts DanceSpectrum() {
  SpectrumTexts dance;
  dance.name = kDanceSpectrumName;
  for (int i = 0; i < kSpectrumBandCount; ++i) dance.levels[i] = kSpectrumBands[i].danceLevel;
  return dance;
}

SpectrumTexts ReadSpectrumSection(const platform::IniFile& ini) {
  SpectrumTexts spectrum;
  spectrum.name = ini.ReadString(kSpectrumSection, kSpectrumNameKey, kDanceSpectrumName);
  for (int i = 0; i < kSpectrumBandCount; ++i)
    spectrum.levels[i] = ini.ReadString(kSpectrumSection, kSpectrumBands[i].key, kSpectrumBands[i].danceLevel);
  return spectrum;
}

bool WriteSpectrumSection(platform::IniFile& ini, const SpectrumTexts& spectrum) {
  ini.BeginUpdate();
  // Written in place, keys of a section in another order would keep that order: the section
  // is written anew in band order, after any key of its own that is none of ours.
  ini.EraseKey(kSpectrumSection, kSpectrumNameKey);
  for (const SpectrumBand& band : kSpectrumBands) ini.EraseKey(kSpectrumSection, band.key);
  ini.WriteString(kSpectrumSection, kSpectrumNameKey, spectrum.name);
  for (int i = 0; i < kSpectrumBandCount; ++i)
    ini.WriteString(kSpectrumSection, kSpectrumBands[i].key, spectrum.levels[i]);
  return ini.CommitUpdate();
}

}  // namespace velomare
