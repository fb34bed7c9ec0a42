#include "CugStore.h"
#include "Sheet.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "Ui.h"
#include "frmCUGBSNL.h"
#include "mdlVelmora.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {
// The save dialog answers from its script and, at the moment it opens, keeps
// what the window's sheet then shows: the contact sheet of "Blackberry" is
// only on screen while its dialog is.
class SnapshotUi : public ScriptedUi {
public:
    std::function<QStringList()> snapshot;
    QList<QStringList> sheetsAtDialog;
    std::optional<QString> saveFile(const SaveRequest &r) override
    {
        if (snapshot)
            sheetsAtDialog << snapshot();
        return ScriptedUi::saveFile(r);
    }
};

QStringList rowsOf(const Sheet &s, int firstRow = 1)
{
    QStringList rows;
    for (int r = firstRow; r <= s.RowCount(); ++r) {
        QStringList cells;
        bool any = false;
        for (int c = 1; c <= s.ColumnCount(); ++c) {
            cells << s.CellText(r, c);
            any = any || !cells.last().isEmpty();
        }
        if (any)
            rows << cells.join(u'|');
    }
    return rows;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool isXls(const QString &path)
{
    return fileBytes(path).startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1"));
}

const QString kAnil = QStringLiteral("9447000001|Anil Kumar|Stores|Thiruvananthapuram|anil@velmora.example");
const QString kJose = QStringLiteral("9447000002|Jos\u00e9 Mathew|Editorial|Kottayam|");
const QString kBeena = QStringLiteral("9447000003|Beena_S|||beena@velmora.example");
const QString kChandran = QStringLiteral("9447000004|Chandran 100%|Editorial|Corporate Office|");
const QString kNoHolder = QStringLiteral("9447000005||||");
} // namespace

// The CUG phone list against numbers with and without holders.
class TestCugBsnl : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensWithTitleAndHeadingsOnly();
    void search_data();
    void search();
    void searchOnALatin1UnitTable_data();
    void searchOnALatin1UnitTable();
    void typingEmptiesTheListAndViewAllRefills();
    void shorterFillLeavesNothingStale();
    void excelExport_data();
    void excelExport();
    void contactFileBytes();
    void contactFileFromTheWindow();
    void contactFileBlanksControlCharacters_data();
    void contactFileBlanksControlCharacters();
    void contactFileCancelAndEmptyList();
    void contactFileWriteErrorIsShown();
    void blackberrySavesContactsAndPutsTheListBack_data();
    void blackberrySavesContactsAndPutsTheListBack();

private:
    frmCUGBSNL *open();
    QStringList listRows() const { return rowsOf(*m_w->sheet(), 3); }
    void type(const QString &text) { QTest::keyClicks(m_w->searchBox(), text); }
    void enter() { QTest::keyClick(m_w->searchBox(), Qt::Key_Return); }
    void click(const char *name) { QTest::mouseClick(m_w->findChild<QPushButton *>(name), Qt::LeftButton); }
    SnapshotUi m_ui;
    QPointer<frmCUGBSNL> m_w;
    QString m_dir;
    int m_case = 0;
};

void TestCugBsnl::init()
{
    connectAndReset();
    setClerkContext();
    m_ui.clear();
    m_ui.sheetsAtDialog.clear();
    m_ui.snapshot = nullptr;
    setUi(&m_ui);
    m_dir = testTempDir() + QStringLiteral("/cug%1").arg(++m_case);
    QDir(m_dir).removeRecursively();
    QDir().mkpath(m_dir);
}

void TestCugBsnl::cleanup()
{
    delete m_w.data();
    setUi(nullptr);
}

frmCUGBSNL *TestCugBsnl::open()
{
    m_w = new frmCUGBSNL;
    m_w->show();
    QApplication::setActiveWindow(m_w);
    m_w->searchBox()->setFocus();
    m_ui.snapshot = [this] { return rowsOf(*m_w->sheet()); };
    return m_w;
}

