#include "refhost/services/share_props.h"

#include "core/vb.h"
#include "host/components.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/session_directory.h"
#include "refhost/session.h"

namespace refhost {

namespace {

class ShareProps : public qor::SharePropsComponent {
 public:
  std::string TypeName() const override { return "ShareProps"; }

  qor::Variant GetProperty(int32_t processId, const std::string& key) override {
    Session* session = SessionDirectory::Find(processId);
    if (!session) return qor::Variant();
    if (qor::EqualsNoCase(key, "PropsString")) return qor::Variant(session->PropsString());
    if (qor::EqualsNoCase(key, "UserName")) return qor::Variant(session->UserName());
    if (qor::EqualsNoCase(key, "QORLogin")) {
      qor::ObjectPtr login = SessionDirectory::Login(processId);
      return login ? qor::Variant(login) : qor::Variant();
    }
    return qor::Variant();
  }
};

}  // namespace

void RegisterShareProps(ComponentRegistry& registry) {
  registry.Register("QORPropsMgr.ShareProps", [] { return std::make_shared<ShareProps>(); });
}

}  // namespace refhost
