#include "refhost/services/inout_type.h"

#include <string_view>
#include <vector>

#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/services/component_registry.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::Variant;

constexpr const char* kSelectTypes =
    "SELECT FID, FNumber, FName, FParentid, FLevels, FIsLeaf, FRootNumber, FType, FPreNumber, "
    "FAccountID, FClassTypeID, FDiscontinued, FNote FROM vw_RP_InOutType";

bool NamesById(const Variant& idOrNumber) { return idOrNumber.IsNumber(); }

// The types named by the id or number (one row at most).
qor::RecordsetPtr ReadType(Database& db, const Variant& idOrNumber) {
  if (NamesById(idOrNumber)) {
    return db.QueryParams(std::string(kSelectTypes) + " WHERE FID = ?",
                          {Variant(qor::CLng(idOrNumber))});
  }
  return db.QueryParams(std::string(kSelectTypes) + " WHERE FNumber = ?",
                        {Variant(qor::Trim(qor::StrOf(idOrNumber)))});
}

// "4,5,11" -> 4, 5, 11 (blank and zero entries dropped).
std::vector<int32_t> ParseTypeList(std::string_view list) {
  std::vector<int32_t> ids;
  while (!list.empty()) {
    size_t comma = list.find(',');
    std::string_view part = list.substr(0, comma);
    auto id = static_cast<int32_t>(qor::Val(part));
    if (id > 0) ids.push_back(id);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return ids;
}

bool Exists(Database& db, const std::string& sql, std::vector<Variant> params) {
  auto rs = db.QueryParams(sql, std::move(params));
  return !rs->IsEOF();
}

class InOutTypeService : public qor::InOutTypeComponent {
 public:
  std::string TypeName() const override { return "clsInOutType"; }

  // Every type ordered by number, or the one type named.
  qor::RecordsetPtr GetRPInOutTypeInfo(const std::string& /*propsString*/,
                                       const std::optional<Variant>& id) override {
    Database& db = CurrentSession().Db();
    if (!id || id->IsEmpty()) return db.Query(std::string(kSelectTypes) + " ORDER BY FNumber");
    return ReadType(db, *id);
  }

  // A type is in use when a live type lies under it or a bill row carries it.
  bool CheckRPInOutTypeUsed(const std::string& /*propsString*/,
                            const Variant& idOrNumber) override {
    Database& db = CurrentSession().Db();
    auto type = ReadType(db, idOrNumber);
    if (type->IsEOF()) return false;
    if (qor::Val(type->Field("FIsLeaf")) == 0) return true;
    Variant id(qor::CLng(type->Field("FID")));
    return Exists(db, "SELECT 1 FROM t_RP_ROtherBillEntry WHERE FInOutTypeID = ? LIMIT 1", {id}) ||
           Exists(db, "SELECT 1 FROM t_RP_POtherBillEntry WHERE FInOutTypeID = ? LIMIT 1", {id});
  }

  // True when a type of the list posts to the settlement account itself.
  bool IsSameAcctId(const std::string& /*propsString*/, const std::string& typeList,
                    int32_t accountId) override {
    if (accountId <= 0) return false;
    Database& db = CurrentSession().Db();
    for (int32_t id : ParseTypeList(typeList)) {
      if (Exists(db, "SELECT 1 FROM vw_RP_InOutType WHERE FID = ? AND FAccountID = ?",
                 {Variant(id), Variant(accountId)})) {
        return true;
      }
    }
    return false;
  }
};

}  // namespace

void RegisterInOutTypeService(ComponentRegistry& registry) {
  auto factory = [] { return std::make_shared<InOutTypeService>(); };
  registry.Register("QORebsArApBill.clsInOutType", factory);
  registry.Register("QORebsArAPBill.clsInOutType", factory);
}

}  // namespace refhost
