-- Demo CUG phone list: a few staff numbers of the closed user group.
INSERT INTO velmora.acc_companymaster (comp_code, comp_name) VALUES ('XQ', 'Velmora Publications Ltd');

INSERT INTO hr0910.hr_department (dept_code, comp_code, dept_name) VALUES
 ('D01', 'XQ', 'Stores'),
 ('D02', 'XQ', 'Editorial'),
 ('D03', 'XQ', 'Accounts'),
 ('D04', 'XQ', 'Circulation');

INSERT INTO hr0910.hr_designation (desig_code, comp_code, desig_name) VALUES
 ('G01', 'XQ', 'Manager'),
 ('G02', 'XQ', 'Officer'),
 ('G03', 'XQ', 'Clerk');

INSERT INTO hr0910.hr_employee (emp_slno, emp_name, emp_dept_code, emp_desig_code, emp_unit_code, emp_mail, comp_code) VALUES
 (101, 'Anil Kumar', 'D01', 'G01', 'TVM', 'anil.kumar@velmora.example', 'XQ'),
 (102, 'José Mathew', 'D02', 'G02', 'KTM', 'jose.mathew@velmora.example', 'XQ'),
 (103, 'Beena Suresh', 'D03', 'G03', 'TVM', NULL, 'XQ'),
 (104, 'Chandran Pillai', 'D04', 'G02', 'CRP', 'chandran@velmora.example', 'XQ'),
 (105, 'Divya Menon', 'D01', 'G03', 'KTM', NULL, 'XQ'),
 (106, 'Farook Ali', NULL, 'G03', 'TVM', NULL, 'XQ');

INSERT INTO velmora.acc_telnomaster (tel_no, tel_sub_code, tel_provider_code, tel_flag, tel_status) VALUES
 ('9447100101', 101, 'PSPTVM0000002', 0, 0),
 ('9447100102', 102, 'PSPTVM0000002', 0, 0),
 ('9447100103', 103, 'PSPTVM0000002', 0, 0),
 ('9447100104', 104, 'PSPTVM0000002', 0, 0),
 ('9447100105', 105, 'PSPTVM0000002', 0, 0),
 ('9447100106', 106, 'PSPTVM0000002', 0, 0),
 ('9447100199', NULL, 'PSPTVM0000002', 0, 0),
 ('9447100201', 101, 'PSPTVM0000001', 0, 0),
 ('9447100202', 102, 'PSPTVM0000002', 1, 0);
