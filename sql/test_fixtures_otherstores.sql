-- Other-stores invoices of the supplier heads with GST numbers of the
-- newsprint fixtures: other-stores items whose codes 12 and 120 contain
-- one another, and invoices of both kinds of tax. P0000003 has a line whose
-- item is missing from the master; P0000004 is finalised; P0000005 belongs to
-- another unit, P0000006 to another company, and P0000007's supplier is no
-- account head of company 01.

DELETE FROM vstores_2024.inv_invoice_gen;
DELETE FROM vstores_2024.inv_invoice_trans_gen;
DELETE FROM vstores_2023.inv_invoice_gen;
DELETE FROM vstores_2023.inv_invoice_trans_gen;

INSERT INTO vstores_2024.inv_itemmaster (unit_code, comp_code, item_code, item_name, item_measure, item_type, created_by, created_date, created_time) VALUES
 ('TVM', '01', '12', 'CLEANING CLOTH', 'M0001', 1, 1, '2024/04/02', '09:03:00'),
 ('TVM', '01', '120', 'CLEANING CLOTH ROLL', 'M0001', 1, 1, '2024/04/02', '09:04:00');

UPDATE vstores_2024.numbersetup SET no_value = 'P0000008' WHERE no_id = 'INVP_01_TVM';

INSERT INTO vstores_2024.inv_invoice_gen (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date,
  inv_supp_code, inv_gst_no, inv_tcs, inv_freight, inv_narration, inv_round_plus, inv_round_minus, inv_gross_total,
  inv_cgst_amt, inv_sgst_amt, inv_igst_amt, inv_net_total, created_by, created_date, created_time, inv_finalize) VALUES
 ('TVM', '01', 'P0000001', 'KOS/101', '2024-06-10', '2024-06-11', '441200001', '32AAACK1111A1Z1', 0, 50,
  'Cleaning material', 0, 0, 309.99, 21.40, 18.90, 0, 350.29, 2, '2024/06/11', '10:00:00', 0),
 ('TVM', '01', 'P0000002', 'CHS/2024/55', '2024-06-15', '2024-06-15', '441200002', '32AAACH2222B1Z2', 1.50, 10,
  '', 0, 0, 400.00, 0, 0, 72.00, 473.50, 2, '2024/06/15', '11:00:00', 0),
 ('TVM', '01', 'P0000003', 'KOS/140', '2024-07-01', '2024-07-02', '441200001', '32AAACK1111A1Z1', 0, 20,
  '', 0, 0, 90.00, 6.60, 6.60, 0, 103.20, 2, '2024/07/02', '09:30:00', 0),
 ('TVM', '01', 'P0000004', 'KOS/151', '2024-07-05', '2024-07-05', '441200001', '32AAACK1111A1Z1', 0, 5,
  '', 0, 0, 100.00, 9.00, 9.00, NULL, 118.00, 2, '2024/07/05', '09:30:00', 1),
 ('CRP', '01', 'P0000005', 'KOS/102', '2024-06-10', '2024-06-10', '441200001', '32AAACK1111A1Z1', 0, 5,
  '', 0, 0, 10.00, 0, 0, 1.80, 11.80, 2, '2024/06/10', '12:00:00', 0),
 ('TVM', '02', 'P0000006', 'KNM-77', '2024-06-12', '2024-06-12', '441200001', '32AAACK1111A1Z1', 0, 5,
  '', 0, 0, 50.00, 0, 0, 9.00, 59.00, 2, '2024/06/12', '12:00:00', 0),
 ('TVM', '01', 'P0000007', 'PPH/9', '2024-06-20', '2024-06-20', '441200009', '', 0, 5,
  '', 0, 0, 10.00, 0.90, 0.90, 0, 11.80, 2, '2024/06/20', '12:00:00', 0);

INSERT INTO vstores_2024.inv_invoice_trans_gen (unit_code, comp_code, invtrans_id, invtrans_slno, invtrans_item_code,
  invtrans_qty, invtrans_rate, invtrans_cgst_per, invtrans_cgst_amt, invtrans_sgst_per, invtrans_sgst_amt,
  invtrans_igst_per, invtrans_igst_amt, invtrans_amount, invtrans_finalize) VALUES
 ('TVM', '01', 'P0000001', 1, '12', 2, 105, 9, 18.90, 9, 18.90, 0, 0, 247.80, 0),
 ('TVM', '01', 'P0000001', 2, 'I0002', 3, 33.33, 2.5, 2.50, 0, 0, 0, 0, 102.49, 0),
 ('TVM', '01', 'P0000002', 1, '120', 10, 20, 0, 0, 0, 0, 18, 36.00, 236.00, 0),
 ('TVM', '01', 'P0000002', 2, '12', 1, 100, 0, 0, 0, 0, 18, 18.00, 118.00, 0),
 ('TVM', '01', 'P0000002', 3, '12', 2, 50, 0, 0, 0, 0, 18, 18.00, 118.00, 0),
 ('TVM', '01', 'P0000003', 1, 'I0003', 5, 10, 6, 3.00, 6, 3.00, 0, 0, 56.00, 0),
 ('TVM', '01', 'P0000003', 2, 'I9999', 1, 40, 9, 3.60, 9, 3.60, 0, 0, 47.20, 0),
 ('TVM', '01', 'P0000004', 1, 'I0002', 1, 100, 9, 9.00, 9, 9.00, NULL, NULL, 118.00, 1),
 ('CRP', '01', 'P0000005', 1, '12', 1, 10, 0, 0, 0, 0, 18, 1.80, 11.80, 0),
 ('TVM', '02', 'P0000006', 1, '12', 1, 50, 0, 0, 0, 0, 18, 9.00, 59.00, 0),
 ('TVM', '01', 'P0000007', 1, 'I0002', 1, 10, 9, 0.90, 9, 0.90, 0, 0, 11.80, 0);

-- The previous year: one invoice, never carried into the current year.
INSERT INTO vstores_2023.inv_invoice_gen (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date,
  inv_supp_code, inv_gst_no, inv_tcs, inv_freight, inv_narration, inv_round_plus, inv_round_minus, inv_gross_total,
  inv_cgst_amt, inv_sgst_amt, inv_igst_amt, inv_net_total, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'P0000001', 'KNM/2023/9', '2023-12-01', '2023-12-02', '441200001', '32AAACK1111A1Z1', 0, 15,
  '', 0, 0, 200.00, 18.00, 18.00, 0, 236.00, 2, '2023/12/02', '10:00:00');
INSERT INTO vstores_2023.inv_invoice_trans_gen (unit_code, comp_code, invtrans_id, invtrans_slno, invtrans_item_code,
  invtrans_qty, invtrans_rate, invtrans_cgst_per, invtrans_cgst_amt, invtrans_sgst_per, invtrans_sgst_amt,
  invtrans_igst_per, invtrans_igst_amt, invtrans_amount) VALUES
 ('TVM', '01', 'P0000001', 1, 'I0002', 2, 100, 9, 18.00, 9, 18.00, 0, 0, 236.00);
