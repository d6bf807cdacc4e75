#pragma once

#include <memory>
#include <string>

#include "host/toolbar.h"

// The toolbar templates: a hidden form, made once per user-interface thread,
// whose toolbar control "abInstall" holds ready-made tools ("Check",
// "UnCheck", "Voucher") and whose image list holds the tool pictures
// ("Sum", "Split", "Check", "UnCheck", "Voucher") that the bill and list
// handlers copy into the host's menus and toolbars.
namespace qorarap {

// Mask colour of the template pictures: the system button-face colour.
inline constexpr int32_t kButtonFaceColor = static_cast<int32_t>(0x8000000FU);

class frmBar : public qor::Object {
 public:
  frmBar();
  std::string TypeName() const override { return "frmBar"; }

  // The template tools, by key from abInstall().Tools().
  qor::ToolbarControl& abInstall() { return *m_abInstall; }
  // The template pictures; a picture is named by its key.
  qor::ImageList& ImageList() { return *m_ImageList; }

 private:
  void AddPictures();
  void AddTemplateTools();

  std::shared_ptr<qor::ToolbarControl> m_abInstall;
  std::shared_ptr<qor::ImageList> m_ImageList;
};

// The thread's template form. Made on first use, with its font set for the
// login's language through the thread's form-resource loader.
frmBar& GetToolbarTemplates();

}  // namespace qorarap
