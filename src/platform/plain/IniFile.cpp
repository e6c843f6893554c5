#include "platform/plain/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "common/Encoding.h"

namespace velomare::platform {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

// The key of a "key=value" line, or nothing.
std::optional<std::string_view> KeyName(std::string_view line) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(0, eq));
}

}  // namespace

namespace {

FileSeam* gFileSeam = nullptr;
std::uint64_t gWriteCount = 0;

// The file a path finally names, following symbolic links in its last component, so that a write
// replaces the link's target and not the link. A link to nothing names the file it would create.
std::optional<std::string> ResolveLinks(std::string path) {
  namespace fs = std::filesystem;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(static_cast<std::size_t>(PATH_MAX), '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return std::nullopt;
    target.resize(static_cast<std::size_t>(n));
    const fs::path link(target);
    path = link.is_absolute() ? target : (fs::path(path).parent_path() / link).string();
  }
  return std::nullopt;  // a loop of links
}

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Creates a new temporary file beside the target. O_EXCL with mode 0666 lets the umask decide a
// new file's permissions, as for any file a program creates.
int CreateTemporary(const std::string& dir, const std::string& name, std::string& tmpPath) {
  static std::uint64_t counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::uint64_t salt = (static_cast<std::uint64_t>(::getpid()) << 32) ^
                               (static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) +
                                ++counter * 0x9E3779B97F4A7C15ull);
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(salt));
    tmpPath = dir + "/." + name + "." + std::string(suffix, 6) + ".tmp";
    const int fd = ::open(tmpPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

FileSeam* CurrentFileSeam() { return gFileSeam; }
void InstallFileSeam(FileSeam* seam) { gFileSeam = seam; }
std::uint64_t FileWriteCount() { return gWriteCount; }

IniShape InspectIniBytes(std::string_view bytes) {
  if (TrimBlanks(bytes).empty()) return IniShape::Blank;
  for (char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7F) return IniShape::Binary;
  }
  // Only the last line can have been cut: every line before it ended in a line end.
  const std::size_t lastLineEnd = bytes.rfind('\n');
  const std::string_view last =
      TrimBlanks(lastLineEnd == std::string_view::npos ? bytes : bytes.substr(lastLineEnd + 1));
  if (last.empty() || last.front() == ';' || last.front() == '#' || SectionName(last) || KeyName(last))
    return IniShape::Ini;
  return IniShape::CutOff;
}

FileBytes ReadForReplacing(const std::string& path, std::size_t limit) {
  FileBytes read = ReadRegularFile(path, limit);
  if (read.status == ReadStatus::Ok && InspectIniBytes(read.bytes) == IniShape::Binary) read.bytes.clear();
  return read;
}

namespace {

// What a read does with a file longer than its limit: refuse it, or keep its start.
enum class Beyond { Refuse, KeepStart };

FileBytes ReadUpTo(const std::string& path, std::size_t limit, Beyond beyond) {
  FileBytes result;
  if (gFileSeam) ++gFileSeam->reads;
  // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one for ever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    result.status = (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::Missing : ReadStatus::Failed;
    return result;
  }
  const auto finish = [fd, &result](ReadStatus status) {
    ::close(fd);
    result.status = status;
    if (status != ReadStatus::Ok) result.bytes.clear();
    return result;
  };
  struct stat st {};
  if (::fstat(fd, &st) != 0) return finish(ReadStatus::Failed);
  if (!S_ISREG(st.st_mode)) return finish(ReadStatus::NotRegular);
  if (gFileSeam && gFileSeam->failRead && gFileSeam->failRead(path)) return finish(ReadStatus::Failed);
  const bool refuse = beyond == Beyond::Refuse;
  if (refuse && st.st_size > 0 && static_cast<std::uintmax_t>(st.st_size) > limit) return finish(ReadStatus::TooLarge);
  result.bytes.reserve(std::min(st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0, limit));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return finish(ReadStatus::Failed);
    if (n == 0) break;
    // A file that grows while it is read (or claims a size of 0) is still held to the limit.
    const std::size_t room = limit - result.bytes.size();
    if (static_cast<std::size_t>(n) > room) {
      if (refuse) return finish(ReadStatus::TooLarge);
      result.bytes.append(buffer, room);
      const std::size_t lastLineEnd = result.bytes.rfind('\n');
      result.bytes.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
      break;
    }
    result.bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return finish(ReadStatus::Ok);
}

}  // namespace

FileBytes ReadRegularFile(const std::string& path, std::size_t limit) { return ReadUpTo(path, limit, Beyond::Refuse); }

FileBytes ReadRegularFileStart(const std::string& path, std::size_t limit) {
  return ReadUpTo(path, limit, Beyond::KeepStart);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  FileBytes read = ReadRegularFile(path, kIniFileLimit);
  if (read.status != ReadStatus::Ok) return std::nullopt;
  return std::move(read.bytes);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  const std::optional<std::string> resolved = ResolveLinks(path);
  if (!resolved) return false;
  // A file the user may not write (made read-only, say) is kept, as by any careful save: the
  // rename would otherwise replace it whatever its permissions. The check uses the effective
  // user and capabilities, as a write into the file itself would.
  if (::faccessat(AT_FDCWD, resolved->c_str(), F_OK, AT_EACCESS) == 0 &&
      ::faccessat(AT_FDCWD, resolved->c_str(), W_OK, AT_EACCESS) != 0)
    return false;
  const fs::path target(*resolved);
  std::string dir = target.parent_path().string();
  if (dir.empty()) dir = ".";
  std::string tmp;
  const int fd = CreateTemporary(dir, target.filename().string(), tmp);
  if (fd < 0) return false;
  bool ok = !(gFileSeam && gFileSeam->failWrite && gFileSeam->failWrite(path)) && WriteAll(fd, bytes);
  if (ok) {
    struct stat st {};
    if (::stat(resolved->c_str(), &st) == 0) {
      // The replacement keeps the old file's owner (where we may set it) and permissions.
      // Only root may hand a file to another owner; anyone else keeps their own.
      [[maybe_unused]] const int owned = ::fchown(fd, st.st_uid, st.st_gid);
      ok = ::fchmod(fd, st.st_mode & 07777) == 0;
    }
  }
  if (ok) ok = ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok) ok = std::rename(tmp.c_str(), resolved->c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  ++gWriteCount;
  return true;
}

