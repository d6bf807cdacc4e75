-- Demo company: 杭州明远商贸有限公司, a small trading company that buys electronics and
-- machine parts and sells them to customers at home and abroad. Loaded on top of schema.sql
-- (which already holds user 1, currency 1, the bill-type code lists, the default options
-- and the window templates). The current period is December 2026 (period 12, starting
-- 2026-12-01); bills dated before 2026-12-01 lie in an earlier period.
--
-- Key records (ids and numbers are stable; scenarios refer to them)
--
-- Users (t_User): 1 系统管理员 (admin, every right, from schema.sql); 2 王会计 (accountant,
--   every AR/AP right); 3 李出纳 (cashier: may only check receipt and payment bills; no right
--   on other receivable/payable bills; account data rights enforced: cannot see account 13).
-- Currencies (t_Currency): 1 RMB 人民币 (2 decimals); 2 USD 美元 rate 7.1 '*' (2 decimals);
--   3 JPY 日元 rate 20 '/' (0 decimals: 1 JPY = 0.05 RMB); 4 EUR 欧元 rate 7.8 '*';
--   5 HKD 港币 rate 0.91 '*'.
-- Periods (T_PeriodDate): 2026 periods 1..12, calendar months. Profiles IC CurrentYear 2026,
--   IC CurrentPeriod 12.
-- Departments (t_Department): 1 销售一部, 2 销售二部, 3 采购部, 4 财务部, 5 行政部,
--   6 原市场部 (deleted).
-- Employees (t_Emp): 1 张伟 (dept 1), 2 王芳 (dept 1), 3 李娜 (dept 2), 4 刘洋 (dept 3),
--   5 陈静 (dept 4), 6 赵磊 (no department).
-- Payment terms (t_SetDl): 1 30 days; 2 60 days; 3 on the 25th (settlement day 25, 0 days);
--   4 on the 10th after 20 days (settlement day 10, 20 days); 5 deleted (15 days).
-- Settlement methods (t_SubMessage, type 30): 1 现金, 2 现金支票, 3 转账支票, 4 电汇,
--   5 银行承兑汇票.
-- Accounts (t_Account): 1 1001 库存现金 (RMB); 2 1002 银行存款 (parent); 3 1002.01 工商银行
--   基本户 (RMB); 4 1002.02 中国银行美元户 (USD); 5 1002.03 招商银行日元户 (JPY);
--   6 1122 应收账款; 7 1221 其他应收款; 8 1123 预付账款; 9 2202 应付账款; 10 2203 预收账款;
--   11 2241 其他应付款; 12 6001 主营业务收入; 13 6051 其他业务收入 (users 1, 2 only);
--   14 6301 营业外收入; 15 6601 销售费用; 16 6602 管理费用; 17 6603 财务费用;
--   18 6711 营业外支出. Accounts 6..18 are kept in all currencies (FCurrencyID 0).
-- Customers (t_Organization):
--   1 C001 北京华联商贸有限公司: dept 1, emp 1, account 3, terms 1 (30 days), credit 200000.
--   2 C002 上海东方电子有限公司: dept 2, emp 3, account 3, terms 3 (25th), credit 50000.
--   3 C003 广州美达贸易有限公司: dept 6 (deleted), no employee, no account, no terms, no limit.
--   4 C004 太平洋贸易(美国)公司: USD, dept 2, emp 3, account 4, terms 2 (60 days), credit 100000.
--   5 C005 东京精工株式会社: JPY, dept 1, emp 2, account 5, terms 4 (10th after 20 days), no limit.
-- Suppliers (t_Supplier):
--   21 S001 深圳华强电子厂: dept 3, emp 4, account 3, terms 1 (30 days), credit 300000.
--   22 S002 苏州精密机械有限公司: dept 3, emp 4, account 3, terms 3 (25th), credit 20000.
--   23 S003 美国联合器件公司: USD, dept 3, emp 4, account 4, terms 2 (60 days), no limit.
--   24 S004 杭州顺丰物流有限公司: dept 5, no employee, account 3, no terms, no limit.
-- Income/expense types (t_RP_InOutType): 1 "1" 收入类别 (root); 3 "1.01" 服务收入 (has
--   children); 4 "1.01.001" 技术服务费; 5 "1.01.002" 安装调试费; 6 "1.02" 租金收入;
--   7 "1.03" 其他收入 (account 14, unused); 2 "2" 支出类别 (root); 8 "2.01" 运输费;
--   9 "2.02" 办公费用 (has children); 10 "2.02.001" 房租; 11 "2.02.002" 水电费;
--   12 "2.03" 维修费 (disabled, unused). Income types post to account 13 unless said.
-- Sales invoices (ICSale, all RMB unless said; "open" = not yet settled by audited receipts):
--   1 INV0001 cust 1, 2026-11-05, class 1000000, lines 5000 + 3000; line 1 is 3000 settled
--     by SK0001 (open 2000), line 2 open 3000. Audited.
--   2 INV0002 cust 1, 2026-11-20, class 1000002, one line 12000 open. Audited.
--   3 INV0003 cust 2, 2026-12-02, class 1000000, lines 2000 + 4500 + 1500 open. Audited.
--   4 INV0004 cust 4, USD at 7.1, 2026-12-03, class 1000002, lines 1000 + 500 USD. Audited.
--   5 INV0005 cust 1, 2026-12-05, red (return), one line -1000. Audited (also a refund document).
--   6 INV0006 cust 2, 2026-12-08, one line 6000. NOT audited (never offered for settlement).
--   7 INV0007 cust 5, JPY at 0.05, 2026-12-06, one line 200000 JPY (10000 RMB). Audited.
--   8 INV0008 cust 3, 2026-12-10, one line 3000. Audited.
-- Purchase invoices (ICPurchase):
--   1 PINV0001 sup 21, 2026-11-10, class 1000003, lines 10000 + 6000; line 1 fully paid by
--     FK0001, line 2 open 6000. Audited.
--   2 PINV0002 sup 22, 2026-12-01, class 1000004, one line 4800. Audited.
--   3 PINV0003 sup 23, USD at 7.1, 2026-12-04, class 1000003, lines 2000 + 800 USD. Audited.
--   4 PINV0004 sup 21, 2026-12-06, red (return), one line -2000. Audited (refund document).
--   5 PINV0005 sup 22, 2026-12-09, one line 3500. NOT audited.
-- Expense invoice (ICOutExpense, class 94): 1 FY0001 sup 24, 2026-12-07, 1200. Audited.
-- Initial balances (t_RP_Initial, dated 2025-12-31, no number; pick them as id=101 etc.):
--   101 receivable cust 2 15000; 102 receivable cust 4 2000 USD at 7.0 (14000);
--   103 payable sup 21 9000; 104 payable sup 22 2500.
-- Receipt bills (t_RP_RBill):
--   1 SK0001 cust 1, 2026-11-25, type 1001, 3000 RMB to account 3, settles INV0001 line 1
--     3000. AUDITED (checker 1), voucher 1, prepared by user 2.
--   2 SK0002 cust 2, 2026-12-09, type 1001, gross 8000, received 7900, discount 100
--     (98.75 %, discount account 17), rows INV0003 lines 1-3 (2000, 4500, 1500). Not audited,
--     prepared by user 1.
--   3 SK0003 cust 4, 2026-12-10, type 1002 (prepayment) 500 USD at 7.1, account 4, no rows.
--     AUDITED (checker 1), voucher 2, prepared by user 2.
--   4 SK0004 cust 1, 2026-12-11, type 1001, 12000 in cash (account 1), row INV0002 12000.
--     Not audited, prepared by user 3.
-- Payment bills (t_RP_PBill):
--   1 FK0001 sup 21, 2026-11-28, type 1003, 10000 from account 3, settles PINV0001 line 1.
--     AUDITED (checker 2), voucher 3, prepared by user 2.
--   2 FK0002 sup 22, 2026-12-09, type 1003, 4800, row PINV0002 4800. Not audited, user 1.
--   3 FK0003 sup 23, 2026-12-10, type 1004 (prepayment) 1000 USD at 7.1, account 4, no rows.
--     Not audited, prepared by user 2.
-- Other receivable bills (t_RP_ROtherBill):
--   1 QYS0001 on account (1006), cust 1, 2026-11-15, due 2026-12-15, account 7, rows type 4
--     2000 + type 5 1500 = 3500. AUDITED (checker 1), voucher 4 (uses account 13), user 2.
--   2 QYS0002 settled at once (1005), cust 2, 2026-12-05, account 3, transfer DH20261205,
--     row type 6 5000. Not audited, prepared by user 1.
--   3 QYS0003 on account (1006), cust 4, USD at 7.1, 2026-12-08, due 2027-02-06, account 7,
--     row type 4 300 USD. Not audited, prepared by user 2.
-- Other payable bills (t_RP_POtherBill):
--   1 QYF0001 on account (1008), sup 24, 2026-11-20, due 2026-11-20, account 11, row type 8
--     1800. AUDITED (checker 2), voucher 5, prepared by user 2.
--   2 QYF0002 settled at once (1007), sup 21, 2026-12-06, account 3, rows type 10 6000 +
--     type 11 800 = 6800. Not audited, prepared by user 1.
-- Vouchers (t_Voucher): 1 SK0001, 2 SK0003, 3 FK0001, 4 QYS0001, 5 QYF0001.
-- Next numbers a new bill gets: SK0005, FK0004, QYS0004, QYF0003.

