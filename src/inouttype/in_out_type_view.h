#pragma once

#include <string>

#include "core/events.h"
#include "host/base_data.h"
#include "host/plugin_class.h"

namespace qorarap {

// The read-only list of income/expense types, a base-data list.
class clsRPInOutTypeView : public qor::PluginClass {
 public:
  clsRPInOutTypeView() = default;
  clsRPInOutTypeView(const clsRPInOutTypeView&) = delete;
  clsRPInOutTypeView& operator=(const clsRPInOutTypeView&) = delete;

  std::string TypeName() const override { return "clsRPInOutTypeView"; }
  void Show(const qor::ObjectPtr& oBillInterface) override;

 private:
  class ListSink;

  void m_LstInterface_AfterGetData();
  void m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar);
  void m_LstInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);
  void m_LstInterface_RefreshList();

  // Destroying the member ends the subscription.
  qor::EventMember<qor::BaseClassEvent, qor::BaseEventSink> m_LstInterface;
};

}  // namespace qorarap
