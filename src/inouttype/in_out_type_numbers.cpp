#include "inouttype/in_out_type_numbers.h"

#include "core/vb.h"
#include "core/vb_error.h"

namespace qorarap {

namespace {

// The character after c within its class, wrapping at the class's end.
char StepWithinClass(char c, char first, char last) {
  return c == last ? first : static_cast<char>(c + 1);
}

}  // namespace

TypeNumberParts SplitNumber(const std::string& number) {
  size_t dot = number.rfind('.');
  if (dot == std::string::npos) return {"", number};
  return {number.substr(0, dot), number.substr(dot + 1)};
}

std::string NextNumber(const std::string& number) {
  if (number.empty()) return number;
  std::string next = number;
  char& last = next.back();
  if (last >= '0' && last <= '9') {
    last = StepWithinClass(last, '0', '9');
  } else if (last >= 'A' && last <= 'Z') {
    last = StepWithinClass(last, 'A', 'Z');
  } else if (last >= 'a' && last <= 'z') {
    last = StepWithinClass(last, 'a', 'z');
  }
  return next;
}

int32_t ClassTypeIdOfFilter(const std::string& filter) {
  size_t equals = filter.find('=');
  size_t end = equals == std::string::npos ? std::string::npos : filter.find('A', equals);
  if (end == std::string::npos) {
    qor::RaiseError(qor::kErrInvalidCall, "QORARAPBillInterface");
  }
  return qor::CLng(qor::Val(filter.substr(equals + 1, end - equals - 1)));
}

}  // namespace qorarap
