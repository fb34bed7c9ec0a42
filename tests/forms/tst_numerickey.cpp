#include "ChildWindow.h"
#include "NumericKey.h"
#include "Ui.h"
#include <QLineEdit>
#include <QTest>
#include <memory>

// The numeric entry filter: the key rules on a box state, and the filter
// installed on a real line edit as the entry windows use it.

namespace {

// A box state in a compact notation: "|" marks the caret, "[...]" a selection.
NumericBoxState parseBox(const QString &notation)
{
    NumericBoxState box;
    for (const QChar c : notation) {
        if (c == u'|' || c == u'[')
            box.caret = int(box.text.size());
        else if (c == u']')
            box.selectionLength = int(box.text.size()) - box.caret;
        else
            box.text += c;
    }
    return box;
}

QString showBox(const NumericBoxState &box)
{
    QString s = box.text;
    if (box.selectionLength > 0) {
        s.insert(box.caret + box.selectionLength, u']');
        s.insert(box.caret, u'[');
    } else {
        s.insert(box.caret, u'|');
    }
    return s;
}

struct Call {
    int mode;
    int key;
};

// "Del" is the key-down Delete, "BS" and "Enter" the typed control characters,
// "down:N" / "mode2:N" a key-down / other-mode call with code N, and any single
// character the key-press call with that character.
QList<Call> parseCalls(const QString &keys)
{
    QList<Call> calls;
    for (const QString &token : keys.split(u' ', Qt::SkipEmptyParts)) {
        if (token == QLatin1String("Del"))
            calls.append({0, 46});
        else if (token == QLatin1String("BS"))
            calls.append({1, 8});
        else if (token == QLatin1String("Enter"))
            calls.append({1, 13});
        else if (token.startsWith(QLatin1String("down:")))
            calls.append({0, token.mid(5).toInt()});
        else if (token.startsWith(QLatin1String("mode2:")))
            calls.append({2, token.mid(6).toInt()});
        else
            calls.append({1, token.at(0).unicode()});
    }
    return calls;
}

struct Settings {
    int maxLength = 12;
    int decimals = 2;
    bool minusAllowed = false;
};

constexpr Settings kAmount{12, 2, false};
constexpr Settings kSigned{12, 2, true};
constexpr Settings kWhole{12, 0, false};
constexpr Settings kSignedWhole{12, 0, true};

void addRow(const char *name, Settings s, const char *start, const char *keys, const char *expected,
            const QList<int> &results, int messages = 0)
{
    QTest::newRow(name) << s.maxLength << s.decimals << s.minusAllowed << QString::fromUtf8(start)
                        << QString::fromUtf8(keys) << QString::fromUtf8(expected) << results << messages;
}

const QString kInvalid = QStringLiteral("Invalid decimal length ...!");

} // namespace

class TestNumericKey : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void settingsApplied_data();
    void settingsApplied();
    void adapterCopiesSelection();
    void adapterKeepsTextLongerThanTheLimit_data();
    void adapterKeepsTextLongerThanTheLimit();
    void typing_data();
    void typing();
    void invalidSettingsShowOneMessagePerKey();
    void keyPressOnlyBoxLeavesDeleteToTheBox();
    void enterMovesOnWhicheverFilterCameFirst_data();
    void enterMovesOnWhicheverFilterCameFirst();
};

namespace {
// An entry window with two amount boxes, where Enter moves to the next field.
class AmountWindow : public ChildWindow {
public:
    explicit AmountWindow(bool filterFirst)
    {
        if (!filterFirst)
            enterMovesToNextField();
        first = new QLineEdit(this);
        second = new QLineEdit(this);
        first->move(0, 0);
        second->move(0, 40);
        installNumericKey(first);
        installNumericKey(second);
        if (filterFirst)
            enterMovesToNextField();
    }
    QLineEdit *first;
    QLineEdit *second;
};
} // namespace

