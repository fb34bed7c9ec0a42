#include "Decimal.h"
#include "Desktop.h"
#include "AssetGrid.h"
#include "Decimal.h"
#include "GridTestSupport.h"
#include "ItemGrid.h"
#include "GstGrid.h"
#include "ReelGrid.h"
#include "Ui.h"
#include <QApplication>
#include <QMap>
#include <QClipboard>
#include <QDateEdit>
#include <QLineEdit>
#include <QQueue>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

// The entry grid driven as a clerk drives it: key sequences in the floating
// editor, scripted lookups and message boxes, and what the grid holds after.

namespace {

// A grid row in compact form: cells of the given columns joined by "|".
QString rowText(const ItemGrid &g, int row, const QList<int> &columns)
{
    QStringList cells;
    for (int c : columns)
        cells.append(g.cell(row, c));
    return cells.join(u'|');
}

void putRow(ItemGrid &g, int row, const QList<int> &columns, const QString &text)
{
    const QStringList cells = text.split(u'|');
    for (int i = 0; i < cells.size() && i < columns.size(); ++i)
        g.setCell(row, columns.at(i), cells.at(i));
}

// Reel rows as the tables write them: Reel No|GSM|Reel Type|Weight|Rate|Amount|GSM Code|Reel Type Code.
const QList<int> kReelColumns{ReelGrid::ReelNo, ReelGrid::Gsm,    ReelGrid::ReelType, ReelGrid::Weight,
                              ReelGrid::Rate,   ReelGrid::Amount, ReelGrid::GsmCode,  ReelGrid::ReelTypeCode};

QString messageText(const ShownMessage &m)
{
    const char *icon = m.icon == MsgIcon::Critical ? "C:" : m.icon == MsgIcon::Information ? "I:" : "?:";
    return QString::fromLatin1(icon) + m.text;
}

} // namespace

class TestItemGrid : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layout();
    void keys_data();
    void keys();
    void lookupIsAskedWithEditorText_data();
    void lookupIsAskedWithEditorText();
    void clicks_data();
    void clicks();
    void shiftDelKeepsFilledRows_data();
    void shiftDelKeepsFilledRows();
    void ctrlACopiesRowAbove();
    void reelTotals_data();
    void reelTotals();
    void totalsIgnoreRowsBelowEmptyReel();
    void assetStyleGrid_data();
    void assetStyleGrid();
    void assetTotals_data();
    void assetTotals();
    void productBeyondRangeIsRefused_data();
    void productBeyondRangeIsRefused();
    void otherStoresStyleGrid_data();
    void otherStoresStyleGrid();
    void editorHidesWhenTheClerkMovesAway();
    void nothingMayStandBelowTheLines_data();
    void nothingMayStandBelowTheLines();
    void ctrlAFromAnyColumn_data();
    void ctrlAFromAnyColumn();
    void lookupAfterCtrlAReplacesTheProposal_data();
    void lookupAfterCtrlAReplacesTheProposal();
    void ctrlAProposalShowsItsAmounts();
    void blankKeyEndsTheLines_data();
    void blankKeyEndsTheLines();
    void doubleClickPlacesTheEditor_data();
    void doubleClickPlacesTheEditor();

private:
    void build(ItemGridConfig config);
    // The grid of one window, "reel", "asset" or "gst", with its lookups
    // scripted and its own totals; the columns its rows are written in.
    QList<int> buildKind(const QString &kind);
    void buildWithRows(const QString &kind, const QStringList &rows);
    // Space-separated steps: a key name, "F1=code|name" (the lookup hands that
    // row back; "F1=none" chooses nothing), "Enter?Yes" (Enter answered Yes),
    // "at:r,c" (the window sends the editor there), "click:r,c", or text to type.
    void run(const QString &steps);
    QStringList messages() const;

    std::unique_ptr<ScopedScriptedUi> m_scripted;
    std::unique_ptr<QWidget> m_window;
    ItemGrid *m_grid = nullptr;
    QLineEdit *m_freight = nullptr;
    ReelGrid::Boxes m_boxes;
    QQueue<std::optional<ItemGridChoice>> m_lookupAnswers;
    QStringList m_lookupAsked;
    bool m_entryState = true;
    int m_leaves = 0;
};

void TestItemGrid::init()
{
    m_scripted = std::make_unique<ScopedScriptedUi>();
    m_lookupAnswers.clear();
    m_lookupAsked.clear();
    m_entryState = true;
    m_leaves = 0;
    auto scripted = [this](const QString &text) {
        m_lookupAsked.append(text);
        return m_lookupAnswers.isEmpty() ? std::nullopt : m_lookupAnswers.dequeue();
    };
    build(ReelGrid::config(scripted, scripted));
}

void TestItemGrid::build(ItemGridConfig config)
{
    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    m_grid = new ItemGrid(std::move(config), m_window.get());
    layout->addWidget(m_grid);
    m_freight = new QLineEdit(m_window.get());
    m_freight->setObjectName("TxFreight");
    layout->addWidget(m_freight);
    const auto box = [&](QLineEdit *&b, const char *name, const char *text = "0.00") {
        b = new QLineEdit(QString::fromLatin1(text), m_window.get());
        b->setObjectName(QString::fromLatin1(name));
        layout->addWidget(b);
    };
    m_boxes = {};
    box(m_boxes.TxTotal, "TxTotal");
    box(m_boxes.TxGrandTotal, "TxGrandTotal");
    box(m_boxes.TxNet, "TxNet");
    box(m_boxes.TxTaxable, "TxTaxable");
    box(m_boxes.TxWeight, "TxWeight");
    box(m_boxes.TxRoundOffPlus, "TxRoundOffPlus");
    box(m_boxes.TxRoundOffMinus, "TxRoundOffMinus");
    box(m_boxes.TxCGST, "TxCGST");
    box(m_boxes.TxSGST, "TxSGST");
    box(m_boxes.TxIGST, "TxIGST");
    box(m_boxes.TxTCS, "TxTCS");
    m_grid->setCalculateTotals([this] { ReelGrid::CalculateTotals(*m_grid, m_boxes); });
    m_grid->setLeaveGrid([this] {
        ++m_leaves;
        m_freight->setFocus();
    });
    m_grid->setEntryState([this] { return m_entryState; });
    m_window->resize(900, 700);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

QList<int> TestItemGrid::buildKind(const QString &kind)
{
    auto scripted = [this](const QString &text) {
        m_lookupAsked.append(text);
        return m_lookupAnswers.isEmpty() ? std::nullopt : m_lookupAnswers.dequeue();
    };
    if (kind == QLatin1String("asset")) {
        build(AssetGrid::config(scripted, scripted, [] { return QDate(2026, 12, 10); }));
        m_grid->setCalculateTotals([this] {
            AssetGrid::CalculateTotals(*m_grid, {m_boxes.TxTotal, m_boxes.TxGrandTotal, m_freight,
                                                 m_boxes.TxRoundOffPlus, m_boxes.TxRoundOffMinus, m_boxes.TxSGST,
                                                 m_boxes.TxCGST});
        });
        return {1, 2, 3, 4, 5, 6, 8, 9};
    }
    if (kind == QLatin1String("gst")) {
        build(GstGrid::config(scripted));
        m_grid->setCalculateTotals([this] {
            GstGrid::CalculateTotals(*m_grid, {m_boxes.TxTotal, m_boxes.TxCGST, m_boxes.TxSGST, m_boxes.TxIGST,
                                               m_boxes.TxTCS, m_boxes.TxRoundOffPlus, m_boxes.TxRoundOffMinus,
                                               m_boxes.TxGrandTotal});
        });
        return {1, 2, 3, 4, 6, 8, 11};
    }
    return kReelColumns;
}

// A grid of that kind holding the rows from row 1, its totals worked out.
void TestItemGrid::buildWithRows(const QString &kind, const QStringList &rows)
{
    const QList<int> columns = buildKind(kind);
    for (int i = 0; i < rows.size(); ++i)
        putRow(*m_grid, i + 1, columns, rows.at(i));
    m_grid->CalculateTotals();
}

void TestItemGrid::cleanup()
{
    m_window.reset();
    m_scripted.reset();
}

QStringList TestItemGrid::messages() const
{
    QStringList texts;
    for (const ShownMessage &m : m_scripted->ui.shown)
        texts.append(messageText(m));
    return texts;
}

void TestItemGrid::run(const QString &steps)
{
    const QHash<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> keys{{"Enter", {Qt::Key_Return, {}}},
                                                                     {"Up", {Qt::Key_Up, {}}},
                                                                     {"Down", {Qt::Key_Down, {}}},
                                                                     {"Left", {Qt::Key_Left, {}}},
                                                                     {"F1", {Qt::Key_F1, {}}},
                                                                     {"Del", {Qt::Key_Delete, {}}},
                                                                     {"ShiftDel", {Qt::Key_Delete, Qt::ShiftModifier}},
                                                                     {"CtrlA", {Qt::Key_A, Qt::ControlModifier}},
                                                                     {"Bs", {Qt::Key_Backspace, {}}}};
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        QWidget *target = m_grid->datePicker()->isVisible() ? static_cast<QWidget *>(m_grid->datePicker())
                                                            : static_cast<QWidget *>(m_grid->editor());
        if (step.startsWith("at:") || step.startsWith("click:")) {
            const QStringList rc = step.section(u':', 1).split(u',');
            const int row = rc.at(0).toInt();
            const int col = rc.at(1).toInt();
            if (step.startsWith("at:")) {
                m_grid->CurRow = row;
                m_grid->CurCol = col;
                m_grid->MoveEditor();
            } else {
                const QRect r = m_grid->visualRect(m_grid->model()->index(row - 1, col));
                QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, r.center());
            }
        } else if (step.startsWith("F1=")) {
            const QString choice = step.mid(3).replace(u'_', u' ');
            if (choice == "none")
                m_lookupAnswers.enqueue(std::nullopt);
            else
                m_lookupAnswers.enqueue(ItemGridChoice{choice.section(u'|', 0, 0), choice.section(u'|', 1)});
            QTest::keyClick(target, Qt::Key_F1);
        } else if (step.startsWith("Enter?")) {
            m_scripted->ui.answers.enqueue(step.endsWith("Yes") ? MsgAnswer::Yes : MsgAnswer::No);
            QTest::keyClick(target, Qt::Key_Return);
        } else if (keys.contains(step)) {
            const auto key = keys.value(step);
            QTest::keyClick(target, key.first, key.second);
        } else {
            // A blank inside typed text is written "_".
            QTest::keyClicks(target, QString(step).replace(u'_', u' '));
        }
    }
}

