#pragma once

#include <QObject>

// A termination signal (TerminationSignals) is a close request to every window, as the close box
// is: the main window ends a running download, closes the port and writes the settings, and
// neither an open dialog nor one that opens on the way out (a message box) holds the program
// up. Nothing of it runs until a signal comes.
class CloseOnTermination : public QObject {
    Q_OBJECT
public:
    explicit CloseOnTermination(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeAll();
};
