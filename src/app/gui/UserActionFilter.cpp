#include "app/gui/UserActionFilter.h"

#include "base/ProfileReader.h"

#include <QCoreApplication>
#include <QEvent>

namespace hvx::gui {

UserActionFilter::UserActionFilter()
{
    QCoreApplication::instance()->installEventFilter(this);
}

UserActionFilter::~UserActionFilter()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool UserActionFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        NoteUserAction();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace hvx::gui
