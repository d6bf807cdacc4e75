#include "refhost/services/settlement_services.h"

#include <cmath>
#include <string>
#include <unordered_map>

#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/not_available.h"
#include "refhost/services/session_platform.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::Variant;

constexpr int32_t kUnaudit = 0;
constexpr int32_t kAudit = 1;
constexpr int32_t kCheckFailed = 1;
constexpr int32_t kOperationDelete = 0;
constexpr int32_t kOperationCheck = 1;
constexpr int32_t kOperationUncheck = 2;
// Amounts closer than this are the same amount.
constexpr double kAmountTolerance = 1e-6;

// The tables of one side. Every name here is fixed text, never a caller's value.
struct SideTables {
  const char* bill;
  const char* entry;
  const char* partner;
  const char* type;
  int32_t prepaymentType;
  const char* sourceNumber;
  const char* docLines;  // every source document line, audited or not
};

constexpr SideTables kReceipt{"t_RP_RBill", "t_RP_RBillEntry", "FCustomerID",     "FReceiveTypeID",
                              1002,         "FInvoiceBillNo",  "vw_arap_RDocLine"};
constexpr SideTables kPayment{"t_RP_PBill", "t_RP_PBillEntry", "FSupplyID",       "FPayTypeID",
                              1004,         "FPurchaseBillNo", "vw_arap_PDocLine"};

// The outcome of one operation: refused with a message, or done.
struct Outcome {
  bool done = false;
  std::string billNo;
  std::string message;
};

// The host's date and time of day, for the records of requests.
std::string Now() { return qor::FormatDateTime(HostClock(CurrentSession().Run())); }
// The host's date, for the check date of a bill.
std::string Today() { return qor::FormatDate(CurrentSession().Run().Today()); }

int Sign(double x) { return (x > kAmountTolerance) - (x < -kAmountTolerance); }

// Checking, unchecking and deleting a receipt or payment bill. Each runs in
// one transaction (an immediate one: a second session waits until the first
// has finished), so the open amounts read inside it are the committed ones.
class SettlementBillService : public qor::ArApBillComponent {
 public:
  SettlementBillService(std::string progId, const SideTables& side)
      : m_ProgId(std::move(progId)), m_Side(side) {}
  std::string TypeName() const override { return "clsBill"; }

  int32_t CheckBill(const std::string& /*propsString*/, int32_t billId, int32_t operation,
                    std::string& message) override {
    Outcome outcome = operation == kAudit ? Audit(billId) : Unaudit(billId);
    message = outcome.message;
    return outcome.done ? 0 : kCheckFailed;
  }

  qor::HostDictionaryPtr CheckBillSimple(const qor::HostDictionaryPtr& params) override {
    int32_t billId = qor::CLng(Variant(qor::Val(params->Item("InterID"))));
    int32_t operation = qor::CLng(Variant(qor::Val(params->Item("CheckType"))));
    auto answer = std::make_shared<qor::HostDictionary>();
    Outcome outcome;
    if (operation == kOperationDelete) {
      outcome = Delete(billId);
    } else if (operation == kOperationCheck) {
      outcome = Audit(billId);
    } else if (operation == kOperationUncheck) {
      outcome = Unaudit(billId);
    } else {
      answer->SetItem("Code", 1);
      answer->SetItem("Description", "未知的操作类型。");
      answer->SetItem("BillNo", "");
      return answer;
    }
    answer->SetItem("Code", outcome.done ? 0 : -1);
    answer->SetItem("Description", outcome.done ? std::string() : outcome.message);
    answer->SetItem("BillNo", outcome.billNo);
    return answer;
  }

  // The partner's prepayment still free in the currency: its audited
  // prepayment bills less what of them is written off, the given bill left out.
  double GetUnCheckAmountFor(const std::string& /*propsString*/, int32_t partnerId,
                             int32_t currencyId, int32_t billId) override {
    std::string sql = std::string("SELECT IFNULL(SUM(FAmountFor - FCheckAmountFor), 0) FROM ") +
                      m_Side.bill + " WHERE " + m_Side.partner + " = ? AND " + m_Side.type +
                      " = ? AND FStatus = 1 AND FCurrencyID = ? AND FBillID <> ?";
    return qor::Val(
        CurrentSession().Db().QueryValue(sql, {Variant(partnerId), Variant(m_Side.prepaymentType),
                                               Variant(currencyId), Variant(billId)}));
  }

  qor::Variant GetBill(const std::string&, bool) override { NotAvailable(m_ProgId, "GetBill"); }

