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
