#include "refhost/services/viewers.h"

#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/services/component_registry.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::Variant;

constexpr const char* kVoucherForm = "QORVoucherEditLib.VoucherEdit";

// Opens a stored voucher: the host records which one.
void ShowVoucher(const std::string& source, const Variant& voucherId) {
  Session& session = CurrentSession();
  int32_t id = qor::CLng(voucherId);
  auto rs = session.Db().QueryParams("SELECT FVoucherID FROM t_Voucher WHERE FVoucherID = ?",
                                     {Variant(id)});
  if (rs->IsEOF()) {
    qor::RaiseError(qor::kErrInvalidCall, source,
                    "The voucher " + std::to_string(id) + " does not exist");
  }
  session.Run().Shown().voucher = Variant(id);
  session.Run().Trace("  voucher: " + std::to_string(id));
}

class VoucherEditForm : public qor::VoucherEditor {
 public:
  std::string TypeName() const override { return "VoucherEdit"; }
  qor::HostDictionaryPtr EditOptions() override { return m_Options; }
  void LoadVoucher(int32_t /*mode*/, const Variant& voucherId,
                   const qor::ObjectPtr& /*options*/) override {
    ShowVoucher(kVoucherForm, voucherId);
  }

 private:
  qor::HostDictionaryPtr m_Options = std::make_shared<qor::HostDictionary>();
};

// The ledger application: it shows its voucher editor form; other forms are
// not part of the host.
class LedgerApplication : public qor::GLApplication {
 public:
  std::string TypeName() const override { return "Application"; }
  qor::ObjectPtr ShowForm(const std::string& formName, const std::string& /*callerName*/,
                          bool /*modal*/, const std::string& /*caption*/) override {
    if (!qor::EqualsNoCase(formName, kVoucherForm)) return nullptr;
    return std::make_shared<VoucherEditForm>();
  }
};

class VoucherViewer : public qor::MVoucherEdit {
 public:
  std::string TypeName() const override { return "MVoucherEdit"; }
  void LoadVoucher(int32_t /*mode*/, const Variant& voucherId, const Variant& /*missing*/,
                   const qor::HostDictionaryPtr& /*options*/) override {
    ShowVoucher("QORMVEdit.MVoucherEdit", voucherId);
  }
};

class HelpViewer : public qor::HelpComponent {
 public:
  std::string TypeName() const override { return "ClsCHMHelp"; }
  void ShowHelp(const std::string& file, const std::string& topic, int32_t /*mode*/) override {
    HostRun& run = CurrentSession().Run();
    run.Shown().helpFile = file;
    run.Shown().helpTopic = topic;
    run.Trace("  help: " + file + (topic.empty() ? "" : " " + topic));
  }
};

// The result display: a table of text lines under column titles.
class ResultDisplay : public qor::DispBuilderComponent {
 public:
  std::string TypeName() const override { return "DispBuilder"; }
  // The column layout is not part of what the host records.
  void SetCols(int32_t /*cols*/) override {}
  void SetTitles(const std::string& titles) override { m_Titles = titles; }
  void SetColWidth(int32_t /*col*/, int32_t /*width*/) override {}
  void Show(const qor::HostVectorPtr& lines) override {
    int32_t count = lines ? lines->Count() : 0;
    HostRun& run = CurrentSession().Run();
    run.Shown().displayLines = count;
    run.Shown().displayTitles = m_Titles;
    run.Shown().displayRows.clear();
    for (int32_t i = 1; i <= count; ++i)
      run.Shown().displayRows.push_back(LineText(lines->Item(i)));
    if (!run.Tracing()) return;
    run.Trace("  display: " + m_Titles + " (" + std::to_string(count) + " lines)");
    for (const std::string& row : run.Shown().displayRows) run.Trace("    " + row);
  }

