#pragma once

#include "core/object.h"

namespace qor {

// A plug-in class the host creates by identifier for a window; the host
// calls Show once for each of the window's objects.
class PluginClass : public Object {
 public:
  virtual void Show(const ObjectPtr& oBillInterface) = 0;
};

}  // namespace qor
