#include "refhost/framework/window_factory.h"

#include <algorithm>
#include <array>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/bill_editor_template.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/framework/view_windows.h"
#include "refhost/session.h"

namespace refhost {

namespace {

constexpr std::array<const char*, 4> kBillWindows = {"receipt", "payment", "other-receivable",
                                                     "other-payable"};
constexpr std::array<const char*, 7> kListWindows = {
    "receipt-list",       "payment-list",          "other-receivable-list", "other-payable-list",
    "sales-invoice-list", "purchase-invoice-list", "initial-list"};

template <size_t N>
bool OneOf(const std::array<const char*, N>& kinds, const std::string& kind) {
  return std::any_of(kinds.begin(), kinds.end(), [&](const char* k) { return kind == k; });
}

}  // namespace

bool IsBillWindow(const std::string& kind) { return OneOf(kBillWindows, kind); }

bool IsViewWindow(const std::string& kind) {
  return OneOf(kListWindows, kind) || kind == "type-tree" || kind == "type-list";
}

int32_t FindBillId(Session& session, const std::string& kind, const std::string& billNo) {
  if (!IsBillWindow(kind)) throw ScenarioError("the " + kind + " window holds no bills");
  BillTemplate billTemplate = BillTemplate::Load(session.Db(), kind);
  if (billTemplate.NumberColumn().empty()) {
    throw ScenarioError("the " + kind + " window has no bill numbers");
  }
  qor::Variant id = session.Db().QueryValue("SELECT " + billTemplate.KeyColumn() + " FROM " +
                                                billTemplate.HeadTable() + " WHERE " +
                                                billTemplate.NumberColumn() + " = ? ORDER BY 1",
                                            {qor::Variant(billNo)});
  if (id.IsEmpty() || id.IsNull()) {
    throw ScenarioError("no " + kind + " bill numbered " + billNo);
  }
  return qor::CLng(id);
}

std::unique_ptr<Window> OpenWindow(Session& session, const std::string& kind, int32_t editMode,
                                   int32_t billId) {
  if (IsBillWindow(kind)) return OpenBillWindow(session, kind, editMode, billId);
  if (OneOf(kListWindows, kind)) return OpenListWindow(session, kind, editMode);
  if (kind == "type-tree") return OpenTypeTreeWindow(session);
  if (kind == "type-list") return OpenTypeListWindow(session);
  throw ScenarioError("unknown window " + kind);
}

}  // namespace refhost
