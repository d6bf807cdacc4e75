#include "plugin/registration.h"

#include <memory>

#include "inouttype/in_out_type_tree.h"
#include "inouttype/in_out_type_view.h"
#include "lists/initial_list.h"
#include "lists/invoice_list.h"
#include "otherbills/other_bill.h"
#include "settlement/settlement_bill.h"

namespace qorarap {

namespace {

using AddClass = std::function<void(const std::string&, std::function<qor::ObjectPtr()>)>;

const std::string kLibraryName = "QORARAPBillInterface.";

// One side of a twin class: the class built on that side's table.
template <class Class, class Side>
void AddSide(const AddClass& add, const Side& side) {
  const Side* table = &side;
  add(kLibraryName + std::string(side.className),
      [table]() -> qor::ObjectPtr { return std::make_shared<Class>(*table); });
}

template <class Class>
void AddClassOf(const AddClass& add, const std::string& className) {
  add(kLibraryName + className, []() -> qor::ObjectPtr { return std::make_shared<Class>(); });
}

}  // namespace

void RegisterPluginClasses(const AddClass& add) {
  AddSide<SettlementBill>(add, kReceiptSide);
  AddSide<SettlementBill>(add, kPaymentSide);
  AddSide<OtherBill>(add, kOtherReceivableSide);
  AddSide<OtherBill>(add, kOtherPayableSide);
  AddClassOf<clsRPInOutType>(add, "clsRPInOutType");
  AddClassOf<clsRPInOutTypeView>(add, "clsRPInOutTypeView");
  AddClassOf<clsInvoice>(add, "clsInvoice");
  AddClassOf<clsRPInitial>(add, "clsRPInitial");
}

}  // namespace qorarap
