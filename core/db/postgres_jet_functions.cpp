// The old engines' SQL functions that the translator calls as jet_<name>(...) on PostgreSQL, with
// the semantics of the SQLite functions of the same names. Arguments of text columns arrive with
// their case-insensitive collation, which refuses substring searches and regular expressions:
// the bodies name a deterministic collation where they need one.
#include "core/db/postgres_setup.h"

namespace orvosal {

const std::vector<std::string>& postgresJetFunctions() {
  static const std::vector<std::string> statements = {
      // CStr: numbers shortest with a decimal comma, dates German, midnight without a time.
      "CREATE OR REPLACE FUNCTION jet_cstr(value text) RETURNS text LANGUAGE sql IMMUTABLE AS 'SELECT value'",
      "CREATE OR REPLACE FUNCTION jet_cstr(value numeric) RETURNS text LANGUAGE sql IMMUTABLE AS "
      "$f$SELECT replace(trim_scale(value)::text, '.', ',')$f$",
      "CREATE OR REPLACE FUNCTION jet_cstr(value double precision) RETURNS text LANGUAGE sql IMMUTABLE AS "
      "$f$SELECT replace(value::text, '.', ',')$f$",
      "CREATE OR REPLACE FUNCTION jet_cstr(value timestamp) RETURNS text LANGUAGE sql IMMUTABLE AS "
      "$f$SELECT to_char(value, CASE WHEN value = date_trunc('day', value) THEN 'DD.MM.YYYY' "
      "ELSE 'DD.MM.YYYY HH24:MI:SS' END)$f$",

      // Len, Mid, Left, Right; counts and positions may come as any number.
      "CREATE OR REPLACE FUNCTION jet_len(value text) RETURNS integer LANGUAGE sql IMMUTABLE AS "
      "'SELECT length(value)'",
      "CREATE OR REPLACE FUNCTION jet_len(value double precision) RETURNS integer LANGUAGE sql IMMUTABLE AS "
      "'SELECT length(jet_cstr(value))'",
      "CREATE OR REPLACE FUNCTION jet_len(value numeric) RETURNS integer LANGUAGE sql IMMUTABLE AS "
      "'SELECT length(jet_cstr(value))'",
      "CREATE OR REPLACE FUNCTION jet_len(value timestamp) RETURNS integer LANGUAGE sql IMMUTABLE AS "
      "'SELECT length(jet_cstr(value))'",
      "CREATE OR REPLACE FUNCTION jet_mid(value text, start double precision) RETURNS text "
      "LANGUAGE sql IMMUTABLE AS 'SELECT substr(value, start::integer)'",
      "CREATE OR REPLACE FUNCTION jet_mid(value text, start double precision, count double precision) "
      "RETURNS text LANGUAGE sql IMMUTABLE AS 'SELECT substr(value, start::integer, greatest(count::integer, "
      "0))'",
      "CREATE OR REPLACE FUNCTION jet_left(value text, count double precision) RETURNS text "
      "LANGUAGE sql IMMUTABLE AS 'SELECT left(value, greatest(count::integer, 0))'",
      "CREATE OR REPLACE FUNCTION jet_right(value text, count double precision) RETURNS text "
      "LANGUAGE sql IMMUTABLE AS 'SELECT right(value, greatest(count::integer, 0))'",

      // InStr([start,] text, wanted): 1-based, 0 when missing, letters without regard to case.
      R"sql(CREATE OR REPLACE FUNCTION jet_instr(start double precision, value text, wanted text)
RETURNS integer LANGUAGE sql IMMUTABLE STRICT AS $f$
SELECT CASE
  WHEN length(value) = 0 THEN 0
  WHEN length(wanted) = 0 THEN greatest(start::integer, 1)
  WHEN greatest(start::integer, 1) > length(value) THEN 0
  ELSE coalesce(nullif(strpos(lower(substr(value, greatest(start::integer, 1)) COLLATE "de-DE-x-icu"),
                              lower(wanted COLLATE "de-DE-x-icu")), 0) + greatest(start::integer, 1) - 1, 0)
END
$f$)sql",
      "CREATE OR REPLACE FUNCTION jet_instr(value text, wanted text) RETURNS integer LANGUAGE sql IMMUTABLE "
      "AS "
      "'SELECT jet_instr(1, value, wanted)'",

      // UCase keeps ß, as the old engines do; Trim and its kin remove blanks only.
      "CREATE OR REPLACE FUNCTION jet_ucase(value text) RETURNS text LANGUAGE sql IMMUTABLE AS "
      "$f$SELECT replace(upper(replace(value COLLATE \"de-DE-x-icu\", 'ß', chr(1))), chr(1), 'ß')$f$",
      "CREATE OR REPLACE FUNCTION jet_lcase(value text) RETURNS text LANGUAGE sql IMMUTABLE AS "
      "$f$SELECT lower(value COLLATE \"de-DE-x-icu\")$f$",
      "CREATE OR REPLACE FUNCTION jet_trim(value text) RETURNS text LANGUAGE sql IMMUTABLE AS "
      "$f$SELECT btrim(value COLLATE \"C\", ' ')$f$",
      "CREATE OR REPLACE FUNCTION jet_ltrim(value text) RETURNS text LANGUAGE sql IMMUTABLE AS "
      "$f$SELECT ltrim(value COLLATE \"C\", ' ')$f$",
      "CREATE OR REPLACE FUNCTION jet_rtrim(value text) RETURNS text LANGUAGE sql IMMUTABLE AS "
      "$f$SELECT rtrim(value COLLATE \"C\", ' ')$f$",

      // Round, CInt, CLng: ties to the even neighbour; Int toward minus infinity, Fix toward zero.
      R"sql(CREATE OR REPLACE FUNCTION jet_round(value numeric, places double precision DEFAULT 0)
RETURNS numeric LANGUAGE sql IMMUTABLE AS $f$
SELECT round(CASE WHEN abs(scaled - trunc(scaled)) = 0.5 AND mod(trunc(scaled), 2) = 0 THEN trunc(scaled)
                  ELSE round(scaled) END / 10::numeric ^ digits, digits)
FROM (SELECT value * 10::numeric ^ greatest(places::integer, 0) AS scaled,
             greatest(places::integer, 0) AS digits) AS rounding
$f$)sql",
      "CREATE OR REPLACE FUNCTION jet_round(value double precision, places double precision DEFAULT 0) "
      "RETURNS numeric LANGUAGE sql IMMUTABLE AS 'SELECT jet_round(value::numeric, places)'",
      "CREATE OR REPLACE FUNCTION jet_cint(value numeric) RETURNS integer LANGUAGE sql IMMUTABLE AS "
      "'SELECT jet_round(value)::integer'",
      "CREATE OR REPLACE FUNCTION jet_cint(value double precision) RETURNS integer LANGUAGE sql IMMUTABLE AS "
      "'SELECT jet_round(value)::integer'",
      "CREATE OR REPLACE FUNCTION jet_cint(value text) RETURNS integer LANGUAGE sql IMMUTABLE AS "
      "'SELECT jet_round(orvosal_number(value))::integer'",
      "CREATE OR REPLACE FUNCTION jet_clng(value numeric) RETURNS integer LANGUAGE sql IMMUTABLE AS "
      "'SELECT jet_cint(value)'",
      "CREATE OR REPLACE FUNCTION jet_clng(value double precision) RETURNS integer LANGUAGE sql IMMUTABLE AS "
      "'SELECT jet_cint(value)'",
      "CREATE OR REPLACE FUNCTION jet_clng(value text) RETURNS integer LANGUAGE sql IMMUTABLE AS "
      "'SELECT jet_cint(value)'",
      "CREATE OR REPLACE FUNCTION jet_int(value numeric) RETURNS numeric LANGUAGE sql IMMUTABLE AS "
      "'SELECT floor(value)'",
      "CREATE OR REPLACE FUNCTION jet_int(value double precision) RETURNS double precision "
      "LANGUAGE sql IMMUTABLE AS 'SELECT floor(value)'",
      "CREATE OR REPLACE FUNCTION jet_fix(value numeric) RETURNS numeric LANGUAGE sql IMMUTABLE AS "
      "'SELECT trunc(value)'",
      "CREATE OR REPLACE FUNCTION jet_fix(value double precision) RETURNS double precision "
      "LANGUAGE sql IMMUTABLE AS 'SELECT trunc(value)'",

