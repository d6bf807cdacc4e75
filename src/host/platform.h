#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/variant.h"

namespace qor {

// What the operating system and the product's component registry give the
// library. The host installs one per user-interface thread (one per client
// session) before it creates any plug-in class on that thread.
class Platform {
 public:
  virtual ~Platform() = default;
  // Creates a component by its identifier; error 429 when nobody registered it.
  virtual ObjectPtr CreateObject(const std::string& progId) = 0;
  // Shows a message box; returns the button pressed (1 OK, 2 Cancel, 6 Yes, 7 No).
  virtual int32_t MsgBox(const std::string& text, int32_t buttons, const std::string& title) = 0;
  // The computer's name ("" when the platform gives none).
  virtual std::string ComputerName() = 0;
  virtual int32_t ProcessId() = 0;
  // Starts the help viewer on a help file and topic.
  virtual void StartHelpViewer(const std::string& file, const std::string& topic) = 0;
  // File lookup: the name of the first file matching the path, "" when none.
  virtual std::string Dir(const std::string& path) = 0;
  // File attributes; error 53 "File not found" when the file does not exist.
  virtual int32_t GetAttr(const std::string& path) = 0;
  // The current date and time as an OLE date.
  virtual double Now() = 0;
};

// Installs the platform of the calling thread (nullptr removes it).
void InstallPlatform(std::shared_ptr<Platform> platform);
// The calling thread's platform; error 429 when the host installed none.
Platform& CurrentPlatform();
bool HasPlatform();

// The platform's object creation by identifier.
ObjectPtr CreateObject(const std::string& progId);

// The host object factory: one per user-interface thread, created on first use.
class ObjectFactory : public Object {
 public:
  std::string TypeName() const override { return "HostObjectFactory"; }
  ObjectPtr CreateObject(const std::string& progId, const std::string& serverName = "");
};

ObjectFactory& HostObjectFactory();

// Creates a component through the host object factory and asks for the
// interface the caller relies on (error 13 when it lacks it).
template <class I>
std::shared_ptr<I> CreateComponent(const std::string& progId) {
  return AsRequired<I>(HostObjectFactory().CreateObject(progId));
}

// As CreateComponent, through the platform's own object creation.
template <class I>
std::shared_ptr<I> CreateDirect(const std::string& progId) {
  return AsRequired<I>(CreateObject(progId));
}

}  // namespace qor
