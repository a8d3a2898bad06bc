#include "documents/printing/plain_text.h"

#include <array>
#include <cctype>
#include <string_view>

#include "core/codepage.h"
#include "core/text.h"

namespace orvosal {
namespace {

bool isRtf(std::string_view text) { return trim(text).starts_with("{\\rtf"); }

bool isHtml(std::string_view text) {
  for (const std::string_view tag : {"<br", "<p", "<div", "<b>", "<i>", "<u>", "<span", "<html", "<font"}) {
    if (text.find(tag) != std::string_view::npos) return true;
  }
  return false;
}

// Groups whose content is no text: tables of fonts, colours and styles, document information,
// pictures and every "\*" destination.
bool skipsGroup(std::string_view word) {
  static constexpr std::array<std::string_view, 8> kSkipped{
      "fonttbl", "colortbl", "stylesheet", "info", "pict", "listtable", "listoverridetable", "generator"};
  for (const std::string_view skipped : kSkipped) {
    if (word == skipped) return true;
  }
  return false;
}

std::string rtfToPlain(std::string_view rtf) {
  std::string out;
  int depth = 0;
  int skipDepth = 0;  // the depth of the group being skipped, 0 when none
  bool groupStart = false;
  size_t i = 0;
  while (i < rtf.size()) {
    const char c = rtf[i];
    if (c == '{') {
      ++depth;
      groupStart = true;
      ++i;
      continue;
    }
    if (c == '}') {
      if (skipDepth == depth) skipDepth = 0;
      --depth;
      ++i;
      continue;
    }
    const bool atGroupStart = groupStart;
    groupStart = false;
    if (c == '\\' && i + 1 < rtf.size()) {
      const char next = rtf[i + 1];
      if (next == '*') {
        if (atGroupStart && skipDepth == 0) skipDepth = depth;
        i += 2;
        continue;
      }
      if (next == '\\' || next == '{' || next == '}') {
        if (skipDepth == 0) out += next;
        i += 2;
        continue;
      }
      if (next == '\'' && i + 3 < rtf.size()) {
        const std::string hex(rtf.substr(i + 2, 2));
        if (skipDepth == 0) {
          out += windows1252ToUtf8(std::string(1, static_cast<char>(std::stoi(hex, nullptr, 16))));
        }
        i += 4;
        continue;
      }
      size_t end = i + 1;
      while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
      const std::string_view word = rtf.substr(i + 1, end - i - 1);
      while (end < rtf.size() && (std::isdigit(static_cast<unsigned char>(rtf[end])) || rtf[end] == '-'))
        ++end;
      if (end < rtf.size() && rtf[end] == ' ') ++end;
      if (atGroupStart && skipDepth == 0 && skipsGroup(word)) skipDepth = depth;
      if (skipDepth == 0 && (word == "par" || word == "line")) out += '\n';
      if (skipDepth == 0 && word == "tab") out += '\t';
      i = end;
      continue;
    }
    if (skipDepth == 0 && c != '\r' && c != '\n') out += c;
    ++i;
  }
  return out;
}

std::string htmlToPlain(std::string_view html) {
  std::string out;
  size_t i = 0;
  while (i < html.size()) {
    if (html[i] == '<') {
      const size_t end = html.find('>', i);
      if (end == std::string_view::npos) break;
      const std::string tag = toLowerGerman(html.substr(i + 1, end - i - 1));
      if (tag.starts_with("br") || tag == "/p" || tag == "/div" || tag == "/li") out += '\n';
      i = end + 1;
      continue;
    }
    if (html[i] != '\r' && html[i] != '\n') out += html[i];
    ++i;
  }
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kEntities{{
      {"&nbsp;", " "},
      {"&lt;", "<"},
      {"&gt;", ">"},
      {"&quot;", "\""},
      {"&auml;", "ä"},
      {"&ouml;", "ö"},
      {"&uuml;", "ü"},
      {"&Auml;", "Ä"},
      {"&Ouml;", "Ö"},
      {"&Uuml;", "Ü"},
      {"&szlig;", "ß"},
  }};
  for (const auto& [entity, character] : kEntities) out = replaceAll(out, entity, character);
  return replaceAll(out, "&amp;", "&");
}

std::string trimBlankLines(std::string text) {
  const size_t first = text.find_first_not_of(" \t\n");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t\n");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string plainLongText(std::string_view text) {
  if (isRtf(text)) return trimBlankLines(rtfToPlain(text));
  if (isHtml(text)) return trimBlankLines(htmlToPlain(text));
  return trimBlankLines(replaceAll(text, "\r\n", "\n"));
}

}  // namespace orvosal
