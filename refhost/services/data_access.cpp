#include "refhost/services/data_access.h"

#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/system_services.h"
#include "refhost/session.h"

namespace refhost {

namespace {

// The text runs as the library wrote it: the connection makes its T-SQL run.
qor::RecordsetPtr RunText(const std::string& sql) { return CurrentSession().Db().Query(sql); }

class Connection : public qor::AppConnection {
 public:
  std::string TypeName() const override { return "AppConnection"; }
  // Every connection string of the login names the session's own database.
  qor::RecordsetPtr Execute(const std::string& /*connectString*/, const std::string& sql) override {
    return RunText(sql);
  }
};

class BillDataAccess : public qor::BillDataAccessComponent {
 public:
  std::string TypeName() const override { return "GetData"; }
  qor::RecordsetPtr ExecuteSql(const std::string& /*propsString*/,
                               const std::string& sql) override {
    return RunText(sql);
  }
};

class TemplateDataSource : public qor::ClassTplDataSrv {
 public:
  std::string TypeName() const override { return "Datasrv"; }
  qor::RecordsetPtr GetData(const std::string& sql) override { return RunText(sql); }
};

class ImportExport : public qor::ImpAndExpComponent {
 public:
  std::string TypeName() const override { return "cImpAndExp"; }
  qor::RecordsetPtr getRS(const std::string& /*propsString*/, const std::string& sql) override {
    return RunText(sql);
  }
};

class SysInfo : public qor::SysInfoComponent {
 public:
  std::string TypeName() const override { return "SysInfo"; }
  std::string GetSysValue(const std::string& /*propsString*/, const std::string& category,
                          const std::string& key) override {
    return ReadSystemProfile(category, key);
  }
};

}  // namespace

void RegisterDataAccess(ComponentRegistry& registry) {
  registry.Register("QORConnection.AppConnection", [] { return std::make_shared<Connection>(); });
  registry.Register("QORMAppConnection.AppConnection",
                    [] { return std::make_shared<Connection>(); });
  registry.Register("QORBillDataAccess.GetData", [] { return std::make_shared<BillDataAccess>(); });
  registry.Register("QORClassTpl.Datasrv", [] { return std::make_shared<TemplateDataSource>(); });
  registry.Register("QORBOMMImpAndExp.cImpAndExp", [] { return std::make_shared<ImportExport>(); });
  registry.Register("QORBillDataAccess.SysInfo", [] { return std::make_shared<SysInfo>(); });
}

}  // namespace refhost
