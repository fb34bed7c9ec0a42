#pragma once
#include "NumericKey.h"
#include "Lookup.h"
#include <QDate>
#include <QList>
#include <QString>
#include <QTableView>
#include <functional>
#include <optional>

class QDateEdit;
class QLineEdit;
class ItemGridModel;

// The row chosen in a lookup list: its code and name.
struct ItemGridChoice {
    QString code;
    QString name;
};
// F1 in a lookup column: given the editor's text, runs the window's lookup
// list; nothing when no row was chosen (the list found none).
using ItemGridLookup = std::function<std::optional<ItemGridChoice>(const QString &editorText)>;

// A grid lookup from the kit's lookup: `make` builds it from the editor's
// text when F1 is pressed; a row without a code counts as nothing chosen.
ItemGridLookup gridLookup(std::function<Lookup(const QString &editorText)> make);

// What Enter does in one column. A column with no refusal accepts anything.
struct ItemGridEnter {
    enum class Write {
        Nothing, // nothing is stored; the editor is placed back on its cell
        Upper,   // the text in capitals
        AsTyped, // the text as it stands
        Fixed2,  // the text's number formatted "0.00"
    };
    Write write = Write::Nothing;
    // Shown (critical) when the text is empty, or of value 0 in a numeric column.
    QString refusal;
    // Another column of the row that must hold a non-zero number once this cell
    // is written; else `needsRefusal`, that cell is emptied and the editor stays.
    int needs = -1;
    QString needsRefusal;
    // The column the editor goes to; kNextRow: the key column of the next row.
    int next = -1;
    static constexpr int kNextRow = -2;
};

// What Up or Down does in one column.
enum class ItemGridArrow {
    Stay,       // the editor is placed back on its cell; typed text is dropped
    Key,        // the key column: the text is stored as typed, checked for a duplicate, then one row on
    NumberMove, // value 0: the cell becomes "0.00" and the editor stays; else stored as typed, one row on
};

struct ItemGridColumn {
    QString heading;
    int width = 0;                                   // twips; 0 hides the column
    Qt::Alignment alignment = {};                    // of the cells; none: the grid's default
    std::optional<Qt::Alignment> editorAlignment;    // none: the editor keeps the alignment it had
    bool locked = false;                             // the editor refuses typing: the value comes from the lookup
    bool numeric = false;                            // Enter's refusal tests the value, not the text
    std::optional<NumericKeySettings> numericFilter; // typed keys go through NumericKey
    ItemGridLookup lookup;                           // F1
    int lookupCodeColumn = -1;                       // where the chosen code goes
    bool lookupWritesCell = false;                   // the chosen name reaches the cell at once, not with Enter
    bool datePicker = false;                         // edited through the floating date picker
    int maxLength = 0;                               // characters the editor takes (the stored column's); 0: any
    ItemGridEnter enter;
    ItemGridArrow up = ItemGridArrow::Stay;
    ItemGridArrow down = ItemGridArrow::Stay;
};

// One thing a complete line must hold: text in `column` (and, for a lookup
// column, the code the lookup put in `codeColumn`), or a non-zero number.
// An `optional` lookup cell may stay empty, but a name in it needs its code.
struct ItemGridNeed {
    int column = -1;
    int codeColumn = -1;
    bool number = false;
    QString message; // shown when the line lacks it
    bool optional = false;
    // An empty cell is taken when the row holds a code: a stored line whose
    // master row is gone (the grid itself never leaves a code without its name).
    bool codeWithoutName = false;
    // With codeWithoutName: only a row whose code is the one this column holds
    // (the code its stored line was loaded with) is taken so; a code the row
    // took since, by a copy or a lookup, needs its name as a new row's does.
    int loadedCodeColumn = -1;
};

// A column with its heading, width (twips) and cell alignment; the rest as set.
ItemGridColumn shownColumn(const char *heading, int width, Qt::Alignment alignment = {});

// One entry grid: its columns and its row rules. Column and row numbers are the
// grid's: row 0 is the heading row, rows from 1 hold the lines.
struct ItemGridConfig {
    QList<ItemGridColumn> columns;
    int numberColumn = 0; // RenumberRows writes 1, 2, ... here
    int keyColumn = 1;    // the line's first column: a line is filled while it is not empty
    int initialRows = 50; // heading row included
    int growthStep = 1;   // rows added when the editor is sent past the last row
    int shiftDelRows = 15;
    // Enter, Up and Down in the key column refuse a key that another filled
    // row already holds (ignoring case) and empty these cells of the row.
    bool duplicateTest = false;
    QList<int> duplicateClears;
    // The key is trimmed as it is committed (Enter, Up, Down) and compared
    // trimmed: a key of blanks alone is empty.
    bool trimKey = false;
    // Enter in the key column goes on only when the row holds a code here;
    // without one it shows this refusal, or with none ends silently.
    int keyCodeColumn = -1;
    QString keyCodeRefusal;
    // The lines of the grid run from row 1 down to the first row whose cells
    // here are all empty (none named: the key column alone); each of them is
    // complete when it holds every need, in this order.
    QList<int> lineCells;
    QList<ItemGridNeed> lineNeeds;
    // Nothing the clerk entered may stand in the row that ends the lines or
    // below it: the lines would leave it out. Save shows this (critical) with
    // the editor on that row's key.
    QString belowLinesRefusal;
    // Ctrl+A copies these columns of the row above into the editor's row.
    int copyFirst = 2;
    int copyLast = 2;
    // A click on a row without a key opens the first such row (else the clicked
    // one); a click on a column up to clickSnapUpTo opens the key column.
    bool clickOpensFirstEmptyRow = true;
    int clickSnapUpTo = 3;
    bool selectAllAfterUp = false; // Down always selects the editor's text
    bool hideEditorOnScroll = false;
    // The floating date picker: its first date and the question Enter asks.
    std::function<QDate()> dateInitial;
    QString dateQuestion;
};

