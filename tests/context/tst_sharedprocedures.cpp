#include "mdlVelmora.h"
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <stdexcept>

// The code arithmetic and text helpers every window relies on.
class TestSharedProcedures : public QObject {
    Q_OBJECT
private slots:
    void nextCode_data();
    void nextCode();
    void nextCodeTrimsCallersVariable();
    void combineCode_data();
    void combineCode();
    void padText_data();
    void padText();
    void sqlQuote_data();
    void sqlQuote();
    void selectAllText();
    void helpColumnsByNumber();
    void dateTexts();
    void centerForm_data();
    void centerForm();
};

void TestSharedProcedures::nextCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("next");
    QTest::newRow("padded tail") << "GSM_0009"
                                 << "GSM_0010";
    QTest::newRow("grows") << "A9"
                           << "A10";
    QTest::newRow("all digits keep width") << "0099"
                                           << "0100";
    QTest::newRow("all nines grow") << "999"
                                    << "1000";
    QTest::newRow("no tail") << "12X"
                             << "12X1";
    QTest::newRow("dash") << "A-5"
                          << "A-6";
    QTest::newRow("digits inside") << "R2D2"
                                   << "R2D3";
    QTest::newRow("blanks around") << "  B07  "
                                   << "B08";
    QTest::newRow("empty") << ""
                           << "1";
    QTest::newRow("longer than any integer") << "N99999999999999999999999999"
                                             << "N100000000000000000000000000";
    QTest::newRow("long padded tail") << "X000000000000000000000000041"
                                      << "X000000000000000000000000042";
}

void TestSharedProcedures::nextCode()
{
    QFETCH(QString, code);
    QFETCH(QString, next);
    QCOMPARE(NextCode(code), next);
}

void TestSharedProcedures::nextCodeTrimsCallersVariable()
{
    QString code = QStringLiteral(" B07 ");
    NextCode(code);
    QCOMPARE(code, QString("B07"));
}

void TestSharedProcedures::combineCode_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("short number") << "N0000123"
                                  << "45"
                                  << "N0000045";
    QTest::newRow("full code typed") << "N0000123"
                                     << "N0000045"
                                     << "N0000045";
    QTest::newRow("too wide loses leading digits") << "N001"
                                                   << "4567"
                                                   << "N567";
    QTest::newRow("empty typed") << "N001"
                                 << ""
                                 << "N";
    QTest::newRow("typed ends in letter") << "N001"
                                          << "12X"
                                          << "N";
    QTest::newRow("all-digit pattern") << "0500"
                                       << "7"
                                       << "0007";
    QTest::newRow("no digits in pattern") << "INV"
                                          << "7"
                                          << "INV";
    QTest::newRow("long typed number") << "N0001"
                                       << "99999999999999999999123"
                                       << "N9123";
}

void TestSharedProcedures::combineCode()
{
    QFETCH(QString, pattern);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QCOMPARE(CombineCode(pattern, typed), result);
}

void TestSharedProcedures::padText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("alignment");
    QTest::addColumn<QString>("result");
    QTest::newRow("cut") << "ABCDEFG" << 4 << "L"
                         << "ABCD";
    QTest::newRow("left") << "AB" << 5 << "L"
                          << "AB   ";
    QTest::newRow("right") << "AB" << 5 << "R"
                           << "   AB";
    QTest::newRow("empty right") << "" << 3 << "R"
                                 << "   ";
    QTest::newRow("cut right") << "ABCDEFG" << 3 << "R"
                               << "ABC";
}

void TestSharedProcedures::padText()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, alignment);
    QFETCH(QString, result);
    QCOMPARE(PadText(text, width, alignment), result);
}

void TestSharedProcedures::sqlQuote_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("one") << "O'Neil"
                         << "O''Neil";
    QTest::newRow("two") << "''"
                         << "''''";
    QTest::newRow("none") << "Plain"
                          << "Plain";
}

void TestSharedProcedures::sqlQuote()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QString variable = text;
    QCOMPARE(SqlQuote(variable), quoted);
    QCOMPARE(variable, quoted);
}

void TestSharedProcedures::selectAllText()
{
    QLineEdit box;
    box.setText(QStringLiteral("Kottayam"));
    box.setCursorPosition(3);
    SelectAllText(&box);
    QCOMPARE(box.selectedText(), QString("Kottayam"));
    QCOMPARE(box.selectionStart(), 0);
}

void TestSharedProcedures::helpColumnsByNumber()
{
    gHelpCol(3) = QStringLiteral("x");
    QCOMPARE(gHelpCol3, QString("x"));
    clearHelpCols();
    QVERIFY(gHelpCol3.isEmpty());
    // Outside 1 to 8 there is no value to write into: a caller's mistake shows at once.
    for (int n : {0, 9, -1}) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, gHelpCol(n) = QStringLiteral("lost"));
    }
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(gHelpCol(k), QString());
}

void TestSharedProcedures::dateTexts()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(dateText(QDate(2009, 4, 1)), QString("01-Apr-2009"));
    QCOMPARE(dateText(QDate(2010, 3, 31)), QString("31-Mar-2010"));
    QCOMPARE(dateFromText(QStringLiteral("05-Dec-2026")), QDate(2026, 12, 5));
    QCOMPARE(sqlDate(QDate(2009, 3, 31)), QString("2009-03-31"));
    fixClock(QDateTime(QDate(2024, 7, 9), QTime(8, 5, 3)));
    QCOMPARE(auditDate(), QString("2024/07/09"));
    QCOMPARE(auditTime(), QString("08:05:03"));
    releaseClock();
    QLocale::setDefault(QLocale::c());
}

void TestSharedProcedures::centerForm_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("smaller than the area") << QSize(400, 200) << QPoint(200, 200);
    QTest::newRow("odd difference") << QSize(401, 201) << QPoint(199, 199);
    QTest::newRow("same size") << QSize(800, 600) << QPoint(0, 0);
    QTest::newRow("wider: overhangs both sides") << QSize(1000, 200) << QPoint(-100, 200);
    QTest::newRow("larger both ways") << QSize(1200, 900) << QPoint(-200, -150);
}

// A child window is moved, whole frame and all, to the middle of the main
// window's inner area; a larger one overhangs equally on both sides.
void TestSharedProcedures::centerForm()
{
    QFETCH(QSize, window);
    QFETCH(QPoint, position);
    QMdiArea area;
    area.setFrameShape(QFrame::NoFrame);
    area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.resize(800, 600);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QCOMPARE(area.viewport()->size(), QSize(800, 600));
    setCenterArea([&area] { return area.viewport(); });

    auto *child = new QWidget;
    QMdiSubWindow *sub = area.addSubWindow(child);
    sub->resize(window);
    sub->show();
    CenterForm(child);
    setCenterArea({});

    QCOMPARE(sub->size(), window);
    QCOMPARE(sub->pos(), position);
}

QTEST_MAIN(TestSharedProcedures)
#include "tst_sharedprocedures.moc"