      // CDbl, CDate: Null for text that is no number or date.
      "CREATE OR REPLACE FUNCTION jet_cdbl(value double precision) RETURNS double precision "
      "LANGUAGE sql IMMUTABLE AS 'SELECT value'",
      "CREATE OR REPLACE FUNCTION jet_cdbl(value text) RETURNS double precision LANGUAGE sql IMMUTABLE AS "
      "'SELECT orvosal_number(value)::double precision'",
      "CREATE OR REPLACE FUNCTION jet_cdate(value timestamp) RETURNS timestamp LANGUAGE sql IMMUTABLE AS "
      "'SELECT value'",
      "CREATE OR REPLACE FUNCTION jet_cdate(value text) RETURNS timestamp LANGUAGE sql IMMUTABLE AS "
      "'SELECT orvosal_timestamp(value)'",

      // Val: blanks skipped, then the leading number; 0 when there is none.
      R"sql(CREATE OR REPLACE FUNCTION jet_val(value text) RETURNS double precision
LANGUAGE plpgsql IMMUTABLE STRICT AS $f$
DECLARE
  number text COLLATE "C" := substring(regexp_replace(value COLLATE "C", '[ \t\r\n]', '', 'g')
                                       FROM '^[+-]?(?:\d+\.?\d*|\.\d+)(?:[eEdD][+-]?\d+)?');
BEGIN
  RETURN coalesce(translate(number, 'dD', 'ee')::double precision, 0);
EXCEPTION WHEN others THEN
  RETURN 0;
END
$f$)sql",
      "CREATE OR REPLACE FUNCTION jet_val(value double precision) RETURNS double precision "
      "LANGUAGE sql IMMUTABLE AS 'SELECT value'",

      // DateAdd, DateDiff, DatePart with the intervals yyyy, q, m, y, d, w, ww, h, n, s.
      R"sql(CREATE OR REPLACE FUNCTION jet_dateadd(part text, number double precision, value timestamp)
