-- Fixed-asset bills over two stores years, with the accounts application's
-- payments and vouchers.
--  vstores_2023 A0000007: a previous-year bill of 1000.00 paid 333.33 + 333.33
--    in its own year and 333.34 in the current year; a fourth payment is
--    cancelled. Its supplier is a head of the previous accounts year only.
--  vstores_2023 A0000001 and vstores_2024 A0000001: one code in both years.
--  vstores_2024 A0000001: a line whose brand has no master row, a line without
--    a warranty date.
--  vstores_2024 A0000002: finalised and fully paid (one voucher is missing).
--  vstores_2024 A0000003: entered in unit KTM by a user who has no user row.
--  Voucher PV0001 exists in both accounts years with different cheques.

DELETE FROM vstores_2024.inv_asset;
DELETE FROM vstores_2024.inv_asset_trans;
DELETE FROM vstores_2024.inv_asset_adjustbill;
DELETE FROM vstores_2023.inv_asset;
DELETE FROM vstores_2023.inv_asset_trans;
DELETE FROM vstores_2023.inv_asset_adjustbill;
DELETE FROM vacc_2024.acc_voucher;
DELETE FROM vacc_2023.acc_voucher;

INSERT INTO vstores_2023.inv_brandmaster (unit_code, comp_code, brand_code, brand_name, brand_group, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'B0002', 'Lontrix', 1, 1, '2023/04/02', '09:01:00');
INSERT INTO vstores_2023.inv_itemmaster (unit_code, comp_code, item_code, item_name, item_measure, item_type, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'I0001', 'DESKTOP COMPUTER', 'M0001', 0, 1, '2023/04/02', '09:00:00');

INSERT INTO vstores_2023.inv_asset (unit_code, comp_code, inv_code, inv_invoice_no, inv_po, inv_po_date, inv_supp_code,
  inv_date, inv_receipt_date, inv_narration, inv_freight, inv_vat, inv_cess, inv_total, inv_round_plus, inv_round_minus,
  inv_grand_total, created_by, created_date, created_time, inv_finalize, inv_chq_rec) VALUES
 ('TVM', '01', 'A0000001', 'PY-100', 'PO-100', '2023-05-02', '441200001', '2023-05-01', '2023-05-03', 'Old printer',
  0, 0, 0, 500.00, 0, 0, 500.00, 2, '2023/05/03', '10:00:00', 0, 0),
 ('TVM', '01', 'A0000007', 'PY-107', 'PO-107', '2023-11-08', '441200003', '2023-11-10', '2023-11-12', 'Server rack',
  50.00, 45.00, 45.00, 860.00, 0, 0, 1000.00, 2, '2023/11/12', '11:00:00', 1, 0);

INSERT INTO vstores_2023.inv_asset_trans (unit_code, invtrans_unit_code, comp_code, invtrans_id, invtrans_slno,
  invtrans_item_code, invtrans_brand_code, invtrans_narration, invtrans_war_date, invtrans_qty, invtrans_rate,
  invtrans_amount, invtrans_finalize) VALUES
 ('TVM', 'TVM', '01', 'A0000001', 1, 'I0001', 'B0002', 'HESTRON LP-200', '2024-05-01', 1, 500, 500, 0),
 ('TVM', 'TVM', '01', 'A0000007', 1, 'I0001', 'B0002', 'RACK 42U', '2024-11-10', 2, 430, 860, 1);

INSERT INTO vstores_2023.inv_asset_adjustbill (inv_no, voucher_no, adjust_amount, adjust_cancel_flag) VALUES
 ('A0000007', 'PV0001', 333.33, 0),
 ('A0000007', 'PV0002', 333.33, 0),
 ('A0000007', 'PV0003', 50.00, 1);

INSERT INTO vstores_2024.inv_asset (unit_code, comp_code, inv_code, inv_invoice_no, inv_po, inv_po_date, inv_supp_code,
  inv_date, inv_receipt_date, inv_narration, inv_freight, inv_vat, inv_cess, inv_total, inv_round_plus, inv_round_minus,
  inv_grand_total, created_by, created_date, created_time, inv_finalize, inv_chq_rec) VALUES
 ('TVM', '01', 'A0000001', 'CY-201', 'PO-201', '2024-06-08', '441200001', '2024-06-10', '2024-06-12', 'Office computers',
  0, 180.00, 180.00, 2000.00, 0, 0, 2360.00, 2, '2024/06/12', '10:00:00', 0, 0),
 ('TVM', '01', 'A0000002', 'CY-202', 'PO-202', '2024-07-01', '441200002', '2024-07-02', '2024-07-03', 'Monitors',
  0, 90.00, 90.00, 1000.00, 0, 0, 1180.00, 2, '2024/07/03', '10:00:00', 1, 0),
 ('KTM', '01', 'A0000003', 'CY-203', 'PO-203', '2024-07-05', '441200001', '2024-07-05', '2024-07-06', 'Keyboards',
  0, 0, 0, 300.00, 0, 0, 300.00, 99, '2024/07/06', '10:00:00', 0, 0);

INSERT INTO vstores_2024.inv_asset_trans (unit_code, invtrans_unit_code, comp_code, invtrans_id, invtrans_slno,
  invtrans_item_code, invtrans_brand_code, invtrans_narration, invtrans_war_date, invtrans_qty, invtrans_rate,
  invtrans_amount, invtrans_finalize) VALUES
 ('TVM', 'TVM', '01', 'A0000001', 1, 'I0001', 'B0002', 'TARVEN TOWER 500', '2025-06-10', 1, 1500, 1500, 0),
 ('TVM', 'TVM', '01', 'A0000001', 2, 'I0001', 'B0099', 'UPS', '', 2, 250, 500, 0),
 ('TVM', 'TVM', '01', 'A0000002', 1, 'I0001', 'B0002', 'MONITOR', '', 4, 250, 1000, 1),
 ('KTM', 'KTM', '01', 'A0000003', 1, 'I0001', 'B0002', 'KEYBOARD', '', 3, 100, 300, 0);

INSERT INTO vstores_2024.inv_asset_adjustbill (inv_no, voucher_no, adjust_amount, adjust_cancel_flag) VALUES
 ('A0000007', 'PV0001', 333.34, 0),
 ('A0000002', 'PV0010', 1000.00, 0),
 ('A0000002', 'PV0011', 180.00, 0);

INSERT INTO vacc_2023.acc_voucher (voucher_no, voucher_chq_no, voucher_amount) VALUES
 ('PV0001', '100001', 333.33),
 ('PV0002', '100002', 333.33),
 ('PV0003', '100003', 50.00);

INSERT INTO vacc_2024.acc_voucher (voucher_no, voucher_chq_no, voucher_amount) VALUES
 ('PV0001', '200001', 5000.00),
 ('PV0010', '200010', 1000.00);

UPDATE vstores_2024.numbersetup SET no_value = 'A0000004' WHERE no_id = 'INVA_01_TVM';
UPDATE vstores_2023.numbersetup SET no_value = 'A0000008' WHERE no_id = 'INVA_01_TVM';
