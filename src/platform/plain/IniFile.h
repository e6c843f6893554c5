#pragma once
// An ini file with the semantics of the Windows profile functions: sections and keys compare
// without regard to case, the first of several equal sections or keys counts, a missing file,
// section or key gives the reader's default, keys and values are read without surrounding blanks,
// and a write changes one line and keeps every other section, key and line as it was.
//
// The file is Windows-1252 text with CR LF line ends (LF alone is read too); texts in and out of
// this class are UTF-8. Every write replaces the file whole through a temporary file in the same
// folder and a rename, so a failed or interrupted write leaves the old file intact.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomare::platform {

class IniFile {
 public:
  explicit IniFile(std::string path);

  const std::string& Path() const { return path_; }

  // True when the file existed and could be read when the object was made.
  bool Loaded() const { return loaded_; }

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Default when the key is missing or its text is not a whole decimal integer in range.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // The integer rule; any value other than 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  std::vector<std::string> ReadSectionKeys(std::string_view section) const;

  // Each returns false, and leaves the file on disk as it was, when the file cannot be written.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInteger(std::string_view section, std::string_view key, int value);
  bool WriteBool(std::string_view section, std::string_view key, bool value);  // "1" / "0"
  bool EraseSection(std::string_view section);

  // Several writes as one replacement of the file: Begin, the writes, then Commit. Until Commit
  // nothing reaches the disk, and Commit reports whether the file was written.
  void BeginUpdate();
  bool CommitUpdate();

 private:
  struct Location {
    std::optional<std::size_t> sectionLine;
    std::optional<std::size_t> keyLine;
    std::size_t sectionEnd = 0;  // line after the last key line of the section
  };
  Location Find(std::string_view section, std::string_view key) const;
  std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;
  bool Save();

  std::string path_;
  std::vector<std::string> lines_;  // UTF-8, without line ends
  bool loaded_ = false;
  int updateDepth_ = 0;
  bool updateFailed_ = false;
};

// Writes bytes to a file whole or not at all: a temporary file beside the target, flushed to the
// disk, then renamed over it.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace velomare::platform
