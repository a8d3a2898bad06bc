#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvosal {

// Reads PDFs back with poppler's pdftotext, as a reader of the printed file would.

struct PdfTextResult {
  int exitCode = -1;
  std::vector<std::string> pages;  // the text of each page, laid out as on the page (-layout)
};

// `extra` is put before the file name, e.g. "-upw geheim".
PdfTextResult readPdfText(const std::filesystem::path& file, const std::string& extra = {});

// A word with its box in millimetres from the page's top left corner.
struct PdfWord {
  int page = 0;  // 0-based
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  std::string text;
};

std::vector<PdfWord> readPdfWords(const std::filesystem::path& file);

}  // namespace orvosal
