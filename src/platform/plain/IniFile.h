#pragma once
// An ini file with the semantics of the Windows profile functions: sections and keys compare
// without regard to case, the first of several equal sections or keys counts, a missing file,
// section or key gives the reader's default, keys and values are read without surrounding blanks,
// and a write changes one line and keeps every other section, key and line as it was.
//
// The file is Windows-1252 text with CR LF line ends (LF alone is read too); texts in and out of
// this class are UTF-8. Every write replaces the file whole through a temporary file in the same
// folder and a rename, so a failed or interrupted write leaves the old file intact. A file that
// exists but could not be read (not a regular file, too large, a read error) is never written:
// its content would be lost.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomare::platform {

// How reading a file ended. Every file the program reads goes through ReadRegularFile.
enum class ReadStatus {
  Ok,
  Missing,     // nothing under that name (or a symbolic link to nothing)
  NotRegular,  // a folder, a FIFO, a device, a socket
  TooLarge,    // larger than the reader's limit
  Failed,      // no permission, an I/O error
};
struct FileBytes {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;  // only for Ok
};

// The limit of an ini file: far beyond any settings or driver file a person writes.
inline constexpr std::size_t kIniFileLimit = 4 * 1024 * 1024;

// Reads a regular file whole, following symbolic links. The file is opened without blocking, so
// a FIFO or a device never stalls the program, and anything but a regular file is refused before
// a byte is read; at most `limit` bytes are read, whatever the file claims its size to be.
FileBytes ReadRegularFile(const std::string& path, std::size_t limit);
// Reads the start of a regular file the same way: a file of at most `limit` bytes whole, of a
// longer one the whole lines among its first `limit` bytes (a line cut by the limit is dropped).
// The rest is never read, so a file of any size costs at most `limit` bytes.
FileBytes ReadRegularFileStart(const std::string& path, std::size_t limit);
// The bytes of a regular file of at most kIniFileLimit bytes, or nothing.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes bytes to a file whole or not at all: a temporary file beside the target, flushed to the
// disk, then renamed over it. A symbolic link is written through to the file it names and stays
// a link; an existing file keeps its permissions, a new one gets 0666 less the umask. An existing
// file that this user may not write is left as it is, and the write fails.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Counts every successful WriteFileAtomically of this process, so that a cache of a file can tell
// a write of its own that a coarse file time stamp would hide.
std::uint64_t FileWriteCount();

// What a test puts between the program and its files: it counts the reads and can make a read or
// a write fail the way a damaged disk or a full one would. Nothing is installed in the program.
struct FileSeam {
  std::function<bool(const std::string& path)> failRead;   // true: the read fails (EIO)
  std::function<bool(const std::string& path)> failWrite;  // true: writing the bytes fails (ENOSPC)
  int reads = 0;                                            // calls of ReadRegularFile
};
FileSeam* CurrentFileSeam();
void InstallFileSeam(FileSeam* seam);

// What a file's bytes are to an ini reader, looked at before a file the user picked is read as
// one: blank, binary (control characters), cut off (the last line has no line end and is none of
// the lines an ini file holds: blank, a note after ";" or "#", a section or a key=value line, as
// "[Chas" or "manufactor=VIS" cut to "manu"), or an ini file. Any other line ends in a line end
// and is a line the reader skips, as it does in the settings file: a note, a line of text.
enum class IniShape { Ini, Blank, Binary, CutOff };
IniShape InspectIniBytes(std::string_view bytes);

// A file the user chose to write a document into, read as an update starts from it: as
// ReadRegularFile, but a file that holds no text at all (a picture, a program) counts as empty.
// The user agreed to replace it, and keeping its bytes around the new keys would give a file that
// no reader opens, this program's included.
FileBytes ReadForReplacing(const std::string& path, std::size_t limit);

class IniFile {
 public:
  explicit IniFile(std::string path, std::size_t sizeLimit = kIniFileLimit);
  // The file as a caller has already read it (to look at its bytes first).
  IniFile(std::string path, const FileBytes& read);

  const std::string& Path() const { return path_; }

  // True when the file existed and could be read when the object was made.
  bool Loaded() const { return loaded_; }
  // How reading the file ended when the object was made.
  ReadStatus LoadStatus() const { return loadStatus_; }

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Default when the key is missing or its text is not a whole decimal integer in range.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // The integer rule; any value other than 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

  // Each returns false, and leaves the file on disk as it was, when the file cannot be written
  // or when it existed but could not be read.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInteger(std::string_view section, std::string_view key, int value);
  bool WriteBool(std::string_view section, std::string_view key, bool value);  // "1" / "0"
  bool EraseSection(std::string_view section);
  // Every line of the key in the section (the repeated ones too), so that a key written after
  // it comes where the writer puts it and is the one that counts.
  bool EraseKey(std::string_view section, std::string_view key);

  // Several writes as one replacement of the file: Begin, the writes, then Commit. Until Commit
  // nothing reaches the disk, and Commit reports whether the file was written.
  void BeginUpdate();
  bool CommitUpdate();

  // The bytes a write puts on the disk: the lines as they now stand, Windows-1252, CR LF.
  std::string Bytes() const;

 private:
  struct Location {
    std::optional<std::size_t> sectionLine;
    std::optional<std::size_t> keyLine;
    std::size_t sectionEnd = 0;  // line after the last key line of the section
  };
  Location Find(std::string_view section, std::string_view key) const;
  std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;
  bool Save();

  // A line with what it is, worked out once when the line is made: every lookup runs over all
  // lines, and a spectrum write makes some hundred lookups.
  struct Line {
    explicit Line(std::string text);
    std::string text;  // UTF-8, without the line end
    enum Kind : unsigned char { Other, Section, Key } kind = Other;
    std::size_t nameBegin = 0, nameLength = 0;  // the section's or key's name, without blanks
    std::string_view Name() const { return std::string_view(text).substr(nameBegin, nameLength); }
  };

  std::string path_;
  std::vector<Line> lines_;
  bool loaded_ = false;
  ReadStatus loadStatus_ = ReadStatus::Missing;
  int updateDepth_ = 0;
  bool updateFailed_ = false;
};

}  // namespace velomare::platform
