#pragma once

#include <string>
#include <string_view>

#include "core/error_log.h"
#include "documents/editing/open_document.h"

namespace orvosal {

// The name under which the error log records a failed step of the document window.
inline std::string documentOperation(std::string_view name) {
  return operationName(kDocumentWindow, OperationKind::Sub, name);
}

}  // namespace orvosal
