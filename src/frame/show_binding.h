#pragma once

#include <memory>
#include <string_view>
#include <type_traits>

#include "core/events.h"
#include "core/object.h"

// How Show stores the host object it is given in an event member.
namespace qorarap {

// Stores the object in the member, subscribing the sink, when the object's
// type name is exactly typeName; any other object is left alone. True when
// it was stored.
template <class Source, class Sink>
bool BindWhenTypeIs(qor::EventMember<Source, Sink>& member, const qor::ObjectPtr& object,
                    std::string_view typeName, std::type_identity_t<std::shared_ptr<Sink>> sink) {
  if (!object || object->TypeName() != typeName) return false;
  member.Set(qor::As<Source>(object), std::move(sink));
  return true;
}

// Stores the object without a type test: an object lacking the event
// interface is a type mismatch (error 13) that reaches the host.
template <class Source, class Sink>
void Bind(qor::EventMember<Source, Sink>& member, const qor::ObjectPtr& object,
          std::type_identity_t<std::shared_ptr<Sink>> sink) {
  member.Set(qor::As<Source>(object), std::move(sink));
}

}  // namespace qorarap
