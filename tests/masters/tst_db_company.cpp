#include "CompanyWindows.h"
#include "TextLengths.h"
#include "TextLimit.h"
#include "Sheet.h"
#include "SheetView.h"
#include "TestSupport.h"
#include "frmCompany.h"
#include "frmCompanyMaster.h"
#include "WindowRegistry.h"
#include "mdlVelmora.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The company master and the company list, driven as a clerk would on the
// real database.
class TestCompany : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    // The master
    void loadsHandedOverCompany_data();
    void loadsHandedOverCompany();
    void newCompanyByEnter();
    void newCompanyChecks_data();
    void newCompanyChecks();
    void editCompany();
    void editChecks_data();
    void editChecks();
    void editKeepsItsCompany_data();
    void editKeepsItsCompany();
    void editShowsItsCode_data();
    void editShowsItsCode();
    void secondEditKeepsNameCheck();
    void editNameCheckLeavesOutStoredName_data();
    void editNameCheckLeavesOutStoredName();
    void editCancelNewInserts();
    void saveFailureKeepsEntry_data();
    void saveFailureKeepsEntry();
    void latin1TableRefusesWhatItCannotHold_data();
    void latin1TableRefusesWhatItCannotHold();
    void boxesHoldTheirColumns_data();
    void boxesHoldTheirColumns();
    void states_data();
    void states();
    // The list
    void listFillsCompanies();
    void listOpensMaster_data();
    void listOpensMaster();
    void listNewSavesOpenEntry();
    void listDoubleClickWithMasterOpen();
    void listExport();

