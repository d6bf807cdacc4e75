#pragma once

#include <string>

namespace qorarap {

// The connection text of the local switch file "ErpSwitch.sss" that the
// product's bill window receives as its local connection: the file is looked
// for in the program's folder, then in its "erpSystem" folder; "" when
// neither holds it.
std::string GetLocalSwitchConnection();

}  // namespace qorarap
