#pragma once
#include <QString>
#include <QStringList>

// The program's start: connection, version check, financial years, starting
// unit, then the splash window.
void Main();

// Each folder's windows enter the main window's registry here (defined in app/).
void registerAllWindows();

// The connection text for the central schema or a stores database on the
// server named by the settings; a server of exactly "127.0.0.1" is reached
// with the local account.
QString connectionText(const QString &serverIp, const QString &database);

// The web host of the update notice and of Update Software.
inline const QString kWebHost = QStringLiteral("www.velmora.example");
// The two servers of the company's intranet and the intranet's web page.
inline const QStringList kIntranetServers = {QStringLiteral("10.10.1.5"), QStringLiteral("10.10.1.6")};
inline const QString kIntranetPage = QStringLiteral("http://10.10.1.5/intranet/");
// The program's version, compared with the version table.
inline const QString kProgramVersion = QStringLiteral("V2");
// Where the workstation's starting unit is kept.
inline const QString kUnitSection = QStringLiteral("Unit");
inline const QString kUnitKey = QStringLiteral("UnitCode");