void TestItemGrid::layout()
{
    QCOMPARE(m_grid->objectName(), QString("GrInvoice"));
    QCOMPARE(m_grid->editor()->objectName(), QString("TxMove"));
    QCOMPARE(m_grid->rows(), 50);
    QCOMPARE(m_grid->model()->columnCount(), 14);
    const QStringList headings{"Sl No",    "Reel No",        "GSM",       "Reel Type", "Weight", "Rate", "Amount",
                               "GSM Code", "Reel Type Code", "Cons Flag", "",          "",    "",     ""};
    for (int c = 0; c < headings.size(); ++c)
        QCOMPARE(m_grid->model()->headerData(c, Qt::Horizontal).toString(), headings.at(c));
    for (int c : {7, 8, 9, 10, 11, 12, 13})
        QVERIFY2(m_grid->isColumnHidden(c), qPrintable(QString::number(c)));
    QCOMPARE(m_grid->columnWidth(1), 3300 / 15);
    QCOMPARE(m_grid->cell(1, 0), QString("1"));
    QCOMPARE(m_grid->cell(49, 0), QString("49"));
    QVERIFY(!m_grid->editor()->isVisible());
    QCOMPARE(m_grid->model()->index(0, 4).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
}

void TestItemGrid::keys_data()
{
    QTest::addColumn<QStringList>("given"); // reel rows from row 1
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("rows");  // the reel rows expected from row 1
    QTest::addColumn<QString>("cur");       // "row,col" of the editor after
    QTest::addColumn<QString>("editor");    // its text
    QTest::addColumn<QStringList>("shown"); // message boxes, "C:" critical, "I:" information
    QTest::addColumn<int>("leaves");        // Enter left the grid for the freight box

    const QStringList none;
    const QString r1 = "R1|48 GSM|ROLL|100.00|10.00|1000.00|G48|T1";
    const QString r2 = "R2|52 GSM|SHEET|200.00|5.00|1000.00|G52|T2";
    const QString dup1 = "I:Same Contractor exists in row no: 1, Duplication not allowed.   ";
    const QString dup2 = "I:Same Contractor exists in row no: 2, Duplication not allowed.   ";
    // Every key recalculates: a filled row's amount is worked out ("0.00" without weight or rate).

    // clang-format off
    QTest::newRow("one reel typed through")
        << none << "at:1,1 ab12 Enter F1=G48|48_GSM Enter F1=T1|Roll Enter 12.5 Enter 40 Enter"
        << QStringList{"AB12|48 GSM|ROLL|12.50|40.00|500.00|G48|T1", "|||||||"} << "2,1" << "" << none << 0;
    QTest::newRow("Up stores the reel number as typed")
        << QStringList{r1, r2, "R3|||||||"} << "at:3,1 Del ab3 Up"
        << QStringList{r1, r2, "ab3|||||0.00||"} << "2,1" << "R2" << none << 0;
    QTest::newRow("Down from a reel number")
        << QStringList{r1, r2, "R3|||||||"} << "at:2,1 Del ab2 Down"
        << QStringList{r1, "ab2|52 GSM|SHEET|200.00|5.00|1000.00|G52|T2", "R3|||||0.00||"} << "3,1" << "R3" << none << 0;
    QTest::newRow("Down on the first row stays there")
        << QStringList{r1} << "at:1,1 Del x1 Down"
        << QStringList{"x1|48 GSM|ROLL|100.00|10.00|1000.00|G48|T1"} << "1,1" << "x1" << none << 0;
    QTest::newRow("empty reel number on row 1 does nothing")
        << none << "at:1,1 Enter" << QStringList{"|||||||"} << "1,1" << "" << none << 0;
    QTest::newRow("empty reel number below row 1 leaves the grid")
        << QStringList{r1, r2, "R3|||||||"} << "at:4,1 Enter"
        << QStringList{r1, r2, "R3|||||||", "|||||||"} << "4,1" << "" << none << 1;
    // The amount 99999999 x 99999 lies beyond the range of the numbers: the
    // rate is refused as typed and nothing wraps into the amount or the totals.
    QTest::newRow("rate whose amount is too large")
        << QStringList{"R1|48 GSM|ROLL|99999999.00|10.00|999999990.00|G48|T1"} << "at:1,5 Del 99999 Enter"
        << QStringList{"R1|48 GSM|ROLL|99999999.00|10.00|999999990.00|G48|T1"} << "1,5" << "99999.00"
        << QStringList{"C:The number is too large.   "} << 0;
    QTest::newRow("GSM must be chosen")
        << QStringList{"R1|||||||"} << "at:1,2 Enter"
        << QStringList{"R1|||||||"} << "1,2" << "" << QStringList{"C:Please Select the GSM Type.   "} << 0;
    QTest::newRow("GSM and reel type refuse typing; Del empties them")
        << QStringList{r1} << "at:1,2 x Del" << QStringList{r1} << "1,2" << "" << none << 0;
    // The choice stays in the editor, its code with it, until Enter commits both.
    QTest::newRow("a GSM chosen waits in the editor")
        << QStringList{"R1|||||||"} << "at:1,2 F1=G48|48_gsm" << QStringList{"R1|||||0.00||"} << "1,2" << "48 gsm"
        << none << 0;
    QTest::newRow("a GSM chosen reaches its cell with Enter")
        << QStringList{"R1|||||||"} << "at:1,2 F1=G48|48_gsm Enter" << QStringList{"R1|48 GSM||||0.00|G48|"} << "1,3"
        << "" << none << 0;
    QTest::newRow("a reel type chosen reaches its cell at once")
        << QStringList{"R1|48 GSM||||||"} << "at:1,3 F1=T1|Roll"
        << QStringList{"R1|48 GSM|ROLL|||0.00||T1"} << "1,3" << "Roll" << none << 0;
    QTest::newRow("a lookup that finds nothing changes nothing")
        << QStringList{r1} << "at:1,3 F1=none" << QStringList{r1} << "1,3" << "ROLL" << none << 0;
    QTest::newRow("reel type must be chosen")
        << QStringList{"R1|48 GSM||||||"} << "at:1,3 Enter"
        << QStringList{"R1|48 GSM||||||"} << "1,3" << "" << QStringList{"C:Please Select the Reel Type.   "} << 0;
    QTest::newRow("weight of 0 refused")
        << QStringList{"R1|48 GSM|ROLL|||||"} << "at:1,4 0 Enter"
        << QStringList{"R1|48 GSM|ROLL|||0.00||"} << "1,4" << "0.00" << QStringList{"C:Please Enter the Weight"} << 0;
    QTest::newRow("letters are not typed into the weight")
        << QStringList{"R1|48 GSM|ROLL|||||"} << "at:1,4 1x2.5kg"
        << QStringList{"R1|48 GSM|ROLL|||0.00||"} << "1,4" << "12.50" << none << 0;
    QTest::newRow("rate of 0 refused")
        << QStringList{"R1|48 GSM|ROLL|10.00||||"} << "at:1,5 Enter"
        << QStringList{"R1|48 GSM|ROLL|10.00||||"} << "1,5" << "" << QStringList{"C:Please Enter the Rate"} << 0;
    QTest::newRow("rate without a weight")
        << QStringList{"R1|48 GSM|ROLL|||||"} << "at:1,5 25 Enter"
        << QStringList{"R1|48 GSM|ROLL||25.00|0.00||"} << "1,5" << "25.00"
        << QStringList{"C:Please Enter the Details Properly.  "} << 0;
    QTest::newRow("rate with a zero weight empties the weight")
        << QStringList{"R1|48 GSM|ROLL|0.00||||"} << "at:1,5 25 Enter"
        << QStringList{"R1|48 GSM|ROLL||25.00|0.00||"} << "1,5" << "25.00"
        << QStringList{"C:Please Enter the Details Properly.  "} << 0;
    QTest::newRow("Down on the rate stores it as typed and goes to the next rate")
        << QStringList{"R1|48 GSM|ROLL|10.00||||", "R2|48 GSM|ROLL|20.00|7|||"} << "at:1,5 95 Down"
        << QStringList{"R1|48 GSM|ROLL|10.00|95.00|950.00||", "R2|48 GSM|ROLL|20.00|7|140.00||"} << "2,5" << "7" << none << 0;
    QTest::newRow("Down on a rate of 0 writes 0.00 and stays")
        << QStringList{"R1|48 GSM|ROLL|10.00||||"} << "at:1,5 Down"
        << QStringList{"R1|48 GSM|ROLL|10.00|0.00|0.00||"} << "1,5" << "0.00" << none << 0;
    QTest::newRow("Up on the rate does not move")
        << QStringList{r1, r2} << "at:2,5 Bs 9 Up" << QStringList{r1, r2} << "2,5" << "5.00" << none << 0;
    QTest::newRow("Up in the weight drops the typed weight")
        << QStringList{r1} << "at:1,4 Bs 7 Up" << QStringList{r1} << "1,4" << "100.00" << none << 0;
    QTest::newRow("Up and Down in the reel type write nowhere")
        << QStringList{r1, r2} << "at:2,3 Up Down" << QStringList{r1, r2} << "2,3" << "SHEET" << none << 0;
    QTest::newRow("Left and Right only move the caret")
        << QStringList{r1} << "at:1,1 Left Left x" << QStringList{r1} << "1,1" << "xR1" << none << 0;
    QTest::newRow("duplicate reel number in another case")
        << QStringList{r1, r2, "R3|||||||"} << "at:3,1 Del r1 Enter"
        << QStringList{r1, r2, "|||||0.00||"} << "3,1" << "" << QStringList{dup1} << 0;
    QTest::newRow("duplicate empties the GSM and its code")
        << QStringList{r1, "R2|52 GSM|||||G52|"} << "at:2,1 Del R1 Enter"
        << QStringList{r1, "|||||0.00||"} << "2,1" << "" << QStringList{dup1} << 0;
    QTest::newRow("duplicate found by Up")
        << QStringList{r1, r2, "R3|||||||"} << "at:3,1 Del R2 Up"
        << QStringList{r1, r2, "|||||0.00||"} << "3,1" << "" << QStringList{dup2} << 0;
    QTest::newRow("duplicate on the first row found by Down")
        << QStringList{r1, r2} << "at:1,1 Del r2 Down"
        << QStringList{"||ROLL|100.00|10.00|1000.00||T1", r2} << "1,1" << "" << QStringList{dup2} << 0;
    QTest::newRow("the row's own number is no duplicate")
        << QStringList{r1, r2} << "at:2,1 Enter" << QStringList{r1, r2} << "2,2" << "52 GSM" << none << 0;
    QTest::newRow("a reel below an empty row is no duplicate")
        << QStringList{r1, "|||||||", "R9|||||||"} << "at:1,1 Del r9 Enter"
        << QStringList{"R9|48 GSM|ROLL|100.00|10.00|1000.00|G48|T1", "|||||||", "R9|||||||"} << "1,2" << "48 GSM" << none << 0;
    QTest::newRow("blanks around a reel number are trimmed at Enter")
        << QStringList{r1} << "at:2,1 __ab12__ Enter"
        << QStringList{r1, "AB12|||||0.00||"} << "2,2" << "" << none << 0;
    QTest::newRow("a reel number of blanks is empty and ends the reels")
        << QStringList{r1} << "at:2,1 ___ Enter"
        << QStringList{r1, "|||||||"} << "2,1" << "" << none << 1;
    QTest::newRow("Up trims the reel number")
        << QStringList{r1, r2, "R3|||||||"} << "at:3,1 Del _ab3_ Up"
        << QStringList{r1, r2, "ab3|||||0.00||"} << "2,1" << "R2" << none << 0;
    QTest::newRow("a duplicate with a blank after it")
        << QStringList{r1, r2, "R3|||||||"} << "at:3,1 Del R1_ Enter"
        << QStringList{r1, r2, "|||||0.00||"} << "3,1" << "" << QStringList{dup1} << 0;
    QTest::newRow("Enter on the amount stays")
        << QStringList{r1} << "at:1,6 5 Enter" << QStringList{r1} << "1,6" << "1000.00" << none << 0;
    // clang-format on
}

void TestItemGrid::keys()
{
    QFETCH(QStringList, given);
    QFETCH(QString, steps);
    QFETCH(QStringList, rows);
    QFETCH(QString, cur);
    QFETCH(QString, editor);
    QFETCH(QStringList, shown);
    QFETCH(int, leaves);

    for (int i = 0; i < given.size(); ++i)
        putRow(*m_grid, i + 1, kReelColumns, given.at(i));
    run(steps);

    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(rowText(*m_grid, i + 1, kReelColumns), rows.at(i));
    QCOMPARE(QString("%1,%2").arg(m_grid->CurRow).arg(m_grid->CurCol), cur);
    QCOMPARE(m_grid->editor()->text(), editor);
    QCOMPARE(messages(), shown);
    QCOMPARE(m_leaves, leaves);
    if (leaves == 0) {
        QVERIFY(m_grid->editor()->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_grid->editor()));
    } else {
        QVERIFY(!m_grid->editor()->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_freight));
    }
}

