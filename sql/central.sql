-- Central schema shared with the company's other applications.
CREATE DATABASE IF NOT EXISTS velmora CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci;
USE velmora;

CREATE TABLE IF NOT EXISTS versionmaster (
  pack_code    VARCHAR(10) NOT NULL PRIMARY KEY,
  version_code VARCHAR(20) NOT NULL DEFAULT ''
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS ac_fin_year (
  unit_code    VARCHAR(10) NOT NULL,
  ac_from_date DATE NOT NULL,
  ac_to_date   DATE NOT NULL,
  ac_period    VARCHAR(20) NULL,
  ac_db_name   VARCHAR(64) NOT NULL,
  ac_default   TINYINT NOT NULL DEFAULT 0,
  KEY ix_ac_default (ac_default, unit_code),
  KEY ix_ac_to_date (ac_to_date)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS inv_fin_year (
  unit_code     VARCHAR(10) NULL,
  inv_from_date DATE NOT NULL,
  inv_to_date   DATE NOT NULL,
  inv_period    VARCHAR(20) NULL,
  inv_default   TINYINT NOT NULL DEFAULT 0,
  inv_db_name   VARCHAR(64) NOT NULL,
  ac_db_name    VARCHAR(64) NULL,
  KEY ix_inv_default (inv_default),
  KEY ix_inv_dates (inv_from_date, inv_to_date),
  KEY ix_inv_to_date (inv_to_date)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS unitmaster (
  unit_code     VARCHAR(10) NOT NULL PRIMARY KEY,
  unit_name     VARCHAR(60) NULL,
  unit_priority INT NOT NULL DEFAULT 0,
  unit_app_acc  TINYINT NOT NULL DEFAULT 0,
  unit_app_circ TINYINT NOT NULL DEFAULT 0,
  KEY ix_unit_priority (unit_priority)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS unitaccess (
  user_id   INT NOT NULL,
  unit_code VARCHAR(10) NOT NULL,
  PRIMARY KEY (user_id, unit_code)
) ENGINE=InnoDB;

-- Group codes come from a counter as zero-padded text; they are kept as text so
-- that "0007" stays "0007" and an empty code can be stored.
CREATE TABLE IF NOT EXISTS usergroups (
  unit_code       VARCHAR(10) NOT NULL,
  user_group_code VARCHAR(20) NOT NULL,
  user_group_name VARCHAR(60) NULL,
  created_by      INT NULL,
  created_date    VARCHAR(10) NULL,
  created_time    VARCHAR(8) NULL,
  modified_by     INT NULL,
  modified_date   VARCHAR(10) NULL,
  modified_time   VARCHAR(8) NULL,
  PRIMARY KEY (unit_code, user_group_code),
  UNIQUE KEY ux_group_code (user_group_code),
  KEY ix_group_name (user_group_name)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS userdetails (
  user_id         INT NOT NULL PRIMARY KEY,
  user_name       VARCHAR(60) NOT NULL,
  user_password   VARCHAR(60) NULL,
  user_group_code VARCHAR(20) NULL,
  unit_code       VARCHAR(10) NULL,
  user_login_inv  TINYINT NOT NULL DEFAULT 0,
  user_login_advt TINYINT NOT NULL DEFAULT 0,
  user_login_circ TINYINT NOT NULL DEFAULT 0,
  user_login_hr   TINYINT NOT NULL DEFAULT 0,
  user_login_sys  TINYINT NOT NULL DEFAULT 0,
  user_admin      TINYINT NOT NULL DEFAULT 0,
  user_type       TINYINT NOT NULL DEFAULT 0,
  created_by      INT NULL,
  created_date    VARCHAR(10) NULL,
  created_time    VARCHAR(8) NULL,
  modified_by     INT NULL,
  modified_date   VARCHAR(10) NULL,
  modified_time   VARCHAR(8) NULL,
  UNIQUE KEY ux_user_name (user_name),
  KEY ix_user_unit (unit_code),
  KEY ix_user_group (user_group_code)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS compaccess (
  user_id   INT NOT NULL,
  comp_code VARCHAR(10) NOT NULL,
  PRIMARY KEY (user_id, comp_code)
) ENGINE=InnoDB;

-- Newspaper products that consume newsprint. Rows come from the company's
-- other applications; this program only reads them. The product lookup shows
-- the first two columns, so code and name stay first, in that order.
CREATE TABLE IF NOT EXISTS productmaster (
  product_code     VARCHAR(20) NOT NULL PRIMARY KEY,
  product_name     VARCHAR(100) NULL,
  product_priority INT NOT NULL DEFAULT 0,
  KEY ix_product_name (product_name),
  KEY ix_product_priority (product_priority)
) ENGINE=InnoDB;

-- Mobile numbers of the company's closed user groups, kept by the accounts
-- application. tel_sub_code is the hr0910 emp_slno of the holder. The phone
-- list joins these with the staff tables naming columns without their table,
-- so tel_* names must stay unique among the joined tables.
CREATE TABLE IF NOT EXISTS acc_telnomaster (
  tel_no            VARCHAR(20) NOT NULL PRIMARY KEY,
  tel_sub_code      INT NULL,
  tel_provider_code VARCHAR(20) NOT NULL DEFAULT '',
  tel_flag          TINYINT NOT NULL DEFAULT 0,
  tel_status        TINYINT NOT NULL DEFAULT 0,
  KEY ix_tel_provider (tel_provider_code, tel_flag, tel_status),
  KEY ix_tel_sub_code (tel_sub_code)
) ENGINE=InnoDB;

-- Companies as the accounts and staff applications know them.
CREATE TABLE IF NOT EXISTS acc_companymaster (
  comp_code VARCHAR(10) NOT NULL PRIMARY KEY,
  comp_name VARCHAR(100) NULL
) ENGINE=InnoDB;
