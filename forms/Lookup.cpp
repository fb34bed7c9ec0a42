#include "Lookup.h"
#include "mdlVelmora.h"
#include <QKeyEvent>

namespace {
constexpr int kHandedOver = 8;
}

Lookup Lookup::of(const SqlCondition &query, const QString &caption, int width, QList<LookupColumn> columns)
{
    Lookup l;
    l.statement = query.sql;
    l.values = query.values;
    l.caption = caption;
    l.width = width;
    l.columns = std::move(columns);
    l.displayFields = 2;
    return l;
}

Lookup Lookup::scheme(const SqlCondition &query)
{
    return of(query, QStringLiteral("Scheme"), 10500,
              {{1500, QStringLiteral("Scheme Code")}, {9000, QStringLiteral("Scheme Name")}});
}

Lookup Lookup::byName(const QString &table, const QString &codeField, const QString &nameField,
                      const QString &condition, const QString &typed)
{
    Lookup l;
    QStringList conditions;
    if (!condition.isEmpty())
        conditions << condition;
    if (!typed.isEmpty()) {
        // The table comes as "database.table".
        const int dot = table.indexOf(u'.');
        const SqlCondition named =
            gConnection.likeAnywhere(DbName(table.left(dot)), table.mid(dot + 1), nameField, typed);
        conditions << named.sql;
        l.values.append(named.values);
    }
    l.statement = QStringLiteral("SELECT %1,%2 FROM %3").arg(codeField, nameField, table);
    if (!conditions.isEmpty())
        l.statement += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    l.statement += QStringLiteral(" order by ") + nameField;
    return l;
}

std::optional<LookupRow> Lookup::pick() const
{
    clearHelpCols();
    const int fields = displayFields > 0 ? displayFields : int(columns.size());
    const bool ran = guarded([&] { frmListView::ShowForm(statement, values, fields, caption, width, columns); });
    LookupRow row;
    for (int k = 1; k <= kHandedOver; ++k)
        row.columns << gHelpCol(k);
    clearHelpCols();
    if (!ran)
        return std::nullopt;
    return row;
}

LookupBox::LookupBox(QWidget *parent) : QLineEdit(parent) {}

void LookupBox::setChoice(const QString &code, const QString &text)
{
    m_tag = code;
    setText(text);
}

void LookupBox::clearChoice()
{
    m_tag.clear();
    clear();
}

void LookupBox::lookUp()
{
    if (!m_make)
        return;
    const std::optional<LookupRow> row = m_make().pick();
    if (!row)
        return; // the failure was shown; the box keeps what it held
    if (row->isEmpty()) {
        if (m_onNothing == OnNothing::Empty) {
            clearChoice();
            emit cleared();
        }
        return;
    }
    setChoice(row->code(), m_shows == Shows::Code ? row->code() : row->name());
    emit picked(*row);
}

void LookupBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        lookUp();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && m_delClears) {
        clearChoice();
        emit cleared();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
