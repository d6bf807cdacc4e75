#include "common/props.h"

#include <memory>

#include "core/host_dictionary.h"
#include "core/vb.h"
#include "frame/login_context.h"

namespace qorarap {

namespace {

constexpr char kSource[] = "QORARAPBillInterface";
constexpr int32_t kErrDuplicateKey = 457;

thread_local std::shared_ptr<qor::HostDictionary> tProperties;
thread_local std::string tPropsString;

// Splits rest at the first separator (compared without regard to case): the
// part before it is returned, the part after it stays in rest. Without a
// separator the whole rest is the token and nothing is left.
std::string NextToken(std::string& rest, std::string_view separator) {
  size_t at = qor::FindNoCase(rest, separator);
  if (at == std::string::npos) {
    std::string token = std::move(rest);
    rest.clear();
    return token;
  }
  std::string token = rest.substr(0, at);
  rest.erase(0, at + separator.size());
  return token;
}

// A value in braces may hold ";": it runs to the next "}", and whatever
// follows up to the next ";" is dropped.
std::string NextValue(std::string& rest) {
  rest = qor::Trim(rest);
  if (rest.empty() || rest.front() != '{') return NextToken(rest, ";");
  rest.erase(0, 1);
  std::string value = NextToken(rest, "}");
  NextToken(rest, ";");
  return value;
}

void AddProperty(qor::HostDictionary& properties, const std::string& key, std::string value) {
  if (properties.Lookup(key)) {
    qor::RaiseError(kErrDuplicateKey, kSource,
                    "This key is already associated with an element of this collection");
  }
  properties.SetItem(key, std::move(value));
}

}  // namespace

bool ParsePropsString(const std::string& s) {
  tPropsString = s;
  tProperties = std::make_shared<qor::HostDictionary>();
  std::string rest = s;
  while (true) {
    std::string key = qor::Trim(NextToken(rest, "="));
    if (key.empty()) break;
    AddProperty(*tProperties, key, qor::Trim(NextValue(rest)));
  }
  return true;
}

std::string GetCachedPropsString() { return tPropsString; }

std::string GetPropValue(const std::string& key) {
  if (!tProperties || !tProperties->Lookup(key)) qor::RaiseError(qor::kErrInvalidCall, kSource);
  return qor::StrOf(tProperties->Item(key));
}

std::string GetUserName() { return GetPropValue("UserName"); }

std::string GetConnectString() { return GetPropValue("ConnectString"); }

int16_t GetUserID() { return qor::CInt(qor::Variant(GetPropValue("UserID"))); }

std::string GetPropsStringValue(const std::string& key) {
  if (qor::EqualsNoCase(key, "Language")) return "chs";
  std::string props = GetPropsString();
  size_t at = qor::FindNoCase(props, key + "=");
  if (at == std::string::npos) return "";
  size_t start = at + key.size() + 1;
  size_t end = props.find(';', start);
  return props.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace qorarap
