#include "frame/login_context.h"

#include <cstddef>

#include "core/vb.h"
#include "host/platform.h"

namespace qorarap {

namespace {

constexpr size_t kMachineNameLength = 40;

// The first count characters of a UTF-8 text (continuation bytes stay with
// their character).
std::string FirstCharacters(const std::string& text, size_t count) {
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (startsCharacter && characters++ == count) return text.substr(0, i);
  }
  return text;
}

}  // namespace

qor::Variant GetSharedProperty(const std::string& key) {
  auto store = qor::CreateDirect<qor::SharePropsComponent>("QORPropsMgr.ShareProps");
  return store->GetProperty(qor::CurrentPlatform().ProcessId(), key);
}

std::string GetPropsString() { return qor::CStr(GetSharedProperty("PropsString")); }

std::string GetSessionUserName() { return qor::CStr(GetSharedProperty("UserName")); }

qor::ObjectPtr GetLoginObject() {
  qor::Variant login = GetSharedProperty("QORLogin");
  if (!login.IsObject()) return nullptr;
  return login.ObjectValue();
}

std::string GetMachineName() {
  std::string name =
      qor::Trim(FirstCharacters(qor::CurrentPlatform().ComputerName(), kMachineNameLength));
  if (name.empty()) return "NoName";
  return name;
}

std::shared_ptr<qor::GLDataComponent> GetGLData() {
  thread_local std::shared_ptr<qor::GLDataComponent> glData;
  if (!glData) glData = qor::CreateComponent<qor::GLDataComponent>("QOREBCGLView.GLData");
  return glData;
}

}  // namespace qorarap