void TestItemGrid::lookupIsAskedWithEditorText_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("asked");

    QTest::newRow("a filled cell lists names containing its name") << "at:1,2 F1=G1|x" << QStringList{"48 GSM"};
    QTest::newRow("Del first lists every name") << "at:1,2 Del F1=G1|x" << QStringList{""};
    QTest::newRow("reel type column") << "at:1,3 F1=T1|x" << QStringList{"ROLL"};
    QTest::newRow("no lookup in the weight") << "at:1,4 F1=G1|x" << QStringList{};
}

void TestItemGrid::lookupIsAskedWithEditorText()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, asked);
    putRow(*m_grid, 1, kReelColumns, "R1|48 GSM|ROLL|100.00|10.00||G48|T1");
    run(steps);
    QCOMPARE(m_lookupAsked, asked);
    QVERIFY(m_grid->editor()->isVisible());
}

void TestItemGrid::clicks_data()
{
    QTest::addColumn<int>("filled");
    QTest::addColumn<bool>("entryState");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("cur"); // empty: the editor does not open

    QTest::newRow("view state ignores clicks") << 3 << false << "click:2,4"
                                               << "";
    QTest::newRow("empty grid opens row 1") << 0 << true << "click:5,4"
                                            << "1,1";
    QTest::newRow("empty row opens the first empty row") << 3 << true << "click:9,5"
                                                         << "4,1";
    QTest::newRow("weight of a filled row") << 3 << true << "click:2,4"
                                            << "2,4";
    QTest::newRow("amount of a filled row") << 3 << true << "click:3,6"
                                            << "3,6";
    QTest::newRow("GSM opens the reel number") << 3 << true << "click:2,2"
                                               << "2,1";
    QTest::newRow("Sl No opens the reel number") << 3 << true << "click:3,0"
                                                 << "3,1";
}

void TestItemGrid::clicks()
{
    QFETCH(int, filled);
    QFETCH(bool, entryState);
    QFETCH(QString, click);
    QFETCH(QString, cur);
    for (int r = 1; r <= filled; ++r)
        putRow(*m_grid, r, kReelColumns, QString("R%1|48 GSM|ROLL|1.00|2.00||G48|T1").arg(r));
    m_entryState = entryState;
    run(click);
    if (cur.isEmpty()) {
        QVERIFY(!m_grid->editor()->isVisible());
        return;
    }
    QVERIFY(m_grid->editor()->isVisible());
    QCOMPARE(QString("%1,%2").arg(m_grid->CurRow).arg(m_grid->CurCol), cur);
    const QStringList rc = cur.split(u',');
    QCOMPARE(m_grid->editor()->text(), m_grid->cell(rc.at(0).toInt(), rc.at(1).toInt()));
    QCOMPARE(m_grid->editor()->geometry(), m_grid->visualRect(m_grid->currentIndex()));
}

void TestItemGrid::shiftDelKeepsFilledRows_data()
{
    QTest::addColumn<int>("filled");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rowsAfter");

    QTest::newRow("row 3 of 5") << 5 << 3 << 15;
    QTest::newRow("row 1 of 1") << 1 << 1 << 15;
    QTest::newRow("row 2 of 20 keeps 19 reels") << 20 << 2 << 20;
    QTest::newRow("last of 30") << 30 << 30 << 31;
    QTest::newRow("an empty row far below the reels") << 5 << 40 << 41;
}