void TestNumericKey::keys_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("minusAllowed");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QList<int>>("results");
    QTest::addColumn<int>("messages");

    // Normalising to the template.
    addRow("empty box, key-down", kAmount, "|", "down:65", "|0.00", {65});
    addRow("empty box, typed letter", kAmount, "|", "a", "|0.00", {0});
    addRow("empty box, other mode", kAmount, "|", "mode2:53", "|0.00", {53});
    addRow("non-numeric text", kAmount, "abc|", "down:65", "|0.00", {65});
    addRow("zero off the template", kAmount, "0.0|", "down:65", "|0.00", {65});
    addRow("template left alone", kAmount, "0.0|0", "down:65", "0.0|0", {65});
    addRow("other key-down passes", kAmount, "12|.50", "down:65", "12|.50", {65});

    // Typing digits and the point.
    addRow("first digit overwrites whole zero", kAmount, "|0.00", "5", "[0].00", {'5'});
    addRow("zero whole part: caret goes to start", kAmount, "0|.00", "5", "[0].00", {'5'});
    addRow("digit before point inserts", kAmount, "5|.00", "6", "5|.00", {'6'});
    addRow("digit inside whole part overwrites", kAmount, "5|6.00", "7", "5[6].00", {'7'});
    addRow("point jumps behind point", kAmount, "56|.00", ".", "56.|00", {0});
    addRow("point from start", kAmount, "|56.00", ".", "56.|00", {0});
    addRow("decimal digit overwrites", kAmount, "56.|00", "7", "56.[0]0", {'7'});
    addRow("digit at end refused", kAmount, "56.78|", "9", "56.78|", {0});
    addRow("zero at start refused", kAmount, "|12.00", "0", "|12.00", {0});
    addRow("zero on template passes", kAmount, "|0.00", "0", "[0].00", {'0'});
    addRow("digit before point at maximum length", kAmount, "123456789|.00", "5", "123456789|.00", {0});
    addRow("digit before point one short of maximum", kAmount, "12345678|.00", "5", "12345678|.00", {'5'});
    addRow("letter, minus, Enter and comma swallowed", kAmount, "12.5|0", "a - Enter ,", "12.5|0", {0, 0, 0, 0});

    // Backspace.
    addRow("Backspace at end", kAmount, "56.78|", "BS", "56.7|0", {0});
    addRow("Backspace behind point", kAmount, "56.|78", "BS", "56.|78", {0});
    addRow("Backspace in whole part", kAmount, "56|.78", "BS", "5|.78", {0});
    addRow("Backspace of last whole digit", kAmount, "5|.78", "BS", "|0.78", {0});
    addRow("Backspace at start", kAmount, "|56.78", "BS", "|56.78", {0});
    addRow("Backspace over decimal selection", kAmount, "56.[78]", "BS", "56.|00", {0});
    addRow("Backspace over selection with point", kAmount, "5[6.7]8", "BS", "5|.80", {0});
    addRow("Backspace with nothing before caret", kAmount, "|5", "BS", "|5", {0});

    // Delete.
    addRow("Delete before point", kAmount, "56|.78", "Del", "56|.78", {0});
    addRow("Delete at start", kAmount, "|5.00", "Del", "|0.00", {0});
    addRow("Delete in decimals shifts left", kAmount, "56.|78", "Del", "56.|80", {0});
    addRow("Delete at end", kAmount, "56.78|", "Del", "56.78|", {0});
    addRow("Delete selection across point", kAmount, "[56.7]8", "Del", "|0.80", {0});
    addRow("Delete everything", kAmount, "[56.78]", "Del", "|0.00", {0});
    addRow("Delete inner selection with point", kAmount, "1[2.3]4", "Del", "1|.40", {0});
    addRow("Delete decimal selection", kAmount, "56.[7]8", "Del", "56.|80", {0});
    addRow("Delete whole part", kAmount, "[56].78", "Del", "|0.78", {0});
    addRow("Delete first digit selected", kAmount, "[5]6.78", "Del", "|6.78", {0});

    // Digits over a selection.
    addRow("digit over everything", kAmount, "[56.78]", "3", "[0].00", {'3'});
    addRow("digit over inner selection with point", kAmount, "5[6.7]8", "3", "5|.80", {'3'});
    addRow("digit over decimal selection", kAmount, "56.[78]", "3", "56.[0]0", {'3'});
    addRow("digit over whole-part selection", kAmount, "[56].78", "3", "[56].78", {'3'});

    // Other numbers of places.
    addRow("three-place template", {12, 3, false}, "|", "down:65", "|0.000", {65});
    addRow("three-place reformat", {12, 3, false}, "1[2.3]45", "Del", "1|.450", {0});
    addRow("eight-place reformat", {12, 8, false}, "1[2.3]4", "Del", "1|.40000000", {0});
    addRow("ten places in twelve", {12, 10, false}, "|", "down:65", "|0.0000000000", {65});
    addRow("eleven places in twelve", {12, 11, false}, "5|", "down:65", "|", {0}, 1);
    addRow("every key refused when places do not fit", {4, 3, false}, "1|2", "5 Del down:65 BS", "|", {0, 0, 0, 0}, 4);

    // The sign.
    addRow("minus switches sign on", kSigned, "12|.50", "-", "-12|.50", {0});
    addRow("minus twice", kSigned, "12|.50", "- -", "12|.50", {0, 0});
    addRow("minus off with caret at start", kSigned, "|-12.50", "-", "|12.50", {0});
    addRow("minus on empty box", kSigned, "|", "-", "-|", {0});
    addRow("minus only on key-press", kSigned, "12|.50", "down:45", "12|.50", {45});
    addRow("Delete in front of sign takes first digit", kSigned, "|-5.00", "Del", "-|0.00", {0});
    addRow("Backspace behind sign refused", kSigned, "-|5.00", "BS", "-|5.00", {0});
    addRow("zero behind sign refused", kSigned, "-|12.00", "0", "-|12.00", {0});
    addRow("place kept for sign", kSigned, "12345678|.00", "5", "12345678|.00", {0});
    addRow("signed text inserts", kSigned, "-1234567|.00", "5", "-1234567|.00", {'5'});
    addRow("signed text at maximum", kSigned, "-12345678|.00", "5", "-12345678|.00", {0});
    addRow("digit in front of sign keeps it", kSigned, "|-12.00", "5", "-[1]2.00", {'5'});
    addRow("negative fraction: digit overwrites zero", kSigned, "-0|.50", "5", "-[0].50", {'5'});
    addRow("Delete of whole part behind sign", kSigned, "-[5].00", "Del", "-|0.00", {0});
    addRow("Delete never removes point", kSigned, "|-.50", "Del", "|-.50", {0});
    addRow("digit over selection with point behind sign", kSigned, "-[56.7]8", "3", "-[0].80", {'3'});

    // Whole numbers.
    addRow("whole: digit at end passes", kWhole, "12|", "5", "12|", {'5'});
    addRow("whole: digit inside overwrites", kWhole, "1|23", "5", "1[2]3", {'5'});
    addRow("whole: letter swallowed, caret still selects", kWhole, "1|23", "a", "1[2]3", {0});
    addRow("whole: zero text, caret to start", kWhole, "0|", "5", "[0]", {'5'});
    addRow("whole: empty box", kWhole, "|", "5", "|", {'5'});
    addRow("whole: zero at start refused", kWhole, "|12", "0", "|12", {0});
    addRow("whole: full box refuses", {3, 0, false}, "123|", "5", "123|", {0});
    addRow("whole: selection replaced by digit", kWhole, "[12]3", "5", "[12]3", {'5'});
    addRow("whole: selection kept for letter", kWhole, "[12]3", "a", "[12]3", {0});
    addRow("whole: Delete passes", kWhole, "1|23", "Del", "1|23", {46});
    addRow("whole: Backspace passes", kWhole, "12|3", "BS", "12|3", {8});
    addRow("whole: Enter swallowed", kWhole, "12|", "Enter", "12|", {0});
    addRow("whole: other mode", kWhole, "12|", "mode2:65", "12|", {65});
    addRow("whole: negative places", {12, -1, false}, "12|", "5", "12|", {'5'});
    addRow("whole: Backspace empties -5", kSignedWhole, "-5|", "BS", "|", {0});
    addRow("whole: Backspace behind sign refused", kSignedWhole, "-|5", "BS", "-|5", {0});
    addRow("whole: Delete before sign refused", kSignedWhole, "|-5", "Del", "|-5", {0});
    addRow("whole: Delete empties -5", kSignedWhole, "-|5", "Del", "|", {0});
    addRow("whole: minus toggles", kSignedWhole, "12|", "-", "-12|", {0});
    addRow("whole: place kept for sign", {4, 0, true}, "123|", "5", "123|", {0});
    addRow("whole: signed text takes digit", {4, 0, true}, "-12|", "5", "-12|", {'5'});
    addRow("whole: digit in front of sign keeps it", kSignedWhole, "|-12", "5", "-[1]2", {'5'});
}

