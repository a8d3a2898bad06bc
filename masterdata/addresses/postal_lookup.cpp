#include "masterdata/addresses/postal_lookup.h"

#include <curl/curl.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "core/text.h"

namespace orvosal {
namespace {

constexpr long kTimeoutSeconds = 10;

using CurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

CurlHandle newHandle() {
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return CurlHandle(initialised ? curl_easy_init() : nullptr, &curl_easy_cleanup);
}

std::string escaped(CURL* handle, std::string_view text) {
  // A length of 0 would make curl measure the text as a C string.
  if (text.empty()) return {};
  std::unique_ptr<char, decltype(&curl_free)> result(
      curl_easy_escape(handle, text.data(), static_cast<int>(text.size())), &curl_free);
  return result ? std::string(result.get()) : std::string();
}

std::string urlWith(CURL* handle, const AddressCheckSettings& settings, std::string_view street,
                    std::string_view postcode, std::string_view town) {
  std::string endpoint(trim(settings.endpoint));
  while (endpoint.ends_with('/')) endpoint.pop_back();
  std::string url = endpoint +
                    "/search?format=json&addressdetails=1&limit=1&street=" + escaped(handle, trim(street)) +
                    "&postalcode=" + escaped(handle, trim(postcode)) +
                    "&city=" + escaped(handle, trim(town)) + "&countrycodes=de";
  if (!trim(settings.key).empty()) url += "&key=" + escaped(handle, trim(settings.key));
  return url;
}

size_t collect(char* data, size_t size, size_t count, void* target) {
  static_cast<std::string*>(target)->append(data, size * count);
  return size * count;
}

// The house number of an entered street: its last word when that starts with a digit ("12a").
std::string houseNumberOf(std::string_view street) {
  street = trim(street);
  const size_t blank = street.find_last_of(' ');
  if (blank == std::string_view::npos) return {};
  const std::string_view last = street.substr(blank + 1);
  return !last.empty() && last.front() >= '0' && last.front() <= '9' ? std::string(last) : std::string();
}

std::string textOf(const nlohmann::json& object, const char* key) {
  const auto found = object.find(key);
  return found != object.end() && found->is_string() ? std::string(trim(found->get<std::string>())) : "";
}

// "PLZ;Ort;Straße" of the first place, "Unbekannt" for none; empty when the answer is not of
// the expected form.
std::string answerFrom(const std::string& body, std::string_view enteredStreet) {
  const nlohmann::json places = nlohmann::json::parse(body, nullptr, false);
  if (places.is_discarded() || !places.is_array()) return {};
  if (places.empty()) return std::string(kUnknownAddress);
  const nlohmann::json& place = places.front();
  if (!place.is_object() || !place.contains("address") || !place["address"].is_object()) return {};
  const nlohmann::json& address = place["address"];
  std::string town;
  for (const char* key : {"city", "town", "village", "municipality"}) {
    if (town.empty()) town = textOf(address, key);
  }
  std::string street = textOf(address, "road");
  std::string number = textOf(address, "house_number");
  if (number.empty()) number = houseNumberOf(enteredStreet);
  if (!street.empty() && !number.empty()) street += " " + number;
  const std::string postcode = textOf(address, "postcode");
  if (postcode.empty() && town.empty() && street.empty()) return std::string(kUnknownAddress);
  return postcode + ";" + town + ";" + street;
}

}  // namespace

std::string postalLookupUrl(const AddressCheckSettings& settings, std::string_view street,
                            std::string_view postcode, std::string_view town) {
  const CurlHandle handle = newHandle();
  return handle ? urlWith(handle.get(), settings, street, postcode, town) : std::string();
}

PostalLookup LookUpPostalAddress(const AddressCheckSettings& settings, std::string_view street,
                                 std::string_view postcode, std::string_view town) {
  const CurlHandle handle = newHandle();
  if (!handle) return {"", "Die Adressprüfung kann keine Verbindung aufbauen."};
  const std::string url = urlWith(handle.get(), settings, street, postcode, town);
  std::string body;
  curl_easy_setopt(handle.get(), CURLOPT_URL, url.c_str());
  curl_easy_setopt(handle.get(), CURLOPT_WRITEFUNCTION, collect);
  curl_easy_setopt(handle.get(), CURLOPT_WRITEDATA, &body);
  curl_easy_setopt(handle.get(), CURLOPT_TIMEOUT, kTimeoutSeconds);
  curl_easy_setopt(handle.get(), CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle.get(), CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(handle.get(), CURLOPT_USERAGENT, "Orvosal Adressprüfung");
  const CURLcode result = curl_easy_perform(handle.get());
  if (result != CURLE_OK) {
    return {"", "Der Adressprüfdienst ist nicht erreichbar (" + std::string(trim(settings.endpoint)) +
                    "). Die Adresse wurde nicht geprüft."};
  }
  long status = 0;
  curl_easy_getinfo(handle.get(), CURLINFO_RESPONSE_CODE, &status);
  if (status < 200 || status >= 300) {
    return {"", "Der Adressprüfdienst hat die Anfrage mit dem Fehler " + std::to_string(status) +
                    " abgelehnt. Die Adresse wurde nicht geprüft."};
  }
  std::string answer = answerFrom(body, street);
  if (answer.empty())
    return {"", "Die Antwort des Adressprüfdienstes ist unverständlich. Die Adresse wurde nicht geprüft."};
  return {std::move(answer), ""};
}

}  // namespace orvosal
