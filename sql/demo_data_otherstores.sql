-- Other-stores items, suppliers with GST numbers and two invoices (one with
-- CGST and SGST, one with IGST), so that a clerk can list and enter at once.

INSERT INTO vstores_2024.inv_itemmaster (unit_code, comp_code, item_code, item_name, item_measure, item_type, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'I0004', 'A4 COPIER PAPER', 'M0001', 1, 1, '2024/04/02', '09:03:00'),
 ('TVM', '01', 'I0005', 'TONER CARTRIDGE', 'M0001', 1, 1, '2024/04/02', '09:04:00'),
 ('TVM', '01', 'I0006', 'CLEANING CLOTH', 'M0001', 1, 1, '2024/04/02', '09:05:00');
UPDATE vstores_2024.numbersetup SET no_value = 'I0007' WHERE no_id = 'ITEM_01_NO';

INSERT INTO vacc_2024.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) VALUES
 ('01', '441200011', 'Kerala Office Supplies', '32AAACO1111F1Z6'),
 ('01', '441100211', 'Capital Hardware Stores', '29AAACC2222G1Z7');

INSERT INTO vstores_2024.inv_invoice_gen (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date,
  inv_supp_code, inv_gst_no, inv_tcs, inv_freight, inv_narration, inv_round_plus, inv_round_minus, inv_gross_total,
  inv_cgst_amt, inv_sgst_amt, inv_igst_amt, inv_net_total, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'P0000001', 'KOS/2024/310', '2024-06-10', '2024-06-11', '441200011', '32AAACO1111F1Z6', 0, 40,
  'Office stationery', 0, 0, 1450.00, 130.50, 130.50, 0, 1711.00, 2, '2024/06/11', '10:00:00'),
 ('TVM', '01', 'P0000002', 'CHS/884', '2024-06-18', '2024-06-19', '441100211', '29AAACC2222G1Z7', 0, 75,
  'Toner from Bengaluru', 0.20, 0, 3200.00, 0, 0, 576.00, 3776.20, 2, '2024/06/19', '15:20:00');

INSERT INTO vstores_2024.inv_invoice_trans_gen (unit_code, comp_code, invtrans_id, invtrans_slno, invtrans_item_code,
  invtrans_qty, invtrans_rate, invtrans_cgst_per, invtrans_cgst_amt, invtrans_sgst_per, invtrans_sgst_amt,
  invtrans_igst_per, invtrans_igst_amt, invtrans_amount) VALUES
 ('TVM', '01', 'P0000001', 1, 'I0004', 5, 250, 9, 112.50, 9, 112.50, 0, 0, 1475.00),
 ('TVM', '01', 'P0000001', 2, 'I0006', 20, 10, 9, 18.00, 9, 18.00, 0, 0, 236.00),
 ('TVM', '01', 'P0000002', 1, 'I0005', 2, 1600, 0, 0, 0, 0, 18, 576.00, 3776.00);

UPDATE vstores_2024.numbersetup SET no_value = 'P0000003' WHERE no_id = 'INVP_01_TVM';