void TestCugBsnl::opensWithTitleAndHeadingsOnly()
{
    frmCUGBSNL *w = open();
    QCOMPARE(w->objectName(), QStringLiteral("frmCUGBSNL"));
    QCOMPARE(w->windowTitle(), QStringLiteral("CUG List - Vodafone"));
    QCOMPARE(rowsOf(*w->sheet()), (QStringList{"CUG List - Vodafone||||", "Mobile|Name|Department|Unit|e-mail"}));
    const Sheet &s = *w->sheet();
    QCOMPARE(s.HeadingRowCount(), 2);
    QVERIFY(s.formatAt(1, 1).bold);
    QCOMPARE(s.formatAt(1, 1).fontSize, 10);
    QCOMPARE(s.formatAt(2, 3).patternForeground, 12632256);
    QCOMPARE(s.ColumnWidth(2), Sheet::twipsFromCharUnits(6000));
}

void TestCugBsnl::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");
    // Numbers of another operator, or flagged off, never show; a number
    // without a holder row still lists with empty cells.
    QTest::newRow("empty lists every number") << QString() << QStringList{kAnil, kJose, kBeena, kChandran, kNoHolder};
    QTest::newRow("inside a number") << "000005" << QStringList{kNoHolder};
    QTest::newRow("inside a name") << "mathew" << QStringList{kJose};
    QTest::newRow("department name") << "Editorial" << QStringList{kJose, kChandran};
    QTest::newRow("unit name") << "Kottayam" << QStringList{kJose};
    QTest::newRow("e-mail is not searched") << "velmora.example" << QStringList{};
    QTest::newRow("underscore matches any character") << "a_S" << QStringList{kBeena};
    QTest::newRow("percent matches anything") << "Anil%Kumar" << QStringList{kAnil};
    QTest::newRow("an apostrophe is only text") << "O'Brien" << QStringList{};
}

void TestCugBsnl::search()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    open();
    type(text);
    enter();
    QStringList shown = listRows();
    shown.sort();
    rows.sort();
    QCOMPARE(shown, rows);
    QCOMPARE(m_ui.shown.size(), 0);
}

void TestCugBsnl::searchOnALatin1UnitTable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");
    const QString anil = QStringLiteral("9447000001|\u0d05\u0d28\u0d3f\u0d7d Kumar|Stores|Thiruvananthapuram|"
                                        "anil@velmora.example");
    QTest::newRow("a name only the staff table can hold")
        << QStringLiteral("\u0d05\u0d28\u0d3f\u0d7d") << QStringList{anil};
    QTest::newRow("a unit in Latin-1") << "Thiruvanan" << QStringList{anil};
    QTest::newRow("a letter neither holds") << QStringLiteral("\u20b9") << QStringList{};
}

// The staff table is utf8mb4 and the unit table Latin-1, as on the company's
// own server: a text one column cannot hold is looked for in the others.
void TestCugBsnl::searchOnALatin1UnitTable()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    const Latin1Tables latin1({QStringLiteral("velmora.unitmaster")});
    openTestDatabase(gConnection);
    gConnection.execute(QStringLiteral("Update hr0910.hr_employee set emp_name=? where emp_slno=101"),
                        {QStringLiteral("\u0d05\u0d28\u0d3f\u0d7d Kumar")});
    open();
    // Keys of the test library are Latin-1 only: the box takes the text as pasted.
    m_w->searchBox()->insert(text);
    enter();
    QCOMPARE(listRows(), rows);
    QCOMPARE(m_ui.texts(), QStringList{});
}

void TestCugBsnl::typingEmptiesTheListAndViewAllRefills()
{
    open();
    enter();
    QCOMPARE(listRows().size(), 5);
    type(QStringLiteral("K"));
    QCOMPARE(listRows(), QStringList{});
    QCOMPARE(m_w->sheet()->CellText(2, 1), QStringLiteral("Mobile"));
    // "View All" lists the matches of the text in the box, twice the same.
    click("cmdLoad");
    click("cmdLoad");
    QStringList rows = listRows();
    rows.sort();
    QCOMPARE(rows, (QStringList{kAnil, kJose}));
    // A key without a character leaves the list alone.
    QTest::keyClick(m_w->searchBox(), Qt::Key_Left);
    QCOMPARE(listRows().size(), 2);
    click("cmdExit");
    QTRY_VERIFY(m_w.isNull() || !m_w->isVisible());
}

