#pragma once

#include "noescapedialog.h"

class TMainForm;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// The modeless About dialog: name, full version, logo and credits on a light yellow card.
// Its content is built once and never changes.
class TFormAbout : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit TFormAbout(TMainForm& mainForm, QWidget* parent = nullptr);

    void btnCloseClick();

    // Controls; the static labels Label3 to Label11 are found by their object names.
    QLabel* ImageBack = nullptr;
    QLabel* ImageLogo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    QFrame* Shape3 = nullptr;
    QPushButton* btnClose = nullptr;
    QGroupBox* GroupBox1 = nullptr;

protected:
private:
    void createControls();
    void FormCreate(const TMainForm& mainForm);
    void drawFrame();
};
