// Ini files from arbitrary bytes: reading never crashes, and a write keeps every line it does not
// change while the written value reads back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/Encoding.h"
#include "FuzzTempFile.h"
#include "platform/plain/IniFile.h"

using velomare::fuzz::TempPath;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = TempPath();
  if (!velomare::platform::WriteFileAtomically(path, bytes)) return 0;

  velomare::platform::IniFile ini(path);
  const std::string section = size > 2 ? std::string(1, static_cast<char>('A' + data[0] % 26)) : "Info";
  (void)ini.ReadString(section, "Sprache", "deutsch");
  (void)ini.ReadInteger("Options", "color", 0);
  (void)ini.ReadBool("Options", "AboutAtStart", true);
  (void)ini.ReadSectionKeys(section);
  (void)ini.SectionExists("Chassis");

  const std::string before = ini.ReadString("Other", "key", "<none>");
  if (!ini.WriteString("Velomare Fuzz", "Value", "0,41")) return 0;
  velomare::platform::IniFile again(path);
  if (again.ReadString("velomare fuzz", "VALUE", "") != "0,41") std::abort();
  if (again.ReadString("Other", "key", "<none>") != before) std::abort();
  ini.EraseSection("Velomare Fuzz");
  return 0;
}