-- Users and their rights (user 1 comes from schema.sql).
INSERT INTO t_User (FUserID, FNumber, FName, FPassword, FDescription) VALUES
  (2, 'wangkj', '王会计', '', '往来会计'),
  (3, 'lichn', '李出纳', '', '出纳');

INSERT INTO t_AccessRight (FUserID, FA, FB, FC) VALUES
  (2, 1010, 1000201, 69633), (2, 1010, 1000202, 69633),
  (2, 1010, 1000205, 69633), (2, 1010, 1000206, 69633),
  (3, 1010, 1000201, 1), (3, 1010, 1000202, 1);

INSERT INTO t_DataRight (FUserID, FItemClassID) VALUES (3, 8);

INSERT INTO t_UserProfile (FUserID, FCategory, FKey, FValue) VALUES
  (2, '1000201BillSet', 'AutoCalRecAmount', '1');

-- Company options.
INSERT INTO t_SystemProfile (FCategory, FKey, FValue, FDescription) VALUES
  ('IC', 'CurrentYear', '2026', '业务系统当前会计年度'),
  ('IC', 'CurrentPeriod', '12', '业务系统当前会计期间'),
  ('IC', 'StartYear', '2026', '业务系统启用年度'),
  ('IC', 'StartPeriod', '1', '业务系统启用期间'),
  ('IC', 'RptTransDate', '2025-12-31', '报表结转日期'),
  ('General', 'CompanyName', '杭州明远商贸有限公司', '公司名称');

