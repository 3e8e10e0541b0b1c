#include "closeontermination.h"

#include "terminationsignals.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

CloseOnTermination::CloseOnTermination(QObject* parent) : QObject(parent)
{
    TerminationSignals::onRequest(this, [this] { closeAll(); });
}

void CloseOnTermination::closeAll()
{
    // From now on every window is closed as it shows, a message box of the close among them.
    qApp->installEventFilter(this);
    QApplication::closeAllWindows(); // dialogs and message boxes too
}

bool CloseOnTermination::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType())
        if (auto* widget = static_cast<QWidget*>(watched); widget->isWindow())
            QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
    return false;
}
