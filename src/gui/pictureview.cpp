#include "pictureview.h"

#include "filechooser.h"
#include "picturedragdrop.h"
#include "pictureio.h"
#include "picturemenu.h"
#include "prompts.h"
#include "scaledimage.h"
#include "uicolours.h"
#include "waitingpicture.h"

#include <QLabel>

namespace {
QImage builtIn(const char* name)
{
    return QImage(QStringLiteral(":/pictures/") + QString::fromLatin1(name).toUpper(), "BMP");
}
} // namespace

PictureView::PictureView(Prompts& prompts, FileChooser& files, AutoSave& autoSave, QWidget* parent)
    : QFrame(parent), prompts_(prompts), files_(files),
      size_(*PictureSizes::withBmpRes(PictureSizes::Standard))
{
    setObjectName(QStringLiteral("pictureView"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    image_ = new ScaledImage(this);
    image_->setObjectName(QStringLiteral("picture"));
    // Taken by Tab and a click, so that the menu key opens the picture's menu.
    image_->setFocusPolicy(Qt::StrongFocus);

    counter_ = new QLabel(QStringLiteral("10"), this);
    counter_->setObjectName(QStringLiteral("counter"));
    counter_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont counterFont = font();
    counterFont.setBold(true);
    counter_->setFont(counterFont);
    UiColours::set(counter_, QPalette::WindowText, UiColours::Maroon);
    counter_->setAccessibleName(tr("Download state"));
    // The counter lies over the picture; clicks on it belong to the picture.
    counter_->setAttribute(Qt::WA_TransparentForMouseEvents);
    counter_->clear();

    menu_ = new PictureMenu(*this, *image_, autoSave);
    connect(menu_, &PictureMenu::capturesRequested, this, &PictureView::capturesRequested);
    connect(menu_, &PictureMenu::addToCapturesRequested, this,
            [this] { emit addToCapturesRequested(picture()); });
    new PictureDragDrop(*this, *image_);
    setPictureSize(size_);
}

void PictureView::setPictureSize(const PictureSize& size)
{
    size_ = size;
    resize(size.panel);
    image_->setGeometry(contentsRect());
    counter_->setGeometry(0, size.counterTop, size.panel.width(), 13);
}

void PictureView::showPicture(const QImage& picture, const QString& what)
{
    image_->setImage(picture);
    what_ = what;
    // Named so also when a failed download puts a loaded picture back.
    fromFile_ = what == fileWhat();
    //: The picture's name for a screen reader: what it shows, then its width x height; the
    //: plural form follows the height, the number the word stands after
    image_->setAccessibleName(tr("%1, %2 x %n pixels", nullptr, picture.height())
                                  .arg(what, QString::number(picture.width())));
}

void PictureView::showEmpty()
{
    showPicture(builtIn("EMPTY"), tr("Empty screen"));
}

void PictureView::showWaiting()
{
    showPicture(WaitingPicture::translated(builtIn(size_.waitBitmap)),
                tr("How to start the transfer on the instrument"));
}

QString PictureView::fileWhat()
{
    return tr("Picture from a file");
}

const QImage& PictureView::picture() const
{
    return image_->image();
}

void PictureView::showFile(const QString& path)
{
    QImage image;
    if (const Outcome loaded = PictureIo::load(path, image); !loaded) {
        prompts_.message(window(), tr("The picture could not be loaded."), loaded.reason());
        return;
    }
    showPicture(image, fileWhat());
}

void PictureView::saveAs(const QString& filter, const QString& extension, const char* format)
{
    const QString path = files_.fileToSave(window(), filter, extension);
    if (path.isEmpty())
        return;
    if (const Outcome saved = PictureIo::save(picture(), path, format); !saved)
        prompts_.message(window(), tr("The picture could not be saved."), saved.reason());
}

void PictureView::setCounterText(const QString& text)
{
    counter_->setText(text);
}

QList<QAction*> PictureView::shortcutActions() const
{
    return menu_->shortcutActions();
}

QWidget* PictureView::focusTarget() const
{
    return image_;
}
