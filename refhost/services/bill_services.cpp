#include "refhost/services/bill_services.h"

#include <array>

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
  qor::Variant GetBill(const std::string&, bool) override { NotAvailable(m_ProgId, "GetBill"); }

 protected:
  std::string m_ProgId;
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

class ReportDataService : public qor::ReportDataComponent {
 public:
  std::string TypeName() const override { return "Data"; }
  qor::RecordsetPtr GetRpt131Data(const std::string&, const qor::HostDictionaryPtr&) override {
    NotAvailable(kProgId, "GetRpt131Data");
  }
  qor::RecordsetPtr GetRpt132Data(const std::string&, const qor::HostDictionaryPtr&) override {
    NotAvailable(kProgId, "GetRpt132Data");
  }

 private:
  static constexpr const char* kProgId = "QORMYWARAPRpt.Data";
};

template <class T>
void RegisterNamed(ComponentRegistry& registry, const std::string& progId) {
  registry.Register(progId, [progId] { return std::make_shared<T>(progId); });
}

}  // namespace

void RegisterBillServices(ComponentRegistry& registry) {
  RegisterNamed<BillChecks>(registry, "QORebsArApBill.clsArBill");
  RegisterNamed<BillChecks>(registry, "QORebsArApBill.clsApBill");
  RegisterOtherBillService(registry);
  registry.Register("QORMARAPPush.clsPush", [] { return std::make_shared<PushService>(); });
  registry.Register("QORBills.clsCredit", [] { return std::make_shared<CreditService>(); });
  registry.Register("QORPlatformLib.clsApiRequest",
                    [] { return std::make_shared<ApiRequestService>(); });
  registry.Register("QORMYWARAPRpt.Data", [] { return std::make_shared<ReportDataService>(); });
}

}  // namespace refhost
