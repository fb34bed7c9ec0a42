#include "RecordWindow.h"
#include "Ui.h"
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

// The entry-window base driven through a small window of its own: the states
// and what they enable, the Save checks, failed saves, refused edits, the
// function-key map and the further buttons.

namespace {

// A record of two fields, stored in memory.
class ProbeWindow : public RecordWindow {
public:
    QLineEdit *TxName = nullptr;
    QLineEdit *TxAmount = nullptr;
    QPushButton *CmFinalize = nullptr;
    QPushButton *Cmrelease = nullptr;

    bool saveSucceeds = true;
    bool mayEdit = true;
    bool allowed = true;
    QStringList calls; // hooks in the order they ran
    QString stored;

    explicit ProbeWindow(bool withKeys = true)
    {
        setObjectName(QStringLiteral("frmProbe"));
        TxName = new QLineEdit(this);
        TxName->setObjectName(QStringLiteral("TxName"));
        TxAmount = new QLineEdit(this);
        TxAmount->setObjectName(QStringLiteral("TxAmount"));
        CmFinalize = addButton(QStringLiteral("CmFinalize"), QStringLiteral("Finalize"), ButtonRule::ViewOnly,
                               [this] { calls << QStringLiteral("finalize"); });
        Cmrelease = addButton(QStringLiteral("Cmrelease"), QStringLiteral("Remove Finalize"), ButtonRule::Untouched,
                              [this] { calls << QStringLiteral("release"); });
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(TxName);
        layout->addWidget(TxAmount);
        layout->addWidget(makeButtonBar({CmNew, CmEdit, CmFinalize, Cmrelease, CmCancel, nullptr, CmClose}));
        if (!withKeys)
            setFunctionKeys({});
        setFocusOrder({TxName, TxAmount, CmNew, CmEdit, CmCancel, CmClose});
        SetEditMode(false);
    }

protected:
    void ClearFields() override
    {
        calls << QStringLiteral("clear");
        TxName->clear();
        TxAmount->clear();
    }
    void enableInputs(bool on) override
    {
        TxName->setEnabled(on);
        // An edit keeps the amount as stored.
        TxAmount->setEnabled(on && state() != RecordState::Edit);
    }
    bool readyForNew() override
    {
        calls << QStringLiteral("ready");
        return true;
    }
    void newStarted() override
    {
        calls << QStringLiteral("started");
        TxName->setFocus();
    }
    QList<EntryCheck> entryChecks() override
    {
        return {
            emptyBoxCheck(TxName, QStringLiteral("Please Enter the Name.   ")),
            {[this] { return TxAmount->text().toInt() == 0; }, QStringLiteral("Please Enter the Amount.   "),
             MsgIcon::Critical, [this] { TxAmount->setFocus(); }},
        };
    }
    bool SaveNew() override
    {
        calls << QStringLiteral("saveNew");
        if (saveSucceeds)
            stored = TxName->text();
        else
            MsgBox(QStringLiteral("server says no"), MsgButtons::Ok, MsgIcon::Information);
        return saveSucceeds;
    }
    bool SaveEdit() override
    {
        calls << QStringLiteral("saveEdit");
        if (saveSucceeds)
            stored = TxName->text();
        return saveSucceeds;
    }
    void saved(bool wasEdit) override { calls << (wasEdit ? QStringLiteral("savedEdit") : QStringLiteral("savedNew")); }
    bool editAllowed() override
    {
        if (!mayEdit)
            MsgBox(QStringLiteral("You Cannot Edit Finalized Invoice.   "), MsgButtons::Ok, MsgIcon::Critical);
        return mayEdit;
    }
    void beginEdit() override
    {
        calls << (state() == RecordState::View ? QStringLiteral("editFromView") : QStringLiteral("editFromEntry"));
    }
    void cancelEntry() override { calls << QStringLiteral("cancel"); }
    bool commandsAllowed() override
    {
        if (!allowed)
            MsgBox(QStringLiteral("You Are Not Allowed to Modify the Data of this Financial Year.   "));
        return allowed;
    }
};

QString stateName(RecordState s)
{
    switch (s) {
    case RecordState::View: return QStringLiteral("view");
    case RecordState::New: return QStringLiteral("new");
    case RecordState::Edit: return QStringLiteral("edit");
    }
    return {};
}

// What the clerk sees of the state: caption and the enabled controls.
QString looks(ProbeWindow &w)
{
    QStringList on;
    for (QWidget *c :
         {static_cast<QWidget *>(w.TxName), static_cast<QWidget *>(w.TxAmount), static_cast<QWidget *>(w.editButton()),
          static_cast<QWidget *>(w.CmFinalize), static_cast<QWidget *>(w.Cmrelease),
          static_cast<QWidget *>(w.cancelButton()), static_cast<QWidget *>(w.closeButton())})
        if (c->isEnabled())
            on << c->objectName();
    return stateName(w.state()) + u'|' + w.newButton()->text() + u'|' + on.join(u',');
}

// Three boxes of which only the first two select their text when entered.
class SelectProbe : public ChildWindow {
public:
    SelectProbe()
    {
        auto *layout = new QVBoxLayout(this);
        for (const char *name : {"TxFirst", "TxSecond", "TxPlain"}) {
            auto *box = new QLineEdit(QStringLiteral("text of ") + QLatin1String(name), this);
            box->setObjectName(QLatin1String(name));
            layout->addWidget(box);
        }
        layout->addWidget(makeButton(QStringLiteral("CmClose"), QStringLiteral("Close"), this));
        selectTextOnEntry({findChild<QLineEdit *>(QStringLiteral("TxFirst"))});
        // A second call adds to the boxes.
        selectTextOnEntry({findChild<QLineEdit *>(QStringLiteral("TxSecond"))});
    }
};

void showActive(QWidget *w)
{
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        qWarning("window not active");
}

// Presses the named buttons with the mouse and the named function keys on the focused control.
void act(ProbeWindow &w, const QString &steps)
{
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        if (step.startsWith(u'F')) {
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
            QTest::keyClick(target, Qt::Key(Qt::Key_F1 + step.mid(1).toInt() - 1));
        } else if (step.startsWith(u'=')) {
            w.TxName->setText(step.mid(1));
            w.TxAmount->setText(QStringLiteral("5"));
        } else {
            QTest::mouseClick(w.findChild<QPushButton *>(step), Qt::LeftButton);
        }
    }
}

