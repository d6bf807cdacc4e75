#include "refhost/services/other_bill_service.h"

#include <string>

#include "core/host_dictionary.h"
#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/host_run.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/not_available.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::Variant;

constexpr int32_t kReceivableClass = 1000205;
constexpr int32_t kPayableClass = 1000206;

// One side of the other bills as the component's tables see it.
struct OtherBillTables {
  int32_t classTypeId;
  const char* billTable;
  const char* entryTable;
  // The settlement rows of receipts or payments that settle a bill of this side.
  const char* settleRows;
  const char* settledMessage;
  const char* hintKey;
};

constexpr OtherBillTables kReceivable{
    kReceivableClass,
    "t_RP_ROtherBill",
    "t_RP_ROtherBillEntry",
    "SELECT 1 FROM t_RP_RBillEntry WHERE FClassID_SRC = 1000205 AND FInterID = ? LIMIT 1",
    "单据已被收款单结算，不能进行此操作。",
    "ROtherBillSettleHint"};

constexpr OtherBillTables kPayable{
    kPayableClass,
    "t_RP_POtherBill",
    "t_RP_POtherBillEntry",
    "SELECT 1 FROM t_RP_PBillEntry WHERE FClassID_SRC = 1000206 AND FInterID = ? LIMIT 1",
    "单据已被付款单结算，不能进行此操作。",
    "POtherBillSettleHint"};

// Operations of CheckBillSimple ("CheckType").
enum class Operation { Delete = 0, Audit = 1, Unaudit = 2 };

// What a refused or failed operation tells the caller.
struct Outcome {
  int32_t code = 0;  // 0 done, -1 the bill's state forbids it, 1 the bill cannot be read
  std::string description;
};

struct StoredBill {
  bool found = false;
  std::string billNo;
  int32_t status = 0;
  int32_t voucherId = 0;
};

StoredBill ReadBill(Database& db, const OtherBillTables& side, int32_t billId) {
  auto rs = db.QueryParams(std::string("SELECT FBillNo, FStatus, FVoucherID FROM ") +
                               side.billTable + " WHERE FBillID = ?",
                           {Variant(billId)});
  StoredBill bill;
  if (rs->IsEOF()) return bill;
  bill.found = true;
  bill.billNo = qor::Trim(qor::StrOf(rs->Field("FBillNo")));
  bill.status = static_cast<int32_t>(qor::Val(rs->Field("FStatus")));
  bill.voucherId = static_cast<int32_t>(qor::Val(rs->Field("FVoucherID")));
  return bill;
}

bool IsSettled(Database& db, const OtherBillTables& side, int32_t billId) {
  return !db.QueryParams(side.settleRows, {Variant(billId)})->IsEOF();
}

// Why the operation may not run on the stored bill; code 0 when it may.
Outcome Refusal(Database& db, const OtherBillTables& side, int32_t billId, const StoredBill& bill,
                Operation operation) {
  if (!bill.found) return {1, "单据不存在，可能已经被删除。"};
  switch (operation) {
    case Operation::Audit:
      if (bill.status == 1) return {-1, "单据已经审核。"};
      return {};
    case Operation::Unaudit:
      if (bill.status != 1) return {-1, "单据尚未审核。"};
      if (bill.voucherId > 0) return {-1, "单据已生成凭证，不能反审核。"};
      break;
    case Operation::Delete:
      if (bill.status == 1) return {-1, "单据已经审核，不能删除。"};
      break;
  }
  if (IsSettled(db, side, billId)) return {-1, side.settledMessage};
  return {};
}

void Apply(Database& db, const OtherBillTables& side, int32_t billId, Operation operation) {
  const std::string table = side.billTable;
  Session& session = CurrentSession();
  switch (operation) {
    case Operation::Audit:
      db.ExecuteParams(
          "UPDATE " + table + " SET FStatus = 1, FCheckerID = ?, FCheckDate = ? WHERE FBillID = ?",
          {Variant(session.UserId()), Variant::Date(session.Run().Today()), Variant(billId)});
      return;
    case Operation::Unaudit:
      db.ExecuteParams("UPDATE " + table +
                           " SET FStatus = 0, FCheckerID = 0, FCheckDate = NULL WHERE FBillID = ?",
                       {Variant(billId)});
      return;
    case Operation::Delete:
      db.ExecuteParams(std::string("DELETE FROM ") + side.entryTable + " WHERE FBillID = ?",
                       {Variant(billId)});
      db.ExecuteParams("DELETE FROM " + table + " WHERE FBillID = ?", {Variant(billId)});
      return;
  }
}

