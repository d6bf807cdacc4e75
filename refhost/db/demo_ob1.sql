-- Demo company, other receivable and payable bills: partners whose payment terms, credit
-- limits and balances the due date and the credit control of those bills are tried on.
-- Loaded after demo.sql. Ids 1400-1499.
--
-- Payment terms (t_SetDl): 1400 '1400' 20天后逢25日结算: kind 2, settlement day 25, 20 days
--   (a bill dated 2026-12-10 falls due on 2027-01-25).
-- Customers (t_Organization):
--   1401 C1401 宁波海纳科技有限公司: terms 1400, account 6 (1122 应收账款), credit limit 1000,
--     no balance (any on-account bill above 1000 passes the limit).
--   1402 C1402 温州东港实业有限公司: terms 5 (deleted), account 7 (1221 其他应收款), no limit.
-- Suppliers (t_Supplier):
--   1403 S1403 嘉兴恒通包装有限公司: terms 1400, account 9 (2202 应付账款), credit limit 1000,
--     no balance.

INSERT INTO t_SetDl (FItemID, FNumber, FName, FType, FStandDays, FMonthPayDay, FBeforeDays, FDeleted) VALUES
  (1400, '1400', '20天后逢25日结算', 2, 0, 25, 20, 0);

INSERT INTO t_Organization (FItemID, FNumber, FName, FShortName, FAddress, FPhone, FContact, FDepartment, FEmployee, FAcctID, FPayMentTime, FCreditDegree, FCurrencyID) VALUES
  (1401, 'C1401', '宁波海纳科技有限公司', '宁波海纳', '宁波市鄞州区天童路1号', '0574-87001234', '何经理', 1, 2, 6, 1400, 1000, 1),
  (1402, 'C1402', '温州东港实业有限公司', '温州东港', '温州市鹿城区车站大道8号', '0577-88001234', '林会计', 2, 3, 7, 5, 0, 1);

INSERT INTO t_Supplier (FItemID, FNumber, FName, FShortName, FAddress, FPhone, FContact, FDepartment, FEmployee, FAcctID, FPayMentTime, FCreditDegree, FCurrencyID, FValueAddRate) VALUES
  (1403, 'S1403', '嘉兴恒通包装有限公司', '恒通包装', '嘉兴市南湖区东升路6号', '0573-82001234', '许主管', 3, 4, 9, 1400, 1000, 1, 13);