RETURNS timestamp LANGUAGE sql IMMUTABLE AS $f$
SELECT value + CASE lower(part COLLATE "C")
  WHEN 'yyyy' THEN make_interval(years => count)
  WHEN 'q' THEN make_interval(months => 3 * count)
  WHEN 'm' THEN make_interval(months => count)
  WHEN 'y' THEN make_interval(days => count)
  WHEN 'd' THEN make_interval(days => count)
  WHEN 'w' THEN make_interval(days => count)
  WHEN 'ww' THEN make_interval(weeks => count)
  WHEN 'h' THEN make_interval(hours => count)
  WHEN 'n' THEN make_interval(mins => count)
  WHEN 's' THEN make_interval(secs => count)
END
FROM (SELECT number::integer AS count) AS whole
$f$)sql",
      "CREATE OR REPLACE FUNCTION jet_dateadd(part text, number double precision, value text) "
      "RETURNS timestamp LANGUAGE sql IMMUTABLE AS 'SELECT jet_dateadd(part, number, "
      "orvosal_timestamp(value))'",
      // Boundaries crossed; weeks end on Saturday (31.12.1899 was a Sunday).
      R"sql(CREATE OR REPLACE FUNCTION jet_datediff(part text, since timestamp, until timestamp)
RETURNS bigint LANGUAGE sql IMMUTABLE AS $f$
SELECT (CASE lower(part COLLATE "C")
  WHEN 'yyyy' THEN extract(year FROM until) - extract(year FROM since)
  WHEN 'q' THEN extract(year FROM until) * 4 + extract(quarter FROM until)
                - extract(year FROM since) * 4 - extract(quarter FROM since)
  WHEN 'm' THEN extract(year FROM until) * 12 + extract(month FROM until)
                - extract(year FROM since) * 12 - extract(month FROM since)
  WHEN 'y' THEN until::date - since::date
  WHEN 'd' THEN until::date - since::date
  WHEN 'w' THEN trunc((until::date - since::date) / 7.0)
  WHEN 'ww' THEN floor((until::date - DATE '1899-12-31') / 7.0) - floor((since::date - DATE '1899-12-31') / 7.0)
  WHEN 'h' THEN floor(extract(epoch FROM until) / 3600) - floor(extract(epoch FROM since) / 3600)
  WHEN 'n' THEN floor(extract(epoch FROM until) / 60) - floor(extract(epoch FROM since) / 60)
  WHEN 's' THEN floor(extract(epoch FROM until)) - floor(extract(epoch FROM since))
END)::bigint
$f$)sql",
      "CREATE OR REPLACE FUNCTION jet_datediff(part text, since text, until text) RETURNS bigint "
      "LANGUAGE sql IMMUTABLE AS 'SELECT jet_datediff(part, orvosal_timestamp(since), "
      "orvosal_timestamp(until))'",
      // Weekday and week from Sunday; week 1 holds the 1st of January.
      R"sql(CREATE OR REPLACE FUNCTION jet_datepart(part text, value timestamp)
