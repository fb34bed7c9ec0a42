-- Demo data: two companies, four units, two financial years, a few users and masters.


INSERT INTO velmora.versionmaster (pack_code, version_code) VALUES ('inv', 'V2'), ('acc', 'V9');

INSERT INTO velmora.ac_fin_year (unit_code, ac_from_date, ac_to_date, ac_period, ac_db_name, ac_default) VALUES
 ('TVM', '2023-04-01', '2024-03-31', '2023-2024', 'vacc_2023', 0),
 ('TVM', '2024-04-01', '2025-03-31', '2024-2025', 'vacc_2024', 1),
 ('CRP', '2024-04-01', '2025-03-31', '2024-2025', 'vacc_2024', 1),
 ('KTM', '2024-04-01', '2025-03-31', '2024-2025', 'vacc_2024', 1);

INSERT INTO velmora.inv_fin_year (unit_code, inv_from_date, inv_to_date, inv_period, inv_default, inv_db_name, ac_db_name) VALUES
 ('TVM', '2023-04-01', '2024-03-31', '2023-2024', 0, 'vstores_2023', 'vacc_2023'),
 ('TVM', '2024-04-01', '2025-03-31', '2024-2025', 1, 'vstores_2024', 'vacc_2024');

INSERT INTO velmora.unitmaster (unit_code, unit_name, unit_priority, unit_app_acc, unit_app_circ) VALUES
 ('TVM', 'Thiruvananthapuram', 1, 0, 0),
 ('CRP', 'Corporate Office', 2, 0, 1),
 ('KTM', 'Kottayam', 3, 0, 0),
 ('ADV', 'Advertisement Cell', 4, 1, 0);

INSERT INTO velmora.usergroups (unit_code, user_group_code, user_group_name, created_by, created_date, created_time) VALUES
 ('TVM', '0001', 'Stores', 1, '2024/04/01', '10:00:00'),
 ('TVM', '0002', 'Accounts', 1, '2024/04/01', '10:00:00'),
 ('CRP', '0101', 'Auditors', 1, '2024/04/01', '10:00:00');

-- 1 is the administrator account.
INSERT INTO velmora.userdetails (user_id, user_name, user_password, user_group_code, unit_code,
  user_login_inv, user_login_advt, user_login_circ, user_login_hr, user_login_sys, user_admin, user_type) VALUES
 (1, 'admin',  'admin',    '0001', 'TVM', 0, 1, 0, 0, 0, 1, 0),
 (2, 'clerk',  'clerk123', '0001', 'TVM', 1, 0, 0, 0, 0, 0, 0),
 (3, 'barred', 'barred',   '0001', 'TVM', 1, 0, 0, 0, 0, 0, 0),
 (4, 'denied', 'denied',   '0002', 'TVM', 0, 0, 0, 0, 0, 0, 0),
 (5, 'typed',  'Typed',    '0002', 'TVM', 1, 0, 0, 0, 0, 0, 1),
 (6, 'nopass', NULL,       '0002', 'TVM', 1, 0, 0, 0, 0, 0, 0),
 (7, 'hruser', 'hr',       '0101', 'CRP', 0, 0, 0, 1, 0, 0, 0),
 (8, 'ghost',  'ghost',    '0002', 'TVM', 0, 0, 0, 0, 0, 0, 0);

INSERT INTO velmora.unitaccess (user_id, unit_code) VALUES
 (1, 'TVM'), (1, 'CRP'), (1, 'KTM'),
 (2, 'TVM'), (2, 'CRP'), (2, 'ADV'),
 (3, 'TVM'), (5, 'TVM'), (6, 'TVM');

INSERT INTO velmora.compaccess (user_id, comp_code) VALUES (3, '02');

INSERT INTO velmora.productmaster (product_code, product_name, product_priority) VALUES
 ('VDE', 'Velmora Daily Edition', 1),
 ('VWK', 'Velmora Weekly', 2),
 ('VSP', 'Velmora Sports', 3),
 ('VKD', 'Velmora Kids', 4);

