#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvosal {

// The attributes of an element by local name (namespace prefixes dropped: "r:id" is "id").
using XmlAttributes = std::vector<std::pair<std::string_view, std::string_view>>;
std::string_view attribute(const XmlAttributes& attributes, std::string_view localName);

// What a streaming read of an XML document reports, element names without namespace.
struct XmlHandlers {
  std::function<void(std::string_view name, const XmlAttributes& attributes)> start;
  std::function<void(std::string_view name)> end;
  // Character data, possibly in several pieces.
  std::function<void(std::string_view text)> text;
};

// Reads the document and calls the handlers in document order; answers the parser's description
// of the first error with its line, or empty when the document is well-formed.
std::string readXml(std::string_view document, const XmlHandlers& handlers);

}  // namespace orvosal
