#pragma once
#include <QDate>
#include <QString>

// The main window's caption and status-panel text as each writer forms them.
enum class CaptionEvent {
    MainLoad,      // the main window's own load
    CompanyChoice, // a company chosen
    UnitSwitch,    // a unit switch
    YearSwitch,    // a financial-year switch
};

struct CaptionValues {
    QString serverIp;
    bool userType = false;
    QString compName;
    QString unitName;
    QString userName;
    QDate fromDate;
    QDate toDate;
};

struct MainTexts {
    QString caption;
    QString panel; // status panel 1
};

MainTexts mainWindowTexts(CaptionEvent event, const CaptionValues &v);
// The values as the working context holds them now.
CaptionValues currentCaptionValues();
// Writes caption and status panel 1 of the main window, when it is loaded.
void refreshMainWindowTexts(CaptionEvent event);
