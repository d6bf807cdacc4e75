#pragma once

#include <string>

#include "core/events.h"
#include "host/list_view.h"
#include "host/plugin_class.h"

namespace qorarap {

// The list of initial balances.
class clsRPInitial : public qor::PluginClass {
 public:
  clsRPInitial() = default;
  clsRPInitial(const clsRPInitial&) = delete;
  clsRPInitial& operator=(const clsRPInitial&) = delete;

  std::string TypeName() const override { return "clsRPInitial"; }
  void Show(const qor::ObjectPtr& oBillInterface) override;

 private:
  class ListSink;

  void m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar);
  void m_LstInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);

  // Destroying the member ends the subscription.
  qor::EventMember<qor::ListEvents, qor::ListEventSink> m_LstInterface;
};

}  // namespace qorarap
