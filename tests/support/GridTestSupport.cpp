#include "GridTestSupport.h"
#include "ItemGrid.h"
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

QStringList waysToLeaveACell()
{
    return {QStringLiteral("Enter"), QStringLiteral("click on a cell"), QStringLiteral("Tab"),
            QStringLiteral("click outside"), QStringLiteral("Save"), QStringLiteral("scroll")};
}

void leaveCell(ItemGrid &grid, const QString &how, int row, int column, QWidget *outside, QPushButton *save)
{
    if (how == QLatin1String("Enter")) {
        QTest::keyClick(grid.editor(), Qt::Key_Return);
    } else if (how == QLatin1String("click on a cell")) {
        const QRect cell = grid.visualRect(grid.model()->index(row - 1, column));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    } else if (how == QLatin1String("Tab")) {
        QTest::keyClick(grid.editor(), Qt::Key_Tab);
    } else if (how == QLatin1String("click outside")) {
        QTest::mouseClick(outside, Qt::LeftButton);
    } else if (how == QLatin1String("Save")) {
        QTest::mouseClick(save, Qt::LeftButton);
    } else if (how == QLatin1String("scroll")) {
        grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->value() + 3);
    } else {
        QFAIL(qPrintable(QStringLiteral("no way to leave a cell called ") + how));
    }
}

void runGridSteps(ItemGrid &grid, const QString &steps)
{
    const QHash<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> keys{{"Del", {Qt::Key_Delete, {}}},
                                                                     {"Down", {Qt::Key_Down, {}}},
                                                                     {"Up", {Qt::Key_Up, {}}},
                                                                     {"Enter", {Qt::Key_Return, {}}},
                                                                     {"CtrlA", {Qt::Key_A, Qt::ControlModifier}}};
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        if (step.startsWith(QLatin1String("at:"))) {
            const QStringList rc = step.mid(3).split(u',');
            grid.CurRow = rc.at(0).toInt();
            grid.CurCol = rc.at(1).toInt();
            grid.MoveEditor();
        } else if (keys.contains(step)) {
            const auto key = keys.value(step);
            QTest::keyClick(grid.editor(), key.first, key.second);
        } else {
            QTest::keyClicks(grid.editor(), QString(step).replace(u'_', u' '));
        }
    }
}

void doubleClickCell(ItemGrid &grid, int row, int column)
{
    const QModelIndex index = grid.model()->index(row - 1, column);
    grid.scrollTo(index);
    QWidget *top = grid.window();
    const QPoint at = grid.viewport()->mapTo(top, grid.visualRect(index).center());
    QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {}, at);
}