const QString kView = QStringLiteral("view|New - F2|CmEdit,CmFinalize,Cmrelease,CmClose");
const QString kNew = QStringLiteral("new|Save - F5|TxName,TxAmount,Cmrelease,CmCancel");
const QString kEdit = QStringLiteral("edit|Save - F5|TxName,Cmrelease,CmCancel");

} // namespace

class TestRecordWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<ScopedScriptedUi> m_ui;

private slots:
    void init() { m_ui = std::make_unique<ScopedScriptedUi>(); }
    void cleanup() { m_ui.reset(); }

    void states_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("looks");
        QTest::addColumn<QString>("calls");
        QTest::newRow("opened") << "" << kView << "";
        QTest::newRow("new") << "CmNew" << kNew << "ready,clear,started";
        QTest::newRow("new, cancel keeps the typing")
            << "CmNew =Reel CmCancel" << kView << "ready,clear,started,cancel";
        QTest::newRow("new, save") << "CmNew =Reel CmNew" << kView << "ready,clear,started,saveNew,savedNew";
        QTest::newRow("edit") << "CmEdit" << kEdit << "editFromView";
        QTest::newRow("edit, save") << "CmEdit =Reel CmNew" << kView << "editFromView,saveEdit,savedEdit";
        QTest::newRow("edit, cancel") << "CmEdit CmCancel" << kView << "editFromView,cancel";
        QTest::newRow("edit, cancel, new saves a new record")
            << "CmEdit CmCancel CmNew =Reel CmNew" << kView
            << "editFromView,cancel,ready,clear,started,saveNew,savedNew";
        QTest::newRow("F2 new, F5 save") << "F2 =Reel F5" << kView << "ready,clear,started,saveNew,savedNew";
        QTest::newRow("F5 starts a new entry too") << "F5" << kNew << "ready,clear,started";
        QTest::newRow("F3 edit, F8 cancel") << "F3 F8" << kView << "editFromView,cancel";
        // The keys call the handlers whatever their buttons' state.
        QTest::newRow("F3 during a new entry turns it into an edit")
            << "F2 F3" << kEdit << "ready,clear,started,editFromEntry";
        QTest::newRow("F8 in the view state") << "F8" << kView << "cancel";
    }
    void states()
    {
        QFETCH(QString, steps);
        QFETCH(QString, looks);
        QFETCH(QString, calls);
        ProbeWindow w;
        showActive(&w);
        act(w, steps);
        QCOMPARE(::looks(w), looks);
        QCOMPARE(w.calls.join(u','), calls);
        QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MsgIcon>("icon");
        QTest::addColumn<QString>("focus");
        QTest::newRow("nothing typed: the first check speaks")
            << ""
            << ""
            << "Please Enter the Name.   " << MsgIcon::Information << "TxName";
        QTest::newRow("no amount") << "Reel"
                                   << "0"
                                   << "Please Enter the Amount.   " << MsgIcon::Critical << "TxAmount";
        QTest::newRow("blanks are a name") << "  "
                                           << ""
                                           << "Please Enter the Amount.   " << MsgIcon::Critical << "TxAmount";
        QTest::newRow("all there") << "Reel"
                                   << "12"
                                   << "" << MsgIcon::None << "";
    }
    void saveChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        QFETCH(MsgIcon, icon);
        QFETCH(QString, focus);
        ProbeWindow w;
        showActive(&w);
        act(w, QStringLiteral("CmNew"));
        QTest::keyClicks(w.TxName, name);
        QTest::keyClicks(w.TxAmount, amount);
        w.Cmrelease->setFocus(); // anywhere but the box a check sends the clerk to
        act(w, QStringLiteral("CmNew"));
        if (message.isEmpty()) {
            QVERIFY(m_ui->ui.shown.isEmpty());
            QCOMPARE(w.state(), RecordState::View);
            QCOMPARE(w.stored, name);
            return;
        }
        QCOMPARE(m_ui->ui.shown.size(), 1);
        QCOMPARE(m_ui->ui.lastText(), message);
        QCOMPARE(m_ui->ui.shown.last().icon, icon);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(::looks(w), kNew);
        QVERIFY(!w.calls.contains(QStringLiteral("saveNew")));
        QCOMPARE(w.TxName->text(), name);
    }

    void failedSaveKeepsTheEntry_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("looks");
        QTest::newRow("new") << "CmNew" << kNew;
        QTest::newRow("edit") << "CmEdit" << kEdit;
    }
    void failedSaveKeepsTheEntry()
    {
        QFETCH(QString, start);
        QFETCH(QString, looks);
        ProbeWindow w;
        w.saveSucceeds = false;
        showActive(&w);
        act(w, start + QStringLiteral(" =Reel CmNew"));
        QCOMPARE(::looks(w), looks);
        QCOMPARE(w.TxName->text(), QStringLiteral("Reel"));
        QVERIFY(!w.calls.contains(QStringLiteral("savedNew")) && !w.calls.contains(QStringLiteral("savedEdit")));
        // A second try once the cause is gone stores the entry.
        w.saveSucceeds = true;
        act(w, QStringLiteral("CmNew"));
        QCOMPARE(::looks(w), kView);
        QCOMPARE(w.stored, QStringLiteral("Reel"));
    }

    void refusals()
    {
        ProbeWindow w;
        showActive(&w);
        w.mayEdit = false;
        act(w, QStringLiteral("CmEdit"));
        QCOMPARE(m_ui->ui.texts(), QStringList{QStringLiteral("You Cannot Edit Finalized Invoice.   ")});
        QCOMPARE(::looks(w), kView);
        QVERIFY(w.calls.isEmpty());

        // A locked year refuses New, Save and Edit alike.
        m_ui->ui.clear();
        w.mayEdit = true;
        act(w, QStringLiteral("CmNew"));
        w.allowed = false;
        act(w, QStringLiteral("=Reel CmNew F3"));
        QCOMPARE(m_ui->ui.shown.size(), 2);
        QCOMPARE(::looks(w), kNew);
        QVERIFY(!w.calls.contains(QStringLiteral("saveNew")));
    }

    void stateIsNotTheCaption()
    {
        ProbeWindow w;
        showActive(&w);
        act(w, QStringLiteral("CmNew =Reel"));
        // Whatever the button reads, a new entry under way is saved, not restarted.
        w.newButton()->setText(QStringLiteral("New - F2"));
        act(w, QStringLiteral("CmNew"));
        QCOMPARE(w.calls.join(u','), QStringLiteral("ready,clear,started,saveNew,savedNew"));
        QCOMPARE(::looks(w), kView);
    }

    void windowWithoutFunctionKeys()
    {
        ProbeWindow w(false);
        showActive(&w);
        w.TxName->setFocus();
        act(w, QStringLiteral("F2 F3 F5 F8 F9"));
        QVERIFY(w.calls.isEmpty());
        QVERIFY(w.isVisible());
        // The captions still name the keys.
        QCOMPARE(::looks(w), kView);
    }

    void f9ClosesEvenDuringAnEntry()
    {
        auto *w = new ProbeWindow;
        QPointer<ProbeWindow> alive(w);
        showActive(w);
        act(*w, QStringLiteral("CmNew F9"));
        QTRY_VERIFY(!alive);
    }

    void enterOnAFocusedButtonPressesIt_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("calls");
        QTest::newRow("New") << "CmNew"
                             << "ready,clear,started";
        QTest::newRow("Edit") << "CmEdit"
                              << "editFromView";
        QTest::newRow("Finalize") << "CmFinalize"
                                  << "finalize";
        QTest::newRow("Remove Finalize") << "Cmrelease"
                                         << "release";
    }
    void enterOnAFocusedButtonPressesIt()
    {
        QFETCH(QString, button);
        QFETCH(QString, calls);
        ProbeWindow w;
        showActive(&w);
        auto *b = w.findChild<QPushButton *>(button);
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(w.calls.join(u','), calls);
    }

    // Entering by Tab selects a box's text anyway; a click is what the choice decides.
    void chosenBoxesSelectOnClick_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("selects");
        QTest::newRow("chosen box") << "TxFirst" << true;
        QTest::newRow("box added by a second call") << "TxSecond" << true;
        QTest::newRow("other box") << "TxPlain" << false;
    }
    void chosenBoxesSelectOnClick()
    {
        QFETCH(QString, box);
        QFETCH(bool, selects);
        SelectProbe w;
        showActive(&w);
        w.findChild<QPushButton *>(QStringLiteral("CmClose"))->setFocus();
        auto *b = w.findChild<QLineEdit *>(box);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
        QCOMPARE(QApplication::focusWidget(), b);
        QTest::qWait(20); // a click's caret comes after the focus
        QCOMPARE(b->selectedText(), selects ? b->text() : QString());
    }

    void focusGoesToTheFirstEnabledControl()
    {
        ProbeWindow w;
        showActive(&w);
        w.setFocus();
        QCOMPARE(QApplication::focusWidget(), w.newButton());
        act(w, QStringLiteral("CmEdit"));
        w.setFocus();
        QCOMPARE(QApplication::focusWidget(), w.TxName);
    }
};

QTEST_MAIN(TestRecordWindow)
#include "tst_recordwindow.moc"