INSERT INTO t_Currency (FCurrencyID, FNumber, FName, FExchangeRate, FScale, FOperator) VALUES
  (2, 'USD', '美元', 7.1, 2, '*'),
  (3, 'JPY', '日元', 20, 0, '/'),
  (4, 'EUR', '欧元', 7.8, 2, '*'),
  (5, 'HKD', '港币', 0.91, 2, '*');

INSERT INTO T_PeriodDate (FYear, FPeriod, FStartDate, FEndDate) VALUES
  (2026, 1, '2026-01-01', '2026-01-31'), (2026, 2, '2026-02-01', '2026-02-28'),
  (2026, 3, '2026-03-01', '2026-03-31'), (2026, 4, '2026-04-01', '2026-04-30'),
  (2026, 5, '2026-05-01', '2026-05-31'), (2026, 6, '2026-06-01', '2026-06-30'),
  (2026, 7, '2026-07-01', '2026-07-31'), (2026, 8, '2026-08-01', '2026-08-31'),
  (2026, 9, '2026-09-01', '2026-09-30'), (2026, 10, '2026-10-01', '2026-10-31'),
  (2026, 11, '2026-11-01', '2026-11-30'), (2026, 12, '2026-12-01', '2026-12-31');

-- Base data.
INSERT INTO t_Department (FItemID, FNumber, FName, FDeleted) VALUES
  (1, '01', '销售一部', 0), (2, '02', '销售二部', 0), (3, '03', '采购部', 0),
  (4, '04', '财务部', 0), (5, '05', '行政部', 0), (6, '06', '原市场部', 1);

INSERT INTO t_Emp (FItemID, FNumber, FName, FDepartmentID) VALUES
  (1, 'E001', '张伟', 1), (2, 'E002', '王芳', 1), (3, 'E003', '李娜', 2),
  (4, 'E004', '刘洋', 3), (5, 'E005', '陈静', 4), (6, 'E006', '赵磊', NULL);

INSERT INTO t_SetDl (FItemID, FNumber, FName, FType, FStandDays, FMonthPayDay, FBeforeDays, FDeleted) VALUES
  (1, '01', '30天付款', 1, 30, 0, 0, 0),
  (2, '02', '60天付款', 1, 60, 0, 0, 0),
  (3, '03', '每月25日结算', 2, 0, 25, 0, 0),
  (4, '04', '20天后逢10日结算', 2, 0, 10, 20, 0),
  (5, '05', '15天付款(停用)', 1, 15, 0, 0, 1);

INSERT INTO t_SubMessage (FInterID, FTypeID, FID, FName) VALUES
  (1, 30, '01', '现金'), (2, 30, '02', '现金支票'), (3, 30, '03', '转账支票'),
  (4, 30, '04', '电汇'), (5, 30, '05', '银行承兑汇票');

