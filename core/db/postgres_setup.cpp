#include "core/db/postgres_setup.h"

#include <string>
#include <vector>

namespace orvosal {
namespace {

// Connections skip the setup when this function exists: a changed setup needs a new number.
constexpr std::string_view kMarker = "orvosal_setup_3";

std::vector<std::string> setupStatements() {
  std::vector<std::string> statements = {
      // Text columns: = and IN ignore case (also of umlauts), ORDER BY is German.
      "CREATE COLLATION IF NOT EXISTS orvosal_ci "
      "(provider = icu, locale = 'de-DE-u-ks-level2', deterministic = false)",

      // True/false columns: small integers (1/0) of their own type, so that the catalog tells them
      // from ordinary small numbers.
      "DO $$ BEGIN CREATE DOMAIN orvosal_bit AS smallint; EXCEPTION WHEN duplicate_object THEN NULL; END $$",

      // Text as a moment: ISO or German dd.mm.yyyy, with an optional time; Null for anything else.
      R"sql(CREATE OR REPLACE FUNCTION orvosal_timestamp(value text) RETURNS timestamp
LANGUAGE plpgsql IMMUTABLE STRICT AS $f$
DECLARE
  -- The text columns' collation cannot take regular expressions.
  plain text COLLATE "C" := btrim(value);
  iso text COLLATE "C" := regexp_replace(plain, '^(\d{1,2})\.(\d{1,2})\.(\d{4})', '\3-\2-\1');
BEGIN
  IF iso !~ '^\d{4}-\d{1,2}-\d{1,2}([ T]\d{1,2}:\d{1,2}(:\d{1,2}(\.\d+)?)?)?$' THEN
    RETURN NULL;
  END IF;
  RETURN iso::timestamp;
EXCEPTION WHEN others THEN
  RETURN NULL;
END
$f$)sql",

      // Text as a number, with a decimal point or comma; Null for anything else.
      R"sql(CREATE OR REPLACE FUNCTION orvosal_number(value text) RETURNS numeric
LANGUAGE plpgsql IMMUTABLE STRICT AS $f$
BEGIN
  RETURN replace(btrim(value), ',', '.')::numeric;
EXCEPTION WHEN others THEN
  RETURN NULL;
END
$f$)sql",

      // Month, Day, Year of the old engines: Null for Null and for text that is no date.
      "CREATE OR REPLACE FUNCTION month(value timestamp) RETURNS integer "
      "LANGUAGE sql IMMUTABLE AS 'SELECT extract(month FROM value)::integer'",
      "CREATE OR REPLACE FUNCTION month(value text) RETURNS integer "
      "LANGUAGE sql IMMUTABLE AS 'SELECT extract(month FROM orvosal_timestamp(value))::integer'",
      "CREATE OR REPLACE FUNCTION day(value timestamp) RETURNS integer "
      "LANGUAGE sql IMMUTABLE AS 'SELECT extract(day FROM value)::integer'",
      "CREATE OR REPLACE FUNCTION day(value text) RETURNS integer "
      "LANGUAGE sql IMMUTABLE AS 'SELECT extract(day FROM orvosal_timestamp(value))::integer'",
      "CREATE OR REPLACE FUNCTION year(value timestamp) RETURNS integer "
      "LANGUAGE sql IMMUTABLE AS 'SELECT extract(year FROM value)::integer'",
      "CREATE OR REPLACE FUNCTION year(value text) RETURNS integer "
      "LANGUAGE sql IMMUTABLE AS 'SELECT extract(year FROM orvosal_timestamp(value))::integer'",

      // CCur: a currency value, rounded to four decimals.
      "CREATE OR REPLACE FUNCTION ccur(value numeric) RETURNS numeric "
      "LANGUAGE sql IMMUTABLE AS 'SELECT round(value, 4)'",
      "CREATE OR REPLACE FUNCTION ccur(value double precision) RETURNS numeric "
      "LANGUAGE sql IMMUTABLE AS 'SELECT round(value::numeric, 4)'",
  };
  const std::vector<std::string>& jet = postgresJetFunctions();
  statements.insert(statements.end(), jet.begin(), jet.end());
  // Last, so that its presence means the setup went through.
  statements.push_back("CREATE OR REPLACE FUNCTION " + std::string(kMarker) +
                       "() RETURNS integer LANGUAGE sql AS 'SELECT 1'");
  return statements;
}

}  // namespace

const std::vector<std::string>& postgresDatabaseSetup() {
  static const std::vector<std::string> statements = setupStatements();
  return statements;
}

std::string_view postgresSetupMarker() { return kMarker; }

}  // namespace orvosal
