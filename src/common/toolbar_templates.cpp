#include "common/toolbar_templates.h"

#include "common/props.h"
#include "host/components.h"
#include "host/platform.h"

namespace qorarap {

namespace {

struct TemplateTool {
  const char* key;
  int32_t id;
  const char* caption;
  const char* description;
  const char* toolTip;
};

// The list commands: check, uncheck and open the voucher of the selected bills.
constexpr TemplateTool kTemplateTools[] = {
    {"Check", 30001, "审核", "审核", "审核"},
    {"UnCheck", 30002, "反审核", "反审", "反审核"},
    {"Voucher", 30003, "凭证", "凭证", "凭证"},
};

constexpr const char* kPictureKeys[] = {"Sum", "Split", "Check", "UnCheck", "Voucher"};

thread_local std::shared_ptr<frmBar> tTemplates;
thread_local std::shared_ptr<qor::FrmResLoader> tResLoader;

qor::FrmResLoader& ResourceLoader() {
  if (!tResLoader) tResLoader = qor::CreateDirect<qor::FrmResLoader>("QORFrmRes.FrmResLoader");
  return *tResLoader;
}

}  // namespace

frmBar::frmBar()
    : m_abInstall(std::make_shared<qor::ToolbarControl>()),
      m_ImageList(std::make_shared<qor::ImageList>()) {
  AddPictures();
  AddTemplateTools();
}

void frmBar::AddPictures() {
  for (const char* key : kPictureKeys) m_ImageList->Add(key, key);
}

void frmBar::AddTemplateTools() {
  for (const TemplateTool& entry : kTemplateTools) {
    qor::ToolPtr tool = m_abInstall->Tools().Add(entry.id, entry.key);
    tool->m_Caption = entry.caption;
    tool->m_Description = entry.description;
    tool->m_ToolTipText = entry.toolTip;
    tool->m_Picture = entry.key;
    tool->m_MaskColor = kButtonFaceColor;
    tool->m_Visible = true;
    tool->m_Enabled = true;
  }
}

frmBar& GetToolbarTemplates() {
  if (tTemplates) return *tTemplates;
  auto form = std::make_shared<frmBar>();
  ResourceLoader().SetFrmFont(form, GetPropsStringValue("Language"));
  tTemplates = form;
  return *tTemplates;
}

}  // namespace qorarap
