#pragma once

#include <exception>
#include <source_location>
#include <string_view>
#include <utility>

#include "core/session.h"

namespace orvosal {

// The number and text of a failure, as the common error form reports them.
struct FailureInfo {
  long number = 0;
  std::string description;
};

// Maps an exception in flight to its number and text (database errors keep their own number).
FailureInfo describeCurrentException();

// Runs the body of an operation; a failure is written to the error log in the common form, shown
// in the error window, and the operation answers its neutral value. No exception crosses an
// operation boundary.
template <typename Result, typename Body>
Result runOperation(Session& session, std::string_view operation, Result neutral, Body&& body,
                    std::source_location where = std::source_location::current()) {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    const FailureInfo failure = describeCurrentException();
    session.errorLog().report(operation, failure.number, failure.description, static_cast<int>(where.line()));
    return neutral;
  }
}

}  // namespace orvosal
