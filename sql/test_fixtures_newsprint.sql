-- Newsprint invoices, reels and bookings start empty in both stores years;
-- tests add the invoices they need. Supplier heads of the two accounts years:
-- suppliers of company 01 and 02 and heads of company 01 that are not suppliers.

DELETE FROM vstores_2024.inv_invoice;
DELETE FROM vstores_2024.inv_invoice_trans;
DELETE FROM vstores_2024.inv_consumption;
DELETE FROM vstores_2023.inv_invoice;
DELETE FROM vstores_2023.inv_invoice_trans;
DELETE FROM vstores_2023.inv_consumption;
DELETE FROM vacc_2024.acc_accountheads;
DELETE FROM vacc_2023.acc_accountheads;

INSERT INTO vacc_2024.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) VALUES
 ('01', '441200001', 'Kerala Newsprint Mills', '32AAACK1111A1Z1'),
 ('01', '441200002', 'Hindustan Paper Traders', '32AAACH2222B1Z2'),
 ('01', '441100105', 'Malabar Paper Agency', NULL),
 ('01', '441100000', 'Sundry Creditors Paper', NULL),
 ('01', '441100000000000', 'Creditors Group Head', NULL),
 ('01', '441300001', 'Printing Ink Creditors', NULL),
 ('01', '110000001', 'Cash Account', NULL),
 ('02', '441200001', 'Kerala Newsprint Mills Press', '32AAACK1111A1Z1'),
 ('02', '441200009', 'Press Paper House', NULL);

INSERT INTO vacc_2023.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) VALUES
 ('01', '441200001', 'Kerala Newsprint Mills', '32AAACK1111A1Z1'),
 ('01', '441200003', 'Old Paper Suppliers', NULL);

-- Each unit's invoice and consumption series has a prefix of its own, as a
-- real installation has them (Thiruvananthapuram of company 01 keeps N and C).
-- Codes of different series then never meet in the tables they number.
UPDATE vstores_2024.numbersetup SET no_value = CASE no_id
 WHEN 'INV_01_KTM' THEN 'KN0000001' WHEN 'CN_01_KTM' THEN 'KC0000001'
 WHEN 'INV_01_ADV' THEN 'AN0000001' WHEN 'CN_01_ADV' THEN 'AC0000001'
 WHEN 'INV_01_CRP' THEN 'RN0000001' WHEN 'CN_01_CRP' THEN 'RC0000001'
 WHEN 'INV_02_TVM' THEN 'TN0000001' WHEN 'CN_02_TVM' THEN 'TC0000001'
 WHEN 'INV_02_KTM' THEN 'LN0000001' WHEN 'CN_02_KTM' THEN 'LC0000001'
 WHEN 'INV_02_ADV' THEN 'DN0000001' WHEN 'CN_02_ADV' THEN 'DC0000001'
 WHEN 'INV_02_CRP' THEN 'PN0000001' WHEN 'CN_02_CRP' THEN 'PC0000001'
 END
 WHERE no_id IN ('INV_01_KTM', 'CN_01_KTM', 'INV_01_ADV', 'CN_01_ADV', 'INV_01_CRP', 'CN_01_CRP', 'INV_02_TVM', 'CN_02_TVM', 'INV_02_KTM', 'CN_02_KTM', 'INV_02_ADV', 'CN_02_ADV', 'INV_02_CRP', 'CN_02_CRP');

UPDATE vstores_2023.numbersetup SET no_value = CASE no_id
 WHEN 'INV_01_KTM' THEN 'KN0000001' WHEN 'CN_01_KTM' THEN 'KC0000001'
 WHEN 'INV_01_ADV' THEN 'AN0000001' WHEN 'CN_01_ADV' THEN 'AC0000001'
 WHEN 'INV_01_CRP' THEN 'RN0000001' WHEN 'CN_01_CRP' THEN 'RC0000001'
 WHEN 'INV_02_TVM' THEN 'TN0000001' WHEN 'CN_02_TVM' THEN 'TC0000001'
 WHEN 'INV_02_KTM' THEN 'LN0000001' WHEN 'CN_02_KTM' THEN 'LC0000001'
 WHEN 'INV_02_ADV' THEN 'DN0000001' WHEN 'CN_02_ADV' THEN 'DC0000001'
 WHEN 'INV_02_CRP' THEN 'PN0000001' WHEN 'CN_02_CRP' THEN 'PC0000001'
 END
 WHERE no_id IN ('INV_01_KTM', 'CN_01_KTM', 'INV_01_ADV', 'CN_01_ADV', 'INV_01_CRP', 'CN_01_CRP', 'INV_02_TVM', 'CN_02_TVM', 'INV_02_KTM', 'CN_02_KTM', 'INV_02_ADV', 'CN_02_ADV', 'INV_02_CRP', 'CN_02_CRP');
