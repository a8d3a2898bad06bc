#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvosal::testing {

// Reads PDFs back with poppler's tools, as a reader of the printed file would.

// A word of a PDF page as pdftotext -bbox reports it, in millimetres from the page's top left.
struct PdfWord {
  int page = 0;  // 1-based
  std::string text;
  double left = 0, top = 0, right = 0, bottom = 0;
};

// The pages of a file as pdftotext -layout gives them, with its exit code (not 0 when the file
// cannot be opened, e.g. without its password).
struct PdfPages {
  int exitCode = -1;
  std::vector<std::string> pages;
};

// The text of the file (or of one page) laid out as on paper (pdftotext -layout).
std::string pdfText(const std::filesystem::path& file, int page = 0);
// Every page on its own; `userPassword` opens a protected file.
PdfPages pdfPages(const std::filesystem::path& file, const std::string& userPassword = {});
// Every word with its box (pdftotext -bbox).
std::vector<PdfWord> pdfWords(const std::filesystem::path& file);
int pdfPageCount(const std::filesystem::path& file);
// The names of the files embedded into the PDF, as `pdfdetach -list` lists them.
std::string pdfAttachments(const std::filesystem::path& file);
// Renders one page as PNG at 80 dpi (pdftoppm) to `png`.
void renderPdfPage(const std::filesystem::path& file, int page, const std::filesystem::path& png);

}  // namespace orvosal::testing
