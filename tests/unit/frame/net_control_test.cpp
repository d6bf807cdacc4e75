#include "frame/net_control.h"

#include <gtest/gtest.h>

#include "unit/frame/fake_platform.h"

namespace plugin_test {
namespace {

const char* const kConflictText =
    "当前使用的功能与当前或其他用户有冲突,可能无法使用! 请在软件的【系统工具】--【网络控制工具】中"
    "进行处理。";

TEST(NetControlExecFunc, TakesTheLockThroughTheLoginObject) {
  FakeProduct product(true);
  product.login->m_Handle = qor::Variant(57);
  RunOnFreshThread(product.platform, [&] {
    EXPECT_EQ(qorarap::ExecFunc(21, "AR0224", 0, 0, qor::Variant(812)), 57);
    EXPECT_EQ(qorarap::ExecFunc(21, "AR0225", 2, 3), 57);
  });
  EXPECT_EQ(product.platform->Created("QORNetControl.Mutex"), 0);
  ASSERT_EQ(product.login->m_Tasks.size(), 2u);
  const TaskCall& keyed = product.login->m_Tasks[0];
  EXPECT_EQ(keyed.funcType, 21);
  EXPECT_EQ(keyed.funcCode, "AR0224");
  EXPECT_EQ(keyed.machineName, "PC-TEST");
  EXPECT_EQ(keyed.mode, 3);
  ASSERT_TRUE(keyed.key.has_value());
  EXPECT_EQ(keyed.key->LongValue(), 812);
  const TaskCall& unkeyed = product.login->m_Tasks[1];
  EXPECT_EQ(unkeyed.a, 2);
  EXPECT_EQ(unkeyed.b, 3);
  EXPECT_FALSE(unkeyed.key.has_value());
}

TEST(NetControlExecFunc, WithoutLoginObjectAsksTheLockComponentWithTheProps) {
  FakeProduct product(false);
  product.mutex->m_Handle = qor::Variant(9.0);
  RunOnFreshThread(product.platform, [&] {
    EXPECT_EQ(qorarap::ExecFunc(21, "AP0302", 0, 0, qor::Variant("15")), 9);
  });
  ASSERT_EQ(product.mutex->m_Tasks.size(), 1u);
  const TaskCall& call = product.mutex->m_Tasks[0];
  EXPECT_EQ(call.propsString, FakeProduct::kProps);
  EXPECT_EQ(call.funcType, 21);
  EXPECT_EQ(call.funcCode, "AP0302");
  EXPECT_EQ(call.machineName, "PC-TEST");
  EXPECT_EQ(call.mode, 3);
  EXPECT_EQ(call.key->StringValue(), "15");
}

TEST(NetControlExecFunc, HandleBelowOneIsAConflict) {
  for (int handle : {0, -1}) {
    FakeProduct product(true);
    product.login->m_Handle = qor::Variant(handle);
    RunOnFreshThread(product.platform, [&] {
      try {
        qorarap::ExecFunc(21, "AR0224", 0, 0, qor::Variant(1));
        ADD_FAILURE() << "no conflict raised for handle " << handle;
      } catch (const qor::VbError& error) {
        EXPECT_EQ(error.Number(), 16390);
        EXPECT_EQ(error.Source(), "MNetControl.ExecFunc");
        EXPECT_EQ(error.Description(), kConflictText);
      }
    });
  }
}

TEST(NetControlReleaseFunc, NoHandleDoesNothing) {
  FakeProduct product(true);
  RunOnFreshThread(product.platform, [&] {
    int32_t handle = 0;
    EXPECT_FALSE(qorarap::ReleaseFunc(handle));
    EXPECT_EQ(handle, 0);
  });
  EXPECT_TRUE(product.login->m_Committed.empty());
  EXPECT_EQ(product.platform->Created("QORPropsMgr.ShareProps"), 0);
}

TEST(NetControlReleaseFunc, ReleasedHandleBecomesZero) {
  FakeProduct withLogin(true);
  RunOnFreshThread(withLogin.platform, [&] {
    int32_t handle = 31;
    EXPECT_TRUE(qorarap::ReleaseFunc(handle));
    EXPECT_EQ(handle, 0);
  });
  EXPECT_EQ(withLogin.login->m_Committed, std::vector<int32_t>{31});

  FakeProduct withoutLogin(false);
  RunOnFreshThread(withoutLogin.platform, [&] {
    int32_t handle = 32;
    EXPECT_TRUE(qorarap::ReleaseFunc(handle));
    EXPECT_EQ(handle, 0);
  });
  EXPECT_EQ(withoutLogin.mutex->m_Committed, std::vector<int32_t>{32});
  EXPECT_EQ(withoutLogin.mutex->m_CommitProps, std::vector<std::string>{FakeProduct::kProps});
}

TEST(NetControlReleaseFunc, RefusedOrFailedReleaseKeepsTheHandle) {
  FakeProduct refused(true);
  refused.login->m_CommitResult = false;
  RunOnFreshThread(refused.platform, [&] {
    int32_t handle = 40;
    EXPECT_FALSE(qorarap::ReleaseFunc(handle));
    EXPECT_EQ(handle, 40);
  });

  FakeProduct failing(true);
  failing.login->m_CommitError = true;
  RunOnFreshThread(failing.platform, [&] {
    int32_t handle = 41;
    EXPECT_FALSE(qorarap::ReleaseFunc(handle));
    EXPECT_EQ(handle, 41);
  });
  EXPECT_EQ(failing.login->m_Committed, std::vector<int32_t>{41});

  // No lock component at all: the error is swallowed too.
  auto bare = std::make_shared<FakePlatform>();
  auto props = std::make_shared<FakeShareProps>();
  bare->Register("QORPropsMgr.ShareProps", [props] { return props; });
  RunOnFreshThread(bare, [&] {
    int32_t handle = 42;
    EXPECT_FALSE(qorarap::ReleaseFunc(handle));
    EXPECT_EQ(handle, 42);
  });
}

}  // namespace
}  // namespace plugin_test
