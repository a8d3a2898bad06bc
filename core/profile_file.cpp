#include "core/profile_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <map>
#include <utility>

namespace orvosal {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kProfileBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimBlanks(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(kProfileBlanks);
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(kProfileBlanks) - begin + 1);
}

// ASCII letters plus the Latin-1 capitals of UTF-8 (À..Þ without ×), which
// covers Ä, Ö and Ü; every other byte stays as it is.
std::string foldCase(std::string_view name) {
  std::string folded(name);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    const auto byte = static_cast<unsigned char>(folded[i]);
    if (byte >= 'A' && byte <= 'Z') {
      folded[i] = static_cast<char>(byte + 32);
    } else if (byte == 0xC3 && i + 1 < folded.size()) {
      const auto next = static_cast<unsigned char>(folded[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) folded[i + 1] = static_cast<char>(next + 32);
      ++i;
    }
  }
  return folded;
}

// A line's text and the exact bytes that ended it ("\n", "\r\n" or nothing).
struct Line {
  std::string text;
  std::string end;
};
using Lines = std::vector<Line>;

Lines splitLines(std::string_view content) {
  Lines lines;
  while (!content.empty()) {
    const std::size_t newline = content.find('\n');
    const std::size_t next = newline == std::string_view::npos ? content.size() : newline + 1;
    std::size_t length = newline == std::string_view::npos ? content.size() : newline;
    if (length > 0 && content[length - 1] == '\r') --length;
    lines.push_back(
        {std::string(content.substr(0, length)), std::string(content.substr(length, next - length))});
    content.remove_prefix(next);
  }
  return lines;
}

std::string joinLines(const Lines& lines) {
  std::string content;
  for (const Line& line : lines) content += line.text + line.end;
  return content;
}

enum class Kind { Other, Section, Entry };

struct Parsed {
  Kind kind = Kind::Other;
  std::string_view name;
  std::size_t valueStart = 0;  // just behind the '=' of an entry
};

Parsed parse(std::string_view text) {
  const std::size_t skip = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  const std::size_t begin = text.find_first_not_of(kProfileBlanks, skip);
  if (begin == std::string_view::npos || text[begin] == ';' || text[begin] == '#') return {};
  if (text[begin] == '[') {
    const std::size_t close = text.find(']', begin);
    const std::size_t stop = close == std::string_view::npos ? text.size() : close;
    return {Kind::Section, trimBlanks(text.substr(begin + 1, stop - begin - 1))};
  }
  const std::size_t equals = text.find('=', begin);
  if (equals == std::string_view::npos) return {};
  const std::string_view name = trimBlanks(text.substr(begin, equals - begin));
  if (name.empty()) return {};
  return {Kind::Entry, name, equals + 1};
}

bool isBlankLine(std::string_view text) { return trimBlanks(text).empty(); }

// Lines [header, end) of the first section with the folded name.
struct Span {
  std::size_t header;
  std::size_t end;
};

std::optional<Span> findSection(const Lines& lines, const std::string& foldedName) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Parsed parsed = parse(lines[i].text);
    if (parsed.kind != Kind::Section || foldCase(parsed.name) != foldedName) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && parse(lines[end].text).kind != Kind::Section) ++end;
    return Span{i, end};
  }
  return std::nullopt;
}

// Each name of the given kind in lines [from, to) once, as first spelled.
std::vector<std::string> distinctNames(const Lines& lines, std::size_t from, std::size_t to, Kind kind) {
  std::vector<std::string> names;
  std::vector<std::string> folded;
  for (std::size_t i = from; i < to; ++i) {
    const Parsed parsed = parse(lines[i].text);
    if (parsed.kind != kind || parsed.name.empty()) continue;
    std::string name = foldCase(parsed.name);
    if (std::ranges::find(folded, name) != folded.end()) continue;
    folded.push_back(std::move(name));
    names.emplace_back(parsed.name);
  }
  return names;
}

