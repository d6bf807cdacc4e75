#pragma once

namespace refhost {

// Registers every service component of the product in the global component
// registry, under each identifier the library creates it by, together with
// the toolbar control ("ActiveBarLibraryCtl.ActiveBar") and the image list
// ("MSComctlLib.ImageList"). Registering again replaces the same factories.
void RegisterHostServices();

}  // namespace refhost
