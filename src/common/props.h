#pragma once

#include <cstdint>
#include <string>

// The current login's connection properties: "Key=Value;Key={a;b};..." as
// the product hands it to every component call.
namespace qorarap {

// Parses the property string into the thread's property collection (which it
// replaces) and keeps the string as the thread's cached property string.
// Always true.
bool ParsePropsString(const std::string& s);
// The string last given to ParsePropsString on this thread.
std::string GetCachedPropsString();
// The parsed value of key; a key the string did not contain is error 5.
std::string GetPropValue(const std::string& key);
std::string GetUserName();
std::string GetConnectString();
// "UserID" as a 16-bit integer.
int16_t GetUserID();
// Reads one value straight from the current login's property string: the
// text after "key=" up to the next ";", "" when absent. The language is
// always "chs".
std::string GetPropsStringValue(const std::string& key);

}  // namespace qorarap