private:
    frmCompanyMaster *openMaster(const QString &selected);
    frmCompany *openList();
    void play(const QStringList &steps);
    void doubleClick(int row);
    // Opens the master on a company, starts an entry with the steps and fills
    // what a new company needs besides its name.
    void openEntry(const QString &selected, const QStringList &steps);
    QLineEdit *box(const char *name) const { return m_master->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    QPushButton *button(const char *name) const
    {
        return m_master->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    QStringList boxTexts() const;
    QString state() const;

    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    QPointer<frmCompanyMaster> m_master;
    QPointer<frmCompany> m_list;
};

namespace {
const char *kBoxes[] = {"TxCompanyCode", "TxCompanyName", "TxAddress", "TxAddress1", "TxAddress2", "TxAddress3",
                        "TxPhone",       "TxFax",         "TxEmail",   "TxTin",      "TxVat"};

const QStringList kCompany01{"01",
                             "Velmora Publications Ltd",
                             "Velmora House",
                             "MG Road",
                             "Thiruvananthapuram",
                             "Kerala 695001",
                             "0471-2300100",
                             "0471-2300101",
                             "accounts@velmora.example",
                             "32010000001",
                             "VAT-0001"};
const QStringList kCompany02{
    "02", "Velmora Printers Pvt Ltd", "Press Road",  "Kochuveli", "Thiruvananthapuram", "Kerala 695021", "0471-2500200",
    "",   "press@velmora.example",    "32010000002", "VAT-0002"};
const QStringList kEmpty(11, QString());

// A company's row in the box order, then priority and creation stamps.
QStringList companyRow(const QString &code)
{
    RecordSet rs = gConnection.query(
        QStringLiteral("Select comp_code,comp_name,comp_address,comp_address1,comp_address2,comp_address3,comp_phone,"
                       "comp_fax,comp_email,comp_tin,comp_vat,comp_priority,created_by,created_date,created_time "
                       "from vstores_2024.inv_companymaster where binary comp_code=?"),
        {code});
    QStringList row;
    if (rs.next())
        for (int c = 0; c < rs.columnCount(); ++c)
            row << rs.text(c);
    return row;
}

int companyCount()
{
    return GetFirstValue(QStringLiteral("Select count(*) from vstores_2024.inv_companymaster")).toInt();
}

// Every company with every column, to show nothing else changed.
QString tableSnapshot()
{
    return GetFirstValue(QStringLiteral(
        "Select group_concat(concat_ws('|',comp_code,comp_name,comp_address,comp_address1,comp_address2,comp_address3,"
        "comp_phone,comp_fax,comp_tin,comp_vat,comp_email,comp_priority,created_by,created_date,created_time) "
        "order by comp_code separator '\\n') from vstores_2024.inv_companymaster"));
}

// Steps typing a whole company into the boxes, Enter after each, from the code box.
QStringList typeCompany(const QStringList &values)
{
    QStringList steps;
    for (const QString &v : values)
        steps << QStringLiteral("t:") + v << QStringLiteral("Enter");
    return steps;
}
} // namespace

void TestCompany::initTestCase()
{
    registerCompanyWindows();
}

void TestCompany::init()
{
    connectAndReset();
    setClerkContext();
    fixClock(QDateTime(QDate(2024, 5, 6), QTime(10, 11, 12)));
    m_scripted = std::make_unique<ScopedScriptedUi>();
}

void TestCompany::cleanup()
{
    WindowRegistry::instance().unloadAll();
    m_scripted.reset();
    releaseClock();
    setProgramFolder(QString());
}

frmCompanyMaster *TestCompany::openMaster(const QString &selected)
{
    gSelectedCode = selected;
    m_master = qobject_cast<frmCompanyMaster *>(WindowRegistry::instance().open(QStringLiteral("frmCompanyMaster")));
    if (m_master && !QTest::qWaitForWindowActive(m_master))
        qWarning("master not active");
    return m_master;
}

frmCompany *TestCompany::openList()
{
    m_list = qobject_cast<frmCompany *>(WindowRegistry::instance().open(QStringLiteral("frmCompany")));
    if (m_list && !QTest::qWaitForWindowActive(m_list))
        qWarning("list not active");
    return m_list;
}

// Keys go to the control that has the focus: "F2", "F3", "F5", "F8", "F9",
// "Esc", "Enter"; "t:text" types the text.
void TestCompany::play(const QStringList &steps)
{
    const QHash<QString, Qt::Key> keys{{"F2", Qt::Key_F2},       {"F3", Qt::Key_F3}, {"F5", Qt::Key_F5},
                                       {"F8", Qt::Key_F8},       {"F9", Qt::Key_F9}, {"Esc", Qt::Key_Escape},
                                       {"Enter", Qt::Key_Return}};
    for (const QString &step : steps) {
        QVERIFY2(m_master && m_master->isVisible(), qPrintable("master gone before " + step));
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : m_master.data();
        if (step.startsWith(u"t:"))
            QTest::keyClicks(target, step.mid(2));
        else
            QTest::keyClick(target, keys.value(step));
    }
}

QStringList TestCompany::boxTexts() const
{
    QStringList texts;
    for (const char *name : kBoxes)
        texts << box(name)->text();
    return texts;
}

// The window's state as the buttons and boxes show it.
QString TestCompany::state() const
{
    QString s = button("CmNew")->text();
    for (const char *name : {"CmEdit", "CmCancel", "CmClose"})
        s += button(name)->isEnabled() ? QStringLiteral(" +") : QStringLiteral(" -");
    s += box("TxCompanyName")->isEnabled() ? QStringLiteral(" boxes on") : QStringLiteral(" boxes off");
    if (box("TxCompanyCode")->isReadOnly())
        s += QStringLiteral(", code locked");
    return s;
}

void TestCompany::doubleClick(int row)
{
    SheetView *view = m_list->sheetView();
    const QRect r = view->visualRect(m_list->sheet()->index(row - 1, 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

// --- the master ---

void TestCompany::loadsHandedOverCompany_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("company 02") << "02" << kCompany02;
    QTest::newRow("no such company") << "99" << kEmpty;
    QTest::newRow("nothing handed over") << "" << kEmpty;
}

void TestCompany::loadsHandedOverCompany()
{
    QFETCH(QString, selected);
    QFETCH(QStringList, boxes);
    openMaster(selected);
    QCOMPARE(boxTexts(), boxes);
    QCOMPARE(m_master->caption(), QStringLiteral("Company Master"));
    QCOMPARE(state(), QStringLiteral("New - F2 + + + boxes on"));
    QCOMPARE(gSelectedCode, selected); // the hand-over value stays
    // New clears what the load showed.
    play({"F2"});
    QCOMPARE(boxTexts(), kEmpty);
    QCOMPARE(QApplication::focusWidget(), box("TxCompanyCode"));
}

void TestCompany::newCompanyByEnter()
{
    openMaster(QStringLiteral("0"));
    play({"F2"});
    play(typeCompany({" 05 ", "  Velmora Digital ", " Tower 3 ", "Technopark ", " Kazhakuttam", "Kerala 695581",
                      " 0471-2700300", "0471-2700301 ", " digital@velmora.example ", " 32010000005", "VAT-0005 "}));
    // After VAT the focus is on the New/Save button; Enter presses it.
    QCOMPARE(QApplication::focusWidget(), button("CmNew"));
    play({"Enter"});
    QCOMPARE(ui().texts(), QStringList());
    QCOMPARE(companyRow(QStringLiteral("05")),
             QStringList({"05", "  Velmora Digital ", "Tower 3", "Technopark", "Kazhakuttam", "Kerala 695581",
                          "0471-2700300", "0471-2700301", "digital@velmora.example", "32010000005", "VAT-0005", "0",
                          "2", "2024/05/06", "10:11:12"}));
    QCOMPARE(state(), QStringLiteral("New - F2 + - + boxes off"));
    QCOMPARE(box("TxCompanyName")->text(), QStringLiteral("  Velmora Digital "));
}

void TestCompany::newCompanyChecks_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("savedCode"); // empty: nothing saved
    const QStringList full{"06", "Six Ltd", "Addr", "Addr 1", "", "", "", "", "", "", ""};
    auto with = [&](int i, const QString &v) {
        QStringList l = full;
        l[i] = v;
        return l;
    };
    QTest::newRow("no name") << with(1, "") << "Please enter the Company name.   "
                             << "TxCompanyName"
                             << "";
    QTest::newRow("no address") << with(2, "") << "Please Enter the address.   "
                                << "TxAddress"
                                << "";
    QTest::newRow("no address 1") << with(3, "") << "Please Enter the address.   "
                                  << "TxAddress1"
                                  << "";
    QTest::newRow("name of blanks passes") << with(1, "   ") << ""
                                           << ""
                                           << "06";
    QTest::newRow("name taken") << with(1, "Velmora Printers Pvt Ltd") << "The Same Company Already Exists.   "
                                << "TxCompanyName"
                                << "";
    QTest::newRow("code taken") << with(0, "02") << "The Same Company Already Exists.   "
                                << "TxCompanyName"
                                << "";
    QTest::newRow("code taken, with blanks") << with(0, " 02 ") << "The Same Company Already Exists.   "
                                             << "TxCompanyName"
                                             << "";
    QTest::newRow("empty code passes") << with(0, "") << ""
                                       << ""
                                       << "";
}

void TestCompany::newCompanyChecks()
{
    QFETCH(QStringList, values);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, savedCode);
    openMaster(QStringLiteral("0"));
    play({"F2"});
    for (int i = 0; i < 11; ++i)
        box(kBoxes[i])->setText(values.at(i));
    const QString before = tableSnapshot();
    play({"F5"});
    if (message.isEmpty()) {
        QCOMPARE(ui().texts(), QStringList());
        QCOMPARE(companyRow(savedCode).mid(0, 4), values.mid(0, 4));
        QCOMPARE(companyCount(), 3);
        QCOMPARE(button("CmNew")->text(), QStringLiteral("New - F2"));
    } else {
        QCOMPARE(ui().texts(), QStringList{message});
        QCOMPARE(ui().shown.first().icon, MsgIcon::Information);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(tableSnapshot(), before);
        QCOMPARE(state(), QStringLiteral("Save - F5 - + - boxes on")); // the entry stays open
        QCOMPARE(boxTexts(), values);
    }
}

void TestCompany::editCompany()
{
    openMaster(QStringLiteral("02"));
    m_master->CmCancel_Click(); // as the list shows a company
    QCOMPARE(state(), QStringLiteral("New - F2 + - + boxes off"));
    const QStringList company01 = companyRow(QStringLiteral("01"));
    play({"F3"});
    QCOMPARE(state(), QStringLiteral("Save - F5 - + - boxes on, code locked"));
    box("TxCompanyCode")->setFocus();
    // From the locked code box down to Fax, changing the name and the fax.
    play(
        {"t:9", "Enter", "t: Printers Two ", "Enter", "Enter", "Enter", "Enter", "Enter", "Enter", "t: 0471-1 ", "F5"});
    QCOMPARE(ui().texts(), QStringList());
    QCOMPARE(companyRow(QStringLiteral("02")),
             QStringList({"02", " Printers Two ", "Press Road", "Kochuveli", "Thiruvananthapuram", "Kerala 695021",
                          "0471-2500200", "0471-1", "press@velmora.example", "32010000002", "VAT-0002", "2", "1",
                          "2024/04/01", "10:00:00"}));
    QCOMPARE(companyRow(QStringLiteral("01")), company01);
    QCOMPARE(companyCount(), 2);
    QCOMPARE(state(), QStringLiteral("New - F2 + - + boxes off"));
}

void TestCompany::editChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    QTest::newRow("name unchanged") << "Velmora Printers Pvt Ltd"
                                    << ""
                                    << "Velmora Printers Pvt Ltd";
    QTest::newRow("name of the other company") << "Velmora Publications Ltd"
                                               << "Agent Already Exists.   "
                                               << "Velmora Printers Pvt Ltd";
    QTest::newRow("other company's name, blanks around") << " Velmora Publications Ltd "
                                                         << "Agent Already Exists.   "
                                                         << "Velmora Printers Pvt Ltd";
    QTest::newRow("emptied name") << ""
                                  << ""
                                  << "";
}

