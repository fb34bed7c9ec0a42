#pragma once
#include "ListWindow.h"

// The company list: every company of the working year's stores database, the
// door to the company master.
ListWindowConfig companyListConfig();

class frmCompany : public ListWindow {
    Q_OBJECT
public:
    explicit frmCompany(QWidget *parent = nullptr);
};