void TestItemGrid::shiftDelKeepsFilledRows()
{
    QFETCH(int, filled);
    QFETCH(int, row);
    QFETCH(int, rowsAfter);
    m_grid->setRows(std::max(50, filled + 1));
    for (int r = 1; r <= filled; ++r)
        putRow(*m_grid, r, kReelColumns, QString("R%1|48 GSM|ROLL|%1.00|2.00||G48|T1").arg(r));
    m_grid->CalculateTotals();
    run(QString("at:%1,5 ShiftDel").arg(row));

    const int left = row <= filled ? filled - 1 : filled;
    QCOMPARE(m_grid->filledRows(), left);
    QCOMPARE(m_grid->rows(), rowsAfter);
    // The reels below the removed one moved up one place, numbered again.
    for (int r = 1; r <= left; ++r) {
        const int was = r < row ? r : r + 1;
        QCOMPARE(m_grid->cell(r, ReelGrid::ReelNo), QString("R%1").arg(was));
        QCOMPARE(m_grid->cell(r, ReelGrid::SlNo), QString::number(r));
    }
    QCOMPARE(m_grid->CurRow, row);
    QCOMPARE(m_grid->CurCol, int(ReelGrid::ReelNo));
    QCOMPARE(m_grid->editor()->text(), m_grid->cell(row, ReelGrid::ReelNo));
    // Weights 1..filled at rate 2, less the removed reel.
    int sum = 0;
    for (int r = 1; r <= filled; ++r)
        sum += r == row ? 0 : r;
    QCOMPARE(m_boxes.TxWeight->text(), QString("%1.00").arg(sum));
    QCOMPARE(m_boxes.TxTotal->text(), QString("%1.00").arg(sum * 2));
}

void TestItemGrid::ctrlACopiesRowAbove()
{
    putRow(*m_grid, 5, kReelColumns, "R0099|48 GSM|ROLL|100.00|10.00|1000.00|G48|T1");
    m_grid->setCell(5, ReelGrid::ConsFlag, "1");
    m_grid->setCell(5, ReelGrid::FinalizeFlag, "1");
    for (int r = 1; r <= 4; ++r)
        putRow(*m_grid, r, kReelColumns, QString("R%1|48 GSM|ROLL|1.00|1.00||G48|T1").arg(r));
    putRow(*m_grid, 6, kReelColumns, "OLD|||||||");
    QApplication::clipboard()->setText("on the clipboard");

    run("at:6,1 CtrlA");
    QCOMPARE(m_grid->editor()->text(), QString("R0100"));
    QCOMPARE(rowText(*m_grid, 6, kReelColumns), QString("|48 GSM|ROLL|100.00|10.00|1000.00|G48|T1"));
    QCOMPARE(m_grid->cell(6, ReelGrid::ConsFlag), QString());
    QCOMPARE(m_grid->cell(6, ReelGrid::FinalizeFlag), QString());
    QCOMPARE(QApplication::clipboard()->text(), QString());
    QCOMPARE(m_grid->CurRow, 6);
    run("Enter");
    QCOMPARE(m_grid->cell(6, ReelGrid::ReelNo), QString("R0100"));
    QCOMPARE(m_boxes.TxTotal->text(), QString("2004.00"));

    // On the first row there is no reel to repeat.
    QApplication::clipboard()->setText("kept");
    run("at:1,1 CtrlA");
    QCOMPARE(rowText(*m_grid, 1, kReelColumns), QString("R1|48 GSM|ROLL|1.00|1.00|1.00|G48|T1"));
    QCOMPARE(m_grid->editor()->text(), QString("R1"));
    QCOMPARE(QApplication::clipboard()->text(), QString("kept"));
}

