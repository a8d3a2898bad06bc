#include "masterdata/articles/level_percentages.h"

namespace orvosal {

std::string LevelPercentagesProblem(const PriceLevelPercentages& percentages) {
  for (size_t i = 0; i < percentages.size(); ++i) {
    if (percentages[i] < Currency() || percentages[i] > Currency::fromInteger(100)) {
      return "Der Prozentsatz für Verkaufspreis" + std::to_string(i + 2) + " muss zwischen 0 und 100 liegen!";
    }
  }
  return "";
}

}  // namespace orvosal
