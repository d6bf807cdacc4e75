// The type tree: its bars and the commands it guards (new, modify, delete,
// disable), the lock of the type open for modification, and help.

#include "common/messages.h"
#include "common/sql_text.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "frame/net_control.h"
#include "host/components.h"
#include "host/platform.h"
#include "inouttype/in_out_type_tree.h"
#include "inouttype/type_bars.h"

namespace qorarap {

namespace {

constexpr int32_t kInOutTypeClassType = 1000207;
constexpr int32_t kLockFuncType = 21;

}  // namespace

// Keeps the type list's record of the selected item current.
void clsRPInOutType::m_BaseInterface_AfterGetData() {
  qor::Variant id(m_BaseInterface->GetSelectedItemID());
  m_rsInOutType->SetFilter("FId=" + SqlText(id, true, true, true));
}

// Types have no groups of their own and no options.
void clsRPInOutType::m_BaseInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar) {
  HideTools(*oActiveBar, {"mnuFileNewGroup", "mnuEditDelGroup", "mnuOption"});
}

// Nothing can be added or changed at the class itself, only under its roots.
void clsRPInOutType::m_BaseInterface_ClassGroupSelected(
    int32_t /*Button*/, int32_t /*ClassGroupType*/, int32_t ClassGroupID,
    const std::string& /*ClassGroupFullNumber*/) {
  qor::ToolbarControlPtr bar = m_BaseInterface->GetToolBarControl();
  bool enabled = ClassGroupID != kInOutTypeClassType;
  bar->SetToolProperty("mnuFileNewItem", "Enabled", enabled);
  bar->SetToolProperty("mnuEditModify", "Enabled", enabled);
}

void clsRPInOutType::m_BaseInterface_MenuBarInitialize(const qor::ToolbarControlPtr& /*oMenuBar*/) {
  m_BaseInterface->SetClassType(kInOutTypeClassType, kInOutTypeClassType, kInOutTypeClassType, "");
}

void clsRPInOutType::m_BaseInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) {
  const std::string& tool = LOOMTool->m_Name;
  if (qor::EqualsNoCase(tool, "mnuEditDel")) {
    if (DeleteCommandRefused()) Cancel = true;
  } else if (qor::EqualsNoCase(tool, "mnuFileNewItem")) {
    if (m_BaseInterface->GetSelectedGroupID() == kInOutTypeClassType) {
      ShowMessage("请选择具体的需要新增类别的节点（收入类别或支出类别）！", kMsgInformation);
      Cancel = true;
    }
  } else if (qor::EqualsNoCase(tool, "mnuEditModify")) {
    if (ModifyCommandRefused()) Cancel = true;
  } else if (qor::EqualsNoCase(tool, "mnuHelpDetail")) {
    ShowTypeHelp();
  } else if (qor::EqualsNoCase(tool, "mnuEditUnuse")) {
    if (!CheckTypeUsable(m_BaseInterface->GetSelectedItemID(), "操作失败")) Cancel = true;
  }
}

// A type is deleted only when nothing lies under it and no bill uses it;
// the delete lock is held while that is checked.
bool clsRPInOutType::DeleteCommandRefused() {
  int32_t id = m_BaseInterface->GetSelectedItemID();
  if (id <= 0) {
    ShowMessage("请选择需要删除的具体类别！", kMsgInformation);
    return true;
  }
  if (!CheckTypeUsable(id, "删除失败")) return true;
  int32_t handle = 0;
  bool refused = false;
  try {
    handle = ExecFunc(kLockFuncType, GetFunctionCode(kFuncKindDelete), 0, 0, qor::Variant(id));
    if (TypeService()->CheckRPInOutTypeUsed(GetPropsString(), qor::Variant(id))) {
      ShowMessage("该类别具有下级节点或被单据使用，不允许删除！", kMsgInformation);
      refused = true;
    }
  } catch (const qor::VbError& error) {
    ReleaseFunc(handle);
    if (error.Number() != kErrFunctionConflict) throw;
    ShowMessage(error.Description(), kMsgInformation);
    return true;
  }
  ReleaseFunc(handle);
  return refused;
}

// The type must be usable and lockable, and chosen in the item list.
bool clsRPInOutType::ModifyCommandRefused() {
  int32_t id = m_BaseInterface->GetSelectedItemID();
  if (!CheckTypeUsable(id, "修改失败")) return true;
  bool refused = !LockTypeForEdit(id);
  std::shared_ptr<qor::WindowControl> control = m_BaseInterface->GetActiveControl();
  std::string name = control ? control->Name() : "";
  if ((name != "grid" && name != "GridResult") || id <= 0) {
    ShowMessage("请选择具体的需要修改的类别信息！", kMsgInformation);
    refused = true;
  }
  return refused;
}

bool clsRPInOutType::CheckTypeUsable(int32_t id, const std::string& title) {
  qor::RecordsetPtr type = TypeService()->GetRPInOutTypeInfo(GetPropsString(), id);
  if (!type || type->IsEOF()) {
    ShowMessage("该类别已不存在,请确定是否已经被删除！", kMsgInformation, title);
    return false;
  }
  if (qor::CBool(type->Field("FDiscontinued"))) {
    ShowMessage("该类别已经被禁用，请先反禁用该类别！", kMsgInformation, title);
    return false;
  }
  return true;
}

// Takes the modify lock of the type, giving back the one held before.
bool clsRPInOutType::LockTypeForEdit(int32_t id) {
  if (id <= 0) return false;
  qor::RecordsetPtr type = TypeService()->GetRPInOutTypeInfo(GetPropsString(), id);
  if (!type || type->IsEOF()) {
    ShowInfo("数据可能已经被删除,请刷新!");
    return false;
  }
  try {
    if (m_lFuncHandle != 0) ReleaseFunc(m_lFuncHandle);
    m_lFuncHandle =
        ExecFunc(kLockFuncType, GetFunctionCode(kFuncKindModify), 0, 0, qor::Variant(id));
  } catch (const qor::VbError& error) {
    ShowMessage(error.Description(), kMsgInformation);
    return false;
  }
  return true;
}

void clsRPInOutType::ShowTypeHelp() {
  auto help = qor::CreateComponent<qor::HelpComponent>("QORCHMResTool.ClsCHMHelp");
  help->ShowHelp("QORV11.chm", "RP1000207", 0);
}

}  // namespace qorarap
