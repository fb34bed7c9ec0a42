#pragma once
#include "Database.h"

#include <QString>

// The closed-user-group numbers of the one operator the company uses, with
// their holders from the staff database. Read only.
class CugStore {
public:
    explicit CugStore(Database &db) : m_db(db) {}

    // tel_no, emp_name, dept_name, unit_name, emp_mail of every listed
    // number; a search text narrows them to numbers whose number, holder's
    // name, department or unit contains it (LIKE: "%" and "_" match anything,
    // a backslash only itself).
    // A number whose holder, department or unit is missing is still listed.
    RecordSet phoneList(const QString &search);
    // The same numbers with the columns of the contact sheet: tel_no,
    // emp_name, emp_dept_code, emp_unit_code, dept_name, unit_name, emp_mail.
    RecordSet contactList(const QString &search);

private:
    RecordSet run(const QString &columns, const QString &search);
    Database &m_db;
};
