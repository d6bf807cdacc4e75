#pragma once

#include <cstdint>
#include <string>

#include "core/variant.h"

// Rights of the current user.
namespace qorarap {

// Rights of the bills' commands: subsystem and masks given to CheckAccess
// with the bill type's rights object.
inline constexpr int32_t kRightsSubsystem = 1010;
inline constexpr int32_t kRightCheck = 0x1;
inline constexpr int32_t kRightUncheck = 0x1000;
inline constexpr int32_t kRightDelete = 0x10000;

// The user's right on a function (subsystem, rights object, mask); a refusal
// shows "没有权限,请与系统管理员联系" and gives false.
bool CheckAccess(int32_t a, int32_t b, int32_t c);
// Whether the user may see every account of the voucher; a refusal shows its
// message and gives false.
bool CheckVoucherAccountRight(int32_t voucherId);
// False when account rights are enforced and the voucher has a line on an
// account the user has no right to. Shows nothing.
bool HasVoucherAccountRights(int32_t voucherId);
// Whether the current user may uncheck a bill checked by checkerId: when the
// system requires it, only the checker may.
bool CanUncheckBill(const std::string& propsString, const qor::Variant& checkerId);

}  // namespace qorarap