void TestItemGrid::reelTotals_data()
{
    QTest::addColumn<QStringList>("reels");     // "weight*rate"
    QTest::addColumn<QStringList>("additions"); // round +, round -, CGST, SGST, IGST, TCS
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QStringList>("totals"); // total, grand total, net, gross (taxable), weight

    const QStringList noAdditions{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"};
    QTest::newRow("grand total 1180 with taxes of 180")
        << QStringList{"118.00*10.00"} << QStringList{"0.00", "0.00", "90.00", "90.00", "0.00", "0.00"}
        << QStringList{"1180.00"} << QStringList{"1180.00", "1180.00", "1360.00", "1000", "118.00"};
    QTest::newRow("taxes spread over the four boxes")
        << QStringList{"118.00*10.00"} << QStringList{"0", "0", "60", "60", "40", "20"} << QStringList{"1180.00"}
        << QStringList{"1180.00", "1180.00", "1360.00", "1000", "118.00"};
    QTest::newRow("12.5 at 40") << QStringList{"12.50*40.00"} << noAdditions << QStringList{"500.00"}
                                << QStringList{"500.00", "500.00", "500.00", "500", "12.50"};
    QTest::newRow("the total adds the rounded amounts")
        << QStringList{"0.15*0.15", "0.15*0.15", "0.15*0.15"} << noAdditions << QStringList{"0.02", "0.02", "0.02"}
        << QStringList{"0.06", "0.06", "0.06", "0.06", "0.45"};
    QTest::newRow("half a cent rounds up")
        << QStringList{"12.35*10.05", "0.50*0.01"} << noAdditions << QStringList{"124.12", "0.01"}
        << QStringList{"124.13", "124.13", "124.13", "124.13", "12.85"};
    QTest::newRow("rounding on both sides")
        << QStringList{"1000.00*45.25"} << QStringList{"0.40", "0.65", "0", "0", "0", "0"} << QStringList{"45250.00"}
        << QStringList{"45250.00", "45249.75", "45249.75", "45249.75", "1000.00"};
    QTest::newRow("gross below zero") << QStringList{"1.00*10.00"} << QStringList{"0", "0", "9", "9", "0", "0"}
                                      << QStringList{"10.00"} << QStringList{"10.00", "10.00", "28.00", "-8", "1.00"};
    QTest::newRow("texts read by their leading number")
        << QStringList{"12.5 kg*abc", "*"} << QStringList{"1.5x", "", "", "", "", "2"} << QStringList{"0.00", "0.00"}
        << QStringList{"0.00", "1.50", "3.50", "-0.5", "12.50"};
    QTest::newRow("no reels") << QStringList{} << noAdditions << QStringList{}
                              << QStringList{"0.00", "0.00", "0.00", "0", "0.00"};
    QTest::newRow("large invoice stays exact")
        << QStringList{"99999.99*9999.99", "0.01*0.01"} << QStringList{"0", "0", "0.01", "0", "0", "0"}
        << QStringList{"999998900.00", "0.00"}
        << QStringList{"999998900.00", "999998900.00", "999998900.01", "999998899.99", "100000.00"};
}

void TestItemGrid::reelTotals()
{
    QFETCH(QStringList, reels);
    QFETCH(QStringList, additions);
    QFETCH(QStringList, amounts);
    QFETCH(QStringList, totals);
    QList<ReelGrid::ReelAmount> input;
    for (const QString &r : reels)
        input.append({r.section(u'*', 0, 0), r.section(u'*', 1)});
    const ReelGrid::Totals t = ReelGrid::calculate(
        input, {additions.at(0), additions.at(1), additions.at(2), additions.at(3), additions.at(4), additions.at(5)});
    QCOMPARE(t.amounts, amounts);
    QCOMPARE((QStringList{t.total, t.grandTotal, t.net, t.taxable, t.weight}), totals);
}

void TestItemGrid::totalsIgnoreRowsBelowEmptyReel()
{
    putRow(*m_grid, 1, kReelColumns, "R1|48 GSM|ROLL|10.00|2.00||G48|T1");
    putRow(*m_grid, 2, kReelColumns, "R2|48 GSM|ROLL|20.00|2.00||G48|T1");
    putRow(*m_grid, 4, kReelColumns, "R4|48 GSM|ROLL|40.00|2.00|old|G48|T1");
    m_boxes.TxRoundOffPlus->setText("0.50");
    m_boxes.TxCGST->setText("5");
    m_grid->CalculateTotals();
    QCOMPARE(m_grid->cell(1, ReelGrid::Amount), QString("20.00"));
    QCOMPARE(m_grid->cell(2, ReelGrid::Amount), QString("40.00"));
    QCOMPARE(m_grid->cell(4, ReelGrid::Amount), QString("old"));
    QCOMPARE(m_boxes.TxTotal->text(), QString("60.00"));
    QCOMPARE(m_boxes.TxGrandTotal->text(), QString("60.50"));
    QCOMPARE(m_boxes.TxNet->text(), QString("65.50"));
    QCOMPARE(m_boxes.TxTaxable->text(), QString("55.5"));
    QCOMPARE(m_boxes.TxWeight->text(), QString("30.00"));
}

void TestItemGrid::assetStyleGrid_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("rows"); // Item|Brand|Description|Warranty|Qty|Rate|Item Code|Brand Code
    QTest::addColumn<QString>("cur");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("rowsAfter");

    const QStringList none;
    QTest::newRow("a line typed through, warranty set")
        << "at:1,1 F1=I1|chair Enter F1=B1|acme Enter steel_frame Enter Enter?Yes 2 Enter 1500 Enter"
        << QStringList{"CHAIR|ACME|STEEL FRAME|10-Dec-2027|2.00|1500.00|I1|B1"} << "2,1"
        << QStringList{"?:Do You Want to Set the Warranty Date. "} << 20;
    QTest::newRow("no warranty") << "at:1,1 F1=I1|chair Enter F1=B1|acme Enter Enter Enter?No 1 Enter"
                                 << QStringList{"CHAIR|ACME|||1.00||I1|B1"} << "1,6"
                                 << QStringList{"?:Do You Want to Set the Warranty Date. "} << 20;
    QTest::newRow("an item needs its code") << "at:1,1 Enter" << QStringList{"|||||||"} << "1,1" << none << 20;
    QTest::newRow("the item column takes no typing: Enter on line 2 leaves the grid")
        << "at:2,1 desk Enter" << QStringList{"|||||||", "|||||||"} << "2,1" << none << 20;
    QTest::newRow("brand, qty and rate refusals")
        << "at:1,1 F1=I1|chair Enter Enter F1=B1|acme Enter Enter Enter?No Enter 0 Enter 2 Enter Enter"
        << QStringList{"CHAIR|ACME|||2.00||I1|B1"} << "1,6"
        << QStringList{"C:Please Select the Brand.   ", "?:Do You Want to Set the Warranty Date. ",
                       "C:Please Enter the Qty", "C:Please Enter the Qty", "C:Please Enter the Rate"}
        << 20;
    QTest::newRow("a rate without a quantity is refused and the quantity emptied")
        << "at:1,1 F1=I1|chair Enter F1=B1|acme Enter Enter Enter?No at:1,6 1500 Enter"
        << QStringList{"CHAIR|ACME||||1500.00|I1|B1"} << "1,6"
        << QStringList{"?:Do You Want to Set the Warranty Date. ", "C:Please Enter the Details Properly.  "} << 20;
    QTest::newRow("the picker starts a year on even over a stored date")
        << "at:1,1 F1=I1|chair Enter F1=B1|acme Enter Enter Enter?Yes at:1,4 Enter?Yes"
        << QStringList{"CHAIR|ACME||10-Dec-2027|||I1|B1"} << "1,5"
        << QStringList{"?:Do You Want to Set the Warranty Date. ", "?:Do You Want to Set the Warranty Date. "} << 20;
    QTest::newRow("Ctrl+A repeats the line above, the name proposed")
        << "at:1,1 F1=I1|chair1 Enter F1=B1|acme Enter steel Enter Enter?Yes 2 Enter 10 Enter CtrlA"
        << QStringList{"CHAIR1|ACME|STEEL|10-Dec-2027|2.00|10.00|I1|B1", "|ACME|STEEL|10-Dec-2027|2.00|10.00|I1|B1"}
        << "2,1" << QStringList{"?:Do You Want to Set the Warranty Date. "} << 20;
    // Ctrl+A in the brand proposes the name on the item, where Enter commits it; the brand keeps its own.
    QTest::newRow("Ctrl+A in the brand repeats the line, the name on the item")
        << "at:1,1 F1=I1|chair1 Enter F1=B1|acme Enter steel Enter Enter?No 2 Enter 10 Enter at:2,2 CtrlA Enter"
        << QStringList{"CHAIR1|ACME|STEEL||2.00|10.00|I1|B1", "CHAIR2|ACME|STEEL||2.00|10.00|I1|B1"} << "2,2"
        << QStringList{"?:Do You Want to Set the Warranty Date. "} << 20;
    // A brand is the one its lookup chose with a code: a name handed back
    // without one takes the line's code away and is refused.
    QTest::newRow("a brand not chosen with a code is refused and loses its code")
        << "at:1,1 F1=I1|chair1 Enter F1=B1|acme Enter steel Enter Enter?No 2 Enter 10 Enter at:1,2 F1=|bolt Enter"
        << QStringList{"CHAIR1|BOLT|STEEL||2.00|10.00|I1|"} << "1,2"
        << QStringList{"?:Do You Want to Set the Warranty Date. ", "C:Please Select the Brand.   "} << 20;
    QTest::newRow("a brand chosen, then entered, keeps its code")
        << "at:1,1 F1=I1|chair Enter F1=B1|acme Enter at:1,2 Enter"
        << QStringList{"CHAIR|ACME|||||I1|B1"} << "1,3" << none << 20;
    QTest::newRow("the same item twice is allowed")
        << "at:1,1 F1=I1|chair Enter at:2,1 F1=I1|chair Enter" << QStringList{"CHAIR||||||I1|", "CHAIR||||||I1|"}
        << "2,2" << none << 20;
    QTest::newRow("past the last row the grid grows by 15")
        << "at:19,1 F1=I1|chair Enter F1=B1|acme Enter Enter Enter?No 1 Enter 5 Enter" << QStringList{} << "20,1"
        << QStringList{"?:Do You Want to Set the Warranty Date. "} << 35;
    QTest::newRow("Up selects the whole text here")
        << "at:1,1 F1=I1|chair Enter at:2,1 F1=I2|desk Up" << QStringList{"CHAIR||||||I1|", "desk||||||I2|"} << "1,1"
        << none << 20;
}

void TestItemGrid::assetStyleGrid()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, rows);
    QFETCH(QString, cur);
    QFETCH(QStringList, shown);
    QFETCH(int, rowsAfter);

    // The fixed-asset configuration: lookups on the first two columns, a free
    // text, a date column, growth by 15, no duplicate test, an item name
    // refused without its code.
    auto scripted = [this](const QString &text) {
        m_lookupAsked.append(text);
        return m_lookupAnswers.isEmpty() ? std::nullopt : m_lookupAnswers.dequeue();
    };
    ItemGridConfig g = AssetGrid::config(scripted, scripted, [] { return QDate(2026, 12, 10).addMonths(12); });
    g.initialRows = 20; // the grid as the window's design has it before the first New
    build(std::move(g));
    m_grid->setCalculateTotals({});
    QCOMPARE(m_grid->datePicker()->objectName(), QString("DtMove"));

    run(steps);
    const QList<int> columns{1, 2, 3, 4, 5, 6, 8, 9};
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(rowText(*m_grid, i + 1, columns), rows.at(i));
    QCOMPARE(QString("%1,%2").arg(m_grid->CurRow).arg(m_grid->CurCol), cur);
    QCOMPARE(messages(), shown);
    QCOMPARE(m_grid->rows(), rowsAfter);
    QCOMPARE(m_grid->cell(rowsAfter - 1, 0), QString::number(rowsAfter - 1));
    if (QTest::currentDataTag() == QByteArray("Up selects the whole text here"))
        QCOMPARE(m_grid->editor()->selectedText(), QString("CHAIR"));
    if (QTest::currentDataTag() == QByteArray("Ctrl+A repeats the line above, the name proposed"))
        QCOMPARE(m_grid->editor()->text(), QString("CHAIR2"));
}

void TestItemGrid::assetTotals_data()
{
    QTest::addColumn<QStringList>("lines"); // qty*rate
    QTest::addColumn<QStringList>("additions"); // service charge, round +, round -, SGST, CGST
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("grandTotal");

    QTest::newRow("gross, charges and taxes")
        << QStringList{"2*500"} << QStringList{"50", "0.40", "0", "90", "90"} << QStringList{"1000.00"} << "1000.00"
        << "1230.40";
    QTest::newRow("qty 2 and rate 1500") << QStringList{"2*1500"} << QStringList{"0", "0", "0", "0", "0"}
                                         << QStringList{"3000.00"} << "3000.00" << "3000.00";
    QTest::newRow("round off taken off") << QStringList{"1*100.60"} << QStringList{"0", "0", "0.60", "0", "0"}
                                         << QStringList{"100.60"} << "100.60" << "100.00";
    QTest::newRow("thirds add up exactly")
        << QStringList{"1*333.33", "1*333.33", "1*333.34"} << QStringList{"0", "0", "0", "0", "0"}
        << QStringList{"333.33", "333.33", "333.34"} << "1000.00" << "1000.00";
    QTest::newRow("each amount rounded to the cent")
        << QStringList{"1.5*0.33", "3*0.333"} << QStringList{"0", "0", "0", "0", "0"} << QStringList{"0.50", "1.00"}
        << "1.50" << "1.50";
    QTest::newRow("a negative grand total") << QStringList{} << QStringList{"0", "0", "5", "0", "0"} << QStringList{}
                                            << "0.00" << "-5.00";
}

