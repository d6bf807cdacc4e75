// Receipt and payment bills: the source selection. The filter keeps the
// selection window to the bill's counterparty and currencies and away from
// lines already on the bill; picked lines are completed with rates and local
// amounts.

#include "common/amounts.h"
#include "common/bill_fields.h"
#include "common/sql_text.h"
#include "core/vb.h"
#include "host/bill_editor.h"
#include "settlement/settlement_bill.h"
#include "settlement/settlement_calc.h"

namespace qorarap {

namespace {

constexpr int32_t kEntryIndex = 1;
constexpr int32_t kLocalCurrency = 1;

// The department (or employee) all picked lines share; 0 when they differ.
int32_t CommonValue(qor::Recordset& lines, const std::string& column) {
  lines.MoveFirst();
  if (lines.IsEOF()) return 0;
  auto first = static_cast<int32_t>(qor::Val(NullTo(lines.Field(column), 0)));
  for (; !lines.IsEOF(); lines.MoveNext()) {
    if (static_cast<int32_t>(qor::Val(NullTo(lines.Field(column), 0))) != first) return 0;
  }
  return first;
}

}  // namespace

void SettlementBill::m_BillInterface_BeforeSelBills(int32_t lSelBillType,
                                                    const qor::ObjectPtr& oDataSrv,
                                                    const qor::HostDictionaryPtr& /*dctLink*/,
                                                    std::string& sFilter,
                                                    qor::HostDictionaryPtr& /*dctParam*/) {
  bool documents = lSelBillType == m_Side.documentSelectionCode;
  if (!documents && lSelBillType != m_Side.refundSelectionCode) return;
  auto& editor = m_BillInterface.Get();
  std::vector<SettlementRowSource> rows;
  int32_t count = GetEntryRowCount(editor, kEntryIndex);
  for (int32_t row = 1; row <= count; ++row) {
    rows.push_back({RowNumber("FInterID", row), RowNumber("FEntryID_HXD_SRC", row),
                    RowNumber("FClassID_SRC", row), RowNumber("FEntryID_SRC", row)});
  }
  double counterparty = HeaderNumber(std::string(m_Side.counterpartyKey));
  double currency = HeaderNumber("FCurrencyID");
  if (documents) {
    sFilter = DocumentSelectionFilter(m_Side, sFilter, counterparty, currency, rows);
    return;
  }
  RefundSelection refund = RefundSelectionFilter(m_Side, sFilter, counterparty, currency, rows);
  sFilter = refund.filter;
  if (refund.headSort.empty()) return;
  auto dataService = qor::AsRequired<qor::BillDataService>(oDataSrv);
  dataService->Filter()->SetItem("HeadSort", refund.headSort);
}

void SettlementBill::m_BillInterface_AfterSelBillBeforeFillData(
    const qor::HostDictionaryPtr& dctSel, const qor::HostDictionaryPtr& /*dctMap*/) {
  auto& editor = m_BillInterface.Get();
  if (dctSel) dctSel->SetItem("AddModel", true);
  auto headerCurrency = static_cast<int32_t>(HeaderNumber("FCurrencyID"));
  double headerRate = HeaderNumber("FExchangeRate");
  int32_t local = CurrencyDecimals(kLocalCurrency);
  auto rows = qor::As<qor::HostVector>(editor->Data("Page2"));
  int32_t count = rows ? rows->Count() : 0;
  for (int32_t row = 1; row <= count; ++row) {
    if (RowNumber("FInterID", row) == 0) continue;
    CompleteSelectedRow(row, headerCurrency, headerRate, local);
  }
  TakeDepartmentAndEmployee(dctSel);
}

// A picked line: its rate (the bill's own when it is in the bill's
// currency), its local settlement amount, the number of an initial balance
// and the decimals of its currency.
void SettlementBill::CompleteSelectedRow(int32_t row, int32_t headerCurrency, double headerRate,
                                         int32_t localDecimals) {
  auto& editor = m_BillInterface.Get();
  auto rowCurrency = static_cast<int32_t>(RowNumber("FBillCurrencyID", row));
  double rate = rowCurrency == headerCurrency ? headerRate : RateOfCurrency(rowCurrency);
  SetBillFieldValue(editor, "FEntryExchangeRate", row, qor::Variant(rate));
  std::optional<double> settle = PickedRowLocalAmount(
      rate, RowNumber("FBillSettleAmountFor", row), RowNumber(std::string(m_Side.openKeyFor), row),
      RowNumber("FBillAmountFor", row), localDecimals);
  if (settle) SetBillFieldValue(editor, "FBillSettleAmount", row, qor::Variant(*settle));
  const std::string numberKey(m_Side.sourceNumberKey);
  if (qor::StrOf(GetBillFieldValue(editor, numberKey, row)).empty()) {
    SetBillFieldValue(editor, numberKey, row, qor::Variant(std::string(m_Side.initialBalanceText)));
  }
  int32_t decimals = CurrencyDecimals(rowCurrency);
  for (std::string_view key :
       {std::string_view("FBillAmountFor"), m_Side.settledKeyFor, m_Side.openKeyFor,
        std::string_view("FBillSettleAmountFor"), std::string_view("FEntryAmount_SRC")}) {
    ApplyFieldDecimals(std::string(key), decimals, true);
  }
  ApplyFieldDecimals("FBillAmount", localDecimals, true);
  for (std::string_view key :
       {m_Side.settledKey, m_Side.openKey, std::string_view("FBillSettleAmount")}) {
    ApplyFieldDecimals(std::string(key), localDecimals, false);
  }
}

// The bill's department and employee from the picked lines, when they all
// share one.
void SettlementBill::TakeDepartmentAndEmployee(const qor::HostDictionaryPtr& dctSel) {
  if (!dctSel || !dctSel->Lookup("rsSrc")) return;
  qor::Variant source = dctSel->Item("rsSrc");
  auto lines = source.IsObject() ? qor::As<qor::Recordset>(source.ObjectValue()) : nullptr;
  if (!lines || lines->RecordCount() == 0) return;
  auto& editor = m_BillInterface.Get();
  int32_t department = CommonValue(*lines, "FDeptID");
  int32_t employee = CommonValue(*lines, "FEmpID");
  if (department != 0) {
    SetBillFieldValue(editor, "FDepartmentID", kHeaderRow, qor::Variant(department));
  }
  if (employee != 0) SetBillFieldValue(editor, "FEmployeeID", kHeaderRow, qor::Variant(employee));
}

void SettlementBill::m_BillInterface_AfterSelBill(int32_t /*lSelBillType*/) {
  auto& editor = m_BillInterface.Get();
  if (HeaderNumber("FDiscount") == 100) {
    LockBillField(editor, "FDiscountAcctId", true, true);
  } else {
    LockBillField(editor, "FDiscountAcctId", false);
  }
  SetExchangeRateLock(static_cast<int32_t>(HeaderNumber("FCurrencyId")) == kLocalCurrency);
  SetSourceColumns();
}

}  // namespace qorarap
