#include "common/rights.h"

#include "common/vouchers.h"
#include "host_fixture.h"

namespace common_test {
namespace {

using qorarap::CanUncheckBill;
using qorarap::CheckAccess;
using qorarap::CheckVoucherAccountRight;
using qorarap::HasVoucherAccountRights;

class RightsTest : public HostTest {};

TEST_F(RightsTest, CheckAccessGrantsTheRightsOfTheUser) {
  LoginAs(3);  // the cashier may only check receipt and payment bills
  bool check = false;
  bool remove = true;
  OnSession([&] {
    check = CheckAccess(1010, 1000201, 1);
    remove = CheckAccess(1010, 1000201, 65536);
  });
  EXPECT_TRUE(check);
  EXPECT_FALSE(remove);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "没有权限,请与系统管理员联系");
  EXPECT_EQ(Messages()[0].buttons, 64);
  EXPECT_EQ(Messages()[0].title, "青岚提示");
}

TEST_F(RightsTest, VoucherAccountRightsFollowTheAccountsOfTheVoucher) {
  // Voucher 4 posts to account 13, which the cashier (user 3) may not see.
  LoginAs(3);
  bool restricted = true;
  bool open = false;
  bool checked = true;
  OnSession([&] {
    restricted = HasVoucherAccountRights(4);
    open = HasVoucherAccountRights(1);
    checked = CheckVoucherAccountRight(4);
  });
  EXPECT_FALSE(restricted);
  EXPECT_TRUE(open);
  EXPECT_FALSE(checked);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "存在您无科目权限的会计科目，请系统管理员授权后再进入！");
  EXPECT_EQ(Messages()[0].buttons, 64);

  // The accountant's account rights are not enforced.
  LoginAs(2);
  bool accountant = false;
  OnSession([&] { accountant = HasVoucherAccountRights(4) && CheckVoucherAccountRight(4); });
  EXPECT_TRUE(accountant);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(RightsTest, OnlyTheCheckerMayUncheckWhenTheSystemRequiresIt) {
  LoginAs(2);
  auto canUncheck = [this](const qor::Variant& checker) {
    bool result = false;
    OnSession([&] { result = CanUncheckBill(m_Session->PropsString(), checker); });
    return result;
  };
  EXPECT_TRUE(canUncheck(1));  // the option is off in the demo company
  Sql("INSERT OR REPLACE INTO t_SystemProfile (FCategory, FKey, FValue) "
      "VALUES ('IC', 'chkIC_UnCheckSelfBill', '1')");
  EXPECT_FALSE(canUncheck(1));
  EXPECT_TRUE(canUncheck(2));
  EXPECT_TRUE(canUncheck("2"));
  EXPECT_FALSE(canUncheck(qor::Variant::Null()));
  Sql("UPDATE t_SystemProfile SET FValue = '0' WHERE FKey = 'chkIC_UnCheckSelfBill'");
  EXPECT_TRUE(canUncheck(1));
}

class BusinessLogTest : public HostTest {};

TEST_F(BusinessLogTest, WritesALineOfTheBusinessLog) {
  LoginAs(2);
  OnSession([] { qorarap::WriteBusinessLog("RP1000201A", 1, "审核[编号:SK0002]单据成功!"); });
  EXPECT_EQ(qor::CLng(SqlValue("SELECT COUNT(*) FROM t_BusinessLog")), 1);
  EXPECT_EQ(qor::StrOf(SqlValue("SELECT FFuncCode FROM t_BusinessLog")), "RP1000201A");
  EXPECT_EQ(qor::CLng(SqlValue("SELECT FType FROM t_BusinessLog")), 1);
  EXPECT_EQ(qor::StrOf(SqlValue("SELECT FText FROM t_BusinessLog")), "审核[编号:SK0002]单据成功!");
  EXPECT_EQ(qor::CLng(SqlValue("SELECT FUserID FROM t_BusinessLog")), 2);
}

TEST_F(BusinessLogTest, AFailingLogIsIgnored) {
  Sql("DROP TABLE t_BusinessLog");
  EXPECT_EQ(
      ErrorOf([this] { OnSession([] { qorarap::WriteBusinessLog("RP1000202A", -1, "x"); }); }), 0);
  EXPECT_TRUE(Messages().empty());
}

class ViewVoucherTest : public HostTest {};

TEST_F(ViewVoucherTest, OpensTheVoucherInTheLedger) {
  OnSession([] { qorarap::ViewVoucher(3, 1, "QORARAPBillInterface.ViewVch"); });
  ASSERT_FALSE(m_Run->Shown().voucher.IsEmpty());
  EXPECT_EQ(qor::CLng(m_Run->Shown().voucher), 3);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ViewVoucherTest, AFailureIsShownNotPassedOn) {
  int32_t error = ErrorOf(
      [this] { OnSession([] { qorarap::ViewVoucher(999, 1, "QORARAPBillInterface.ViewVch"); }); });
  EXPECT_EQ(error, 0);
  EXPECT_TRUE(m_Run->Shown().voucher.IsEmpty());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "打开凭证报错！\r\nThe voucher 999 does not exist");
  EXPECT_EQ(Messages()[0].buttons, 64);
  EXPECT_EQ(Messages()[0].title, "青岚提示");
}

}  // namespace
}  // namespace common_test
