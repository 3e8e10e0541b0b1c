#pragma once

#include <QDialog>

// A dialog that the Escape key does not close: only its own buttons and the close box end it.
class NoEscapeDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
