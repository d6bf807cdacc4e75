#include "common/props.h"
#include "frame/login_context.h"
#include "host_fixture.h"

namespace common_test {
namespace {

class LoginPropsTest : public HostTest {};

TEST_F(LoginPropsTest, ReadsSingleValuesStraightFromTheLogin) {
  LoginAs(3);
  std::string userId;
  std::string machine;
  std::string language;
  std::string absent;
  std::string connect;
  OnSession([&] {
    userId = qorarap::GetPropsStringValue("userid");
    machine = qorarap::GetPropsStringValue("Machine");
    language = qorarap::GetPropsStringValue("LANGUAGE");
    absent = qorarap::GetPropsStringValue("Password");
    connect = qorarap::GetPropsStringValue("ConnectString");
  });
  EXPECT_EQ(userId, "3");
  EXPECT_EQ(machine, "PC-A");
  EXPECT_EQ(language, "chs");
  EXPECT_EQ(absent, "");
  // Read up to the first ";", braces or not.
  EXPECT_EQ(connect, "{Provider=SQLite");
}

}  // namespace
}  // namespace common_test
