#include "refhost/services/ledger_view.h"

#include <map>
#include <memory>

#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/session_directory.h"
#include "refhost/services/session_platform.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::Variant;

constexpr const char* kSource = "QOREBCGLView.GLData";

class Currency : public qor::CurrencyInfo {
 public:
  std::string TypeName() const override { return "Currency"; }
  int32_t ScaleX() const override { return m_Scale; }
  std::string Name() const override { return m_Name; }
  double ExchangeRate() const override { return m_Rate; }
  std::string Operator() const override { return m_Operator; }
  bool MulExchangeRate() const override { return m_Operator == "*"; }

  int32_t m_Scale = 2;
  std::string m_Name;
  double m_Rate = 1;
  std::string m_Operator = "*";
};

// The currencies as the ledger view last read them.
class CurrencyTable : public qor::CurrencySet {
 public:
  std::string TypeName() const override { return "CurrencySet"; }

  void Refresh() override {
    Load();
    Session& session = CurrentSession();
    SessionDirectory::CountCurrencyRefresh(session.ProcessId());
    session.Run().Trace("  ledger: currency set refreshed");
  }

  std::shared_ptr<qor::CurrencyInfo> Find(int32_t id) {
    if (!m_Loaded) Load();
    auto it = m_Currencies.find(id);
    if (it == m_Currencies.end()) {
      qor::RaiseError(qor::kErrSubscript, kSource, "Currency " + std::to_string(id) + " not found");
    }
    return it->second;
  }

 private:
  void Load() {
    auto rs = CurrentSession().Db().Query(
        "SELECT FCurrencyID, FName, FExchangeRate, FScale, FOperator FROM t_Currency");
    std::map<int32_t, std::shared_ptr<Currency>> currencies;
    for (; !rs->IsEOF(); rs->MoveNext()) {
      auto currency = std::make_shared<Currency>();
      currency->m_Name = qor::StrOf(rs->Field("FName"));
      currency->m_Rate = qor::Val(rs->Field("FExchangeRate"));
      currency->m_Scale = static_cast<int32_t>(qor::Val(rs->Field("FScale")));
      currency->m_Operator = qor::Trim(qor::StrOf(rs->Field("FOperator")));
      currencies[qor::CLng(rs->Field("FCurrencyID"))] = currency;
    }
    m_Currencies = std::move(currencies);
    m_Loaded = true;
  }

  bool m_Loaded = false;
  std::map<int32_t, std::shared_ptr<Currency>> m_Currencies;
};

class LedgerView : public qor::GLDataComponent {
 public:
  std::string TypeName() const override { return "GLData"; }

  std::shared_ptr<qor::CurrencyInfo> GetCurrency(int32_t currencyId) override {
    return m_Currencies->Find(currencyId);
  }

  std::shared_ptr<qor::CurrencySet> GetCurrencySet() override { return m_Currencies; }

  Variant SystemProfile(const std::string& category, const std::string& key) override {
    auto rs = CurrentSession().Db().QueryParams(
        "SELECT FValue FROM t_SystemProfile WHERE FCategory = ? AND FKey = ?",
        {Variant(category), Variant(key)});
    return rs->IsEOF() ? Variant() : rs->Field("FValue");
  }

  bool DeleteOptions() const override { return m_DeleteOptions; }
  void SetDeleteOptions(bool value) override { m_DeleteOptions = value; }

  // Granted when a row of the user for subsystem a and object b holds every
  // bit of c.
  bool AccessCheck(int32_t& a, int32_t& b, int32_t& c) override {
    Session& session = CurrentSession();
    if (session.UserId() == kAdministratorId) return true;
    auto rs = session.Db().QueryParams(
        "SELECT COUNT(*) AS FCount FROM t_AccessRight WHERE FUserID = ? AND FA = ? AND FB = ? "
        "AND (FC & ?) = ?",
        {Variant(session.UserId()), Variant(a), Variant(b), Variant(c), Variant(c)});
    return qor::CLng(rs->Field("FCount")) > 0;
  }

  void WriteLog(const Variant& a, const Variant& b, const Variant& c) override {
    Session& session = CurrentSession();
    session.Db().ExecuteParams(
        "INSERT INTO t_BusinessLog (FUserID, FFuncCode, FType, FText, FMachine, FTime) "
        "VALUES (?, ?, ?, ?, ?, ?)",
        {Variant(session.UserId()), Variant(qor::StrOf(a)), Variant(qor::CLng(b)),
         Variant(qor::StrOf(c)), Variant(session.MachineName()),
         Variant(qor::FormatDateTime(HostClock(session.Run())))});
  }

 private:
  std::shared_ptr<CurrencyTable> m_Currencies = std::make_shared<CurrencyTable>();
  bool m_DeleteOptions = false;
};

}  // namespace

void RegisterLedgerView(ComponentRegistry& registry) {
  registry.Register(kSource, [] { return std::make_shared<LedgerView>(); });
}

int32_t CurrencyRefreshCount(int32_t processId) {
  return SessionDirectory::CurrencyRefreshes(processId);
}

}  // namespace refhost
