#pragma once
#include "Database.h"
#include "Decimal.h"
#include "ItemGrid.h"
#include "Lookup.h"
#include "NumericKey.h"
#include "RecordWindow.h"
#include <QColor>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QDateEdit;
class QLabel;
class QLineEdit;

// One control of an invoice window's header (above the grid) or amount area
// (below it), placed as a label and a box in a grid of such pairs.
struct InvoiceBox {
    enum class Kind {
        Text,   // a text box
        Amount, // a right-aligned amount box
        Date,   // a date picker, "dd-MMM-yyyy"
        Lookup, // a code box answering F1 only (see InvoiceLookup)
        Name,   // a locked box that a lookup fills
        Label,  // a label the window fills (the transaction id)
    };
    QString name;  // objectName
    QString label; // the text beside the box; empty: none
    Kind kind = Kind::Text;
    bool footer = false; // in the amount area below the grid
    int row = 0;
    int column = 0;       // pair column: the label in grid column 2c, the box in 2c + 1
    int span = 1;         // pair columns the box spans
    int width = 0;        // twips: a box of fixed width; 0 takes the width its column gives
    bool stretch = false; // its column takes the room the others leave
    bool input = true;    // enabled in the entry states only
    QColor colour;        // text colour; invalid: the default
    bool bold = false;
    // Keys typed into the box go through NumericKey with these settings.
    std::optional<NumericKeySettings> numeric;
    bool selectOnEntry = false;  // entering the box selects its whole text
    bool totalsOnChange = false; // every change recomputes the totals
    enum class Reset { Keep, Empty, Zero };
    Reset onNew = Reset::Keep; // what a new entry puts into the box ("0.00" for Zero)
    bool zeroOnLoad = false;   // "0.00" when the window loads
    // A box with a limit checks every change, a load's too: above the limit
    // it shows `limitMessage` (critical), keeps the text and skips the totals;
    // the focus comes back to the box only while the clerk can type into it.
    std::optional<Decimal> limit;
    QString limitMessage;
};

// A further command button or status label of the command bar, after Finalize.
struct InvoiceBarItem {
    QString name;    // objectName
    QString caption; // a button's caption; a label starts empty
    bool isLabel = false;
    ButtonRule rule = ButtonRule::Untouched; // how the view/entry switch treats a button
};

// The record a window shows: the code it was loaded or saved under and where
// that record lives. Commands act on this, never on what a box holds.
struct ShownRecord {
    QString code;
    DbName stores;
    DbName accounts;
    QString unit;
    QString company;
};

// A code box and the boxes its lookup fills. Typing into the code box only
// empties them: a code counts as chosen once the lookup has filled its name.
struct InvoiceLookup {
    QString codeBox;
    QString nameBox;
    // Further boxes filled from a column (1-8) of the chosen row and emptied with the name.
    QList<QPair<QString, int>> moreBoxes;
    // The lookup for the text typed in the code box.
    std::function<Lookup(const QString &typed)> lookup;
};

// Where Enter in a control of the header or amount area goes.
struct InvoiceEnter {
    QString from;
    // A control's name; InvoiceWindowConfig::kGrid opens the editor on the
    // first line's key; empty: nowhere (the end of the chain).
    QString to;
    enum class Refuse { Never, WhenEmpty, WhenZero };
    Refuse refuse = Refuse::Never;
    QString refusal; // shown (critical) when refused; the focus stays
};

// One test of Save, in the order given; the first that fails shows its
// message (critical) and puts the focus on `focus` (kGrid: the first line's key).
struct InvoiceCheck {
    enum class Test {
        Empty,        // no character at all (blanks pass)
        EmptyTrimmed, // nothing but blanks
        Zero,         // the number the text begins with is 0
        Above,        // the number is above `limit`
        // The grid's lines (down to the first empty one) are each complete:
        // the first gap shows its own message with the editor on its cell.
        // With a `message`, a grid without a line fails with it too.
        Lines,
    };
    QString box;
    Test test = Test::Empty;
    QString message;
    QString focus;
    Decimal limit;
};

// What one invoice-entry window sets for itself.
struct InvoiceWindowConfig {
    inline static const QString kGrid = QStringLiteral("GrInvoice");

