// Checks of a type on the edit card before it is saved: a unique number, an
// existing parent, names, and a parent that already carries business.

#include "common/bill_fields.h"
#include "common/messages.h"
#include "common/sql_text.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"
#include "inouttype/in_out_type_numbers.h"
#include "inouttype/in_out_type_tree.h"

namespace qorarap {

namespace {

// True when a type of the recordset other than the one saved (id) meets the
// condition.
template <class Condition>
bool AnyOtherType(const qor::RecordsetPtr& types, int32_t id, Condition condition) {
  if (!types) return false;
  for (; !types->IsEOF(); types->MoveNext()) {
    if (qor::CLng(types->Field("FID")) != id && condition(*types)) return true;
  }
  return false;
}

bool AboveRootLevel(const qor::Recordset& type) { return qor::Val(type.Field("FLevels")) > 1; }

}  // namespace

// An unexpected error ends the checks; the save then goes on.
void clsRPInOutType::m_BillInterface_BeforeSave(bool& bCancel) {
  try {
    if (SaveCheckFails()) bCancel = true;
  } catch (const qor::VbError&) {
    return;
  }
}

bool clsRPInOutType::SaveCheckFails() {
  const std::shared_ptr<qor::BillEvent>& card = m_BillInterface.Get();
  int32_t id = qor::CLng(qor::Val(GetBillFieldValue(card, "FId")));
  std::string number = qor::StrOf(GetBillFieldValue(card, "FNumber"));
  std::string name = qor::StrOf(GetBillFieldValue(card, "FName"));
  std::string filter = qor::StrOf(card->GetDataService()->Filter()->Item("FilterString"));
  int32_t classTypeId = ClassTypeIdOfFilter(filter);

  if (!number.empty()) {
    auto same = TypeService()->GetRPInOutTypeInfo(GetPropsString(), std::nullopt, number);
    if (AnyOtherType(same, id, [](const qor::Recordset&) { return true; })) {
      ShowMessage("编码重复，请更改！", kMsgInformation);
      return true;
    }
  }
  std::string parentNumber = SplitNumber(number).parentNumber;
  if (ParentRefused(id, parentNumber, classTypeId)) return true;
  if (NameRefused(id, name, parentNumber)) return true;
  m_sNumber = number;
  return ParentBusinessRefused(parentNumber);
}

// The parent must exist in the class; the card keeps its number.
bool clsRPInOutType::ParentRefused(int32_t id, const std::string& parentNumber,
                                   int32_t classTypeId) {
  bool accepted = parentNumber.empty();
  if (!accepted) {
    auto parent = TypeService()->GetRPInOutTypeInfo(GetPropsString(), std::nullopt, parentNumber,
                                                    std::nullopt, std::nullopt, classTypeId);
    accepted = AnyOtherType(parent, id, [](const qor::Recordset&) { return true; });
  }
  SetBillFieldValue(m_BillInterface.Get(), "FPreNumber", kHeaderRow, qor::Variant(parentNumber));
  if (accepted) return false;
  ShowMessage("上级类别代码" + parentNumber + " 不存在！", kMsgInformation);
  return true;
}

// No two types of one parent share a name; elsewhere the user decides.
bool clsRPInOutType::NameRefused(int32_t id, const std::string& name,
                                 const std::string& parentNumber) {
  auto service = TypeService();
  if (!parentNumber.empty()) {
    auto siblings = service->GetRPInOutTypeInfo(GetPropsString(), std::nullopt, std::nullopt, name,
                                                parentNumber);
    if (AnyOtherType(siblings, id, AboveRootLevel)) {
      ShowMessage("同级名称重复，不允许保存！", kMsgInformation);
      return true;
    }
  }
  auto namesakes = service->GetRPInOutTypeInfo(GetPropsString(), std::nullopt, std::nullopt, name);
  if (!AnyOtherType(namesakes, id, AboveRootLevel)) return false;
  return ShowMessage("名称重复，是否保存？", kMsgYesNoInformation) != kAnswerYes;
}

// A detail type that bills already use becomes a group only when the user
// agrees to move its business to the new type.
bool clsRPInOutType::ParentBusinessRefused(const std::string& parentNumber) {
  m_rsInOutType->SetFilter("FNumber=" + SqlText(qor::Variant(parentNumber), true, true, true) +
                           " And FNumber <> ''");
  if (m_rsInOutType->IsEOF() || qor::CLng(m_rsInOutType->Field("FID")) <= 0) return false;
  if (!TypeService()->CheckRPInOutTypeUsed(GetPropsString(), qor::Variant(),
                                           qor::Variant(parentNumber))) {
    return false;
  }
  std::string parentName = qor::Trim(qor::StrOf(m_rsInOutType->Field("FName")));
  std::string question = "上级收支类别 " + parentName +
                         " 是明细,并已有业务发生,不能直接新建子收支类别。"
                         "是否将上级收支类别业务转到新建立的的收支类别上？";
  return ShowMessage(question, kMsgYesNoInformation, kMessageTitle) != kAnswerYes;
}

}  // namespace qorarap
