-- The product database of the reference host: support tables, base data, source documents,
-- the receipt / payment / other receivable / other payable bills, the income/expense types,
-- the views the bill framework and the selection windows read, and the window templates of
-- the generic bill editor and list view.
--
-- Conventions
--   * Every bill field is stored in a column named exactly as its field key.
--   * Dates are text 'yyyy-mm-dd' (or 'yyyy-mm-dd hh:mm:ss') in columns declared DATE or
--     DATETIME; the connection returns them as dates.
--   * Amounts are REAL. A column ending in "For" holds the transaction-currency amount, the
--     same name without "For" the local (RMB) amount. Currency 1 is the local currency.
--   * Flags are INTEGER 0/1. Ids are INTEGER; 0 or NULL means "none".
--   * Texts that the product compares as keys (profile keys, numbers) are COLLATE NOCASE, as
--     the product's database compares text without regard to case.
--   * "Audited" means FStatus = 1 (with FCheckerID and FCheckDate filled in).

PRAGMA foreign_keys = OFF;

---------------------------------------------------------------------------------------------
-- Support tables
---------------------------------------------------------------------------------------------

-- Users of the product. FNumber is the login code shown in lookups.
CREATE TABLE t_User (
  FUserID      INTEGER PRIMARY KEY,
  FNumber      TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  FName        TEXT NOT NULL DEFAULT '',
  FPassword    TEXT NOT NULL DEFAULT '',
  FDescription TEXT NOT NULL DEFAULT '',
  FForbidden   INTEGER NOT NULL DEFAULT 0
);

-- Function rights: a row grants user FUserID the right bits FC (a bit mask) on the object
-- FB of subsystem FA. The AR/AP bills use FA = 1010, FB = the bill type (1000201 receipt,
-- 1000202 payment, 1000205 other receivable, 1000206 other payable) and the bits 1 check,
-- 4096 uncheck, 65536 delete. AccessCheck(a, b, c) passes when the bits of c are granted.
CREATE TABLE t_AccessRight (
  FUserID INTEGER NOT NULL,
  FA      INTEGER NOT NULL,
  FB      INTEGER NOT NULL,
  FC      INTEGER NOT NULL
);
CREATE INDEX ix_AccessRight ON t_AccessRight (FUserID, FA, FB);

-- Data rights: a row means that the data rights of item class FItemClassID are enforced for
-- the user (class 8 = ledger accounts: the user sees only accounts whose FRightUserID
-- names him). Without a row the user is not restricted.
CREATE TABLE t_DataRight (
  FUserID      INTEGER NOT NULL,
  FItemClassID INTEGER NOT NULL,
  PRIMARY KEY (FUserID, FItemClassID)
);

-- System profile (options of the whole company) by category and key, e.g.
-- ('IC', 'CurrentYear'), ('IC', 'CurrentPeriod'), ('IC', 'CreditDegree'), ('General', 'SingleMan').
CREATE TABLE t_SystemProfile (
  FCategory    TEXT COLLATE NOCASE NOT NULL,
  FKey         TEXT COLLATE NOCASE NOT NULL,
  FValue       TEXT NOT NULL DEFAULT '',
  FDescription TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FCategory, FKey)
);

-- Per-user options by category and key, e.g. (2, '1000201BillSet', 'AutoCalRecAmount', '1').
CREATE TABLE t_UserProfile (
  FUserID   INTEGER NOT NULL,
  FCategory TEXT COLLATE NOCASE NOT NULL,
  FKey      TEXT COLLATE NOCASE NOT NULL,
  FValue    TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FUserID, FCategory, FKey)
);

-- Currencies. FExchangeRate with FOperator '*' means local = foreign * rate; with '/' it
-- means local = foreign / rate. FScale is the number of decimals of amounts in the currency.
CREATE TABLE t_Currency (
  FCurrencyID   INTEGER PRIMARY KEY,
  FNumber       TEXT COLLATE NOCASE NOT NULL,
  FName         TEXT NOT NULL,
  FExchangeRate REAL NOT NULL DEFAULT 1,
  FScale        INTEGER NOT NULL DEFAULT 2,
  FOperator     TEXT NOT NULL DEFAULT '*',
  FDeleted      INTEGER NOT NULL DEFAULT 0
);

-- Accounting periods of the business system: start and end date of each period of a year.
-- The current period is given by the profiles ('IC', 'CurrentYear') and ('IC', 'CurrentPeriod').
CREATE TABLE T_PeriodDate (
  FYear      INTEGER NOT NULL,
  FPeriod    INTEGER NOT NULL,
  FStartDate DATE NOT NULL,
  FEndDate   DATE NOT NULL,
  PRIMARY KEY (FYear, FPeriod)
);

-- Network function locks: one row per running function held by a user's process, so that
-- other users' conflicting functions are refused. FTaskID is the lock handle; FFuncType is 21
-- for the bill functions; FFuncCode e.g. 'AR0224'; FKey the record id (text, '' when none);
-- FSession the client session that holds the lock.
CREATE TABLE t_FuncLock (
  FTaskID   INTEGER PRIMARY KEY AUTOINCREMENT,
  FFuncType INTEGER NOT NULL DEFAULT 0,
  FFuncCode TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  FMachine  TEXT NOT NULL DEFAULT '',
  FUserID   INTEGER NOT NULL DEFAULT 0,
  FProcessID INTEGER NOT NULL DEFAULT 0,
  FSession  TEXT NOT NULL DEFAULT '',
  FKey      TEXT NOT NULL DEFAULT '',
  FTime     DATETIME
);

-- Business log written by the ledger-view component: who did what (FFuncCode e.g.
-- 'RP1000201A', FType the outcome code, FText the message).
CREATE TABLE t_BusinessLog (
  FID       INTEGER PRIMARY KEY AUTOINCREMENT,
  FUserID   INTEGER NOT NULL DEFAULT 0,
  FFuncCode TEXT NOT NULL DEFAULT '',
  FType     INTEGER NOT NULL DEFAULT 0,
  FText     TEXT NOT NULL DEFAULT '',
  FMachine  TEXT NOT NULL DEFAULT '',
  FTime     DATETIME
);

-- Requests to the outside trading platform that the product notifies of receipt bills
-- ("QORPlatformLib.clsApiRequest"): FRequest 'InsertRecvBill' after a receipt is checked,
-- 'DeleteRecvBill' after one is deleted; accepted and recorded here, since the platform
-- itself lies outside the product.
CREATE TABLE t_PlatformRequest (
  FID       INTEGER PRIMARY KEY AUTOINCREMENT,
  FRequest  TEXT NOT NULL DEFAULT '',
  FBillID   INTEGER NOT NULL DEFAULT 0,
  FUserID   INTEGER NOT NULL DEFAULT 0,
  FTime     DATETIME
);

---------------------------------------------------------------------------------------------
-- General ledger
---------------------------------------------------------------------------------------------

-- Chart of accounts. FCurrencyID is the currency the account is kept in (0 = all
-- currencies); FRightUserID lists the ids of the users allowed to see the account, separated
-- by commas; FDetail 1 for a posting (leaf) account; FDC 1 debit, -1 credit balance.
CREATE TABLE t_Account (
  FAccountID   INTEGER PRIMARY KEY,
  FNumber      TEXT COLLATE NOCASE NOT NULL,
  FName        TEXT NOT NULL,
  FFullName    TEXT NOT NULL DEFAULT '',
  FParentID    INTEGER NOT NULL DEFAULT 0,
  FLevel       INTEGER NOT NULL DEFAULT 1,
  FDetail      INTEGER NOT NULL DEFAULT 1,
  FDC          INTEGER NOT NULL DEFAULT 1,
  FCurrencyID  INTEGER NOT NULL DEFAULT 1,
  FRightUserID TEXT,
  FDeleted     INTEGER NOT NULL DEFAULT 0
);

-- Vouchers (journal entries). FTranType / FBillID name the bill the voucher was made from.
CREATE TABLE t_Voucher (
  FVoucherID   INTEGER PRIMARY KEY,
  FYear        INTEGER NOT NULL,
  FPeriod      INTEGER NOT NULL,
  FDate        DATE NOT NULL,
  FGroup       TEXT NOT NULL DEFAULT '记',
  FNumber      INTEGER NOT NULL DEFAULT 0,
  FExplanation TEXT NOT NULL DEFAULT '',
  FPreparerID  INTEGER NOT NULL DEFAULT 0,
  FCheckerID   INTEGER NOT NULL DEFAULT 0,
  FPosted      INTEGER NOT NULL DEFAULT 0,
  FTranType    INTEGER NOT NULL DEFAULT 0,
  FBillID      INTEGER NOT NULL DEFAULT 0
);

-- Lines of a voucher: account, side (FDC 1 debit, -1 credit) and amounts.
CREATE TABLE t_VoucherEntry (
  FVoucherID    INTEGER NOT NULL,
  FEntryID      INTEGER NOT NULL,
  FAccountID    INTEGER NOT NULL,
  FExplanation  TEXT NOT NULL DEFAULT '',
  FDC           INTEGER NOT NULL DEFAULT 1,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1,
  FExchangeRate REAL NOT NULL DEFAULT 1,
  FAmountFor    REAL NOT NULL DEFAULT 0,
  FAmount       REAL NOT NULL DEFAULT 0,
  PRIMARY KEY (FVoucherID, FEntryID)
);

---------------------------------------------------------------------------------------------
-- Base data
---------------------------------------------------------------------------------------------

-- Departments.
CREATE TABLE t_Department (
  FItemID  INTEGER PRIMARY KEY,
  FNumber  TEXT COLLATE NOCASE NOT NULL,
  FName    TEXT NOT NULL,
  FDeleted INTEGER NOT NULL DEFAULT 0
);

-- Employees; FDepartmentID is NULL for an employee without a department.
CREATE TABLE t_Emp (
  FItemID      INTEGER PRIMARY KEY,
  FNumber      TEXT COLLATE NOCASE NOT NULL,
  FName        TEXT NOT NULL,
  FDepartmentID INTEGER,
  FDeleted     INTEGER NOT NULL DEFAULT 0
);

-- Payment terms. FType 1: due FStandDays days after the bill date. FType 2: due on day
-- FMonthPayDay of the month reached after adding FBeforeDays days to the bill date (next
-- month when that day has passed).
CREATE TABLE t_SetDl (
  FItemID     INTEGER PRIMARY KEY,
  FNumber     TEXT COLLATE NOCASE NOT NULL,
  FName       TEXT NOT NULL,
  FType       INTEGER NOT NULL DEFAULT 1,
  FStandDays  INTEGER NOT NULL DEFAULT 0,
  FMonthPayDay INTEGER NOT NULL DEFAULT 0,
  FBeforeDays INTEGER NOT NULL DEFAULT 0,
  FDeleted    INTEGER NOT NULL DEFAULT 0
);

-- Small code lists of the product ("sub-messages"), grouped by FTypeID; FID is the code shown,
-- FInterID the id stored in bills:
--   FTypeID 10 receipt types (1001 receipt against receivables, 1002 prepayment, 1009
--   receipt by source line), 11 payment types (1003, 1004 prepayment, 1010),
--   12 other receivable bill types (1005 settled at once, 1006 on account),
--   13 other payable bill types (1007 settled at once, 1008 on account),
--   30 settlement methods (cash, cheque, transfer...).
CREATE TABLE t_SubMessage (
  FInterID INTEGER PRIMARY KEY,
  FTypeID  INTEGER NOT NULL,
  FID      TEXT COLLATE NOCASE NOT NULL,
  FName    TEXT NOT NULL,
  FDeleted INTEGER NOT NULL DEFAULT 0
);

-- Customers. FDepartment / FEmployee: the customer's usual department and salesman;
-- FAcctID: the settlement account proposed on the customer's bills; FPayMentTime: payment
-- terms (t_SetDl); FCreditDegree: credit limit in local currency (0 = no limit);
-- FCurrencyID: the customer's usual currency.
CREATE TABLE t_Organization (
  FItemID       INTEGER PRIMARY KEY,
  FNumber       TEXT COLLATE NOCASE NOT NULL,
  FName         TEXT NOT NULL,
  FShortName    TEXT NOT NULL DEFAULT '',
  FAddress      TEXT NOT NULL DEFAULT '',
  FPhone        TEXT NOT NULL DEFAULT '',
  FContact      TEXT NOT NULL DEFAULT '',
  FDepartment   INTEGER,
  FEmployee     INTEGER,
  FAcctID       INTEGER,
  FPayMentTime  INTEGER,
  FCreditDegree REAL NOT NULL DEFAULT 0,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1,
  FDeleted      INTEGER NOT NULL DEFAULT 0
);

-- Suppliers; the same columns as the customers plus FValueAddRate (input VAT rate, percent).
CREATE TABLE t_Supplier (
  FItemID       INTEGER PRIMARY KEY,
  FNumber       TEXT COLLATE NOCASE NOT NULL,
  FName         TEXT NOT NULL,
  FShortName    TEXT NOT NULL DEFAULT '',
  FAddress      TEXT NOT NULL DEFAULT '',
  FPhone        TEXT NOT NULL DEFAULT '',
  FContact      TEXT NOT NULL DEFAULT '',
  FDepartment   INTEGER,
  FEmployee     INTEGER,
  FAcctID       INTEGER,
  FPayMentTime  INTEGER,
  FCreditDegree REAL NOT NULL DEFAULT 0,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1,
  FValueAddRate REAL NOT NULL DEFAULT 13,
  FDeleted      INTEGER NOT NULL DEFAULT 0
);

---------------------------------------------------------------------------------------------
-- Source documents (receivables and payables)
---------------------------------------------------------------------------------------------