bool isKeyLine(const Line& line, const std::string& foldedKey) {
  const Parsed parsed = parse(line.text);
  return parsed.kind == Kind::Entry && foldCase(parsed.name) == foldedKey;
}

std::string cleanValue(std::string_view raw) {
  raw = trimBlanks(raw.substr(0, raw.find('\0')));
  if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') raw = raw.substr(1, raw.size() - 2);
  if (raw.size() <= ProfileFile::kMaxValueLength) return std::string(raw);
  std::size_t cut = ProfileFile::kMaxValueLength;
  while (cut > 0 && (static_cast<unsigned char>(raw[cut]) & 0xC0) == 0x80) --cut;
  return std::string(raw.substr(0, cut));
}

std::string encodeValue(std::string_view value) {
  const bool padded = !value.empty() && (kProfileBlanks.find(value.front()) != std::string_view::npos ||
                                         kProfileBlanks.find(value.back()) != std::string_view::npos);
  const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
  return padded || quoted ? "\"" + std::string(value) + "\"" : std::string(value);
}

bool fitsOnLine(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) == text.npos;
}

bool validSection(std::string_view name) {
  return !name.empty() && fitsOnLine(name) && name.find(']') == name.npos;
}

bool validKey(std::string_view name) {
  return !name.empty() && fitsOnLine(name) && name.find('=') == name.npos && name.front() != ';' &&
         name.front() != '#' && name.front() != '[';
}

// The file's content, an empty string when it does not exist, nullopt when it
// exists but cannot be read.
std::optional<std::string> load(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return std::string();
  if (error || status.type() != fs::file_type::regular) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad()) return std::nullopt;
  return content;
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Opens a fresh temporary file beside the target, or returns -1.
int createTemporary(const fs::path& target, fs::path& temporary) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = target;
    temporary.replace_filename("." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                               std::to_string(counter++));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Writes the complete content to a temporary file, flushes it to disk and
// renames it over the target, so readers see either the old or the new file.
bool replaceAtomically(const fs::path& target, std::string_view content) {
  const fs::path folder = target.parent_path();
  std::error_code error;
  if (!folder.empty()) fs::create_directories(folder, error);
  if (error) return false;
  fs::path temporary;
  const int fd = createTemporary(target, temporary);
  if (fd < 0) return false;
  struct stat existing {};
  bool ok = ::stat(target.c_str(), &existing) != 0 || ::fchmod(fd, existing.st_mode & 07777) == 0;
  ok = ok && writeAll(fd, content) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  syncFolder(folder);
  return true;
}

// Inserts a line, first ending the line before it if that was the unended last one.
void insertLine(Lines& lines, std::size_t at, std::string text, const std::string& end) {
  if (at > 0 && lines[at - 1].end.empty()) lines[at - 1].end = end;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), end});
}

// The lock files this thread holds, with how often each was taken.
thread_local std::map<std::string, int> heldLocks;

}  // namespace

ProfileLock::ProfileLock(const fs::path& file) : key_(file.string() + ".lock") {
  if (auto held = heldLocks.find(key_); held != heldLocks.end()) {
    ++held->second;
    held_ = true;
    return;
  }
  std::error_code error;
  if (file.has_parent_path()) fs::create_directories(file.parent_path(), error);
  fd_ = ::open(key_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) return;
  int rc = 0;
  do {
    rc = ::flock(fd_, LOCK_EX);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    ::close(fd_);
    fd_ = -1;
    return;
  }
  heldLocks[key_] = 1;
  held_ = true;
}

ProfileLock::~ProfileLock() {
  if (!held_) return;
  auto held = heldLocks.find(key_);
  if (--held->second > 0) return;
  heldLocks.erase(held);
  ::close(fd_);  // closing releases the lock
}

ProfileFile::ProfileFile(fs::path path) : path_(std::move(path)) {}

bool ProfileFile::readable() const { return load(path_).has_value(); }