 private:
  // The bill's number, status and written-off amount; false when it is gone.
  bool ReadHeader(Database& db, int32_t billId, Outcome& outcome, int32_t& status,
                  double& checked) {
    auto rs = db.QueryParams(std::string("SELECT FBillNo, FStatus, FCheckAmountFor FROM ") +
                                 m_Side.bill + " WHERE FBillID = ?",
                             {Variant(billId)});
    if (rs->IsEOF()) {
      outcome.message = "单据不存在，可能已被其他用户删除，请刷新！";
      return false;
    }
    outcome.billNo = qor::StrOf(rs->Field("FBillNo"));
    status = qor::CLng(Variant(qor::Val(rs->Field("FStatus"))));
    checked = qor::Val(rs->Field("FCheckAmountFor"));
    return true;
  }

  Outcome Audit(int32_t billId) {
    Database& db = CurrentSession().Db();
    Transaction transaction(db);
    Outcome outcome;
    int32_t status = 0;
    double checked = 0;
    if (!ReadHeader(db, billId, outcome, status, checked)) return outcome;
    if (status == kAudit) {
      outcome.message = "单据[" + outcome.billNo + "]已经审核，不能重复审核。";
      return outcome;
    }
    if (!RowsWithinOpenAmounts(db, billId, outcome)) return outcome;
    db.ExecuteParams(std::string("UPDATE ") + m_Side.bill +
                         " SET FStatus = 1, FCheckerID = ?, FCheckDate = ? WHERE FBillID = ?",
                     {Variant(CurrentSession().UserId()), Variant(Today()), Variant(billId)});
    transaction.Commit();
    outcome.done = true;
    outcome.message = "单据[" + outcome.billNo + "]审核成功！";
    return outcome;
  }

  // Every source line must still be open for what this bill settles on it
  // (all its rows on one line together), in the same direction.
  bool RowsWithinOpenAmounts(Database& db, int32_t billId, Outcome& outcome) {
    auto rows =
        db.QueryParams(std::string("SELECT FEntryID, FInterID, FEntryID_HXD_SRC, FClassID_SRC, ") +
                           m_Side.sourceNumber + " AS FSourceNo, FBillSettleAmountFor FROM " +
                           m_Side.entry + " WHERE FBillID = ? AND FInterID > 0 ORDER BY FEntryID",
                       {Variant(billId)});
    std::unordered_map<std::string, double> settledHere;
    int32_t rowNumber = 0;
    for (; !rows->IsEOF(); rows->MoveNext()) {
      ++rowNumber;
      std::vector<Variant> line{rows->Field("FClassID_SRC"), rows->Field("FInterID"),
                                rows->Field("FEntryID_HXD_SRC")};
      std::string key = qor::StrOf(line[0]) + "_" + qor::StrOf(line[1]) + "_" + qor::StrOf(line[2]);
      double settle = (settledHere[key] += qor::Val(rows->Field("FBillSettleAmountFor")));
      std::string where =
          "第" + std::to_string(rowNumber) + "行源单[" + qor::StrOf(rows->Field("FSourceNo")) + "]";
      double open = 0;
      if (!ReadOpenAmount(db, line, open, outcome, where)) return false;
      if (Sign(settle) != Sign(open) || std::fabs(settle) > std::fabs(open) + kAmountTolerance) {
        outcome.message =
            where + "的本次核销金额超过未核销金额" + qor::FormatDouble(open) + "，审核失败。";
        return false;
      }
    }
    return true;
  }

  // What is still open on the source line: its amount less the rows of the
  // audited bills that settle it.
  bool ReadOpenAmount(Database& db, const std::vector<Variant>& line, double& open,
                      Outcome& outcome, const std::string& where) {
    auto doc = db.QueryParams(std::string("SELECT FAmountFor, FChecked FROM ") + m_Side.docLines +
                                  " WHERE FClassTypeID_SRC = ? AND FBillID = ? AND "
                                  "FEntryID_HXD_SRC = ?",
                              line);
    if (doc->IsEOF()) {
      outcome.message = where + "不存在，审核失败。";
      return false;
    }
    if (qor::Val(doc->Field("FChecked")) == 0) {
      outcome.message = where + "未审核，审核失败。";
      return false;
    }
    Variant settled = db.QueryValue(
        std::string("SELECT IFNULL(SUM(e.FBillSettleAmountFor), 0) FROM ") + m_Side.entry +
            " e JOIN " + m_Side.bill +
            " b ON b.FBillID = e.FBillID WHERE b.FStatus = 1 AND e.FClassID_SRC = ? AND "
            "e.FInterID = ? AND e.FEntryID_HXD_SRC = ?",
        line);
    open = qor::Val(doc->Field("FAmountFor")) - qor::Val(settled);
    return true;
  }