-- Sales invoices (header). FTranType 1000000 VAT invoice, 1000002 ordinary invoice; FROB 1
-- blue, -1 red (a return: negative amounts). Audited when FStatus = 1 and FCheckerID > 0.
-- FAmountFor / FAmount: invoice total (sum of the lines).
CREATE TABLE ICSale (
  FInterID      INTEGER PRIMARY KEY,
  FBillNo       TEXT COLLATE NOCASE NOT NULL,
  FTranType     INTEGER NOT NULL DEFAULT 1000002,
  FDate         DATE NOT NULL,
  FCustID       INTEGER NOT NULL,
  FDeptID       INTEGER,
  FEmpID        INTEGER,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1,
  FExchangeRate REAL NOT NULL DEFAULT 1,
  FROB          INTEGER NOT NULL DEFAULT 1,
  FAmountFor    REAL NOT NULL DEFAULT 0,
  FAmount       REAL NOT NULL DEFAULT 0,
  FExplanation  TEXT NOT NULL DEFAULT '',
  FStatus       INTEGER NOT NULL DEFAULT 0,
  FBillerID     INTEGER NOT NULL DEFAULT 0,
  FCheckerID    INTEGER,
  FCheckDate    DATE
);

-- Sales invoice lines. FDetailID is unique over all lines; FFKDBillNo the delivery note the
-- line came from.
CREATE TABLE ICSaleEntry (
  FDetailID  INTEGER PRIMARY KEY,
  FInterID   INTEGER NOT NULL,
  FEntryID   INTEGER NOT NULL,
  FItemName  TEXT NOT NULL DEFAULT '',
  FUnit      TEXT NOT NULL DEFAULT '',
  FQty       REAL NOT NULL DEFAULT 0,
  FPrice     REAL NOT NULL DEFAULT 0,
  FAmountFor REAL NOT NULL DEFAULT 0,
  FAmount    REAL NOT NULL DEFAULT 0,
  FFKDBillNo TEXT NOT NULL DEFAULT ''
);
CREATE INDEX ix_ICSaleEntry ON ICSaleEntry (FInterID, FEntryID);

-- Purchase invoices (header). FTranType 1000003 VAT invoice, 1000004 ordinary invoice;
-- FROB as for sales invoices.
CREATE TABLE ICPurchase (
  FInterID      INTEGER PRIMARY KEY,
  FBillNo       TEXT COLLATE NOCASE NOT NULL,
  FTranType     INTEGER NOT NULL DEFAULT 1000004,
  FDate         DATE NOT NULL,
  FSupplyID     INTEGER NOT NULL,
  FDeptID       INTEGER,
  FEmpID        INTEGER,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1,
  FExchangeRate REAL NOT NULL DEFAULT 1,
  FROB          INTEGER NOT NULL DEFAULT 1,
  FAmountFor    REAL NOT NULL DEFAULT 0,
  FAmount       REAL NOT NULL DEFAULT 0,
  FExplanation  TEXT NOT NULL DEFAULT '',
  FStatus       INTEGER NOT NULL DEFAULT 0,
  FBillerID     INTEGER NOT NULL DEFAULT 0,
  FCheckerID    INTEGER,
  FCheckDate    DATE
);

-- Purchase invoice lines (FFKDBillNo: the receiving note the line came from).
CREATE TABLE ICPurchaseEntry (
  FDetailID  INTEGER PRIMARY KEY,
  FInterID   INTEGER NOT NULL,
  FEntryID   INTEGER NOT NULL,
  FItemName  TEXT NOT NULL DEFAULT '',
  FUnit      TEXT NOT NULL DEFAULT '',
  FQty       REAL NOT NULL DEFAULT 0,
  FPrice     REAL NOT NULL DEFAULT 0,
  FAmountFor REAL NOT NULL DEFAULT 0,
  FAmount    REAL NOT NULL DEFAULT 0,
  FFKDBillNo TEXT NOT NULL DEFAULT ''
);
CREATE INDEX ix_ICPurchaseEntry ON ICPurchaseEntry (FInterID, FEntryID);

-- Expense invoices of suppliers (freight and the like; document class 94), one amount each.
CREATE TABLE ICOutExpense (
  FInterID      INTEGER PRIMARY KEY,
  FBillNo       TEXT COLLATE NOCASE NOT NULL,
  FTranType     INTEGER NOT NULL DEFAULT 94,
  FDate         DATE NOT NULL,
  FSupplyID     INTEGER NOT NULL,
  FDeptID       INTEGER,
  FEmpID        INTEGER,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1,
  FExchangeRate REAL NOT NULL DEFAULT 1,
  FAmountFor    REAL NOT NULL DEFAULT 0,
  FAmount       REAL NOT NULL DEFAULT 0,
  FExplanation  TEXT NOT NULL DEFAULT '',
  FStatus       INTEGER NOT NULL DEFAULT 0,
  FCheckerID    INTEGER,
  FCheckDate    DATE
);

-- Initial balances of receivables (FType 1, FItemID = customer, document class 1000020) and
-- payables (FType 2, FItemID = supplier, document class 1000021) brought in when the system
-- was started. FBillNo is usually empty (settlement rows then show "期初应收" / "期初应付").
CREATE TABLE t_RP_Initial (
  FID           INTEGER PRIMARY KEY,
  FType         INTEGER NOT NULL,
  FItemID       INTEGER NOT NULL,
  FBillNo       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  FDate         DATE NOT NULL,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1,
  FExchangeRate REAL NOT NULL DEFAULT 1,
  FAmountFor    REAL NOT NULL DEFAULT 0,
  FAmount       REAL NOT NULL DEFAULT 0,
  FDeptID       INTEGER,
  FEmpID        INTEGER,
  FExplanation  TEXT NOT NULL DEFAULT ''
);

---------------------------------------------------------------------------------------------
-- Receipt bills (bill type 1000201) and payment bills (1000202)
---------------------------------------------------------------------------------------------

-- Receipt bill header: money received from a customer. FReceiveTypeID 1001 settles
-- receivables, 1002 is a prepayment (no rows), 1009 settles by source line. FAmountFor is
-- the gross amount (received + discount); FDiscount is stored as a fraction (0.95) and
-- FDiscountDsp as the percentage (95); 100 % = no discount. FID is the item class of the
-- counterparty (1 = customer). FCheckAmountFor: part of this bill already written off.
-- FPushed: 0 for a bill entered by hand, not 0 for one made by push-down from another
-- document (1 = pushed and not saved since); it is no field of the bill.
CREATE TABLE t_RP_RBill (
  FBillID             INTEGER PRIMARY KEY,
  FBillNo             TEXT COLLATE NOCASE NOT NULL,
  FClassTypeID        INTEGER NOT NULL DEFAULT 1000201,
  FID                 INTEGER NOT NULL DEFAULT 1,
  FDate               DATE,
  FCustomerID         INTEGER NOT NULL DEFAULT 0,
  FReceiveTypeID      INTEGER NOT NULL DEFAULT 1001,
  FCurrencyID         INTEGER NOT NULL DEFAULT 1,
  FExchangeRate       REAL NOT NULL DEFAULT 1,
  FAcctID             INTEGER NOT NULL DEFAULT 0,
  FSettleID           INTEGER NOT NULL DEFAULT 0,
  FSettleIDNo         TEXT NOT NULL DEFAULT '',
  FAmountFor          REAL NOT NULL DEFAULT 0,
  FAmount             REAL NOT NULL DEFAULT 0,
  FReceiveAmountFor   REAL NOT NULL DEFAULT 0,
  FReceiveAmount      REAL NOT NULL DEFAULT 0,
  FDiscount           REAL NOT NULL DEFAULT 1,
  FDiscountDsp        REAL NOT NULL DEFAULT 100,
  FDiscountAmountFor  REAL NOT NULL DEFAULT 0,
  FDiscountAmount     REAL NOT NULL DEFAULT 0,
  FDiscountAcctID     INTEGER NOT NULL DEFAULT 0,
  FExplanation        TEXT NOT NULL DEFAULT '',
  FDepartmentID       INTEGER NOT NULL DEFAULT 0,
  FEmployeeID         INTEGER NOT NULL DEFAULT 0,
  FCheckAmountFor     REAL NOT NULL DEFAULT 0,
  FCheckAmount        REAL NOT NULL DEFAULT 0,
  FStatus             INTEGER NOT NULL DEFAULT 0,
  FPreparer           INTEGER NOT NULL DEFAULT 0,
  FCheckerID          INTEGER NOT NULL DEFAULT 0,
  FCheckDate          DATE,
  FVoucherID          INTEGER NOT NULL DEFAULT 0,
  FPushed            INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX ux_RP_RBill_No ON t_RP_RBill (FBillNo);

-- Receipt bill settlement rows: one open source line each (FInterID = source document id,
-- FEntryID_HXD_SRC = its line, FClassID_SRC = its document class: 1000000 / 1000002 sales
-- invoice, 1000205 other receivable bill, 1000020 initial balance; FEntryID_SRC = the line id
-- of a refund document picked from vw_arap_RBackBillList). FBill...For amounts are in the
-- source currency FBillCurrencyID; FBillSettleAmountFor is what this bill settles.
-- FCustID is the customer of the source document.
CREATE TABLE t_RP_RBillEntry (
  FBillID                 INTEGER NOT NULL,
  FEntryID                INTEGER NOT NULL,
  FInterID                INTEGER NOT NULL DEFAULT 0,
  FEntryID_HXD_SRC        INTEGER NOT NULL DEFAULT 0,
  FClassID_SRC            INTEGER NOT NULL DEFAULT 0,
  FEntryID_SRC            INTEGER NOT NULL DEFAULT 0,
  FCustID                 INTEGER NOT NULL DEFAULT 0,
  FInvoiceBillNo          TEXT NOT NULL DEFAULT '',
  FBillCurrencyID         INTEGER NOT NULL DEFAULT 0,
  FEntryExchangeRate      REAL NOT NULL DEFAULT 1,
  FBillAmountFor          REAL NOT NULL DEFAULT 0,
  FBillAmount             REAL NOT NULL DEFAULT 0,
  FBillReceiveAmountFor   REAL NOT NULL DEFAULT 0,
  FBillReceiveAmount      REAL NOT NULL DEFAULT 0,
  FBillUnReceiveAmountFor REAL NOT NULL DEFAULT 0,
  FBillUnReceiveAmount    REAL NOT NULL DEFAULT 0,
  FBillSettleAmountFor    REAL NOT NULL DEFAULT 0,
  FBillSettleAmount       REAL NOT NULL DEFAULT 0,
  FEntryAmount_SRC        REAL NOT NULL DEFAULT 0,
  FFKDBillNo              TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FBillID, FEntryID)
);
CREATE INDEX ix_RP_RBillEntry_Src ON t_RP_RBillEntry (FClassID_SRC, FInterID, FEntryID_HXD_SRC);

-- Payment bill header: money paid to a supplier. FPayTypeID 1003 settles payables, 1004 is a
-- prepayment (no rows), 1010 settles by source line. Otherwise as the receipt bill (FPushed
-- included); FID = 8 (supplier item class).
CREATE TABLE t_RP_PBill (
  FBillID             INTEGER PRIMARY KEY,
  FBillNo             TEXT COLLATE NOCASE NOT NULL,
  FClassTypeID        INTEGER NOT NULL DEFAULT 1000202,
  FID                 INTEGER NOT NULL DEFAULT 8,
  FDate               DATE,
  FSupplyID           INTEGER NOT NULL DEFAULT 0,
  FPayTypeID          INTEGER NOT NULL DEFAULT 1003,
  FCurrencyID         INTEGER NOT NULL DEFAULT 1,
  FExchangeRate       REAL NOT NULL DEFAULT 1,
  FAcctID             INTEGER NOT NULL DEFAULT 0,
  FSettleID           INTEGER NOT NULL DEFAULT 0,
  FSettleIDNo         TEXT NOT NULL DEFAULT '',
  FAmountFor          REAL NOT NULL DEFAULT 0,
  FAmount             REAL NOT NULL DEFAULT 0,
  FPayAmountFor       REAL NOT NULL DEFAULT 0,
  FPayAmount          REAL NOT NULL DEFAULT 0,
  FDiscount           REAL NOT NULL DEFAULT 1,
  FDiscountDsp        REAL NOT NULL DEFAULT 100,
  FDiscountAmountFor  REAL NOT NULL DEFAULT 0,
  FDiscountAmount     REAL NOT NULL DEFAULT 0,
  FDiscountAcctID     INTEGER NOT NULL DEFAULT 0,
  FExplanation        TEXT NOT NULL DEFAULT '',
  FDepartmentID       INTEGER NOT NULL DEFAULT 0,
  FEmployeeID         INTEGER NOT NULL DEFAULT 0,
  FCheckAmountFor     REAL NOT NULL DEFAULT 0,
  FCheckAmount        REAL NOT NULL DEFAULT 0,
  FStatus             INTEGER NOT NULL DEFAULT 0,
  FPreparer           INTEGER NOT NULL DEFAULT 0,
  FCheckerID          INTEGER NOT NULL DEFAULT 0,
  FCheckDate          DATE,
  FVoucherID          INTEGER NOT NULL DEFAULT 0,
  FPushed            INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX ux_RP_PBill_No ON t_RP_PBill (FBillNo);

-- Payment bill settlement rows (source classes 1000003 / 1000004 purchase invoice, 94 expense
-- invoice, 1000206 other payable bill, 1000021 initial balance). FSupplyIdID is the supplier
-- of the source document.
CREATE TABLE t_RP_PBillEntry (
  FBillID             INTEGER NOT NULL,
  FEntryID            INTEGER NOT NULL,
  FInterID            INTEGER NOT NULL DEFAULT 0,
  FEntryID_HXD_SRC    INTEGER NOT NULL DEFAULT 0,
  FClassID_SRC        INTEGER NOT NULL DEFAULT 0,
  FEntryID_SRC        INTEGER NOT NULL DEFAULT 0,
  FSupplyIdID         INTEGER NOT NULL DEFAULT 0,
  FPurchaseBillNo     TEXT NOT NULL DEFAULT '',
  FBillCurrencyID     INTEGER NOT NULL DEFAULT 0,
  FEntryExchangeRate  REAL NOT NULL DEFAULT 1,
  FBillAmountFor      REAL NOT NULL DEFAULT 0,
  FBillAmount         REAL NOT NULL DEFAULT 0,
  FBillPayAmountFor   REAL NOT NULL DEFAULT 0,
  FBillPayAmount      REAL NOT NULL DEFAULT 0,
  FBillUnPayAmountFor REAL NOT NULL DEFAULT 0,
  FBillUnPayAmount    REAL NOT NULL DEFAULT 0,
  FBillSettleAmountFor REAL NOT NULL DEFAULT 0,
  FBillSettleAmount   REAL NOT NULL DEFAULT 0,
  FEntryAmount_SRC    REAL NOT NULL DEFAULT 0,
  FFKDBillNo          TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FBillID, FEntryID)
);
CREATE INDEX ix_RP_PBillEntry_Src ON t_RP_PBillEntry (FClassID_SRC, FInterID, FEntryID_HXD_SRC);

