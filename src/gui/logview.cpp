#include "logview.h"

#include "filechooser.h"
#include "filehelpers.h"
#include "prompts.h"
#include "uifonts.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

LogView::LogView(Prompts& prompts, FileChooser& files, QWidget* parent)
    : QWidget(parent), prompts_(prompts), files_(files)
{
    setObjectName(QStringLiteral("logView"));
    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("log"));
    log_->setReadOnly(true);
    log_->setFont(UiFonts::logFont());
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setAccessibleName(tr("Log of the exchange"));
    // Text selected in the log is what Ctrl+C copies there, not the picture.
    log_->installEventFilter(this);

    clearButton_ = new QPushButton(tr("Clear Log"), this);
    clearButton_->setObjectName(QStringLiteral("clearLogButton"));
    clearButton_->setGeometry(0, 0, 75, ButtonsHeight);
    saveButton_ = new QPushButton(tr("Save Log"), this);
    saveButton_->setObjectName(QStringLiteral("saveLogButton"));
    saveButton_->setGeometry(80, 0, 75, ButtonsHeight);
    setTabOrder(log_, clearButton_);
    setTabOrder(clearButton_, saveButton_);
    connect(clearButton_, &QPushButton::clicked, this, &LogView::clear);
    connect(saveButton_, &QPushButton::clicked, this, &LogView::onSaveClicked);
}

void LogView::appendLines(const QStringList& lines)
{
    for (const QString& text : lines)
        for (const QString& line : text.split(QStringLiteral("\r\n")))
            log_->appendPlainText(line);
}

void LogView::clear()
{
    log_->clear();
}

QByteArray LogView::savedText() const
{
    QByteArray text;
    if (log_->document()->isEmpty())
        return text;
    for (QTextBlock block = log_->document()->begin(); block.isValid(); block = block.next())
        text += block.text().toLocal8Bit() + "\r\n";
    return text;
}

QWidget* LogView::firstInTabOrder() const
{
    return log_;
}

QWidget* LogView::lastInTabOrder() const
{
    return saveButton_;
}

void LogView::onSaveClicked()
{
    // A log typed without an extension is a text file, not a ".bmp".
    const QString path = files_.fileToSave(
        window(), tr("Text files (*.txt)|*.txt|All files (*.*)|*.*"), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    if (const Outcome saved = StringToFile(savedText(), path); !saved)
        prompts_.message(window(), tr("The log could not be saved."), saved.reason());
}

void LogView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int buttonsTop = height() - ButtonsHeight;
    log_->setGeometry(0, 0, width(), std::max(buttonsTop - ButtonsGap, 0));
    clearButton_->move(clearButton_->x(), buttonsTop);
    saveButton_->move(saveButton_->x(), buttonsTop);
}

bool LogView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == log_ && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        log_->textCursor().hasSelection()) {
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
