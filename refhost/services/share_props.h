#pragma once

namespace refhost {

class ComponentRegistry;

// "QORPropsMgr.ShareProps": the per-process shared property store. It
// answers for the session running under the process id asked for: its
// login properties string ("PropsString"), user name ("UserName") and login
// object ("QORLogin"); any other key, or a process id no session runs under,
// gives Empty.
void RegisterShareProps(ComponentRegistry& registry);

}  // namespace refhost
