#pragma once

#include <functional>

struct sqlite3;

namespace refhost {

// Registers on a connection the T-SQL functions the product's SQL texts use:
// qor_isnull(a, b) (ISNULL), charindex(needle, haystack[, start]) (1-based, 0 when absent,
// case-insensitive), len(s) (characters without trailing blanks), getdate() (from `now`, an
// OLE date), datediff / dateadd / datepart(part, ...), year / month / day(d),
// qor_convert(type, value[, style]) (CONVERT) and qor_left / qor_right(s, n).
// `now` must outlive the connection.
void RegisterTsqlFunctions(sqlite3* db, const std::function<double()>* now);

}  // namespace refhost