void TestCompany::editChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    openMaster(QStringLiteral("02"));
    play({"F3"});
    box("TxCompanyName")->setText(name);
    box("TxAddress")->clear(); // an edit is saved without the new-company checks
    play({"F5"});
    QCOMPARE(ui().texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(companyRow(QStringLiteral("02")).at(1), stored);
    QCOMPARE(button("CmNew")->text(), message.isEmpty() ? QStringLiteral("New - F2") : QStringLiteral("Save - F5"));
}

void TestCompany::editKeepsItsCompany_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("emptyCodeCompany");
    // F3 during a new entry: no company was on show, so no row may change.
    const QStringList typed =
        QStringList{"F2"} + typeCompany({"07", "Seven Ltd", "Addr", "Addr 1"}) + QStringList{"F3", "F5"};
    QTest::newRow("new entry turned into edit") << typed << false;
    QTest::newRow("new entry turned into edit, a company has an empty code") << typed << true;
    QTest::newRow("empty window edited") << QStringList{"F3", "t:Renamed", "F5"} << true;
}

void TestCompany::editShowsItsCode_data()
{
    QTest::addColumn<QString>("typedCode"); // into the code box of the loaded window, before F3
    QTest::addColumn<QString>("shownCode");
    QTest::newRow("code untouched") << ""
                                    << "02";
    QTest::newRow("another company's code typed") << "01"
                                                  << "02";
    QTest::newRow("an unknown code typed") << "99"
                                           << "02";
}

