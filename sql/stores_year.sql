-- Tables of one stores database (one per financial year). Run after USE <db>.

CREATE TABLE IF NOT EXISTS numbersetup (
  no_id    VARCHAR(40) NOT NULL PRIMARY KEY,
  no_value VARCHAR(40) NOT NULL
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS inv_lockmaster (
  user_id INT NOT NULL,
  KEY ix_lock_user (user_id)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS inv_companymaster (
  comp_code     VARCHAR(10) NOT NULL PRIMARY KEY,
  -- This program stores every box as text; the company's other applications
  -- may leave a column NULL, which readers show as empty.
  comp_name     VARCHAR(100) NULL,
  comp_address  VARCHAR(100) NULL,
  comp_address1 VARCHAR(100) NULL,
  comp_address2 VARCHAR(100) NULL,
  comp_address3 VARCHAR(100) NULL,
  comp_phone    VARCHAR(60) NULL,
  comp_fax      VARCHAR(60) NULL,
  comp_tin      VARCHAR(40) NULL,
  comp_vat      VARCHAR(40) NULL,
  comp_email    VARCHAR(100) NULL,
  comp_priority INT NOT NULL DEFAULT 0,
  created_by    INT NULL,
  created_date  VARCHAR(10) NULL,
  created_time  VARCHAR(8) NULL,
  KEY ix_comp_name (comp_name),
  KEY ix_comp_priority (comp_priority)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS inv_gsm (
  unit_code     VARCHAR(10) NULL,
  comp_code     VARCHAR(10) NOT NULL,
  gsm_code      VARCHAR(20) NOT NULL,
  gsm_name      VARCHAR(100) NULL,
  created_by    INT NULL,
  created_date  VARCHAR(10) NULL,
  created_time  VARCHAR(8) NULL,
  modified_by   INT NULL,
  modified_date VARCHAR(10) NULL,
  modified_time VARCHAR(8) NULL,
  PRIMARY KEY (comp_code, gsm_code),
  KEY ix_gsm_code (gsm_code),
  KEY ix_gsm_name (gsm_name)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS inv_reeltype (
  unit_code     VARCHAR(10) NULL,
  comp_code     VARCHAR(10) NOT NULL,
  reeltype_code VARCHAR(20) NOT NULL,
  reeltype_name VARCHAR(100) NULL,
  created_by    INT NULL,
  created_date  VARCHAR(10) NULL,
  created_time  VARCHAR(8) NULL,
  modified_by   INT NULL,
  modified_date VARCHAR(10) NULL,
  modified_time VARCHAR(8) NULL,
  PRIMARY KEY (comp_code, reeltype_code),
  KEY ix_reeltype_code (reeltype_code),
  KEY ix_reeltype_name (reeltype_name)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS inv_measurement (
  unit_code     VARCHAR(10) NULL,
  comp_code     VARCHAR(10) NOT NULL,
  m_code        VARCHAR(20) NOT NULL,
  m_name        VARCHAR(100) NULL,
  created_by    INT NULL,
  created_date  VARCHAR(10) NULL,
  created_time  VARCHAR(8) NULL,
  modified_by   INT NULL,
  modified_date VARCHAR(10) NULL,
  modified_time VARCHAR(8) NULL,
  PRIMARY KEY (comp_code, m_code),
  KEY ix_m_code (m_code),
  KEY ix_m_name (m_name)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS inv_brandmaster (
  unit_code     VARCHAR(10) NULL,
  comp_code     VARCHAR(10) NOT NULL,
  brand_code    VARCHAR(20) NOT NULL,
  brand_name    VARCHAR(100) NULL,
  brand_group   TINYINT NOT NULL DEFAULT 0,
  created_by    INT NULL,
  created_date  VARCHAR(10) NULL,
  created_time  VARCHAR(8) NULL,
  modified_by   INT NULL,
  modified_date VARCHAR(10) NULL,
  modified_time VARCHAR(8) NULL,
  PRIMARY KEY (comp_code, brand_code),
  KEY ix_brand_group (comp_code, brand_group),
  KEY ix_brand_code (brand_code),
  KEY ix_brand_name (brand_name)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS inv_itemmaster (
  unit_code     VARCHAR(10) NULL,
  comp_code     VARCHAR(10) NOT NULL,
  item_code     VARCHAR(20) NOT NULL,
  item_name     VARCHAR(150) NULL,
  item_measure  VARCHAR(20) NULL,
  item_type     TINYINT NOT NULL DEFAULT 0,
  created_by    INT NULL,
  created_date  VARCHAR(10) NULL,
  created_time  VARCHAR(8) NULL,
  modified_by   INT NULL,
  modified_date VARCHAR(10) NULL,
  modified_time VARCHAR(8) NULL,
  PRIMARY KEY (comp_code, item_code),
  KEY ix_item_type (comp_code, item_type),
  KEY ix_item_code (item_code),
  KEY ix_item_name (item_name),
  KEY ix_item_measure (item_measure)
) ENGINE=InnoDB;

-- Newsprint: one row per supplier invoice. An invoice is addressed by its
-- transaction id together with its unit and company; ids are drawn per
-- company and unit, so the same id recurs in other units.
CREATE TABLE IF NOT EXISTS inv_invoice (
  unit_code        VARCHAR(10) NOT NULL,
  comp_code        VARCHAR(10) NOT NULL,
  inv_trans_id     VARCHAR(20) NOT NULL,
  inv_invoice_no   VARCHAR(60) NOT NULL DEFAULT '',
  inv_date         DATE NULL,
  inv_receipt_date DATE NULL,
  inv_supp_code    VARCHAR(20) NULL,
  inv_brand_code   VARCHAR(20) NULL,
  inv_freight      DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_weight       DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_total        DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_round_plus   DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_round_minus  DECIMAL(16,2) NOT NULL DEFAULT 0,
  -- The taxes may be NULL in rows of the company's other applications; readers take NULL as 0.
  inv_cgst         DECIMAL(16,2) NULL,
  inv_sgst         DECIMAL(16,2) NULL,
  inv_igst         DECIMAL(16,2) NULL,
  inv_grand_total  DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_net_total    DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_cust_duty    DECIMAL(16,2) NULL,
  inv_finalize     TINYINT NOT NULL DEFAULT 0,
  inv_chq_rec      TINYINT NOT NULL DEFAULT 0,
  created_by       INT NULL,
  created_date     VARCHAR(10) NULL,
  created_time     VARCHAR(8) NULL,
  modified_by      INT NULL,
  modified_date    VARCHAR(10) NULL,
  modified_time    VARCHAR(8) NULL,
  PRIMARY KEY (comp_code, unit_code, inv_trans_id),
  -- the invoice list: company, unit and a date range
  KEY ix_inv_list (comp_code, unit_code, inv_date),
  -- the entry window's load and every join from reels and bookings
  KEY ix_inv_trans_id (inv_trans_id, comp_code),
  -- the duplicate test of a new invoice, across companies and units
  KEY ix_inv_invoice_no (inv_invoice_no),
  -- the bill reports by supplier
  KEY ix_inv_supp (comp_code, inv_supp_code, inv_date),
  KEY ix_inv_brand (inv_brand_code)
) ENGINE=InnoDB;

-- Newsprint: one row per reel. Its marks are its stock state: finalised, the
-- unit where it lies now, issued to the press, used up.
CREATE TABLE IF NOT EXISTS inv_invoice_trans (
  unit_code          VARCHAR(10) NOT NULL,
  comp_code          VARCHAR(10) NOT NULL,
  invtrans_id        VARCHAR(20) NOT NULL,
  invtrans_slno      INT NOT NULL,
  invtrans_reel_no   VARCHAR(40) NOT NULL DEFAULT '',
  invtrans_gsm       VARCHAR(20) NULL,
  invtrans_reel_type VARCHAR(20) NULL,
  invtrans_weight    DECIMAL(16,2) NOT NULL DEFAULT 0,
  invtrans_rate      DECIMAL(16,2) NOT NULL DEFAULT 0,
  invtrans_amt       DECIMAL(16,2) NOT NULL DEFAULT 0,
  invtrans_unit_code VARCHAR(10) NULL,
  invtrans_finalize  TINYINT NOT NULL DEFAULT 0,
  invtrans_cons_flag TINYINT NOT NULL DEFAULT 0,
  invtrans_util_flag TINYINT NOT NULL DEFAULT 0,
  PRIMARY KEY (comp_code, unit_code, invtrans_id, invtrans_slno),
  -- the reels of one invoice in order; transfer and issue by line
  KEY ix_invtrans_line (invtrans_id, invtrans_slno),
  -- one reel by number: used-up mark, cancel, bookings
  KEY ix_invtrans_reel (invtrans_id, invtrans_reel_no),
  KEY ix_invtrans_reel_no (invtrans_reel_no),
  -- the reels a unit's windows offer: godown (transfer, issue) and press (consumption)
  KEY ix_invtrans_state (comp_code, invtrans_unit_code, invtrans_finalize, invtrans_cons_flag, invtrans_util_flag),
  -- the stock report across units
  KEY ix_invtrans_stock (comp_code, invtrans_finalize, invtrans_cons_flag, invtrans_util_flag),
  KEY ix_invtrans_gsm (invtrans_gsm),
  KEY ix_invtrans_reel_type (invtrans_reel_type)
) ENGINE=InnoDB;

-- Newsprint: one row per quantity taken from a reel; rows are never deleted,
-- a cancelled booking keeps its row with the cancel mark.
CREATE TABLE IF NOT EXISTS inv_consumption (
  unit_code        VARCHAR(10) NOT NULL,
  cons_unit_code   VARCHAR(10) NULL,
  comp_code        VARCHAR(10) NOT NULL,
  cons_no          VARCHAR(20) NOT NULL,
  cons_date        DATE NULL,
  cons_pdt_code    VARCHAR(20) NULL,
  cons_reel_no     VARCHAR(40) NOT NULL DEFAULT '',
  cons_inv_no      VARCHAR(20) NOT NULL DEFAULT '',
  cons_qty         DECIMAL(16,3) NOT NULL DEFAULT 0,
  cons_rate        DECIMAL(16,2) NOT NULL DEFAULT 0,
  cons_amt         DECIMAL(16,2) NOT NULL DEFAULT 0,
  cons_cancel_flag TINYINT NOT NULL DEFAULT 0,
  created_by       INT NULL,
  created_date     VARCHAR(10) NULL,
  created_time     VARCHAR(8) NULL,
  modified_by      INT NULL,
  modified_date    VARCHAR(10) NULL,
  modified_time    VARCHAR(8) NULL,
  -- A code names one booking of the company; cancel and load address it by code.
  PRIMARY KEY (comp_code, cons_no),
  -- bookings of one reel (available quantity, re-pricing, cancel) and the press
  -- stock's valid quantity per reel, read from the index alone
  KEY ix_cons_reel (cons_inv_no, cons_reel_no, cons_cancel_flag, cons_qty),
  KEY ix_cons_reel_no (cons_reel_no),
  -- the consumption list: unit and date range
  KEY ix_cons_list (unit_code, cons_date),
  -- the consumption report: a date range, by consuming unit
  KEY ix_cons_date (cons_date),
  KEY ix_cons_unit (cons_unit_code, cons_date)
) ENGINE=InnoDB;

-- Fixed assets: one row per supplier bill. The list, the lines and the
-- accounts application's payments name a bill by its code alone, so a code is
-- unique over the year's table whatever company or unit drew it.
CREATE TABLE IF NOT EXISTS inv_asset (
  unit_code        VARCHAR(10) NOT NULL,
  comp_code        VARCHAR(10) NOT NULL,
  inv_code         VARCHAR(20) NOT NULL,
  inv_invoice_no   VARCHAR(60) NOT NULL DEFAULT '',
  inv_po           VARCHAR(60) NOT NULL DEFAULT '',
  inv_po_date      DATE NULL,
  inv_supp_code    VARCHAR(20) NULL,
  inv_date         DATE NULL,
  inv_receipt_date DATE NULL,
  inv_narration    VARCHAR(250) NOT NULL DEFAULT '',
  inv_freight      DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_vat          DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_cess         DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_total        DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_round_plus   DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_round_minus  DECIMAL(16,2) NOT NULL DEFAULT 0,
  inv_grand_total  DECIMAL(16,2) NOT NULL DEFAULT 0,
  created_by       INT NULL,
  created_date     VARCHAR(10) NULL,
  created_time     VARCHAR(8) NULL,
  modified_by      INT NULL,
  modified_date    VARCHAR(10) NULL,
  modified_time    VARCHAR(8) NULL,
  inv_finalize     TINYINT NOT NULL DEFAULT 0,
  inv_chq_rec      TINYINT NOT NULL DEFAULT 0,
  PRIMARY KEY (inv_code),
  -- updates, finalising and the cheque mark address the bill with its unit and company
  KEY ix_asset_owner (comp_code, unit_code, inv_code),
  -- the duplicate test of a new bill, over the whole year
  KEY ix_asset_invoice_no (inv_invoice_no),
  -- the bill reports: by supplier, by date, pending cheques
  KEY ix_asset_supp (comp_code, inv_supp_code, inv_date),
  KEY ix_asset_date (comp_code, inv_date),
  KEY ix_asset_pending (comp_code, inv_chq_rec, inv_date)
) ENGINE=InnoDB;

-- Fixed assets: one row per line of a bill. The warranty end date is text,
-- 'yyyy-mm-dd' or '' for a line without one.
CREATE TABLE IF NOT EXISTS inv_asset_trans (
  unit_code          VARCHAR(10) NOT NULL,
  invtrans_unit_code VARCHAR(10) NULL,
  comp_code          VARCHAR(10) NOT NULL,
  invtrans_id        VARCHAR(20) NOT NULL,
  invtrans_slno      INT NOT NULL,
  invtrans_item_code VARCHAR(20) NOT NULL DEFAULT '',
  invtrans_brand_code VARCHAR(20) NOT NULL DEFAULT '',
  invtrans_narration VARCHAR(250) NOT NULL DEFAULT '',
  invtrans_war_date  VARCHAR(10) NOT NULL DEFAULT '',
  invtrans_qty       DECIMAL(16,2) NOT NULL DEFAULT 0,
  invtrans_rate      DECIMAL(16,2) NOT NULL DEFAULT 0,
  invtrans_amount    DECIMAL(16,2) NOT NULL DEFAULT 0,
  invtrans_finalize  TINYINT NOT NULL DEFAULT 0,
  invtrans_cons_flag TINYINT NOT NULL DEFAULT 0,
  -- the lines of one bill in order
  PRIMARY KEY (invtrans_id, invtrans_slno),
  KEY ix_assettrans_item (invtrans_item_code),
  KEY ix_assettrans_brand (invtrans_brand_code),
  -- the fixed-asset stock report: a company's assets in store, by unit
  KEY ix_assettrans_stock (comp_code, invtrans_unit_code, invtrans_cons_flag)
) ENGINE=InnoDB;

-- Payments set against fixed-asset bills; the accounts application writes
-- them, this program only reads. A payment names its bill by code alone, and
-- the rows of two years are read as one result, so the columns stay the same
-- in every year.
CREATE TABLE IF NOT EXISTS inv_asset_adjustbill (
  inv_no             VARCHAR(20) NOT NULL,
  voucher_no         VARCHAR(20) NOT NULL,
  adjust_amount      DECIMAL(16,2) NOT NULL DEFAULT 0,
  adjust_cancel_flag TINYINT NOT NULL DEFAULT 0,
  -- a bill's live payments, summed from the index alone
  KEY ix_adjust_bill (inv_no, adjust_cancel_flag, adjust_amount),
  KEY ix_adjust_voucher (voucher_no)
) ENGINE=InnoDB;
