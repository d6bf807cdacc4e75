#pragma once

#include <cstdint>
#include <string>

#include "core/variant.h"

// Vouchers and the business log of the ledger.
namespace qorarap {

// Opens the voucher in the ledger's voucher editor, read-only in effect (no
// add after save, no new voucher, no cell or entry checks). A failure is
// shown as "打开凭证报错！" with its description; nothing is passed on.
void ViewVoucher(int32_t voucherId, int32_t mode, const std::string& callerName);
// Shows the voucher in the bills' voucher viewer ("QORMVEdit.MVoucherEdit")
// with the same options; a viewer that cannot be created is reported as
// "加载凭证编辑组建失败：" with its description, nothing is passed on.
void ShowVoucherInViewer(int32_t voucherId);
// Writes a line of the business log; a failure is ignored.
void WriteBusinessLog(const qor::Variant& a, const qor::Variant& b, const qor::Variant& c);

}  // namespace qorarap