-- Stores years

-- Every series of every company and unit, so that no window of any unit ends the program.
INSERT INTO vstores_2024.numbersetup (no_id, no_value) VALUES
 ('GRP_TVM', '0003'), ('GRP_CRP', '0102'), ('GRP_KTM', '0201'), ('GRP_ADV', '0301'),
 ('REEL_01_NO', 'RT0003'), ('GSM_01_NO', 'GSM0003'), ('MES_01_NO', 'M0003'),
 ('BRAND_01_NO', 'B0004'), ('ITEM_01_NO', 'I0004'),
 ('REEL_02_NO', 'RT0001'), ('GSM_02_NO', 'GSM0001'), ('MES_02_NO', 'M0001'),
 ('BRAND_02_NO', 'B0001'), ('ITEM_02_NO', 'I0001'),
 ('INV_01_TVM', 'N0000001'), ('INV_01_CRP', 'N0000001'), ('INV_01_KTM', 'N0000001'), ('INV_01_ADV', 'N0000001'),
 ('INV_02_TVM', 'N0000001'), ('INV_02_CRP', 'N0000001'), ('INV_02_KTM', 'N0000001'), ('INV_02_ADV', 'N0000001'),
 ('CN_01_TVM', 'C0000001'), ('CN_01_CRP', 'C0000001'), ('CN_01_KTM', 'C0000001'), ('CN_01_ADV', 'C0000001'),
 ('CN_02_TVM', 'C0000001'), ('CN_02_CRP', 'C0000001'), ('CN_02_KTM', 'C0000001'), ('CN_02_ADV', 'C0000001'),
 ('INVA_01_TVM', 'A0000001'), ('INVA_01_CRP', 'A0000001'), ('INVA_01_KTM', 'A0000001'), ('INVA_01_ADV', 'A0000001'),
 ('INVA_02_TVM', 'A0000001'), ('INVA_02_CRP', 'A0000001'), ('INVA_02_KTM', 'A0000001'), ('INVA_02_ADV', 'A0000001'),
 ('INVP_01_TVM', 'P0000001'), ('INVP_01_CRP', 'P0000001'), ('INVP_01_KTM', 'P0000001'), ('INVP_01_ADV', 'P0000001'),
 ('INVP_02_TVM', 'P0000001'), ('INVP_02_CRP', 'P0000001'), ('INVP_02_KTM', 'P0000001'), ('INVP_02_ADV', 'P0000001');

INSERT INTO vstores_2024.inv_lockmaster (user_id) VALUES (1), (2), (2), (5);

INSERT INTO vstores_2024.inv_companymaster (comp_code, comp_name, comp_address, comp_address1, comp_address2, comp_address3,
  comp_phone, comp_fax, comp_tin, comp_vat, comp_email, comp_priority, created_by, created_date, created_time) VALUES
 ('01', 'Velmora Publications Ltd', 'Velmora House', 'MG Road', 'Thiruvananthapuram', 'Kerala 695001',
  '0471-2300100', '0471-2300101', '32010000001', 'VAT-0001', 'accounts@velmora.example', 1, 1, '2024/04/01', '10:00:00'),
 ('02', 'Velmora Printers Pvt Ltd', 'Press Road', 'Kochuveli', 'Thiruvananthapuram', 'Kerala 695021',
  '0471-2500200', '', '32010000002', 'VAT-0002', 'press@velmora.example', 2, 1, '2024/04/01', '10:00:00');

INSERT INTO vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'GSM0001', '45 GSM', 1, '2024/04/02', '09:00:00'),
 ('TVM', '01', 'GSM0002', '48.8 GSM', 1, '2024/04/02', '09:01:00');

INSERT INTO vstores_2024.inv_reeltype (unit_code, comp_code, reeltype_code, reeltype_name, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'RT0001', 'Full Reel', 1, '2024/04/02', '09:00:00'),
 ('TVM', '01', 'RT0002', 'Half Reel', 1, '2024/04/02', '09:01:00');

