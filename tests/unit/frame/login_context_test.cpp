#include "frame/login_context.h"

#include <gtest/gtest.h>

#include "unit/frame/fake_platform.h"

namespace plugin_test {
namespace {

TEST(LoginContext, ReadsTheLoginFromTheProcessSharedStore) {
  FakeProduct product(true);
  RunOnFreshThread(product.platform, [&] {
    EXPECT_EQ(qorarap::GetPropsString(), FakeProduct::kProps);
    EXPECT_EQ(qorarap::GetSessionUserName(), "manager");
    EXPECT_EQ(qorarap::GetLoginObject(), product.login);
    EXPECT_EQ(qorarap::GetSharedProperty("UserName").StringValue(), "manager");
  });
  // Every read asks a new store for the entry of this process.
  EXPECT_EQ(product.platform->Created("QORPropsMgr.ShareProps"), 4);
  EXPECT_EQ(product.props->m_AskedProcessIds, std::vector<int32_t>(4, 4242));
}

TEST(LoginContext, LoginObjectIsNothingUnlessTheStoreHoldsAnObject) {
  FakeProduct product(false);
  RunOnFreshThread(product.platform, [&] { EXPECT_EQ(qorarap::GetLoginObject(), nullptr); });
  product.props->m_Values["QORLogin"] = qor::Variant("not an object");
  RunOnFreshThread(product.platform, [&] { EXPECT_EQ(qorarap::GetLoginObject(), nullptr); });
}

TEST(LoginContext, PropsStringIsReadAnewEachTime) {
  FakeProduct product(false);
  RunOnFreshThread(product.platform, [&] {
    EXPECT_EQ(qorarap::GetPropsString(), FakeProduct::kProps);
    product.props->m_Values["PropsString"] = qor::Variant("UserName=other");
    EXPECT_EQ(qorarap::GetPropsString(), "UserName=other");
  });
}

TEST(LoginContext, MachineNameIsCutTrimmedAndNeverEmpty) {
  struct Case {
    std::string computerName;
    std::string expected;
  };
  const std::string fifty(50, 'M');
  const Case cases[] = {
      {"PC-ALICE", "PC-ALICE"},
      {"  PC-BOB  ", "PC-BOB"},
      {fifty, std::string(40, 'M')},
      // Cut first, then trimmed: the blanks at position 38 and 39 go too.
      {std::string(38, 'A') + "  BCD", std::string(38, 'A')},
      // Characters, not bytes: forty Chinese characters of three bytes each.
      {[] {
         std::string s;
         for (int i = 0; i < 45; ++i) s += "青";
         return s;
       }(),
       [] {
         std::string s;
         for (int i = 0; i < 40; ++i) s += "青";
         return s;
       }()},
      {"", "NoName"},
      {"     ", "NoName"},
  };
  for (const Case& c : cases) {
    FakeProduct product(false);
    product.platform->m_ComputerName = c.computerName;
    RunOnFreshThread(product.platform,
                     [&] { EXPECT_EQ(qorarap::GetMachineName(), c.expected) << c.computerName; });
  }
}

TEST(LoginContext, LedgerViewIsCreatedOncePerThread) {
  FakeProduct product(false);
  int created = 0;
  product.platform->Register("QOREBCGLView.GLData", [&created]() -> qor::ObjectPtr {
    ++created;
    return std::make_shared<FakeGLData>();
  });
  std::shared_ptr<qor::GLDataComponent> first;
  RunOnFreshThread(product.platform, [&] {
    first = qorarap::GetGLData();
    EXPECT_EQ(qorarap::GetGLData(), first);
  });
  EXPECT_EQ(created, 1);
  RunOnFreshThread(product.platform, [&] { EXPECT_NE(qorarap::GetGLData(), first); });
  EXPECT_EQ(created, 2);
}

}  // namespace
}  // namespace plugin_test
