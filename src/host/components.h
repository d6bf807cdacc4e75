#pragma once

// The product's service components as the library calls them. Each is
// created by its identifier (shown above each interface) through the host
// object factory or the platform, and asked for the interface below.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/host_dictionary.h"
#include "core/recordset.h"

namespace qor {

// "QORPropsMgr.ShareProps": the per-process shared property store.
class SharePropsComponent : public virtual Object {
 public:
  // "PropsString", "UserName" (texts) or "QORLogin" (the login object).
  virtual Variant GetProperty(int32_t processId, const std::string& key) = 0;
};

// The login object of the current user ("QORLogin"): it takes and releases
// network function locks for its own login.
class LoginObject : public virtual Object {
 public:
  virtual Variant TaskExec(int32_t funcType, const std::string& funcCode,
                           const std::string& machineName, int32_t mode, int16_t a, int16_t b,
                           const std::optional<Variant>& key) = 0;
  virtual bool CommitTask(int32_t& handle) = 0;
};

// "QORNetControl.Mutex": network function locks over the lock table.
class NetControlMutex : public virtual Object {
 public:
  // The lock handle (task id), 0 or less when the function conflicts.
  virtual Variant TaskExec(const std::string& propsString, int32_t funcType,
                           const std::string& funcCode, const std::string& machineName,
                           int32_t mode, int16_t a, int16_t b,
                           const std::optional<Variant>& key) = 0;
  virtual bool CommitTask(const std::string& propsString, int32_t& handle) = 0;
  // The handles the current user holds for the code and record: a host
  // vector, or Empty when there are none.
  virtual Variant GetTaskIdByUserInfo(const std::string& propsString, const std::string& funcCode,
                                      int32_t& recordId) = 0;
  virtual bool BatchCommitTask(const std::string& propsString, const HostVectorPtr& handles) = 0;
};

// A currency as the ledger view describes it.
class CurrencyInfo : public virtual Object {
 public:
  virtual int32_t ScaleX() const = 0;  // decimal places
  virtual std::string Name() const = 0;
  virtual double ExchangeRate() const = 0;
  virtual std::string Operator() const = 0;  // "*" or "/"
  virtual bool MulExchangeRate() const = 0;  // true when Operator is "*"
};

class CurrencySet : public virtual Object {
 public:
  // Re-reads the currencies from the database.
  virtual void Refresh() = 0;
};

// "QOREBCGLView.GLData": the ledger view, kept once per thread.
class GLDataComponent : public virtual Object {
 public:
  virtual std::shared_ptr<CurrencyInfo> GetCurrency(int32_t currencyId) = 0;
  virtual std::shared_ptr<CurrencySet> GetCurrencySet() = 0;
  // A system profile value of the "General" section or another.
  virtual Variant SystemProfile(const std::string& category, const std::string& key) = 0;
  virtual bool DeleteOptions() const = 0;
  virtual void SetDeleteOptions(bool value) = 0;
  virtual bool AccessCheck(int32_t& a, int32_t& b, int32_t& c) = 0;
  virtual void WriteLog(const Variant& a, const Variant& b, const Variant& c) = 0;
};

// "QORConnection.AppConnection", "QORMAppConnection.AppConnection".
class AppConnection : public virtual Object {
 public:
  // Runs SQL text on the connection string and returns its rows.
  virtual RecordsetPtr Execute(const std::string& connectString, const std::string& sql) = 0;
};

// "QORBillDataAccess.GetData".
class BillDataAccessComponent : public virtual Object {
 public:
  virtual RecordsetPtr ExecuteSql(const std::string& propsString, const std::string& sql) = 0;
};

// "QORBillDataAccess.SysInfo".
class SysInfoComponent : public virtual Object {
 public:
  virtual std::string GetSysValue(const std::string& propsString, const std::string& category,
                                  const std::string& key) = 0;
};

// "QORMCaculate.CommonSearch".
class CommonSearchComponent : public virtual Object {
 public:
  // The current period and its dates.
  virtual void GetDateExt(const std::string& propsString, int32_t& year, int32_t& period,
                          Variant& periodStart, Variant& periodEnd) = 0;
};

// "QORMSystem.System".
class SystemComponent : public virtual Object {
 public:
  virtual std::string GetSystemProfile(const std::string& section, const std::string& key,
                                       const std::string& propsString) = 0;
  virtual Variant GetRptTransDate(const std::string& propsString) = 0;
};

// "QOREBSBase.Systemprofile".
class ProfileComponent : public virtual Object {
 public:
  virtual std::string GetProfile(const std::string& propsString, const std::string& category,
                                 const std::string& key) = 0;
};

// "QOREBSBase.SecurityInfo".
class SecurityInfoComponent : public virtual Object {
 public:
  virtual int32_t GetCurrentUserID(const std::string& propsString) = 0;
};

// "QOREBSGLItem.ItemInfo".
class ItemInfoComponent : public virtual Object {
 public:
  virtual bool GetDataRight(const std::string& propsString, int16_t userId, int16_t kind) = 0;
};

// "QOREBSGLVoucher.VoucherInfo".
class VoucherInfoComponent : public virtual Object {
 public:
  virtual bool CheckVoucherRight(const std::string& propsString, int32_t voucherId) = 0;
};

// The voucher editor form shown by "QOREBOGL.Application".
class VoucherEditor : public virtual Object {
 public:
  virtual HostDictionaryPtr EditOptions() = 0;
  virtual void LoadVoucher(int32_t mode, const Variant& voucherId, const ObjectPtr& options) = 0;
};

// "QOREBOGL.Application".
class GLApplication : public virtual Object {
 public:
  virtual ObjectPtr ShowForm(const std::string& formName, const std::string& callerName, bool modal,
                             const std::string& caption) = 0;
};

// "QORMVEdit.MVoucherEdit".
class MVoucherEdit : public virtual Object {
 public:
  virtual void LoadVoucher(int32_t mode, const Variant& voucherId, const Variant& missing,
                           const HostDictionaryPtr& options) = 0;
};

// "QORebsArApBill.clsArBill", "QORebsArApBill.clsApBill", and the other-bill
// components "QORebsArApBill.clsArOtherBill", "QORebsArApBill.clsApOtherBill".
class ArApBillComponent : public virtual Object {
 public:
  // operation 1 audit, 0 unaudit; result 1 = failed, with the message.
  virtual int32_t CheckBill(const std::string& propsString, int32_t billId, int32_t operation,
                            std::string& message) = 0;
  // Checks before save: failures in the dictionary's "Code" and "Description".
  virtual HostDictionaryPtr CheckBillSimple(const HostDictionaryPtr& params) = 0;
  virtual double GetUnCheckAmountFor(const std::string& propsString, int32_t customerId,
                                     int32_t currencyId, int32_t billId) = 0;
  // The other-bill components: true when the reminder about the settlement
  // account of an on-account bill is not wanted (receivable or payable side).
  virtual Variant GetBill(const std::string& propsString, bool receivable = true) = 0;
};

// "QORebsArAPBill.clsArOtherBill", "QORebsArAPBill.clsApOtherBill".
class ArApBillInfoComponent : public virtual Object {
 public:
  virtual RecordsetPtr GetARBillInfo(const std::string& propsString, const std::string& billNo) = 0;
  virtual RecordsetPtr GetAPBillInfo(const std::string& propsString, const std::string& billNo) = 0;
};

// "QORebsArApBill.clsInOutType", "QORebsArAPBill.clsInOutType".
class InOutTypeComponent : public virtual Object {
 public:
  // The income/expense types that meet every criterion given, by position:
  // the id, the number, the name, the parent's number and the class type id.
  // A criterion left out (or empty) does not restrict; none given: all types.
  virtual RecordsetPtr GetRPInOutTypeInfo(
      const std::string& propsString, const std::optional<Variant>& id = std::nullopt,
      const std::optional<Variant>& number = std::nullopt,
      const std::optional<Variant>& name = std::nullopt,
      const std::optional<Variant>& parentNumber = std::nullopt,
      const std::optional<Variant>& classTypeId = std::nullopt) = 0;
  // True when the type, named by its id or (id left empty) by its number in
  // third position, has types under it or is used by bills.
  virtual bool CheckRPInOutTypeUsed(const std::string& propsString, const Variant& id,
                                    const std::optional<Variant>& number = std::nullopt) = 0;
  virtual bool IsSameAcctId(const std::string& propsString, const std::string& typeList,
                            int32_t accountId) = 0;
};

// "QORBills.clsCredit".
class CreditComponent : public virtual Object {
 public:
  virtual std::string GetStatusMoneyAndCredit(const std::string& number, int32_t billType) = 0;
};

// "QORMARAPPush.clsPush".
class PushComponent : public virtual Object {
 public:
  virtual int32_t GetBillTypeID(const std::string& propsString, int32_t billId,
                                const std::string& tableName) = 0;
};

// "QORPlatformLib.clsApiRequest".
class ApiRequestComponent : public virtual Object {
 public:
  virtual std::string InsertRecvBill(const std::string& propsString, int32_t billId) = 0;
  virtual std::string DeleteRecvBill(const std::string& propsString, int32_t billId) = 0;
  virtual RecordsetPtr GetBillDetail(const std::string& propsString, int32_t billId) = 0;
};

// "QORMProfile.ClassUserProfileInfo", "QORMProfile.ClassUserProfileUpdate".
class UserProfileComponent : public virtual Object {
 public:
  virtual std::string GetUserProfile(const std::string& propsString, const std::string& section,
                                     const std::string& key) = 0;
  virtual void SaveUserProfile(const std::string& propsString, const std::string& section,
                               const std::string& key, const Variant& value) = 0;
};

// "QORDisplayer.DispBuilder": a result display.
class DispBuilderComponent : public virtual Object {
 public:
  virtual void SetCols(int32_t cols) = 0;
  virtual void SetTitles(const std::string& titles) = 0;
  virtual void SetColWidth(int32_t col, int32_t width) = 0;
  // Shows the lines (each line a host vector of column texts).
  virtual void Show(const HostVectorPtr& lines) = 0;
};

// "QORClassLookUp.RelateBilllookUp".
class RelatedBillLookup : public virtual Object {
 public:
  virtual void SetBillTypeID(int32_t id) = 0;
  virtual void SetBillInterID(int32_t id) = 0;
  virtual void ShowList() = 0;
};

// "QORMYWARAPRpt.Data".
class ReportDataComponent : public virtual Object {
 public:
  virtual RecordsetPtr GetRpt131Data(const std::string& propsString,
                                     const HostDictionaryPtr& params) = 0;
  virtual RecordsetPtr GetRpt132Data(const std::string& propsString,
                                     const HostDictionaryPtr& params) = 0;
};

// "QORCHMResTool.ClsCHMHelp".
class HelpComponent : public virtual Object {
 public:
  virtual void ShowHelp(const std::string& file, const std::string& topic, int32_t mode) = 0;
};

// "QORFrmRes.FrmResLoader".
class FrmResLoader : public virtual Object {
 public:
  virtual void SetFrmFont(const ObjectPtr& form, const std::string& language) = 0;
};

// "QORBOMMImpAndExp.cImpAndExp".
class ImpAndExpComponent : public virtual Object {
 public:
  virtual RecordsetPtr getRS(const std::string& propsString, const std::string& sql) = 0;
};

// "QORClassTpl.Datasrv".
class ClassTplDataSrv : public virtual Object {
 public:
  virtual RecordsetPtr GetData(const std::string& sql) = 0;
};

// "QORBills.Bills": the product's generic bill list window.
class BillsComponent : public virtual Object {
 public:
  virtual void SetSystemName(const std::string& name) = 0;
  virtual void SetLocalCnn(const std::string& connection) = 0;
  virtual void SetListRecordset(const RecordsetPtr& rs) = 0;
  virtual void SetListRSFieldVect(const HostVectorPtr& fields) = 0;
  virtual void SetOpt(int16_t userId, const std::string& userName) = 0;
  virtual void Show(int32_t a, int32_t b) = 0;
};

}  // namespace qor