INSERT INTO t_Account (FAccountID, FNumber, FName, FFullName, FParentID, FLevel, FDetail, FDC, FCurrencyID, FRightUserID) VALUES
  (1, '1001', '库存现金', '库存现金', 0, 1, 1, 1, 1, '1,2,3'),
  (2, '1002', '银行存款', '银行存款', 0, 1, 0, 1, 0, '1,2,3'),
  (3, '1002.01', '工商银行基本户', '银行存款_工商银行基本户', 2, 2, 1, 1, 1, '1,2,3'),
  (4, '1002.02', '中国银行美元户', '银行存款_中国银行美元户', 2, 2, 1, 1, 2, '1,2,3'),
  (5, '1002.03', '招商银行日元户', '银行存款_招商银行日元户', 2, 2, 1, 1, 3, '1,2,3'),
  (6, '1122', '应收账款', '应收账款', 0, 1, 1, 1, 0, '1,2,3'),
  (7, '1221', '其他应收款', '其他应收款', 0, 1, 1, 1, 0, '1,2,3'),
  (8, '1123', '预付账款', '预付账款', 0, 1, 1, 1, 0, '1,2,3'),
  (9, '2202', '应付账款', '应付账款', 0, 1, 1, -1, 0, '1,2,3'),
  (10, '2203', '预收账款', '预收账款', 0, 1, 1, -1, 0, '1,2,3'),
  (11, '2241', '其他应付款', '其他应付款', 0, 1, 1, -1, 0, '1,2,3'),
  (12, '6001', '主营业务收入', '主营业务收入', 0, 1, 1, -1, 0, '1,2,3'),
  (13, '6051', '其他业务收入', '其他业务收入', 0, 1, 1, -1, 0, '1,2'),
  (14, '6301', '营业外收入', '营业外收入', 0, 1, 1, -1, 0, '1,2,3'),
  (15, '6601', '销售费用', '销售费用', 0, 1, 1, 1, 0, '1,2,3'),
  (16, '6602', '管理费用', '管理费用', 0, 1, 1, 1, 0, '1,2,3'),
  (17, '6603', '财务费用', '财务费用', 0, 1, 1, 1, 0, '1,2,3'),
  (18, '6711', '营业外支出', '营业外支出', 0, 1, 1, 1, 0, '1,2,3');

INSERT INTO t_Organization (FItemID, FNumber, FName, FShortName, FAddress, FPhone, FContact, FDepartment, FEmployee, FAcctID, FPayMentTime, FCreditDegree, FCurrencyID) VALUES
  (1, 'C001', '北京华联商贸有限公司', '北京华联', '北京市朝阳区建国路88号', '010-65001234', '孙经理', 1, 1, 3, 1, 200000, 1),
  (2, 'C002', '上海东方电子有限公司', '上海东方', '上海市浦东新区张江路500号', '021-58001234', '周主管', 2, 3, 3, 3, 50000, 1),
  (3, 'C003', '广州美达贸易有限公司', '广州美达', '广州市天河区体育西路20号', '020-38001234', '吴先生', 6, NULL, NULL, NULL, 0, 1),
  (4, 'C004', '太平洋贸易(美国)公司', '太平洋贸易', 'Los Angeles, CA, USA', '+1-213-5550100', 'Mr. Smith', 2, 3, 4, 2, 100000, 2),
  (5, 'C005', '东京精工株式会社', '东京精工', '東京都港区芝公園1-1', '+81-3-5550100', '田中', 1, 2, 5, 4, 0, 3);

INSERT INTO t_Supplier (FItemID, FNumber, FName, FShortName, FAddress, FPhone, FContact, FDepartment, FEmployee, FAcctID, FPayMentTime, FCreditDegree, FCurrencyID, FValueAddRate) VALUES
  (21, 'S001', '深圳华强电子厂', '华强电子', '深圳市福田区华强北路1号', '0755-83001234', '郑厂长', 3, 4, 3, 1, 300000, 1, 13),
  (22, 'S002', '苏州精密机械有限公司', '苏州精密', '苏州市工业园区星湖街9号', '0512-62001234', '钱经理', 3, 4, 3, 3, 20000, 1, 13),
  (23, 'S003', '美国联合器件公司', '联合器件', 'San Jose, CA, USA', '+1-408-5550100', 'Ms. Brown', 3, 4, 4, 2, 0, 2, 0),
  (24, 'S004', '杭州顺丰物流有限公司', '顺丰物流', '杭州市西湖区文三路100号', '0571-88001234', '冯调度', 5, NULL, 3, NULL, 0, 1, 9);

