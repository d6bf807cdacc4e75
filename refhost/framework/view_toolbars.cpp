#include "refhost/framework/view_toolbars.h"

#include <vector>

#include "refhost/framework/toolbar_layout.h"
#include "refhost/host_run.h"

namespace refhost {

namespace {

constexpr int32_t kFirstToolId = 1001;

// ---- list windows ----

const std::vector<ToolDef> kListTools = {
    {"mnuFile", "文件(&F)", "文件", ""},
    {"mnuEdit", "编辑(&E)", "编辑", ""},
    {"mnuView", "查看(&V)", "查看", ""},
    {"mnuData", "数据(&D)", "数据", ""},
    {"mnuFormat", "格式(&O)", "格式", ""},
    {"mnuPushBill", "下推(&P)", "将选中的单据下推生成其他单据", ""},
    {"mnuHelp", "帮助(&H)", "帮助", ""},
    {"mnuFileNew", "新增", "新增一张单据", "New"},
    {"mnuFileRefresh", "刷新", "重新读取列表数据", "Refresh"},
    {"mnuNoteSetup", "套打设置", "设置套打格式", ""},
    {"mnuFilePageSetup", "页面设置", "设置打印页面", ""},
    {"mnuFilePrintPreview", "打印预览", "预览打印效果", "Preview"},
    {"mnuFilePrint", "打印", "打印列表", "Print"},
    {"mnuFileSeriesPrint", "连续打印", "连续打印选中的单据", ""},
    {"mnuFileSeriesPrintView", "连续打印预览", "预览连续打印选中的单据", ""},
    {"mnuFileSeriesPrintAll", "全部连续打印", "连续打印列表中的全部单据", ""},
    {"mnuFileSeriesPrintViewAll", "全部连续打印预览", "预览连续打印列表中的全部单据", ""},
    {"mnuFileUseEconomizePaper", "节约纸张打印", "一页打印多张单据", ""},
    {"mnuPreHeadFoot", "页眉页脚", "设置页眉页脚", ""},
    {"mnuExportData", "引出", "将列表数据引出到文件", ""},
    {"mnuFileView", "查看", "查看选中的单据", "View"},
    {"mnuEditModify", "修改", "修改选中的单据", "Modify"},
    {"mnuEditDelete", "删除", "删除选中的单据", "Delete"},
    {"mnuEditCopy", "复制", "复制选中的单据", "Copy"},
    {"mnuEditCopyEntry", "复制分录", "复制选中的分录", ""},
    {"mnuViewToolBar", "工具栏", "显示或隐藏工具栏", ""},
    {"mnuViewToolCaption", "工具栏文字", "显示或隐藏工具栏按钮的文字", ""},
    {"mnuDataFilter", "过滤", "设置列表的过滤条件", "Filter"},
    {"mnuDataViewPrvBill", "上查", "查看选中单据的源单", "Up"},
    {"mnuDataViewNextBill", "下查", "查看选中单据的下游单据", "Down"},
    {"mnuDataAccessory", "附件", "管理单据的附件", "Accessory"},
    {"mnuCaculate", "计算器", "打开计算器", ""},
    {"mnuFormatRowHeight", "行高", "设置列表的行高", ""},
    {"mnuFormatFont", "字体", "设置列表的字体", ""},
    {"mnuFormatOpt", "列设置", "设置列表显示的列", ""},
    {"mnuHelpDetail", "帮助主题", "打开帮助", "Help"},
};

// The settlement lists' command that opens the bill linked to a row.
const ToolDef kViewBillTool = {"viewBill", "关联单据", "查看与选中行关联的单据", ""};

const std::vector<BandDef> kListBands = {
    {"menu",
     "菜单栏",
     {"mnuFile", "mnuEdit", "mnuView", "mnuData", "mnuFormat", "mnuPushBill", "mnuHelp"}},
    {"mnuFile",
     "文件",
     {"mnuFileNew", "|mnuFileRefresh", "|mnuNoteSetup", "mnuFilePageSetup", "mnuFilePrintPreview",
      "mnuFilePrint", "mnuFileSeriesPrint", "mnuFileSeriesPrintView", "mnuFileSeriesPrintAll",
      "mnuFileSeriesPrintViewAll", "mnuFileUseEconomizePaper", "mnuPreHeadFoot", "|mnuExportData"}},
    {"mnuEdit",
     "编辑",
     {"mnuFileView", "mnuEditModify", "mnuEditDelete", "|mnuEditCopy", "mnuEditCopyEntry"}},
    {"mnuView", "查看", {"mnuViewToolBar", "mnuViewToolCaption", "|mnuDataViewNextBill"}},
    {"mnuData",
     "数据",
     {"mnuDataFilter", "|mnuDataViewPrvBill", "mnuDataViewNextBill", "|mnuDataAccessory",
      "mnuCaculate"}},
    {"mnuFormat", "格式", {"mnuFormatRowHeight", "mnuFormatFont", "mnuFormatOpt"}},
    {"mnuHelp", "帮助", {"mnuHelpDetail"}},
    {"mnuPop",
     "快捷菜单",
     {"mnuFileView", "mnuEditModify", "mnuEditDelete", "mnuEditCopyEntry", "|mnuFileRefresh"}},
    {"BandToolBar",
     "工具栏",
     {"mnuFileNew", "mnuFileView", "mnuEditModify", "mnuEditDelete", "|mnuFileRefresh",
      "mnuDataFilter", "|mnuFilePrintPreview", "mnuFilePrint", "|mnuDataViewPrvBill",
      "mnuDataViewNextBill"}},
};

// Export is offered only where the plug-in of the list shows it.
const std::vector<const char*> kListHiddenTools = {"mnuExportData"};

// ---- base-data window ----

const std::vector<ToolDef> kBaseTools = {
    {"mnuFile", "文件(&F)", "文件", ""},
    {"mnuEdit", "编辑(&E)", "编辑", ""},
    {"mnuView", "查看(&V)", "查看", ""},
    {"mnuOption", "选项(&O)", "设置基础资料的选项", ""},
    {"mnuHelp", "帮助(&H)", "帮助", ""},
    {"mnuFileNewItem", "新增", "在选中的类别下新增一个项目", "New"},
    {"mnuFileNewGroup", "新增组", "在选中的类别下新增一个类别组", "NewGroup"},
    {"mnuFilePageSetup", "页面设置", "设置打印页面", ""},
    {"mnuFilePrintPreview", "打印预览", "预览打印效果", "Preview"},
    {"mnuFilePrint", "打印", "打印项目列表", "Print"},
    {"mnuPreHeadFoot", "页眉页脚", "设置页眉页脚", ""},
    {"mnuExportData", "引出", "将项目引出到文件", ""},
    {"mnuEditModify", "修改", "修改选中的项目", "Modify"},
    {"mnuEditDel", "删除", "删除选中的项目", "Delete"},
    {"mnuEditDelGroup", "删除组", "删除选中的类别组", ""},
    {"mnuEditUnuse", "禁用", "禁用选中的项目", "Disable"},
    {"mnuEditUse", "反禁用", "取消选中项目的禁用", "Enable"},
    {"mnuFileRefresh", "刷新", "重新读取基础资料", "Refresh"},
    {"mnuDataFind", "查找", "查找项目", "Find"},
    {"mnuHelpDetail", "帮助主题", "打开帮助", "Help"},
};

const std::vector<BandDef> kBaseBands = {
    {"menu", "菜单栏", {"mnuFile", "mnuEdit", "mnuView", "mnuOption", "mnuHelp"}},
    {"mnuFile",
     "文件",
     {"mnuFileNewItem", "mnuFileNewGroup", "|mnuFilePageSetup", "mnuFilePrintPreview",
      "mnuFilePrint", "mnuPreHeadFoot", "|mnuExportData"}},
    {"mnuEdit",
     "编辑",
     {"mnuEditModify", "mnuEditDel", "mnuEditDelGroup", "|mnuEditUnuse", "mnuEditUse"}},
    {"mnuView", "查看", {"mnuFileRefresh", "mnuDataFind"}},
    {"mnuHelp", "帮助", {"mnuHelpDetail"}},
    {"BandToolBar",
     "工具栏",
     {"mnuFileNewItem", "mnuEditModify", "mnuEditDel", "|mnuFileRefresh", "mnuDataFind",
      "|mnuFilePrintPreview", "mnuFilePrint", "|mnuHelpDetail"}},
};

bool IsSettlementList(const std::string& kind) {
  return kind == "receipt-list" || kind == "payment-list";
}

}  // namespace

qor::ToolbarControlPtr BuildListToolbar(const std::string& kind) {
  qor::ToolbarControlPtr bar = BuildToolbar(kListTools, kListBands, kFirstToolId);
  if (IsSettlementList(kind)) {
    AddTool(*bar, kViewBillTool, kFirstToolId);
    bar->Bands("mnuData")->Tools().Insert(-1, bar->Tools().Item(kViewBillTool.key));
  }
  for (const char* key : kListHiddenTools) bar->SetToolProperty(key, "Visible", false);
  bar->SyncToolSet();
  return bar;
}

qor::ToolbarControlPtr BuildBaseDataToolbar() {
  return BuildToolbar(kBaseTools, kBaseBands, kFirstToolId);
}

qor::ToolPtr ClickableTool(const qor::ToolbarControl& bar, const std::string& key) {
  qor::ToolPtr master = bar.Tools().Find(key);
  bool known = master != nullptr;
  qor::ToolPtr shown;
  for (const qor::BandPtr& band : bar.AllBands()) {
    qor::ToolPtr copy = band->Tools().Find(key);
    if (!copy) continue;
    known = true;
    if (band->m_Visible && copy->m_Visible && copy->m_Enabled) {
      shown = copy;
      break;
    }
  }
  if (!known) throw ScenarioError("unknown tool " + key);
  // A command disabled in the tool set is disabled wherever it is placed;
  // visibility is a matter of each place.
  if (!shown || (master && !master->m_Enabled)) {
    throw ScenarioError("tool " + key + " is hidden or disabled");
  }
  return master ? master : shown;
}

}  // namespace refhost
