#include "CodeNameTableStore.h"
#include "mdlVelmora.h"

CodeNameTableStore::CodeNameTableStore(CodeNameTable table, Database &db) : m_table(std::move(table)), m_db(db)
{
    // Column names are constants of the program; refuse anything else before it reaches a statement.
    for (const QString &c : {m_table.codeColumn, m_table.nameColumn})
        if (!DbName::isValid(c))
            throw DbError(QStringLiteral("Invalid column name: ") + c);
    if (!m_table.groupColumn.isEmpty() && !DbName::isValid(m_table.groupColumn))
        throw DbError(QStringLiteral("Invalid column name: ") + m_table.groupColumn);
}

QString CodeNameTableStore::qualifiedTable() const
{
    return gInvDbName.table(m_table.table);
}

QList<QStringList> CodeNameTableStore::rows()
{
    QString sql = QStringLiteral("Select %1, %2 from %3 where comp_code=?")
                      .arg(m_table.codeColumn, m_table.nameColumn, qualifiedTable());
    QVariantList values{gCompCode};
    if (!m_table.groupColumn.isEmpty()) {
        sql += QStringLiteral(" and %1=?").arg(m_table.groupColumn);
        values << m_table.groupValue;
    }
    sql += QStringLiteral(" order by %1").arg(m_table.codeColumn);
    RecordSet rs = m_db.query(sql, values);
    QList<QStringList> out;
    while (rs.next())
        out.append({rs.text(0), rs.text(1)});
    return out;
}

CodeNameSaveResult CodeNameTableStore::storeNew(const CodeNameEntry &entry, const QString &seriesKey)
{
    return serialisedSave(m_db, qualifiedTable(), [&] {
        Transaction t(m_db);
        // The series decides the code: the one shown at New unless another station saved first.
        const QString code =
            ClaimCode(m_db, gInvDbName, seriesKey,
                      {qualifiedTable(), m_table.codeColumn, {{QStringLiteral("comp_code"), gCompCode}}});
        // Every company and every group: names are kept distinct over the whole table.
        if (saveCheckFinds(m_db,
                           QStringLiteral("Select 1 from %1 where %2=?").arg(qualifiedTable(), m_table.nameColumn),
                           {entry.name.trimmed()}))
            return CodeNameSaveResult{true, {}, 0};
        QString columns = QStringLiteral("unit_code, comp_code, %1, %2").arg(m_table.codeColumn, m_table.nameColumn);
        QVariantList values{gUnitCode, gCompCode, code, entry.name.trimmed()};
        if (!m_table.groupColumn.isEmpty()) {
            columns += QStringLiteral(", ") + m_table.groupColumn;
            values << m_table.groupValue;
        }
        columns += QStringLiteral(", created_by, created_date, created_time");
        values << userIdNumber() << auditDate() << auditTime();
        QStringList marks;
        for (int i = 0; i < values.size(); ++i)
            marks << QStringLiteral("?");
        m_db.execute(QStringLiteral("Insert into %1 (%2) values (%3)").arg(qualifiedTable(), columns, marks.join(u',')),
                     values);
        t.commit();
        return CodeNameSaveResult{false, code, 1};
    });
}

CodeNameSaveResult CodeNameTableStore::storeRename(const CodeNameEntry &entry, const QString &oldName)
{
    QString sql =
        QStringLiteral("Update %1 set %2=?, modified_by=?, modified_date=?, modified_time=? where %3=? and comp_code=?")
            .arg(qualifiedTable(), m_table.nameColumn, m_table.codeColumn);
    QVariantList values{entry.name, userIdNumber(), auditDate(), auditTime(), entry.code.trimmed(), gCompCode};
    if (!m_table.groupColumn.isEmpty()) {
        sql += QStringLiteral(" and %1=?").arg(m_table.groupColumn);
        values << m_table.groupValue;
    }
    return serialisedSave(m_db, qualifiedTable(), [&] {
        Transaction t(m_db);
        if (saveCheckFinds(
                m_db, QStringLiteral("Select 1 from %1 where %2<>? and %2=?").arg(qualifiedTable(), m_table.nameColumn),
                {oldName.trimmed(), entry.name.trimmed()}))
            return CodeNameSaveResult{true, {}, 0};
        const qint64 matched = m_db.execute(sql, values);
        t.commit();
        return CodeNameSaveResult{false, entry.code.trimmed(), matched};
    });
}

int CodeNameTableStore::nameLength()
{
    return m_db.columnLengths(gInvDbName, QLatin1String(m_table.table)).value(m_table.nameColumn.toLower());
}
