#include "ItemStore.h"
#include "mdlVelmora.h"

ItemStore::ItemStore(std::optional<int> itemType, Database &db) : m_type(itemType), m_db(db) {}

QString ItemStore::typeCondition(QVariantList &values, const QString &column) const
{
    if (!m_type)
        return QString();
    values << *m_type;
    return QStringLiteral(" and ") + column + QStringLiteral("=?");
}

QList<QStringList> ItemStore::rows()
{
    QVariantList values{gCompCode};
    const QString sql = QStringLiteral("Select i.item_code, i.item_name, "
                                       "(Select m.m_name from %1 m where m.m_code=i.item_measure "
                                       "order by m.comp_code<>i.comp_code, m.comp_code limit 1) as m_name "
                                       "from %2 i where i.comp_code=?")
                            .arg(gInvDbName.table("inv_measurement"), gInvDbName.table("inv_itemmaster"))
        + typeCondition(values, QStringLiteral("i.item_type")) + QStringLiteral(" order by i.item_name, i.item_code");
    RecordSet rs = m_db.query(sql, values);
    QList<QStringList> out;
    while (rs.next())
        out.append({rs.text(0), rs.text(1), rs.text(2)});
    return out;
}

CodeNameSaveResult ItemStore::storeNew(const CodeNameEntry &entry, const QString &seriesKey)
{
    const QString table = gInvDbName.table("inv_itemmaster");
    const QString measure = entry.more.isEmpty() ? QString() : entry.more.first().trimmed();
    return serialisedSave(m_db, table, [&] {
        Transaction t(m_db);
        const QString code =
            ClaimCode(m_db, gInvDbName, seriesKey,
                      {table, QStringLiteral("item_code"), {{QStringLiteral("comp_code"), gCompCode}}});
        // Compared as it will be stored: in capitals, which may be longer (ß is SS).
        const QString name = entry.name.trimmed().toUpper();
        QVariantList checkValues{name};
        const QString check =
            QStringLiteral("Select 1 from %1 where item_name=?").arg(table) + typeCondition(checkValues);
        if (saveCheckFinds(m_db, check, checkValues))
            return CodeNameSaveResult{true, {}, 0};
        QString columns = QStringLiteral("unit_code, comp_code, item_code, item_name, item_measure");
        QVariantList values{gUnitCode, gCompCode, code, name, measure};
        if (m_type) {
            columns += QStringLiteral(", item_type");
            values << *m_type;
        }
        columns += QStringLiteral(", created_by, created_date, created_time");
        values << userIdNumber() << auditDate() << auditTime();
        QStringList marks;
        for (int i = 0; i < values.size(); ++i)
            marks << QStringLiteral("?");
        m_db.execute(QStringLiteral("Insert into %1 (%2) values (%3)").arg(table, columns, marks.join(u',')), values);
        t.commit();
        return CodeNameSaveResult{false, code, 1};
    });
}

CodeNameSaveResult ItemStore::storeRename(const CodeNameEntry &entry, const QString &oldName)
{
    const QString table = gInvDbName.table("inv_itemmaster");
    QVariantList values{entry.name, userIdNumber(), auditDate(), auditTime(), entry.code.trimmed(), gCompCode};
    const QString sql = QStringLiteral("Update %1 set item_name=?, modified_by=?, modified_date=?, modified_time=? "
                                       "where item_code=? and comp_code=?")
                            .arg(table)
        + typeCondition(values);
    QVariantList checkValues{oldName.trimmed(), entry.name.trimmed()};
    const QString check =
        QStringLiteral("Select 1 from %1 where item_name<>? and item_name=?").arg(table) + typeCondition(checkValues);
    return serialisedSave(m_db, table, [&] {
        Transaction t(m_db);
        if (saveCheckFinds(m_db, check, checkValues))
            return CodeNameSaveResult{true, {}, 0};
        const qint64 matched = m_db.execute(sql, values);
        t.commit();
        return CodeNameSaveResult{false, entry.code.trimmed(), matched};
    });
}

QString ItemStore::measurementLookup()
{
    return QStringLiteral("SELECT m_code,m_name FROM %1 order by m_name, m_code")
        .arg(gInvDbName.table("inv_measurement"));
}

int ItemStore::nameLength()
{
    return m_db.columnLengths(gInvDbName, QStringLiteral("inv_itemmaster")).value(QStringLiteral("item_name"));
}
