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
  // The stored bill of a list line: one record per entry row of the bill,
  // with the list's columns (status, preparer, checker, date, number,
  // voucher, source of each row). Empty when the bill is gone.
  virtual RecordsetPtr GetBillDetail(int32_t billId) = 0;
};

// The product's multi-level check: when it runs and the list's bills have
// a multi-level check scheme, checking goes through it, not the list.
class MultiLevelCheck : public Object {
 public:
  std::string TypeName() const override { return "MultiCheck"; }
  virtual bool IsRun() = 0;
  virtual bool ExistMultiCheck() = 0;
};

// The list view's event object ("ListEvents").
class ListEvents : public Object {
 public:
  std::string TypeName() const override { return "ListEvents"; }
  virtual Subscription Advise(std::shared_ptr<ListEventSink> sink) = 0;

  // The recordset of the lines shown; its current record is the list's
  // current line.
  virtual RecordsetPtr GetListRecordset() = 0;
  virtual std::shared_ptr<ListDefinition> GetListDefinition() = 0;
  // Selected rows, each a dictionary of column values.
  virtual HostVectorPtr GetSelectedRows() = 0;
  virtual ToolbarControlPtr GetToolBarControl() = 0;
  virtual void RefreshList() = 0;
  virtual void Refresh() = 0;
  // Tells the user the list was refreshed after a command.
  virtual void letmessage() = 0;
  // How the list was opened (0 normal; 3 picking a bill for another window).
  virtual int32_t ShowMode() = 0;
  // The list's class type.
  virtual int32_t ClassTypeID() = 0;
  // Opening a bill from the list's current line: the key columns of the
  // line ("FISPrimary", "FColName" per column), the user, then Show.
  virtual void SetListRSFieldVect(const HostVectorPtr& fields) = 0;
  virtual void SetOpt() = 0;
  virtual void Show() = 0;
  // The multi-level check service; nothing when the host has none.
  virtual std::shared_ptr<MultiLevelCheck> GetMultiCheck() = 0;
};

}  // namespace qor
