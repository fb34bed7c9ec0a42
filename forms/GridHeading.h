#pragma once
#include <QHeaderView>
#include <QString>

// The heading row of the invoice and transfer grids and of the coloured
// code/name masters: white on blue.
inline void paintHeadingRow(QHeaderView *heading)
{
    heading->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(49, 111, 147); color: white; }"));
}