 private:
  static std::string LineText(const Variant& line) {
    auto columns = std::dynamic_pointer_cast<qor::HostVector>(line.ObjectValue());
    if (!columns) return qor::StrOf(line);
    std::string text;
    for (int32_t i = 1; i <= columns->Count(); ++i) {
      text += (i > 1 ? " | " : "") + qor::StrOf(columns->Item(i));
    }
    return text;
  }

  std::string m_Titles;
};

class RelatedBills : public qor::RelatedBillLookup {
 public:
  std::string TypeName() const override { return "RelateBilllookUp"; }
  void SetBillTypeID(int32_t id) override { m_BillTypeId = id; }
  void SetBillInterID(int32_t id) override { m_BillId = id; }
  void ShowList() override {
    HostRun& run = CurrentSession().Run();
    run.Shown().related = std::make_pair(m_BillTypeId, m_BillId);
    run.Trace("  related: " + std::to_string(m_BillTypeId) + " " + std::to_string(m_BillId));
  }

 private:
  int32_t m_BillTypeId = 0;
  int32_t m_BillId = 0;
};

// The product's bill window over a list recordset: it opens the first bill
// of the list, found by the key column marked primary (FISPrimary = 1) in the
// field descriptions, "FInterID" when none is.
class BillWindow : public qor::BillsComponent {
 public:
  std::string TypeName() const override { return "Bills"; }
  void SetSystemName(const std::string& /*name*/) override {}
  void SetLocalCnn(const std::string& /*connection*/) override {}
  void SetListRecordset(const qor::RecordsetPtr& rs) override { m_List = rs; }
  void SetListRSFieldVect(const qor::HostVectorPtr& fields) override { m_Fields = fields; }
  void SetOpt(int16_t /*userId*/, const std::string& /*userName*/) override {}
  void Show(int32_t /*a*/, int32_t /*b*/) override {
    if (!m_List) qor::RaiseError(91, "QORBills.Bills");
    m_List->MoveFirst();
    if (m_List->IsEOF()) return;
    int32_t billId = qor::CLng(m_List->Field(KeyColumn()));
    HostRun& run = CurrentSession().Run();
    run.Shown().billShown = billId;
    run.Trace("  bill shown: " + std::to_string(billId));
  }

 private:
  std::string KeyColumn() const {
    for (int32_t i = 1; m_Fields && i <= m_Fields->Count(); ++i) {
      auto field = std::dynamic_pointer_cast<qor::HostDictionary>(m_Fields->Item(i).ObjectValue());
      if (field && qor::Val(field->Item("FISPrimary")) == 1)
        return qor::StrOf(field->Item("FColName"));
    }
    return "FInterID";
  }

  qor::RecordsetPtr m_List;
  qor::HostVectorPtr m_Fields;
};

// Sets the font of a form for the login's language; the host's forms take
// the product's standard font, so only the request is traced.
class FormResources : public qor::FrmResLoader {
 public:
  std::string TypeName() const override { return "FrmResLoader"; }
  void SetFrmFont(const qor::ObjectPtr& form, const std::string& language) override {
    if (!form) qor::RaiseError(91, "QORFrmRes.FrmResLoader");
    CurrentSession().Run().Trace("  form font: " + form->TypeName() + " " + language);
  }
};

}  // namespace

void RegisterViewers(ComponentRegistry& registry) {
  registry.Register("QOREBOGL.Application", [] { return std::make_shared<LedgerApplication>(); });
  registry.Register("QORMVEdit.MVoucherEdit", [] { return std::make_shared<VoucherViewer>(); });
  registry.Register("QORCHMResTool.ClsCHMHelp", [] { return std::make_shared<HelpViewer>(); });
  registry.Register("QORDisplayer.DispBuilder", [] { return std::make_shared<ResultDisplay>(); });
  registry.Register("QORClassLookUp.RelateBilllookUp",
                    [] { return std::make_shared<RelatedBills>(); });
  registry.Register("QORBills.Bills", [] { return std::make_shared<BillWindow>(); });
  registry.Register("QORFrmRes.FrmResLoader", [] { return std::make_shared<FormResources>(); });
}

}  // namespace refhost
