#include "common/vouchers.h"

#include "common/messages.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"

namespace qorarap {

void ViewVoucher(int32_t voucherId, int32_t mode, const std::string& callerName) {
  try {
    auto application = qor::CreateDirect<qor::GLApplication>("QOREBOGL.Application");
    auto editor = qor::AsRequired<qor::VoucherEditor>(
        application->ShowForm("QORVoucherEditLib.VoucherEdit", callerName, true, "记账凭证"));
    qor::HostDictionaryPtr options = editor->EditOptions();
    if (!options) qor::RaiseError(91, "QORARAPBillInterface");
    options->SetItem("AddAfterSave", false);
    options->SetItem("DetailMode", false);
    options->SetItem("DisableAddNew", true);
    options->SetItem("CheckCell", false);
    options->SetItem("CheckEntry", false);
    editor->LoadVoucher(mode, voucherId, nullptr);
  } catch (const qor::VbError& error) {
    ShowInfo("打开凭证报错！\r\n" + error.Description());
  }
}

void WriteBusinessLog(const qor::Variant& a, const qor::Variant& b, const qor::Variant& c) {
  try {
    GetGLData()->WriteLog(a, b, c);
  } catch (const qor::VbError&) {
    // The business log never stops the operation it records.
  }
}

}  // namespace qorarap