void TestItemGrid::assetTotals()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, additions);
    QFETCH(QStringList, amounts);
    QFETCH(QString, total);
    QFETCH(QString, grandTotal);
    QList<AssetGrid::LineAmount> input;
    for (const QString &l : lines)
        input.append({l.section(u'*', 0, 0), l.section(u'*', 1)});
    const AssetGrid::Totals t = AssetGrid::calculate(
        input, {additions.at(0), additions.at(1), additions.at(2), additions.at(3), additions.at(4)});
    QCOMPARE(t.amounts, amounts);
    QCOMPARE(t.total, total);
    QCOMPARE(t.grandTotal, grandTotal);

    // In the grid the lines end at the first empty one.
    auto none = [](const QString &) { return std::optional<ItemGridChoice>{}; };
    build(AssetGrid::config(none, none, {}));
    QLineEdit gross, grand, freight, plus, minus, sgst, cgst;
    freight.setText(additions.at(0));
    plus.setText(additions.at(1));
    minus.setText(additions.at(2));
    sgst.setText(additions.at(3));
    cgst.setText(additions.at(4));
    for (int i = 0; i < lines.size(); ++i) {
        m_grid->setCell(i + 1, AssetGrid::Brand, QStringLiteral("B"));
        m_grid->setCell(i + 1, AssetGrid::Qty, input.at(i).qty);
        m_grid->setCell(i + 1, AssetGrid::Rate, input.at(i).rate);
    }
    m_grid->setCell(int(lines.size()) + 2, AssetGrid::Brand, QStringLiteral("B"));
    m_grid->setCell(int(lines.size()) + 2, AssetGrid::Qty, QStringLiteral("7"));
    m_grid->setCell(int(lines.size()) + 2, AssetGrid::Rate, QStringLiteral("7"));
    AssetGrid::CalculateTotals(*m_grid, {&gross, &grand, &freight, &plus, &minus, &sgst, &cgst});
    QCOMPARE(gross.text(), total);
    QCOMPARE(grand.text(), grandTotal);
    QCOMPARE(m_grid->cell(int(lines.size()) + 2, AssetGrid::Amount), QString());
}

void TestItemGrid::productBeyondRangeIsRefused_data()
{
    QTest::addColumn<bool>("assets");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("rateColumn");
    QTest::newRow("reel grid") << false
                               << "R1 Enter F1=G1|48 Enter F1=T1|roll Enter 999999999999 Enter 999999999999 Enter"
                               << int(ReelGrid::Rate);
    QTest::newRow("fixed-asset grid")
        << true << "F1=I1|chair Enter F1=B1|acme Enter Enter Enter?No 999999999999 Enter 999999999999 Enter"
        << int(AssetGrid::Rate);
}

void TestItemGrid::productBeyondRangeIsRefused()
{
    QFETCH(bool, assets);
    QFETCH(QString, steps);
    QFETCH(int, rateColumn);
    if (assets) {
        auto scripted = [this](const QString &) {
            return m_lookupAnswers.isEmpty() ? std::nullopt : m_lookupAnswers.dequeue();
        };
        build(AssetGrid::config(scripted, scripted, {}));
        m_grid->setCalculateTotals([this] {
            AssetGrid::CalculateTotals(*m_grid, {m_boxes.TxTotal, m_boxes.TxGrandTotal, m_freight,
                                                 m_boxes.TxRoundOffPlus, m_boxes.TxRoundOffMinus, m_boxes.TxSGST,
                                                 m_boxes.TxCGST});
        });
    }
    run("at:1,1 " + steps);
    QVERIFY(messages().contains("C:" + Decimal::overflowMessage()));
    QCOMPARE(messages().last(), "C:" + Decimal::overflowMessage());
    // The rate is refused: its cell emptied, the editor back on it, the totals whole.
    QCOMPARE(m_grid->cell(1, rateColumn), QString());
    QCOMPARE(QString("%1,%2").arg(m_grid->CurRow).arg(m_grid->CurCol), QString("1,%1").arg(rateColumn));
    QCOMPARE(m_boxes.TxTotal->text(), QString("0.00"));
    // A rate in range goes on to the next line (the filter kept nine digits of the quantity).
    m_grid->editor()->setText("2");
    QTest::keyClick(m_grid->editor(), Qt::Key_Return);
    QCOMPARE(m_grid->CurRow, 2);
    QCOMPARE(m_boxes.TxTotal->text(), QString("1999999998.00"));
}

void TestItemGrid::otherStoresStyleGrid_data()
{
    QTest::addColumn<QStringList>("given"); // Item|Qty|Rate|CGST %|SGST %|IGST %|Item Code
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("cur");
    QTest::addColumn<QString>("selected"); // the editor's selected text
    QTest::addColumn<QStringList>("shown");

    const QStringList none;
    const QString paper = "PAPER|2|105|9.00|9.00|0.00|I1";
    const QString pen = "PEN|3|10|5.00|5.00|0.00|I2";
    const QString item = "C:Please Select the Item Properly.   ";
    // clang-format off
    QTest::newRow("a line walks the percentages to the next row")
        << none << "at:1,1 F1=I1|paper Enter 2 Enter 105 Enter 9 Enter 9 Enter 0 Enter"
        << QStringList{"PAPER|2.00|105.00|9.00|9.00|0.00|I1"} << "2,1" << "" << none;
    QTest::newRow("a typed item without its code stays and asks for the lookup")
        << none << "at:1,1 pen Enter" << QStringList{"PEN||||||"} << "1,1" << "" << QStringList{item};
    // A code belongs to the name it was chosen for: typed over, it is gone.
    QTest::newRow("an item typed over after its lookup loses its code")
        << none << "at:1,1 F1=I12|cleaning_cloth Del anything_typed Enter" << QStringList{"ANYTHING TYPED||||||"}
        << "1,1" << "" << QStringList{item};
    QTest::newRow("a name typed after a duplicate refusal is no item")
        << QStringList{paper, pen} << "at:2,1 Del paper Enter glue Enter"
        << QStringList{paper, "GLUE||10|5.00|5.00|0.00|"} << "2,1" << ""
        << QStringList{"I:Same Contractor exists in row no: 1, Duplication not allowed.   ", item};
    QTest::newRow("Ctrl+A then Enter repeats the item above")
        << QStringList{"PEN1|3|10|5.00|5.00|0.00|I2"} << "at:2,1 CtrlA Enter"
        << QStringList{"PEN1|3|10|5.00|5.00|0.00|I2", "PEN2|3|10|5.00|5.00|0.00|I2"} << "2,2" << "" << none;
    QTest::newRow("Ctrl+A, an edit, then Enter asks for the item")
        << QStringList{"PEN1|3|10|5.00|5.00|0.00|I2"} << "at:2,1 CtrlA X Enter"
        << QStringList{"PEN1|3|10|5.00|5.00|0.00|I2", "PEN2X|3|10|5.00|5.00|0.00|"} << "2,1" << ""
        << QStringList{item};
    QTest::newRow("an item typed over and moved off by Up loses its code")
        << QStringList{paper, pen} << "at:2,1 Del ink Up" << QStringList{paper, "ink|3|10|5.00|5.00|0.00|"} << "1,1"
        << "PAPER" << none;
    QTest::newRow("a duplicate item empties item and quantity")
        << QStringList{paper, pen} << "at:2,1 Del paper Enter"
        << QStringList{paper, "||10|5.00|5.00|0.00|"} << "2,1" << ""
        << QStringList{"I:Same Contractor exists in row no: 1, Duplication not allowed.   "};
    QTest::newRow("quantity of 0 refused")
        << QStringList{paper} << "at:1,2 Del Enter" << QStringList{paper} << "1,2" << ""
        << QStringList{"C:Please Enter the Qty.   "};
    QTest::newRow("Up on the rate of row 1 stores it and stays")
        << QStringList{paper, pen} << "at:1,3 Del 50 Up"
        << QStringList{"PAPER|2|50.00|9.00|9.00|0.00|I1", pen} << "1,3" << "50.00" << none;
    QTest::newRow("Down on the rate moves and writes no other column")
        << QStringList{paper, pen} << "at:1,3 Del 7 Down"
        << QStringList{"PAPER|2|7.00|9.00|9.00|0.00|I1", pen} << "2,3" << "10" << none;
    QTest::newRow("Up in a percentage drops the typed text and selects")
        << QStringList{paper} << "at:1,6 Bs 1 Up" << QStringList{paper} << "1,6" << "9.00" << none;
    QTest::newRow("a click far below the lines opens that row's item")
        << QStringList{paper, pen} << "click:9,3" << QStringList{paper, pen} << "9,1" << "" << none;
    QTest::newRow("a click on an empty grid opens row 1")
        << none << "click:5,4" << QStringList{"||||||"} << "1,1" << "" << none;
    QTest::newRow("Down on the CGST % keeps the SGST % typed beside it")
        << QStringList{paper, pen} << "at:1,4 Del 12 Down"
        << QStringList{"PAPER|2|105|12.00|9.00|0.00|I1", pen} << "2,4" << "5.00" << none;
    QTest::newRow("the rate refused at 0")
        << QStringList{paper} << "at:1,3 Del Enter" << QStringList{paper} << "1,3" << ""
        << QStringList{"C:Please Enter the Rate"};
    QTest::newRow("the same item in another case is a duplicate, found by Up too")
        << QStringList{paper, pen} << "at:2,1 Del PaPeR Up"
        << QStringList{paper, "||10|5.00|5.00|0.00|"} << "2,1" << ""
        << QStringList{"I:Same Contractor exists in row no: 1, Duplication not allowed.   "};
    QTest::newRow("an item chosen by F1 is written at once in capitals")
        << none << "at:1,1 F1=I7|glue" << QStringList{"GLUE||||||I7"} << "1,1" << "" << none;
    QTest::newRow("a percentage beyond range is refused, the editor stays")
        << QStringList{paper} << "at:1,6 Del 99999999999999999999 Enter" << QStringList{paper} << "1,6" << ""
        << QStringList{"C:" + Decimal::overflowMessage()};
    QTest::newRow("Ctrl+A repeats the row above but its item")
        << QStringList{paper} << "at:2,1 CtrlA" << QStringList{paper, "|2|105|9.00|9.00|0.00|I1"} << "2,1" << ""
        << none;
    // clang-format on
}

