// The edit card of a type: its bars, the number it proposes for a new type,
// the lock of a group's number, and what follows a save.

#include "common/bill_fields.h"
#include "common/sql_text.h"
#include "core/vb.h"
#include "frame/class_frame.h"
#include "frame/net_control.h"
#include "inouttype/in_out_type_numbers.h"
#include "inouttype/in_out_type_tree.h"

namespace qorarap {

namespace {

constexpr int32_t kModified = 1;

}  // namespace

void clsRPInOutType::HideCardToolbarTools(const std::vector<std::string>& keys) {
  qor::BandPtr band = m_BillInterface->GetToolBarControl()->Bands("BandToolBar");
  for (const std::string& key : keys) band->Tools().Item(key)->m_Visible = false;
}

// A type that has types under it keeps its number: their numbers start with it.
void clsRPInOutType::m_BillInterface_AfterLoadBill() {
  HideCardToolbarTools({"mnuDataPre", "mnuDataNext", "mnuData", "mnuCaculate", "mnuFilePrint",
                        "mnuFile", "mnuEditCopy", "mnuOption", "mnuOptionBatchFull"});
  const std::shared_ptr<qor::BillEvent>& card = m_BillInterface.Get();
  qor::Variant number = GetBillFieldValue(card, "FNumber");
  m_rsInOutType->SetFilter("FNumber=" + SqlText(number, true, true, true));
  if (!m_rsInOutType->IsEOF()) {
    bool isGroup = qor::Val(m_rsInOutType->Field("FIsLeaf")) == 0;
    LockBillField(card, "FNumber", isGroup, false, kModified);
  }
  m_lBillID = qor::CLng(qor::Val(GetBillFieldValue(card, "FID")));
}

// A new type starts from the number last saved; the type that was open for
// modification is given back.
void clsRPInOutType::m_BillInterface_AfterNewBill() {
  if (m_lFuncHandle != 0) ReleaseFunc(m_lFuncHandle);
  SetBillFieldValue(m_BillInterface.Get(), "FNumber", kHeaderRow, qor::Variant(m_sNumber));
  HideCardToolbarTools(
      {"mnuData", "mnuCaculate", "mnuFilePrint", "mnuOption", "mnuFile", "mnuEditCopy"});
}

// Proposes the number after the one last saved.
void clsRPInOutType::m_BillInterface_AfterNewEmptyData() {
  if (m_sNumber.empty()) return;
  SetBillFieldValue(m_BillInterface.Get(), "FNumber", kHeaderRow,
                    qor::Variant(NextNumber(m_sNumber)));
}

// The lookups of the next checks see the type just saved.
void clsRPInOutType::m_BillInterface_AfterSave(bool& /*bCancel*/) {
  m_rsInOutType = ReadAllInOutTypes();
}

// A new type whose first save failed is inserted again on the next try.
void clsRPInOutType::m_BillInterface_SaveBillFailed(const qor::HostDictionaryPtr& dctData,
                                                    std::string& /*sErrorMessage*/,
                                                    bool& /*bCancelErrorMessage*/) {
  if (m_lBillID != 0) return;
  SetBillFieldValue(m_BillInterface.Get(), "FID", kHeaderRow, qor::Variant(0));
  dctData->SetItem("FID", qor::Variant(0));
}

void clsRPInOutType::m_BillInterface_MenuBarInitialize(const qor::ToolbarControlPtr& /*oMenuBar*/) {
  for (const char* key :
       {"mnuFilePageSetup", "mnuFilePreview", "mnuFilePrintSetup", "mnuFileNotePrintSetup",
        "mnuFilePrint", "mnuEditCopy", "mnuStockQuery", "mnuDataAccessory", "mnuGetSysDate",
        "mnuFormatIndentity", "mnuFormatBack", "mnuOptionBatchFull", "mnuOptionLinkBill",
        "mnuDataRefesh", "mnuDataPre", "mnuDataNext", "mnuCaculate"}) {
    m_BillInterface->SetMenuItemProperty(key, "Visible", false);
  }
}

void clsRPInOutType::m_BillInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& /*Cancel*/) {
  if (LOOMTool->m_Name != "mnuHelpFile") return;
  ShowTypeHelp();
  m_BillInterface->GetToolBarControl()->Bands("mnuCust")->m_Caption = "帮助";
}

}  // namespace qorarap
