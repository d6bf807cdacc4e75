#pragma once

namespace refhost {

class ComponentRegistry;

// The components that run SQL text on the session's connection and return
// its rows: "QORConnection.AppConnection", "QORMAppConnection.AppConnection",
// "QORBillDataAccess.GetData", "QORClassTpl.Datasrv",
// "QORBOMMImpAndExp.cImpAndExp"; and "QORBillDataAccess.SysInfo" reading the
// system profile.
void RegisterDataAccess(ComponentRegistry& registry);

}  // namespace refhost
