#pragma once

#include <cstdint>
#include <memory>

#include "core/events.h"
#include "core/host_dictionary.h"
#include "core/recordset.h"
#include "host/toolbar.h"

namespace qor {

class ListEventSink {
 public:
  virtual ~ListEventSink() = default;
  virtual void MenuBarInitialize(const ToolbarControlPtr& /*oMenuBar*/) {}
  virtual void BarInitialize(const ToolbarControlPtr& /*oActiveBar*/) {}
  virtual void MenuBarClick(const ToolPtr& /*LOOMTool*/, bool& /*Cancel*/) {}
  virtual void AfterGetData() {}
};

// The host's description of a list.
class ListDefinition : public Object {
 public:
  std::string TypeName() const override { return "ListDefinition"; }
  virtual int32_t ClassTypeID() const = 0;
  // The stored bill of the internal id: one record per row of the bill, with
  // its status, date, preparer, checker, number and voucher.
  virtual RecordsetPtr GetBillDetail(int32_t billId) = 0;
};

// The list view's event object ("ListEvents").
class ListEvents : public Object {
 public:
  std::string TypeName() const override { return "ListEvents"; }
  virtual Subscription Advise(std::shared_ptr<ListEventSink> sink) = 0;

  virtual RecordsetPtr GetListRecordset() = 0;
  virtual std::shared_ptr<ListDefinition> GetListDefinition() = 0;
  // Selected rows, each a dictionary of column values.
  virtual HostVectorPtr GetSelectedRows() = 0;
  virtual ToolbarControlPtr GetToolBarControl() = 0;
  virtual void RefreshList() = 0;
  virtual void Refresh() = 0;
  // How the list was opened (0 normal; 3 selection).
  virtual int32_t ShowMode() = 0;
  // Opens the stored bill of the internal id for viewing.
  virtual void GetBillDetail(int32_t billId) = 0;
};

}  // namespace qor
