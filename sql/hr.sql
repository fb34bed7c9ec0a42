-- The staff application's database, addressed by its fixed name. This
-- program only reads it (the CUG phone list). Column names other than
-- comp_code are unique over these tables and the central phone tables,
-- because the phone list names them without their table.
CREATE DATABASE IF NOT EXISTS hr0910 CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci;
USE hr0910;

CREATE TABLE IF NOT EXISTS hr_employee (
  emp_slno       INT NOT NULL PRIMARY KEY,
  emp_name       VARCHAR(100) NULL,
  emp_dept_code  VARCHAR(10) NULL,
  emp_desig_code VARCHAR(10) NULL,
  emp_unit_code  VARCHAR(10) NULL,
  emp_mail       VARCHAR(100) NULL,
  comp_code      VARCHAR(10) NULL,
  KEY ix_emp_name (emp_name),
  KEY ix_emp_unit (emp_unit_code)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS hr_department (
  dept_code VARCHAR(10) NOT NULL,
  comp_code VARCHAR(10) NOT NULL,
  dept_name VARCHAR(100) NULL,
  PRIMARY KEY (dept_code, comp_code)
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS hr_designation (
  desig_code VARCHAR(10) NOT NULL,
  comp_code  VARCHAR(10) NOT NULL,
  desig_name VARCHAR(100) NULL,
  PRIMARY KEY (desig_code, comp_code)
) ENGINE=InnoDB;
