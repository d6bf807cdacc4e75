#include "common/messages.h"

#include "host_fixture.h"

namespace common_test {
namespace {

class MessagesTest : public HostTest {};

TEST_F(MessagesTest, ShowMessageDropsTheEntryNameAndReturnsTheAnswer) {
  m_Run->QueueAnswer(qorarap::kAnswerYes);
  int32_t answer = 0;
  OnSession([&] {
    answer = qorarap::ShowMessage("单据体1第2行金额为零，单据体1是否继续？",
                                  qorarap::kMsgYesNoInformation, qorarap::kMessageTitle);
  });
  EXPECT_EQ(answer, 6);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "第2行金额为零，是否继续？");
  EXPECT_EQ(Messages()[0].buttons, 68);
  EXPECT_EQ(Messages()[0].title, "青岚提示");
}

TEST_F(MessagesTest, ShowInfoIsAnInformationBoxWithTheStandardTitle) {
  OnSession([] { qorarap::ShowInfo("没有权限,请与系统管理员联系"); });
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "没有权限,请与系统管理员联系");
  EXPECT_EQ(Messages()[0].buttons, 64);
  EXPECT_EQ(Messages()[0].title, "青岚提示");
}

}  // namespace
}  // namespace common_test