  Outcome Unaudit(int32_t billId) {
    Database& db = CurrentSession().Db();
    Transaction transaction(db);
    Outcome outcome;
    int32_t status = 0;
    double checked = 0;
    if (!ReadHeader(db, billId, outcome, status, checked)) return outcome;
    if (status != kAudit) {
      outcome.message = "单据[" + outcome.billNo + "]尚未审核，不能反审核。";
      return outcome;
    }
    if (checked != 0) {
      outcome.message = "单据[" + outcome.billNo + "]已经被核销，不能反审核。";
      return outcome;
    }
    db.ExecuteParams(std::string("UPDATE ") + m_Side.bill +
                         " SET FStatus = 0, FCheckerID = 0, FCheckDate = NULL WHERE FBillID = ?",
                     {Variant(billId)});
    transaction.Commit();
    outcome.done = true;
    outcome.message = "单据[" + outcome.billNo + "]反审核成功！";
    return outcome;
  }

  Outcome Delete(int32_t billId) {
    Database& db = CurrentSession().Db();
    Transaction transaction(db);
    Outcome outcome;
    int32_t status = 0;
    double checked = 0;
    if (!ReadHeader(db, billId, outcome, status, checked)) return outcome;
    if (status == kAudit) {
      outcome.message = "单据[" + outcome.billNo + "]已经审核，不能删除。";
      return outcome;
    }
    if (checked != 0) {
      outcome.message = "单据[" + outcome.billNo + "]已经被核销，不能删除。";
      return outcome;
    }
    db.ExecuteParams(std::string("DELETE FROM ") + m_Side.entry + " WHERE FBillID = ?",
                     {Variant(billId)});
    db.ExecuteParams(std::string("DELETE FROM ") + m_Side.bill + " WHERE FBillID = ?",
                     {Variant(billId)});
    transaction.Commit();
    outcome.done = true;
    return outcome;
  }

  std::string m_ProgId;
  SideTables m_Side;
};

// The trading platform's requests about receipt bills: accepted and recorded.
class PlatformRequests : public qor::ApiRequestComponent {
 public:
  std::string TypeName() const override { return "clsApiRequest"; }
  std::string InsertRecvBill(const std::string& /*propsString*/, int32_t billId) override {
    return Record("InsertRecvBill", billId);
  }
  std::string DeleteRecvBill(const std::string& /*propsString*/, int32_t billId) override {
    return Record("DeleteRecvBill", billId);
  }
  // The stored receipt: its header joined with its rows, one record per row.
  qor::RecordsetPtr GetBillDetail(const std::string& /*propsString*/, int32_t billId) override {
    return CurrentSession().Db().QueryParams(
        "SELECT b.*, e.FEntryID, e.FInterID, e.FEntryID_HXD_SRC, e.FClassID_SRC, "
        "e.FInvoiceBillNo, e.FBillCurrencyID, e.FBillSettleAmountFor, e.FBillSettleAmount "
        "FROM t_RP_RBill b LEFT JOIN t_RP_RBillEntry e ON e.FBillID = b.FBillID "
        "WHERE b.FBillID = ? ORDER BY e.FEntryID",
        {Variant(billId)});
  }

 private:
  static std::string Record(const std::string& request, int32_t billId) {
    Session& session = CurrentSession();
    session.Db().ExecuteParams(
        "INSERT INTO t_PlatformRequest (FRequest, FBillID, FUserID, FTime) VALUES (?, ?, ?, ?)",
        {Variant(request), Variant(billId), Variant(session.UserId()), Variant(Now())});
    session.Run().Trace("  platform: " + request + " " + std::to_string(billId));
    return "";
  }
};

}  // namespace

void RegisterSettlementServices(ComponentRegistry& registry) {
  registry.Register("QORebsArApBill.clsArBill", [] {
    return std::make_shared<SettlementBillService>("QORebsArApBill.clsArBill", kReceipt);
  });
  registry.Register("QORebsArApBill.clsApBill", [] {
    return std::make_shared<SettlementBillService>("QORebsArApBill.clsApBill", kPayment);
  });
  registry.Register("QORPlatformLib.clsApiRequest",
                    [] { return std::make_shared<PlatformRequests>(); });
}

}  // namespace refhost