void TestCompany::editShowsItsCode()
{
    QFETCH(QString, typedCode);
    QFETCH(QString, shownCode);
    const QStringList company01 = companyRow(QStringLiteral("01"));
    openMaster(QStringLiteral("02"));
    if (!typedCode.isEmpty())
        box("TxCompanyCode")->setText(typedCode);
    box("TxCompanyName")->setFocus();
    play({"F3"});
    // The locked box names the company the save changes.
    QCOMPARE(box("TxCompanyCode")->text(), shownCode);
    QCOMPARE(state(), QStringLiteral("Save - F5 - + - boxes on, code locked"));
    box("TxCompanyName")->setText(QStringLiteral("Printers Two"));
    play({"F5"});
    QCOMPARE(ui().texts(), QStringList());
    QCOMPARE(companyRow(shownCode).value(1), QStringLiteral("Printers Two"));
    QCOMPARE(box("TxCompanyCode")->text(), shownCode);
    QCOMPARE(companyRow(QStringLiteral("01")), company01);
    QCOMPARE(companyCount(), 2);
}

void TestCompany::editKeepsItsCompany()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, emptyCodeCompany);
    if (emptyCodeCompany)
        gConnection.execute(
            QStringLiteral("Insert into vstores_2024.inv_companymaster(comp_code,comp_name) values(?,?)"),
            {QStringLiteral(""), QStringLiteral("No Code Ltd")});
    const QString before = tableSnapshot();
    openMaster(QStringLiteral("0"));
    box("TxCompanyName")->setFocus();
    play(steps);
    QCOMPARE(ui().texts(), QStringList{"Nothing was changed: the company was not found.   "});
    QCOMPARE(tableSnapshot(), before);
    QCOMPARE(state(), QStringLiteral("Save - F5 - + - boxes on, code locked")); // the entry stays open
}

