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

// A criterion left out, Empty or Null does not restrict.
bool Given(const std::optional<Variant>& value) {
  return value && !value->IsEmpty() && !value->IsNull();
}

// An id of 0 or less (the id of a record not stored yet) does not restrict.
bool GivenId(const std::optional<Variant>& id) {
  return Given(id) && (!id->IsString() || qor::IsNumeric(*id)) && qor::Val(*id) > 0;
}

// An id given as a text that is not a number names the type by its number
// (callers that pass a number in the id's place).
bool IsNumberInIdPlace(const std::optional<Variant>& id) {
  return Given(id) && id->IsString() && !qor::IsNumeric(*id);
}

// The types that meet every criterion given, by number.
qor::RecordsetPtr ReadTypes(Database& db, const std::optional<Variant>& id,
                            const std::optional<Variant>& number,
                            const std::optional<Variant>& name,
                            const std::optional<Variant>& parentNumber,
                            const std::optional<Variant>& classTypeId) {
  std::string where;
  std::vector<Variant> params;
  auto add = [&](const std::string& condition, std::vector<Variant> values) {
    where += where.empty() ? " WHERE " : " AND ";
    where += condition;
    for (Variant& value : values) params.push_back(std::move(value));
  };
  if (IsNumberInIdPlace(id)) {
    add("FNumber = ?", {Variant(qor::Trim(qor::StrOf(*id)))});
  } else if (GivenId(id)) {
    add("FID = ?", {Variant(qor::CLng(qor::Val(*id)))});
  }
  if (Given(number)) add("FNumber = ?", {Variant(qor::Trim(qor::StrOf(*number)))});
  if (Given(name)) add("FName = ?", {Variant(qor::Trim(qor::StrOf(*name)))});
  if (Given(parentNumber)) {
    // Directly under the parent: its number, ".", and a part without ".".
    Variant parent(qor::Trim(qor::StrOf(*parentNumber)));
    add("substr(FNumber, 1, length(?) + 1) = ? || '.' AND "
        "instr(substr(FNumber, length(?) + 2), '.') = 0",
        {parent, parent, parent});
  }
  if (Given(classTypeId) && qor::Val(*classTypeId) > 0)
    add("FClassTypeID = ?", {Variant(qor::CLng(qor::Val(*classTypeId)))});
  return db.QueryParams(std::string(kSelectTypes) + where + " ORDER BY FNumber", std::move(params));
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

  qor::RecordsetPtr GetRPInOutTypeInfo(const std::string& /*propsString*/,
                                       const std::optional<Variant>& id,
                                       const std::optional<Variant>& number,
                                       const std::optional<Variant>& name,
                                       const std::optional<Variant>& parentNumber,
                                       const std::optional<Variant>& classTypeId) override {
    return ReadTypes(CurrentSession().Db(), id, number, name, parentNumber, classTypeId);
  }

  // Named by its id, a type is in use when a live type lies under it or a
  // row of an other receivable or other payable bill carries it. Named by
  // its number (the prospective parent of a new type), only the bill rows
  // count: a group's children are no business to move.
  bool CheckRPInOutTypeUsed(const std::string& /*propsString*/, const Variant& id,
                            const std::optional<Variant>& number) override {
    Database& db = CurrentSession().Db();
    bool byId = GivenId(id) || IsNumberInIdPlace(id);
    if (!byId && !Given(number)) return false;
    auto type = byId ? ReadTypes(db, id, {}, {}, {}, {}) : ReadTypes(db, {}, number, {}, {}, {});
    if (type->IsEOF()) return false;
    if (byId && qor::Val(type->Field("FIsLeaf")) == 0) return true;
    Variant typeId(qor::CLng(type->Field("FID")));
    return Exists(db, "SELECT 1 FROM t_RP_ROtherBillEntry WHERE FInOutTypeID = ? LIMIT 1",
                  {typeId}) ||
           Exists(db, "SELECT 1 FROM t_RP_POtherBillEntry WHERE FInOutTypeID = ? LIMIT 1",
                  {typeId});
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
