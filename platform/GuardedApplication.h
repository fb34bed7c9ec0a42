#pragma once
#include <QApplication>

// The program's application object. A failure that no handler caught (a
// database error, a number beyond the range, any other exception) is shown to
// the clerk instead of ending the program with every window's entry lost. The
// program's intended endings go through Ui::endProgram and stay endings.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