void TestCompany::secondEditKeepsNameCheck()
{
    // Edit pressed again after the name was changed must still find the clash.
    openMaster(QStringLiteral("02"));
    play({"F3"});
    box("TxCompanyName")->setText(QStringLiteral("Velmora Publications Ltd"));
    play({"F3", "F5"});
    QCOMPARE(ui().texts(), QStringList{"Agent Already Exists.   "});
    QCOMPARE(companyRow(QStringLiteral("02")).at(1), QStringLiteral("Velmora Printers Pvt Ltd"));
}

void TestCompany::editNameCheckLeavesOutStoredName_data()
{
    // "n:text" puts the text into the name box; other steps are keys.
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("stored");  // name of `code` afterwards
    QTest::addColumn<QString>("code");
    const QString agent = QStringLiteral("Agent Already Exists.   ");
    const QString other = QStringLiteral("n:Velmora Publications Ltd");
    QTest::newRow("other company's name left by a cancelled edit")
        << "02" << QStringList{"F3", other, "F8", "F3", "F5"} << agent << "Velmora Printers Pvt Ltd"
        << "02";
    QTest::newRow("other company's name typed into the loaded window")
        << "02" << QStringList{other, "F3", "F5"} << agent << "Velmora Printers Pvt Ltd"
        << "02";
    QTest::newRow("own name typed back after a cancelled edit")
        << "02" << QStringList{"F3", other, "F8", "F3", "n:Velmora Printers Pvt Ltd", "F5"} << ""
        << "Velmora Printers Pvt Ltd"
        << "02";
    QTest::newRow("free name after a cancelled edit")
        << "02" << QStringList{"F3", "n:Printers Two", "F8", "F3", "F5"} << ""
        << "Printers Two"
        << "02";
    QTest::newRow("saved rename edited again unchanged")
        << "02" << QStringList{"F3", "n:Printers Two", "F5", "F3", "F5"} << ""
        << "Printers Two"
        << "02";
    QTest::newRow("new company edited unchanged")
        << "0" << QStringList{"F2"} + typeCompany({"05", "Five Ltd", "Addr", "Addr 1"}) + QStringList{"F5", "F3", "F5"}
        << ""
        << "Five Ltd"
        << "05";
}

