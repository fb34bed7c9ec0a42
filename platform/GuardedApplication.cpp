#include "GuardedApplication.h"
#include "Database.h"
#include "Decimal.h"
#include "TextLengths.h"
#include "Ui.h"

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError &e) {
        MsgBox(clerkText(e), MsgButtons::Ok, MsgIcon::Information);
    } catch (const DecimalOverflow &) {
        MsgBox(Decimal::overflowMessage(), MsgButtons::Ok, MsgIcon::Critical);
    } catch (const std::exception &e) {
        MsgBox(QString::fromLocal8Bit(e.what()), MsgButtons::Ok, MsgIcon::Critical);
    }
    return false;
}