void TestItemGrid::otherStoresStyleGrid()
{
    QFETCH(QStringList, given);
    QFETCH(QString, steps);
    QFETCH(QStringList, rows);
    QFETCH(QString, cur);
    QFETCH(QString, selected);
    QFETCH(QStringList, shown);

    // The other-stores grid: an editor never locked, an item taken only with
    // its code, percentages that walk the row, a click that opens the clicked
    // row's item, and the text selected after Up as after Down.
    auto scripted = [this](const QString &) {
        return m_lookupAnswers.isEmpty() ? std::nullopt : m_lookupAnswers.dequeue();
    };
    ItemGridConfig g = GstGrid::config(scripted);
    build(std::move(g));
    m_grid->setCalculateTotals({});

    const QList<int> columns{1, 2, 3, 4, 6, 8, 11};
    for (int i = 0; i < given.size(); ++i)
        putRow(*m_grid, i + 1, columns, given.at(i));
    run(steps);
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(rowText(*m_grid, i + 1, columns), rows.at(i));
    QCOMPARE(QString("%1,%2").arg(m_grid->CurRow).arg(m_grid->CurCol), cur);
    QCOMPARE(m_grid->editor()->selectedText(), selected);
    QCOMPARE(messages(), shown);
    QVERIFY(m_grid->editor()->isVisible());
}

void TestItemGrid::editorHidesWhenTheClerkMovesAway()
{
    run("at:1,1");
    QVERIFY(m_grid->editor()->isVisible());
    // A box or list opening on top keeps the editor where it is.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(m_grid->editor(), &away);
    QVERIFY(m_grid->editor()->isVisible());
    m_freight->setFocus(Qt::MouseFocusReason);
    QVERIFY(!m_grid->editor()->isVisible());
    // Typed text not committed is dropped: the next placement shows the cell.
    run("at:1,1 abc at:1,1");
    QCOMPARE(m_grid->editor()->text(), QString());
    QCOMPARE(m_grid->cell(1, ReelGrid::ReelNo), QString());
}

void TestItemGrid::nothingMayStandBelowTheLines_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("given"); // rows from 1 in the kind's columns
    QTest::addColumn<QString>("gap");       // "row,col|message" Save reports; empty: none

    const QString fill = "Please Fill the Details Properly.   ";
    const QString item = "Please Select the Item Properly.   ";
    const QString r1 = "R1|48 GSM|ROLL|100.00|10.00|1000.00|G48|T1";
    const QString r2 = "R2|52 GSM|SHEET|200.00|5.00|1000.00|G52|T2";
    const QString r3 = "R3|52 GSM|SHEET|300.00|5.00|1500.00|G52|T2";
    const QString paper = "PAPER|2|105|9.00|9.00|0.00|I1";
    const QString pen = "PEN|3|10|5.00|5.00|0.00|I2";
    const QString chair = "CHAIR|ACME|||1.00|10.00|I1|B1";
    // clang-format off
    QTest::newRow("reel: the first key emptied above two reels")
        << "reel" << QStringList{"|48 GSM|ROLL|100.00|10.00|1000.00|G48|T1", r2, r3} << "1,1|" + fill;
    QTest::newRow("reel: a key refused as a duplicate in the middle")
        << "reel" << QStringList{r1, "||SHEET|200.00|5.00|1000.00||T2", r3} << "2,1|" + fill;
    QTest::newRow("reel: the last reel's key emptied, its figures kept")
        << "reel" << QStringList{r1, r2, "|52 GSM|SHEET|300.00|5.00|1500.00|G52|T2"} << "3,1|" + fill;
    QTest::newRow("reel: a reel typed below an empty row")
        << "reel" << QStringList{r1, "|||||||", r3} << "2,1|" + fill;
    QTest::newRow("reel: a gap in a reel above is reported first")
        << "reel" << QStringList{"R1||ROLL|100.00|10.00|||T1", "|||||||", r3} << "1,2|Please Select the GSM Type.   ";
    QTest::newRow("reel: nothing below the reels") << "reel" << QStringList{r1, r2} << "";
    QTest::newRow("reel: a worked-out amount alone is nothing entered")
        << "reel" << QStringList{r1, "|||||0.00||"} << "";
    // Down or Up on an empty number cell writes "0.00" there, below the lines too.
    QTest::newRow("reel: a zero rate the arrows left below the reels")
        << "reel" << QStringList{r1, r2, "||||0.00|||"} << "";
    QTest::newRow("gst: the first item emptied above a line")
        << "gst" << QStringList{"|2|105|9.00|9.00|0.00|", pen} << "1,1|" + item;
    QTest::newRow("gst: the last item emptied, its figures kept")
        << "gst" << QStringList{paper, "||10|5.00|5.00|0.00|"} << "2,1|" + item;
    QTest::newRow("gst: a line below an empty row") << "gst" << QStringList{paper, "||||||", pen} << "2,1|" + item;
    QTest::newRow("gst: nothing below the lines") << "gst" << QStringList{paper, pen} << "";
    QTest::newRow("gst: zeros the arrows left below the lines")
        << "gst" << QStringList{paper, "||0.00|0.00|||"} << "";
    QTest::newRow("asset: a line below an entirely empty row")
        << "asset" << QStringList{chair, "||||||||", chair} << "2,1|" + item;
    QTest::newRow("asset: nothing below the lines") << "asset" << QStringList{chair, chair} << "";
    // clang-format on
}

void TestItemGrid::nothingMayStandBelowTheLines()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, given);
    QFETCH(QString, gap);
    buildWithRows(kind, given);
    const std::optional<ItemGrid::LineGap> found = m_grid->firstGap();
    QCOMPARE(found ? QString("%1,%2|%3").arg(found->row).arg(found->column).arg(found->message) : QString(), gap);
}

void TestItemGrid::ctrlAFromAnyColumn_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("column"); // where the editor stands at Ctrl+A
    QTest::addColumn<QString>("above");    // row 1 in the kind's columns
    QTest::addColumn<QString>("proposal");
    QTest::addColumn<int>("next"); // the column Enter on the key goes to

    const QString reel = "R0099|48 GSM|ROLL|100.00|10.00|1000.00|G48|T1";
    const QString asset = "CHAIR1|ACME|STEEL||2.00|10.00|I1|B1";
    const QString gst = "PEN1|3|10|5.00|5.00|0.00|I2";
    const QList<std::pair<const char *, int>> reelColumns{
        {"Reel No", 1}, {"GSM", 2}, {"Reel Type", 3}, {"Weight", 4}, {"Rate", 5}, {"Amount", 6}};
    for (const auto &[name, c] : reelColumns)
        QTest::addRow("reel, %s", name) << "reel" << c << reel << "R0100" << int(ReelGrid::Gsm);
    const QList<std::pair<const char *, int>> assetColumns{
        {"Item Name", 1}, {"Brand", 2}, {"Description", 3}, {"Qty", 5}, {"Rate", 6}, {"Amount", 7}};
    for (const auto &[name, c] : assetColumns)
        QTest::addRow("asset, %s", name) << "asset" << c << asset << "CHAIR2" << int(AssetGrid::Brand);
    const QList<std::pair<const char *, int>> gstColumns{
        {"Item Name", 1}, {"Qty", 2}, {"Rate", 3}, {"CGST %", 4}, {"SGST %", 6}, {"IGST %", 8}};
    for (const auto &[name, c] : gstColumns)
        QTest::addRow("gst, %s", name) << "gst" << c << gst << "PEN2" << int(GstGrid::Qty);
}