void TestCugBsnl::shorterFillLeavesNothingStale()
{
    open();
    click("cmdLoad");
    QCOMPARE(listRows().size(), 5);
    // Another station retires numbers meanwhile: the next "View All" shows
    // only what the server still lists, not the old rows below it.
    gConnection.execute(QStringLiteral("Update velmora.acc_telnomaster set tel_status=1 where tel_no>'9447000002'"));
    click("cmdLoad");
    QStringList rows = listRows();
    rows.sort();
    QCOMPARE(rows, (QStringList{kAnil, kJose}));
}

void TestCugBsnl::excelExport_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("bare name gets .xls") << "CUG List"
                                         << "CUG List.xls";
    QTest::newRow("own extension kept") << "phones.xls"
                                        << "phones.xls";
}

void TestCugBsnl::excelExport()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    open();
    enter();
    m_ui.saveAnswers.enqueue(m_dir + u'/' + typed);
    click("cmdExcel");
    QCOMPARE(m_ui.saveRequests.size(), 1);
    const SaveRequest &r = m_ui.saveRequests.first();
    QCOMPARE(r.proposedName, QStringLiteral("CUG List"));
    QCOMPARE(r.filter, QStringLiteral("Excel Files (*.xls)"));
    QCOMPARE(r.initialFolder, QDir::homePath());
    QVERIFY(isXls(m_dir + u'/' + written));
    // The list the file took is the list on screen, title and headings first.
    QCOMPARE(m_ui.sheetsAtDialog.first().mid(0, 2),
             (QStringList{"CUG List - Vodafone||||", "Mobile|Name|Department|Unit|e-mail"}));
    QCOMPARE(m_ui.sheetsAtDialog.first().size(), 7);

    // A second export onto the same file asks first; No keeps the file.
    QFile::resize(m_dir + u'/' + written, 3);
    m_ui.saveAnswers.enqueue(m_dir + u'/' + written);
    m_ui.answers.enqueue(MsgAnswer::No);
    click("cmdExcel");
    QCOMPARE(m_ui.texts(), QStringList{"Are you sure you want to overwrite"});
    QCOMPARE(QFileInfo(m_dir + u'/' + written).size(), 3);
    // Cancel writes nothing and says nothing.
    click("cmdExcel");
    QCOMPARE(m_ui.shown.size(), 1);
    QCOMPARE(QDir(m_dir).entryList(QDir::Files), QStringList{written});
}

void TestCugBsnl::contactFileBytes()
{
    Sheet s;
    s.setColumnCount(5);
    s.setCellText(1, 1, QStringLiteral("CUG List - Vodafone"));
    s.setCellText(2, 1, QStringLiteral("Mobile"));
    const QStringList rows{"9447000001|Anil Kumar|Stores|Thiruvananthapuram|a@x", "|stray|||",
                           "9447000002|Jos\u00e9 \u0d30|||", "9447000003||||"};
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList cells = rows.at(i).split(u'|');
        for (int c = 0; c < cells.size(); ++c)
            s.setCellText(3 + i, c + 1, cells.at(c));
    }
    const QString path = m_dir + QStringLiteral("/contacts.txt");
    QVERIFY(writeCrLfTextFile(path, cugContactLines(s)).ok);
    // A row without a number is passed over; empty cells keep their
    // separators; a character the code page lacks becomes "?".
    const QByteArray expected = "First name:\tAnil Kumar - Stores - Thiruvananthapuram\r\n"
                                "Company:\tVodafone@Velmora\r\n"
                                "General mobile:\t9447000001\r\n"
                                "\r\n"
                                "First name:\tJos\xe9 ? -  - \r\n"
                                "Company:\tVodafone@Velmora\r\n"
                                "General mobile:\t9447000002\r\n"
                                "\r\n"
                                "First name:\t -  - \r\n"
                                "Company:\tVodafone@Velmora\r\n"
                                "General mobile:\t9447000003\r\n"
                                "\r\n";
    QCOMPARE(fileBytes(path), expected);
}