RETURNS integer LANGUAGE sql IMMUTABLE AS $f$
SELECT (CASE lower(part COLLATE "C")
  WHEN 'yyyy' THEN extract(year FROM value)
  WHEN 'q' THEN extract(quarter FROM value)
  WHEN 'm' THEN extract(month FROM value)
  WHEN 'y' THEN extract(doy FROM value)
  WHEN 'd' THEN extract(day FROM value)
  WHEN 'w' THEN extract(dow FROM value) + 1
  WHEN 'ww' THEN floor((extract(doy FROM value) + extract(dow FROM date_trunc('year', value)) - 1) / 7) + 1
  WHEN 'h' THEN extract(hour FROM value)
  WHEN 'n' THEN extract(minute FROM value)
  WHEN 's' THEN floor(extract(second FROM value))
END)::integer
$f$)sql",
      "CREATE OR REPLACE FUNCTION jet_datepart(part text, value text) RETURNS integer LANGUAGE sql IMMUTABLE "
      "AS "
      "'SELECT jet_datepart(part, orvosal_timestamp(value))'",

      // Format of a moment: d dd m mm yy yyyy y q w ww h hh n nn s ss; "/" is the German ".", m
      // after an hour means minutes; "quoted" and \x are literal.
      R"sql(CREATE OR REPLACE FUNCTION jet_format(value timestamp, pattern text DEFAULT '')
RETURNS text LANGUAGE plpgsql IMMUTABLE AS $f$
DECLARE
  p text COLLATE "C" := coalesce(pattern, '');
  result text COLLATE "C" := '';
  i integer := 1;
  c text COLLATE "C";
  letter text COLLATE "C";
  run integer;
  width integer;
  closing integer;
  number text;
  after_hour boolean := false;
BEGIN
  IF value IS NULL THEN RETURN NULL; END IF;
  IF p = '' OR lower(p) = 'general date' THEN RETURN jet_cstr(value); END IF;
  p := CASE lower(p) WHEN 'short date' THEN 'dd.mm.yyyy' WHEN 'short time' THEN 'hh:nn'
                     WHEN 'long time' THEN 'hh:nn:ss' ELSE p END;
  WHILE i <= length(p) LOOP
    c := substr(p, i, 1);
    letter := lower(c);
    IF c = '\' AND i < length(p) THEN
      result := result || substr(p, i + 1, 1);
      i := i + 2;
    ELSIF c = '"' THEN
      closing := strpos(substr(p, i + 1), '"');
      IF closing = 0 THEN closing := length(p) - i + 1; END IF;
      result := result || substr(p, i + 1, closing - 1);
      i := i + closing + 1;
    ELSIF strpos('dmyhnsqw', letter) = 0 THEN
      result := result || CASE WHEN c = '/' THEN '.' ELSE c END;
      i := i + 1;
    ELSE
      run := 1;
      WHILE i + run <= length(p) AND lower(substr(p, i + run, 1)) = letter LOOP run := run + 1; END LOOP;
      width := CASE WHEN letter IN ('q', 'w') OR (letter = 'y' AND run = 1) THEN 1
                    WHEN letter = 'y' AND run >= 4 THEN 4 WHEN run >= 2 THEN 2 ELSE 1 END;
      number := CASE letter
        WHEN 'd' THEN extract(day FROM value)
        WHEN 'm' THEN CASE WHEN after_hour THEN extract(minute FROM value) ELSE extract(month FROM value) END
        WHEN 'h' THEN extract(hour FROM value)
        WHEN 'n' THEN extract(minute FROM value)
        WHEN 's' THEN floor(extract(second FROM value))
        WHEN 'q' THEN extract(quarter FROM value)
        WHEN 'y' THEN CASE WHEN run >= 4 THEN extract(year FROM value)
                           WHEN run >= 2 THEN mod(extract(year FROM value), 100)
                           ELSE extract(doy FROM value) END
        ELSE jet_datepart(CASE WHEN run >= 2 THEN 'ww' ELSE 'w' END, value)
      END::bigint::text;
      result := result || CASE WHEN length(number) < width THEN lpad(number, width, '0') ELSE number END;
      after_hour := letter = 'h';
      i := i + run;
    END IF;
  END LOOP;
  RETURN result;
