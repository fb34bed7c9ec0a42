#include "CompanyStore.h"
#include "Desktop.h"
#include "mdlVelmora.h"

CompanyStore::CompanyStore(Database &db, const DbName &storesDb) : m_db(db), m_storesDb(storesDb) {}

QString CompanyStore::table() const
{
    return m_storesDb.table("inv_companymaster");
}

std::optional<Company> CompanyStore::load(const QString &code)
{
    RecordSet rs = m_db.query(QStringLiteral("Select * from ") + table() + QStringLiteral(" Where comp_code=?"),
                              {boundText(code)});
    if (!rs.next())
        return std::nullopt;
    Company c;
    c.code = rs.text(QStringLiteral("comp_code"));
    c.name = rs.text(QStringLiteral("comp_name"));
    c.address = rs.text(QStringLiteral("comp_address"));
    c.address1 = rs.text(QStringLiteral("comp_address1"));
    c.address2 = rs.text(QStringLiteral("comp_address2"));
    c.address3 = rs.text(QStringLiteral("comp_address3"));
    c.phone = rs.text(QStringLiteral("comp_phone"));
    c.fax = rs.text(QStringLiteral("comp_fax"));
    c.email = rs.text(QStringLiteral("comp_email"));
    c.tin = rs.text(QStringLiteral("comp_tin"));
    c.vat = rs.text(QStringLiteral("comp_vat"));
    return c;
}

void CompanyStore::insertCompany(const Company &c, qint64 userId)
{
    m_db.execute(QStringLiteral("Insert into ") + table()
                     + QStringLiteral("(comp_code,comp_name,comp_address,comp_address1,comp_address2,comp_address3,"
                                      "comp_phone,comp_fax,comp_tin,comp_vat,comp_email,created_by,created_date,"
                                      "created_time) Values(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 {boundText(c.code.trimmed()), boundText(c.name), boundText(c.address.trimmed()),
                  boundText(c.address1.trimmed()), boundText(c.address2.trimmed()), boundText(c.address3.trimmed()),
                  boundText(c.phone.trimmed()), boundText(c.fax.trimmed()), boundText(c.tin.trimmed()),
                  boundText(c.vat.trimmed()), boundText(c.email.trimmed()), userId, auditDate(), auditTime()});
}

qint64 CompanyStore::updateCompany(const QString &key, const Company &c)
{
    return m_db.execute(
        QStringLiteral("Update ") + table()
            + QStringLiteral(" set comp_name=?,comp_address=?,comp_address1=?,comp_address2=?,comp_address3=?,"
                             "comp_phone=?,comp_fax=?,comp_tin=?,comp_vat=?,comp_email=? Where comp_code=?"),
        {boundText(c.name), boundText(c.address.trimmed()), boundText(c.address1.trimmed()),
         boundText(c.address2.trimmed()), boundText(c.address3.trimmed()), boundText(c.phone.trimmed()),
         boundText(c.fax.trimmed()), boundText(c.tin.trimmed()), boundText(c.vat.trimmed()),
         boundText(c.email.trimmed()), boundText(key)});
}

bool CompanyStore::addCompany(const Company &c, qint64 userId)
{
    return serialisedSave(m_db, table(), [&] {
        Transaction t(m_db);
        if (saveCheckFinds(m_db,
                           QStringLiteral("Select comp_code from ") + table()
                               + QStringLiteral(" Where comp_name=? or comp_code=?"),
                           {boundText(c.name), boundText(c.code.trimmed())}))
            return false;
        insertCompany(c, userId);
        t.commit();
        return true;
    });
}

std::optional<qint64> CompanyStore::editCompany(const QString &key, const Company &c, const QString &oldName)
{
    return serialisedSave(m_db, table(), [&]() -> std::optional<qint64> {
        Transaction t(m_db);
        if (saveCheckFinds(m_db,
                           QStringLiteral("Select comp_code from ") + table()
                               + QStringLiteral(" Where comp_name<>? And comp_name=?"),
                           {boundText(oldName.trimmed()), boundText(c.name.trimmed())}))
            return std::nullopt;
        const qint64 matched = updateCompany(key, c);
        t.commit();
        return matched;
    });
}

RecordSet CompanyStore::list()
{
    return m_db.query(QStringLiteral("Select * From ") + table() + QStringLiteral(" order by comp_code"));
}

QHash<QString, int> CompanyStore::boxLengths()
{
    return m_db.boxLengths(m_storesDb, QStringLiteral("inv_companymaster"),
                           {{"TxCompanyCode", "comp_code"},
                            {"TxCompanyName", "comp_name"},
                            {"TxAddress", "comp_address"},
                            {"TxAddress1", "comp_address1"},
                            {"TxAddress2", "comp_address2"},
                            {"TxAddress3", "comp_address3"},
                            {"TxPhone", "comp_phone"},
                            {"TxFax", "comp_fax"},
                            {"TxEmail", "comp_email"},
                            {"TxTin", "comp_tin"},
                            {"TxVat", "comp_vat"}});
}
