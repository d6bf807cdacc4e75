#pragma once

namespace refhost {

class ComponentRegistry;

// The product's components behind the receipt and payment bills: bill
// checking, unchecking and deleting with the open amounts of the settled
// documents ("QORebsArApBill.clsArBill" / "clsApBill"), and the trading
// platform's requests ("QORPlatformLib.clsApiRequest").
void RegisterSettlementServices(ComponentRegistry& registry);

}  // namespace refhost
