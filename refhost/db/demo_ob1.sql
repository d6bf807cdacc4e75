-- Demo company, other receivable and payable bills: payment terms for the due date of those
-- bills. Loaded after demo.sql. Ids 1400-1499. No partner is added (the partner counts of the
-- demo stay as documented); a scenario that needs these terms on a partner sets them with sql.
--
-- Payment terms (t_SetDl): 1400 '1400' 20天后逢25日结算: kind 2, settlement day 25, 20 days
--   (a bill dated 2026-12-10 falls due on 2027-01-25).

INSERT INTO t_SetDl (FItemID, FNumber, FName, FType, FStandDays, FMonthPayDay, FBeforeDays, FDeleted) VALUES
  (1400, '1400', '20天后逢25日结算', 2, 0, 25, 20, 0);
