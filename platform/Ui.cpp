#include "Ui.h"
#include "Database.h"
#include "TextLengths.h"
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace {
DesktopUi g_desktop;
Ui *g_ui = nullptr;
} // namespace

Ui &ui()
{
    return g_ui ? *g_ui : g_desktop;
}

void setUi(Ui *replacement)
{
    g_ui = replacement;
}

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    ShownMessage m{text, title.isEmpty() ? kAppTitle : title, icon, buttons};
    return ui().message(m);
}

bool withinRange(const std::function<void()> &body)
{
    try {
        body();
        return true;
    } catch (const DecimalOverflow &) {
        MsgBox(Decimal::overflowMessage(), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
}

bool guarded(const std::function<void()> &body)
{
    try {
        return withinRange(body);
    } catch (const DbError &e) {
        MsgBox(clerkText(e), MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
}

ActivationKeeper::ActivationKeeper() : m_before(QApplication::activeWindow()) {}

ActivationKeeper::~ActivationKeeper()
{
    if (m_before && m_before->isVisible())
        m_before->activateWindow();
}

MsgAnswer DesktopUi::message(const ShownMessage &m)
{
    const ActivationKeeper keeper;
    QMessageBox box(keeper.window());
    box.setWindowTitle(m.title);
    // The text exactly as given: a server message holding "<b>" is not markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(m.text);
    switch (m.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (m.buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgButtons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    default: return m.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
}

std::optional<QString> DesktopUi::saveFile(const SaveRequest &r)
{
    const ActivationKeeper keeper;
    QFileDialog dialog(keeper.window(), r.title, r.initialFolder, r.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!r.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(r.defaultSuffix);
    if (!r.proposedName.isEmpty())
        dialog.selectFile(QDir(r.initialFolder).filePath(r.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QString path = dialog.selectedFiles().constFirst();
    if (!r.defaultSuffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + r.defaultSuffix;
    return path;
}

bool DesktopUi::openUrl(const QString &url, const QString &)
{
    return QDesktopServices::openUrl(QUrl(url));
}

bool DesktopUi::startProgram(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}

void DesktopUi::endProgram(int code)
{
    // The server rolls back whatever transaction the closed connection left open.
    std::fflush(nullptr);
    std::_Exit(code);
}

MsgAnswer ScriptedUi::message(const ShownMessage &m)
{
    shown.append(m);
    if (m.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (!answers.isEmpty())
        return answers.dequeue();
    ++unansweredQuestions;
    switch (m.buttons) {
    case MsgButtons::YesNo: return MsgAnswer::No;
    default: return MsgAnswer::Cancel;
    }
}

std::optional<QString> ScriptedUi::saveFile(const SaveRequest &r)
{
    saveRequests.append(r);
    if (saveAnswers.isEmpty())
        return std::nullopt;
    std::optional<QString> a = saveAnswers.dequeue();
    if (a && !r.defaultSuffix.isEmpty() && QFileInfo(*a).suffix().isEmpty())
        *a += u'.' + r.defaultSuffix;
    return a;
}

bool ScriptedUi::openUrl(const QString &url, const QString &)
{
    openedUrls.append(url);
    return true;
}

bool ScriptedUi::startProgram(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    started.append({program, arguments, workingFolder});
    return startSucceeds;
}

void ScriptedUi::endProgram(int code)
{
    endedWith = code;
    throw ProgramEnded{code};
}

QStringList ScriptedUi::texts() const
{
    QStringList t;
    for (const ShownMessage &m : shown)
        t.append(m.text);
    return t;
}

void ScriptedUi::clear()
{
    shown.clear();
    answers.clear();
    saveRequests.clear();
    saveAnswers.clear();
    openedUrls.clear();
    started.clear();
    unansweredQuestions = 0;
    endedWith.reset();
}
