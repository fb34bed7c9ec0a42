-- Two finalised newsprint invoices of Thiruvananthapuram, so that their reels
-- lie in the godown: ready to move to another unit or to issue to the press.

INSERT INTO vstores_2024.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date,
  inv_supp_code, inv_brand_code, inv_freight, inv_weight, inv_total, inv_round_plus, inv_round_minus,
  inv_cgst, inv_sgst, inv_igst, inv_grand_total, inv_net_total, inv_cust_duty, inv_finalize,
  created_by, created_date, created_time) VALUES
 ('TVM', '01', 'N0000001', 'KNM/24/0412', '2024-06-03', '2024-06-05', '441200001', 'B0001', 1500.00,
  4812.00, 204510.00, 0.00, 0.00, 5112.75, 5112.75, 0.00, 204510.00, 214735.50, 0.00, 1, 2, '2024/06/05', '11:20:00'),
 ('TVM', '01', 'N0000002', 'HPT-1187', '2024-06-10', '2024-06-11', '441200002', 'B0004', 0.00,
  3196.00, 137428.00, 0.00, 0.00, 3435.70, 3435.70, 0.00, 137428.00, 144299.40, 0.00, 1, 2, '2024/06/11', '15:05:00');

INSERT INTO vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, invtrans_slno, invtrans_reel_no,
  invtrans_gsm, invtrans_reel_type, invtrans_weight, invtrans_rate, invtrans_amt, invtrans_unit_code,
  invtrans_finalize) VALUES
 ('TVM', '01', 'N0000001', 1, 'KNM240601', 'GSM0001', 'RT0001', 805.00, 42.50, 34212.50, 'TVM', 1),
 ('TVM', '01', 'N0000001', 2, 'KNM240602', 'GSM0001', 'RT0001', 798.00, 42.50, 33915.00, 'TVM', 1),
 ('TVM', '01', 'N0000001', 3, 'KNM240603', 'GSM0001', 'RT0001', 802.00, 42.50, 34085.00, 'TVM', 1),
 ('TVM', '01', 'N0000001', 4, 'KNM240604', 'GSM0002', 'RT0001', 801.00, 42.50, 34042.50, 'TVM', 1),
 ('TVM', '01', 'N0000001', 5, 'KNM240605', 'GSM0002', 'RT0001', 803.00, 42.50, 34127.50, 'TVM', 1),
 ('TVM', '01', 'N0000001', 6, 'KNM240606', 'GSM0002', 'RT0001', 803.00, 42.50, 34127.50, 'TVM', 1),
 ('TVM', '01', 'N0000002', 1, 'HPT118701', 'GSM0003', 'RT0001', 799.00, 43.00, 34357.00, 'TVM', 1),
 ('TVM', '01', 'N0000002', 2, 'HPT118702', 'GSM0003', 'RT0001', 800.00, 43.00, 34400.00, 'TVM', 1),
 ('TVM', '01', 'N0000002', 3, 'HPT118703', 'GSM0003', 'RT0002', 797.00, 43.00, 34271.00, 'TVM', 1),
 ('TVM', '01', 'N0000002', 4, 'HPT118704', 'GSM0003', 'RT0002', 800.00, 43.00, 34400.00, 'TVM', 1);

UPDATE vstores_2024.numbersetup SET no_value = 'N0000003' WHERE no_id = 'INV_01_TVM';
