#include "Startup.h"
#include "ContextStore.h"
#include "frmSplash.h"
#include "mdlVelmora.h"
#include <QDir>

namespace {
const QString kConnectFailed = QStringLiteral("Connecting to the server failed.. Please Try again.. ");
const QString kInvalidConfiguration = QStringLiteral("Invalid Configuration.    ");

// A configuration the program cannot start with; reported like a failing statement.
[[noreturn]] void configurationFault(const QString &what)
{
    throw DbError(what);
}

void checkVersion(ContextStore &store)
{
    const std::optional<QString> current = store.versionCode();
    if (!current || *current == gVersion)
        return;
    MsgBox(QStringLiteral("Inventory Software Updated ") + u'\n' + QStringLiteral("You are running Version [")
               + gVersion + QStringLiteral("].") + u'\n' + QStringLiteral("Latest Update is available at '") + kWebHost
               + QStringLiteral("'."),
           MsgButtons::Ok, MsgIcon::Information);
    ui().openUrl(QStringLiteral("http://") + kWebHost + u'/', QDir::rootPath());
    ui().endProgram(0);
}

void loadYears(ContextStore &store)
{
    for (const AcYearRow &r : store.defaultAcYears()) {
        gFromDate = r.fromDate;
        gToDate = r.toDate;
        gAcDbName = DbName(r.dbName);
    }
    if (gFromDate.isValid())
        for (const QString &name : store.acDbNamesEndingOn(gFromDate.addDays(-1)))
            gPrevAcDbName = DbName(name);

    for (const InvYearRow &r : store.defaultInvYears()) {
        gFromDate = r.fromDate;
        gToDate = r.toDate;
        gInvPeriod = r.period;
        gInvDefault = r.isDefault;
        gInvDbName = DbName(r.dbName);
    }
    // Every stores statement names this database; without it nothing can work.
    if (gInvDbName.isEmpty())
        configurationFault(QStringLiteral("There is no default stores year."));
    for (const QString &name : store.invDbNamesEndingOn(gFromDate.addDays(-1)))
        gPrevInvDbName = DbName(name);
}

void setStartingUnit(ContextStore &store)
{
    const QString wanted = readSetting(kUnitSection, kUnitKey).trimmed();
    std::optional<UnitRow> unit;
    if (!wanted.isEmpty())
        unit = store.unit(wanted);
    if (!unit)
        unit = store.firstListedUnit();
    if (!unit)
        configurationFault(QStringLiteral("There is no unit."));
    gUnitCode = unit->code;
    gUnitName = unit->name;
}
} // namespace

QString connectionText(const QString &serverIp, const QString &database)
{
    if (serverIp == u"127.0.0.1")
        return QStringLiteral("DRIVER={MySQL ODBC 3.51 Driver};SERVER=127.0.0.1;PORT=3306; "
                              "USER=root;PASSWORD=5831;OPTION=3;Database=")
            + database;
    return QStringLiteral("DRIVER={MySQL ODBC 3.51 Driver};SERVER=") + serverIp
        + QStringLiteral(";PORT=3306; USER=quillbase;PASSWORD=amberwillows;OPTION=3;Database=") + database;
}

void Main()
{
    // Dates become text through dateText ("dd-MMM-yyyy") everywhere, so the
    // desktop's own short date format is left alone.
    gVersion = kProgramVersion;
    try {
        gServerIp = readSetting(QStringLiteral("ServerIp"), QStringLiteral("ServerIP"));
        gConnection.openText(connectionText(gServerIp, QStringLiteral("velmora")));
        gConnected = true;
        ContextStore store(gConnection);
        checkVersion(store);
        loadYears(store);
        // From here on the connection stays on the default year's stores database.
        gConnection.openText(connectionText(gServerIp, gInvDbName.str()));
        setStartingUnit(store);
        frmSplash::showSplash();
    } catch (const DbError &) {
        MsgBox(gConnected ? kInvalidConfiguration : kConnectFailed, MsgButtons::Ok, MsgIcon::Information);
        ui().endProgram(1);
    }
}