void TestNumericKey::keys()
{
    QFETCH(int, maxLength);
    QFETCH(int, decimals);
    QFETCH(bool, minusAllowed);
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(QList<int>, results);
    QFETCH(int, messages);

    ScopedScriptedUi scripted;
    NumericBoxState box = parseBox(start);
    QList<int> got;
    for (const Call &call : parseCalls(keys))
        got.append(NumericKey(box, call.key, maxLength, decimals, 1, call.mode, minusAllowed));

    QCOMPARE(showBox(box), expected);
    QCOMPARE(got, results);
    QCOMPARE(scripted.ui.shown.size(), messages);
    for (const ShownMessage &m : scripted.ui.shown) {
        QCOMPARE(m.text, kInvalid);
        QCOMPARE(m.icon, MsgIcon::Information);
        QCOMPARE(m.buttons, MsgButtons::Ok);
    }
}

void TestNumericKey::settingsApplied_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("storedAlignment");
    QTest::newRow("left") << 2 << 0 << 0;
    QTest::newRow("right") << 2 << 1 << 1;
    QTest::newRow("centred") << 2 << 2 << 2;
    QTest::newRow("too large is left") << 2 << 3 << 0;
    QTest::newRow("negative is left") << 2 << -1 << 0;
    QTest::newRow("whole numbers too") << 0 << 2 << 2;
}

