// The program's application object: after every window message it lets the main window post
// the next 1026 while queued work remains, and it keeps an error that escaped an event from
// ending the program.
#pragma once

#include <QApplication>

class tapplication : public QApplication {
public:
    tapplication(int& argc, char** argv);
    bool notify(QObject* areceiver, QEvent* aevent) override;
};