void TestCugBsnl::contactFileFromTheWindow()
{
    open();
    type(QStringLiteral("Kottayam"));
    enter();
    // An earlier, longer file is replaced whole and without a question.
    QFile old(m_dir + QStringLiteral("/Vodafone.txt"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(500, 'x'));
    old.close();
    m_ui.saveAnswers.enqueue(m_dir + QStringLiteral("/Vodafone"));
    click("cmdNotepad");
    const SaveRequest &r = m_ui.saveRequests.first();
    QCOMPARE(r.proposedName, QStringLiteral("Vodafone"));
    QCOMPARE(r.filter, QStringLiteral("Text Files (*.txt)"));
    QCOMPARE(r.initialFolder, QDir::homePath());
    QCOMPARE(m_ui.shown.size(), 0);
    QCOMPARE(fileBytes(m_dir + QStringLiteral("/Vodafone.txt")),
             QByteArray("First name:\tJos\xe9 Mathew - Editorial - Kottayam\r\n"
                        "Company:\tVodafone@Velmora\r\n"
                        "General mobile:\t9447000002\r\n"
                        "\r\n"));
}

void TestCugBsnl::contactFileBlanksControlCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("department");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("mobile");
    QTest::addColumn<QByteArray>("firstName");
    QTest::addColumn<QByteArray>("generalMobile");
    const QString name = QStringLiteral("Jos\u00e9 Mathew");
    const QString mobile = QStringLiteral("9447000002");
    QTest::newRow("CR, LF and tab in name, department and unit")
        << QStringLiteral("Jos\u00e9\r\nMathew\t") << QStringLiteral("Edit\norial") << QStringLiteral("\tKott\rayam")
        << mobile << QByteArray("First name:\tJos\xe9  Mathew  - Edit orial -  Kott ayam")
        << QByteArray("General mobile:\t9447000002");
    QTest::newRow("line breaks only") << QStringLiteral("\nJos\u00e9 Mathew\r") << QStringLiteral("\r\n")
                                      << QStringLiteral("Kottayam\n\n") << mobile
                                      << QByteArray("First name:\t Jos\xe9 Mathew  -    - Kottayam  ")
                                      << QByteArray("General mobile:\t9447000002");
    // The other control characters, DEL and the C1 range among them, which
    // the code page would otherwise write as "?" or as a stray byte.
    QTest::newRow("other control characters")
        << QStringLiteral("Jos\u00e9\x01Mathew") << QStringLiteral("Edi\u0085torial\x7f")
        << QStringLiteral("Kottayam\u009f\x0b\x0c") << mobile
        << QByteArray("First name:\tJos\xe9 Mathew - Edi torial  - Kottayam   ")
        << QByteArray("General mobile:\t9447000002");
    QTest::newRow("line break in the number")
        << name << QStringLiteral("Editorial") << QStringLiteral("Kottayam") << QStringLiteral("94470\r\n00002")
        << QByteArray("First name:\tJos\xe9 Mathew - Editorial - Kottayam")
        << QByteArray("General mobile:\t94470  00002");
}

void TestCugBsnl::contactFileBlanksControlCharacters()
{
    QFETCH(QString, name);
    QFETCH(QString, department);
    QFETCH(QString, unit);
    QFETCH(QString, mobile);
    QFETCH(QByteArray, firstName);
    QFETCH(QByteArray, generalMobile);
    // The holder's record as another program may have left it.
    gConnection.execute(QStringLiteral("Update hr0910.hr_employee set emp_name=? where emp_slno=102"), {name});
    gConnection.execute(
        QStringLiteral("Update hr0910.hr_department set dept_name=? where dept_code='D02' and comp_code='XQ'"),
        {department});
    gConnection.execute(QStringLiteral("Update velmora.unitmaster set unit_name=? where unit_code='KTM'"), {unit});
    gConnection.execute(QStringLiteral("Update velmora.acc_telnomaster set tel_no=? where tel_no='9447000002'"),
                        {mobile});
    open();
    type(QStringLiteral("Mathew"));
    enter();
    QCOMPARE(listRows().size(), 1);
    m_ui.saveAnswers.enqueue(m_dir + QStringLiteral("/Vodafone.txt"));
    click("cmdNotepad");
    QCOMPARE(m_ui.shown.size(), 0);
    // Still three lines and the empty one, each control character a blank.
    QCOMPARE(fileBytes(m_dir + QStringLiteral("/Vodafone.txt")),
             firstName + "\r\nCompany:\tVodafone@Velmora\r\n" + generalMobile + "\r\n\r\n");
}

