#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/vb.h"
#include "host/components.h"
#include "host/platform.h"
#include "refhost/db/database.h"
#include "refhost/host_run.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"
#include "unit/host_session_fixture.h"

namespace refhost {
namespace {

using qor::Variant;

// The other-bill component on a fresh demo company, called on session "main".
class OtherBillServiceTest : public unit_test::HostSessionTest {
 protected:
  OtherBillServiceTest() : HostSessionTest("qor-otherbill", 1000) {}

  static std::shared_ptr<qor::ArApBillComponent> Component(const std::string& progId) {
    return qor::CreateDirect<qor::ArApBillComponent>(progId);
  }

  static qor::HostDictionaryPtr Simple(const std::string& progId, int32_t transType, int32_t billId,
                                       int32_t checkType) {
    auto params = std::make_shared<qor::HostDictionary>();
    params->SetItem("TransType", Variant(transType));
    params->SetItem("InterID", Variant(billId));
    params->SetItem("CheckType", Variant(checkType));
    params->SetItem("PropsString", Variant(CurrentSession().PropsString()));
    return Component(progId)->CheckBillSimple(params);
  }

  static std::string Value(const std::string& sql) {
    return qor::StrOf(CurrentSession().Db().QueryValue(sql));
  }
};

TEST_F(OtherBillServiceTest, CheckAndUncheckFollowTheBillsState) {
  m_Session->Invoke([] {
    auto ar = Component("QORebsArApBill.clsArOtherBill");
    std::string message;
    EXPECT_EQ(ar->CheckBill("", 3, 1, message), 0);
    EXPECT_EQ(message, "审核成功！");
    EXPECT_EQ(Value("SELECT FStatus || '/' || FCheckerID FROM t_RP_ROtherBill WHERE FBillID = 3"),
              "1/1");
    EXPECT_EQ(ar->CheckBill("", 3, 1, message), 1);
    EXPECT_EQ(message, "单据已经审核。");

    EXPECT_EQ(ar->CheckBill("", 3, 0, message), 0);
    EXPECT_EQ(message, "反审核成功！");
    EXPECT_EQ(Value("SELECT FStatus || '/' || FCheckerID FROM t_RP_ROtherBill WHERE FBillID = 3"),
              "0/0");
    EXPECT_EQ(ar->CheckBill("", 3, 0, message), 1);
    EXPECT_EQ(message, "单据尚未审核。");

    EXPECT_EQ(ar->CheckBill("", 1, 0, message), 1) << "QYS0001 has a voucher";
    EXPECT_EQ(message, "单据已生成凭证，不能反审核。");

    auto ap = Component("QORebsArAPBill.clsApOtherBill");
    EXPECT_EQ(ap->CheckBill("", 2, 1, message), 0) << "the payable spelling works on QYF0002";
    EXPECT_EQ(Value("SELECT FStatus FROM t_RP_POtherBill WHERE FBillID = 2"), "1");
    EXPECT_EQ(Value("SELECT FStatus FROM t_RP_ROtherBill WHERE FBillID = 2"), "0");
  });
}

TEST_F(OtherBillServiceTest, DeletingIsRefusedWhileAReceiptSettlesTheBill) {
  m_Session->Invoke([] {
    Database& db = CurrentSession().Db();
    db.Execute(
        "INSERT INTO t_RP_RBillEntry (FBillID, FEntryID, FInterID, FEntryID_HXD_SRC, "
        "FClassID_SRC, FCustID, FInvoiceBillNo) VALUES (2, 4, 3, 0, 1000205, 4, 'QYS0003')");
    auto done = Simple("QORebsArApBill.clsArOtherBill", 1000205, 3, 0);
    EXPECT_EQ(qor::CLng(done->Item("Code")), -1);
    EXPECT_EQ(qor::StrOf(done->Item("Description")), "单据已被收款单结算，不能进行此操作。");
    EXPECT_EQ(qor::StrOf(done->Item("BillNo")), "QYS0003");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM t_RP_ROtherBill WHERE FBillID = 3"), "1");

    db.Execute("DELETE FROM t_RP_RBillEntry WHERE FBillID = 2 AND FEntryID = 4");
    done = Simple("QORebsArApBill.clsArOtherBill", 1000205, 3, 0);
    EXPECT_EQ(qor::CLng(done->Item("Code")), 0);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM t_RP_ROtherBill WHERE FBillID = 3"), "0");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM t_RP_ROtherBillEntry WHERE FBillID = 3"), "0");

    done = Simple("QORebsArApBill.clsArOtherBill", 1000205, 3, 0);
    EXPECT_EQ(qor::CLng(done->Item("Code")), 1) << "a bill that is gone cannot be read";
    EXPECT_EQ(qor::StrOf(done->Item("BillNo")), "");
  });
}

TEST_F(OtherBillServiceTest, SimpleOperationsTakeTheSideFromTheTransactionType) {
  m_Session->Invoke([] {
    auto done = Simple("QORebsArApBill.clsArOtherBill", 1000206, 1, 0);
    EXPECT_EQ(qor::CLng(done->Item("Code")), -1) << "QYF0001 is audited";
    EXPECT_EQ(qor::StrOf(done->Item("BillNo")), "QYF0001");
    done = Simple("QORebsArApBill.clsArOtherBill", 1000206, 2, 1);
    EXPECT_EQ(qor::CLng(done->Item("Code")), 0);
    EXPECT_EQ(Value("SELECT FStatus FROM t_RP_POtherBill WHERE FBillID = 2"), "1");
    done = Simple("QORebsArApBill.clsApOtherBill", 0, 2, 2);
    EXPECT_EQ(qor::CLng(done->Item("Code")), 0) << "no type: the component's own side";
    EXPECT_EQ(Value("SELECT FStatus FROM t_RP_POtherBill WHERE FBillID = 2"), "0");
  });
}

TEST_F(OtherBillServiceTest, TheReminderSettingIsReadPerSide) {
  m_Session->Invoke([] {
    auto component = Component("QORebsArApBill.clsArOtherBill");
    EXPECT_FALSE(qor::CBool(component->GetBill("")));
    EXPECT_FALSE(qor::CBool(component->GetBill("", false)));
    CurrentSession().Db().Execute(
        "INSERT INTO t_SystemProfile (FCategory, FKey, FValue) "
        "VALUES ('IC', 'POtherBillSettleHint', '0')");
    EXPECT_FALSE(qor::CBool(component->GetBill("")));
    EXPECT_TRUE(qor::CBool(component->GetBill("", false)));
  });
}

}  // namespace
}  // namespace refhost
