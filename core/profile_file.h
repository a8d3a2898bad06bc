#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

// Holds the lock file beside an INI file ("system.ini.lock") exclusively while it lives, so that
// writers in other processes and threads wait; a thread that holds it already may take it again.
// Readers never wait: a file is always replaced whole.
class ProfileLock {
 public:
  explicit ProfileLock(const std::filesystem::path& file);
  ~ProfileLock();
  ProfileLock(const ProfileLock&) = delete;
  ProfileLock& operator=(const ProfileLock&) = delete;
  // False when the lock file could not be created (the folder cannot be written).
  bool held() const { return held_; }

 private:
  std::string key_;
  int fd_ = -1;
  bool held_ = false;
};

// One INI file read and written the way the classic Windows profile functions
// do it: "[Section]" headers, "key=value" lines, ';' or '#' comment lines.
// Section and key names match without regard to case, the first occurrence
// wins. Writing keeps every untouched line byte-for-byte and replaces the
// file atomically, under the file's lock, so concurrent writers lose nothing.
// Nothing is cached: every call looks at the file itself.
class ProfileFile {
 public:
  // Values are returned as if copied into a 255-byte buffer with its
  // terminating zero, cut back to the last complete UTF-8 character.
  static constexpr std::size_t kMaxValueLength = 254;

  explicit ProfileFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }

  // The value trimmed of blanks and tabs, cut at a zero byte, stripped of one
  // pair of enclosing double quotes and cut to kMaxValueLength; nullopt when
  // the file, the section or the key is missing.
  std::optional<std::string> find(std::string_view section, std::string_view key) const;
  std::string read(std::string_view section, std::string_view key, std::string_view defaultValue) const;

  // Creates the folder, file, section or key as needed. A value with leading or
  // trailing blanks, or one that is itself quoted, is written in quotes so it
  // reads back unchanged. Returns false for names or values a line cannot
  // hold (line breaks, zero bytes, '=' in a key, ']' in a section) and on any
  // I/O failure; the file is then left as it was.
  bool write(std::string_view section, std::string_view key, std::string_view value);

  // Deletes every line of the key in its section; true when it is gone.
  bool remove(std::string_view section, std::string_view key);

  // True when the file is missing or can be read; false for one without read
  // permission or a folder in its place.
  bool readable() const;
  // The file's write lock, for changes that must see each other (read, then write).
  ProfileLock lock() const { return ProfileLock(path_); }

  // Names in file order as first spelled, each once.
  std::vector<std::string> sections() const;
  std::vector<std::string> keys(std::string_view section) const;

 private:
  std::filesystem::path path_;
};

}  // namespace orvosal
