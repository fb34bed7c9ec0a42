#include "Ui.h"
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The desktop's message box as the windows see it: text, title, icon and
// buttons as given, and the answer of the button the clerk presses.
class TestDesktopUi : public QObject {
    Q_OBJECT
private slots:
    void messageBox_data();
    void messageBox();
};

namespace {
struct SeenBox {
    QString text;
    QString title;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

QMessageBox *shownBox()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
            return box;
    return nullptr;
}
} // namespace

void TestDesktopUi::messageBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<MsgIcon>("icon");
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<int>("press"); // a QMessageBox::StandardButton, or 0 for Esc
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<int>("shownIcon");
    QTest::addColumn<int>("shownButtons");
    QTest::addColumn<MsgAnswer>("answer");

    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    QTest::newRow("default title, trailing blanks kept")
        << "Invalid Configuration.    "
        << "" << MsgIcon::Information << MsgButtons::Ok << int(QMessageBox::Ok) << "Inventory"
        << int(QMessageBox::Information) << int(QMessageBox::Ok) << MsgAnswer::Ok;
    QTest::newRow("server text that looks like markup")
        << "Duplicate entry '<b>Reel</b>' for key 'PRIMARY'"
        << "" << MsgIcon::Information << MsgButtons::Ok << int(QMessageBox::Ok) << "Inventory"
        << int(QMessageBox::Information) << int(QMessageBox::Ok) << MsgAnswer::Ok;
    QTest::newRow("question titled with the company, Yes")
        << "Are you sure you want to exit?"
        << "Velmora Publications Ltd" << MsgIcon::Question << MsgButtons::YesNo << int(QMessageBox::Yes)
        << "Velmora Publications Ltd" << int(QMessageBox::Question) << yesNo << MsgAnswer::Yes;
    QTest::newRow("question, No") << "Are you sure you want to overwrite"
                                  << "" << MsgIcon::Information << MsgButtons::YesNo << int(QMessageBox::No)
                                  << "Inventory" << int(QMessageBox::Information) << yesNo << MsgAnswer::No;
    QTest::newRow("OK/Cancel, Cancel") << "Change the unit?"
                                       << "" << MsgIcon::Exclamation << MsgButtons::OkCancel << int(QMessageBox::Cancel)
                                       << "Inventory" << int(QMessageBox::Warning) << okCancel << MsgAnswer::Cancel;
    QTest::newRow("OK/Cancel, Esc") << "Change the unit?"
                                    << "" << MsgIcon::None << MsgButtons::OkCancel << 0 << "Inventory"
                                    << int(QMessageBox::NoIcon) << okCancel << MsgAnswer::Cancel;
    QTest::newRow("critical") << "Error in Number Setup!!!.   \nContact System Administrator.   "
                              << "" << MsgIcon::Critical << MsgButtons::Ok << int(QMessageBox::Ok) << "Inventory"
                              << int(QMessageBox::Critical) << int(QMessageBox::Ok) << MsgAnswer::Ok;
}

void TestDesktopUi::messageBox()
{
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(MsgIcon, icon);
    QFETCH(MsgButtons, buttons);
    QFETCH(int, press);

    setUi(nullptr);
    SeenBox seen;
    bool found = false;
    // Runs inside the box's own event loop, once the box is up.
    QTimer::singleShot(0, this, [&] {
        QMessageBox *box = shownBox();
        if (!box)
            return;
        found = true;
        seen = {box->text(), box->windowTitle(), box->textFormat(), box->icon(), box->standardButtons()};
        if (press == 0)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(QMessageBox::StandardButton(press))->click();
    });
    const MsgAnswer answer = MsgBox(text, buttons, icon, title);

    QVERIFY(found);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.format, Qt::PlainText);
    QTEST(seen.title, "shownTitle");
    QTEST(int(seen.icon), "shownIcon");
    QTEST(int(seen.buttons), "shownButtons");
    QTEST(answer, "answer");
}

QTEST_MAIN(TestDesktopUi)
#include "tst_desktopui.moc"
