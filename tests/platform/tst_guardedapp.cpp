#include "Database.h"
#include "GuardedApplication.h"
#include "Ui.h"
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

// A failure no handler caught reaches the clerk as a message and the program
// goes on; an intended ending still ends it.
class TestGuardedApp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void uncaughtFailureIsShown_data();
    void uncaughtFailureIsShown();
    void intendedEndingStays();

private:
    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi *m_ui = nullptr;
};

void TestGuardedApp::init()
{
    m_scripted = std::make_unique<ScopedScriptedUi>();
    m_ui = &m_scripted->ui;
}

void TestGuardedApp::cleanup()
{
    m_scripted.reset();
}

void TestGuardedApp::uncaughtFailureIsShown_data()
{
    QTest::addColumn<std::function<void()>>("failure");
    QTest::addColumn<QString>("shown");
    QTest::newRow("database error") << std::function<void()>([] { throw DbError("MySQL server has gone away"); })
                                    << "MySQL server has gone away";
    QTest::newRow("number beyond the range")
        << std::function<void()>([] { (void)(Decimal::fromText("99999999") * Decimal::fromText("99999")); })
        << "The number is too large.   ";
    QTest::newRow("any other failure") << std::function<void()>([] { throw std::runtime_error("broken"); })
                                       << "broken";
}

void TestGuardedApp::uncaughtFailureIsShown()
{
    QFETCH(std::function<void()>, failure);
    QFETCH(QString, shown);
    QPushButton button;
    int clicks = 0;
    connect(&button, &QPushButton::clicked, this, [&] {
        ++clicks;
        failure();
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(m_ui->texts(), QStringList{shown});
    // The program runs on: the same button works again.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 2);
    QCOMPARE(m_ui->shown.size(), 2);
}

void TestGuardedApp::intendedEndingStays()
{
    QPushButton button;
    connect(&button, &QPushButton::clicked, this, [] { ui().endProgram(3); });
    button.show();
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, QTest::mouseClick(&button, Qt::LeftButton));
    QCOMPARE(m_ui->endedWith, std::optional<int>(3));
    QVERIFY(m_ui->shown.isEmpty());
}

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TestGuardedApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_guardedapp.moc"
