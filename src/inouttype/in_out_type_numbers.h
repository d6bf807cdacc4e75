#pragma once

#include <cstdint>
#include <string>

// Numbers of income/expense types. A type's number is its parent's number,
// "." and its own part (1.01.003); a root's number has no ".".
namespace qorarap {

struct TypeNumberParts {
  std::string parentNumber;  // "" for a root
  std::string ownPart;
};

// Splits at the last ".": the text before it is the parent's number.
TypeNumberParts SplitNumber(const std::string& number);

// The number after this one: the last character steps within its class
// ("0"-"9", "A"-"Z", "a"-"z"), wrapping from "9", "Z", "z" without carry;
// any other last character leaves the number as it is.
std::string NextNumber(const std::string& number);

// The class type id named by an editor's filter ("FClassTypeID=1000207 AND
// ..."): the numeric value of the text between the first "=" and the first
// "A" after it. A filter without them is error 5.
int32_t ClassTypeIdOfFilter(const std::string& filter);

}  // namespace qorarap
