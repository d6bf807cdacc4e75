#pragma once

#include "host/toolbar.h"

namespace qorarap {

// Trims the menus and toolbar of the invoice and initial-balance lists: the
// note setup, series and economy printing, copying, browsing up and down,
// the toolbar switches and push-down go; the format items, the attachments,
// page header and footer and printing all bills are switched off and go.
// Ends with RecalcLayout.
void TrimInvoiceListBars(const qor::ToolbarControlPtr& oActiveBar, bool hideViewToo);

// Hides a tool in one band (that band's copy only).
void HideToolInBand(qor::ToolbarControl& bar, const char* band, const char* key);

}  // namespace qorarap