    QString caption;                                  // window caption and title label at load
    QString entryCaption = QStringLiteral("Voucher"); // caption from the first New on
    QSize clientArea{11400, 8300};                    // twips
    int gridHeight = 3300;                            // twips
    QList<InvoiceBox> boxes;
    QList<InvoiceLookup> lookups;
    QList<InvoiceEnter> enterChain;
    QList<InvoiceCheck> saveChecks;
    QString serialBox = QStringLiteral("LbSerialNo");     // holds the transaction id
    QString invoiceNoBox = QStringLiteral("TxInvoiceNo"); // New puts the focus here
    ItemGridConfig grid;
    QString leaveGridTo; // Enter on an empty key below the first line
    // Finalize: the label's text once finalised and how the states switch the button.
    QString finalizedText = QStringLiteral("FINALIZED");
    ButtonRule finalizeRule = ButtonRule::ViewOnly;
    // Remove Finalize, enabled in every state; empty name: the window has none.
    QString removeFinalizeButton;
    // The small "Edit" button beside the invoice number that corrects the stored number at once.
    bool numberCorrection = false;
    // The administrator account may edit a finalised invoice (after the same message).
    bool adminEditsFinalized = false;
    // Further buttons and labels of the command bar, left to right after Finalize.
    QList<InvoiceBarItem> barItems;
};

// Building blocks of a window's settings, and the reading of its boxes.
namespace InvoiceKit {
QString name(const char *latin1);
// A box at `row` and pair column `column` of its area.
InvoiceBox place(const char *name, const char *label, InvoiceBox::Kind kind, int row, int column, int span = 1);
// An amount box below the grid; a `filtered` one takes only amounts (12 digits, 2 decimals).
InvoiceBox amount(const char *name, const char *label, int row, int column, bool filtered = true,
                  InvoiceBox::Reset onNew = InvoiceBox::Reset::Zero);
InvoiceEnter enter(const char *from, const QString &to, InvoiceEnter::Refuse refuse = InvoiceEnter::Refuse::Never,
                   const char *refusal = "");
// The number a box or a cell shows; throws DecimalOverflow beyond the decimal range.
Decimal number(const QLineEdit *box);
Decimal number(const QString &text);
} // namespace InvoiceKit

// The invoice-entry window: header boxes, a supplier (and further) lookup box,
// the line grid with its floating editor, the amount boxes and the command bar
// New/Save, Edit, Finalize, Remove Finalize, further buttons and labels, Cancel
// and Close. The settings say which boxes there are, where Enter leads and
// what Save demands; a window
// built on it supplies the store: the saves, the load, the totals and the
// finalisation statements. The window maps no function keys.
class InvoiceEntryWindow : public RecordWindow {
    Q_OBJECT
public:
    explicit InvoiceEntryWindow(InvoiceWindowConfig config, QWidget *parent = nullptr);
    ~InvoiceEntryWindow() override;

    const InvoiceWindowConfig &config() const { return m_config; }

    // The controls by name (nullptr for a name the settings do not hold).
    QLineEdit *box(const QString &name) const;
    QDateEdit *date(const QString &name) const;
    LookupBox *lookupBox(const QString &name) const;
    QLabel *label(const QString &name) const;
    // The further buttons and labels of the command bar (nullptr for another name).
    QPushButton *barButton(const QString &name) const;
    QLabel *barLabel(const QString &name) const;
    ItemGrid *grid() const { return GrInvoice; }
    // The shown transaction id, trimmed.
    QString transactionId() const;

    QLabel *LbFinalize = nullptr;
    QPushButton *CmFinalize = nullptr;
    QPushButton *CmRemoveFinalize = nullptr; // named as the settings say; may be nullptr
    QPushButton *CmEditInv = nullptr;        // may be nullptr

    // The record on view, stored as it stands; nothing after New or before a load.
    const std::optional<ShownRecord> &shownRecord() const { return m_shown; }

    // Opens the stored record `code` of the stores database `storesDb` (empty:
    // the current one), as a list or a report hands it over. An entry under
    // way is kept: the window only comes forward.
    Q_INVOKABLE void showRecord(const QString &code, const QString &storesDb);

public slots:
    void CmFinalize_Click();
    void CmRemoveFinalize_Click();
    void CmEditInv_Click();

protected:
    // What a refused command on an invoice that this unit and company have not
    // stored under the shown id says.
    static QString notStoredMessage();
    // Tells the clerk a save was refused for a text longer than its column; always false.
    static bool refuseTextTooLong();

