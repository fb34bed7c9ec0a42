#pragma once
#include "Database.h"
#include "frmListView.h"
#include <QLineEdit>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>

// The row the clerk chose in the lookup list: the texts of its columns 1 to 8
// (empty texts when nothing was chosen or the query gave no row).
struct LookupRow {
    QStringList columns; // always 8 texts

    // Column 1 to 8; empty text outside.
    QString column(int n) const { return n >= 1 && n <= columns.size() ? columns.at(n - 1) : QString(); }
    QString code() const { return column(1); }
    QString name() const { return column(2); }
    bool isEmpty() const { return code().isEmpty(); }
};

// One lookup as a value: the statement and its bound values, the list's
// caption and width (twips), and columns 1 to 10 (width 0 hides one).
struct Lookup {
    QString statement;
    QVariantList values;
    QString caption;
    int width = 0;
    QList<LookupColumn> columns;
    // Fields shown; 0 shows as many as there are columns.
    int displayFields = 0;

    // A list of the rows of `query` showing their first two fields, code and name.
    static Lookup of(const SqlCondition &query, const QString &caption, int width, QList<LookupColumn> columns);
    // The code-and-name list "Scheme" in which suppliers, brands and items are chosen.
    static Lookup scheme(const SqlCondition &query);
    // Code and name of the rows of `table` meeting `condition` (none when
    // empty) whose name holds the typed text (every row when it is empty), by
    // name; caption, width and columns are the caller's.
    static Lookup byName(const QString &table, const QString &codeField, const QString &nameField,
                         const QString &condition, const QString &typed);

    // Shows the lookup list and returns the chosen row. The hand-over values
    // gHelpCol1 .. gHelpCol8 are cleared before the list opens (so a query
    // without rows gives an empty row, never an earlier caller's values) and
    // again once they are read. A failing statement shows the server's text
    // and gives nothing.
    std::optional<LookupRow> pick() const;
};

// A code box with a lookup: F1 opens it, and the chosen code goes into the
// box's Tag. By default the box shows the chosen name (a report's unit box);
// showCode makes it show the code itself (the master windows' code boxes).
// Del empties the Tag and the text only where the box is told to.
class LookupBox : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
public:
    enum class Shows { Name, Code };
    // What a lookup that hands back no row does to the box.
    enum class OnNothing { Empty, Keep };

    explicit LookupBox(QWidget *parent = nullptr);

    // The lookup is built when F1 is pressed, so it sees the working context of that moment.
    void setLookup(std::function<Lookup()> make) { m_make = std::move(make); }
    void setShows(Shows shows) { m_shows = shows; }
    void setOnNothing(OnNothing rule) { m_onNothing = rule; }
    void setDelClears(bool clears) { m_delClears = clears; }

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    // Tag and text at once.
    void setChoice(const QString &code, const QString &text);
    void clearChoice();

public slots:
    // F1: opens the lookup and takes the chosen row.
    void lookUp();

signals:
    // After F1 put a row into the box (the whole row, for boxes beside it).
    void picked(const LookupRow &row);
    // After Del, or a lookup without a row, emptied the box.
    void cleared();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<Lookup()> m_make;
    QString m_tag;
    Shows m_shows = Shows::Name;
    OnNothing m_onNothing = OnNothing::Empty;
    bool m_delClears = false;
};
