#include "common/rights.h"

#include "common/messages.h"
#include "common/props.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"

namespace qorarap {

namespace {

// Kind of data right that stands for account rights.
constexpr int16_t kAccountDataRight = 8;

}  // namespace

bool CheckAccess(int32_t a, int32_t b, int32_t c) {
  if (GetGLData()->AccessCheck(a, b, c)) return true;
  ShowInfo("没有权限,请与系统管理员联系");
  return false;
}

bool CheckVoucherAccountRight(int32_t voucherId) {
  auto voucherInfo = qor::CreateComponent<qor::VoucherInfoComponent>("QOREBSGLVoucher.VoucherInfo");
  if (voucherInfo->CheckVoucherRight(GetPropsString(), voucherId)) return true;
  ShowInfo("存在您无科目权限的会计科目，请系统管理员授权后再进入！");
  return false;
}

bool HasVoucherAccountRights(int32_t voucherId) {
  ParsePropsString(GetPropsString());
  auto itemInfo = qor::CreateComponent<qor::ItemInfoComponent>("QOREBSGLItem.ItemInfo");
  int16_t userId = GetUserID();
  if (!itemInfo->GetDataRight(GetPropsString(), userId, kAccountDataRight)) return true;
  // Both values are numbers, so nothing typed by a user reaches the text.
  std::string sql =
      "select FVoucherID from t_VoucherEntry e left join "
      "(select case when CharIndex('" +
      std::to_string(userId) +
      "',FRightUserID)>0 then 1 else 0 end as FHaveRight,FAccountID from t_Account) a "
      "on e.FAccountID=a.FAccountID where a.FHaveRight = 0 and  e.FVoucherID = " +
      std::to_string(voucherId);
  auto connection = qor::CreateComponent<qor::AppConnection>("QORConnection.AppConnection");
  qor::RecordsetPtr rs = connection->Execute(GetConnectString(), sql);
  return !(rs && !rs->IsEOF());
}

bool CanUncheckBill(const std::string& propsString, const qor::Variant& checkerId) {
  auto profile = qor::CreateComponent<qor::ProfileComponent>("QOREBSBase.Systemprofile");
  if (profile->GetProfile(propsString, "IC", "chkIC_UnCheckSelfBill") != "1") return true;
  auto security = qor::CreateComponent<qor::SecurityInfoComponent>("QOREBSBase.SecurityInfo");
  return qor::Val(checkerId) == security->GetCurrentUserID(propsString);
}

}  // namespace qorarap