std::optional<std::string> ProfileFile::find(std::string_view section, std::string_view key) const {
  const std::optional<std::string> content = load(path_);
  if (!content) return std::nullopt;
  const Lines lines = splitLines(*content);
  const std::optional<Span> span = findSection(lines, foldCase(trimBlanks(section)));
  if (!span) return std::nullopt;
  const std::string foldedKey = foldCase(trimBlanks(key));
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (isKeyLine(lines[i], foldedKey)) {
      return cleanValue(std::string_view(lines[i].text).substr(parse(lines[i].text).valueStart));
    }
  }
  return std::nullopt;
}

std::string ProfileFile::read(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
  return find(section, key).value_or(std::string(defaultValue));
}

bool ProfileFile::write(std::string_view section, std::string_view key, std::string_view value) {
  section = trimBlanks(section);
  key = trimBlanks(key);
  if (!validSection(section) || !validKey(key) || !fitsOnLine(value) || !readable()) return false;
  const ProfileLock lock(path_);
  if (!lock.held()) return false;
  const std::optional<std::string> content = load(path_);
  if (!content) return false;
  Lines lines = splitLines(*content);
  const std::string end = !lines.empty() && !lines.front().end.empty() ? lines.front().end : "\n";
  const std::string encoded = encodeValue(value);

  const std::optional<Span> span = findSection(lines, foldCase(section));
  if (!span) {
    if (!lines.empty() && !isBlankLine(lines.back().text)) insertLine(lines, lines.size(), "", end);
    insertLine(lines, lines.size(), "[" + std::string(section) + "]", end);
    insertLine(lines, lines.size(), std::string(key) + "=" + encoded, end);
    return replaceAtomically(path_, joinLines(lines));
  }
  const std::string foldedKey = foldCase(key);
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (!isKeyLine(lines[i], foldedKey)) continue;
    std::string& text = lines[i].text;
    const std::size_t valueStart = parse(text).valueStart;
    const std::size_t padding = text.find_first_not_of(kProfileBlanks, valueStart);
    text = text.substr(0, padding == std::string::npos ? valueStart : padding) + encoded;
    return replaceAtomically(path_, joinLines(lines));
  }
  std::size_t at = span->end;
  while (at > span->header + 1 && isBlankLine(lines[at - 1].text)) --at;
  insertLine(lines, at, std::string(key) + "=" + encoded, end);
  return replaceAtomically(path_, joinLines(lines));
}

bool ProfileFile::remove(std::string_view section, std::string_view key) {
  if (!find(section, key)) return readable();
  const ProfileLock lock(path_);
  if (!lock.held()) return false;
  const std::optional<std::string> content = load(path_);
  if (!content) return false;
  Lines lines = splitLines(*content);
  const std::optional<Span> span = findSection(lines, foldCase(trimBlanks(section)));
  if (!span) return true;
  const std::string foldedKey = foldCase(trimBlanks(key));
  const auto first = lines.begin() + static_cast<std::ptrdiff_t>(span->header + 1);
  const auto last = lines.begin() + static_cast<std::ptrdiff_t>(span->end);
  const auto kept = std::remove_if(first, last, [&](const Line& line) { return isKeyLine(line, foldedKey); });
  if (kept == last) return true;
  lines.erase(kept, last);
  return replaceAtomically(path_, joinLines(lines));
}

std::vector<std::string> ProfileFile::sections() const {
  const Lines lines = splitLines(load(path_).value_or(""));
  return distinctNames(lines, 0, lines.size(), Kind::Section);
}

std::vector<std::string> ProfileFile::keys(std::string_view section) const {
  const Lines lines = splitLines(load(path_).value_or(""));
  const std::optional<Span> span = findSection(lines, foldCase(trimBlanks(section)));
  if (!span) return {};
  return distinctNames(lines, span->header + 1, span->end, Kind::Entry);
}

}  // namespace orvosal
