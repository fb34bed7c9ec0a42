-- Newsprint masters and suppliers, so that a clerk can enter an invoice at once.

INSERT INTO vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'GSM0003', '42 GSM', 1, '2024/04/02', '09:02:00'),
 ('TVM', '01', 'GSM0004', '40 GSM', 1, '2024/04/02', '09:03:00');

INSERT INTO vstores_2024.inv_reeltype (unit_code, comp_code, reeltype_code, reeltype_name, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'RT0003', 'Three Quarter Reel', 1, '2024/04/02', '09:02:00'),
 ('TVM', '01', 'RT0004', 'Quarter Reel', 1, '2024/04/02', '09:03:00');

INSERT INTO vstores_2024.inv_brandmaster (unit_code, comp_code, brand_code, brand_name, brand_group, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'B0004', 'Nepa Newsprint', 0, 1, '2024/04/02', '09:03:00'),
 ('TVM', '01', 'B0005', 'Tamil Nadu Newsprint', 0, 1, '2024/04/02', '09:04:00'),
 ('TVM', '01', 'B0006', 'Imported Newsprint', 0, 1, '2024/04/02', '09:05:00');

UPDATE vstores_2024.numbersetup SET no_value = 'GSM0005' WHERE no_id = 'GSM_01_NO';
UPDATE vstores_2024.numbersetup SET no_value = 'RT0005' WHERE no_id = 'REEL_01_NO';
UPDATE vstores_2024.numbersetup SET no_value = 'B0007' WHERE no_id = 'BRAND_01_NO';

INSERT INTO vacc_2024.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) VALUES
 ('01', '441200001', 'Kerala Newsprint Mills', '32AAACK1111A1Z1'),
 ('01', '441200002', 'Hindustan Paper Traders', '32AAACH2222B1Z2'),
 ('01', '441200003', 'Nepa Paper Sales', '23AAACN3333C1Z3'),
 ('01', '441100105', 'Malabar Paper Agency', '32AAACM4444D1Z4'),
 ('01', '441100000000000', 'Creditors Group Head', NULL),
 ('01', '110000001', 'Cash Account', NULL),
 ('02', '441200001', 'Kerala Newsprint Mills', '32AAACK1111A1Z1'),
 ('02', '441200009', 'Press Paper House', '32AAACP5555E1Z5');

INSERT INTO vacc_2023.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) VALUES
 ('01', '441200001', 'Kerala Newsprint Mills', '32AAACK1111A1Z1'),
 ('01', '441200002', 'Hindustan Paper Traders', '32AAACH2222B1Z2');
