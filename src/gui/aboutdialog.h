#pragma once

#include "noescapedialog.h"

class QLabel;

// The modeless About dialog: name, full version, logo and credits on a light yellow card.
// Its content is made once and never changes.
class AboutDialog : public NoEscapeDialog {
    Q_OBJECT
public:
    // `version`: the program's full version, e.g. "0.1.1 build 5".
    explicit AboutDialog(const QString& version, QWidget* parent = nullptr);

private:
    void createControls(const QString& version);
    void drawFrame();

    QLabel* frame_ = nullptr;
};