-- Income/expense types.
INSERT INTO t_RP_InOutType (FID, FNumber, FName, FPreNumber, FAccountID, FDiscontinued, FNote) VALUES
  (1, '1', '收入类别', '', 0, 0, '其他应收单使用的收入类别'),
  (2, '2', '支出类别', '', 0, 0, '其他应付单使用的支出类别'),
  (3, '1.01', '服务收入', '1', 13, 0, ''),
  (4, '1.01.001', '技术服务费', '1.01', 13, 0, ''),
  (5, '1.01.002', '安装调试费', '1.01', 13, 0, ''),
  (6, '1.02', '租金收入', '1', 13, 0, ''),
  (7, '1.03', '其他收入', '1', 14, 0, ''),
  (8, '2.01', '运输费', '2', 15, 0, ''),
  (9, '2.02', '办公费用', '2', 16, 0, ''),
  (10, '2.02.001', '房租', '2.02', 16, 0, ''),
  (11, '2.02.002', '水电费', '2.02', 16, 0, ''),
  (12, '2.03', '维修费', '2', 16, 1, '已停用');

-- Sales invoices.
INSERT INTO ICSale (FInterID, FBillNo, FTranType, FDate, FCustID, FDeptID, FEmpID, FCurrencyID, FExchangeRate, FROB, FAmountFor, FAmount, FExplanation, FStatus, FBillerID, FCheckerID, FCheckDate) VALUES
  (1, 'INV0001', 1000000, '2026-11-05', 1, 1, 1, 1, 1, 1, 8000, 8000, '显示器及键盘', 1, 2, 1, '2026-11-05'),
  (2, 'INV0002', 1000002, '2026-11-20', 1, 1, 2, 1, 1, 1, 12000, 12000, '笔记本电脑', 1, 2, 1, '2026-11-20'),
  (3, 'INV0003', 1000000, '2026-12-02', 2, 2, 3, 1, 1, 1, 8000, 8000, '办公耗材', 1, 2, 1, '2026-12-02'),
  (4, 'INV0004', 1000002, '2026-12-03', 4, 2, 3, 2, 7.1, 1, 1500, 10650, '出口传感器', 1, 2, 1, '2026-12-03'),
  (5, 'INV0005', 1000002, '2026-12-05', 1, 1, 1, 1, 1, -1, -1000, -1000, '键盘退货', 1, 2, 1, '2026-12-05'),
  (6, 'INV0006', 1000002, '2026-12-08', 2, 2, 3, 1, 1, 1, 6000, 6000, '扫描仪', 0, 2, NULL, NULL),
  (7, 'INV0007', 1000002, '2026-12-06', 5, 1, 2, 3, 0.05, 1, 200000, 10000, '出口轴承', 1, 2, 1, '2026-12-06'),
  (8, 'INV0008', 1000002, '2026-12-10', 3, NULL, NULL, 1, 1, 1, 3000, 3000, '办公椅', 1, 2, 1, '2026-12-10');

INSERT INTO ICSaleEntry (FDetailID, FInterID, FEntryID, FItemName, FUnit, FQty, FPrice, FAmountFor, FAmount, FFKDBillNo) VALUES
  (1, 1, 1, '液晶显示器', '台', 10, 500, 5000, 5000, 'FH0001'),
  (2, 1, 2, '无线键盘', '个', 50, 60, 3000, 3000, 'FH0001'),
  (3, 2, 1, '笔记本电脑', '台', 3, 4000, 12000, 12000, 'FH0003'),
  (4, 3, 1, '激光打印机', '台', 4, 500, 2000, 2000, 'FH0004'),
  (5, 3, 2, '复印纸', '箱', 90, 50, 4500, 4500, 'FH0004'),
  (6, 3, 3, '墨盒', '个', 30, 50, 1500, 1500, 'FH0005'),
  (7, 4, 1, '工业传感器', '件', 20, 50, 1000, 7100, 'FH0006'),
  (8, 4, 2, '控制模块', '件', 10, 50, 500, 3550, 'FH0006'),
  (9, 5, 1, '无线键盘', '个', -10, 100, -1000, -1000, 'TH0001'),
  (10, 6, 1, '扫描仪', '台', 4, 1500, 6000, 6000, 'FH0008'),
  (11, 7, 1, '精密轴承', '套', 100, 2000, 200000, 10000, 'FH0007'),
  (12, 8, 1, '办公椅', '把', 10, 300, 3000, 3000, 'FH0009');

