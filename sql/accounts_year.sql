-- Tables of one accounts database (one per financial year). The accounts
-- application writes them; this program only reads. Run after USE <db>.

CREATE TABLE IF NOT EXISTS acc_accountheads (
  ac_comp_code VARCHAR(10) NOT NULL,
  ac_code      VARCHAR(20) NOT NULL,
  ac_name      VARCHAR(150) NULL,
  ac_gst       VARCHAR(30) NULL,
  PRIMARY KEY (ac_comp_code, ac_code),
  -- the supplier lookup filters a company's heads by name and orders by it
  KEY ix_ac_name (ac_comp_code, ac_name),
  KEY ix_ac_code (ac_code)
) ENGINE=InnoDB;

-- Vouchers of the accounts application; the fixed-asset cheque details read
-- the cheque number of a payment's voucher.
CREATE TABLE IF NOT EXISTS acc_voucher (
  voucher_no     VARCHAR(20) NOT NULL,
  voucher_chq_no VARCHAR(30) NULL,
  voucher_amount DECIMAL(16,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (voucher_no)
) ENGINE=InnoDB;
