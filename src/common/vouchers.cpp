#include "common/vouchers.h"

#include <memory>
#include <string>

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

void ShowVoucherInViewer(int32_t voucherId) {
  auto options = std::make_shared<qor::HostDictionary>();
  options->SetItem("AddAfterSave", false);
  options->SetItem("DetailMode", false);
  options->SetItem("DisableAddNew", true);
  options->SetItem("CheckCell", false);
  options->SetItem("CheckEntry", false);
  options->SetItem("HotTrace", false);
  std::shared_ptr<qor::MVoucherEdit> viewer;
  try {
    viewer = qor::CreateDirect<qor::MVoucherEdit>("QORMVEdit.MVoucherEdit");
  } catch (const qor::VbError& error) {
    ShowInfo("加载凭证编辑组建失败：" + error.Description());
    return;
  }
  viewer->LoadVoucher(1, qor::Variant(std::to_string(voucherId)), qor::Variant(), options);
}

void WriteBusinessLog(const qor::Variant& a, const qor::Variant& b, const qor::Variant& c) {
  try {
    GetGLData()->WriteLog(a, b, c);
  } catch (const qor::VbError&) {
    // The business log never stops the operation it records.
  }
}

}  // namespace qorarap
