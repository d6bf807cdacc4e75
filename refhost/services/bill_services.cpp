#include "refhost/services/bill_services.h"

#include <array>

#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/not_available.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::Variant;

// Checking, unchecking and the bill checks before save: not carried out yet.
class BillChecks : public virtual qor::ArApBillComponent {
 public:
  explicit BillChecks(std::string progId) : m_ProgId(std::move(progId)) {}
  std::string TypeName() const override { return "clsBill"; }

  int32_t CheckBill(const std::string&, int32_t, int32_t, std::string&) override {
    NotAvailable(m_ProgId, "CheckBill");
  }
  qor::HostDictionaryPtr CheckBillSimple(const qor::HostDictionaryPtr&) override {
    NotAvailable(m_ProgId, "CheckBillSimple");
  }
  double GetUnCheckAmountFor(const std::string&, int32_t, int32_t, int32_t) override {
    NotAvailable(m_ProgId, "GetUnCheckAmountFor");
  }
  qor::ObjectPtr GetBill(const std::string&, bool) override { NotAvailable(m_ProgId, "GetBill"); }

 protected:
  std::string m_ProgId;
};

// The other receivable / payable bill component: its checks as above, and
// the lookup of stored bills by number.
class OtherBillService : public BillChecks, public qor::ArApBillInfoComponent {
 public:
  using BillChecks::BillChecks;
  std::string TypeName() const override { return "clsOtherBill"; }

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
};

// Push-down: a bill made from another document and not saved yet is marked
// in its table's FPushed column. The host's bill tables carry no such
// column (every bill is entered by hand), so the answer is then 0.
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
    // The table name comes from the fixed list above, never from the caller.
    auto columns = db.QueryParams("SELECT name FROM pragma_table_info(?) WHERE name = 'FPushed'",
                                  {Variant(table)});
    if (columns->IsEOF()) return 0;
    auto rs =
        db.QueryParams("SELECT FPushed FROM " + table + " WHERE FBillID = ?", {Variant(billId)});
    return rs->IsEOF() ? 0 : static_cast<int32_t>(qor::Val(rs->Field("FPushed")));
  }
};

class CreditService : public qor::CreditComponent {
 public:
  std::string TypeName() const override { return "clsCredit"; }
  std::string GetStatusMoneyAndCredit(const std::string&, int32_t) override {
    NotAvailable("QORBills.clsCredit", "GetStatusMoneyAndCredit");
  }
};

class ApiRequestService : public qor::ApiRequestComponent {
 public:
  std::string TypeName() const override { return "clsApiRequest"; }
  std::string InsertRecvBill(const std::string&, int32_t) override {
    NotAvailable(kProgId, "InsertRecvBill");
  }
  std::string DeleteRecvBill(const std::string&, int32_t) override {
    NotAvailable(kProgId, "DeleteRecvBill");
  }
  qor::RecordsetPtr GetBillDetail(const std::string&, int32_t) override {
    NotAvailable(kProgId, "GetBillDetail");
  }

 private:
  static constexpr const char* kProgId = "QORPlatformLib.clsApiRequest";
};

template <class T>
void RegisterNamed(ComponentRegistry& registry, const std::string& progId) {
  registry.Register(progId, [progId] { return std::make_shared<T>(progId); });
}

}  // namespace

void RegisterBillServices(ComponentRegistry& registry) {
  RegisterNamed<BillChecks>(registry, "QORebsArApBill.clsArBill");
  RegisterNamed<BillChecks>(registry, "QORebsArApBill.clsApBill");
  // The two spellings of each other-bill identifier name one component; the
  // checking spelling comes last so that its errors carry it.
  RegisterNamed<OtherBillService>(registry, "QORebsArAPBill.clsArOtherBill");
  RegisterNamed<OtherBillService>(registry, "QORebsArAPBill.clsApOtherBill");
  RegisterNamed<OtherBillService>(registry, "QORebsArApBill.clsArOtherBill");
  RegisterNamed<OtherBillService>(registry, "QORebsArApBill.clsApOtherBill");
  registry.Register("QORMARAPPush.clsPush", [] { return std::make_shared<PushService>(); });
  registry.Register("QORBills.clsCredit", [] { return std::make_shared<CreditService>(); });
  registry.Register("QORPlatformLib.clsApiRequest",
                    [] { return std::make_shared<ApiRequestService>(); });
}

}  // namespace refhost
