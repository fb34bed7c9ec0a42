#pragma once
#include <QObject>
#include <QString>
#include <optional>

class QEvent;
class QLineEdit;

// What the numeric filter reads and writes of a text box. The caret is the
// selection start; caret and selection always lie within the text.
struct NumericBoxState {
    QString text;
    int caret = 0;
    int selectionLength = 0;
    int maxLength = 32767;
    int alignment = 0; // 0 left, 1 right, 2 centred
};

// Turns a text box into a fixed-point number field ("0.00" for 2 decimals) or,
// with decimals <= 0, a field of digits. Called with mode 0 from the key-down
// handler (key = key code, 46 = Delete) and mode 1 from the key-press handler
// (key = character code: 8 Backspace, 45 "-", 46 ".", 48-57 digits).
// Returns the key the box is to go on processing, or 0 to swallow it.
int NumericKey(NumericBoxState &box, int key, int maxLength, int decimals, int alignment, int mode, bool minusAllowed);

// The same on a real box: copies its state in, filters, writes it back.
int NumericKey(QLineEdit *box, int key, int maxLength, int decimals, int alignment, int mode, bool minusAllowed);

// The settings one handler passes to the filter.
struct NumericKeySettings {
    int maxLength = 12;
    int decimals = 2;
    int alignment = 1;
    bool minusAllowed = false;
};

// Runs the filter on every key press of a line edit: the key-down call for
// every key, then the key-press call for keys that type a character. A key the
// filter swallows never reaches the box, except Enter: it types nothing, and
// it goes on so that the window's own Enter handling (moving to the next
// field) works whatever the order of the filters.
class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    // Either handler may be absent: some boxes filter only typed characters.
    NumericKeyFilter(QLineEdit *box, std::optional<NumericKeySettings> keyDown,
                     std::optional<NumericKeySettings> keyPress);

    bool eventFilter(QObject *watched, QEvent *event) override;
    // A box that serves several columns filters each column's keys its own way.
    void setKeyPress(std::optional<NumericKeySettings> keyPress) { m_keyPress = keyPress; }

private:
    QLineEdit *m_box;
    std::optional<NumericKeySettings> m_keyDown;
    std::optional<NumericKeySettings> m_keyPress;
};

// Installs the filter with the same settings for both handlers; the box owns it.
NumericKeyFilter *installNumericKey(QLineEdit *box, const NumericKeySettings &settings = {});
