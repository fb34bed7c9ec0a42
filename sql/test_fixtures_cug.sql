-- CUG phone list: numbers of the closed user group, their holders in hr0910.
-- 9447000001..4 are listed (operator PSPTVM0000002, flags 0); 9447000005 has
-- no holder row; the last three must never show.
DELETE FROM velmora.acc_telnomaster;
DELETE FROM velmora.acc_companymaster;
DELETE FROM hr0910.hr_employee;
DELETE FROM hr0910.hr_department;
DELETE FROM hr0910.hr_designation;

INSERT INTO velmora.acc_companymaster (comp_code, comp_name) VALUES ('XQ', 'Velmora Publications Ltd');

INSERT INTO hr0910.hr_department (dept_code, comp_code, dept_name) VALUES
 ('D01', 'XQ', 'Stores'),
 ('D02', 'XQ', 'Editorial'),
 ('D01', 'ZZ', 'Other company stores');

INSERT INTO hr0910.hr_designation (desig_code, comp_code, desig_name) VALUES
 ('G01', 'XQ', 'Manager'),
 ('G02', 'XQ', 'Clerk');

INSERT INTO hr0910.hr_employee (emp_slno, emp_name, emp_dept_code, emp_desig_code, emp_unit_code, emp_mail, comp_code) VALUES
 (101, 'Anil Kumar', 'D01', 'G01', 'TVM', 'anil@velmora.example', 'XQ'),
 (102, 'José Mathew', 'D02', 'G02', 'KTM', NULL, 'XQ'),
 (103, 'Beena_S', NULL, 'G02', NULL, 'beena@velmora.example', 'XQ'),
 (104, 'Chandran 100%', 'D02', 'G01', 'CRP', NULL, 'XQ');

INSERT INTO velmora.acc_telnomaster (tel_no, tel_sub_code, tel_provider_code, tel_flag, tel_status) VALUES
 ('9447000001', 101, 'PSPTVM0000002', 0, 0),
 ('9447000002', 102, 'PSPTVM0000002', 0, 0),
 ('9447000003', 103, 'PSPTVM0000002', 0, 0),
 ('9447000004', 104, 'PSPTVM0000002', 0, 0),
 ('9447000005', 999, 'PSPTVM0000002', 0, 0),
 ('9447000006', 101, 'PSPTVM0000001', 0, 0),
 ('9447000007', 102, 'PSPTVM0000002', 1, 0),
 ('9447000008', 103, 'PSPTVM0000002', 0, 1);
