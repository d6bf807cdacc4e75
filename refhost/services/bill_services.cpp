#include "refhost/services/bill_services.h"

#include <array>
#include <cstdio>

#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/not_available.h"
#include "refhost/services/other_bill_service.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::Variant;

// Push-down bookkeeping: t_RP_PushBill records every bill generated from
// another document (the class type of that document in FID, how it was
// generated in FSource). A bill without a row there answers its FPushed
// column (0 for a bill entered by hand).
class PushService : public qor::PushComponent {
 public:
  std::string TypeName() const override { return "clsPush"; }

  int32_t GetBillTypeID(const std::string& /*propsString*/, int32_t billId,
                        const std::string& tableName) override {
    static const std::array<const char*, 4> kBillTables = {"t_RP_RBill", "t_RP_PBill",
                                                           "t_RP_ROtherBill", "t_RP_POtherBill"};
    for (const char* table : kBillTables) {
      if (qor::EqualsNoCase(tableName, table)) return PushMark(table, billId);
    }
    return 0;
  }

 private:
  static int32_t PushMark(const std::string& table, int32_t billId) {
    Database& db = CurrentSession().Db();
    auto pushed =
        db.QueryParams("SELECT FID FROM t_RP_PushBill WHERE FTableName = ? AND FBillID = ?",
                       {Variant(table), Variant(billId)});
    if (!pushed->IsEOF()) return static_cast<int32_t>(qor::Val(pushed->Field("FID")));
    // The table name comes from the fixed list above, never from the caller.
    auto columns = db.QueryParams("SELECT name FROM pragma_table_info(?) WHERE name = 'FPushed'",
                                  {Variant(table)});
    if (columns->IsEOF()) return 0;
    auto rs =
        db.QueryParams("SELECT FPushed FROM " + table + " WHERE FBillID = ?", {Variant(billId)});
    return rs->IsEOF() ? 0 : static_cast<int32_t>(qor::Val(rs->Field("FPushed")));
  }
};

// Credit status of a partner, for the status bar of the bill editors:
// "应收余额 <balance>，信用额度 <limit>，可用额度 <limit - balance>" for a
// customer (bill types 1000201, 1000205; "应付余额" and the supplier for
// 1000202, 1000206); "未设信用额度" replaces the limit part when the partner
// has none, "已超出信用额度 <excess>" the available part when the balance is
// above the limit. Amounts in local currency with its decimals. An unknown
// partner number or another bill type gives "".
class CreditService : public qor::CreditComponent {
 public:
  std::string TypeName() const override { return "clsCredit"; }

  std::string GetStatusMoneyAndCredit(const std::string& number, int32_t billType) override {
    bool customer = billType == 1000201 || billType == 1000205;
    bool supplier = billType == 1000202 || billType == 1000206;
    if (!customer && !supplier) return "";
    Database& db = CurrentSession().Db();
    std::string sql = customer
                          ? "SELECT b.FRemainAmount, o.FCreditDegree FROM vw_arap_RBalance b "
                            "JOIN t_Organization o ON o.FItemID = b.FCustID WHERE o.FNumber = ?"
                          : "SELECT b.FRemainAmount, o.FCreditDegree FROM vw_arap_PBalance b "
                            "JOIN t_Supplier o ON o.FItemID = b.FSupplyID WHERE o.FNumber = ?";
    auto rs = db.QueryParams(sql, {Variant(qor::Trim(number))});
    if (rs->IsEOF()) return "";
    int32_t decimals = static_cast<int32_t>(
        qor::Val(db.QueryValue("SELECT FScale FROM t_Currency WHERE FCurrencyID = 1", {})));
    double balance = qor::Val(rs->Field("FRemainAmount"));
    double limit = qor::Val(rs->Field("FCreditDegree"));
    std::string text =
        std::string(customer ? "应收余额 " : "应付余额 ") + Amount(balance, decimals);
    if (limit <= 0) return text + "，未设信用额度";
    text += "，信用额度 " + Amount(limit, decimals);
    if (balance > limit) return text + "，已超出信用额度 " + Amount(balance - limit, decimals);
    return text + "，可用额度 " + Amount(limit - balance, decimals);
  }

 private:
  static std::string Amount(double value, int32_t decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
  }
};

}  // namespace

void RegisterBillServices(ComponentRegistry& registry) {
  RegisterOtherBillService(registry);
  registry.Register("QORMARAPPush.clsPush", [] { return std::make_shared<PushService>(); });
  registry.Register("QORBills.clsCredit", [] { return std::make_shared<CreditService>(); });
}

}  // namespace refhost
