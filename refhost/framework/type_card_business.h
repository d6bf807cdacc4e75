#pragma once

#include <cstdint>

namespace refhost {

class Database;

// A new income/expense type saved under a detail type that bills already
// use takes that business over: the card saves it only when the user agreed
// to move it, and bills must carry detail types. Runs inside the saving
// transaction; does nothing for a type whose parent carries no bill rows.
void MoveParentTypeBusiness(Database& db, int32_t newTypeId);

}  // namespace refhost
