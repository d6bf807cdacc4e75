#include "lists/invoice_list.h"

#include "common/bill_fields.h"
#include "common/props.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "frame/show_binding.h"
#include "host/components.h"
#include "host/platform.h"
#include "lists/list_bars.h"
#include "lists/switch_connection.h"

namespace qorarap {

// Forwards the invoice list's events that the class handles.
class clsInvoice::ListSink final : public qor::ListEventSink {
 public:
  explicit ListSink(clsInvoice& owner) : m_Owner(owner) {}

  void MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) override {
    m_Owner.m_LstInterface_MenuBarClick(LOOMTool, Cancel);
  }
  void BarInitialize(const qor::ToolbarControlPtr& oActiveBar) override {
    m_Owner.m_LstInterface_BarInitialize(oActiveBar);
  }
  void MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) override {
    m_Owner.m_LstInterface_MenuBarInitialize(oMenuBar);
  }

 private:
  clsInvoice& m_Owner;
};

void clsInvoice::Show(const qor::ObjectPtr& oBillInterface) {
  Bind(m_LstInterface, oBillInterface, std::make_shared<ListSink>(*this));
}

namespace {

constexpr int32_t kViewOldBillId = 30101;

// The table of the invoices of a list's class type; "" for another class.
std::string InvoiceTable(int32_t classTypeId) {
  if (classTypeId == 1000000 || classTypeId == 1000002) return "ICSale";
  if (classTypeId == 1000003 || classTypeId == 1000004) return "ICPurchase";
  return "";
}

qor::HostDictionaryPtr KeyColumn(int32_t primary, const char* column) {
  auto field = std::make_shared<qor::HostDictionary>();
  field->SetItem("FISPrimary", primary);
  field->SetItem("FColName", column);
  return field;
}

}  // namespace

void clsInvoice::m_LstInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& /*Cancel*/) {
  if (!qor::EqualsNoCase(LOOMTool->m_Name, "mnuViewOldBill")) return;
  try {
    ShowSelectedInvoice();
  } catch (const qor::VbError&) {
    // Showing the invoice is a convenience: a failure ends it silently.
  }
}

void clsInvoice::m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar) {
  TrimInvoiceListBars(oActiveBar, false);
}

// "查看" shows the invoice as a bill, in the menu and on the toolbar where
// the host's own view command stands.
void clsInvoice::m_LstInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) {
  HideToolInBand(*oMenuBar, "mnuEdit", "mnuFileView");
  qor::ToolPtr view = oMenuBar->Tools().Find("mnuViewOldBill");
  if (!view) view = oMenuBar->Tools().Add(kViewOldBillId, "mnuViewOldBill");
  view->m_Caption = "查看";
  view->m_Picture = "VIEW";
  for (const char* band : {"mnuEdit", "BandToolBar"}) {
    int16_t at = FindToolIndex(oMenuBar, band, "mnuFileView");
    oMenuBar->Bands(band)->Tools().Insert(at, view);
  }
}

void clsInvoice::ShowSelectedInvoice() {
  qor::HostVectorPtr rows = m_LstInterface->GetSelectedRows();
  if (!rows || rows->Count() == 0) return;
  auto first = std::dynamic_pointer_cast<qor::HostDictionary>(rows->Item(1).ObjectValue());
  int32_t interId = first ? qor::CLng(qor::Val(first->Item("FInterId"))) : 0;
  if (interId == 0) return;

  auto fields = std::make_shared<qor::HostVector>();
  fields->Add(KeyColumn(1, "FInterID"));
  fields->Add(KeyColumn(3, "FTranType"));
  std::string table = InvoiceTable(m_LstInterface->GetListDefinition()->ClassTypeID());
  auto dataSource = qor::CreateComponent<qor::ClassTplDataSrv>("QORClassTpl.Datasrv");
  qor::RecordsetPtr invoice =
      dataSource->GetData("Select * from " + table + " Where FInterId=" + qor::CStr(interId));

  auto bills = qor::CreateDirect<qor::BillsComponent>("QORBills.Bills");
  ParsePropsString(GetPropsString());
  bills->SetSystemName("");
  bills->SetLocalCnn(GetLocalSwitchConnection());
  bills->SetListRecordset(invoice);
  bills->SetListRSFieldVect(fields);
  bills->SetOpt(GetUserID(), GetUserName());
  bills->Show(0, 2);
}

}  // namespace qorarap
