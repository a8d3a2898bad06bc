#include "documents/types/belegart_index.h"

#include <gtest/gtest.h>

#include <string>

namespace orvosal {
namespace {

// The indexes of an area whose types are given as (ID, active) pairs, written "ID=index".
std::string indexesOf(const std::vector<std::pair<int64_t, bool>>& types) {
  std::vector<DocumentType> area;
  for (const auto& [id, active] : types) {
    DocumentType& type = area.emplace_back();
    type.id = id;
    type.aktiv = active ? 1 : 0;
  }
  std::string result;
  for (const BelegartIndex& index : BelegartIndexes(area)) {
    result +=
        (result.empty() ? "" : " ") + std::to_string(index.typeId) + "=" + std::to_string(index.belegart);
  }
  return result;
}

TEST(BelegartIndexes, ActiveTypesCountAmongTheActiveInactiveOnesAmongAll) {
  struct Case {
    std::vector<std::pair<int64_t, bool>> types;
    const char* expected;
  };
  const Case cases[] = {
      {{}, ""},
      {{{1, true}, {2, true}, {3, true}}, "1=0 2=1 3=2"},
      {{{1, true}, {2, false}, {3, true}}, "1=0 2=10001 3=1"},
      {{{1, false}, {2, false}, {5, true}}, "1=10000 2=10001 5=0"},
      {{{4, true}, {9, false}, {12, true}, {20, false}}, "4=0 9=10001 12=1 20=10003"},
  };
  for (const Case& c : cases) EXPECT_EQ(indexesOf(c.types), c.expected);
}

}  // namespace
}  // namespace orvosal
