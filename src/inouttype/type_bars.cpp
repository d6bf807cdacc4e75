#include "inouttype/type_bars.h"

#include "core/vb_error.h"

namespace qorarap {

namespace {

constexpr int32_t kErrElementNotFound = 35601;

}  // namespace

void HideTools(qor::ToolbarControl& bar, std::initializer_list<const char*> keys) {
  for (const char* key : keys) {
    if (!bar.SetToolProperty(key, "VISIBLE", false)) {
      qor::RaiseError(kErrElementNotFound, "ActiveBar", "Element not found");
    }
  }
}

}  // namespace qorarap
