#include "refhost/framework/plugin_call.h"

#include "core/vb.h"
#include "host/platform.h"
#include "refhost/framework/window.h"
#include "refhost/session.h"

namespace refhost {

namespace {

constexpr const char* kPluginLibrary = "QORARAPBillInterface.";
constexpr int32_t kStopIcon = 16;

void Trace(const std::string& line) {
  if (!HasCurrentSession()) return;
  HostRun& run = CurrentSession().Run();
  if (run.Tracing()) run.Trace(line);
}

}  // namespace

std::shared_ptr<qor::PluginClass> CreatePlugin(const std::string& className) {
  // The platform's object creation writes the "  create: <id>" trace line.
  std::string progId = kPluginLibrary + className;
  return qor::AsRequired<qor::PluginClass>(qor::CreateObject(progId));
}

bool CallPlugin(Window& window, const std::string& traceLine, const std::function<void()>& call) {
  if (!traceLine.empty()) Trace("  event " + traceLine);
  try {
    call();
    return true;
  } catch (const qor::VbError& error) {
    window.m_LastError = error;
    Trace("  error " + std::to_string(error.Number()) + " from " + error.Source() + ": " +
          error.Description());
    qor::CurrentPlatform().MsgBox(error.Description(), kStopIcon, error.Source());
    return false;
  }
}

bool ShowPlugin(Window& window, qor::PluginClass& plugin, const qor::ObjectPtr& object) {
  Trace("  Show(" + (object ? object->TypeName() : std::string("Nothing")) + ")");
  return CallPlugin(window, "", [&] { plugin.Show(object); });
}

void DropPlugin(Window& window, std::shared_ptr<qor::PluginClass>& plugin, bool terminate) {
  if (!plugin) return;
  if (terminate) {
    CallPlugin(window, plugin->TypeName() + ".Terminate()", [&] { plugin->Terminate(); });
  }
  CallPlugin(window, "", [&] { plugin.reset(); });
}

std::string TraceArg(bool value) { return value ? "True" : "False"; }

std::string TraceArg(const std::string& value) { return "\"" + value + "\""; }

}  // namespace refhost
