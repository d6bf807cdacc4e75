#pragma once

// Constants and small helpers shared by the source files of the bill editor
// window (opening, field edits, rows, saving, source selection).

#include <string>

#include "core/vb.h"
#include "refhost/host_run.h"
#include "refhost/session.h"

namespace refhost::bill_editor_window_detail {

using qor::HostDictionary;
using qor::HostDictionaryPtr;
using qor::Variant;

constexpr int32_t kEntryPage = 2;
constexpr int32_t kStopIcon = 16;
constexpr int32_t kExclamationIcon = 48;
constexpr const char* kTitle = "青岚提示";

// Texts are built with append: g++ 12 at -O3 warns falsely (-Wrestrict) on "x" + string&&.
inline std::string RowText(int32_t row) {
  return row > 0 ? std::string("[").append(std::to_string(row)).append("]") : "";
}

inline std::string Quoted(const qor::Variant& value) {
  return std::string("\"").append(qor::StrOf(value)).append("\"");
}

inline void Trace(Session& session, const std::string& line) {
  if (session.Run().Tracing()) session.Run().Trace(line);
}

inline bool IsCloseTool(const std::string& key) {
  return qor::EqualsNoCase(key, "mnuFileClose") || qor::EqualsNoCase(key, "mnuFileExit");
}

}  // namespace refhost::bill_editor_window_detail