INSERT INTO vstores_2024.inv_measurement (unit_code, comp_code, m_code, m_name, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'M0001', 'Nos', 1, '2024/04/02', '09:00:00'),
 ('TVM', '01', 'M0002', 'Kg', 1, '2024/04/02', '09:01:00');

INSERT INTO vstores_2024.inv_brandmaster (unit_code, comp_code, brand_code, brand_name, brand_group, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'B0001', 'Kerala Newsprint', 0, 1, '2024/04/02', '09:00:00'),
 ('TVM', '01', 'B0002', 'Lontrix', 1, 1, '2024/04/02', '09:01:00'),
 ('TVM', '01', 'B0003', 'Cavrell', 2, 1, '2024/04/02', '09:02:00');

INSERT INTO vstores_2024.inv_itemmaster (unit_code, comp_code, item_code, item_name, item_measure, item_type, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'I0001', 'DESKTOP COMPUTER', 'M0001', 0, 1, '2024/04/02', '09:00:00'),
 ('TVM', '01', 'I0002', 'PRINTING INK', 'M0002', 1, 1, '2024/04/02', '09:01:00'),
 ('TVM', '01', 'I0003', 'BLANKET WASH', 'M0009', 1, 1, '2024/04/02', '09:02:00');

INSERT INTO vstores_2023.numbersetup (no_id, no_value) VALUES
 ('GRP_TVM', '0001'), ('GRP_CRP', '0102'), ('GRP_KTM', '0201'), ('GRP_ADV', '0301'),
 ('REEL_01_NO', 'RT0001'), ('GSM_01_NO', 'GSM0001'), ('MES_01_NO', 'M0001'),
 ('BRAND_01_NO', 'B0001'), ('ITEM_01_NO', 'I0001'),
 ('REEL_02_NO', 'RT0001'), ('GSM_02_NO', 'GSM0001'), ('MES_02_NO', 'M0001'),
 ('BRAND_02_NO', 'B0001'), ('ITEM_02_NO', 'I0001'),
 ('INV_01_TVM', 'N0000001'), ('INV_01_CRP', 'N0000001'), ('INV_01_KTM', 'N0000001'), ('INV_01_ADV', 'N0000001'),
 ('INV_02_TVM', 'N0000001'), ('INV_02_CRP', 'N0000001'), ('INV_02_KTM', 'N0000001'), ('INV_02_ADV', 'N0000001'),
 ('CN_01_TVM', 'C0000001'), ('CN_01_CRP', 'C0000001'), ('CN_01_KTM', 'C0000001'), ('CN_01_ADV', 'C0000001'),
 ('CN_02_TVM', 'C0000001'), ('CN_02_CRP', 'C0000001'), ('CN_02_KTM', 'C0000001'), ('CN_02_ADV', 'C0000001'),
 ('INVA_01_TVM', 'A0000001'), ('INVA_01_CRP', 'A0000001'), ('INVA_01_KTM', 'A0000001'), ('INVA_01_ADV', 'A0000001'),
 ('INVA_02_TVM', 'A0000001'), ('INVA_02_CRP', 'A0000001'), ('INVA_02_KTM', 'A0000001'), ('INVA_02_ADV', 'A0000001'),
 ('INVP_01_TVM', 'P0000001'), ('INVP_01_CRP', 'P0000001'), ('INVP_01_KTM', 'P0000001'), ('INVP_01_ADV', 'P0000001'),
 ('INVP_02_TVM', 'P0000001'), ('INVP_02_CRP', 'P0000001'), ('INVP_02_KTM', 'P0000001'), ('INVP_02_ADV', 'P0000001');

INSERT INTO vstores_2023.inv_companymaster (comp_code, comp_name, comp_priority) VALUES
 ('01', 'Velmora Publications Ltd', 1);
