#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output/layout/layout_text.h"
#include "output/report/report_data.h"

namespace orvosal {

// Fills layout texts and decides conditions for one place of a report: the data, the record being
// printed (none in bands) and the engine's own values (`Seite`, `Übertrag`, ...), which go before
// fields and variables of the same name.
class ReportTextContext {
 public:
  ReportTextContext(const ReportData& data, const ReportValues& engineValues,
                    const ReportValues* record = nullptr)
      : data_(data), engine_(engineValues), record_(record) {}

  // The text with every placeholder replaced; unknown names give empty text.
  std::string expand(std::string_view text);
  // Whether the condition holds; an empty condition always holds.
  bool holds(std::string_view condition);
  // The first fault met: a format taken from a variable that is no format.
  const std::optional<std::string>& fault() const { return fault_; }

 private:
  const ReportValue* find(std::string_view name) const;
  std::string placeholderText(const TextPart& part);

  const ReportData& data_;
  const ReportValues& engine_;
  const ReportValues* record_;
  std::optional<std::string> fault_;
};

}  // namespace orvosal
