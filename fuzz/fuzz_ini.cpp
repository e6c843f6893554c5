// Ini files from arbitrary bytes, parsed from memory: reading never crashes, a write keeps every
// line it does not change while the written value reads back from the bytes it would store, and
// what is written is a file the program opens again unless it kept the input's binary bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/plain/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using velomare::platform::FileBytes;
  using velomare::platform::IniFile;
  using velomare::platform::IniShape;
  using velomare::platform::InspectIniBytes;
  using velomare::platform::ReadStatus;
  const std::string input(reinterpret_cast<const char*>(data), size);
  IniFile ini({}, FileBytes{ReadStatus::Ok, input});
  const std::string section = size > 2 ? std::string(1, static_cast<char>('A' + data[0] % 26)) : "Info";
  (void)ini.ReadString(section, "Sprache", "deutsch");
  (void)ini.ReadInteger("Options", "color", 0);
  (void)ini.ReadBool("Options", "AboutAtStart", true);
  (void)ini.SectionExists("Chassis");

  // Held as one update, the writes stay in memory: nothing reaches the disk.
  const std::string before = ini.ReadString("Other", "key", "<none>");
  ini.BeginUpdate();
  if (!ini.WriteString("Velomare Fuzz", "Value", "0,41")) std::abort();
  const IniFile again({}, FileBytes{ReadStatus::Ok, ini.Bytes()});
  if (again.ReadString("velomare fuzz", "VALUE", "") != "0,41") std::abort();
  if (again.ReadString("Other", "key", "<none>") != before) std::abort();
  const IniShape written = InspectIniBytes(ini.Bytes());
  if (written != (InspectIniBytes(input) == IniShape::Binary ? IniShape::Binary : IniShape::Ini)) std::abort();
  ini.EraseSection("Velomare Fuzz");
  return 0;
}