-- Purchase and expense invoices.
INSERT INTO ICPurchase (FInterID, FBillNo, FTranType, FDate, FSupplyID, FDeptID, FEmpID, FCurrencyID, FExchangeRate, FROB, FAmountFor, FAmount, FExplanation, FStatus, FBillerID, FCheckerID, FCheckDate) VALUES
  (1, 'PINV0001', 1000003, '2026-11-10', 21, 3, 4, 1, 1, 1, 16000, 16000, '面板及电源', 1, 2, 2, '2026-11-10'),
  (2, 'PINV0002', 1000004, '2026-12-01', 22, 3, 4, 1, 1, 1, 4800, 4800, '机加工件', 1, 2, 2, '2026-12-01'),
  (3, 'PINV0003', 1000003, '2026-12-04', 23, 3, 4, 2, 7.1, 1, 2800, 19880, '进口芯片', 1, 2, 2, '2026-12-04'),
  (4, 'PINV0004', 1000004, '2026-12-06', 21, 3, 4, 1, 1, -1, -2000, -2000, '面板退货', 1, 2, 2, '2026-12-06'),
  (5, 'PINV0005', 1000004, '2026-12-09', 22, 3, 4, 1, 1, 1, 3500, 3500, '机加工件', 0, 2, NULL, NULL);

INSERT INTO ICPurchaseEntry (FDetailID, FInterID, FEntryID, FItemName, FUnit, FQty, FPrice, FAmountFor, FAmount, FFKDBillNo) VALUES
  (1, 1, 1, '液晶面板', '片', 40, 250, 10000, 10000, 'SH0001'),
  (2, 1, 2, '电源适配器', '个', 100, 60, 6000, 6000, 'SH0001'),
  (3, 2, 1, '机加工件', '件', 60, 80, 4800, 4800, 'SH0002'),
  (4, 3, 1, '芯片', '片', 1000, 2, 2000, 14200, 'SH0003'),
  (5, 3, 2, '连接器', '个', 400, 2, 800, 5680, 'SH0003'),
  (6, 4, 1, '液晶面板', '片', -8, 250, -2000, -2000, 'TH0002'),
  (7, 5, 1, '机加工件', '件', 50, 70, 3500, 3500, 'SH0005');

INSERT INTO ICOutExpense (FInterID, FBillNo, FDate, FSupplyID, FDeptID, FEmpID, FCurrencyID, FExchangeRate, FAmountFor, FAmount, FExplanation, FStatus, FCheckerID, FCheckDate) VALUES
  (1, 'FY0001', '2026-12-07', 24, 5, NULL, 1, 1, 1200, 1200, '12月上旬运输费', 1, 2, '2026-12-07');

-- Initial balances.
INSERT INTO t_RP_Initial (FID, FType, FItemID, FBillNo, FDate, FCurrencyID, FExchangeRate, FAmountFor, FAmount, FDeptID, FEmpID, FExplanation) VALUES
  (101, 1, 2, '', '2025-12-31', 1, 1, 15000, 15000, 2, 3, '期初应收余额'),
  (102, 1, 4, '', '2025-12-31', 2, 7.0, 2000, 14000, 2, 3, '期初应收余额(美元)'),
  (103, 2, 21, '', '2025-12-31', 1, 1, 9000, 9000, 3, 4, '期初应付余额'),
  (104, 2, 22, '', '2025-12-31', 1, 1, 2500, 2500, 3, 4, '期初应付余额');

-- Receipt bills.
INSERT INTO t_RP_RBill (FBillID, FBillNo, FDate, FCustomerID, FReceiveTypeID, FCurrencyID, FExchangeRate, FAcctID, FSettleID, FSettleIDNo, FAmountFor, FAmount, FReceiveAmountFor, FReceiveAmount, FDiscount, FDiscountDsp, FDiscountAmountFor, FDiscountAmount, FDiscountAcctID, FExplanation, FDepartmentID, FEmployeeID, FStatus, FPreparer, FCheckerID, FCheckDate, FVoucherID) VALUES
  (1, 'SK0001', '2026-11-25', 1, 1001, 1, 1, 3, 4, 'DH20261125', 3000, 3000, 3000, 3000, 1, 100, 0, 0, 0, '收北京华联货款', 1, 1, 1, 2, 1, '2026-11-25', 1),
  (2, 'SK0002', '2026-12-09', 2, 1001, 1, 1, 3, 3, 'ZZ0012', 8000, 8000, 7900, 7900, 0.9875, 98.75, 100, 100, 17, '收上海东方货款(含现金折扣)', 2, 3, 0, 1, 0, NULL, 0),
  (3, 'SK0003', '2026-12-10', 4, 1002, 2, 7.1, 4, 4, 'DH20261210', 500, 3550, 500, 3550, 1, 100, 0, 0, 0, '太平洋贸易预付货款', 2, 3, 1, 2, 1, '2026-12-10', 2),
  (4, 'SK0004', '2026-12-11', 1, 1001, 1, 1, 1, 1, '', 12000, 12000, 12000, 12000, 1, 100, 0, 0, 0, '收北京华联现金', 1, 2, 0, 3, 0, NULL, 0);