-- Push-down bookkeeping: one row per receipt, payment or other bill generated from another
-- document. FTableName is the bill's header table ('t_RP_RBill', 't_RP_PBill', ...), FBillID
-- its internal id, FID the class type of the document it was generated from (e.g. 1000018),
-- FSource how it was generated (8 = pushed down from that document). The editor puts FID and
-- FSource into the bill dictionary of a loaded bill.
CREATE TABLE t_RP_PushBill (
  FTableName  TEXT COLLATE NOCASE NOT NULL,
  FBillID     INTEGER NOT NULL,
  FID         INTEGER NOT NULL,
  FSource     INTEGER NOT NULL DEFAULT 8,
  PRIMARY KEY (FTableName, FBillID)
);

---------------------------------------------------------------------------------------------
-- Other receivable bills (bill type 1000205) and other payable bills (1000206)
---------------------------------------------------------------------------------------------

-- Other receivable bill header. FBillTypeID 1005 settled at once (FCheckAmountFor = amount,
-- settlement method filled in), 1006 on account (a receivable of the customer, due on
-- FLimitDate). FAmountFor / FAmount = sum of the rows. FID = 1 (customer item class).
CREATE TABLE t_RP_ROtherBill (
  FBillID         INTEGER PRIMARY KEY,
  FBillNo         TEXT COLLATE NOCASE NOT NULL,
  FClassTypeID    INTEGER NOT NULL DEFAULT 1000205,
  FID             INTEGER NOT NULL DEFAULT 1,
  FDate           DATE,
  FBillTypeID     INTEGER NOT NULL DEFAULT 1006,
  FCustomerID     INTEGER NOT NULL DEFAULT 0,
  FCurrencyID     INTEGER NOT NULL DEFAULT 1,
  FExchangeRate   REAL NOT NULL DEFAULT 1,
  FAcctID         INTEGER NOT NULL DEFAULT 0,
  FSettleID       INTEGER NOT NULL DEFAULT 0,
  FSettleIDNo     TEXT NOT NULL DEFAULT '',
  FLimitDate      DATE,
  FAmountFor      REAL NOT NULL DEFAULT 0,
  FAmount         REAL NOT NULL DEFAULT 0,
  FCheckAmountFor REAL NOT NULL DEFAULT 0,
  FCheckAmount    REAL NOT NULL DEFAULT 0,
  FDepartmentID   INTEGER NOT NULL DEFAULT 0,
  FEmployeeID     INTEGER NOT NULL DEFAULT 0,
  FExplanation    TEXT NOT NULL DEFAULT '',
  FStatus         INTEGER NOT NULL DEFAULT 0,
  FPreparer       INTEGER NOT NULL DEFAULT 0,
  FCheckerID      INTEGER NOT NULL DEFAULT 0,
  FCheckDate      DATE,
  FVoucherID      INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX ux_RP_ROtherBill_No ON t_RP_ROtherBill (FBillNo);

-- Other receivable bill rows: an income type (a leaf of t_RP_InOutType) and an amount.
CREATE TABLE t_RP_ROtherBillEntry (
  FBillID        INTEGER NOT NULL,
  FEntryID       INTEGER NOT NULL,
  FInOutTypeID   INTEGER NOT NULL DEFAULT 0,
  FBillAmountFor REAL NOT NULL DEFAULT 0,
  FBillAmount    REAL NOT NULL DEFAULT 0,
  FBillNote      TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FBillID, FEntryID)
);

-- Other payable bill header. FBillTypeID 1007 settled at once, 1008 on account. FID = 8.
CREATE TABLE t_RP_POtherBill (
  FBillID         INTEGER PRIMARY KEY,
  FBillNo         TEXT COLLATE NOCASE NOT NULL,
  FClassTypeID    INTEGER NOT NULL DEFAULT 1000206,
  FID             INTEGER NOT NULL DEFAULT 8,
  FDate           DATE,
  FBillTypeID     INTEGER NOT NULL DEFAULT 1008,
  FSupplyID       INTEGER NOT NULL DEFAULT 0,
  FCurrencyID     INTEGER NOT NULL DEFAULT 1,
  FExchangeRate   REAL NOT NULL DEFAULT 1,
  FAcctID         INTEGER NOT NULL DEFAULT 0,
  FSettleID       INTEGER NOT NULL DEFAULT 0,
  FSettleIDNo     TEXT NOT NULL DEFAULT '',
  FLimitDate      DATE,
  FAmountFor      REAL NOT NULL DEFAULT 0,
  FAmount         REAL NOT NULL DEFAULT 0,
  FCheckAmountFor REAL NOT NULL DEFAULT 0,
  FCheckAmount    REAL NOT NULL DEFAULT 0,
  FDepartmentID   INTEGER NOT NULL DEFAULT 0,
  FEmployeeID     INTEGER NOT NULL DEFAULT 0,
  FExplanation    TEXT NOT NULL DEFAULT '',
  FStatus         INTEGER NOT NULL DEFAULT 0,
  FPreparer       INTEGER NOT NULL DEFAULT 0,
  FCheckerID      INTEGER NOT NULL DEFAULT 0,
  FCheckDate      DATE,
  FVoucherID      INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX ux_RP_POtherBill_No ON t_RP_POtherBill (FBillNo);

-- Other payable bill rows: an expense type (a leaf of t_RP_InOutType) and an amount.
CREATE TABLE t_RP_POtherBillEntry (
  FBillID        INTEGER NOT NULL,
  FEntryID       INTEGER NOT NULL,
  FInOutTypeID   INTEGER NOT NULL DEFAULT 0,
  FBillAmountFor REAL NOT NULL DEFAULT 0,
  FBillAmount    REAL NOT NULL DEFAULT 0,
  FBillNote      TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FBillID, FEntryID)
);

---------------------------------------------------------------------------------------------
-- Income/expense types (class type 1000207)
---------------------------------------------------------------------------------------------

-- Income/expense types: a tree by number ("1" income and "2" expense are the two roots;
-- "1.01.001" is a child of "1.01"). FPreNumber is the parent's number as the edit card wrote
-- it; FAccountID the ledger account the type posts to; FDiscontinued 1 = disabled. Parent,
-- level and leaf flag are derived in vw_RP_InOutType.
CREATE TABLE t_RP_InOutType (
  FID           INTEGER PRIMARY KEY,
  FNumber       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  FName         TEXT NOT NULL DEFAULT '',
  FPreNumber    TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  FAccountID    INTEGER NOT NULL DEFAULT 0,
  FClassTypeID  INTEGER NOT NULL DEFAULT 1000207,
  FDiscontinued INTEGER NOT NULL DEFAULT 0,
  FNote         TEXT NOT NULL DEFAULT '',
  FDeleted      INTEGER NOT NULL DEFAULT 0
);

-- Every income/expense type with its derived tree data: FParentid (0 for a root), FLevels
-- (1 for the roots), FIsLeaf (1 when no live type lies under it), FRootNumber ("1" or "2")
-- and FType (1 income, 2 expense). This is the record the type service returns.
CREATE VIEW vw_RP_InOutType AS
SELECT t.FID,
       t.FNumber,
       t.FName,
       IFNULL((SELECT p.FID FROM t_RP_InOutType p
               WHERE p.FDeleted = 0 AND p.FID <> t.FID
                 AND substr(t.FNumber, 1, length(p.FNumber) + 1) = p.FNumber || '.'
                 AND instr(substr(t.FNumber, length(p.FNumber) + 2), '.') = 0), 0) AS FParentid,
       length(t.FNumber) - length(replace(t.FNumber, '.', '')) + 1 AS FLevels,
       CASE WHEN EXISTS (SELECT 1 FROM t_RP_InOutType c
                         WHERE c.FDeleted = 0 AND c.FID <> t.FID
                           AND substr(c.FNumber, 1, length(t.FNumber) + 1) = t.FNumber || '.')
            THEN 0 ELSE 1 END AS FIsLeaf,
       CASE WHEN instr(t.FNumber, '.') > 0 THEN substr(t.FNumber, 1, instr(t.FNumber, '.') - 1)
            ELSE t.FNumber END AS FRootNumber,
       CASE WHEN t.FNumber = '2' OR t.FNumber LIKE '2.%' THEN 2 ELSE 1 END AS FType,
       t.FPreNumber,
       t.FAccountID,
       t.FClassTypeID,
       t.FDiscontinued,
       t.FNote,
       t.FDeleted
FROM t_RP_InOutType t
WHERE t.FDeleted = 0;

---------------------------------------------------------------------------------------------
-- Settled amounts and source lines offered to the settlement bills
---------------------------------------------------------------------------------------------

-- Amount settled so far on each receivable source line: the rows of audited receipt bills.
CREATE VIEW vw_arap_RSettled AS
SELECT e.FClassID_SRC, e.FInterID, e.FEntryID_HXD_SRC,
       SUM(e.FBillSettleAmountFor) AS FSettledFor,
       SUM(e.FBillSettleAmount) AS FSettled
FROM t_RP_RBillEntry e
JOIN t_RP_RBill b ON b.FBillID = e.FBillID
WHERE b.FStatus = 1 AND e.FInterID > 0
GROUP BY e.FClassID_SRC, e.FInterID, e.FEntryID_HXD_SRC;

-- Amount settled so far on each payable source line: the rows of audited payment bills.
CREATE VIEW vw_arap_PSettled AS
SELECT e.FClassID_SRC, e.FInterID, e.FEntryID_HXD_SRC,
       SUM(e.FBillSettleAmountFor) AS FSettledFor,
       SUM(e.FBillSettleAmount) AS FSettled
FROM t_RP_PBillEntry e
JOIN t_RP_PBill b ON b.FBillID = e.FBillID
WHERE b.FStatus = 1 AND e.FInterID > 0
GROUP BY e.FClassID_SRC, e.FInterID, e.FEntryID_HXD_SRC;

-- Every receivable document line, audited or not: sales invoice lines (class = FTranType),
-- other receivable bills on account (class 1000205, line 0) and initial receivables (class
-- 1000020, line 0). FChecked 1 when the document is audited (initial balances always are).
CREATE VIEW vw_arap_RDocLine AS
SELECT s.FTranType AS FClassTypeID_SRC, s.FInterID AS FBillID, e.FEntryID AS FEntryID_HXD_SRC,
       e.FDetailID AS FLineID, s.FBillNo, s.FDate, s.FCustID, s.FDeptID, s.FEmpID,
       s.FCurrencyID, s.FExchangeRate, e.FAmountFor, e.FAmount, e.FFKDBillNo, s.FROB,
       CASE WHEN s.FStatus = 1 AND IFNULL(s.FCheckerID, 0) > 0 THEN 1 ELSE 0 END AS FChecked
FROM ICSale s
JOIN ICSaleEntry e ON e.FInterID = s.FInterID
UNION ALL
SELECT 1000205, b.FBillID, 0, 0, b.FBillNo, b.FDate, b.FCustomerID, b.FDepartmentID,
       b.FEmployeeID, b.FCurrencyID, b.FExchangeRate, b.FAmountFor, b.FAmount, '',
       CASE WHEN b.FAmountFor < 0 THEN -1 ELSE 1 END,
       CASE WHEN b.FStatus = 1 THEN 1 ELSE 0 END
FROM t_RP_ROtherBill b
WHERE b.FBillTypeID = 1006
UNION ALL
SELECT 1000020, i.FID, 0, 0, i.FBillNo, i.FDate, i.FItemID, i.FDeptID, i.FEmpID,
       i.FCurrencyID, i.FExchangeRate, i.FAmountFor, i.FAmount, '',
       CASE WHEN i.FAmountFor < 0 THEN -1 ELSE 1 END, 1
FROM t_RP_Initial i
WHERE i.FType = 1;

-- Every payable document line: purchase invoice lines (class = FTranType), expense invoices
-- (class 94, line 0), other payable bills on account (class 1000206, line 0) and initial
-- payables (class 1000021, line 0).
CREATE VIEW vw_arap_PDocLine AS
SELECT s.FTranType AS FClassTypeID_SRC, s.FInterID AS FBillID, e.FEntryID AS FEntryID_HXD_SRC,
       e.FDetailID AS FLineID, s.FBillNo, s.FDate, s.FSupplyID, s.FDeptID, s.FEmpID,
       s.FCurrencyID, s.FExchangeRate, e.FAmountFor, e.FAmount, e.FFKDBillNo, s.FROB,
       CASE WHEN s.FStatus = 1 AND IFNULL(s.FCheckerID, 0) > 0 THEN 1 ELSE 0 END AS FChecked
