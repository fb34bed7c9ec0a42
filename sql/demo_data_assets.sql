-- Fixed-asset items, brands, a supplier and two bills in unit TVM, so that a
-- clerk can enter, list and finalise fixed-asset bills at once.

INSERT INTO vstores_2024.inv_itemmaster (unit_code, comp_code, item_code, item_name, item_measure, item_type, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'I0051', 'LASER PRINTER', 'M0001', 0, 1, '2024/04/02', '09:10:00'),
 ('TVM', '01', 'I0052', 'AIR CONDITIONER', 'M0001', 0, 1, '2024/04/02', '09:11:00'),
 ('TVM', '01', 'I0053', 'OFFICE CHAIR', 'M0001', 0, 1, '2024/04/02', '09:12:00');

INSERT INTO vstores_2024.inv_brandmaster (unit_code, comp_code, brand_code, brand_name, brand_group, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'B0051', 'Hestron', 1, 1, '2024/04/02', '09:10:00'),
 ('TVM', '01', 'B0052', 'Kaldra', 1, 1, '2024/04/02', '09:11:00'),
 ('TVM', '01', 'B0053', 'Almiro', 1, 1, '2024/04/02', '09:12:00');

INSERT INTO vacc_2024.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) VALUES
 ('01', '441200021', 'Techno Office Systems', '32AAACT6666F1Z6');

INSERT INTO vstores_2024.inv_asset (unit_code, comp_code, inv_code, inv_invoice_no, inv_po, inv_po_date, inv_supp_code,
  inv_date, inv_receipt_date, inv_narration, inv_freight, inv_vat, inv_cess, inv_total, inv_round_plus, inv_round_minus,
  inv_grand_total, created_by, created_date, created_time, inv_finalize, inv_chq_rec) VALUES
 ('TVM', '01', 'A0000001', 'TOS/24/118', 'PO/FA/001', '2024-05-02', '441200021', '2024-05-10', '2024-05-13',
  'Printers for the news desk', 250.00, 1260.00, 1260.00, 14000.00, 0, 0, 16770.00, 2, '2024/05/13', '11:20:00', 1, 0),
 ('TVM', '01', 'A0000002', 'TOS/24/164', 'PO/FA/002', '2024-06-03', '441200021', '2024-06-12', '2024-06-14',
  'Air conditioning, press hall', 0, 3780.00, 3780.00, 42000.00, 0.40, 0, 49560.40, 2, '2024/06/14', '15:05:00', 0, 0);

INSERT INTO vstores_2024.inv_asset_trans (unit_code, invtrans_unit_code, comp_code, invtrans_id, invtrans_slno,
  invtrans_item_code, invtrans_brand_code, invtrans_narration, invtrans_war_date, invtrans_qty, invtrans_rate,
  invtrans_amount, invtrans_finalize) VALUES
 ('TVM', 'TVM', '01', 'A0000001', 1, 'I0051', 'B0051', 'HESTRON LP-404', '2025-05-10', 2, 7000, 14000, 1),
 ('TVM', 'TVM', '01', 'A0000002', 1, 'I0052', 'B0052', '2 TON SPLIT', '2025-06-12', 3, 14000, 42000, 0);

INSERT INTO vstores_2024.inv_asset_adjustbill (inv_no, voucher_no, adjust_amount, adjust_cancel_flag) VALUES
 ('A0000001', 'PV0101', 10000.00, 0),
 ('A0000001', 'PV0102', 6770.00, 0);

INSERT INTO vacc_2024.acc_voucher (voucher_no, voucher_chq_no, voucher_amount) VALUES
 ('PV0101', '514201', 10000.00),
 ('PV0102', '514377', 6770.00);

UPDATE vstores_2024.numbersetup SET no_value = 'A0000003' WHERE no_id = 'INVA_01_TVM';
