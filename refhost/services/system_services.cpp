#include "refhost/services/system_services.h"

#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/services/component_registry.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::Variant;

bool DataRightsEnforced(Database& db, int32_t userId, int32_t itemClass) {
  auto rs = db.QueryParams("SELECT 1 FROM t_DataRight WHERE FUserID = ? AND FItemClassID = ?",
                           {Variant(userId), Variant(itemClass)});
  return !rs->IsEOF();
}

// The current period of the business system: the profiles IC CurrentYear and
// IC CurrentPeriod, with its dates from T_PeriodDate.
class CommonSearch : public qor::CommonSearchComponent {
 public:
  std::string TypeName() const override { return "CommonSearch"; }

  void GetDateExt(const std::string& /*propsString*/, int32_t& year, int32_t& period,
                  Variant& periodStart, Variant& periodEnd) override {
    auto currentYear = static_cast<int32_t>(qor::Val(ReadSystemProfile("IC", "CurrentYear")));
    auto currentPeriod = static_cast<int32_t>(qor::Val(ReadSystemProfile("IC", "CurrentPeriod")));
    auto rs = CurrentSession().Db().QueryParams(
        "SELECT FStartDate, FEndDate FROM T_PeriodDate WHERE FYear = ? AND FPeriod = ?",
        {Variant(currentYear), Variant(currentPeriod)});
    if (rs->IsEOF()) {
      qor::RaiseError(qor::kErrInvalidCall, "QORMCaculate.CommonSearch",
                      "The current period " + std::to_string(currentYear) + "." +
                          std::to_string(currentPeriod) + " has no dates");
    }
    year = currentYear;
    period = currentPeriod;
    periodStart = Variant::Date(qor::CDate(rs->Field("FStartDate")));
    periodEnd = Variant::Date(qor::CDate(rs->Field("FEndDate")));
  }
};

// System options; the report transfer date is the profile IC RptTransDate.
class SystemService : public qor::SystemComponent {
 public:
  std::string TypeName() const override { return "System"; }

  std::string GetSystemProfile(const std::string& section, const std::string& key,
                               const std::string& /*propsString*/) override {
    return ReadSystemProfile(section, key);
  }

  Variant GetRptTransDate(const std::string& /*propsString*/) override {
    std::string text = qor::Trim(ReadSystemProfile("IC", "RptTransDate"));
    double date = 0;
    if (!qor::ParseDate(text, date)) {
      qor::RaiseError(qor::kErrInvalidCall, "QORMSystem.System",
                      "The report transfer date is not set");
    }
    return Variant::Date(date);
  }
};

class SystemProfileService : public qor::ProfileComponent {
 public:
  std::string TypeName() const override { return "Systemprofile"; }
  std::string GetProfile(const std::string& /*propsString*/, const std::string& category,
                         const std::string& key) override {
    return ReadSystemProfile(category, key);
  }
};

class SecurityInfo : public qor::SecurityInfoComponent {
 public:
  std::string TypeName() const override { return "SecurityInfo"; }
  int32_t GetCurrentUserID(const std::string& /*propsString*/) override {
    return CurrentSession().UserId();
  }
};

// Data rights of an item class are enforced for a user when t_DataRight has
// a row for the pair.
class ItemInfo : public qor::ItemInfoComponent {
 public:
  std::string TypeName() const override { return "ItemInfo"; }
  bool GetDataRight(const std::string& /*propsString*/, int16_t userId, int16_t kind) override {
    return DataRightsEnforced(CurrentSession().Db(), userId, kind);
  }
};

// A user restricted on ledger accounts may open a voucher only when each of
// its accounts lists him in FRightUserID (an empty list is open to all).
class VoucherInfo : public qor::VoucherInfoComponent {
 public:
  std::string TypeName() const override { return "VoucherInfo"; }
  bool CheckVoucherRight(const std::string& /*propsString*/, int32_t voucherId) override {
    Session& session = CurrentSession();
    Database& db = session.Db();
    if (!DataRightsEnforced(db, session.UserId(), kAccountItemClass)) return true;
    auto rs = db.QueryParams(
        "SELECT 1 FROM t_VoucherEntry e JOIN t_Account a ON a.FAccountID = e.FAccountID "
        "WHERE e.FVoucherID = ? AND IFNULL(a.FRightUserID, '') <> '' "
        "AND (',' || REPLACE(a.FRightUserID, ' ', '') || ',') NOT LIKE ('%,' || ? || ',%')",
        {Variant(voucherId), Variant(std::to_string(session.UserId()))});
    return rs->IsEOF();
  }
};

// Per-user options of the session's user in t_UserProfile.
class UserProfile : public qor::UserProfileComponent {
 public:
  std::string TypeName() const override { return "ClassUserProfile"; }

  std::string GetUserProfile(const std::string& /*propsString*/, const std::string& section,
                             const std::string& key) override {
    Session& session = CurrentSession();
    auto rs = session.Db().QueryParams(
        "SELECT FValue FROM t_UserProfile WHERE FUserID = ? AND FCategory = ? AND FKey = ?",
        {Variant(session.UserId()), Variant(section), Variant(key)});
    return rs->IsEOF() ? "" : qor::StrOf(rs->Field("FValue"));
  }

  void SaveUserProfile(const std::string& /*propsString*/, const std::string& section,
                       const std::string& key, const Variant& value) override {
    Session& session = CurrentSession();
    session.Db().ExecuteParams(
        "INSERT OR REPLACE INTO t_UserProfile (FUserID, FCategory, FKey, FValue) "
        "VALUES (?, ?, ?, ?)",
        {Variant(session.UserId()), Variant(section), Variant(key), Variant(qor::StrOf(value))});
  }
};

}  // namespace

std::string ReadSystemProfile(const std::string& category, const std::string& key) {
  auto rs = CurrentSession().Db().QueryParams(
      "SELECT FValue FROM t_SystemProfile WHERE FCategory = ? AND FKey = ?",
      {Variant(category), Variant(key)});
  return rs->IsEOF() ? "" : qor::StrOf(rs->Field("FValue"));
}

void RegisterSystemServices(ComponentRegistry& registry) {
  registry.Register("QORMCaculate.CommonSearch", [] { return std::make_shared<CommonSearch>(); });
  registry.Register("QORMSystem.System", [] { return std::make_shared<SystemService>(); });
  registry.Register("QOREBSBase.Systemprofile",
                    [] { return std::make_shared<SystemProfileService>(); });
  registry.Register("QOREBSBase.SecurityInfo", [] { return std::make_shared<SecurityInfo>(); });
  registry.Register("QOREBSGLItem.ItemInfo", [] { return std::make_shared<ItemInfo>(); });
  registry.Register("QOREBSGLVoucher.VoucherInfo", [] { return std::make_shared<VoucherInfo>(); });
  registry.Register("QORMProfile.ClassUserProfileInfo",
                    [] { return std::make_shared<UserProfile>(); });
  registry.Register("QORMProfile.ClassUserProfileUpdate",
                    [] { return std::make_shared<UserProfile>(); });
}

}  // namespace refhost
