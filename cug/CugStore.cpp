#include "CugStore.h"

namespace {
// The staff database and the company whose departments and designations are
// joined are fixed: they belong to the staff application, not to the
// working context.
const QString kSources = QStringLiteral(
    " from velmora.acc_telnomaster"
    " Left Outer Join hr0910.hr_employee on hr0910.hr_employee.emp_slno=acc_telnomaster.tel_sub_code"
    " Left Outer Join hr0910.hr_department on dept_code=emp_dept_code and hr0910.hr_department.comp_code='XQ'"
    " Left Outer join hr0910.hr_designation on desig_code=emp_desig_code and hr0910.hr_designation.comp_code='XQ'"
    " Left Outer Join velmora.acc_companymaster on velmora.acc_companymaster.comp_code=hr0910.hr_employee.comp_code"
    " Left Outer Join velmora.unitmaster on velmora.unitmaster.unit_code=hr0910.hr_employee.emp_unit_code"
    " where tel_provider_code='PSPTVM0000002' and tel_flag=0 and tel_status=0");
} // namespace

RecordSet CugStore::phoneList(const QString &search)
{
    return run(QStringLiteral("tel_no,emp_name,dept_name,unit_name,emp_mail"), search);
}

RecordSet CugStore::contactList(const QString &search)
{
    return run(QStringLiteral("tel_no,emp_name,emp_dept_code,emp_unit_code,dept_name,unit_name,emp_mail"), search);
}

RecordSet CugStore::run(const QString &columns, const QString &search)
{
    QString sql = QStringLiteral("Select ") + columns + kSources;
    if (search.isEmpty())
        return m_db.query(sql);
    // The number, the staff names and the unit live in tables of their own
    // character sets: a text one of them cannot hold is looked for in the others.
    const DbName central(QStringLiteral("velmora"));
    const DbName staff(QStringLiteral("hr0910"));
    const SqlCondition found =
        anyOf({m_db.likeAnywhere(central, QStringLiteral("acc_telnomaster"), QStringLiteral("tel_no"), search),
               m_db.likeAnywhere(staff, QStringLiteral("hr_employee"), QStringLiteral("emp_name"), search),
               m_db.likeAnywhere(staff, QStringLiteral("hr_department"), QStringLiteral("dept_name"), search),
               m_db.likeAnywhere(central, QStringLiteral("unitmaster"), QStringLiteral("unit_name"), search)});
    return m_db.query(sql + QStringLiteral(" and ") + found.sql, found.values);
}
