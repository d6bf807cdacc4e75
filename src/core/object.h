#pragma once

#include <memory>
#include <string>

#include "core/vb_error.h"

namespace qor {

// Base of every host object and component. TypeName() is the run-time type
// name the platform reports for the object ("BillEvent", "ListEvents"...).
class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;
  virtual std::string TypeName() const = 0;
};

using ObjectPtr = std::shared_ptr<Object>;

// Late-bound cast of an object to an interface it is expected to support.
// Nothing stays nothing; an object lacking the interface is error 13.
template <class I>
std::shared_ptr<I> As(const ObjectPtr& object) {
  if (!object) return nullptr;
  auto typed = std::dynamic_pointer_cast<I>(object);
  if (!typed) RaiseError(kErrTypeMismatch, "", "Type mismatch");
  return typed;
}

// As As<I>, but an absent object is error 91 too (used where the caller
// would call a member on it straight away).
template <class I>
std::shared_ptr<I> AsRequired(const ObjectPtr& object) {
  if (!object) RaiseError(91, "", "Object variable or With block variable not set");
  return As<I>(object);
}

}  // namespace qor
