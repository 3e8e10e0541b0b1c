#include "formabout.h"

#include "mainform.h"
#include "textfit.h"
#include "uicolours.h"
#include "uifonts.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
const QColor Card(255, 255, 224);
using C = UiColours;

struct LabelDesign {
    const char* name;
    QRect place;
    int pixelSize;
    bool bold;
    QColor colour;
    Qt::Alignment alignment;
    const char* text;
    int line = -1; // of a text of two lines, the one this label shows; -1: the whole text
};

// Each of the two thanks is one sentence over two labels: one text, so that its translation
// may break the sentence wherever the language needs and never loses step with a changed half.
//: The About card's first thanks, in two lines of about 30 letters each (Chinese, Japanese:
//: about 14 characters); break the line where it reads well in your language
const char* const MakersThanks =
    QT_TRANSLATE_NOOP("TFormAbout", "The makers of the DSOs,\nfor XModem screen dumps.");
//: The About card's second thanks, in two lines of about 30 letters each (Chinese, Japanese:
//: about 14 characters); break the line where it reads well in your language
const char* const TestersThanks =
    QT_TRANSLATE_NOOP("TFormAbout", "Everyone who tested early\nversions and reported bugs.");

// Label1 and Label2 get their texts in FormCreate.
const LabelDesign Labels[] = {
    {"Label1", {72, 14, 105, 19}, 15, true, C::Navy, Qt::AlignLeft, ""},
    {"Label2", {72, 36, 105, 13}, 12, false, C::Maroon, Qt::AlignLeft, ""},
    {"Label3",
     {16, 70, 209, 19},
     13,
     true,
     C::Navy,
     Qt::AlignHCenter,
     QT_TRANSLATE_NOOP("TFormAbout", "Idea & Realization")},
    {"Label4",
     {16, 90, 209, 19},
     12,
     false,
     C::Green,
     Qt::AlignHCenter,
     QT_TRANSLATE_NOOP("TFormAbout", "The Orvisnap developers")},
    {"Label5",
     {16, 120, 209, 19},
     13,
     true,
     C::Navy,
     Qt::AlignHCenter,
     QT_TRANSLATE_NOOP("TFormAbout", "Special thanks to:")},
    {"Label6", {24, 142, 201, 16}, 12, false, C::Purple, Qt::AlignLeft, MakersThanks, 0},
    {"Label7", {24, 158, 201, 16}, 12, false, C::Purple, Qt::AlignLeft, MakersThanks, 1},
    {"Label8", {24, 178, 201, 16}, 12, false, C::Purple, Qt::AlignLeft, TestersThanks, 0},
    {"Label9", {24, 194, 201, 16}, 12, false, C::Purple, Qt::AlignLeft, TestersThanks, 1},
    {"Label10",
     {24, 224, 73, 16},
     12,
     false,
     C::Grey,
     Qt::AlignLeft,
     QT_TRANSLATE_NOOP("TFormAbout", "First release")},
    {"Label11",
     {144, 224, 73, 16},
     12,
     false,
     C::Grey,
     Qt::AlignRight,
     QT_TRANSLATE_NOOP("TFormAbout", "June, 2010")},
};

QLabel* addLabel(QWidget* parent, const LabelDesign& design)
{
    // Plain text: "&" is shown, not taken as an accelerator.
    QString text = QCoreApplication::translate("TFormAbout", design.text);
    if (design.line >= 0)
        text = text.section(QLatin1Char('\n'), design.line, design.line);
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(design.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(design.place);
    label->setAlignment(design.alignment | Qt::AlignTop);
    label->setFont(UiFonts::informalFont(design.pixelSize, design.bold));
    C::set(label, QPalette::WindowText, design.colour);
    return label;
}

QFrame* addBar(QWidget* parent, const QString& name, int top)
{
    return C::addBar(parent, name, {16, top, 209, 2});
}
} // namespace

TFormAbout::TFormAbout(TMainForm& mainForm, QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(tr("About Orvisnap"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(UiFonts::dialogFont());
    setFixedSize(241, 305);
    setAutoFillBackground(true);
    C::set(this, QPalette::Window, Card);
    createControls();
    FormCreate(mainForm);
    TextFit::fit(this);
}

// ImageBack comes first so that everything else lies above the drawn frame.
void TFormAbout::createControls()
{
    ImageBack = new QLabel(this);
    ImageBack->setObjectName(QStringLiteral("ImageBack"));
    ImageBack->setGeometry(8, 216, 113, 81);
    ImageBack->setAttribute(Qt::WA_TransparentForMouseEvents);
    ImageLogo = new QLabel(this);
    ImageLogo->setObjectName(QStringLiteral("ImageLogo"));
    ImageLogo->setGeometry(24, 18, 32, 32);
    for (const LabelDesign& design : Labels)
        addLabel(this, design);
    Label1 = findChild<QLabel*>(QStringLiteral("Label1"));
    Label2 = findChild<QLabel*>(QStringLiteral("Label2"));
    Shape1 = addBar(this, QStringLiteral("Shape1"), 64);
    Shape2 = addBar(this, QStringLiteral("Shape2"), 114);
    Shape3 = addBar(this, QStringLiteral("Shape3"), 218);
    btnClose = new QPushButton(tr("Ok"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(80, 264, 75, 25);
    connect(btnClose, &QPushButton::clicked, this, &TFormAbout::btnCloseClick);
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 225, 241);
}

void TFormAbout::FormCreate(const TMainForm& mainForm)
{
    const QImage logo(QStringLiteral(":/pictures/ICO16"));
    // Fast transformation doubles each logo pixel instead of blurring the tiny picture.
    ImageLogo->setPixmap(
        QPixmap::fromImage(logo.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    GroupBox1->setTitle({});
    Label1->setText(QStringLiteral("Orvisnap"));
    Label2->setText(mainForm.GetProgramVersion(true));
    ImageBack->setGeometry(rect());
    drawFrame();
    for (QFrame* bar : {Shape1, Shape2, Shape3})
        C::set(bar, QPalette::Window, C::Silver);
    GroupBox1->hide();
}

// The group box only marks where the frame goes: its right and bottom edges are exclusive.
// Drawn pixel by pixel because aliased arcs of so small a radius come out lopsided; a 7 x 7
// rounded corner leaves one diagonal pixel between the two edges.
void TFormAbout::drawFrame()
{
    QImage layer(ImageBack->size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(C::Silver, 1, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    const QRect r = GroupBox1->geometry(); // right() and bottom() are the last pixels inside
    painter.drawLine(r.left() + 2, r.top(), r.right() - 2, r.top());
    painter.drawLine(r.left() + 2, r.bottom(), r.right() - 2, r.bottom());
    painter.drawLine(r.left(), r.top() + 2, r.left(), r.bottom() - 2);
    painter.drawLine(r.right(), r.top() + 2, r.right(), r.bottom() - 2);
    const QPoint corners[] = {{r.left() + 1, r.top() + 1},
                              {r.right() - 1, r.top() + 1},
                              {r.left() + 1, r.bottom() - 1},
                              {r.right() - 1, r.bottom() - 1}};
    painter.drawPoints(corners, 4);
    painter.end();
    ImageBack->setPixmap(QPixmap::fromImage(layer));
}

void TFormAbout::btnCloseClick()
{
    accept();
}
