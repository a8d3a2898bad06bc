#include "core/operation_guard.h"

#include "core/db/db_error.h"

namespace orvosal {

FailureInfo describeCurrentException() {
  try {
    throw;
  } catch (const DbError& error) {
    return {error.number(), error.text()};
  } catch (const std::bad_alloc&) {
    return {7, "Nicht genügend Arbeitsspeicher."};
  } catch (const std::exception& error) {
    return {5, error.what()};
  } catch (...) {
    return {5, "Unbekannter Fehler."};
  }
}

}  // namespace orvosal
