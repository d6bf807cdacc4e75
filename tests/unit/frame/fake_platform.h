#pragma once

// A platform and service components recording what the plug-in frame asks
// of them, for tests that run on their own thread without the reference host.

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/host_dictionary.h"
#include "host/components.h"
#include "host/platform.h"

namespace plugin_test {

struct ShownMessage {
  std::string text;
  int32_t buttons = 0;
  std::string title;
};

class FakePlatform : public qor::Platform {
 public:
  void Register(const std::string& progId, std::function<qor::ObjectPtr()> factory) {
    m_Factories[progId] = std::move(factory);
  }
  int Created(const std::string& progId) const {
    auto it = m_Created.find(progId);
    return it == m_Created.end() ? 0 : it->second;
  }

  qor::ObjectPtr CreateObject(const std::string& progId) override {
    auto it = m_Factories.find(progId);
    if (it == m_Factories.end()) qor::RaiseError(qor::kErrCannotCreate, progId);
    ++m_Created[progId];
    return it->second();
  }
  int32_t MsgBox(const std::string& text, int32_t buttons, const std::string& title) override {
    m_Messages.push_back({text, buttons, title});
    return 1;
  }
  std::string ComputerName() override { return m_ComputerName; }
  int32_t ProcessId() override { return m_ProcessId; }
  void StartHelpViewer(const std::string&, const std::string&) override {
    qor::RaiseError(qor::kErrNoSuchMember, "FakePlatform", "StartHelpViewer");
  }
  std::string Dir(const std::string&) override { return ""; }
  int32_t GetAttr(const std::string&) override {
    qor::RaiseError(qor::kErrNoSuchMember, "FakePlatform", "GetAttr");
  }
  double Now() override { return 0; }

  std::string m_ComputerName = "PC-TEST";
  int32_t m_ProcessId = 4242;
  std::vector<ShownMessage> m_Messages;

 private:
  std::map<std::string, std::function<qor::ObjectPtr()>> m_Factories;
  std::map<std::string, int> m_Created;
};

// Runs the work on a new thread with the platform installed there, so that
// the library's per-thread caches start empty; failures come back.
inline void RunOnFreshThread(const std::shared_ptr<FakePlatform>& platform,
                             const std::function<void()>& work) {
  std::exception_ptr failure;
  std::thread thread([&] {
    qor::InstallPlatform(platform);
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    qor::InstallPlatform(nullptr);
  });
  thread.join();
  if (failure) std::rethrow_exception(failure);
}

class FakeShareProps : public qor::SharePropsComponent {
 public:
  std::string TypeName() const override { return "ShareProps"; }
  qor::Variant GetProperty(int32_t processId, const std::string& key) override {
    m_AskedProcessIds.push_back(processId);
    auto it = m_Values.find(key);
    return it == m_Values.end() ? qor::Variant() : it->second;
  }
  std::map<std::string, qor::Variant> m_Values;
  std::vector<int32_t> m_AskedProcessIds;
};

struct TaskCall {
  std::string propsString;  // "" through the login object
  int32_t funcType = 0;
  std::string funcCode;
  std::string machineName;
  int32_t mode = 0;
  int16_t a = 0;
  int16_t b = 0;
  std::optional<qor::Variant> key;
};

class FakeLoginObject : public qor::LoginObject {
 public:
  std::string TypeName() const override { return "Login"; }
  qor::Variant TaskExec(int32_t funcType, const std::string& funcCode,
                        const std::string& machineName, int32_t mode, int16_t a, int16_t b,
                        const std::optional<qor::Variant>& key) override {
    m_Tasks.push_back({"", funcType, funcCode, machineName, mode, a, b, key});
    return m_Handle;
  }
  bool CommitTask(int32_t& handle) override {
    m_Committed.push_back(handle);
    if (m_CommitError) qor::RaiseError(5, "Login.CommitTask", "lock table unavailable");
    return m_CommitResult;
  }
  qor::Variant m_Handle = 1;
  bool m_CommitResult = true;
  bool m_CommitError = false;
  std::vector<TaskCall> m_Tasks;
  std::vector<int32_t> m_Committed;
};

class FakeMutex : public qor::NetControlMutex {
 public:
  std::string TypeName() const override { return "Mutex"; }
  qor::Variant TaskExec(const std::string& propsString, int32_t funcType,
                        const std::string& funcCode, const std::string& machineName, int32_t mode,
                        int16_t a, int16_t b, const std::optional<qor::Variant>& key) override {
    m_Tasks.push_back({propsString, funcType, funcCode, machineName, mode, a, b, key});
    return m_Handle;
  }
  bool CommitTask(const std::string& propsString, int32_t& handle) override {
    m_CommitProps.push_back(propsString);
    m_Committed.push_back(handle);
    return true;
  }
  qor::Variant GetTaskIdByUserInfo(const std::string& propsString, const std::string& funcCode,
                                   int32_t& recordId) override {
    m_Lookups.push_back({propsString, funcCode, recordId});
    return m_Held ? qor::Variant(m_Held) : qor::Variant();
  }
  bool BatchCommitTask(const std::string& propsString, const qor::HostVectorPtr& handles) override {
    m_BatchProps.push_back(propsString);
    m_Batches.push_back(handles);
    return true;
  }

