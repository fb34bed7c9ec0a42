#pragma once
#include <QString>
#include <QStringList>

class ItemGrid;
class QPushButton;
class QWidget;

// The ways a clerk leaves the cell under an entry grid's editor, Enter among
// them: "Enter", "click on a cell", "Tab", "click outside", "Save", "scroll".
QStringList waysToLeaveACell();
// Leaves the editor's cell that way: Enter; a mouse click on (row, column) of
// the grid; Tab; a mouse click on `outside`; a mouse click on `save`; a scroll
// of the grid by three rows.
void leaveCell(ItemGrid &grid, const QString &how, int row, int column, QWidget *outside, QPushButton *save);
// Drives the grid's editor as a clerk would, step by step (separated by
// blanks): "at:r,c" places the editor on that cell as the window does; "Del",
// "Down", "Up", "Enter" and "CtrlA" are keys; anything else is typed, "_"
// standing for a blank.
void runGridSteps(ItemGrid &grid, const QString &steps);
// A double-click on (row, column) of the grid as the windowing system delivers
// it to the grid's window: press, release, then a press that is the double-click.
void doubleClickCell(ItemGrid &grid, int row, int column);