void TestCompany::editNameCheckLeavesOutStoredName()
{
    QFETCH(QString, selected);
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    QFETCH(QString, code);
    openMaster(selected);
    box("TxCompanyName")->setFocus();
    for (const QString &step : std::as_const(steps)) {
        if (step.startsWith(u"n:"))
            box("TxCompanyName")->setText(step.mid(2));
        else
            play({step});
    }
    QCOMPARE(ui().texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(companyRow(code).value(1), stored);
    QCOMPARE(companyRow(QStringLiteral("01")).value(1), QStringLiteral("Velmora Publications Ltd"));
    QCOMPARE(button("CmNew")->text(), message.isEmpty() ? QStringLiteral("New - F2") : QStringLiteral("Save - F5"));
}

void TestCompany::editCancelNewInserts()
{
    openMaster(QStringLiteral("02"));
    const QStringList company02 = companyRow(QStringLiteral("02"));
    play({"F3", "F8"});
    QCOMPARE(state(), QStringLiteral("New - F2 + - + boxes off"));
    QCOMPARE(boxTexts(), kCompany02); // Cancel keeps the boxes
    play({"F2"});
    play(typeCompany({"08", "Eight Ltd", "Addr", "Addr 1"}));
    play({"F5"});
    QCOMPARE(ui().texts(), QStringList());
    QCOMPARE(companyRow(QStringLiteral("08")).mid(0, 4), QStringList({"08", "Eight Ltd", "Addr", "Addr 1"}));
    QCOMPARE(companyRow(QStringLiteral("02")), company02);
}

void TestCompany::openEntry(const QString &selected, const QStringList &steps)
{
    openMaster(selected);
    play(steps);
    if (box("TxCompanyCode")->text().isEmpty())
        box("TxCompanyCode")->setText(QStringLiteral("09"));
    box("TxAddress")->setText(QStringLiteral("Addr"));
    box("TxAddress1")->setText(QStringLiteral("Addr 1"));
}

void TestCompany::saveFailureKeepsEntry_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("new") << "0" << QStringList{"F2"};
    QTest::newRow("edit") << "02" << QStringList{"F3"};
}

void TestCompany::saveFailureKeepsEntry()
{
    QFETCH(QString, selected);
    QFETCH(QStringList, steps);
    openEntry(selected, steps);
    limitCharacters(box("TxCompanyName"), 0);          // as if the box had no limit of its own
    box("TxCompanyName")->setText(QString(101, u'N')); // longer than the column holds
    const QString before = tableSnapshot();
    play({"F5"});
    QCOMPARE(ui().texts(), QStringList{kTextTooLong});
    QCOMPARE(ui().shown.first().icon, MsgIcon::Information);
    QCOMPARE(tableSnapshot(), before);
    QCOMPARE(button("CmNew")->text(), QStringLiteral("Save - F5"));
    QVERIFY(!gConnection.inTransaction());
}

void TestCompany::latin1TableRefusesWhatItCannotHold_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("stored");
    const QString rupee = QStringLiteral("Kochi \u2013 \u20b9 \u0d15");
    QTest::newRow("new") << "0" << QStringList{"F2"} << rupee << false;
    QTest::newRow("edit") << "02" << QStringList{"F3"} << rupee << false;
    QTest::newRow("Windows-1252 text is stored")
        << "02" << QStringList{"F3"} << QStringLiteral("Kochi \u2013 \u20ac") << true;
}

// A company table of an older installation is Latin-1: a name it cannot hold
// is refused in the clerk's words, nothing is written and the entry stays
// open as typed.
void TestCompany::latin1TableRefusesWhatItCannotHold()
{
    QFETCH(QString, selected);
    QFETCH(QStringList, steps);
    QFETCH(QString, name);
    QFETCH(bool, stored);
    const Latin1Tables latin1({QStringLiteral("vstores_2024.inv_companymaster")});
    openEntry(selected, steps);
    box("TxCompanyName")->setText(name);
    const QString before = tableSnapshot();
    play({"F5"});
    if (stored) {
        QCOMPARE(ui().texts(), QStringList{});
        QCOMPARE(companyRow(QStringLiteral("02")).value(1), name);
        return;
    }
    QCOMPARE(ui().texts(), QStringList{"The text holds characters that the database cannot store.   "});
    QCOMPARE(tableSnapshot(), before);
    QCOMPARE(button("CmNew")->text(), QStringLiteral("Save - F5"));
    QCOMPARE(box("TxCompanyName")->text(), name);
    QVERIFY(!gConnection.inTransaction());
}

