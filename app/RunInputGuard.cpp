// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunInputGuard.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace ravo {

RunInputGuard::RunInputGuard(QWidget& window, RunInput runInput, LetThrough letThrough)
    : window_(window), runInput_(std::move(runInput)), letThrough_(std::move(letThrough)) {
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

RunInputGuard::~RunInputGuard() {
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
}

bool RunInputGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        const auto* widget = qobject_cast<QWidget*>(watched);
        // Events to the window's QWindow (before they reach a widget) are held back too.
        const bool toWindow = (widget && widget->window() == &window_) ||
                              watched == static_cast<QObject*>(window_.windowHandle());
        if (!toWindow)
            return false;
        if (runInput_)
            runInput_(watched, event);
        return !(letThrough_ && letThrough_(watched, event));
    }
    default:
        return false;
    }
}

} // namespace ravo
