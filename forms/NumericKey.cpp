#include "NumericKey.h"
#include "Decimal.h"
#include "Ui.h"
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace {

// Key codes of the key-down call and character codes of the key-press call.
constexpr int kDeleteKey = 46;
constexpr int kBackspace = 8;
constexpr int kMinus = 45;
constexpr int kPoint = 46;
constexpr int kZero = '0';
constexpr int kEnter = 13;

bool isDigit(int key)
{
    return key >= '0' && key <= '9';
}
bool hasSign(const QString &t)
{
    return t.startsWith(u'-');
}
// Where the number starts: just behind a leading minus sign.
int numberStart(const QString &t)
{
    return hasSign(t) ? 1 : 0;
}

// A text box drops its caret and selection when its text is replaced.
void setText(NumericBoxState &box, const QString &text)
{
    box.text = text;
    box.caret = 0;
    box.selectionLength = 0;
}

void setCaret(NumericBoxState &box, int caret, int selected = 0)
{
    const int length = int(box.text.size());
    box.caret = std::clamp(caret, 0, length);
    box.selectionLength = std::clamp(selected, 0, length - box.caret);
}

// The value in the fixed template: Decimal keeps six places, so longer
// templates are padded rather than rounded further.
QString formatted(const QString &text, int decimals)
{
    QString s = Decimal::fromText(text).toText(std::min(decimals, Decimal::kScale));
    if (decimals > Decimal::kScale)
        s += QString(decimals - Decimal::kScale, u'0');
    return s;
}

// A deletion that empties the whole part leaves "0" there: ".50" -> "0.50", "-.50" -> "-0.50".
QString withWholeZero(const QString &t)
{
    if (t.startsWith(u'.'))
        return u'0' + t;
    if (t.startsWith(QLatin1String("-.")))
        return QLatin1String("-0") + t.mid(1);
    return t;
}

// Delete or Backspace over a selection; the caret stays at its start. A
// selection holding the point collapses onto it; one starting in the decimal
// places shifts the rest left and refills with zeros so the places stay; any
// other is simply removed.
void removeSelection(NumericBoxState &box, int decimals, const QString &tmpl, const QString &zeros)
{
    const QString t = box.text;
    const int p = box.caret;
    const int n = box.selectionLength;
    const int length = int(t.size());
    if (t.mid(p, n).contains(u'.')) {
        const QString rest = t.left(p) + u'.' + t.mid(p + n);
        setText(box, rest == QLatin1String(".") ? tmpl : formatted(rest, decimals));
    } else if (p >= length - decimals) {
        setText(box, t.left(p) + t.mid(p + n) + zeros);
    } else {
        setText(box, withWholeZero(t.left(p) + t.mid(p + n)));
    }
    setCaret(box, p);
}

// Delete without a selection.
void decimalDelete(NumericBoxState &box, int decimals)
{
    const QString t = box.text;
    const int p = box.caret;
    const int length = int(t.size());
    if (p >= length - decimals) {
        if (p < length) {
            setText(box, t.left(p) + t.mid(p + 1) + u'0');
            setCaret(box, p);
        }
        return;
    }
    // In front of the sign, Delete takes the first digit instead; the point is never removed.
    const int at = (p == 0 && hasSign(t)) ? 1 : p;
    if (t.at(at) != u'.') {
        setText(box, withWholeZero(t.left(at) + t.mid(at + 1)));
        setCaret(box, at);
    }
}

// Backspace without a selection.
void decimalBackspace(NumericBoxState &box, int decimals)
{
    const QString t = box.text;
    const int p = box.caret;
    const int length = int(t.size());
    if (p >= length - decimals) {
        // A text shorter than the places may put the caret at 0 here: nothing to remove.
        if (p > 0 && t.at(p - 1) != u'.') {
            setText(box, t.left(p - 1) + t.mid(p) + u'0');
            setCaret(box, p - 1);
        }
    } else if (p > numberStart(t)) {
        setText(box, withWholeZero(t.left(p - 1) + t.mid(p)));
        setCaret(box, p - 1);
    }
}

int decimalDigit(NumericBoxState &box, int key, int decimals, const QString &tmpl, const QString &zeros,
                 bool minusAllowed)
{
    const QString t = box.text;
    const int length = int(t.size());
    int p = box.caret;
    if (p == length)
        return 0; // every decimal place is filled

    if (box.selectionLength > 0) {
        const int n = box.selectionLength;
        if (t.mid(p, n).contains(u'.')) {
            removeSelection(box, decimals, tmpl, zeros);
            // At the start of the number the digit must overwrite the "0" the
            // template left there, or it would stand in front of it.
            setCaret(box, p, p <= numberStart(box.text) ? 1 : 0);
        } else if (p >= length - decimals) {
            setText(box, t.left(p) + zeros + t.mid(p + n));
            setCaret(box, p, 1);
        }
        return key;
    }

    // A digit never overwrites the sign.
    if (p == 0 && hasSign(t))
        p = 1;
    if (p == length)
        return 0;
    // A whole part of 0 (-0.50 included) is typed over from the start of the number.
    if (p < t.indexOf(u'.') + 1 && Decimal::fromText(t).truncated() == 0) {
        p = numberStart(t);
        setCaret(box, p);
    } else if (key == kZero && p == numberStart(t)) {
        return 0; // no leading zero
    }
    if (t.at(p) != u'.') {
        setCaret(box, p, 1);
        return key;
    }
    // Inserted before the point; with a sign allowed one place is kept for it.
    if (length >= box.maxLength || (minusAllowed && !hasSign(t) && length == box.maxLength - 1))
        return 0;
    setCaret(box, p);
    return key;
}

int decimalKey(NumericBoxState &box, int key, int decimals, int mode, bool minusAllowed)
{
    const QString tmpl = QLatin1String("0.") + QString(decimals, u'0');
    const QString zeros(box.selectionLength, u'0');

    if (decimals > box.maxLength - 2) {
        MsgBox(QStringLiteral("Invalid decimal length ...!"), MsgButtons::Ok, MsgIcon::Information);
        setText(box, QString());
        return 0;
    }
    if (Decimal::fromText(box.text).isZero() && box.text != tmpl && !hasSign(box.text))
        setText(box, tmpl);

    if (mode != 0 && mode != 1)
        return key;
    if (mode == 0 && key != kDeleteKey)
        return key; // key-down handles Delete only

    if (mode == 0 || key == kBackspace) {
        if (box.selectionLength > 0)
            removeSelection(box, decimals, tmpl, zeros);
        else if (mode == 0)
            decimalDelete(box, decimals);
        else
            decimalBackspace(box, decimals);
        return 0;
    }
    if (key == kPoint) {
        setCaret(box, int(box.text.indexOf(u'.')) + 1);
        return 0;
    }
    if (isDigit(key))
        return decimalDigit(box, key, decimals, tmpl, zeros, minusAllowed);
    return 0;
}

int wholeKey(NumericBoxState &box, int key, int mode, bool minusAllowed)
{
    const QString t = box.text;
    const int length = int(t.size());
    const int p = box.caret;
    const bool sign = hasSign(t);

    if (mode == 0) {
        if (key != kDeleteKey)
            return key;
        if (sign && length == 2 && p == 1) {
            setText(box, QString());
            return 0;
        }
        return (sign && p == 0) ? 0 : key; // the sign cannot be deleted
    }
    if (mode != 1)
        return key;

    if (key == kBackspace) {
        if (sign && length == 2 && p == 2) {
            setText(box, QString());
            return 0;
        }
        return (sign && p == 1) ? 0 : key;
    }

    int result = isDigit(key) ? key : 0;
    if (box.selectionLength > 0)
        return result;
    // The caret moves even for a swallowed key. A digit never overwrites the sign.
    int caret = (p == 0 && sign) ? 1 : p;
    if (Decimal::fromText(t).isZero())
        caret = numberStart(t);
    else if (key == kZero && caret == numberStart(t))
        return 0; // no leading zero
    if (caret < length) {
        setCaret(box, caret, 1);
    } else {
        setCaret(box, caret);
        if (length >= box.maxLength || (minusAllowed && !sign && length == box.maxLength - 1))
            result = 0;
    }
    return result;
}

Qt::Alignment qtAlignment(int alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight | Qt::AlignVCenter;
    case 2: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// Key-down codes only need to tell Delete apart; the "." key's own Qt code
// equals Delete's key-down code, so it is given the code of the point key.
int keyDownCode(int qtKey)
{
    if (qtKey == Qt::Key_Delete)
        return kDeleteKey;
    if (qtKey == Qt::Key_Period)
        return 190;
    return qtKey;
}

// The character a key types into the box, 0 for none.
int keyPressCode(const QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0; // editing and focus keys, not characters
    default: break;
    }
    const QString text = e->text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

} // namespace

int NumericKey(NumericBoxState &box, int key, int maxLength, int decimals, int alignment, int mode, bool minusAllowed)
{
    box.maxLength = maxLength;
    box.alignment = (alignment >= 0 && alignment <= 2) ? alignment : 0;

    // The sign toggles before any other rule, in both number modes.
    if (key == kMinus && minusAllowed && mode == 1) {
        const int p = box.caret;
        if (!hasSign(box.text)) {
            setText(box, u'-' + box.text);
            setCaret(box, p + 1);
        } else {
            setText(box, box.text.mid(1));
            setCaret(box, p - 1);
        }
        return 0;
    }

    if (decimals >= 1)
        return decimalKey(box, key, decimals, mode, minusAllowed);
    return wholeKey(box, key, mode, minusAllowed);
}

int NumericKey(QLineEdit *box, int key, int maxLength, int decimals, int alignment, int mode, bool minusAllowed)
{
    NumericBoxState state;
    state.text = box->text();
    state.caret = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    state.selectionLength = box->selectionLength();
    state.maxLength = box->maxLength();

    const int result = NumericKey(state, key, maxLength, decimals, alignment, mode, minusAllowed);

    // The limit is for typing: a longer text (a loaded value, a sign put in
    // front of a full box) stays whole, and a line edit would cut it.
    box->setMaxLength(std::max(state.maxLength, int(state.text.size())));
    box->setAlignment(qtAlignment(state.alignment));
    if (box->text() != state.text)
        box->setText(state.text);
    if (state.selectionLength > 0)
        box->setSelection(state.caret, state.selectionLength);
    else
        box->setCursorPosition(state.caret);
    return result;
}

NumericKeyFilter::NumericKeyFilter(QLineEdit *box, std::optional<NumericKeySettings> keyDown,
                                   std::optional<NumericKeySettings> keyPress)
    : QObject(box), m_box(box), m_keyDown(keyDown), m_keyPress(keyPress)
{
    box->installEventFilter(this);
}

bool NumericKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *e = static_cast<QKeyEvent *>(event);

    // Qt gives one event where the box has a key-down and a key-press call;
    // once the key-down call swallows the key, the key-press call is not made.
    if (m_keyDown && e->key() != 0) {
        const NumericKeySettings &s = *m_keyDown;
        if (NumericKey(m_box, keyDownCode(e->key()), s.maxLength, s.decimals, s.alignment, 0, s.minusAllowed) == 0)
            return true;
    }
    if (m_keyPress) {
        const int code = keyPressCode(e);
        const NumericKeySettings &s = *m_keyPress;
        const bool swallowed =
            code != 0 && NumericKey(m_box, code, s.maxLength, s.decimals, s.alignment, 1, s.minusAllowed) == 0;
        // Enter types nothing either way; it goes on to the window, which
        // moves to the next field whichever filter was installed first.
        if (swallowed && code != kEnter)
            return true;
    }
    // A passed-on key is edited by the box itself: a digit replaces what the filter selected.
    return false;
}

NumericKeyFilter *installNumericKey(QLineEdit *box, const NumericKeySettings &settings)
{
    return new NumericKeyFilter(box, settings, settings);
}