FROM ICPurchase s
JOIN ICPurchaseEntry e ON e.FInterID = s.FInterID
UNION ALL
SELECT 94, x.FInterID, 0, 0, x.FBillNo, x.FDate, x.FSupplyID, x.FDeptID, x.FEmpID,
       x.FCurrencyID, x.FExchangeRate, x.FAmountFor, x.FAmount, '',
       CASE WHEN x.FAmountFor < 0 THEN -1 ELSE 1 END,
       CASE WHEN x.FStatus = 1 AND IFNULL(x.FCheckerID, 0) > 0 THEN 1 ELSE 0 END
FROM ICOutExpense x
UNION ALL
SELECT 1000206, b.FBillID, 0, 0, b.FBillNo, b.FDate, b.FSupplyID, b.FDepartmentID,
       b.FEmployeeID, b.FCurrencyID, b.FExchangeRate, b.FAmountFor, b.FAmount, '',
       CASE WHEN b.FAmountFor < 0 THEN -1 ELSE 1 END,
       CASE WHEN b.FStatus = 1 THEN 1 ELSE 0 END
FROM t_RP_POtherBill b
WHERE b.FBillTypeID = 1008
UNION ALL
SELECT 1000021, i.FID, 0, 0, i.FBillNo, i.FDate, i.FItemID, i.FDeptID, i.FEmpID,
       i.FCurrencyID, i.FExchangeRate, i.FAmountFor, i.FAmount, '',
       CASE WHEN i.FAmountFor < 0 THEN -1 ELSE 1 END, 1
FROM t_RP_Initial i
WHERE i.FType = 2;

-- Selection window of receipt bills, code 2000001: the open lines of audited receivable
-- documents, under the column names of the receipt settlement rows they fill (FInterID,
-- FEntryID_HXD_SRC, FClassID_SRC, FInvoiceBillNo, FBillCurrencyID, FEntryExchangeRate,
-- FBill...Amount..., FEntryAmount_SRC, FFKDBillNo, FCustID), plus the filter columns
-- FBillID, FClassTypeID_SRC, FOriCustID, FCurrencyID and FDeptID / FEmpID of the document.
-- The proposed settlement (FBillSettleAmount...) is the whole open amount.
CREATE VIEW vw_arap_RBillList AS
SELECT d.FBillID,
       d.FBillID AS FInterID,
       d.FEntryID_HXD_SRC,
       d.FClassTypeID_SRC,
       d.FClassTypeID_SRC AS FClassID_SRC,
       0 AS FEntryID_SRC,
       d.FBillNo,
       d.FBillNo AS FInvoiceBillNo,
       d.FDate,
       d.FCustID AS FOriCustID,
       d.FCustID,
       d.FDeptID,
       d.FEmpID,
       d.FCurrencyID,
       d.FCurrencyID AS FBillCurrencyID,
       d.FExchangeRate AS FEntryExchangeRate,
       d.FAmountFor AS FBillAmountFor,
       d.FAmount AS FBillAmount,
       IFNULL(x.FSettledFor, 0.0) AS FBillReceiveAmountFor,
       IFNULL(x.FSettled, 0.0) AS FBillReceiveAmount,
       d.FAmountFor - IFNULL(x.FSettledFor, 0.0) AS FBillUnReceiveAmountFor,
       d.FAmount - IFNULL(x.FSettled, 0.0) AS FBillUnReceiveAmount,
       d.FAmountFor - IFNULL(x.FSettledFor, 0.0) AS FBillSettleAmountFor,
       d.FAmount - IFNULL(x.FSettled, 0.0) AS FBillSettleAmount,
       d.FAmountFor AS FEntryAmount_SRC,
       d.FFKDBillNo,
       d.FROB
FROM vw_arap_RDocLine d
LEFT JOIN vw_arap_RSettled x
  ON x.FClassID_SRC = d.FClassTypeID_SRC AND x.FInterID = d.FBillID
 AND x.FEntryID_HXD_SRC = d.FEntryID_HXD_SRC
WHERE d.FChecked = 1 AND round(d.FAmountFor - IFNULL(x.FSettledFor, 0.0), 6) <> 0;

