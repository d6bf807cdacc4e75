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

// The balance reports over a fresh demo company.
class ReportDataTest : public unit_test::HostSessionTest {
 protected:
  ReportDataTest() : HostSessionTest("qor-report", 1000) {}

  static qor::HostDictionaryPtr Range(const char* fromKey, const std::string& from,
                                      const char* toKey, const std::string& to) {
    auto params = std::make_shared<qor::HostDictionary>();
    params->SetItem("OK", true);
    params->SetItem(fromKey, from);
    params->SetItem(toKey, to);
    return params;
  }

  // Rows of a report as (FSumSort, FNumber, FRemainAmount) texts, and the
  // balance the view itself holds for a partner.
  std::vector<std::string> Rows(bool receivable, const qor::HostDictionaryPtr& params) {
    std::vector<std::string> rows;
    m_Session->Invoke([&] {
      auto report = qor::CreateDirect<qor::ReportDataComponent>("QORMYWARAPRpt.Data");
      qor::RecordsetPtr rs =
          receivable ? report->GetRpt131Data("", params) : report->GetRpt132Data("", params);
      for (; !rs->IsEOF(); rs->MoveNext()) {
        rows.push_back(qor::StrOf(rs->Field("FSumSort")) + " " + qor::StrOf(rs->Field("FNumber")) +
                       " " + qor::StrOf(rs->Field("FRemainAmount")));
      }
    });
    return rows;
  }

  size_t PartnerCount(const std::string& view) {
    size_t count = 0;
    m_Session->Invoke([&] {
      count = static_cast<size_t>(
          qor::Val(m_Session->Db().QueryValue("SELECT COUNT(*) FROM " + view, {})));
    });
    return count;
  }

  double ViewBalance(const std::string& view, const std::string& number) {
    double balance = 0;
    m_Session->Invoke([&] {
      balance = qor::Val(m_Session->Db().QueryValue(
          "SELECT FRemainAmount FROM " + view + " WHERE FNumber = ?", {Variant(number)}));
    });
    return balance;
  }
};

TEST_F(ReportDataTest, OneCustomerGivesItsLineAndTheTotal) {
  std::string c001 = qor::FormatDouble(ViewBalance("vw_arap_RBalance", "C001"));
  EXPECT_EQ(Rows(true, Range("BCustNumber", "C001", "ECustNumber", "C001")),
            (std::vector<std::string>{"1 C001 " + c001, "0  " + c001}));
}

TEST_F(ReportDataTest, RangeOfCustomersTotalsTheirBalances) {
  double c001 = ViewBalance("vw_arap_RBalance", "C001");
  double c002 = ViewBalance("vw_arap_RBalance", "C002");
  std::vector<std::string> rows = Rows(true, Range("BCustNumber", "C001", "ECustNumber", "C002"));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2], "0  " + qor::FormatDouble(c001 + c002));
  // Without bounds every customer is reported, then the total.
  EXPECT_EQ(Rows(true, Range("BCustNumber", "", "ECustNumber", "")).size(),
            PartnerCount("vw_arap_RBalance") + 1);
}

TEST_F(ReportDataTest, SuppliersAreChosenByTheirOwnKeys) {
  std::string s002 = qor::FormatDouble(ViewBalance("vw_arap_PBalance", "S002"));
  EXPECT_EQ(Rows(false, Range("BSupplyNumber", "S002", "ESupplyNumber", "S002")),
            (std::vector<std::string>{"1 S002 " + s002, "0  " + s002}));
  // The customer keys do not bound the payables.
  EXPECT_EQ(Rows(false, Range("BCustNumber", "S002", "ECustNumber", "S002")).size(),
            PartnerCount("vw_arap_PBalance") + 1);
}

TEST_F(ReportDataTest, UnknownPartnerHasATotalOfZero) {
  EXPECT_EQ(Rows(true, Range("BCustNumber", "X999", "ECustNumber", "X999")),
            (std::vector<std::string>{"0  0"}));
}

}  // namespace
}  // namespace refhost