void TestNumericKey::settingsApplied()
{
    QFETCH(int, decimals);
    QFETCH(int, alignment);
    QFETCH(int, storedAlignment);
    NumericBoxState box = parseBox(QStringLiteral("12|"));
    NumericKey(box, 65, 9, decimals, alignment, 0, false);
    QCOMPARE(box.maxLength, 9);
    QCOMPARE(box.alignment, storedAlignment);
}

void TestNumericKey::adapterCopiesSelection()
{
    QLineEdit edit;
    edit.setText(QStringLiteral("56.78"));
    edit.setSelection(3, 2);

    QCOMPARE(NumericKey(&edit, '3', 12, 2, 1, 1, false), int('3'));
    QCOMPARE(edit.text(), QStringLiteral("56.00"));
    QCOMPARE(edit.selectionStart(), 3);
    QCOMPARE(edit.selectedText(), QStringLiteral("0"));
    QCOMPARE(edit.maxLength(), 12);
    QCOMPARE(edit.alignment(), Qt::AlignRight | Qt::AlignVCenter);

    edit.setText(QStringLiteral("56.78"));
    QCOMPARE(NumericKey(&edit, 8, 12, 2, 2, 1, false), 0);
    QCOMPARE(edit.text(), QStringLiteral("56.70"));
    QCOMPARE(edit.cursorPosition(), 4);
    QVERIFY(!edit.hasSelectedText());
    QCOMPARE(edit.alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
}

// The limit holds what is typed; it never cuts a value the window put into
// the box or a sign the filter adds.
void TestNumericKey::adapterKeepsTextLongerThanTheLimit_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("minusAllowed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::newRow("loaded amount, arrow key")
        << "1234567890.50" << 13 << false << int(Qt::Key_Left) << "1234567890.50" << int(Qt::Key_Left);
    QTest::newRow("loaded amount, digit refused at the point")
        << "1234567890.50" << 10 << false << int('5') << "1234567890.50" << 0;
    QTest::newRow("sign added to a full box") << "123456789.50" << 0 << true << int('-') << "-123456789.50" << 0;
    QTest::newRow("sign removed again") << "-123456789.50" << 1 << true << int('-') << "123456789.50" << 0;
}

void TestNumericKey::adapterKeepsTextLongerThanTheLimit()
{
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(bool, minusAllowed);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, result);
    QLineEdit edit;
    edit.setText(start);
    edit.setCursorPosition(caret);
    const int mode = key > 0xFFFF ? 0 : 1;
    QCOMPARE(NumericKey(&edit, key, 12, 2, 1, mode, minusAllowed), result);
    QCOMPARE(edit.text(), text);
    // Typing cannot make it longer still.
    QCOMPARE(edit.maxLength(), qMax(12, int(text.size())));
}