-- Selection window of receipt bills, code 2000003: refund documents (open lines of audited
-- red sales invoices). FID is the line id (kept in the row's FEntryID_SRC), FBillID the
-- invoice; FCustID / FCurrencyID are the filter columns.
CREATE VIEW vw_arap_RBackBillList AS
SELECT d.FLineID AS FID,
       d.FBillID,
       d.FBillID AS FInterID,
       d.FEntryID_HXD_SRC,
       d.FClassTypeID_SRC,
       d.FClassTypeID_SRC AS FClassID_SRC,
       d.FLineID AS FEntryID_SRC,
       d.FBillNo,
       d.FBillNo AS FInvoiceBillNo,
       d.FDate,
       d.FCustID,
       d.FDeptID,
       d.FEmpID,
       d.FCurrencyID,
       d.FCurrencyID AS FBillCurrencyID,
       d.FExchangeRate AS FEntryExchangeRate,
       d.FAmountFor AS FBillAmountFor,
       d.FAmount AS FBillAmount,
       IFNULL(x.FSettledFor, 0.0) AS FBillReceiveAmountFor,
       IFNULL(x.FSettled, 0.0) AS FBillReceiveAmount,
       d.FAmountFor - IFNULL(x.FSettledFor, 0.0) AS FBillUnReceiveAmountFor,
       d.FAmount - IFNULL(x.FSettled, 0.0) AS FBillUnReceiveAmount,
       d.FAmountFor - IFNULL(x.FSettledFor, 0.0) AS FBillSettleAmountFor,
       d.FAmount - IFNULL(x.FSettled, 0.0) AS FBillSettleAmount,
       d.FAmountFor AS FEntryAmount_SRC,
       d.FFKDBillNo
FROM vw_arap_RDocLine d
LEFT JOIN vw_arap_RSettled x
  ON x.FClassID_SRC = d.FClassTypeID_SRC AND x.FInterID = d.FBillID
 AND x.FEntryID_HXD_SRC = d.FEntryID_HXD_SRC
WHERE d.FChecked = 1 AND d.FROB = -1 AND d.FClassTypeID_SRC IN (1000000, 1000002)
  AND round(d.FAmountFor - IFNULL(x.FSettledFor, 0.0), 6) <> 0;

-- Selection window of payment bills, code 2000002: the open lines of audited payable
-- documents under the column names of the payment settlement rows (FPurchaseBillNo,
-- FBillPayAmount..., FBillUnPayAmount..., FSupplyIdID), plus FOriSupplyID and FCurrencyID.
CREATE VIEW vw_arap_PBillList AS
SELECT d.FBillID,
       d.FBillID AS FInterID,
       d.FEntryID_HXD_SRC,
       d.FClassTypeID_SRC,
       d.FClassTypeID_SRC AS FClassID_SRC,
       0 AS FEntryID_SRC,
       d.FBillNo,
       d.FBillNo AS FPurchaseBillNo,
       d.FDate,
       d.FSupplyID AS FOriSupplyID,
       d.FSupplyID,
       d.FSupplyID AS FSupplyIdID,
       d.FDeptID,
       d.FEmpID,
       d.FCurrencyID,
       d.FCurrencyID AS FBillCurrencyID,
       d.FExchangeRate AS FEntryExchangeRate,
       d.FAmountFor AS FBillAmountFor,
       d.FAmount AS FBillAmount,
       IFNULL(x.FSettledFor, 0.0) AS FBillPayAmountFor,
       IFNULL(x.FSettled, 0.0) AS FBillPayAmount,
       d.FAmountFor - IFNULL(x.FSettledFor, 0.0) AS FBillUnPayAmountFor,
       d.FAmount - IFNULL(x.FSettled, 0.0) AS FBillUnPayAmount,
       d.FAmountFor - IFNULL(x.FSettledFor, 0.0) AS FBillSettleAmountFor,
       d.FAmount - IFNULL(x.FSettled, 0.0) AS FBillSettleAmount,
       d.FAmountFor AS FEntryAmount_SRC,
       d.FFKDBillNo,
       d.FROB
FROM vw_arap_PDocLine d
LEFT JOIN vw_arap_PSettled x
  ON x.FClassID_SRC = d.FClassTypeID_SRC AND x.FInterID = d.FBillID
 AND x.FEntryID_HXD_SRC = d.FEntryID_HXD_SRC
WHERE d.FChecked = 1 AND round(d.FAmountFor - IFNULL(x.FSettledFor, 0.0), 6) <> 0;

-- Selection window of payment bills, code 2000004: refund documents (open lines of audited
-- red purchase invoices). FID is the line id, FBillID the invoice, FSupplyID the filter column.
CREATE VIEW vw_arap_PBackBillList AS
SELECT d.FLineID AS FID,
       d.FBillID,
       d.FBillID AS FInterID,
       d.FEntryID_HXD_SRC,
       d.FClassTypeID_SRC,
       d.FClassTypeID_SRC AS FClassID_SRC,
       d.FLineID AS FEntryID_SRC,
       d.FBillNo,
       d.FBillNo AS FPurchaseBillNo,
       d.FDate,
       d.FSupplyID,
       d.FSupplyID AS FSupplyIdID,
       d.FDeptID,
       d.FEmpID,
       d.FCurrencyID,
       d.FCurrencyID AS FBillCurrencyID,
       d.FExchangeRate AS FEntryExchangeRate,
       d.FAmountFor AS FBillAmountFor,
       d.FAmount AS FBillAmount,
       IFNULL(x.FSettledFor, 0.0) AS FBillPayAmountFor,
       IFNULL(x.FSettled, 0.0) AS FBillPayAmount,
       d.FAmountFor - IFNULL(x.FSettledFor, 0.0) AS FBillUnPayAmountFor,
       d.FAmount - IFNULL(x.FSettled, 0.0) AS FBillUnPayAmount,
       d.FAmountFor - IFNULL(x.FSettledFor, 0.0) AS FBillSettleAmountFor,
       d.FAmount - IFNULL(x.FSettled, 0.0) AS FBillSettleAmount,
       d.FAmountFor AS FEntryAmount_SRC,
       d.FFKDBillNo
FROM vw_arap_PDocLine d
LEFT JOIN vw_arap_PSettled x
  ON x.FClassID_SRC = d.FClassTypeID_SRC AND x.FInterID = d.FBillID
 AND x.FEntryID_HXD_SRC = d.FEntryID_HXD_SRC
WHERE d.FChecked = 1 AND d.FROB = -1 AND d.FClassTypeID_SRC IN (1000003, 1000004)
  AND round(d.FAmountFor - IFNULL(x.FSettledFor, 0.0), 6) <> 0;

---------------------------------------------------------------------------------------------
-- Balances (credit control and the AR/AP balance reports)
---------------------------------------------------------------------------------------------

-- Receivable balance of every customer in local currency, audited or not: sales invoices,
-- other receivable bills on account and initial receivables, less the gross amount of every
-- receipt bill (prepayments included).
CREATE VIEW vw_arap_RBalance AS
SELECT o.FItemID AS FCustID, o.FNumber, o.FName,
       IFNULL((SELECT SUM(s.FAmount) FROM ICSale s WHERE s.FCustID = o.FItemID), 0)
     + IFNULL((SELECT SUM(b.FAmount) FROM t_RP_ROtherBill b
               WHERE b.FCustomerID = o.FItemID AND b.FBillTypeID = 1006), 0)
     + IFNULL((SELECT SUM(i.FAmount) FROM t_RP_Initial i
               WHERE i.FType = 1 AND i.FItemID = o.FItemID), 0)
     - IFNULL((SELECT SUM(r.FAmount) FROM t_RP_RBill r WHERE r.FCustomerID = o.FItemID), 0)
       AS FRemainAmount
FROM t_Organization o;

-- Payable balance of every supplier in local currency: purchase and expense invoices, other
-- payable bills on account and initial payables, less the gross amount of every payment bill.
CREATE VIEW vw_arap_PBalance AS
SELECT p.FItemID AS FSupplyID, p.FNumber, p.FName,
       IFNULL((SELECT SUM(s.FAmount) FROM ICPurchase s WHERE s.FSupplyID = p.FItemID), 0)
     + IFNULL((SELECT SUM(x.FAmount) FROM ICOutExpense x WHERE x.FSupplyID = p.FItemID), 0)
     + IFNULL((SELECT SUM(b.FAmount) FROM t_RP_POtherBill b
               WHERE b.FSupplyID = p.FItemID AND b.FBillTypeID = 1008), 0)
     + IFNULL((SELECT SUM(i.FAmount) FROM t_RP_Initial i
               WHERE i.FType = 2 AND i.FItemID = p.FItemID), 0)
     - IFNULL((SELECT SUM(r.FAmount) FROM t_RP_PBill r WHERE r.FSupplyID = p.FItemID), 0)
       AS FRemainAmount
FROM t_Supplier p;

---------------------------------------------------------------------------------------------
-- List views: one row per list line. A bill with several rows gives several lines with the
-- same key. "GetBillDetail"(id) of a list is SELECT * FROM <view> WHERE <key column> = id.
---------------------------------------------------------------------------------------------

-- Receipt bill list: header columns, names of the references, one line per settlement row
-- (FInterID / FTranType: the source document of the row).
CREATE VIEW vw_qor_list_receipt AS
SELECT b.FBillID, b.FBillNo, b.FDate, b.FClassTypeID, b.FCustomerID,
       c.FNumber AS FCustomerNumber, c.FName AS FCustomerName,
       b.FReceiveTypeID, t.FName AS FReceiveTypeName,
       b.FCurrencyID, cur.FName AS FCurrencyName, b.FExchangeRate,
       b.FAcctID, a.FName AS FAcctName,
       b.FAmountFor, b.FAmount, b.FReceiveAmountFor, b.FReceiveAmount,
       b.FDiscountDsp, b.FDiscountAmountFor, b.FDiscountAmount,
       b.FCheckAmountFor, b.FExplanation, b.FStatus,
       CASE WHEN b.FStatus = 1 THEN '已审核' ELSE '未审核' END AS FStatusName,
       b.FPreparer, u1.FName AS FPreparerName, b.FCheckerID, u2.FName AS FCheckerName,
       b.FCheckDate, b.FVoucherID,
       e.FEntryID, e.FInterID, e.FClassID_SRC, e.FClassID_SRC AS FTranType, e.FEntryID_HXD_SRC,
       e.FInvoiceBillNo, e.FBillCurrencyID, e.FBillSettleAmountFor, e.FBillSettleAmount
FROM t_RP_RBill b
LEFT JOIN t_RP_RBillEntry e ON e.FBillID = b.FBillID
LEFT JOIN t_Organization c ON c.FItemID = b.FCustomerID
LEFT JOIN t_SubMessage t ON t.FInterID = b.FReceiveTypeID
LEFT JOIN t_Currency cur ON cur.FCurrencyID = b.FCurrencyID
LEFT JOIN t_Account a ON a.FAccountID = b.FAcctID
LEFT JOIN t_User u1 ON u1.FUserID = b.FPreparer
LEFT JOIN t_User u2 ON u2.FUserID = b.FCheckerID;

-- Payment bill list: as the receipt bill list.
CREATE VIEW vw_qor_list_payment AS
SELECT b.FBillID, b.FBillNo, b.FDate, b.FClassTypeID, b.FSupplyID,
       s.FNumber AS FSupplyNumber, s.FName AS FSupplyName,
       b.FPayTypeID, t.FName AS FPayTypeName,
       b.FCurrencyID, cur.FName AS FCurrencyName, b.FExchangeRate,
       b.FAcctID, a.FName AS FAcctName,
       b.FAmountFor, b.FAmount, b.FPayAmountFor, b.FPayAmount,
       b.FDiscountDsp, b.FDiscountAmountFor, b.FDiscountAmount,
       b.FCheckAmountFor, b.FExplanation, b.FStatus,
       CASE WHEN b.FStatus = 1 THEN '已审核' ELSE '未审核' END AS FStatusName,
       b.FPreparer, u1.FName AS FPreparerName, b.FCheckerID, u2.FName AS FCheckerName,
       b.FCheckDate, b.FVoucherID,
       e.FEntryID, e.FInterID, e.FClassID_SRC, e.FClassID_SRC AS FTranType, e.FEntryID_HXD_SRC,
       e.FPurchaseBillNo, e.FBillCurrencyID, e.FBillSettleAmountFor, e.FBillSettleAmount
FROM t_RP_PBill b
LEFT JOIN t_RP_PBillEntry e ON e.FBillID = b.FBillID
LEFT JOIN t_Supplier s ON s.FItemID = b.FSupplyID
LEFT JOIN t_SubMessage t ON t.FInterID = b.FPayTypeID
LEFT JOIN t_Currency cur ON cur.FCurrencyID = b.FCurrencyID
LEFT JOIN t_Account a ON a.FAccountID = b.FAcctID
LEFT JOIN t_User u1 ON u1.FUserID = b.FPreparer
LEFT JOIN t_User u2 ON u2.FUserID = b.FCheckerID;

-- Other receivable bill list: one line per row (income type and amount).
CREATE VIEW vw_qor_list_other_receivable AS
SELECT b.FBillID, b.FBillNo, b.FDate, b.FClassTypeID, b.FBillTypeID, bt.FName AS FBillTypeName,
       b.FCustomerID, c.FNumber AS FCustomerNumber, c.FName AS FCustomerName,
       b.FCurrencyID, cur.FName AS FCurrencyName, b.FExchangeRate,
       b.FAcctID, a.FName AS FAcctName, b.FLimitDate,
       b.FAmountFor, b.FAmount, b.FCheckAmountFor, b.FCheckAmount, b.FExplanation, b.FStatus,
       CASE WHEN b.FStatus = 1 THEN '已审核' ELSE '未审核' END AS FStatusName,
       b.FPreparer, u1.FName AS FPreparerName, b.FCheckerID, u2.FName AS FCheckerName,
       b.FCheckDate, b.FVoucherID,
       e.FEntryID, e.FInOutTypeID, it.FNumber AS FInOutTypeNumber, it.FName AS FInOutTypeName,
       e.FBillAmountFor, e.FBillAmount, e.FBillNote
FROM t_RP_ROtherBill b
LEFT JOIN t_RP_ROtherBillEntry e ON e.FBillID = b.FBillID
LEFT JOIN t_RP_InOutType it ON it.FID = e.FInOutTypeID
LEFT JOIN t_SubMessage bt ON bt.FInterID = b.FBillTypeID
LEFT JOIN t_Organization c ON c.FItemID = b.FCustomerID
LEFT JOIN t_Currency cur ON cur.FCurrencyID = b.FCurrencyID
LEFT JOIN t_Account a ON a.FAccountID = b.FAcctID
LEFT JOIN t_User u1 ON u1.FUserID = b.FPreparer
LEFT JOIN t_User u2 ON u2.FUserID = b.FCheckerID;

-- Other payable bill list: one line per row (expense type and amount).
CREATE VIEW vw_qor_list_other_payable AS
SELECT b.FBillID, b.FBillNo, b.FDate, b.FClassTypeID, b.FBillTypeID, bt.FName AS FBillTypeName,
       b.FSupplyID, s.FNumber AS FSupplyNumber, s.FName AS FSupplyName,
       b.FCurrencyID, cur.FName AS FCurrencyName, b.FExchangeRate,
       b.FAcctID, a.FName AS FAcctName, b.FLimitDate,
       b.FAmountFor, b.FAmount, b.FCheckAmountFor, b.FCheckAmount, b.FExplanation, b.FStatus,
       CASE WHEN b.FStatus = 1 THEN '已审核' ELSE '未审核' END AS FStatusName,
       b.FPreparer, u1.FName AS FPreparerName, b.FCheckerID, u2.FName AS FCheckerName,
       b.FCheckDate, b.FVoucherID,
       e.FEntryID, e.FInOutTypeID, it.FNumber AS FInOutTypeNumber, it.FName AS FInOutTypeName,
       e.FBillAmountFor, e.FBillAmount, e.FBillNote
FROM t_RP_POtherBill b
LEFT JOIN t_RP_POtherBillEntry e ON e.FBillID = b.FBillID
LEFT JOIN t_RP_InOutType it ON it.FID = e.FInOutTypeID
LEFT JOIN t_SubMessage bt ON bt.FInterID = b.FBillTypeID
LEFT JOIN t_Supplier s ON s.FItemID = b.FSupplyID
LEFT JOIN t_Currency cur ON cur.FCurrencyID = b.FCurrencyID
LEFT JOIN t_Account a ON a.FAccountID = b.FAcctID
LEFT JOIN t_User u1 ON u1.FUserID = b.FPreparer
LEFT JOIN t_User u2 ON u2.FUserID = b.FCheckerID;

-- Sales invoice list: one line per invoice line (FInterID / FTranType identify the invoice).
CREATE VIEW vw_qor_list_sales_invoice AS
SELECT s.FInterID, s.FTranType, s.FTranType AS FClassTypeID, s.FBillNo, s.FDate,
       s.FCustID, c.FNumber AS FCustNumber, c.FName AS FCustName,
       s.FDeptID, d.FName AS FDeptName, s.FEmpID, m.FName AS FEmpName,
       s.FCurrencyID, cur.FName AS FCurrencyName, s.FExchangeRate, s.FROB,
       CASE WHEN s.FROB = -1 THEN '红字' ELSE '蓝字' END AS FROBName,
       s.FAmountFor AS FBillAmountFor, s.FAmount AS FBillAmount, s.FExplanation, s.FStatus,
       CASE WHEN s.FStatus = 1 THEN '已审核' ELSE '未审核' END AS FStatusName,
       s.FCheckerID, s.FCheckDate,
       e.FEntryID, e.FItemName, e.FUnit, e.FQty, e.FPrice, e.FAmountFor, e.FAmount, e.FFKDBillNo
FROM ICSale s
LEFT JOIN ICSaleEntry e ON e.FInterID = s.FInterID
LEFT JOIN t_Organization c ON c.FItemID = s.FCustID
LEFT JOIN t_Department d ON d.FItemID = s.FDeptID
LEFT JOIN t_Emp m ON m.FItemID = s.FEmpID
LEFT JOIN t_Currency cur ON cur.FCurrencyID = s.FCurrencyID;

-- Purchase invoice list: one line per invoice line.
CREATE VIEW vw_qor_list_purchase_invoice AS
SELECT s.FInterID, s.FTranType, s.FTranType AS FClassTypeID, s.FBillNo, s.FDate,
       s.FSupplyID, p.FNumber AS FSupplyNumber, p.FName AS FSupplyName,
       s.FDeptID, d.FName AS FDeptName, s.FEmpID, m.FName AS FEmpName,
       s.FCurrencyID, cur.FName AS FCurrencyName, s.FExchangeRate, s.FROB,
       CASE WHEN s.FROB = -1 THEN '红字' ELSE '蓝字' END AS FROBName,
       s.FAmountFor AS FBillAmountFor, s.FAmount AS FBillAmount, s.FExplanation, s.FStatus,
       CASE WHEN s.FStatus = 1 THEN '已审核' ELSE '未审核' END AS FStatusName,
       s.FCheckerID, s.FCheckDate,
       e.FEntryID, e.FItemName, e.FUnit, e.FQty, e.FPrice, e.FAmountFor, e.FAmount, e.FFKDBillNo
FROM ICPurchase s
LEFT JOIN ICPurchaseEntry e ON e.FInterID = s.FInterID
LEFT JOIN t_Supplier p ON p.FItemID = s.FSupplyID
LEFT JOIN t_Department d ON d.FItemID = s.FDeptID
LEFT JOIN t_Emp m ON m.FItemID = s.FEmpID
LEFT JOIN t_Currency cur ON cur.FCurrencyID = s.FCurrencyID;

-- Initial-balance list: receivables and payables with the partner's number and name.
CREATE VIEW vw_qor_list_initial AS
SELECT i.FID, i.FType, CASE WHEN i.FType = 1 THEN '期初应收' ELSE '期初应付' END AS FTypeName,
       CASE WHEN i.FType = 1 THEN 1000020 ELSE 1000021 END AS FClassTypeID,
       i.FItemID,
       CASE WHEN i.FType = 1 THEN c.FNumber ELSE s.FNumber END AS FItemNumber,
       CASE WHEN i.FType = 1 THEN c.FName ELSE s.FName END AS FItemName,
       i.FBillNo, i.FDate, i.FCurrencyID, cur.FName AS FCurrencyName, i.FExchangeRate,
       i.FAmountFor, i.FAmount, i.FDeptID, i.FEmpID, i.FExplanation
FROM t_RP_Initial i
LEFT JOIN t_Organization c ON i.FType = 1 AND c.FItemID = i.FItemID
LEFT JOIN t_Supplier s ON i.FType = 2 AND s.FItemID = i.FItemID
LEFT JOIN t_Currency cur ON cur.FCurrencyID = i.FCurrencyID;

-- Income/expense type list (read-only list of the types with their account).
CREATE VIEW vw_qor_list_type AS
SELECT t.FID, t.FNumber, t.FName, t.FParentid, t.FLevels, t.FIsLeaf, t.FType,
       CASE WHEN t.FType = 1 THEN '收入类别' ELSE '支出类别' END AS FTypeName,
       t.FAccountID, a.FNumber AS FAccountNumber, a.FName AS FAccountName,
       t.FDiscontinued, CASE WHEN t.FDiscontinued = 1 THEN '是' ELSE '否' END AS FDiscontinuedName,
       t.FClassTypeID, t.FNote
FROM vw_RP_InOutType t
LEFT JOIN t_Account a ON a.FAccountID = t.FAccountID;

---------------------------------------------------------------------------------------------
-- Window templates of the generic bill editor, selection window and list view. They are the
-- product's own window definitions and are present even in an empty database.
---------------------------------------------------------------------------------------------

-- Bill editor windows. FWindow is the window name scenarios use; FHeadTable holds the header
-- (one row per bill) with FKeyColumn as its internal id; a new bill gets FNumberPrefix + four
-- digits (the next free number) in FNumberColumn; an empty prefix means the host proposes no
-- number. FClassTypeID is the class type the editor reports.
CREATE TABLE t_BillTemplate (
  FBillTypeID   INTEGER PRIMARY KEY,
  FWindow       TEXT COLLATE NOCASE NOT NULL UNIQUE,
  FName         TEXT NOT NULL,
  FHeadTable    TEXT NOT NULL,
  FKeyColumn    TEXT NOT NULL,
  FNumberColumn TEXT NOT NULL DEFAULT '',
  FNumberPrefix TEXT NOT NULL DEFAULT '',
  FClassTypeID  INTEGER NOT NULL
);

-- Entry pages of a bill: page FPage (2 = "Page2") is stored in FTable, whose FLinkColumn
-- holds the header id and FIndexColumn the row number (1..n). FKeyField is the entry's key
-- field (a row counts as filled when it is not empty), '' when the entry has none.
CREATE TABLE t_BillTemplateEntry (
  FBillTypeID  INTEGER NOT NULL,
  FPage        INTEGER NOT NULL,
  FTable       TEXT NOT NULL,
  FLinkColumn  TEXT NOT NULL,
  FIndexColumn TEXT NOT NULL,
  FKeyField    TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FBillTypeID, FPage)
);