IniFile::IniFile(std::string path, std::size_t sizeLimit)
    : IniFile(path, ReadRegularFile(path, sizeLimit)) {}

IniFile::IniFile(std::string path, const FileBytes& read) : path_(std::move(path)) {
  loadStatus_ = read.status;
  if (read.status != ReadStatus::Ok) return;
  loaded_ = true;
  const std::string text = Cp1252ToUtf8(read.bytes);
  lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.emplace_back(std::move(line));
    start = end + 1;
  }
}

IniFile::Line::Line(std::string line) : text(std::move(line)) {
  std::optional<std::string_view> name = SectionName(text);
  if (name) {
    kind = Section;
  } else if ((name = KeyName(text))) {
    kind = Key;
  } else {
    return;
  }
  nameBegin = static_cast<std::size_t>(name->data() - text.data());
  nameLength = name->size();
}

IniFile::Location IniFile::Find(std::string_view section, std::string_view key) const {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  Location loc;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Line::Section) {
      if (loc.sectionLine) break;  // the section ended
      if (SameName(line.Name(), section)) {
        loc.sectionLine = i;
        loc.sectionEnd = i + 1;
      }
      continue;
    }
    if (!loc.sectionLine) continue;
    if (line.kind == Line::Key) {
      loc.sectionEnd = i + 1;
      if (!loc.keyLine && SameName(line.Name(), key)) loc.keyLine = i;
    }
  }
  return loc;
}

std::optional<std::string> IniFile::Lookup(std::string_view section, std::string_view key) const {
  const Location loc = Find(section, key);
  if (!loc.keyLine) return std::nullopt;
  std::string_view line = lines_[*loc.keyLine].text;
  std::string_view value = TrimBlanks(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  auto v = Lookup(section, key);
  return v ? *v : std::string(def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const auto v = Lookup(section, key);
  if (!v || v->empty()) return def;
  std::string_view s(*v);
  bool negative = false;
  if (s.front() == '-' || s.front() == '+') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return def;
  long long value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return def;
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return def;
  }
  if (negative) value = -value;
  if (value < INT_MIN || value > INT_MAX) return def;
  return static_cast<int>(value);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::SectionExists(std::string_view section) const {
  return Find(section, std::string_view()).sectionLine.has_value();
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
  return Lookup(section, key).has_value();
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string line = std::string(TrimBlanks(key)) + "=" + std::string(value);
  // A line end inside a value would split the line; the profile functions store one line.
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  const Location loc = Find(section, key);
  if (loc.keyLine) {
    lines_[*loc.keyLine] = Line(std::move(line));
  } else if (loc.sectionLine) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(loc.sectionEnd), Line(std::move(line)));
  } else {
    if (!lines_.empty() && !TrimBlanks(lines_.back().text).empty()) lines_.emplace_back(std::string());
    lines_.emplace_back("[" + std::string(TrimBlanks(section)) + "]");
    lines_.emplace_back(std::move(line));
  }
  return Save();
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::EraseSection(std::string_view section) {
  bool erased = false;
  for (;;) {
    const Location loc = Find(section, std::string_view());
    if (!loc.sectionLine) break;
    std::size_t end = *loc.sectionLine + 1;
    while (end < lines_.size() && lines_[end].kind != Line::Section) ++end;
    std::size_t begin = *loc.sectionLine;
    // The blank lines that separated a last section from the one before it go with it.
    if (end == lines_.size())
      while (begin > 0 && TrimBlanks(lines_[begin - 1].text).empty()) --begin;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(begin),
                 lines_.begin() + static_cast<std::ptrdiff_t>(end));
    erased = true;
  }
  return erased ? Save() : true;
}

bool IniFile::EraseKey(std::string_view section, std::string_view key) {
  bool erased = false;
  for (;;) {
    const Location loc = Find(section, key);
    if (!loc.keyLine) break;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*loc.keyLine));
    erased = true;
  }
  return erased ? Save() : true;
}

void IniFile::BeginUpdate() {
  if (updateDepth_++ == 0) updateFailed_ = false;
}

bool IniFile::CommitUpdate() {
  if (updateDepth_ > 0 && --updateDepth_ > 0) return true;
  return Save() && !updateFailed_;
}

std::string IniFile::Bytes() const {
  std::string text;
  for (const Line& line : lines_) {
    text += line.text;
    text += "\r\n";
  }
  return Utf8ToCp1252(text);
}

bool IniFile::Save() {
  if (updateDepth_ > 0) return true;
  // What could not be read cannot be kept: replacing it would lose it.
  if (loadStatus_ != ReadStatus::Ok && loadStatus_ != ReadStatus::Missing) return false;
  const bool ok = WriteFileAtomically(path_, Bytes());
  if (ok) {
    loaded_ = true;
    loadStatus_ = ReadStatus::Ok;
  }
  return ok;
}

}  // namespace velomare::platform
