#pragma once

#include "core/object.h"

namespace qor {

// A plug-in class the host creates by identifier for a window; the host
// calls Show once for each of the window's objects and, when the window
// closes, Terminate before it drops the object.
class PluginClass : public Object {
 public:
  virtual void Show(const ObjectPtr& oBillInterface) = 0;

  // The host's terminate step: the class gives back what it holds (locks,
  // function handles, the host's objects). A run-time error raised here
  // reaches the host, which shows it. Runs once; later calls do nothing.
  void Terminate() {
    if (m_Terminated) return;
    m_Terminated = true;
    OnTerminate();
  }
  bool IsTerminated() const { return m_Terminated; }

 protected:
  virtual void OnTerminate() {}
  // For destructors, which never throw: terminates when the host did not
  // (an object dropped without its terminate step); an error is dropped.
  void TerminateQuietly() noexcept {
    try {
      Terminate();
    } catch (...) {
      // Nobody is left to show it: the host always terminates first.
    }
  }

 private:
  bool m_Terminated = false;
};

}  // namespace qor