-- Fields of the bill editors, one row per field; FPage 1 is the header, 2 the entry page.
-- FCtlType: 1 text, 2 number, 3 date, 4 base-data lookup, 5 combo (a lookup shown as a drop
-- list), 8 plain value (shows the stored value). FSourceType: 0 none, 1 base-data reference,
-- 7 partner (customer / supplier of a row). For types 1 and 7, FSRCTableName is the base-data
-- table and FSRCFieldName its key column; the item's code is its FNumber (FID in
-- t_SubMessage) and its text its FName; FFilter is an extra condition of the lookup list.
-- FDecimals: decimals shown for numbers. FVisible / FLocked: initial state. FDefault: value
-- of a new bill ('' none, '@today' the host's date, '@user' the logged-in user's id).
CREATE TABLE t_BillTemplateField (
  FBillTypeID   INTEGER NOT NULL,
  FKey          TEXT COLLATE NOCASE NOT NULL,
  FPage         INTEGER NOT NULL,
  FCaption      TEXT NOT NULL,
  FCtlType      INTEGER NOT NULL,
  FSourceType   INTEGER NOT NULL DEFAULT 0,
  FSRCTableName TEXT NOT NULL DEFAULT '',
  FSRCFieldName TEXT NOT NULL DEFAULT '',
  FDecimals     INTEGER NOT NULL DEFAULT 0,
  FOrder        INTEGER NOT NULL,
  FVisible      INTEGER NOT NULL DEFAULT 1,
  FLocked       INTEGER NOT NULL DEFAULT 0,
  FDefault      TEXT NOT NULL DEFAULT '',
  FFilter       TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FBillTypeID, FKey)
);

-- The editor's own field actions (formulas): when field FKey changes (or a field action is
-- run on it), the actions of that field run in FOrder. FParameters is the formula
-- "Target=expression" over field keys of the same row or the header, with + - * / and
-- parentheses (a division by zero leaves the target unchanged). FActionType / FActionName are what the editor
-- reports as ActionTypeName / ActionName.
CREATE TABLE t_BillTemplateAction (
  FBillTypeID INTEGER NOT NULL,
  FKey        TEXT COLLATE NOCASE NOT NULL,
  FOrder      INTEGER NOT NULL,
  FActionType TEXT NOT NULL DEFAULT 'Formula',
  FActionName TEXT NOT NULL,
  FParameters TEXT NOT NULL,
  PRIMARY KEY (FBillTypeID, FKey, FOrder)
);