// Checks and carries out one operation in one transaction.
Outcome Perform(const OtherBillTables& side, int32_t billId, Operation operation,
                std::string& billNo) {
  Database& db = CurrentSession().Db();
  Transaction transaction(db);
  StoredBill bill = ReadBill(db, side, billId);
  billNo = bill.billNo;
  Outcome outcome = Refusal(db, side, billId, bill, operation);
  if (outcome.code != 0) return outcome;
  Apply(db, side, billId, operation);
  transaction.Commit();
  return outcome;
}

class OtherBillService : public qor::ArApBillComponent, public qor::ArApBillInfoComponent {
 public:
  OtherBillService(std::string progId, const OtherBillTables& side)
      : m_ProgId(std::move(progId)), m_Side(side) {}
  std::string TypeName() const override { return "clsOtherBill"; }

  // operation 1 checks the bill, 0 unchecks it; 1 when refused, with the reason.
  int32_t CheckBill(const std::string& /*propsString*/, int32_t billId, int32_t operation,
                    std::string& message) override {
    Operation op = operation == 1 ? Operation::Audit : Operation::Unaudit;
    std::string billNo;
    Outcome outcome = Perform(m_Side, billId, op, billNo);
    if (outcome.code != 0) {
      message = outcome.description;
      return 1;
    }
    message = op == Operation::Audit ? "审核成功！" : "反审核成功！";
    return 0;
  }

  // "TransType" (1000205 / 1000206; another value keeps the component's
  // side), "InterID", "CheckType" (0 delete, 1 check, 2 uncheck).
  qor::HostDictionaryPtr CheckBillSimple(const qor::HostDictionaryPtr& params) override {
    auto result = std::make_shared<qor::HostDictionary>();
    int32_t transType = qor::CLng(qor::Val(params->Item("TransType")));
    const OtherBillTables& side = transType == kReceivableClass ? kReceivable
                                  : transType == kPayableClass  ? kPayable
                                                                : m_Side;
    int32_t billId = qor::CLng(qor::Val(params->Item("InterID")));
    int32_t checkType = qor::CLng(qor::Val(params->Item("CheckType")));
    std::string billNo;
    Outcome outcome;
    if (checkType < 0 || checkType > 2) {
      outcome = {-1, "未知的操作。"};
    } else {
      outcome = Perform(side, billId, static_cast<Operation>(checkType), billNo);
    }
    result->SetItem("Code", Variant(outcome.code));
    result->SetItem("Description", Variant(outcome.description));
    result->SetItem("BillNo", Variant(billNo));
    return result;
  }

  double GetUnCheckAmountFor(const std::string&, int32_t, int32_t, int32_t) override {
    NotAvailable(m_ProgId, "GetUnCheckAmountFor");
  }

  // True when the settlement-account reminder after saving an on-account bill
  // is switched off for the side (system profile IC ROtherBillSettleHint /
  // POtherBillSettleHint = '0'); false otherwise, so the reminder shows.
  Variant GetBill(const std::string& /*propsString*/, bool receivable) override {
    const OtherBillTables& side = receivable ? kReceivable : kPayable;
    Variant value = CurrentSession().Db().QueryValue(
        "SELECT FValue FROM t_SystemProfile WHERE FCategory = 'IC' AND FKey = ?",
        {Variant(side.hintKey)});
    return Variant(qor::Trim(qor::StrOf(value)) == "0");
  }

  // The other receivable bills carrying the number.
  qor::RecordsetPtr GetARBillInfo(const std::string& /*propsString*/,
                                  const std::string& billNo) override {
    return CurrentSession().Db().QueryParams("SELECT * FROM t_RP_ROtherBill WHERE FBillNo = ?",
                                             {Variant(qor::Trim(billNo))});
  }

  // The other payable bills carrying the number.
  qor::RecordsetPtr GetAPBillInfo(const std::string& /*propsString*/,
                                  const std::string& billNo) override {
    return CurrentSession().Db().QueryParams("SELECT * FROM t_RP_POtherBill WHERE FBillNo = ?",
                                             {Variant(qor::Trim(billNo))});
  }

 private:
  std::string m_ProgId;
  const OtherBillTables& m_Side;
};

void RegisterSide(ComponentRegistry& registry, const std::string& progId,
                  const OtherBillTables& side) {
  registry.Register(progId,
                    [progId, &side] { return std::make_shared<OtherBillService>(progId, side); });
}

}  // namespace

void RegisterOtherBillService(ComponentRegistry& registry) {
  // Identifiers compare without regard to case: each line also registers the
  // "QORebsArAPBill.…" spelling.
  RegisterSide(registry, "QORebsArApBill.clsArOtherBill", kReceivable);
  RegisterSide(registry, "QORebsArApBill.clsApOtherBill", kPayable);
}

}  // namespace refhost
