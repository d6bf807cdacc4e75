#pragma once

#include <functional>
#include <string>

#include "core/object.h"

namespace qorarap {

// Offers each of the eight plug-in classes to the host under its identifier
// "QORARAPBillInterface." + class name, with a factory creating an instance
// (the class's initialiser runs; its errors reach the creator).
void RegisterPluginClasses(
    const std::function<void(const std::string&, std::function<qor::ObjectPtr()>)>& add);

}  // namespace qorarap