-- Source-selection windows by selection code: FSource is the view offering the lines
-- (filtered with the plug-in's filter, ordered by FOrderBy unless the plug-in sets a sort),
-- FIDColumn / FNumberColumn / FLineColumn identify a document, its number and its line; the
-- picked lines fill entry page FPage of bill FBillTypeID, each view column going into the
-- entry field of the same key.
CREATE TABLE t_SelectTemplate (
  FSelBillType  INTEGER PRIMARY KEY,
  FBillTypeID   INTEGER NOT NULL,
  FName         TEXT NOT NULL,
  FSource       TEXT NOT NULL,
  FIDColumn     TEXT NOT NULL,
  FNumberColumn TEXT NOT NULL,
  FLineColumn   TEXT NOT NULL,
  FOrderBy      TEXT NOT NULL DEFAULT '',
  FPage         INTEGER NOT NULL DEFAULT 2
);

-- List views: FSource gives one row per list line; FKeyColumn is the bill's internal id
-- (several lines of one bill share it), FNumberColumn its number; FClassTypeID is the
-- class type the list definition reports; FBillTypeID the bill editor that shows a line's
-- bill (0 = none).
CREATE TABLE t_ListTemplate (
  FWindow       TEXT COLLATE NOCASE PRIMARY KEY,
  FClassTypeID  INTEGER NOT NULL,
  FName         TEXT NOT NULL,
  FSource       TEXT NOT NULL,
  FKeyColumn    TEXT NOT NULL,
  FNumberColumn TEXT NOT NULL DEFAULT '',
  FOrderBy      TEXT NOT NULL DEFAULT '',
  FBillTypeID   INTEGER NOT NULL DEFAULT 0
);

INSERT INTO t_BillTemplate VALUES
  (1000201, 'receipt',          '收款单',     't_RP_RBill',      'FBillID', 'FBillNo', 'SK',  1000201),
  (1000202, 'payment',          '付款单',     't_RP_PBill',      'FBillID', 'FBillNo', 'FK',  1000202),
  (1000205, 'other-receivable', '其他应收单', 't_RP_ROtherBill', 'FBillID', 'FBillNo', 'QYS', 1000205),
  (1000206, 'other-payable',    '其他应付单', 't_RP_POtherBill', 'FBillID', 'FBillNo', 'QYF', 1000206),
  (1000207, 'type-card',        '收支类别',   't_RP_InOutType',  'FID',     'FNumber', '',    1000207);

INSERT INTO t_BillTemplateEntry VALUES
  (1000201, 2, 't_RP_RBillEntry',      'FBillID', 'FEntryID', 'FInvoiceBillNo'),
  (1000202, 2, 't_RP_PBillEntry',      'FBillID', 'FEntryID', 'FPurchaseBillNo'),
  (1000205, 2, 't_RP_ROtherBillEntry', 'FBillID', 'FEntryID', ''),
  (1000206, 2, 't_RP_POtherBillEntry', 'FBillID', 'FEntryID', '');

-- Receipt bill fields.
INSERT INTO t_BillTemplateField
  (FBillTypeID, FKey, FPage, FCaption, FCtlType, FSourceType, FSRCTableName, FSRCFieldName,
   FDecimals, FOrder, FVisible, FLocked, FDefault, FFilter) VALUES
  (1000201, 'FBillID',           1, '内码',         8, 0, '', '', 0, 1, 0, 1, '0', ''),
  (1000201, 'FBillNo',           1, '单据号',       1, 0, '', '', 0, 2, 1, 0, '', ''),
  (1000201, 'FDate',             1, '日期',         3, 0, '', '', 0, 3, 1, 0, '@today', ''),
  (1000201, 'FCustomerID',       1, '客户',         4, 1, 't_Organization', 'FItemID', 0, 4, 1, 0, '', 'FDeleted=0'),
  (1000201, 'FReceiveTypeID',    1, '收款类型',     5, 1, 't_SubMessage', 'FInterID', 0, 5, 1, 0, '1001', 'FTypeID=10 And FDeleted=0'),
  (1000201, 'FCurrencyID',       1, '币别',         4, 1, 't_Currency', 'FCurrencyID', 0, 6, 1, 0, '1', 'FDeleted=0'),
  (1000201, 'FExchangeRate',     1, '汇率',         2, 0, '', '', 6, 7, 1, 0, '1', ''),
  (1000201, 'FAcctID',           1, '结算账户',     4, 1, 't_Account', 'FAccountID', 0, 8, 1, 0, '', 'FDeleted=0 And FDetail=1'),
  (1000201, 'FSettleID',         1, '结算方式',     4, 1, 't_SubMessage', 'FInterID', 0, 9, 1, 0, '', 'FTypeID=30 And FDeleted=0'),
  (1000201, 'FSettleIDNo',       1, '结算号',       1, 0, '', '', 0, 10, 1, 0, '', ''),
  (1000201, 'FAmountFor',        1, '收款金额',     2, 0, '', '', 2, 11, 1, 0, '0', ''),
  (1000201, 'FAmount',           1, '收款金额(本位币)', 2, 0, '', '', 2, 12, 1, 1, '0', ''),
  (1000201, 'FReceiveAmountFor', 1, '实收金额',     2, 0, '', '', 2, 13, 1, 0, '0', ''),
  (1000201, 'FReceiveAmount',    1, '实收金额(本位币)', 2, 0, '', '', 2, 14, 1, 1, '0', ''),
  (1000201, 'FDiscount',         1, '折扣率(%)',    2, 0, '', '', 6, 15, 1, 0, '100', ''),
  (1000201, 'FDiscountDsp',      1, '折扣率显示',   2, 0, '', '', 6, 16, 0, 1, '100', ''),
  (1000201, 'FDiscountAmountFor',1, '折扣金额',     2, 0, '', '', 2, 17, 1, 1, '0', ''),
  (1000201, 'FDiscountAmount',   1, '折扣金额(本位币)', 2, 0, '', '', 2, 18, 1, 1, '0', ''),
  (1000201, 'FDiscountAcctID',   1, '折扣科目',     4, 1, 't_Account', 'FAccountID', 0, 19, 1, 0, '', 'FDeleted=0 And FDetail=1'),
  (1000201, 'FExplanation',      1, '摘要',         1, 0, '', '', 0, 20, 1, 0, '', ''),
  (1000201, 'FDepartmentID',     1, '部门',         4, 1, 't_Department', 'FItemID', 0, 21, 1, 0, '', 'FDeleted=0'),
  (1000201, 'FEmployeeID',       1, '业务员',       4, 1, 't_Emp', 'FItemID', 0, 22, 1, 0, '', 'FDeleted=0'),
  (1000201, 'FCheckAmountFor',   1, '已核销金额',   2, 0, '', '', 2, 23, 1, 1, '0', ''),
  (1000201, 'FCheckAmount',      1, '已核销金额(本位币)', 2, 0, '', '', 2, 24, 0, 1, '0', ''),
  (1000201, 'FID',               1, '核算项目类别', 8, 0, '', '', 0, 25, 0, 1, '1', ''),
  (1000201, 'FStatus',           1, '审核状态',     8, 0, '', '', 0, 26, 0, 1, '0', ''),
  (1000201, 'FPreparer',         1, '制单人',       4, 1, 't_User', 'FUserID', 0, 27, 1, 1, '@user', ''),
  (1000201, 'FCheckerID',        1, '审核人',       4, 1, 't_User', 'FUserID', 0, 28, 1, 1, '', ''),
  (1000201, 'FCheckDate',        1, '审核日期',     3, 0, '', '', 0, 29, 1, 1, '', ''),
  (1000201, 'FVoucherID',        1, '凭证内码',     8, 0, '', '', 0, 30, 0, 1, '0', ''),
  (1000201, 'FInterID',          2, '源单内码',     8, 0, '', '', 0, 101, 0, 1, '0', ''),
  (1000201, 'FEntryID_HXD_SRC',  2, '源单分录',     8, 0, '', '', 0, 102, 0, 1, '0', ''),
  (1000201, 'FClassID_SRC',      2, '源单类型',     8, 0, '', '', 0, 103, 0, 1, '0', ''),
  (1000201, 'FEntryID_SRC',      2, '退款单分录',   8, 0, '', '', 0, 104, 0, 1, '0', ''),
  (1000201, 'FCustID',           2, '源单客户',     4, 7, 't_Organization', 'FItemID', 0, 105, 0, 1, '', ''),
  (1000201, 'FInvoiceBillNo',    2, '源单编号',     1, 0, '', '', 0, 106, 1, 0, '', ''),
  (1000201, 'FBillCurrencyID',   2, '源单币别',     4, 1, 't_Currency', 'FCurrencyID', 0, 107, 1, 1, '', ''),
  (1000201, 'FEntryExchangeRate',2, '汇率',         2, 0, '', '', 10, 108, 1, 1, '1', ''),
  (1000201, 'FBillAmountFor',    2, '源单金额',     2, 0, '', '', 2, 109, 1, 1, '0', ''),
  (1000201, 'FBillAmount',       2, '源单金额(本位币)', 2, 0, '', '', 2, 110, 1, 1, '0', ''),
  (1000201, 'FBillReceiveAmountFor', 2, '已收款金额', 2, 0, '', '', 2, 111, 1, 1, '0', ''),
  (1000201, 'FBillReceiveAmount',2, '已收款金额(本位币)', 2, 0, '', '', 2, 112, 1, 1, '0', ''),
  (1000201, 'FBillUnReceiveAmountFor', 2, '未收款金额', 2, 0, '', '', 2, 113, 1, 1, '0', ''),
  (1000201, 'FBillUnReceiveAmount', 2, '未收款金额(本位币)', 2, 0, '', '', 2, 114, 1, 1, '0', ''),
  (1000201, 'FBillSettleAmountFor', 2, '本次核销金额', 2, 0, '', '', 2, 115, 1, 0, '0', ''),
  (1000201, 'FBillSettleAmount', 2, '本次核销金额(本位币)', 2, 0, '', '', 2, 116, 1, 1, '0', ''),
  (1000201, 'FEntryAmount_SRC',  2, '源单分录金额', 2, 0, '', '', 2, 117, 0, 1, '0', ''),
  (1000201, 'FFKDBillNo',        2, '源单依据',     1, 0, '', '', 0, 118, 0, 1, '', '');

-- Payment bill fields.
INSERT INTO t_BillTemplateField
  (FBillTypeID, FKey, FPage, FCaption, FCtlType, FSourceType, FSRCTableName, FSRCFieldName,
   FDecimals, FOrder, FVisible, FLocked, FDefault, FFilter) VALUES
  (1000202, 'FBillID',           1, '内码',         8, 0, '', '', 0, 1, 0, 1, '0', ''),
  (1000202, 'FBillNo',           1, '单据号',       1, 0, '', '', 0, 2, 1, 0, '', ''),
  (1000202, 'FDate',             1, '日期',         3, 0, '', '', 0, 3, 1, 0, '@today', ''),
  (1000202, 'FSupplyID',         1, '供应商',       4, 1, 't_Supplier', 'FItemID', 0, 4, 1, 0, '', 'FDeleted=0'),
  (1000202, 'FPayTypeID',        1, '付款类型',     5, 1, 't_SubMessage', 'FInterID', 0, 5, 1, 0, '1003', 'FTypeID=11 And FDeleted=0'),
  (1000202, 'FCurrencyID',       1, '币别',         4, 1, 't_Currency', 'FCurrencyID', 0, 6, 1, 0, '1', 'FDeleted=0'),
  (1000202, 'FExchangeRate',     1, '汇率',         2, 0, '', '', 6, 7, 1, 0, '1', ''),
  (1000202, 'FAcctID',           1, '结算账户',     4, 1, 't_Account', 'FAccountID', 0, 8, 1, 0, '', 'FDeleted=0 And FDetail=1'),
  (1000202, 'FSettleID',         1, '结算方式',     4, 1, 't_SubMessage', 'FInterID', 0, 9, 1, 0, '', 'FTypeID=30 And FDeleted=0'),
  (1000202, 'FSettleIDNo',       1, '结算号',       1, 0, '', '', 0, 10, 1, 0, '', ''),
  (1000202, 'FAmountFor',        1, '付款金额',     2, 0, '', '', 2, 11, 1, 0, '0', ''),
  (1000202, 'FAmount',           1, '付款金额(本位币)', 2, 0, '', '', 2, 12, 1, 1, '0', ''),
  (1000202, 'FPayAmountFor',     1, '实付金额',     2, 0, '', '', 2, 13, 1, 0, '0', ''),
  (1000202, 'FPayAmount',        1, '实付金额(本位币)', 2, 0, '', '', 2, 14, 1, 1, '0', ''),
  (1000202, 'FDiscount',         1, '折扣率(%)',    2, 0, '', '', 6, 15, 1, 0, '100', ''),
  (1000202, 'FDiscountDsp',      1, '折扣率显示',   2, 0, '', '', 6, 16, 0, 1, '100', ''),
  (1000202, 'FDiscountAmountFor',1, '折扣金额',     2, 0, '', '', 2, 17, 1, 1, '0', ''),
  (1000202, 'FDiscountAmount',   1, '折扣金额(本位币)', 2, 0, '', '', 2, 18, 1, 1, '0', ''),
  (1000202, 'FDiscountAcctID',   1, '折扣科目',     4, 1, 't_Account', 'FAccountID', 0, 19, 1, 0, '', 'FDeleted=0 And FDetail=1'),
  (1000202, 'FExplanation',      1, '摘要',         1, 0, '', '', 0, 20, 1, 0, '', ''),
  (1000202, 'FDepartmentID',     1, '部门',         4, 1, 't_Department', 'FItemID', 0, 21, 1, 0, '', 'FDeleted=0'),
  (1000202, 'FEmployeeID',       1, '业务员',       4, 1, 't_Emp', 'FItemID', 0, 22, 1, 0, '', 'FDeleted=0'),
  (1000202, 'FCheckAmountFor',   1, '已核销金额',   2, 0, '', '', 2, 23, 1, 1, '0', ''),
  (1000202, 'FCheckAmount',      1, '已核销金额(本位币)', 2, 0, '', '', 2, 24, 0, 1, '0', ''),
  (1000202, 'FID',               1, '核算项目类别', 8, 0, '', '', 0, 25, 0, 1, '8', ''),
  (1000202, 'FStatus',           1, '审核状态',     8, 0, '', '', 0, 26, 0, 1, '0', ''),
  (1000202, 'FPreparer',         1, '制单人',       4, 1, 't_User', 'FUserID', 0, 27, 1, 1, '@user', ''),
  (1000202, 'FCheckerID',        1, '审核人',       4, 1, 't_User', 'FUserID', 0, 28, 1, 1, '', ''),
  (1000202, 'FCheckDate',        1, '审核日期',     3, 0, '', '', 0, 29, 1, 1, '', ''),
  (1000202, 'FVoucherID',        1, '凭证内码',     8, 0, '', '', 0, 30, 0, 1, '0', ''),
  (1000202, 'FInterID',          2, '源单内码',     8, 0, '', '', 0, 101, 0, 1, '0', ''),
  (1000202, 'FEntryID_HXD_SRC',  2, '源单分录',     8, 0, '', '', 0, 102, 0, 1, '0', ''),
  (1000202, 'FClassID_SRC',      2, '源单类型',     8, 0, '', '', 0, 103, 0, 1, '0', ''),
  (1000202, 'FEntryID_SRC',      2, '退款单分录',   8, 0, '', '', 0, 104, 0, 1, '0', ''),
  (1000202, 'FSupplyIdID',       2, '源单供应商',   4, 7, 't_Supplier', 'FItemID', 0, 105, 0, 1, '', ''),
  (1000202, 'FPurchaseBillNo',   2, '源单编号',     1, 0, '', '', 0, 106, 1, 0, '', ''),
  (1000202, 'FBillCurrencyID',   2, '源单币别',     4, 1, 't_Currency', 'FCurrencyID', 0, 107, 1, 1, '', ''),
  (1000202, 'FEntryExchangeRate',2, '汇率',         2, 0, '', '', 10, 108, 1, 1, '1', ''),
  (1000202, 'FBillAmountFor',    2, '源单金额',     2, 0, '', '', 2, 109, 1, 1, '0', ''),
  (1000202, 'FBillAmount',       2, '源单金额(本位币)', 2, 0, '', '', 2, 110, 1, 1, '0', ''),
  (1000202, 'FBillPayAmountFor', 2, '已付款金额',   2, 0, '', '', 2, 111, 1, 1, '0', ''),
  (1000202, 'FBillPayAmount',    2, '已付款金额(本位币)', 2, 0, '', '', 2, 112, 1, 1, '0', ''),
  (1000202, 'FBillUnPayAmountFor', 2, '未付款金额', 2, 0, '', '', 2, 113, 1, 1, '0', ''),
  (1000202, 'FBillUnPayAmount',  2, '未付款金额(本位币)', 2, 0, '', '', 2, 114, 1, 1, '0', ''),
  (1000202, 'FBillSettleAmountFor', 2, '本次核销金额', 2, 0, '', '', 2, 115, 1, 0, '0', ''),
  (1000202, 'FBillSettleAmount', 2, '本次核销金额(本位币)', 2, 0, '', '', 2, 116, 1, 1, '0', ''),
  (1000202, 'FEntryAmount_SRC',  2, '源单分录金额', 2, 0, '', '', 2, 117, 0, 1, '0', ''),
  (1000202, 'FFKDBillNo',        2, '源单依据',     1, 0, '', '', 0, 118, 0, 1, '', '');

-- Other receivable bill fields.
INSERT INTO t_BillTemplateField
  (FBillTypeID, FKey, FPage, FCaption, FCtlType, FSourceType, FSRCTableName, FSRCFieldName,
   FDecimals, FOrder, FVisible, FLocked, FDefault, FFilter) VALUES
  (1000205, 'FBillID',         1, '内码',         8, 0, '', '', 0, 1, 0, 1, '0', ''),
  (1000205, 'FBillNo',         1, '单据号',       1, 0, '', '', 0, 2, 1, 0, '', ''),
  (1000205, 'FDate',           1, '日期',         3, 0, '', '', 0, 3, 1, 0, '@today', ''),
  (1000205, 'FBillTypeID',     1, '单据类型',     5, 1, 't_SubMessage', 'FInterID', 0, 4, 1, 0, '1006', 'FTypeID=12 And FDeleted=0'),
  (1000205, 'FCustomerID',     1, '客户',         4, 1, 't_Organization', 'FItemID', 0, 5, 1, 0, '', 'FDeleted=0'),
  (1000205, 'FCurrencyID',     1, '币别',         4, 1, 't_Currency', 'FCurrencyID', 0, 6, 1, 0, '1', 'FDeleted=0'),
  (1000205, 'FExchangeRate',   1, '汇率',         2, 0, '', '', 6, 7, 1, 0, '1', ''),
  (1000205, 'FAcctID',         1, '结算账户',     4, 1, 't_Account', 'FAccountID', 0, 8, 1, 0, '', 'FDeleted=0 And FDetail=1'),
  (1000205, 'FSettleID',       1, '结算方式',     4, 1, 't_SubMessage', 'FInterID', 0, 9, 1, 0, '', 'FTypeID=30 And FDeleted=0'),
  (1000205, 'FSettleIDNo',     1, '结算号',       1, 0, '', '', 0, 10, 1, 0, '', ''),
  (1000205, 'FLimitDate',      1, '收款期限',     3, 0, '', '', 0, 11, 1, 0, '@today', ''),
  (1000205, 'FAmountFor',      1, '金额',         2, 0, '', '', 2, 12, 1, 1, '0', ''),
  (1000205, 'FAmount',         1, '金额(本位币)', 2, 0, '', '', 2, 13, 1, 1, '0', ''),
  (1000205, 'FCheckAmountFor', 1, '已结算金额',   2, 0, '', '', 2, 14, 1, 1, '0', ''),
  (1000205, 'FCheckAmount',    1, '已结算金额(本位币)', 2, 0, '', '', 2, 15, 0, 1, '0', ''),
  (1000205, 'FDepartmentID',   1, '部门',         4, 1, 't_Department', 'FItemID', 0, 16, 1, 0, '', 'FDeleted=0'),
  (1000205, 'FEmployeeID',     1, '业务员',       4, 1, 't_Emp', 'FItemID', 0, 17, 1, 0, '', 'FDeleted=0'),
  (1000205, 'FExplanation',    1, '摘要',         1, 0, '', '', 0, 18, 1, 0, '', ''),
  (1000205, 'FID',             1, '核算项目类别', 8, 0, '', '', 0, 19, 0, 1, '1', ''),
  (1000205, 'FStatus',         1, '审核状态',     8, 0, '', '', 0, 20, 0, 1, '0', ''),
  (1000205, 'FPreparer',       1, '制单人',       4, 1, 't_User', 'FUserID', 0, 21, 1, 1, '@user', ''),
  (1000205, 'FCheckerID',      1, '审核人',       4, 1, 't_User', 'FUserID', 0, 22, 1, 1, '', ''),
  (1000205, 'FCheckDate',      1, '审核日期',     3, 0, '', '', 0, 23, 1, 1, '', ''),
  (1000205, 'FVoucherID',      1, '凭证内码',     8, 0, '', '', 0, 24, 0, 1, '0', ''),
  (1000205, 'FInOutTypeID',    2, '收入类别',     4, 1, 't_RP_InOutType', 'FID', 0, 101, 1, 0, '', 'FDeleted=0 And FDiscontinued=0 And (FNumber=''1'' Or FNumber Like ''1.%'')'),
  (1000205, 'FBillAmountFor',  2, '金额',         2, 0, '', '', 2, 102, 1, 0, '0', ''),
  (1000205, 'FBillAmount',     2, '金额(本位币)', 2, 0, '', '', 2, 103, 1, 1, '0', ''),
  (1000205, 'FBillNote',       2, '备注',         1, 0, '', '', 0, 104, 1, 0, '', '');

-- Other payable bill fields.
INSERT INTO t_BillTemplateField
  (FBillTypeID, FKey, FPage, FCaption, FCtlType, FSourceType, FSRCTableName, FSRCFieldName,
   FDecimals, FOrder, FVisible, FLocked, FDefault, FFilter) VALUES
  (1000206, 'FBillID',         1, '内码',         8, 0, '', '', 0, 1, 0, 1, '0', ''),
  (1000206, 'FBillNo',         1, '单据号',       1, 0, '', '', 0, 2, 1, 0, '', ''),
  (1000206, 'FDate',           1, '日期',         3, 0, '', '', 0, 3, 1, 0, '@today', ''),
  (1000206, 'FBillTypeID',     1, '单据类型',     5, 1, 't_SubMessage', 'FInterID', 0, 4, 1, 0, '1008', 'FTypeID=13 And FDeleted=0'),
  (1000206, 'FSupplyID',       1, '供应商',       4, 1, 't_Supplier', 'FItemID', 0, 5, 1, 0, '', 'FDeleted=0'),
  (1000206, 'FCurrencyID',     1, '币别',         4, 1, 't_Currency', 'FCurrencyID', 0, 6, 1, 0, '1', 'FDeleted=0'),
  (1000206, 'FExchangeRate',   1, '汇率',         2, 0, '', '', 6, 7, 1, 0, '1', ''),
  (1000206, 'FAcctID',         1, '结算账户',     4, 1, 't_Account', 'FAccountID', 0, 8, 1, 0, '', 'FDeleted=0 And FDetail=1'),
  (1000206, 'FSettleID',       1, '结算方式',     4, 1, 't_SubMessage', 'FInterID', 0, 9, 1, 0, '', 'FTypeID=30 And FDeleted=0'),
  (1000206, 'FSettleIDNo',     1, '结算号',       1, 0, '', '', 0, 10, 1, 0, '', ''),
  (1000206, 'FLimitDate',      1, '付款期限',     3, 0, '', '', 0, 11, 1, 0, '@today', ''),
  (1000206, 'FAmountFor',      1, '金额',         2, 0, '', '', 2, 12, 1, 1, '0', ''),
  (1000206, 'FAmount',         1, '金额(本位币)', 2, 0, '', '', 2, 13, 1, 1, '0', ''),
  (1000206, 'FCheckAmountFor', 1, '已结算金额',   2, 0, '', '', 2, 14, 1, 1, '0', ''),
  (1000206, 'FCheckAmount',    1, '已结算金额(本位币)', 2, 0, '', '', 2, 15, 0, 1, '0', ''),
  (1000206, 'FDepartmentID',   1, '部门',         4, 1, 't_Department', 'FItemID', 0, 16, 1, 0, '', 'FDeleted=0'),
  (1000206, 'FEmployeeID',     1, '业务员',       4, 1, 't_Emp', 'FItemID', 0, 17, 1, 0, '', 'FDeleted=0'),
  (1000206, 'FExplanation',    1, '摘要',         1, 0, '', '', 0, 18, 1, 0, '', ''),
  (1000206, 'FID',             1, '核算项目类别', 8, 0, '', '', 0, 19, 0, 1, '8', ''),
  (1000206, 'FStatus',         1, '审核状态',     8, 0, '', '', 0, 20, 0, 1, '0', ''),
  (1000206, 'FPreparer',       1, '制单人',       4, 1, 't_User', 'FUserID', 0, 21, 1, 1, '@user', ''),
  (1000206, 'FCheckerID',      1, '审核人',       4, 1, 't_User', 'FUserID', 0, 22, 1, 1, '', ''),
  (1000206, 'FCheckDate',      1, '审核日期',     3, 0, '', '', 0, 23, 1, 1, '', ''),
  (1000206, 'FVoucherID',      1, '凭证内码',     8, 0, '', '', 0, 24, 0, 1, '0', ''),
  (1000206, 'FInOutTypeID',    2, '支出类别',     4, 1, 't_RP_InOutType', 'FID', 0, 101, 1, 0, '', 'FDeleted=0 And FDiscontinued=0 And (FNumber=''2'' Or FNumber Like ''2.%'')'),
  (1000206, 'FBillAmountFor',  2, '金额',         2, 0, '', '', 2, 102, 1, 0, '0', ''),
  (1000206, 'FBillAmount',     2, '金额(本位币)', 2, 0, '', '', 2, 103, 1, 1, '0', ''),
  (1000206, 'FBillNote',       2, '备注',         1, 0, '', '', 0, 104, 1, 0, '', '');

-- Income/expense type edit card fields (header only).
INSERT INTO t_BillTemplateField
  (FBillTypeID, FKey, FPage, FCaption, FCtlType, FSourceType, FSRCTableName, FSRCFieldName,
   FDecimals, FOrder, FVisible, FLocked, FDefault, FFilter) VALUES
  (1000207, 'FID',           1, '内码',     8, 0, '', '', 0, 1, 0, 1, '0', ''),
  (1000207, 'FNumber',       1, '代码',     1, 0, '', '', 0, 2, 1, 0, '', ''),
  (1000207, 'FName',         1, '名称',     1, 0, '', '', 0, 3, 1, 0, '', ''),
  (1000207, 'FPreNumber',    1, '上级代码', 1, 0, '', '', 0, 4, 1, 1, '', ''),
  (1000207, 'FAccountID',    1, '对应科目', 4, 1, 't_Account', 'FAccountID', 0, 5, 1, 0, '', 'FDeleted=0 And FDetail=1'),
  (1000207, 'FDiscontinued', 1, '禁用',     8, 0, '', '', 0, 6, 1, 1, '0', ''),
  (1000207, 'FClassTypeID',  1, '类别',     8, 0, '', '', 0, 7, 0, 1, '1000207', ''),
  (1000207, 'FNote',         1, '备注',     1, 0, '', '', 0, 8, 1, 0, '', '');

-- Formulas of the bill editors. The receipt and payment discount formulas are the texts the
-- plug-in recognises after they ran.
INSERT INTO t_BillTemplateAction VALUES
  (1000201, 'FAmountFor',        1, 'Formula', 'CalcReceive',   'FReceiveAmountFor=FAmountFor*FDiscount/100'),
  (1000201, 'FAmountFor',        2, 'Formula', 'CalcLocal',     'FAmount=FAmountFor*FExchangeRate'),
  (1000201, 'FAmountFor',        3, 'Formula', 'CalcLocalRec',  'FReceiveAmount=FReceiveAmountFor*FExchangeRate'),
  (1000201, 'FAmountFor',        4, 'Formula', 'CalcDiscAmt',   'FDiscountAmountFor=FAmountFor-FReceiveAmountFor'),
  (1000201, 'FAmountFor',        5, 'Formula', 'CalcDiscLocal', 'FDiscountAmount=FAmount-FReceiveAmount'),
  (1000201, 'FReceiveAmountFor', 1, 'Formula', 'CalcDiscount',  'FDiscount=(FReceiveAmountFor/FAmountFor)*100'),
  (1000201, 'FReceiveAmountFor', 2, 'Formula', 'CalcLocalRec',  'FReceiveAmount=FReceiveAmountFor*FExchangeRate'),
  (1000201, 'FReceiveAmountFor', 3, 'Formula', 'CalcDiscAmt',   'FDiscountAmountFor=FAmountFor-FReceiveAmountFor'),
  (1000201, 'FReceiveAmountFor', 4, 'Formula', 'CalcDiscLocal', 'FDiscountAmount=FAmount-FReceiveAmount'),
  (1000201, 'FDiscount',         1, 'Formula', 'CalcReceive',   'FReceiveAmountFor=FAmountFor*FDiscount/100'),
  (1000201, 'FDiscount',         2, 'Formula', 'CalcLocalRec',  'FReceiveAmount=FReceiveAmountFor*FExchangeRate'),
  (1000201, 'FDiscount',         3, 'Formula', 'CalcDiscAmt',   'FDiscountAmountFor=FAmountFor-FReceiveAmountFor'),
  (1000201, 'FDiscount',         4, 'Formula', 'CalcDiscLocal', 'FDiscountAmount=FAmount-FReceiveAmount'),
  (1000201, 'FExchangeRate',     1, 'Formula', 'CalcLocal',     'FAmount=FAmountFor*FExchangeRate'),
  (1000201, 'FExchangeRate',     2, 'Formula', 'CalcLocalRec',  'FReceiveAmount=FReceiveAmountFor*FExchangeRate'),
  (1000201, 'FExchangeRate',     3, 'Formula', 'CalcDiscLocal', 'FDiscountAmount=FAmount-FReceiveAmount'),
  (1000201, 'FBillSettleAmountFor', 1, 'Formula', 'CalcSettle', 'FBillSettleAmount=FBillSettleAmountFor*FEntryExchangeRate'),
  (1000202, 'FAmountFor',        1, 'Formula', 'CalcPay',       'FPayAmountFor=FAmountFor*FDiscount/100'),
  (1000202, 'FAmountFor',        2, 'Formula', 'CalcLocal',     'FAmount=FAmountFor*FExchangeRate'),
  (1000202, 'FAmountFor',        3, 'Formula', 'CalcLocalPay',  'FPayAmount=FPayAmountFor*FExchangeRate'),
  (1000202, 'FAmountFor',        4, 'Formula', 'CalcDiscAmt',   'FDiscountAmountFor=FAmountFor-FPayAmountFor'),
  (1000202, 'FAmountFor',        5, 'Formula', 'CalcDiscLocal', 'FDiscountAmount=FAmount-FPayAmount'),
  (1000202, 'FPayAmountFor',     1, 'Formula', 'CalcDiscount',  'FDiscount=(FPayAmountFor/FAmountFor)*100'),
  (1000202, 'FPayAmountFor',     2, 'Formula', 'CalcLocalPay',  'FPayAmount=FPayAmountFor*FExchangeRate'),
  (1000202, 'FPayAmountFor',     3, 'Formula', 'CalcDiscAmt',   'FDiscountAmountFor=FAmountFor-FPayAmountFor'),
  (1000202, 'FPayAmountFor',     4, 'Formula', 'CalcDiscLocal', 'FDiscountAmount=FAmount-FPayAmount'),
  (1000202, 'FDiscount',         1, 'Formula', 'CalcPay',       'FPayAmountFor=FAmountFor*FDiscount/100'),
  (1000202, 'FDiscount',         2, 'Formula', 'CalcLocalPay',  'FPayAmount=FPayAmountFor*FExchangeRate'),
  (1000202, 'FDiscount',         3, 'Formula', 'CalcDiscAmt',   'FDiscountAmountFor=FAmountFor-FPayAmountFor'),
  (1000202, 'FDiscount',         4, 'Formula', 'CalcDiscLocal', 'FDiscountAmount=FAmount-FPayAmount'),
  (1000202, 'FExchangeRate',     1, 'Formula', 'CalcLocal',     'FAmount=FAmountFor*FExchangeRate'),
  (1000202, 'FExchangeRate',     2, 'Formula', 'CalcLocalPay',  'FPayAmount=FPayAmountFor*FExchangeRate'),
  (1000202, 'FExchangeRate',     3, 'Formula', 'CalcDiscLocal', 'FDiscountAmount=FAmount-FPayAmount'),
  (1000202, 'FBillSettleAmountFor', 1, 'Formula', 'CalcSettle', 'FBillSettleAmount=FBillSettleAmountFor*FEntryExchangeRate'),
  (1000205, 'FBillAmountFor',    1, 'Formula', 'CalcLocal',     'FBillAmount=FBillAmountFor*FExchangeRate'),
  (1000205, 'FAmountFor',        1, 'Formula', 'CalcLocal',     'FAmount=FAmountFor*FExchangeRate'),
  (1000205, 'FCheckAmountFor',   1, 'Formula', 'CalcLocal',     'FCheckAmount=FCheckAmountFor*FExchangeRate'),
  (1000205, 'FExchangeRate',     1, 'Formula', 'CalcLocal',     'FAmount=FAmountFor*FExchangeRate'),
  (1000205, 'FExchangeRate',     2, 'Formula', 'CalcLocalChk',  'FCheckAmount=FCheckAmountFor*FExchangeRate'),
  (1000206, 'FBillAmountFor',    1, 'Formula', 'CalcLocal',     'FBillAmount=FBillAmountFor*FExchangeRate'),
  (1000206, 'FAmountFor',        1, 'Formula', 'CalcLocal',     'FAmount=FAmountFor*FExchangeRate'),
  (1000206, 'FCheckAmountFor',   1, 'Formula', 'CalcLocal',     'FCheckAmount=FCheckAmountFor*FExchangeRate'),
  (1000206, 'FExchangeRate',     1, 'Formula', 'CalcLocal',     'FAmount=FAmountFor*FExchangeRate'),
  (1000206, 'FExchangeRate',     2, 'Formula', 'CalcLocalChk',  'FCheckAmount=FCheckAmountFor*FExchangeRate');

INSERT INTO t_SelectTemplate VALUES
  (2000001, 1000201, '应收单据',   'vw_arap_RBillList',     'FBillID', 'FBillNo', 'FEntryID_HXD_SRC', 'FDate, FBillNo, FEntryID_HXD_SRC', 2),
  (2000003, 1000201, '退款单据',   'vw_arap_RBackBillList', 'FBillID', 'FBillNo', 'FEntryID_HXD_SRC', 'FDate, FBillNo, FEntryID_HXD_SRC', 2),
  (2000002, 1000202, '应付单据',   'vw_arap_PBillList',     'FBillID', 'FBillNo', 'FEntryID_HXD_SRC', 'FDate, FBillNo, FEntryID_HXD_SRC', 2),
  (2000004, 1000202, '退款单据',   'vw_arap_PBackBillList', 'FBillID', 'FBillNo', 'FEntryID_HXD_SRC', 'FDate, FBillNo, FEntryID_HXD_SRC', 2);

INSERT INTO t_ListTemplate VALUES
  ('receipt-list',          1000201, '收款单序时簿',     'vw_qor_list_receipt',          'FBillID',  'FBillNo', 'FDate, FBillNo, FEntryID', 1000201),
  ('payment-list',          1000202, '付款单序时簿',     'vw_qor_list_payment',          'FBillID',  'FBillNo', 'FDate, FBillNo, FEntryID', 1000202),
  ('other-receivable-list', 1000205, '其他应收单序时簿', 'vw_qor_list_other_receivable', 'FBillID',  'FBillNo', 'FDate, FBillNo, FEntryID', 1000205),
  ('other-payable-list',    1000206, '其他应付单序时簿', 'vw_qor_list_other_payable',    'FBillID',  'FBillNo', 'FDate, FBillNo, FEntryID', 1000206),
  ('sales-invoice-list',    1000002, '销售发票序时簿',   'vw_qor_list_sales_invoice',    'FInterID', 'FBillNo', 'FDate, FBillNo, FEntryID', 0),
  ('purchase-invoice-list', 1000004, '采购发票序时簿',   'vw_qor_list_purchase_invoice', 'FInterID', 'FBillNo', 'FDate, FBillNo, FEntryID', 0),
  ('initial-list',          1000020, '期初余额',         'vw_qor_list_initial',          'FID',      'FBillNo', 'FType, FDate, FID', 0),
  ('type-list',             1000207, '收支类别',         'vw_qor_list_type',             'FID',      'FNumber', 'FNumber', 0);

---------------------------------------------------------------------------------------------
-- Records every database of the product starts with: the built-in administrator (user 1,
-- with every AR/AP right), the local currency (1, RMB), the fixed bill-type code lists and
-- the default options. A company's own data (demo.sql) comes on top of them.
---------------------------------------------------------------------------------------------

INSERT INTO t_User (FUserID, FNumber, FName, FPassword, FDescription) VALUES
  (1, 'admin', '系统管理员', '', '系统管理员，拥有全部权限');

INSERT INTO t_AccessRight (FUserID, FA, FB, FC) VALUES
  (1, 1010, 1000201, 69633), (1, 1010, 1000202, 69633),
  (1, 1010, 1000205, 69633), (1, 1010, 1000206, 69633);

INSERT INTO t_Currency (FCurrencyID, FNumber, FName, FExchangeRate, FScale, FOperator) VALUES
  (1, 'RMB', '人民币', 1, 2, '*');

INSERT INTO t_SubMessage (FInterID, FTypeID, FID, FName) VALUES
  (1001, 10, '01', '应收款'),
  (1002, 10, '02', '预收款'),
  (1009, 10, '03', '按单收款'),
  (1003, 11, '01', '应付款'),
  (1004, 11, '02', '预付款'),
  (1010, 11, '03', '按单付款'),
  (1005, 12, '01', '现结其他应收'),
  (1006, 12, '02', '挂账其他应收'),
  (1007, 13, '01', '现结其他应付'),
  (1008, 13, '02', '挂账其他应付');

INSERT INTO t_SystemProfile (FCategory, FKey, FValue, FDescription) VALUES
  ('IC', 'CreditDegree', '1', '其他应收单信用额度控制：1 不控制，2 预警，3 禁止保存'),
  ('IC', 'CreditDegreeCG', '1', '其他应付单信用额度控制：1 不控制，2 预警，3 禁止保存'),
  ('IC', 'EditSelfBill', '0', '1 = 只能删除本人录入的单据'),
  ('IC', 'RefreshAfterAdd', '0', '1 = 列表由系统自动刷新'),
  ('IC', 'chkIC_UnCheckSelfBill', '0', '1 = 反审核人必须是审核人'),
  ('General', 'SingleMan', '1', '0 = 审核人与制单人不能为同一人');
