-- Three reels of the demo invoice N0000001 (demo_data_reels.sql, loaded before
-- this file) already issued to the press at Thiruvananthapuram, so that a clerk
-- can book consumption against them at once; the others stay in the godown.

UPDATE vstores_2024.inv_invoice_trans SET invtrans_cons_flag = 1
 WHERE comp_code = '01' AND unit_code = 'TVM' AND invtrans_id = 'N0000001' AND invtrans_slno IN (1, 2, 3);
