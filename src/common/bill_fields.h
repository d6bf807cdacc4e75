#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/variant.h"
#include "host/bill_editor.h"
#include "host/toolbar.h"

// Reading and writing the fields of the bill open in the bill editor, and
// the editor's row-editing menu items. Errors (an unknown key, a failing
// lookup) reach the calling handler.
namespace qorarap {

// Row -1 (and 0) is the bill header; rows 1 to n are the rows of an entry.
inline constexpr int32_t kHeaderRow = -1;

// The stored value ("FFLD") of the field at row; "" when there is none.
qor::Variant GetBillFieldValue(const std::shared_ptr<qor::BillEvent>& billEditor,
                               const std::string& key, int32_t row = kHeaderRow);
// Writes value into the field at row (row -1 of an entry field: every row).
// A changed value marks the field modified unless keepUnmodified, and a
// base-data reference gets its name and number looked up again. refresh
// redraws the cell, changed or not.
void SetBillFieldValue(const std::shared_ptr<qor::BillEvent>& billEditor, const std::string& key,
                       int32_t row, const qor::Variant& value, bool refresh = false,
                       bool keepUnmodified = false);
// Marks every field of the header and the entries unmodified.
void ClearModifyFlags(const std::shared_ptr<qor::BillEvent>& billEditor);
// Locks or unlocks the field; with clear, first writes 0 into it and sets
// its modify flag to modifyFlag.
void LockBillField(const std::shared_ptr<qor::BillEvent>& billEditor, const std::string& key,
                   bool lock, bool clear = false, int16_t modifyFlag = 1);
void SetActiveField(const std::shared_ptr<qor::BillEvent>& billEditor, const std::string& key,
                    int32_t row);
// Lets the editor run its own follow-up (formulas) of a change of the field.
void RunFieldAction(const std::shared_ptr<qor::BillEvent>& billEditor, const std::string& key,
                    int32_t row, bool markModified);
// Locks the id fields "FID", "FID2", ... of every entry.
void LockIdFields(const std::shared_ptr<qor::BillEvent>& billEditor, bool lock);
// Rows of entry entryIndex (1 is the first entry page); unless countAll,
// only the rows whose key field is filled, when the entry has a key field.
int32_t GetEntryRowCount(const std::shared_ptr<qor::BillEvent>& billEditor, int32_t entryIndex,
                         bool countAll = false);
// Shows or hides the comma-separated columns of an entry.
void SetEntryFieldsVisible(const std::shared_ptr<qor::BillEvent>& billEditor,
                           const std::string& fieldList, int16_t entryIndex, bool visible);
// 0-based position of the tool in the band, compared without regard to case;
// 0 when absent.
int16_t FindToolIndex(const qor::ToolbarControlPtr& toolBar, const std::string& bandName,
                      const std::string& toolName);
// Enables or shows the row menu items for an action ("mnuEditCheck",
// "DisableEdit"...); "mnuCopyRow" and "mnuBatchFillField" are always hidden.
void SetEditMenus(const std::shared_ptr<qor::BillEvent>& billEditor, const std::string& action);
// In a read-only editor (status 3) the row editing items are disabled.
void DisableRowMenusOnStatus(const std::shared_ptr<qor::BillEvent>& billEditor);
// When the editor's active cell lies on an entry row, the row items (add and
// delete row) are enabled.
void EnableRowMenusOnActiveRow(const std::shared_ptr<qor::BillEvent>& billEditor);

}  // namespace qorarap