void TestCompany::boxesHoldTheirColumns_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("length");
    QTest::newRow("code") << "TxCompanyCode" << 10;
    QTest::newRow("name") << "TxCompanyName" << 100;
    QTest::newRow("phone") << "TxPhone" << 60;
    QTest::newRow("TIN") << "TxTin" << 40;
    QTest::newRow("e-mail") << "TxEmail" << 100;
}

// The clerk cannot type past what the column holds.
void TestCompany::boxesHoldTheirColumns()
{
    QFETCH(QString, box);
    QFETCH(int, length);
    openMaster(QStringLiteral("0"));
    play({"F2"});
    auto *b = m_master->findChild<QLineEdit *>(box);
    QTest::keyClicks(b, QString(length + 5, u'7'));
    QCOMPARE(b->text().size(), length);
}

void TestCompany::states_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("closed");
    QTest::newRow("loaded") << QStringList() << "New - F2 + + + boxes on" << false;
    QTest::newRow("new entry") << QStringList{"F2"} << "Save - F5 - + - boxes on" << false;
    QTest::newRow("edit") << QStringList{"F3"} << "Save - F5 - + - boxes on, code locked" << false;
    QTest::newRow("F3 during a new entry")
        << QStringList{"F2", "F3"} << "Save - F5 - + - boxes on, code locked" << false;
    QTest::newRow("cancel") << QStringList{"F2", "F8"} << "New - F2 + - + boxes off" << false;
    QTest::newRow("new after cancel of an edit")
        << QStringList{"F3", "F8", "F2"} << "Save - F5 - + - boxes on" << false;
    QTest::newRow("Esc does nothing") << QStringList{"F2", "Esc"} << "Save - F5 - + - boxes on" << false;
    QTest::newRow("F9 closes during an entry") << QStringList{"F2", "F9"} << "" << true;
}

void TestCompany::states()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, state);
    QFETCH(bool, closed);
    openMaster(QStringLiteral("01"));
    play(steps);
    if (closed) {
        QTRY_VERIFY(m_master.isNull());
        QCOMPARE(companyCount(), 2);
        return;
    }
    QCOMPARE(this->state(), state);
    QCOMPARE(ui().texts(), QStringList());
}

// --- the list ---

void TestCompany::listFillsCompanies()
{
    QVERIFY(WindowRegistry::instance().isRegistered(QStringLiteral("frmCompany")));
    openList();
    QVERIFY(m_list);
    QCOMPARE(m_list->caption(), QStringLiteral("Company Details List"));
    Sheet *s = m_list->sheet();
    const QStringList headings{"Code",  "Company Name", "Address", "Address 1", "Address 2", "Address 3",
                               "Phone", "Fax",          "TIN",     "VAT",       "E-Mail"};
    QCOMPARE(s->ColumnCount(), 11);
    for (int c = 1; c <= 11; ++c) {
        QCOMPARE(s->CellText(1, c), headings.at(c - 1));
        QCOMPARE(s->ColumnWidth(c), c == 1 ? 3000 : c == 2 ? 9000 : 5500);
    }
    QCOMPARE(s->CellText(2, 1), QString()); // empty until F5
    QTest::keyClick(m_list->sheetView(), Qt::Key_F5);
    // The list shows TIN and VAT before E-Mail.
    auto listed = [](const QStringList &company) {
        return company.mid(0, 8) + QStringList{company.at(9), company.at(10), company.at(8)};
    };
    for (int r = 2; r <= 3; ++r) {
        QStringList row;
        for (int c = 1; c <= 11; ++c)
            row << s->CellText(r, c);
        QCOMPARE(row, listed(r == 2 ? kCompany01 : kCompany02));
    }
    QCOMPARE(s->CellText(4, 1), QString());
    QCOMPARE(ui().texts(), QStringList());
}

void TestCompany::listOpensMaster_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("state");
    QTest::newRow("double-click company 02") << "row 3" << kCompany02 << "New - F2 + - + boxes off";
    QTest::newRow("double-click the heading row") << "row 1" << kEmpty << "New - F2 + - + boxes off";
    QTest::newRow("double-click below the list") << "row 5" << QStringList() << "";
    QTest::newRow("New") << "new" << kEmpty << "Save - F5 - + - boxes on";
}