void TestCugBsnl::contactFileCancelAndEmptyList()
{
    open();
    // Nothing listed: no dialog at all.
    click("cmdNotepad");
    QCOMPARE(m_ui.saveRequests.size(), 0);
    enter();
    click("cmdNotepad"); // no answer scripted: Cancel
    QCOMPARE(m_ui.saveRequests.size(), 1);
    QCOMPARE(QDir(m_dir).entryList(QDir::Files), QStringList{});
    QCOMPARE(QDir(QDir::homePath()).entryList({QStringLiteral("Vodafone*")}, QDir::Files), QStringList{});
    QCOMPARE(m_ui.shown.size(), 0);
}

void TestCugBsnl::contactFileWriteErrorIsShown()
{
    open();
    enter();
    m_ui.saveAnswers.enqueue(m_dir + QStringLiteral("/no such folder/Vodafone.txt"));
    click("cmdNotepad");
    QCOMPARE(m_ui.shown.size(), 1);
    QVERIFY2(m_ui.lastText().contains(QStringLiteral("Vodafone.txt")), qPrintable(m_ui.lastText()));
    QCOMPARE(m_ui.shown.first().icon, MsgIcon::Information);
    QCOMPARE(listRows().size(), 5);
}

void TestCugBsnl::blackberrySavesContactsAndPutsTheListBack_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("saved") << false;
    QTest::newRow("dialog cancelled") << true;
}

void TestCugBsnl::blackberrySavesContactsAndPutsTheListBack()
{
    QFETCH(bool, cancel);
    open();
    type(QStringLiteral("Editorial"));
    // The list on screen is not what the contact sheet is built from: the
    // contact sheet reads the numbers of the search text anew.
    if (!cancel)
        m_ui.saveAnswers.enqueue(m_dir + QStringLiteral("/CUG List"));
    click("CmBlackberry");
    QCOMPARE(m_ui.saveRequests.size(), 1);
    QCOMPARE(m_ui.saveRequests.first().proposedName, QStringLiteral("CUG List"));
    QStringList contacts = m_ui.sheetsAtDialog.first();
    QCOMPARE(contacts.takeFirst(), QStringLiteral("Name|Business Phone|E-mail Address|Company"));
    contacts.sort();
    QCOMPARE(contacts,
             (QStringList{"Chandran 100%, Editorial, CRP|9447000004||Vodafone@Velmora",
                          "Jos\u00e9 Mathew, Editorial, KTM|9447000002||Vodafone@Velmora"}));
    QCOMPARE(QFileInfo::exists(m_dir + QStringLiteral("/CUG List.xls")), !cancel);
    if (!cancel)
        QVERIFY(isXls(m_dir + QStringLiteral("/CUG List.xls")));
    // The list is back, refilled for the search text.
    const Sheet &s = *m_w->sheet();
    QCOMPARE(s.ColumnCount(), 5);
    QCOMPARE(s.HeadingRowCount(), 2);
    QCOMPARE(s.CellText(1, 1), QStringLiteral("CUG List - Vodafone"));
    QCOMPARE(s.CellText(2, 5), QStringLiteral("e-mail"));
    QStringList rows = listRows();
    rows.sort();
    QCOMPARE(rows, (QStringList{kJose, kChandran}));
    QCOMPARE(m_ui.shown.size(), 0);
}

QTEST_MAIN(TestCugBsnl)
#include "tst_db_cugbsnl.moc"
