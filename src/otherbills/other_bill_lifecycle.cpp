// Loading, creating and saving an other receivable or payable bill: menus,
// decimals, the currency state and the credit status of a fresh bill.

#include "common/bill_fields.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "otherbills/other_bill.h"

namespace qorarap {

namespace {

constexpr int32_t kLocalCurrency = 1;
constexpr int32_t kViewMode = 0;
constexpr int32_t kChangeMode = 2;
constexpr int32_t kChecked = 1;

}  // namespace

void OtherBill::m_BillInterface_AfterLoadBill() {
  auto editor = Editor();
  m_lBillID = qor::CLng(qor::Val(editor->GetFieldValue("FBillId", kHeaderRow, 1)));
  auto status = static_cast<int32_t>(qor::Val(GetBillFieldValue(editor, "FStatus")));

  EnableRowMenusOnActiveRow(editor);
  editor->SetMenuItemProperty("mnuFileNeedFilter", "Visible", false);
  SetLoadedBillMenus(status);

  // The rate of a checked bill or of the local currency cannot be edited.
  bool localRate = status != 0 || qor::Val(GetBillFieldValue(editor, "FCurrencyId")) == 1;
  SetExchangeRateLock(localRate);
  DisableRowMenusOnStatus(editor);
  if (IsOnAccount()) {
    ShowCreditStatus();
  } else {
    ClearCreditStatus();
  }
  LockSettleFields();
  ClearModifyFlags(editor);
}

// The check, uncheck, voucher and copy items of a loaded bill by its state
// and by whether this user may change it.
void OtherBill::SetLoadedBillMenus(int32_t status) {
  auto editor = Editor();
  int32_t editMode = editor->GetEditMode();
  bool editable = editMode != kViewMode && editor->GetBillObject()->MutexSuccess();
  editor->SetMenuItemProperty("mnuEditCheck", "Visible", true);
  editor->SetMenuItemProperty("mnuEditUnCheck", "Visible", true);
  if (editable) {
    editor->SetMenuItemProperty("mnuEditCheck", "Enabled", true);
    editor->SetMenuItemProperty("mnuEditUnCheck", "Enabled", true);
    editor->SetMenuItemProperty("mnuCopyRow", "Visible", false);
    if (status == kChecked) {
      LockIdFields(editor, true);
      editor->SetMenuItemProperty("mnuEditCheck", "Enabled", false);
      editor->SetMenuItemProperty("mnuEditDelete", "Enabled", false);
      editor->SetMenuItemProperty("mnuViewVch", "Enabled", true);
      editor->SetMenuItemProperty("mnuViewVch", "Visible", true);
      SetEditMenus(editor, "DisableEdit");
    } else {
      editor->SetMenuItemProperty("mnuViewVch", "Enabled", false);
      editor->SetMenuItemProperty("mnuViewVch", "Visible", true);
      SetEditMenus(editor, "EnableEdit");
      if (m_Side.hidesChangeMenuWhenEditable) {
        editor->SetMenuItemProperty("mnuEditChange", "Visible", false);
      }
    }
    if (editMode == kChangeMode && status >= 1) editor->GetBillObject()->LockBill();
  } else {
    SwitchTool("BandToolBar", "mnuDataPre", false);
    SwitchTool("BandToolBar", "mnuDataNext", false);
  }
  editor->SetMenuItemProperty("mnuViewVch", "Enabled", status == kChecked);
  editor->SetMenuItemProperty("mnuViewVch", "Visible", true);
  SwitchTool("mnuFile", "mnuEditCopy", true);
  SwitchTool("BandToolBar", "mnuEditCopy", true);
}

void OtherBill::m_BillInterface_AfterNewBill() {
  auto editor = Editor();
  editor->SetMenuItemProperty("mnuFileNeedFilter", "Visible", false);
  auto local = GetGLData()->GetCurrency(kLocalCurrency);
  int16_t decimals = qor::CInt(qor::Variant(local->ScaleX()));
  for (const char* key : {"FAmountFor", "FAmount", "FCheckAmountFor", "FCheckAmount"}) {
    ApplyFieldDecimals(key, decimals, false);
  }
  ApplyFieldDecimals("FBillAmountFor", decimals, true);
  ApplyFieldDecimals("FBillAmount", decimals, true);

  SwitchTool("mnuEdit", "mnuBatchFillField", false);
  SwitchTool("mnuEdit", "mnuEditUnCheck", false);
  editor->GetBillObject()->RefreshToolbar();

  editor->SetFieldText(editor->GetFieldInfo("FCurrencyId"), local->Name(), 0);
  SetBillFieldValue(editor, "FCurrencyId", kHeaderRow, kLocalCurrency);
  SetExchangeRateLock(true);
  LockSettleFields();
  SwitchTool("mnuFile", "mnuEditCopy", true);
  SwitchTool("BandToolBar", "mnuEditCopy", true);
  ClearModifyFlags(editor);
}

// Amounts show the decimals of the bill's currency.
void OtherBill::m_BillInterface_SetCurrencyState(const qor::HostDictionaryPtr& /*dcData*/) {
  auto editor = Editor();
  int32_t currencyId = qor::CLng(qor::Val(editor->GetFieldValue("FCurrencyId", kHeaderRow)));
  int32_t decimals = GetGLData()->GetCurrency(currencyId)->ScaleX();
  for (const char* key : {"FAmountFor", "FCheckAmountFor", "FBillAmountFor"}) {
    editor->SetFieldDecimalPlaces(editor->GetFieldInfo(key), kHeaderRow, decimals);
  }
  editor->SetFieldEditDecimals(editor->GetFieldInfo("FBillAmountFor"), decimals);
}

void OtherBill::m_BillInterface_AfterSave(bool& /*bCancel*/) {
  if (IsOnAccount()) {
    ShowCreditStatus();
  } else if (m_Side.clearsCreditStatusAfterSave) {
    ClearCreditStatus();
  }
}

// Shows (on) or hides (off) a tool where it stands in the band; a band
// without the tool has nothing to change.
void OtherBill::SwitchTool(const std::string& band, const std::string& tool, bool on) {
  auto toolbar = Editor()->GetToolBarControl();
  qor::ToolPtr found = toolbar->Bands(band)->Tools().Find(tool);
  if (found) found->m_Visible = on;
}

bool OtherBill::IsOnAccountValue(const qor::Variant& billType) const {
  return qor::Val(billType) == m_Side.onAccountBillType;
}

bool OtherBill::IsOnAccount() {
  return IsOnAccountValue(GetBillFieldValue(Editor(), "FBillTypeId"));
}

qor::RecordsetPtr OtherBill::ExecuteSql(const std::string& sql) {
  auto access = Editor()->GetDataAccess();
  if (!access) qor::RaiseError(91, "QORARAPBillInterface");
  return access->ExecuteSql(sql);
}

}  // namespace qorarap
