// The eight plug-in classes against recording host objects and components:
// registration, creation, Show binding and what the terminators release.

#include <gtest/gtest.h>

#include <map>

#include "host/plugin_class.h"
#include "plugin/registration.h"
#include "unit/frame/fake_platform.h"
#include "unit/plugin/fake_host_objects.h"

namespace plugin_test {
namespace {

const char* const kPrefix = "QORARAPBillInterface.";

std::map<std::string, std::function<qor::ObjectPtr()>> RegisteredClasses() {
  std::map<std::string, std::function<qor::ObjectPtr()>> classes;
  qorarap::RegisterPluginClasses(
      [&](const std::string& progId, std::function<qor::ObjectPtr()> factory) {
        EXPECT_TRUE(classes.emplace(progId, std::move(factory)).second) << progId;
      });
  return classes;
}

std::shared_ptr<qor::PluginClass> CreateClass(const std::string& className) {
  auto classes = RegisteredClasses();
  auto it = classes.find(kPrefix + className);
  if (it == classes.end()) throw std::runtime_error("not registered: " + className);
  auto plugin = std::dynamic_pointer_cast<qor::PluginClass>(it->second());
  if (!plugin) throw std::runtime_error("not a plug-in class: " + className);
  return plugin;
}

TEST(PluginClasses, EightClassesAreCreatedByIdentifier) {
  const std::vector<std::string> names = {"clsInvoice",         "clsPOtherBill", "clsPayBill",
                                          "clsROtherBill",      "clsRPInitial",  "clsRPInOutType",
                                          "clsRPInOutTypeView", "clsReceiveBill"};
  auto classes = RegisteredClasses();
  std::vector<std::string> identifiers;
  for (const auto& entry : classes) identifiers.push_back(entry.first);
  std::vector<std::string> expected;
  for (const auto& name : names) expected.push_back(kPrefix + name);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(identifiers, expected);

  FakeProduct product(false);
  RunOnFreshThread(product.platform, [&] {
    for (const auto& name : names) {
      auto plugin = CreateClass(name);
      EXPECT_EQ(plugin->TypeName(), name);
      EXPECT_NE(plugin, CreateClass(name)) << "a new instance per window";
    }
  });
  // The other bills and the type tree read every type once per instance, by props only.
  EXPECT_EQ(product.types->m_Reads, std::vector<std::string>(6, FakeProduct::kProps));
  EXPECT_FALSE(product.types->m_ReadWithId);
}

TEST(PluginClasses, FailingTypeServiceFailsTheCreation) {
  auto platform = std::make_shared<FakePlatform>();
  auto props = std::make_shared<FakeShareProps>();
  platform->Register("QORPropsMgr.ShareProps", [props] { return props; });
  RunOnFreshThread(platform, [&] {
    for (const char* name : {"clsROtherBill", "clsPOtherBill", "clsRPInOutType"}) {
      try {
        CreateClass(name);
        ADD_FAILURE() << name << " created without its types";
      } catch (const qor::VbError& error) {
        EXPECT_EQ(error.Number(), qor::kErrCannotCreate);
        EXPECT_EQ(error.Source(), "QORebsArApBill.clsInOutType");
      }
    }
    for (const char* name :
         {"clsReceiveBill", "clsPayBill", "clsInvoice", "clsRPInitial", "clsRPInOutTypeView"}) {
      EXPECT_NO_THROW(CreateClass(name)) << name;
    }
  });
}

enum class Binding { Bound, Ignored, TypeMismatch };

// Shows the class one object and tells whether it subscribed to it.
template <class HostObject>
Binding ShowOne(const std::string& className, const std::shared_ptr<HostObject>& object) {
  auto plugin = CreateClass(className);
  try {
    plugin->Show(object);
  } catch (const qor::VbError& error) {
    EXPECT_EQ(error.Number(), qor::kErrTypeMismatch);
    EXPECT_FALSE(object->Events().HasSinks());
    return Binding::TypeMismatch;
  }
  return object->Events().HasSinks() ? Binding::Bound : Binding::Ignored;
}

TEST(PluginClasses, ShowBindsTheObjectsEachClassAccepts) {
  struct Row {
    std::string className;
    Binding bill, list, base, billNamedOtherwise;
  };
  using B = Binding;
  const Row rows[] = {
      {"clsReceiveBill", B::Bound, B::Bound, B::Ignored, B::Ignored},
      {"clsPayBill", B::Bound, B::Bound, B::Ignored, B::Ignored},
      {"clsROtherBill", B::Bound, B::Bound, B::Ignored, B::Ignored},
      {"clsPOtherBill", B::Bound, B::Bound, B::Ignored, B::Ignored},
      {"clsRPInOutType", B::Bound, B::Ignored, B::Bound, B::Ignored},
      {"clsInvoice", B::TypeMismatch, B::Bound, B::TypeMismatch, B::TypeMismatch},
      {"clsRPInitial", B::TypeMismatch, B::Bound, B::TypeMismatch, B::TypeMismatch},
      {"clsRPInOutTypeView", B::TypeMismatch, B::TypeMismatch, B::Bound, B::TypeMismatch},
  };
  FakeProduct product(false);
  RunOnFreshThread(product.platform, [&] {
    for (const Row& row : rows) {
      SCOPED_TRACE(row.className);
      EXPECT_EQ(ShowOne(row.className, std::make_shared<FakeBillEvent>()), row.bill);
      EXPECT_EQ(ShowOne(row.className, std::make_shared<FakeListEvents>()), row.list);
      EXPECT_EQ(ShowOne(row.className, std::make_shared<FakeBaseClassEvent>()), row.base);
      // The type name is compared case-sensitively.
      EXPECT_EQ(ShowOne(row.className, std::make_shared<FakeBillEvent>("billEvent")),
                row.billNamedOtherwise);
    }
  });
}

TEST(PluginClasses, SettlementListBindingFetchesRowsAndDefinition) {
  FakeProduct product(false);
  RunOnFreshThread(product.platform, [&] {
    for (const char* name : {"clsReceiveBill", "clsPayBill"}) {
      auto list = std::make_shared<FakeListEvents>();
      CreateClass(name)->Show(list);
      EXPECT_EQ(list->m_RecordsetReads, 1) << name;
      EXPECT_EQ(list->m_DefinitionReads, 1) << name;
    }
    for (const char* name : {"clsROtherBill", "clsPOtherBill", "clsInvoice", "clsRPInitial"}) {
      auto list = std::make_shared<FakeListEvents>();
      CreateClass(name)->Show(list);
      EXPECT_EQ(list->m_RecordsetReads + list->m_DefinitionReads, 0) << name;
    }
  });
}

TEST(PluginClasses, InstanceShownTwiceKeepsBothObjectsUntilDestroyed) {
  FakeProduct product(false);
  RunOnFreshThread(product.platform, [&] {
    auto tree = std::make_shared<FakeBaseClassEvent>();
    auto card = std::make_shared<FakeBillEvent>();
    auto nextCard = std::make_shared<FakeBillEvent>();
    auto plugin = CreateClass("clsRPInOutType");
    plugin->Show(tree);
    plugin->Show(card);
    EXPECT_TRUE(tree->Events().HasSinks());
    EXPECT_TRUE(card->Events().HasSinks());
    // A second card replaces the first; the tree stays bound.
    plugin->Show(nextCard);
    EXPECT_FALSE(card->Events().HasSinks());
    EXPECT_TRUE(nextCard->Events().HasSinks());
    EXPECT_TRUE(tree->Events().HasSinks());
    plugin.reset();
    EXPECT_FALSE(tree->Events().HasSinks());
    EXPECT_FALSE(nextCard->Events().HasSinks());
  });
}

struct LockCase {
  std::string className;
  std::string idField;
  std::string modifyCode;
};

const LockCase kLockCases[] = {
    {"clsReceiveBill", "FBillId", "AR0224"},
    {"clsPayBill", "FBillId", "AP0224"},
    {"clsROtherBill", "FBillId", "AR0302"},
    {"clsPOtherBill", "FBillId", "AP0302"},
};

// Creates the class, shows it a bill whose header holds the ids and loads it.
std::shared_ptr<qor::PluginClass> LoadedClass(const std::string& className,
                                              const std::shared_ptr<FakeBillEvent>& bill) {
  auto plugin = CreateClass(className);
  plugin->Show(bill);
  // The load handlers go on to arrange the editor, which this fake does not
  // carry; the id they read first is all these tests need.
  try {
    bill->RaiseAfterLoadBill();
  } catch (const qor::VbError&) {
  }
  return plugin;
}

TEST(PluginClasses, TerminatorReleasesTheUsersModifyLocksOfTheLoadedRecord) {
  for (const LockCase& c : kLockCases) {
    SCOPED_TRACE(c.className);
    FakeProduct product(false);
    product.mutex->m_Held = std::make_shared<qor::HostVector>();
    product.mutex->m_Held->Add(qor::Variant(5));
    RunOnFreshThread(product.platform, [&] {
      auto bill = std::make_shared<FakeBillEvent>();
      bill->SetHeader("FBillId", qor::Variant(" 77 "));
      bill->SetHeader("FID", qor::Variant(77.0));
      bill->SetHeader(c.idField == "FID" ? "FBillId" : "FID", qor::Variant(3));
      auto plugin = LoadedClass(c.className, bill);
      EXPECT_EQ(product.platform->Created("QORNetControl.Mutex"), 0);
      plugin.reset();
      EXPECT_FALSE(bill->Events().HasSinks());
    });
    ASSERT_EQ(product.mutex->m_Lookups.size(), 1u);
    EXPECT_EQ(product.mutex->m_Lookups[0].propsString, FakeProduct::kProps);
    EXPECT_EQ(product.mutex->m_Lookups[0].funcCode, c.modifyCode);
    EXPECT_EQ(product.mutex->m_Lookups[0].recordId, 77);
    ASSERT_EQ(product.mutex->m_Batches.size(), 1u);
    EXPECT_EQ(product.mutex->m_Batches[0], product.mutex->m_Held);
    EXPECT_EQ(product.mutex->m_BatchProps[0], FakeProduct::kProps);
  }
}

TEST(PluginClasses, ALockThatCannotBeReleasedIsReportedOnce) {
  for (const LockCase& c : kLockCases) {
    SCOPED_TRACE(c.className);
    FakeProduct product(false);
    product.mutex->m_Held = std::make_shared<qor::HostVector>();
    product.mutex->m_Held->Add(qor::Variant(5));
    product.mutex->m_BatchResult = false;
    RunOnFreshThread(product.platform, [&] {
      auto bill = std::make_shared<FakeBillEvent>();
      bill->SetHeader("FBillId", qor::Variant(77));
      bill->SetHeader("FID", qor::Variant(77));
      auto plugin = LoadedClass(c.className, bill);
      int reported = 0;
      for (int attempt = 0; attempt < 2; ++attempt) {
        try {
          plugin->Terminate();
        } catch (const qor::VbError& error) {
          ++reported;
          EXPECT_EQ(error.Source(), "QORNetControl.Mutex");
          EXPECT_NE(error.Description().find("锁定"), std::string::npos);
        }
      }
      EXPECT_EQ(reported, 1);
      // The report comes last: the window is let go of all the same.
      EXPECT_FALSE(bill->Events().HasSinks());
      EXPECT_NO_THROW(plugin.reset());
    });
    EXPECT_EQ(product.mutex->m_Batches.size(), 1u);
    // The settlement bills still reset the ledger view's delete options.
    const bool settlement = c.className == "clsReceiveBill" || c.className == "clsPayBill";
    EXPECT_EQ(product.glData->m_DeleteOptions, !settlement);
    EXPECT_EQ(product.glData->m_CurrencySet->m_Refreshes, c.className == "clsReceiveBill" ? 1 : 0);
  }
}

TEST(PluginClasses, TerminatorWithoutLoadedRecordOrHeldLocksReleasesNothing) {
  for (const LockCase& c : kLockCases) {
    SCOPED_TRACE(c.className);
    FakeProduct neverLoaded(false);
    RunOnFreshThread(neverLoaded.platform, [&] {
      auto bill = std::make_shared<FakeBillEvent>();
      CreateClass(c.className)->Show(bill);
    });
    EXPECT_EQ(neverLoaded.platform->Created("QORNetControl.Mutex"), 0);

    FakeProduct nothingHeld(false);
    RunOnFreshThread(nothingHeld.platform, [&] {
      auto bill = std::make_shared<FakeBillEvent>();
      bill->SetHeader(c.idField, qor::Variant(12));
      LoadedClass(c.className, bill);
    });
    EXPECT_EQ(nothingHeld.mutex->m_Lookups.size(), 1u);
    EXPECT_TRUE(nothingHeld.mutex->m_Batches.empty());
  }
}

TEST(PluginClasses, OnlyTheReceiptRefreshesTheCurrenciesWhenDestroyed) {
  struct Case {
    std::string className;
    int refreshes;
    bool touchesLedgerView;
  };
  const Case cases[] = {
      {"clsReceiveBill", 1, true}, {"clsPayBill", 0, true},          {"clsROtherBill", 0, false},
      {"clsPOtherBill", 0, false}, {"clsRPInOutType", 0, false},     {"clsInvoice", 0, false},
      {"clsRPInitial", 0, false},  {"clsRPInOutTypeView", 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    FakeProduct product(false);
    RunOnFreshThread(product.platform, [&] { CreateClass(c.className); });
    EXPECT_EQ(product.glData->m_CurrencySet->m_Refreshes, c.refreshes);
    EXPECT_EQ(product.platform->Created("QOREBCGLView.GLData"), c.touchesLedgerView ? 1 : 0);
    EXPECT_EQ(product.glData->m_DeleteOptions, !c.touchesLedgerView);
  }
}

TEST(PluginClasses, TerminatorErrorReachesTheHostAndDestructorsNeverThrow) {
  FakeProduct product(false);
  auto platform = std::make_shared<FakePlatform>();
  platform->Register("QORPropsMgr.ShareProps", [p = product.props] { return p; });
  platform->Register("QOREBCGLView.GLData", [g = product.glData] { return g; });
  RunOnFreshThread(platform, [&] {
    auto bill = std::make_shared<FakeBillEvent>();
    bill->SetHeader("FBillId", qor::Variant(8));
    auto plugin = LoadedClass("clsPayBill", bill);
    // The host's terminate step raises the error to the host, once.
    try {
      plugin->Terminate();
      ADD_FAILURE() << "the lock component cannot be created: Terminate must fail";
    } catch (const qor::VbError& error) {
      EXPECT_EQ(error.Number(), 429);
      EXPECT_EQ(error.Source(), "QORNetControl.Mutex");
    }
    EXPECT_TRUE(plugin->IsTerminated());
    EXPECT_NO_THROW(plugin->Terminate());
    EXPECT_NO_THROW(plugin.reset());

    // Dropped without the terminate step: the destructor terminates quietly.
    auto other = LoadedClass("clsReceiveBill", bill);
    EXPECT_NO_THROW(other.reset());
  });
  // The plug-in shows nothing itself: showing is the host's part.
  EXPECT_TRUE(platform->m_Messages.empty());
}

}  // namespace
}  // namespace plugin_test
