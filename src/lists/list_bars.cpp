#include "lists/list_bars.h"

#include <utility>

namespace qorarap {

namespace {

constexpr std::pair<const char*, const char*> kBandHidden[] = {
    {"mnuFile", "mnuNoteSetup"},
    {"mnuFile", "mnuFileSeriesPrint"},
    {"mnuFile", "mnuFileSeriesPrintView"},
    {"mnuFile", "mnuFileUseEconomizePaper"},
    {"mnuEdit", "mnuEditCopy"}};

constexpr std::pair<const char*, const char*> kBrowsingHidden[] = {
    {"mnuData", "mnuDataViewPrvBill"}, {"mnuData", "mnuDataViewNextBill"},
    {"mnuPop", "mnuEditCopyEntry"},    {"mnuView", "mnuViewToolBar"},
    {"mnuView", "mnuViewToolCaption"}, {"menu", "mnuPushBill"}};

constexpr const char* kSwitchedOff[] = {
    "mnuFormatRowHeight",       "mnuFormatFont",  "mnuFormatOpt",
    "mnuDataAccessory",         "mnuPreHeadFoot", "mnuFileSeriesPrintAll",
    "mnuFileSeriesPrintViewAll"};

}  // namespace

void HideToolInBand(qor::ToolbarControl& bar, const char* band, const char* key) {
  qor::SetToolProperty(*bar.Bands(band)->Tools().Item(key), "VISIBLE", false);
}

void TrimInvoiceListBars(const qor::ToolbarControlPtr& oActiveBar, bool hideViewToo) {
  qor::ToolbarControl& bar = *oActiveBar;
  for (const auto& [band, key] : kBandHidden) HideToolInBand(bar, band, key);
  if (hideViewToo) HideToolInBand(bar, "mnuEdit", "mnuFileView");
  // Browsing up and down goes from the control's tool set, and so everywhere.
  bar.SetToolProperty("mnuDataViewPrvBill", "VISIBLE", false);
  bar.SetToolProperty("mnuDataViewNextBill", "VISIBLE", false);
  for (const auto& [band, key] : kBrowsingHidden) HideToolInBand(bar, band, key);
  for (const char* key : kSwitchedOff) {
    bar.SetToolProperty(key, "ENABLED", false);
    bar.SetToolProperty(key, "VISIBLE", false);
  }
  bar.RecalcLayout();
}

}  // namespace qorarap
