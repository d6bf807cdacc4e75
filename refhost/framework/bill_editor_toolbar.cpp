#include "refhost/framework/bill_editor_toolbar.h"

#include <vector>

#include "core/vb.h"
#include "refhost/framework/toolbar_layout.h"
#include "refhost/host_run.h"

namespace refhost {

namespace {

constexpr int32_t kFirstToolId = 2001;
struct LayoutDef {
  std::vector<const char*> kinds;
  std::vector<BandDef> bands;
  // Kept in the tool set only, hidden, for the plug-in to place or show.
  std::vector<const char*> spareTools;
};

// Every tool an editor may carry. Tools the plug-ins add themselves
// (mnuEditUnCheck, mnuViewVch, mnuHelpFile, mnuDataAutoSumAmt,
// mnuDataAutoPartAmt, mnuAutoCal...Amount) are not here: adding a key that
// exists is an error of the control.
const std::vector<ToolDef> kEditorTools = {
    {"mnuFile", "文件(&F)", "文件", ""},
    {"mnuEdit", "编辑(&E)", "编辑", ""},
    {"mnuView", "查看(&V)", "查看", ""},
    {"mnuData", "数据(&D)", "数据", ""},
    {"mnuSelectBill", "选单(&S)", "选择源单", ""},
    {"mnuFormat", "格式(&O)", "格式", ""},
    {"mnuOption", "选项(&P)", "选项", ""},
    {"mnuCust", "自定义(&C)", "自定义", ""},
    {"mnuHelp", "帮助(&H)", "帮助", ""},
    {"mnuFileNew", "新增", "新增一张单据", "New"},
    {"mnuFileSave", "保存", "保存单据", "Save"},
    {"mnuEditCopy", "复制", "复制当前单据生成一张新单据", "Copy"},
    {"mnuFileNeedFilter", "选单过滤", "选单时先设置过滤条件", ""},
    {"mnuFilePageSetup", "页面设置", "设置打印页面", ""},
    {"mnuFilePrintSetup", "打印设置", "设置打印机", ""},
    {"mnuFileNotePrintSetup", "套打设置", "设置套打格式", ""},
    {"mnuFilePreview", "预览", "预览打印效果", "Preview"},
    {"mnuFilePrint", "打印", "打印单据", "Print"},
    {"mnuFileClose", "关闭", "关闭单据窗口", "Close"},
    {"mnuFileExit", "退出", "退出单据窗口", ""},
    {"mnuEditAddRow", "插行", "在表体中增加一行", "AddRow"},
    {"mnuEditDelRow", "删行", "删除表体的当前行", "DelRow"},
    {"mnuCopyRow", "复制行", "复制表体的当前行", ""},
    {"mnuBatchFillField", "批量填充", "用当前值填充整列", ""},
    {"mnuEditCheck", "审核", "对单据进行审核操作", "Check"},
    {"mnuEditChange", "修改", "修改单据", "Modify"},
    {"mnuEditDelete", "删除", "删除单据", "Delete"},
    {"mnuEditRedBill", "红字", "将单据切换为红字(负数)单据", ""},
    {"mnuEditBlueBill", "蓝字", "将单据切换为蓝字(正数)单据", ""},
    {"mnuViewToolBar", "工具栏", "显示或隐藏工具栏", ""},
    {"mnuViewToolCaption", "工具栏文字", "显示或隐藏工具栏按钮的文字", ""},
    {"mnuDataLookUp", "查看", "查看当前字段的资料或源单", "LookUp"},
    {"mnuCalculate", "计算器", "打开计算器", ""},
    {"mnuCaculate", "计算", "重新计算单据的金额", "Calculate"},
    {"mnuDataAccessory", "附件", "管理单据的附件", "Accessory"},
    {"mnuStockQuery", "库存查询", "查询即时库存", ""},
    {"mnuDataPre", "上张", "查看上一张单据", "Previous"},
    {"mnuDataNext", "下张", "查看下一张单据", "Next"},
    {"mnuDataRefesh", "刷新", "重新读取单据", "Refresh"},
    {"mnuGetSysDate", "取系统日期", "单据日期取系统日期", ""},
    {"mnuSelectBill_1000000", "销售专用发票", "从销售专用发票选单", ""},
    {"mnuSelectBill_1000002", "销售普通发票", "从销售普通发票选单", ""},
    {"mnuSelectBill_1000005", "应收单据", "从全部应收单据选单", ""},
    {"mnuSelectBill_1000003", "采购专用发票", "从采购专用发票选单", ""},
    {"mnuSelectBill_1000004", "采购普通发票", "从采购普通发票选单", ""},
    {"mnuSelectBill_2000001", "应收单据", "选择应收单据", "SelBill"},
    {"mnuSelectBill_2000002", "应付单据", "选择应付单据", "SelBill"},
    {"mnuFormatBack", "恢复默认格式", "恢复单据的默认格式", ""},
    {"mnuFormatFont", "字体", "设置单据的字体", ""},
    {"mnuOptionLinkBill", "关联单据", "查看与本单关联的单据", ""},
    {"mnuFormatIndentity", "单据格式", "设置单据的显示格式", ""},
    {"mnuOptionBatchFull", "批量录入", "批量录入表体数据", ""},
    {"mnuHelpTopic", "帮助主题", "打开帮助", "Help"},
    {"mnuHelpAbout", "关于", "关于本系统", ""},
    {"UnCheck", "反审核", "取消审核", "UnCheck"},
    {"Fcheck", "审核", "审核单据", "Check"},
    {"mnuHelpFile", "帮助目录", "帮助目录", "Help"},
};

const std::vector<const char*> kFileMenu = {"mnuFileNew",
                                            "mnuFileSave",
                                            "mnuEditCopy",
                                            "|mnuFileNeedFilter",
                                            "|mnuFilePageSetup",
                                            "mnuFilePrintSetup",
                                            "mnuFileNotePrintSetup",
                                            "mnuFilePreview",
                                            "mnuFilePrint",
                                            "|mnuFileClose",
                                            "mnuFileExit"};
const std::vector<const char*> kViewMenu = {"mnuViewToolBar", "mnuViewToolCaption"};
const std::vector<const char*> kDataMenu = {"mnuDataLookUp",     "mnuCalculate",  "mnuCaculate",
                                            "|mnuDataAccessory", "mnuStockQuery", "|mnuDataPre",
                                            "mnuDataNext",       "mnuDataRefesh", "|mnuGetSysDate"};
const std::vector<const char*> kFormatMenu = {"mnuFormatBack", "mnuFormatFont"};
const std::vector<const char*> kOptionMenu = {"mnuOptionLinkBill", "mnuFormatIndentity",
                                              "mnuOptionBatchFull"};
const std::vector<const char*> kHelpMenu = {"mnuHelpTopic", "mnuHelpAbout"};
const std::vector<const char*> kBillToolBar = {
    "mnuFileNew",   "mnuFileSave", "|mnuFilePreview", "mnuFilePrint", "|mnuDataLookUp",
    "mnuEditCheck", "|mnuDataPre", "mnuDataNext",     "mnuCaculate",  "|mnuFileClose"};

BandDef MenuBar(bool withSelection) {
  BandDef bar{"menu", "菜单栏", {"mnuFile", "mnuEdit", "mnuView", "mnuData"}};
  if (withSelection) bar.keys.push_back("mnuSelectBill");
  for (const char* key : {"mnuFormat", "mnuOption", "mnuCust", "mnuHelp"}) bar.keys.push_back(key);
  return bar;
}

// Receipts and payments: settlement rows come from the source-selection menu.
LayoutDef SettlementLayout(const char* kind, std::vector<const char*> selection) {
  return {{kind},
          {MenuBar(true),
           {"mnuFile", "文件", kFileMenu},
           {"mnuEdit",
            "编辑",
            {"mnuEditAddRow", "mnuEditDelRow", "mnuCopyRow", "mnuBatchFillField", "|mnuEditCheck",
             "mnuEditChange", "mnuEditDelete", "|mnuEditRedBill", "mnuEditBlueBill"}},
           {"mnuView", "查看", kViewMenu},
           {"mnuData", "数据", kDataMenu},
           {"mnuSelectBill", "选单", std::move(selection), true},
           {"mnuFormat", "格式", kFormatMenu},
           {"mnuOption", "选项", kOptionMenu},
           {"mnuCust", "自定义", {}},
           {"mnuHelp", "帮助", kHelpMenu},
           {"BandToolBar", "工具栏", kBillToolBar}},
          {"UnCheck", "Fcheck"}};
}

LayoutDef OtherBillLayout(const char* kind) {
  return {{kind},
          {MenuBar(false),
           {"mnuFile", "文件", kFileMenu},
           {"mnuEdit",
            "编辑",
            {"mnuEditAddRow", "mnuEditDelRow", "mnuCopyRow", "mnuBatchFillField", "|mnuEditCheck",
             "mnuEditChange", "mnuEditDelete"}},
           {"mnuView", "查看", kViewMenu},
           {"mnuData", "数据", kDataMenu},
           {"mnuFormat", "格式", kFormatMenu},
           {"mnuOption", "选项", kOptionMenu},
           {"mnuCust", "自定义", {}},
           {"mnuHelp", "帮助", kHelpMenu},
           {"BandToolBar", "工具栏", kBillToolBar}},
          {}};
}

// The edit card of an income/expense type: its toolbar also carries the
// drop-down buttons of the file, data and option menus.
LayoutDef TypeCardLayout() {
  return {{"type-card"},
          {MenuBar(false),
           {"mnuFile", "文件", kFileMenu},
           {"mnuEdit", "编辑", {"mnuEditCopy"}},
           {"mnuView", "查看", kViewMenu},
           {"mnuData", "数据", kDataMenu},
           {"mnuFormat", "格式", kFormatMenu},
           {"mnuOption", "选项", kOptionMenu},
           {"mnuCust", "自定义", {}},
           {"mnuHelp", "帮助", {"mnuHelpFile", "mnuHelpAbout"}},
           {"BandToolBar",
            "工具栏",
            {"mnuFileNew", "mnuFileSave", "mnuFile", "|mnuFilePrint", "mnuEditCopy", "|mnuData",
             "mnuDataPre", "mnuDataNext", "mnuCaculate", "|mnuOption", "mnuOptionBatchFull",
             "|mnuFileClose"}}},
          {}};
}

const std::vector<LayoutDef>& Layouts() {
  static const std::vector<LayoutDef> layouts = {
      SettlementLayout("receipt", {"mnuSelectBill_1000000", "mnuSelectBill_1000002",
                                   "mnuSelectBill_1000005", "|mnuSelectBill_2000001"}),
      SettlementLayout(
          "payment", {"mnuSelectBill_1000003", "mnuSelectBill_1000004", "|mnuSelectBill_2000002"}),
      OtherBillLayout("other-receivable"),
      OtherBillLayout("other-payable"),
      TypeCardLayout(),
  };
  return layouts;
}

const ToolDef& FindToolDef(std::string_view key) {
  for (const ToolDef& def : kEditorTools) {
    if (qor::EqualsNoCase(def.key, key)) return def;
  }
  throw ScenarioError("the editor layout names an unknown tool " + std::string(key));
}

// The tool-set copy of the key, added on first use.
qor::ToolPtr MasterTool(qor::ToolbarControl& bar, std::string_view key) {
  if (qor::ToolPtr tool = bar.Tools().Find(key)) return tool;
  return AddTool(bar, FindToolDef(key), kFirstToolId);
}

const LayoutDef& FindLayout(const std::string& kind) {
  for (const LayoutDef& layout : Layouts()) {
    for (const char* name : layout.kinds) {
      if (kind == name) return layout;
    }
  }
  throw ScenarioError("no bill editor for the window " + kind);
}

// Pop-up bands open from their menu item; their own visible flag only says
// whether they show on the menu bar.
bool IsPopupBand(std::string_view name) {
  for (const LayoutDef& layout : Layouts()) {
    for (const BandDef& def : layout.bands) {
      if (def.popup && qor::EqualsNoCase(def.name, name)) return true;
    }
  }
  return false;
}

// A copy the user can reach, or nullptr.
qor::ToolPtr ReachableCopy(const qor::ToolbarControl& bar, const std::string& key) {
  for (const qor::BandPtr& band : bar.AllBands()) {
    qor::ToolPtr copy = band->Tools().Find(key);
    if (!copy || !copy->m_Visible || !copy->m_Enabled) continue;
    if (band->m_Visible || IsPopupBand(band->m_Name)) return copy;
  }
  return nullptr;
}

}  // namespace

qor::ToolbarControlPtr BuildEditorToolbar(const std::string& kind) {
  const LayoutDef& layout = FindLayout(kind);
  auto bar = std::make_shared<qor::ToolbarControl>();
  auto masterOf = [&bar](std::string_view key) { return MasterTool(*bar, key); };
  for (const BandDef& def : layout.bands) AddBand(*bar, def, masterOf);
  for (const char* key : layout.spareTools) MasterTool(*bar, key)->m_Visible = false;
  bar->SyncToolSet();
  return bar;
}

void EnableHostBillCommands(qor::ToolbarControl& bar) {
  bar.SetToolProperty("mnuEditDelete", "Enabled", qor::Variant(true));
}

qor::ToolPtr ReachableEditorTool(const qor::ToolbarControl& bar, const std::string& key) {
  std::vector<qor::ToolPtr> copies = bar.FindAll(key);
  if (copies.empty()) throw ScenarioError("unknown tool " + key);
  qor::ToolPtr master = bar.Tools().Find(key);
  qor::ToolPtr copy = ReachableCopy(bar, key);
  if (!copy || (master && !master->m_Enabled)) {
    throw ScenarioError("tool " + key + " is hidden or disabled");
  }
  return master ? master : copy;
}

bool IsEditorToolAvailable(const qor::ToolbarControl& bar, const std::string& key) {
  qor::ToolPtr master = bar.Tools().Find(key);
  return ReachableCopy(bar, key) != nullptr && (!master || master->m_Enabled);
}

}  // namespace refhost
