#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/object.h"
#include "host/plugin_class.h"

namespace refhost {

class Window;

// Creates the plug-in class by identifier "QORARAPBillInterface." + className
// through the platform (which traces "  create: <id>"); errors reach the caller as
// qor::VbError (429 when nobody registered it, 13 when the object is no
// plug-in class).
std::shared_ptr<qor::PluginClass> CreatePlugin(const std::string& className);

// Runs a call into the plug-in. traceLine is "<Object>.<Event>(<args>)"; when
// the run traces, "  event " + traceLine is written first (an empty traceLine
// writes nothing). A qor::VbError raised by the call is recorded in
// window.m_LastError and shown as a message box (text = description,
// buttons 16, title = source). Returns false when an error was raised. Any
// other exception (ScenarioError...) passes through untouched.
bool CallPlugin(Window& window, const std::string& traceLine, const std::function<void()>& call);

// Calls Show on the plug-in with one of the window's objects (trace
// "  Show(<TypeName>)"), with the error handling of CallPlugin.
bool ShowPlugin(Window& window, qor::PluginClass& plugin, const qor::ObjectPtr& object);

// The host's end of a plug-in object: when terminate is set, its terminate
// step (trace "  event <TypeName>.Terminate()", errors handled as by
// CallPlugin), then the object is dropped. A shared object (the type tree's,
// which its edit card also shows) is dropped without terminating.
void DropPlugin(Window& window, std::shared_ptr<qor::PluginClass>& plugin, bool terminate);

// Trace helpers for event arguments.
std::string TraceArg(bool value);
std::string TraceArg(const std::string& value);

}  // namespace refhost
