#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

// The desktop's services as the windows use them: message boxes, the save
// dialog, web pages, other programs and ending the program. Windows call them
// through ui(); tests install a ScriptedUi and answer without a real dialog.

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

struct ShownMessage {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

struct SaveRequest {
    QString title;
    QString initialFolder;
    QString filter;        // e.g. "Excel Files (*.xls)"
    QString proposedName;  // file name offered in the dialog
    QString defaultSuffix; // appended when the chosen name has no extension, e.g. "xls"
};

// Thrown by ScriptedUi::endProgram so that a test sees the program end and
// nothing after it runs. Not a std::exception: no ordinary handler catches it.
struct ProgramEnded {
    int code = 0;
};

class Ui {
public:
    virtual ~Ui() = default;
    virtual MsgAnswer message(const ShownMessage &m) = 0;
    // The chosen path, or nothing for Cancel.
    virtual std::optional<QString> saveFile(const SaveRequest &r) = 0;
    virtual bool openUrl(const QString &url, const QString &workingFolder) = 0;
    virtual bool startProgram(const QString &program, const QStringList &arguments, const QString &workingFolder) = 0;
    // Ends the program at once. Never returns: an open transaction is never committed.
    [[noreturn]] virtual void endProgram(int code = 0) = 0;
};

Ui &ui();
// Installs a replacement (tests); nullptr restores the desktop implementation.
void setUi(Ui *replacement);

// The title of message boxes that give none of their own.
inline const QString kAppTitle = QStringLiteral("Inventory");

// Convenience: a message box; an empty title becomes "Inventory".
MsgAnswer MsgBox(const QString &text, MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None,
                 const QString &title = QString());

// Runs a handler body; a database failure shows the server's error text
// (information icon; a text too long for its column in our own words), a
// number beyond the range of Decimal its message, and the window stays as it
// was. Returns false on failure.
bool guarded(const std::function<void()> &body);
// Runs a body; a number beyond the range of Decimal shows its message
// (critical) instead of being thrown. Returns false then.
bool withinRange(const std::function<void()> &body);

// Held while a modal dialog runs: afterwards the window that was active
// before it gets the activation back. A window manager does so by itself;
// without one nothing does, and the clerk's next keys would go nowhere.
class ActivationKeeper {
public:
    ActivationKeeper();
    ~ActivationKeeper();
    ActivationKeeper(const ActivationKeeper &) = delete;
    ActivationKeeper &operator=(const ActivationKeeper &) = delete;
    // The window active when the keeper was made: the dialog's parent.
    QWidget *window() const { return m_before; }

private:
    QPointer<QWidget> m_before;
};

// The desktop implementation with real dialogs.
class DesktopUi : public Ui {
public:
    MsgAnswer message(const ShownMessage &m) override;
    std::optional<QString> saveFile(const SaveRequest &r) override;
    bool openUrl(const QString &url, const QString &workingFolder) override;
    bool startProgram(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
    [[noreturn]] void endProgram(int code) override;
};

// Test double: records every box and request, answers from scripts.
class ScriptedUi : public Ui {
public:
    QList<ShownMessage> shown;
    QQueue<MsgAnswer> answers; // for boxes with more than one button
    QList<SaveRequest> saveRequests;
    QQueue<std::optional<QString>> saveAnswers;
    QStringList openedUrls;
    struct Started {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };
    QList<Started> started;
    bool startSucceeds = true;
    int unansweredQuestions = 0;
    std::optional<int> endedWith;

    MsgAnswer message(const ShownMessage &m) override;
    std::optional<QString> saveFile(const SaveRequest &r) override;
    bool openUrl(const QString &url, const QString &workingFolder) override;
    bool startProgram(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
    [[noreturn]] void endProgram(int code) override;

    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
    QStringList texts() const;
    void clear();
};

// Installs a ScriptedUi for the lifetime of the object.
class ScopedScriptedUi {
public:
    ScopedScriptedUi() { setUi(&ui); }
    ~ScopedScriptedUi() { setUi(nullptr); }
    ScriptedUi ui;
};
