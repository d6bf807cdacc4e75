#include "refhost/services/report_data.h"

#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/services/component_registry.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::Variant;

// One balance report: the view of the balances and the parameter keys that
// bound the partners by number.
struct BalanceReport {
  const char* view;
  const char* fromKey;
  const char* toKey;
};

constexpr BalanceReport kReceivables{"vw_arap_RBalance", "BCustNumber", "ECustNumber"};
constexpr BalanceReport kPayables{"vw_arap_PBalance", "BSupplyNumber", "ESupplyNumber"};

// A number bound of the report: "" (or a missing key) leaves that side open.
std::string Bound(const qor::HostDictionaryPtr& params, const char* key) {
  if (!params) return "";
  return qor::Trim(qor::StrOf(params->Item(key)));
}

// The partners of the number range, each with its remaining balance in local
// currency (FSumSort 1), followed by the total of them all (FSumSort 0).
qor::RecordsetPtr BalanceRows(const BalanceReport& report, const qor::HostDictionaryPtr& params) {
  std::string from = Bound(params, report.fromKey);
  std::string to = Bound(params, report.toKey);
  // The view name comes from the fixed reports above; the bounds are parameters.
  std::string partners = std::string("SELECT FNumber, FName, FRemainAmount FROM ") + report.view +
                         " WHERE (? = '' OR FNumber >= ?) AND (? = '' OR FNumber <= ?)";
  std::string sql = "SELECT 1 AS FSumSort, FNumber, FName, FRemainAmount FROM (" + partners +
                    ") UNION ALL SELECT 0, '', '合计', IFNULL(SUM(FRemainAmount), 0) FROM (" +
                    partners + ") ORDER BY FSumSort DESC, FNumber";
  std::vector<Variant> args;
  for (int i = 0; i < 2; ++i) {
    for (const std::string& bound : {from, from, to, to}) args.emplace_back(bound);
  }
  return CurrentSession().Db().QueryParams(sql, args);
}

class ReportData : public qor::ReportDataComponent {
 public:
  std::string TypeName() const override { return "Data"; }
  qor::RecordsetPtr GetRpt131Data(const std::string& /*propsString*/,
                                  const qor::HostDictionaryPtr& params) override {
    return BalanceRows(kReceivables, params);
  }
  qor::RecordsetPtr GetRpt132Data(const std::string& /*propsString*/,
                                  const qor::HostDictionaryPtr& params) override {
    return BalanceRows(kPayables, params);
  }
};

}  // namespace

void RegisterReportData(ComponentRegistry& registry) {
  registry.Register("QORMYWARAPRpt.Data", [] { return std::make_shared<ReportData>(); });
}

}  // namespace refhost
