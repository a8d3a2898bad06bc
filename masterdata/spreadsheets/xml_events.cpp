#include "masterdata/spreadsheets/xml_events.h"

#include <expat.h>

#include <memory>

namespace orvosal {
namespace {

// Expat joins namespace and local name with this character ("uri\x01local").
constexpr char kNamespaceSeparator = '\x01';

std::string_view localName(const XML_Char* name) {
  const std::string_view full(name);
  const size_t separator = full.rfind(kNamespaceSeparator);
  return separator == std::string_view::npos ? full : full.substr(separator + 1);
}

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  const auto& handlers = *static_cast<const XmlHandlers*>(data);
  if (!handlers.start) return;
  XmlAttributes named;
  for (const XML_Char** at = attributes; *at != nullptr; at += 2) named.emplace_back(localName(at[0]), at[1]);
  handlers.start(localName(name), named);
}

void XMLCALL onEnd(void* data, const XML_Char* name) {
  const auto& handlers = *static_cast<const XmlHandlers*>(data);
  if (handlers.end) handlers.end(localName(name));
}

void XMLCALL onText(void* data, const XML_Char* text, int length) {
  const auto& handlers = *static_cast<const XmlHandlers*>(data);
  if (handlers.text) handlers.text(std::string_view(text, static_cast<size_t>(length)));
}

}  // namespace

std::string_view attribute(const XmlAttributes& attributes, std::string_view localName) {
  for (const auto& [name, value] : attributes) {
    if (name == localName) return value;
  }
  return {};
}

std::string readXml(std::string_view document, const XmlHandlers& handlers) {
  const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
      XML_ParserCreateNS(nullptr, kNamespaceSeparator), XML_ParserFree);
  if (!parser) return "kein Speicher für den XML-Leser";
  XML_SetUserData(parser.get(), const_cast<XmlHandlers*>(&handlers));
  XML_SetElementHandler(parser.get(), onStart, onEnd);
  XML_SetCharacterDataHandler(parser.get(), onText);
  if (XML_Parse(parser.get(), document.data(), static_cast<int>(document.size()), XML_TRUE) ==
      XML_STATUS_OK) {
    return "";
  }
  return std::string(XML_ErrorString(XML_GetErrorCode(parser.get()))) + " in Zeile " +
         std::to_string(XML_GetCurrentLineNumber(parser.get()));
}

}  // namespace orvosal
