#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/events.h"
#include "core/host_dictionary.h"
#include "host/toolbar.h"

namespace qor {

class BaseEventSink {
 public:
  virtual ~BaseEventSink() = default;
  virtual void AfterGetData() {}
  virtual void BarInitialize(const ToolbarControlPtr& /*oActiveBar*/) {}
  virtual void ClassGroupSelected(int32_t /*Button*/, int32_t /*ClassGroupType*/,
                                  int32_t /*ClassGroupID*/,
                                  const std::string& /*ClassGroupFullNumber*/) {}
  virtual void MenuBarClick(const ToolPtr& /*LOOMTool*/, bool& /*Cancel*/) {}
  virtual void MenuBarInitialize(const ToolbarControlPtr& /*oMenuBar*/) {}
  virtual void RefreshList() {}
};

// A control of the base-data window (its name).
class WindowControl : public Object {
 public:
  std::string TypeName() const override { return "Control"; }
  virtual std::string Name() const = 0;
};

// The base-data window's event object ("BaseClassEvent"), also used for the
// read-only base-data list.
class BaseClassEvent : public Object {
 public:
  std::string TypeName() const override { return "BaseClassEvent"; }
  virtual Subscription Advise(std::shared_ptr<BaseEventSink> sink) = 0;

  virtual ToolbarControlPtr GetToolBarControl() = 0;
  // 0 or less when nothing is selected.
  virtual int32_t GetSelectedGroupID() = 0;
  virtual int32_t GetSelectedItemID() = 0;
  virtual std::shared_ptr<WindowControl> GetActiveControl() = 0;
  virtual void SetClassType(int32_t a, int32_t b, int32_t c, const std::string& text) = 0;
  virtual void SetListOption(int32_t option) = 0;
  virtual void RefreshList() = 0;
};

}  // namespace qor
