#pragma once

#include <string>

namespace refhost {

class ComponentRegistry;

// The product's system components: the current period
// ("QORMCaculate.CommonSearch"), system options and the report transfer date
// ("QORMSystem.System", "QOREBSBase.Systemprofile"), the current user
// ("QOREBSBase.SecurityInfo"), data rights ("QOREBSGLItem.ItemInfo",
// "QOREBSGLVoucher.VoucherInfo") and the per-user options
// ("QORMProfile.ClassUserProfileInfo", "QORMProfile.ClassUserProfileUpdate").
void RegisterSystemServices(ComponentRegistry& registry);

// A system profile value of the calling session's database ("" when absent).
std::string ReadSystemProfile(const std::string& category, const std::string& key);

// The item class of ledger accounts in the data rights.
inline constexpr int32_t kAccountItemClass = 8;

}  // namespace refhost
