#pragma once

namespace refhost {

class ComponentRegistry;

// The product's bill components: bill checking of the receipt / payment and
// other bills, bill lookups by number, push-down, credit control and the
// platform notifications.
void RegisterBillServices(ComponentRegistry& registry);

}  // namespace refhost