END
$f$)sql",

      // Format of a number: 0 and # digits, "," grouping, "." decimal, % as percent; German
      // separators in the result, ties away from zero.
      R"sql(CREATE OR REPLACE FUNCTION jet_format(value numeric, pattern text DEFAULT '')
RETURNS text LANGUAGE plpgsql IMMUTABLE AS $f$
DECLARE
  p text COLLATE "C" := coalesce(pattern, '');
  number_first integer;
  number_last integer;
  number_part text COLLATE "C";
  point integer;
  integral text COLLATE "C";
  fraction text COLLATE "C";
  shown numeric := value;
  min_decimals integer;
  decimals integer;
  min_integral integer;
  rounded text COLLATE "C";
  digits text COLLATE "C";
  fraction_digits text COLLATE "C";
  grouped text COLLATE "C" := '';
BEGIN
  IF value IS NULL THEN RETURN NULL; END IF;
  p := CASE lower(p) WHEN 'fixed' THEN '0.00' WHEN 'standard' THEN '#,##0.00' WHEN 'percent' THEN '0.00%'
                     WHEN 'currency' THEN '#,##0.00 €' ELSE p END;
  number_first := length(substring(p FROM '^[^0#.,]*')) + 1;
  IF p = '' OR lower(p) = 'general number' OR number_first > length(p) THEN RETURN jet_cstr(value); END IF;
  number_last := length(p) - length(substring(p FROM '[^0#.,]*$'));
  number_part := substr(p, number_first, number_last - number_first + 1);
  point := strpos(number_part, '.');
  integral := CASE WHEN point = 0 THEN number_part ELSE substr(number_part, 1, point - 1) END;
  fraction := CASE WHEN point = 0 THEN '' ELSE substr(number_part, point + 1) END;
  IF strpos(p, '%') > 0 THEN shown := shown * 100; END IF;
  min_decimals := length(fraction) - length(replace(fraction, '0', ''));
  decimals := min_decimals + length(fraction) - length(replace(fraction, '#', ''));
  rounded := round(abs(shown), decimals)::text;
  digits := split_part(rounded, '.', 1);
  fraction_digits := CASE WHEN decimals > 0 THEN split_part(rounded, '.', 2) ELSE '' END;
  WHILE length(fraction_digits) > min_decimals AND right(fraction_digits, 1) = '0' LOOP
    fraction_digits := left(fraction_digits, -1);
  END LOOP;
  min_integral := length(integral) - length(replace(integral, '0', ''));
  IF digits = '0' AND min_integral = 0 THEN digits := ''; END IF;
  IF length(digits) < min_integral THEN digits := lpad(digits, min_integral, '0'); END IF;
  IF strpos(integral, ',') > 0 THEN
    WHILE length(digits) > 3 LOOP
      grouped := '.' || right(digits, 3) || grouped;
      digits := left(digits, -3);
    END LOOP;
    digits := digits || grouped;
  END IF;
  RETURN CASE WHEN shown < 0 AND round(abs(shown), decimals) <> 0 THEN '-' ELSE '' END
         || replace(replace(substr(p, 1, number_first - 1), '"', ''), '\', '') || digits
         || CASE WHEN point > 0 THEN ',' || fraction_digits ELSE '' END
         || replace(replace(substr(p, number_last + 1), '"', ''), '\', '');
END
$f$)sql",
      "CREATE OR REPLACE FUNCTION jet_format(value double precision, pattern text DEFAULT '') RETURNS text "
      "LANGUAGE sql IMMUTABLE AS 'SELECT jet_format(value::numeric, pattern)'",
      // Text that reads as a date or a number is formatted as one, other text stays.
      R"sql(CREATE OR REPLACE FUNCTION jet_format(value text, pattern text DEFAULT '')
RETURNS text LANGUAGE sql IMMUTABLE AS $f$
SELECT coalesce(jet_format(orvosal_timestamp(value), pattern), jet_format(orvosal_number(value), pattern), value)
$f$)sql",
  };
  return statements;
}

}  // namespace orvosal