void TestNumericKey::typing_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");

    QTest::newRow("clerk types an amount") << 2 << ""
                                           << "56.789"
                                           << "56.78" << 5;
    QTest::newRow("zero alone") << 2 << ""
                                << "0"
                                << "0.00" << 1;
    QTest::newRow("leading zeros dropped") << 2 << ""
                                           << "007"
                                           << "7.00" << 1;
    QTest::newRow("point first") << 2 << ""
                                 << ".5"
                                 << "0.50" << 3;
    QTest::newRow("letters and commas ignored") << 2 << ""
                                                << "1a,2"
                                                << "12.00" << 2;
    QTest::newRow("three places") << 3 << ""
                                  << "1.234"
                                  << "1.234" << 5;
    QTest::newRow("Backspace at end") << 2 << "56.78"
                                      << "{BS}"
                                      << "56.70" << 4;
    QTest::newRow("Home then Delete") << 2 << "56.78"
                                      << "{Home}{Del}"
                                      << "6.78" << 0;
    QTest::newRow("arrows reach the box") << 2 << "56.78"
                                          << "{Left}{Left}{Left}{Del}"
                                          << "56.78" << 2;
    QTest::newRow("retyping a decimal") << 2 << "56.78"
                                        << "{Left}{Left}9"
                                        << "56.98" << 4;
    QTest::newRow("whole: digits only") << 0 << ""
                                        << "12a3"
                                        << "123" << 3;
    QTest::newRow("whole: Backspace by the box") << 0 << "123"
                                                 << "{BS}"
                                                 << "12" << 2;
    QTest::newRow("whole: Delete by the box") << 0 << "123"
                                              << "{Home}{Del}"
                                              << "23" << 0;
}

void TestNumericKey::typing()
{
    QFETCH(int, decimals);
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, cursor);

    ScopedScriptedUi scripted;
    QLineEdit edit;
    edit.setText(start);
    installNumericKey(&edit, {12, decimals, 1, false});

    static const QList<QPair<QString, Qt::Key>> named = {
        {QStringLiteral("{BS}"), Qt::Key_Backspace},
        {QStringLiteral("{Del}"), Qt::Key_Delete},
        {QStringLiteral("{Home}"), Qt::Key_Home},
        {QStringLiteral("{Left}"), Qt::Key_Left},
    };
    for (int i = 0; i < keys.size();) {
        bool special = false;
        for (const auto &[name, key] : named) {
            if (keys.mid(i).startsWith(name)) {
                QTest::keyClick(&edit, key);
                i += int(name.size());
                special = true;
                break;
            }
        }
        if (!special)
            QTest::keyClick(&edit, keys.at(i++).toLatin1());
    }

    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.cursorPosition(), cursor);
    QVERIFY(!edit.hasSelectedText());
    QCOMPARE(scripted.ui.shown.size(), 0);
}

void TestNumericKey::invalidSettingsShowOneMessagePerKey()
{
    ScopedScriptedUi scripted;
    QLineEdit edit;
    edit.setText(QStringLiteral("12"));
    installNumericKey(&edit, {4, 3, 1, false});

    QTest::keyClick(&edit, '5');
    QCOMPARE(edit.text(), QString());
    QCOMPARE(scripted.ui.texts(), QStringList{kInvalid});
    QCOMPARE(scripted.ui.shown.first().icon, MsgIcon::Information);
    QCOMPARE(scripted.ui.shown.first().title, QStringLiteral("Inventory"));

    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(scripted.ui.shown.size(), 2);
}

void TestNumericKey::keyPressOnlyBoxLeavesDeleteToTheBox()
{
    QLineEdit edit;
    new NumericKeyFilter(&edit, std::nullopt, NumericKeySettings{});

    QTest::keyClicks(&edit, QStringLiteral("5"));
    QCOMPARE(edit.text(), QStringLiteral("5.00"));
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QStringLiteral(".00"));
}

void TestNumericKey::enterMovesOnWhicheverFilterCameFirst_data()
{
    QTest::addColumn<bool>("filterFirst");
    QTest::newRow("window's Enter handling set up first") << false;
    QTest::newRow("amount filter installed first") << true;
}

void TestNumericKey::enterMovesOnWhicheverFilterCameFirst()
{
    QFETCH(bool, filterFirst);
    AmountWindow w(filterFirst);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.first->setFocus();
    QTest::keyClicks(w.first, QStringLiteral("12.5"));
    QTest::keyClick(w.first, Qt::Key_Return);
    QCOMPARE(w.first->text(), QStringLiteral("12.50"));
    QVERIFY(w.second->hasFocus());
}

QTEST_MAIN(TestNumericKey)
#include "tst_numerickey.moc"