INSERT INTO t_RP_RBillEntry (FBillID, FEntryID, FInterID, FEntryID_HXD_SRC, FClassID_SRC, FEntryID_SRC, FCustID, FInvoiceBillNo, FBillCurrencyID, FEntryExchangeRate, FBillAmountFor, FBillAmount, FBillReceiveAmountFor, FBillReceiveAmount, FBillUnReceiveAmountFor, FBillUnReceiveAmount, FBillSettleAmountFor, FBillSettleAmount, FEntryAmount_SRC, FFKDBillNo) VALUES
  (1, 1, 1, 1, 1000000, 0, 1, 'INV0001', 1, 1, 5000, 5000, 0, 0, 5000, 5000, 3000, 3000, 5000, 'FH0001'),
  (2, 1, 3, 1, 1000000, 0, 2, 'INV0003', 1, 1, 2000, 2000, 0, 0, 2000, 2000, 2000, 2000, 2000, 'FH0004'),
  (2, 2, 3, 2, 1000000, 0, 2, 'INV0003', 1, 1, 4500, 4500, 0, 0, 4500, 4500, 4500, 4500, 4500, 'FH0004'),
  (2, 3, 3, 3, 1000000, 0, 2, 'INV0003', 1, 1, 1500, 1500, 0, 0, 1500, 1500, 1500, 1500, 1500, 'FH0005'),
  (4, 1, 2, 1, 1000002, 0, 1, 'INV0002', 1, 1, 12000, 12000, 0, 0, 12000, 12000, 12000, 12000, 12000, 'FH0003');

-- Payment bills.
INSERT INTO t_RP_PBill (FBillID, FBillNo, FDate, FSupplyID, FPayTypeID, FCurrencyID, FExchangeRate, FAcctID, FSettleID, FSettleIDNo, FAmountFor, FAmount, FPayAmountFor, FPayAmount, FDiscount, FDiscountDsp, FDiscountAmountFor, FDiscountAmount, FDiscountAcctID, FExplanation, FDepartmentID, FEmployeeID, FStatus, FPreparer, FCheckerID, FCheckDate, FVoucherID) VALUES
  (1, 'FK0001', '2026-11-28', 21, 1003, 1, 1, 3, 4, 'DH20261128', 10000, 10000, 10000, 10000, 1, 100, 0, 0, 0, '付华强电子货款', 3, 4, 1, 2, 2, '2026-11-28', 3),
  (2, 'FK0002', '2026-12-09', 22, 1003, 1, 1, 3, 3, 'ZZ0025', 4800, 4800, 4800, 4800, 1, 100, 0, 0, 0, '付苏州精密货款', 3, 4, 0, 1, 0, NULL, 0),
  (3, 'FK0003', '2026-12-10', 23, 1004, 2, 7.1, 4, 4, 'DH20261210', 1000, 7100, 1000, 7100, 1, 100, 0, 0, 0, '预付美国联合器件货款', 3, 4, 0, 2, 0, NULL, 0);

INSERT INTO t_RP_PBillEntry (FBillID, FEntryID, FInterID, FEntryID_HXD_SRC, FClassID_SRC, FEntryID_SRC, FSupplyIdID, FPurchaseBillNo, FBillCurrencyID, FEntryExchangeRate, FBillAmountFor, FBillAmount, FBillPayAmountFor, FBillPayAmount, FBillUnPayAmountFor, FBillUnPayAmount, FBillSettleAmountFor, FBillSettleAmount, FEntryAmount_SRC, FFKDBillNo) VALUES
  (1, 1, 1, 1, 1000003, 0, 21, 'PINV0001', 1, 1, 10000, 10000, 0, 0, 10000, 10000, 10000, 10000, 10000, 'SH0001'),
  (2, 1, 2, 1, 1000004, 0, 22, 'PINV0002', 1, 1, 4800, 4800, 0, 0, 4800, 4800, 4800, 4800, 4800, 'SH0002');

