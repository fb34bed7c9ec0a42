-- Newsprint invoices, reels and bookings start empty in both stores years;
-- tests add the invoices they need. Supplier heads of the two accounts years:
-- suppliers of company 01 and 02 and heads of company 01 that are not suppliers.

DELETE FROM vstores_2024.inv_invoice;
DELETE FROM vstores_2024.inv_invoice_trans;
DELETE FROM vstores_2024.inv_consumption;
DELETE FROM vstores_2023.inv_invoice;
DELETE FROM vstores_2023.inv_invoice_trans;
DELETE FROM vstores_2023.inv_consumption;
DELETE FROM vacc_2024.acc_accountheads;
DELETE FROM vacc_2023.acc_accountheads;

INSERT INTO vacc_2024.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) VALUES
 ('01', '441200001', 'Kerala Newsprint Mills', '32AAACK1111A1Z1'),
 ('01', '441200002', 'Hindustan Paper Traders', '32AAACH2222B1Z2'),
 ('01', '441100105', 'Malabar Paper Agency', NULL),
 ('01', '441100000', 'Sundry Creditors Paper', NULL),
 ('01', '441100000000000', 'Creditors Group Head', NULL),
 ('01', '441300001', 'Printing Ink Creditors', NULL),
 ('01', '110000001', 'Cash Account', NULL),
 ('02', '441200001', 'Kerala Newsprint Mills Press', '32AAACK1111A1Z1'),
 ('02', '441200009', 'Press Paper House', NULL);

INSERT INTO vacc_2023.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) VALUES
 ('01', '441200001', 'Kerala Newsprint Mills', '32AAACK1111A1Z1'),
 ('01', '441200003', 'Old Paper Suppliers', NULL);
