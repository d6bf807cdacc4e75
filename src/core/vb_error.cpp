#include "core/vb_error.h"

#include <utility>

namespace qor {

namespace {

// Descriptions the platform gives for the errors a caller raises by number.
const char* StandardDescription(int32_t number) {
  switch (number) {
    case 5:
      return "Invalid procedure call or argument";
    case 6:
      return "Overflow";
    case 7:
      return "Out of memory";
    case 9:
      return "Subscript out of range";
    case 11:
      return "Division by zero";
    case 13:
      return "Type mismatch";
    case 53:
      return "File not found";
    case 91:
      return "Object variable or With block variable not set";
    case 94:
      return "Invalid use of Null";
    case 424:
      return "Object required";
    case 429:
      return "ActiveX component can't create object";
    case 438:
      return "Object doesn't support this property or method";
    case 3001:
      return "Arguments are of the wrong type, are out of acceptable range, or are in conflict "
             "with one another.";
    case 3021:
      return "Either BOF or EOF is True, or the current record has been deleted. Requested "
             "operation requires a current record.";
    case 3265:
      return "Item cannot be found in the collection corresponding to the requested name or "
             "ordinal.";
    default:
      return "Application-defined or object-defined error";
  }
}

}  // namespace

VbError::VbError(int32_t number, std::string source, std::string description)
    : std::runtime_error(description),
      m_Number(number),
      m_Source(std::move(source)),
      m_Description(std::move(description)) {}

void RaiseError(int32_t number, const std::string& source, const std::string& description) {
  throw VbError(number, source, description);
}

void RaiseError(int32_t number, const std::string& source) {
  throw VbError(number, source, StandardDescription(number));
}

}  // namespace qor