-- Other receivable bills.
INSERT INTO t_RP_ROtherBill (FBillID, FBillNo, FDate, FBillTypeID, FCustomerID, FCurrencyID, FExchangeRate, FAcctID, FSettleID, FSettleIDNo, FLimitDate, FAmountFor, FAmount, FCheckAmountFor, FCheckAmount, FDepartmentID, FEmployeeID, FExplanation, FStatus, FPreparer, FCheckerID, FCheckDate, FVoucherID) VALUES
  (1, 'QYS0001', '2026-11-15', 1006, 1, 1, 1, 7, 0, '', '2026-12-15', 3500, 3500, 0, 0, 1, 1, '技术服务及安装费', 1, 2, 1, '2026-11-16', 4),
  (2, 'QYS0002', '2026-12-05', 1005, 2, 1, 1, 3, 4, 'DH20261205', '2026-12-05', 5000, 5000, 5000, 5000, 2, 3, '收取仓库租金', 0, 1, 0, NULL, 0),
  (3, 'QYS0003', '2026-12-08', 1006, 4, 2, 7.1, 7, 0, '', '2027-02-06', 300, 2130, 0, 0, 2, 3, '技术咨询费', 0, 2, 0, NULL, 0);

INSERT INTO t_RP_ROtherBillEntry (FBillID, FEntryID, FInOutTypeID, FBillAmountFor, FBillAmount, FBillNote) VALUES
  (1, 1, 4, 2000, 2000, '系统集成服务'),
  (1, 2, 5, 1500, 1500, ''),
  (2, 1, 6, 5000, 5000, '12月仓库租金'),
  (3, 1, 4, 300, 2130, '远程技术咨询');

-- Other payable bills.
INSERT INTO t_RP_POtherBill (FBillID, FBillNo, FDate, FBillTypeID, FSupplyID, FCurrencyID, FExchangeRate, FAcctID, FSettleID, FSettleIDNo, FLimitDate, FAmountFor, FAmount, FCheckAmountFor, FCheckAmount, FDepartmentID, FEmployeeID, FExplanation, FStatus, FPreparer, FCheckerID, FCheckDate, FVoucherID) VALUES
  (1, 'QYF0001', '2026-11-20', 1008, 24, 1, 1, 11, 0, '', '2026-11-20', 1800, 1800, 0, 0, 5, 0, '11月运输费', 1, 2, 2, '2026-11-21', 5),
  (2, 'QYF0002', '2026-12-06', 1007, 21, 1, 1, 3, 3, 'ZZ0031', '2026-12-06', 6800, 6800, 6800, 6800, 5, 5, '代垫房租及水电', 0, 1, 0, NULL, 0);

INSERT INTO t_RP_POtherBillEntry (FBillID, FEntryID, FInOutTypeID, FBillAmountFor, FBillAmount, FBillNote) VALUES
  (1, 1, 8, 1800, 1800, '11月运输费'),
  (2, 1, 10, 6000, 6000, '12月房租'),
  (2, 2, 11, 800, 800, '12月水电费');

-- Vouchers of the audited bills.
INSERT INTO t_Voucher (FVoucherID, FYear, FPeriod, FDate, FGroup, FNumber, FExplanation, FPreparerID, FCheckerID, FPosted, FTranType, FBillID) VALUES
  (1, 2026, 11, '2026-11-25', '记', 1, '收北京华联货款', 2, 1, 1, 1000201, 1),
  (2, 2026, 12, '2026-12-10', '记', 1, '太平洋贸易预收款', 2, 1, 0, 1000201, 3),
  (3, 2026, 11, '2026-11-28', '记', 2, '付华强电子货款', 2, 1, 1, 1000202, 1),
  (4, 2026, 11, '2026-11-16', '记', 3, '技术服务及安装费', 2, 1, 1, 1000205, 1),
  (5, 2026, 11, '2026-11-21', '记', 4, '11月运输费', 2, 1, 1, 1000206, 1);

INSERT INTO t_VoucherEntry (FVoucherID, FEntryID, FAccountID, FExplanation, FDC, FCurrencyID, FExchangeRate, FAmountFor, FAmount) VALUES
  (1, 1, 3, '收北京华联货款', 1, 1, 1, 3000, 3000),
  (1, 2, 6, '收北京华联货款', -1, 1, 1, 3000, 3000),
  (2, 1, 4, '太平洋贸易预收款', 1, 2, 7.1, 500, 3550),
  (2, 2, 10, '太平洋贸易预收款', -1, 2, 7.1, 500, 3550),
  (3, 1, 9, '付华强电子货款', 1, 1, 1, 10000, 10000),
  (3, 2, 3, '付华强电子货款', -1, 1, 1, 10000, 10000),
  (4, 1, 7, '技术服务及安装费', 1, 1, 1, 3500, 3500),
  (4, 2, 13, '技术服务及安装费', -1, 1, 1, 3500, 3500),
  (5, 1, 15, '11月运输费', 1, 1, 1, 1800, 1800),
  (5, 2, 11, '11月运输费', -1, 1, 1, 1800, 1800);
