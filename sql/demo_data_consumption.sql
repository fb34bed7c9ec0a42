-- One finalised newsprint invoice whose reels were issued to the press at TVM,
-- so that a clerk can book consumption at once; one reel is still in the godown.

INSERT INTO vstores_2024.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date,
  inv_supp_code, inv_brand_code, inv_freight, inv_weight, inv_total, inv_round_plus, inv_round_minus, inv_cgst,
  inv_sgst, inv_igst, inv_grand_total, inv_net_total, inv_cust_duty, inv_finalize, created_by, created_date, created_time) VALUES
 ('TVM', '01', 'N0000001', 'KNM/24/0412', '2024-05-02', '2024-05-04', '441200001', 'B0001', 0, 2400.00, 102000.00,
  0, 0, 0, 0, 0, 102000.00, 102000.00, 0, 1, 1, '2024/05/04', '10:15:00');

INSERT INTO vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, invtrans_slno, invtrans_reel_no,
  invtrans_gsm, invtrans_reel_type, invtrans_weight, invtrans_rate, invtrans_amt, invtrans_unit_code,
  invtrans_finalize, invtrans_cons_flag) VALUES
 ('TVM', '01', 'N0000001', 1, 'KN24-1001', 'GSM0001', 'RT0001', 850.00, 42.50, 36125.00, 'TVM', 1, 1),
 ('TVM', '01', 'N0000001', 2, 'KN24-1002', 'GSM0001', 'RT0001', 850.00, 42.50, 36125.00, 'TVM', 1, 1),
 ('TVM', '01', 'N0000001', 3, 'KN24-1003', 'GSM0002', 'RT0002', 700.00, 42.50, 29750.00, 'TVM', 1, 0);

UPDATE vstores_2024.numbersetup SET no_value = 'N0000002' WHERE no_id = 'INV_01_TVM';
