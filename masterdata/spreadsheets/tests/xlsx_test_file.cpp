#include "masterdata/spreadsheets/tests/xlsx_test_file.h"

#include <zip.h>

#include <stdexcept>

namespace orvosal::testing {
namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelations = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

}  // namespace

void writeZip(const std::filesystem::path& file, const std::map<std::string, std::string>& entries) {
  int error = 0;
  zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("zip_open " + std::to_string(error));
  for (const auto& [name, content] : entries) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    if (source == nullptr || zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
      zip_source_free(source);
      zip_discard(archive);
      throw std::runtime_error("zip_file_add " + name);
    }
  }
  if (zip_close(archive) != 0) throw std::runtime_error("zip_close");
}

std::map<std::string, std::string> workbookParts(
    const std::vector<std::pair<std::string, std::string>>& sheets,
    const std::vector<std::string>& sharedStrings) {
  std::map<std::string, std::string> parts;
  std::string types = std::string(kDeclaration) +
                      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                      "<Default Extension=\"rels\" ContentType=\"application/"
                      "vnd.openxmlformats-package.relationships+xml\"/>"
                      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
  std::string workbook = std::string(kDeclaration) + "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" +
                         kRelations + "\"><bookViews><workbookView/></bookViews><sheets>";
  std::string relations =
      std::string(kDeclaration) +
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  for (size_t i = 0; i < sheets.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    workbook += "<sheet name=\"" + escaped(sheets[i].first) + "\" sheetId=\"" + number + "\" r:id=\"rId" +
                number + "\"/>";
    relations += "<Relationship Id=\"rId" + number + "\" Type=\"" + kRelations +
                 "/worksheet\" Target=\"worksheets/sheet" + number + ".xml\"/>";
    parts["xl/worksheets/sheet" + number + ".xml"] = std::string(kDeclaration) + "<worksheet xmlns=\"" +
                                                     kMain + "\" xmlns:r=\"" + kRelations + "\"><sheetData>" +
                                                     sheets[i].second + "</sheetData></worksheet>";
    types +=
        "<Override PartName=\"/xl/worksheets/sheet" + number +
        ".xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
  }
  if (!sharedStrings.empty()) {
    std::string strings = std::string(kDeclaration) + "<sst xmlns=\"" + kMain + "\" count=\"" +
                          std::to_string(sharedStrings.size()) + "\">";
    for (const std::string& item : sharedStrings) strings += "<si>" + item + "</si>";
    parts["xl/sharedStrings.xml"] = strings + "</sst>";
    relations += "<Relationship Id=\"rIdS\" Type=\"" + std::string(kRelations) +
                 "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
  }
  parts["[Content_Types].xml"] = types + "</Types>";
  parts["_rels/.rels"] =
      std::string(kDeclaration) +
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"" +
      kRelations + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
  parts["xl/workbook.xml"] = workbook + "</sheets></workbook>";
  parts["xl/_rels/workbook.xml.rels"] = relations + "</Relationships>";
  return parts;
}

}  // namespace orvosal::testing