    // Form load: the boxes' starting values, then the invoice handed over in
    // gSelectedCode (which is emptied). A window built on this one calls it at
    // the end of its constructor, once its hooks can run.
    void formLoad();

    // The hooks of the store.
    // The id a new invoice will most likely be saved under (the counter is only read).
    virtual QString nextTransactionId() = 0;
    // Fills the window with the stored invoice; nothing when there is none.
    virtual void LoadRecord(const QString &transId) = 0;
    // The same for a record of the stores database `storesDb`; a window that
    // reads other years overrides it. By default the current year's record.
    virtual void loadRecordFrom(const QString &code, const DbName &storesDb);
    virtual void CalculateTotals() = 0;
    // Whether the shown invoice is finalised as stored; nothing when this unit
    // and company have no invoice of that id.
    virtual std::optional<bool> storedFinalized() = 0;
    // Each false when no stored invoice of this unit and company has the id.
    virtual bool finalizeStored() = 0;
    virtual bool removeFinalizeStored() { return false; }
    // Whether the signed-on user may remove a finalisation; others see nothing happen.
    virtual bool mayRemoveFinalize() { return true; }
    // Corrects the stored supplier's invoice number; false when no stored invoice has the id.
    virtual bool correctStoredNumber(const QString &invoiceNo)
    {
        Q_UNUSED(invoiceNo);
        return false;
    }

    // What Enter in the box does once the box is accepted, before the focus
    // moves on; for actions that need the window's own controls.
    void setEnterAction(const QString &boxName, std::function<void()> action);

    // Empties every box, label and line as the window's load leaves them
    // (amounts "0.00", dates today), without working out any total.
    void clearShown();
    // Shows the finalisation as stored: label and Finalize button.
    void showFinalized(bool finalized);
    // Puts the floating editor on the first line's key.
    void openGrid();
    // The record now on view (after a load or a save), or none.
    void setShownRecord(std::optional<ShownRecord> record) { m_shown = std::move(record); }
    // The record on view when it is stored in the working context's year,
    // unit and company, where this window's saves and marks reach; nothing
    // otherwise (a cancelled new entry, another unit's or year's record).
    std::optional<ShownRecord> shownHere() const;
    // shownHere, telling the clerk the record is not saved here when there is none.
    std::optional<ShownRecord> shownHereOrRefuse();
    // True while a load fills the boxes.
    bool loading() const { return m_loading; }
    // CalculateTotals; a sum beyond the decimal range is shown, not thrown.
    bool recalculate();
    // Whether no box with a limit holds more than it allows (such a box is
    // left out of the totals until the clerk corrects it).
    bool boxesWithinLimits() const;

    // RecordWindow hooks.
    void ClearFields() override;
    void enableInputs(bool on) override;
    bool readyForNew() override;
    void newStarted() override;
    QList<EntryCheck> entryChecks() override;
    bool editAllowed() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    QLabel *Label3 = nullptr; // the title label
    ItemGrid *GrInvoice = nullptr;

private:
    void build();
    QWidget *makeBox(const InvoiceBox &b);
    void focusControl(const QString &name);
    bool enterKey(QWidget *from);
    void limitCheck(QLineEdit *box, const InvoiceBox &b);
    EntryCheck linesCheck(const QString &noLineMessage);
    // Empties the lines, then resets every box (dates to today; `reset` the others).
    void resetShown(const std::function<void(const InvoiceBox &)> &reset);

    // Asks `question`; on Yes runs `store`. True once the stored invoice changed;
    // a failure or an invoice not stored here has been shown.
    bool confirmedStore(const QString &question, const std::function<bool()> &store);

    InvoiceWindowConfig m_config;
    QHash<QString, QWidget *> m_controls;
    QHash<QString, InvoiceEnter> m_enter;
    QHash<QString, std::function<void()>> m_enterActions;
    QList<QWidget *> m_inputs;
    QString m_nextId;
    QHash<QString, QWidget *> m_barItems;
    std::optional<ShownRecord> m_shown;
    bool m_loading = false;
    bool m_clearing = false; // boxes are being reset: no total is worked out meanwhile
};
