#pragma once

#include <cstdint>
#include <string>

#include "masterdata/addresses/tests/address_test_support.h"
#include "masterdata/articles/article.h"

namespace orvosal::testing {

// A seeded database with a user who holds the article rights, and a way to store articles
// directly (not through the window's rules).
class ArticleFixture : public AddressFixture {
 protected:
  void SetUp() override;

  // Stores an article with number, first description and base price; answers its ID.
  int64_t storeArticle(const std::string& number, const std::string& description = "Artikel",
                       Currency basePrice = Currency());

  // Runs a statement on the test database (rows the article rules read but do not write).
  void execute(const std::string& sql);
};

}  // namespace orvosal::testing