void TestItemGrid::ctrlAFromAnyColumn()
{
    QFETCH(QString, kind);
    QFETCH(int, column);
    QFETCH(QString, above);
    QFETCH(QString, proposal);
    QFETCH(int, next);
    buildWithRows(kind, {above});
    const ItemGridConfig &g = m_grid->config();

    run(QString("at:2,%1 CtrlA").arg(column));
    // The editor stands on the row's key with the proposal; every other cell holds the copy.
    QCOMPARE(QString("%1,%2").arg(m_grid->CurRow).arg(m_grid->CurCol), QString("2,%1").arg(g.keyColumn));
    QVERIFY(m_grid->editor()->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_grid->editor()));
    QCOMPARE(m_grid->editor()->geometry(), m_grid->visualRect(m_grid->currentIndex()));
    QCOMPARE(m_grid->editor()->text(), proposal);
    QCOMPARE(m_grid->cell(2, g.keyColumn), QString());
    for (int c = g.copyFirst; c <= g.copyLast; ++c)
        QVERIFY2(m_grid->cell(2, c) == m_grid->cell(1, c),
                 qPrintable(QString("column %1 shows %2").arg(c).arg(m_grid->cell(2, c))));

    // Enter commits the proposal with the item of the row above.
    run("Enter");
    QCOMPARE(messages(), QStringList());
    QCOMPARE(m_grid->cell(2, g.keyColumn), proposal);
    const int code = g.columns.at(g.keyColumn).lookupCodeColumn;
    if (code >= 0)
        QCOMPARE(m_grid->cell(2, code), m_grid->cell(1, code));
    QCOMPARE(QString("%1,%2").arg(m_grid->CurRow).arg(m_grid->CurCol), QString("2,%1").arg(next));
}

void TestItemGrid::lookupAfterCtrlAReplacesTheProposal_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("above"); // row 1: BINDER CLIP 19, item 501
    QTest::addColumn<QString>("steps"); // on row 2
    QTest::addColumn<QString>("stored"); // row 2's name and item after Enter

    const QString asset = "BINDER CLIP 19|ACME|||1.00|10.00|501|B1";
    const QString gst = "BINDER CLIP 19|1|10|9.00|9.00|0.00|501";
    for (const auto &[kind, above] : {std::pair{"asset", asset}, std::pair{"gst", gst}}) {
        // The item chosen carries the very name proposed: its own code wins.
        QTest::addRow("%s: the item chosen after Ctrl+A", kind)
            << kind << above << "at:2,1 CtrlA F1=502|Binder_Clip_20 Enter" << "BINDER CLIP 20|502";
        QTest::addRow("%s: from another column", kind)
            << kind << above << "at:2,3 CtrlA F1=502|Binder_Clip_20 Enter" << "BINDER CLIP 20|502";
        QTest::addRow("%s: nothing chosen keeps the proposal", kind)
            << kind << above << "at:2,1 CtrlA F1=none Enter" << "BINDER CLIP 20|501";
    }
}

void TestItemGrid::lookupAfterCtrlAReplacesTheProposal()
{
    QFETCH(QString, kind);
    QFETCH(QString, above);
    QFETCH(QString, steps);
    QFETCH(QString, stored);
    const QList<int> columns = buildKind(kind);
    putRow(*m_grid, 1, columns, above);
    run(steps);
    const int key = m_grid->config().keyColumn;
    const int code = m_grid->config().columns.at(key).lookupCodeColumn;
    QCOMPARE(m_grid->cell(2, key) + u'|' + m_grid->cell(2, code), stored);
    QCOMPARE(messages(), QStringList());
}

void TestItemGrid::ctrlAProposalShowsItsAmounts()
{
    buildKind(QStringLiteral("gst"));
    putRow(*m_grid, 1, {1, 2, 3, 4, 6, 8, 11}, "PAPER1|2|105|9.00|9.00|0.00|I1");
    m_grid->CalculateTotals();
    const auto amounts = [this](int row) {
        return QStringList{m_grid->cell(row, GstGrid::Cgst), m_grid->cell(row, GstGrid::Sgst),
                           m_grid->cell(row, GstGrid::Igst), m_grid->cell(row, GstGrid::Amount)}
            .join(u'|');
    };
    QCOMPARE(amounts(1), QString("18.90|18.90|0.00|247.80"));

    // While the repeated name waits for Enter, the row shows the whole copy; the totals count the lines.
    run("at:2,3 CtrlA");
    QCOMPARE(amounts(2), QString("18.90|18.90|0.00|247.80"));
    QCOMPARE(m_boxes.TxTotal->text(), QString("210.00"));
    QCOMPARE(m_boxes.TxGrandTotal->text(), QString("247.80"));
    // A typed character keeps the proposal waiting.
    run("X Bs");
    QCOMPARE(amounts(2), QString("18.90|18.90|0.00|247.80"));

    // The editor leaves without Enter: the row's name is empty, and so are its worked-out cells.
    m_freight->setFocus(Qt::MouseFocusReason);
    QVERIFY(!m_grid->editor()->isVisible());
    QCOMPARE(amounts(2), QString("|||"));
    QCOMPARE(m_boxes.TxTotal->text(), QString("210.00"));

    // Committed, the row is a line of its own.
    run("at:2,2 CtrlA Enter");
    QCOMPARE(m_grid->cell(2, GstGrid::ItemName), QString("PAPER2"));
    QCOMPARE(amounts(2), QString("18.90|18.90|0.00|247.80"));
    QCOMPARE(m_boxes.TxTotal->text(), QString("420.00"));
}

void TestItemGrid::doubleClickPlacesTheEditor_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("at");  // "row,col" double-clicked
    QTest::addColumn<QString>("cur"); // where a single click puts the editor

    QTest::newRow("reel: a GSM opens its reel number") << "reel" << "2,2" << "2,1";
    QTest::newRow("reel: a weight") << "reel" << "2,4" << "2,4";
    QTest::newRow("reel: an empty row far below") << "reel" << "9,5" << "4,1";
    QTest::newRow("asset: a brand opens its item") << "asset" << "2,2" << "2,1";
    QTest::newRow("asset: a quantity") << "asset" << "3,5" << "3,5";
    QTest::newRow("gst: a rate opens its item") << "gst" << "2,3" << "2,1";
    QTest::newRow("gst: an amount opens its item") << "gst" << "3,10" << "3,1";
}

void TestItemGrid::doubleClickPlacesTheEditor()
{
    QFETCH(QString, kind);
    QFETCH(QString, at);
    QFETCH(QString, cur);
    const QHash<QString, QString> line{{"reel", "R%1|48 GSM|ROLL|1.00|2.00||G48|T1"},
                                       {"asset", "CHAIR%1|ACME|||1.00|2.00|I1|B1"},
                                       {"gst", "PEN%1|3|10|5.00|5.00|0.00|I2"}};
    buildWithRows(kind, {line.value(kind).arg(1), line.value(kind).arg(2), line.value(kind).arg(3)});

    const QStringList rc = at.split(u',');
    doubleClickCell(*m_grid, rc.at(0).toInt(), rc.at(1).toInt());
    QVERIFY(m_grid->editor()->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_grid->editor()));
    QCOMPARE(QString("%1,%2").arg(m_grid->CurRow).arg(m_grid->CurCol), cur);
    QCOMPARE(m_grid->editor()->geometry(), m_grid->visualRect(m_grid->currentIndex()));
    QCOMPARE(m_grid->editor()->text(), m_grid->cell(m_grid->CurRow, m_grid->CurCol));
    // The keys go to the editor: Del empties it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    QCOMPARE(m_grid->editor()->text(), QString());
}

void TestItemGrid::blankKeyEndsTheLines_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("given"); // rows from 1 in the kind's columns
    QTest::addColumn<QString>("steps");

    const QString reel = "R1|45 GSM|ROLL|100.00|10.00|1000.00|G45|T1";
    const QString chair = "CHAIR|ACME|||1.00|10.00|I1|B1";
    const QString paper = "PAPER|2|105|9.00|9.00|0.00|I1";
    const QMap<QString, QString> lines{{"reel", reel}, {"asset", chair}, {"gst", paper}};
    for (auto it = lines.cbegin(); it != lines.cend(); ++it) {
        const QString &kind = it.key();
        const QString line = it.value();
        const QString blankKey = "  ";
        QTest::addRow("%s: a blank typed and Up", qPrintable(kind)) << kind << QStringList{line, line} << "at:3,1 _ Up";
        QTest::addRow("%s: a blank typed and Enter", qPrintable(kind))
            << kind << QStringList{line, line} << "at:3,1 _ Enter";
        QTest::addRow("%s: a key cell of blanks", qPrintable(kind)) << kind << QStringList{line, line, blankKey} << "";
    }
}

void TestItemGrid::blankKeyEndsTheLines()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, given);
    QFETCH(QString, steps);
    buildWithRows(kind, given);
    run(steps);
    // A key of blanks is an empty key: the two lines end there and nothing
    // below them holds Save up.
    QCOMPARE(messages(), QStringList());
    QCOMPARE(m_grid->lineCount(), 2);
    QCOMPARE(m_grid->filledRows(), 2);
    const std::optional<ItemGrid::LineGap> gap = m_grid->firstGap();
    QVERIFY2(!gap, gap ? qPrintable(QString("%1,%2|%3").arg(gap->row).arg(gap->column).arg(gap->message)) : "");
    QVERIFY(m_grid->cell(3, m_grid->config().keyColumn).trimmed().isEmpty());
}

QTEST_MAIN(TestItemGrid)
#include "tst_itemgrid.moc"