// The entry grid with its floating cell editor: the grid itself is never
// typed into; the editor `TxMove` (or the date picker `DtMove`) lies over the
// current cell (`CurRow`, `CurCol`) and its keys commit the cell, check it and
// move on. The window supplies the lookups, the totals and where Enter leaves
// the grid to, and keeps the cells' meaning.
class ItemGrid : public QTableView {
    Q_OBJECT
public:
    explicit ItemGrid(ItemGridConfig config, QWidget *parent = nullptr);
    ~ItemGrid() override;

    const ItemGridConfig &config() const { return m_config; }

    // Recomputes the window's amounts and totals (the window's CalculateTotals).
    void setCalculateTotals(std::function<void()> calculate) { m_calculate = std::move(calculate); }
    // Enter on an empty key below the first row: the window moves the focus on.
    void setLeaveGrid(std::function<void()> leave) { m_leave = std::move(leave); }
    // The floating date picker's first date, where it depends on the window's boxes.
    void setDateInitial(std::function<QDate()> initial) { m_config.dateInitial = std::move(initial); }
    // Whether clicks open the editor (the window is in an entry state).
    void setEntryState(std::function<bool()> entryState) { m_entryState = std::move(entryState); }

    // The cell under the editor.
    int CurRow = 1;
    int CurCol = 1;

    // Rows of the grid, heading row included.
    int rows() const;
    void setRows(int rows);
    // Drops every line and leaves `rows` empty rows (heading included).
    void clearRows(int rows);
    QString cell(int row, int column) const;
    // The editor takes at most `length` characters in `column` (0: any).
    void setMaxLength(int column, int length);
    void setCell(int row, int column, const QString &text);
    // Rows from 1 up to the first whose key cell is empty (or blanks alone).
    int filledRows() const;
    // The lines: rows from 1 down to the first empty one (see lineCells).
    int lineCount() const;
    // The first line that lacks one of the needs, with that need's cell and
    // message; else, when something entered stands in the row that ends the
    // lines or below it, that row's key with the config's belowLinesRefusal.
    struct LineGap {
        int row = 0;
        int column = 0;
        QString message;
    };
    std::optional<LineGap> firstGap() const;
    // The row whose key a Ctrl+A proposal waits for (its name only Enter
    // writes); 0 when none waits.
    int proposedRow() const;
    // The lines as the rows show them: as lineCount, but the row whose key a
    // proposal waits for counts as holding it.
    int shownLines() const;

    // Places the editor over (CurRow, CurCol) with that cell's text and focuses it.
    void MoveEditor();
    void RenumberRows();
    // Whether the editor's text repeats the key of another filled row; shows the notice itself.
    bool IsDuplicateRow();
    // False, with the totals left as they were, when a product or sum leaves
    // the range of Decimal.
    bool CalculateTotals();

    void GrInvoice_Click(int row, int column);
    // The editor's key-down handler; true when the key was used up.
    bool TxMove_KeyDown(int key, Qt::KeyboardModifiers shift);
    void DtMove_KeyDown(int key);

    QLineEdit *editor() const { return m_editor; }
    QDateEdit *datePicker() const { return m_datePicker; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    const ItemGridColumn &column(int c) const;
    // Whether the row's key is empty or holds blanks alone.
    bool keyEmpty(int row) const;
    bool isBlank(const QString &text, const ItemGridColumn &c) const;
    static bool fitsRange(const QString &text);
    // Tells the clerk, when the text in capitals is longer than the column
    // takes, and leaves the editor as it is; true then.
    bool refuseLongerInCapitals(const QString &text);
    // Puts the cell back as it was and tells the clerk the number is too large; true.
    bool refuseOverflow(const QString &before);
    // Whether the row's empty cell of `need` is taken as a stored line's code
    // whose master row is gone (see ItemGridNeed::codeWithoutName).
    bool keepsCodeWithoutName(int row, const ItemGridNeed &need) const;
    // Whether the row holds anything the clerk enters (the worked-out cells and
    // figures of zero aside).
    bool holdsEntry(int row) const;
    // Forgets the choice or proposal that Enter did not commit; a dropped
    // proposal no longer shows its row as a line.
    void dropChoice();
    void removeCurrentRow();
    void copyRowAbove();
    void lookup();
    bool enterKey();
    bool enterKeyColumn();
    // The editor's text is about to be stored in a lookup column: the row
    // takes the code chosen for that text, keeps its own code for its own
    // name, and otherwise loses its code.
    void settleCode(const QString &text);
    void arrowKey(bool up);
    int lastRowWithContent() const;
    void placeOverCell(QWidget *w);

    ItemGridConfig m_config;
    ItemGridModel *m_model = nullptr;
    QLineEdit *m_editor = nullptr;
    QDateEdit *m_datePicker = nullptr;
    NumericKeyFilter *m_numeric = nullptr;
    std::function<void()> m_calculate;
    std::function<void()> m_leave;
    std::function<bool()> m_entryState;
    // A lookup's choice (or a repeated line's name) for a cell whose text only
    // the next Enter writes: its code goes into the row with that text only.
    struct Choice {
        int row = 0;
        int column = 0;
        QString code;
        QString name;
        bool repeat = false; // proposed by Ctrl+A
    };
    std::optional<Choice> m_choice;
};
