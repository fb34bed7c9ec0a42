-- Stand-in for the supplier account heads until the accounts tables land.
-- Remove on that merge.
CREATE TABLE IF NOT EXISTS acc_accountheads (
  ac_comp_code VARCHAR(10) NOT NULL,
  ac_code      VARCHAR(20) NOT NULL,
  ac_name      VARCHAR(100) NULL,
  ac_gst       VARCHAR(20) NULL,
  PRIMARY KEY (ac_comp_code, ac_code)
) ENGINE=InnoDB;
