#include "masterdata/spreadsheets/zip_package.h"

#include <zip.h>

#include <memory>

namespace orvosal {

ZipPackage::ZipPackage(const std::filesystem::path& file) {
  int error = 0;
  archive_ = zip_open(file.c_str(), ZIP_RDONLY, &error);
}

ZipPackage::~ZipPackage() {
  if (archive_ != nullptr) zip_discard(archive_);
}

std::optional<std::string> ZipPackage::entry(std::string_view name) const {
  if (archive_ == nullptr) return std::nullopt;
  const std::string entryName(name);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat(archive_, entryName.c_str(), 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
    return std::nullopt;
  }
  const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen(archive_, entryName.c_str(), 0),
                                                                zip_fclose);
  if (!file) return std::nullopt;
  std::string content(stat.size, '\0');
  zip_uint64_t read = 0;
  while (read < stat.size) {
    const zip_int64_t got = zip_fread(file.get(), content.data() + read, stat.size - read);
    if (got <= 0) return std::nullopt;
    read += static_cast<zip_uint64_t>(got);
  }
  return content;
}

}  // namespace orvosal
