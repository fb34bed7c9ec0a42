-- Newsprint masters and suppliers, so that a clerk can enter an invoice at once.

INSERT INTO vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'GSM0003', '42 GSM', 1, '2024/04/02', '09:02:00'),
 ('TVM', '01', 'GSM0004', '40 GSM', 1, '2024/04/02', '09:03:00');

INSERT INTO vstores_2024.inv_reeltype (unit_code, comp_code, reeltype_code, reeltype_name, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'RT0003', 'Three Quarter Reel', 1, '2024/04/02', '09:02:00'),
 ('TVM', '01', 'RT0004', 'Quarter Reel', 1, '2024/04/02', '09:03:00');

INSERT INTO vstores_2024.inv_brandmaster (unit_code, comp_code, brand_code, brand_name, brand_group, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'B0004', 'Nilgava Newsprint', 0, 1, '2024/04/02', '09:03:00'),
 ('TVM', '01', 'B0005', 'Tharani Newsprint', 0, 1, '2024/04/02', '09:04:00'),
 ('TVM', '01', 'B0006', 'Imported Newsprint', 0, 1, '2024/04/02', '09:05:00');

UPDATE vstores_2024.numbersetup SET no_value = 'GSM0005' WHERE no_id = 'GSM_01_NO';
UPDATE vstores_2024.numbersetup SET no_value = 'RT0005' WHERE no_id = 'REEL_01_NO';
UPDATE vstores_2024.numbersetup SET no_value = 'B0007' WHERE no_id = 'BRAND_01_NO';

INSERT INTO vacc_2024.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) VALUES
 ('01', '441200001', 'Kerala Newsprint Mills', '32AAACK1111A1Z1'),
 ('01', '441200002', 'Hindustan Paper Traders', '32AAACH2222B1Z2'),
 ('01', '441200003', 'Nilgava Paper Sales', '23AAACN3333C1Z3'),
 ('01', '441100105', 'Malabar Paper Agency', '32AAACM4444D1Z4'),
 ('01', '441100000000000', 'Creditors Group Head', NULL),
 ('01', '110000001', 'Cash Account', NULL),
 ('02', '441200001', 'Kerala Newsprint Mills', '32AAACK1111A1Z1'),
 ('02', '441200009', 'Press Paper House', '32AAACP5555E1Z5');

INSERT INTO vacc_2023.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) VALUES
 ('01', '441200001', 'Kerala Newsprint Mills', '32AAACK1111A1Z1'),
 ('01', '441200002', 'Hindustan Paper Traders', '32AAACH2222B1Z2');

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
