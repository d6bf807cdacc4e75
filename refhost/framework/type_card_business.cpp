#include "refhost/framework/type_card_business.h"

#include "core/vb.h"
#include "refhost/db/database.h"

namespace refhost {

void MoveParentTypeBusiness(Database& db, int32_t newTypeId) {
  qor::Variant parent = db.QueryValue("SELECT FParentid FROM vw_RP_InOutType WHERE FID = ?",
                                      {qor::Variant(newTypeId)});
  int32_t parentId = qor::CLng(qor::Val(parent));
  if (parentId <= 0) return;
  for (const char* table : {"t_RP_ROtherBillEntry", "t_RP_POtherBillEntry"}) {
    db.ExecuteParams(
        std::string("UPDATE ") + table + " SET FInOutTypeID = ? WHERE FInOutTypeID = ?",
        {qor::Variant(newTypeId), qor::Variant(parentId)});
  }
}

}  // namespace refhost
