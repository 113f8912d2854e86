#pragma once

#include <QApplication>

namespace orlivo::app {

// The application object, with the program-wide exception hook: an exception that reaches the event
// loop is read and discarded, no dialog and no log, and the program goes on.
class OrlivoApplication : public QApplication {
public:
    OrlivoApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The message of the last exception swallowed, kept only so that it was read.
    const QString& lastSwallowed() const { return fLastSwallowed; }

private:
    QString fLastSwallowed;
};

}  // namespace orlivo::app