  struct Lookup {
    std::string propsString;
    std::string funcCode;
    int32_t recordId = 0;
  };
  qor::Variant m_Handle = 1;
  qor::HostVectorPtr m_Held;  // nullptr: the user holds nothing
  std::vector<TaskCall> m_Tasks;
  std::vector<std::string> m_CommitProps;
  std::vector<int32_t> m_Committed;
  std::vector<Lookup> m_Lookups;
  std::vector<std::string> m_BatchProps;
  std::vector<qor::HostVectorPtr> m_Batches;
};

class FakeCurrencySet : public qor::CurrencySet {
 public:
  std::string TypeName() const override { return "CurrencySet"; }
  void Refresh() override { ++m_Refreshes; }
  int m_Refreshes = 0;
};

class FakeGLData : public qor::GLDataComponent {
 public:
  std::string TypeName() const override { return "GLData"; }
  std::shared_ptr<qor::CurrencyInfo> GetCurrency(int32_t) override {
    qor::RaiseError(qor::kErrNoSuchMember, "GLData", "GetCurrency");
  }
  std::shared_ptr<qor::CurrencySet> GetCurrencySet() override { return m_CurrencySet; }
  qor::Variant SystemProfile(const std::string&, const std::string&) override { return {}; }
  bool DeleteOptions() const override { return m_DeleteOptions; }
  void SetDeleteOptions(bool value) override { m_DeleteOptions = value; }
  bool AccessCheck(int32_t&, int32_t&, int32_t&) override { return true; }
  void WriteLog(const qor::Variant&, const qor::Variant&, const qor::Variant&) override {}

  bool m_DeleteOptions = true;
  std::shared_ptr<FakeCurrencySet> m_CurrencySet = std::make_shared<FakeCurrencySet>();
};

class FakeInOutTypes : public qor::InOutTypeComponent {
 public:
  std::string TypeName() const override { return "InOutType"; }
  qor::RecordsetPtr GetRPInOutTypeInfo(const std::string& propsString,
                                       const std::optional<qor::Variant>& id,
                                       const std::optional<qor::Variant>&,
                                       const std::optional<qor::Variant>&,
                                       const std::optional<qor::Variant>&,
                                       const std::optional<qor::Variant>&) override {
    m_Reads.push_back(propsString);
    m_ReadWithId = m_ReadWithId || id.has_value();
    return std::make_shared<qor::Recordset>();
  }
  bool CheckRPInOutTypeUsed(const std::string&, const qor::Variant&,
                            const std::optional<qor::Variant>&) override {
    return false;
  }
  bool IsSameAcctId(const std::string&, const std::string&, int32_t) override { return false; }
  std::vector<std::string> m_Reads;
  bool m_ReadWithId = false;
};

// The product as the frame needs it: the shared property store (with or
// without a login object), the lock component, the ledger view and the
// type service, each one instance the test can inspect.
struct FakeProduct {
  explicit FakeProduct(bool withLogin) {
    props->m_Values["PropsString"] = qor::Variant(kProps);
    props->m_Values["UserName"] = qor::Variant("manager");
    if (withLogin) props->m_Values["QORLogin"] = qor::Variant(login);
    platform->Register("QORPropsMgr.ShareProps", [p = props] { return p; });
    platform->Register("QORNetControl.Mutex", [m = mutex] { return m; });
    platform->Register("QOREBCGLView.GLData", [g = glData] { return g; });
    platform->Register("QORebsArApBill.clsInOutType", [t = types] { return t; });
  }

  static constexpr const char* kProps = "UserName=manager;UserID=1;Language=chs";
  std::shared_ptr<FakePlatform> platform = std::make_shared<FakePlatform>();
  std::shared_ptr<FakeShareProps> props = std::make_shared<FakeShareProps>();
  std::shared_ptr<FakeLoginObject> login = std::make_shared<FakeLoginObject>();
  std::shared_ptr<FakeMutex> mutex = std::make_shared<FakeMutex>();
  std::shared_ptr<FakeGLData> glData = std::make_shared<FakeGLData>();
  std::shared_ptr<FakeInOutTypes> types = std::make_shared<FakeInOutTypes>();
};

}  // namespace plugin_test
