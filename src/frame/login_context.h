#pragma once

#include <memory>
#include <string>

#include "core/object.h"
#include "core/variant.h"
#include "host/components.h"

// The login of the current user as every class reads it: the process's shared
// property store, the login object, the machine name and the thread's ledger view.
namespace qorarap {

// An entry of the process's shared property store ("QORPropsMgr.ShareProps"):
// the object or the plain value it holds.
qor::Variant GetSharedProperty(const std::string& key);

// The current login's connection property string, read anew at every call.
std::string GetPropsString();
std::string GetSessionUserName();
// The current user's login object (itself a lock taker); nullptr when none.
qor::ObjectPtr GetLoginObject();

// The computer's name: its first 40 characters, trimmed; "NoName" when there is none.
std::string GetMachineName();

// The ledger-view component of the calling thread, created on first use and
// never shared with another thread.
std::shared_ptr<qor::GLDataComponent> GetGLData();

}  // namespace qorarap
