#include "aboutdialog.h"

#include "textfit.h"
#include "uicolours.h"
#include "uifonts.h"

#include <QCoreApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <utility>

namespace {
const QColor Card(255, 255, 224);
// Where the frame goes, as a group box of 225 x 241 at (8, 8) would stand.
constexpr QRect FrameArea(8, 8, 225, 241);
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
    QT_TRANSLATE_NOOP("AboutDialog", "The makers of the DSOs,\nfor XModem screen dumps.");
//: The About card's second thanks, in two lines of about 30 letters each (Chinese, Japanese:
//: about 14 characters); break the line where it reads well in your language
const char* const TestersThanks =
    QT_TRANSLATE_NOOP("AboutDialog", "Everyone who tested early\nversions and reported bugs.");

// The name and the version get their texts when the dialog is made.
const LabelDesign Labels[] = {
    {"nameLabel", {72, 14, 105, 19}, 15, true, C::Navy, Qt::AlignLeft, ""},
    {"versionLabel", {72, 36, 105, 13}, 12, false, C::Maroon, Qt::AlignLeft, ""},
    {"ideaTitle",
     {16, 70, 209, 19},
     13,
     true,
     C::Navy,
     Qt::AlignHCenter,
     QT_TRANSLATE_NOOP("AboutDialog", "Idea & Realization")},
    {"developersLabel",
     {16, 90, 209, 19},
     12,
     false,
     C::Green,
     Qt::AlignHCenter,
     QT_TRANSLATE_NOOP("AboutDialog", "The Orvisnap developers")},
    {"thanksTitle",
     {16, 120, 209, 19},
     13,
     true,
     C::Navy,
     Qt::AlignHCenter,
     QT_TRANSLATE_NOOP("AboutDialog", "Special thanks to:")},
    {"makersLine", {24, 142, 201, 16}, 12, false, C::Purple, Qt::AlignLeft, MakersThanks, 0},
    {"dumpsLine", {24, 158, 201, 16}, 12, false, C::Purple, Qt::AlignLeft, MakersThanks, 1},
    {"testersLine", {24, 178, 201, 16}, 12, false, C::Purple, Qt::AlignLeft, TestersThanks, 0},
    {"bugsLine", {24, 194, 201, 16}, 12, false, C::Purple, Qt::AlignLeft, TestersThanks, 1},
    {"releaseLabel",
     {24, 224, 73, 16},
     12,
     false,
     C::Grey,
     Qt::AlignLeft,
     QT_TRANSLATE_NOOP("AboutDialog", "First release")},
    {"releaseDateLabel",
     {144, 224, 73, 16},
     12,
     false,
     C::Grey,
     Qt::AlignRight,
     QT_TRANSLATE_NOOP("AboutDialog", "June, 2010")},
};

QLabel* addLabel(QWidget* parent, const LabelDesign& design)
{
    // Plain text: "&" is shown, not taken as an accelerator.
    QString text = QCoreApplication::translate("AboutDialog", design.text);
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

AboutDialog::AboutDialog(const QString& version, QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Orvisnap"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(UiFonts::dialogFont());
    setFixedSize(241, 305);
    setAutoFillBackground(true);
    C::set(this, QPalette::Window, Card);
    createControls(version);
    TextFit::fit(this);
}

// The frame's picture comes first so that everything else lies above it.
void AboutDialog::createControls(const QString& version)
{
    frame_ = new QLabel(this);
    frame_->setObjectName(QStringLiteral("frame"));
    frame_->setGeometry(rect());
    frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setGeometry(24, 18, 32, 32);
    // Fast transformation doubles each logo pixel instead of blurring the tiny picture.
    logo->setPixmap(
        QPixmap::fromImage(QImage(QStringLiteral(":/pictures/ICO16"))
                               .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    for (const LabelDesign& design : Labels)
        addLabel(this, design);
    findChild<QLabel*>(QStringLiteral("nameLabel"))->setText(QStringLiteral("Orvisnap"));
    findChild<QLabel*>(QStringLiteral("versionLabel"))->setText(version);
    for (const auto& [name, top] :
         {std::pair{"firstRule", 64}, {"secondRule", 114}, {"thirdRule", 218}})
        C::set(addBar(this, QLatin1String(name), top), QPalette::Window, C::Silver);
    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(80, 264, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    drawFrame();
}

// Drawn pixel by pixel because aliased arcs of so small a radius come out lopsided; a 7 x 7
// rounded corner leaves one diagonal pixel between the two edges.
void AboutDialog::drawFrame()
{
    QImage layer(frame_->size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(C::Silver, 1, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    const QRect r = FrameArea; // right() and bottom() are the last pixels inside
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
    frame_->setPixmap(QPixmap::fromImage(layer));
}
