#include "common/toolbar_templates.h"

#include "host_fixture.h"

namespace common_test {
namespace {

using qorarap::frmBar;
using qorarap::GetToolbarTemplates;

class ToolbarTemplatesTest : public HostTest {};

TEST_F(ToolbarTemplatesTest, HoldsTheListCommandsAndTheirPictures) {
  std::vector<qor::ToolPtr> tools;
  std::vector<std::string> pictures;
  OnSession([&] {
    frmBar& form = GetToolbarTemplates();
    for (const char* key : {"Check", "UnCheck", "Voucher"}) {
      tools.push_back(form.abInstall().Tools().Item(key));
    }
    for (const char* key : {"Sum", "Split", "Check", "Voucher"}) {
      pictures.push_back(form.ImageList().Picture(key));
    }
  });
  ASSERT_EQ(tools.size(), 3u);
  EXPECT_EQ(tools[0]->m_Caption, "审核");
  EXPECT_EQ(tools[1]->m_Caption, "反审核");
  EXPECT_EQ(tools[1]->m_Description, "反审");
  EXPECT_EQ(tools[2]->m_Caption, "凭证");
  for (const auto& tool : tools) {
    EXPECT_TRUE(tool->m_Visible && tool->m_Enabled) << tool->m_Name;
    EXPECT_EQ(tool->m_Picture, tool->m_Name);
    EXPECT_EQ(tool->m_MaskColor, static_cast<int32_t>(0x8000000FU));
  }
  EXPECT_EQ(pictures, (std::vector<std::string>{"Sum", "Split", "Check", "Voucher"}));
}

TEST_F(ToolbarTemplatesTest, MadeOncePerThreadWithTheLoginLanguageFont) {
  frmBar* first = nullptr;
  frmBar* second = nullptr;
  OnSession([&] {
    first = &GetToolbarTemplates();
    second = &GetToolbarTemplates();
  });
  EXPECT_EQ(first, second);
  EXPECT_EQ(TraceCount("  form font: frmBar chs"), 1);
  EXPECT_EQ(TraceCount("  create: QORFrmRes.FrmResLoader"), 1);

  refhost::Session other(*m_Run, "b", 1002);
  frmBar* otherForm = nullptr;
  other.Invoke([&] { otherForm = &GetToolbarTemplates(); });
  EXPECT_NE(otherForm, first);
  EXPECT_EQ(TraceCount("  form font: frmBar chs"), 2);
  EXPECT_EQ(TraceCount("  create: QORFrmRes.FrmResLoader"), 2);
}

}  // namespace
}  // namespace common_test