void TestCompany::listOpensMaster()
{
    QFETCH(QString, how);
    QFETCH(QStringList, boxes);
    QFETCH(QString, state);
    gSelectedCode = QStringLiteral("01"); // an earlier hand-over
    openList();
    m_list->FillList();
    if (how == u"new")
        QTest::keyClick(m_list->sheetView(), Qt::Key_F2);
    else
        doubleClick(how.mid(4).toInt());
    m_master = WindowRegistry::instance().find<frmCompanyMaster>(QStringLiteral("frmCompanyMaster"));
    QCOMPARE(!m_master.isNull(), !boxes.isEmpty());
    if (m_master) {
        QCOMPARE(boxTexts(), boxes);
        QCOMPARE(this->state(), state);
    }
    QCOMPARE(ui().texts(), QStringList());
}

void TestCompany::listNewSavesOpenEntry()
{
    openList();
    m_list->FillList();
    QTest::keyClick(m_list->sheetView(), Qt::Key_F2);
    m_master = WindowRegistry::instance().find<frmCompanyMaster>(QStringLiteral("frmCompanyMaster"));
    QVERIFY(m_master);
    for (const auto &[name, text] : {std::pair{"TxCompanyCode", "10"},
                                     {"TxCompanyName", "Ten Ltd"},
                                     {"TxAddress", "Addr"},
                                     {"TxAddress1", "Addr 1"}})
        box(name)->setText(QString::fromLatin1(text));
    // New of the list presses the master's New/Save button, which now saves.
    QTest::mouseClick(m_list->findChild<QPushButton *>(QStringLiteral("CmNew")), Qt::LeftButton);
    QCOMPARE(ui().texts(), QStringList());
    QCOMPARE(companyRow(QStringLiteral("10")).mid(0, 2), QStringList({"10", "Ten Ltd"}));
    QCOMPARE(state(), QStringLiteral("New - F2 + - + boxes off"));
    // The list shows the new company only after the next fill.
    QCOMPARE(m_list->sheet()->CellText(4, 1), QString());
    m_list->FillList();
    QCOMPARE(m_list->sheet()->CellText(4, 1), QStringLiteral("10"));
}

void TestCompany::listDoubleClickWithMasterOpen()
{
    openList();
    m_list->FillList();
    doubleClick(2);
    m_master = WindowRegistry::instance().find<frmCompanyMaster>(QStringLiteral("frmCompanyMaster"));
    QVERIFY(m_master);
    QCOMPARE(boxTexts(), kCompany01);
    doubleClick(3);
    // Already open: it comes forward as it was, with company 01.
    QCOMPARE(WindowRegistry::instance().find(QStringLiteral("frmCompanyMaster")), m_master.data());
    QCOMPARE(boxTexts(), kCompany01);
    QCOMPARE(gSelectedCode, QStringLiteral("02"));
}

void TestCompany::listExport()
{
    const QString program = testTempDir() + QStringLiteral("/company-export");
    QDir(program).removeRecursively();
    QDir().mkpath(program);
    setProgramFolder(program);
    openList();
    m_list->FillList();
    const QString folder = program + QStringLiteral("/Excel Files");
    // The clerk accepts the proposed name.
    ui().saveAnswers.enqueue(folder + QStringLiteral("/Company Details List TVM"));
    QTest::mouseClick(m_list->findChild<QPushButton *>(QStringLiteral("CmExport")), Qt::LeftButton);
    QCOMPARE(ui().saveRequests.size(), 1);
    QCOMPARE(ui().saveRequests.first().proposedName, QStringLiteral("Company Details List TVM"));
    QCOMPARE(ui().texts(), QStringList());
    QFile file(folder + QStringLiteral("/Company Details List TVM.xls"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(8), QByteArray::fromHex("D0CF11E0A1B11AE1"));
}

QTEST_MAIN(TestCompany)
#include "tst_db_company.moc"
