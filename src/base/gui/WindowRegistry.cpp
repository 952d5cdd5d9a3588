#include "base/gui/WindowRegistry.h"

#include <QMdiArea>
#include <QWidget>

#include "base/gui/ChildFrame.h"
#include "base/gui/ChildWindow.h"

namespace quorvale {

WindowRegistry::WindowRegistry(QMdiArea* area, QObject* parent) : QObject(parent), m_area(area) {}

void WindowRegistry::setFactory(WindowId id, Factory factory) { m_factories[id] = std::move(factory); }

bool WindowRegistry::hasFactory(WindowId id) const {
    auto it = m_factories.find(id);
    return it != m_factories.end() && it->second;
}

QWidget* WindowRegistry::window(WindowId id) const {
    auto it = m_open.find(id);
    if (it == m_open.end() || !it->second.frame) {
        return nullptr;
    }
    return it->second.widget.data();
}

QMdiSubWindow* WindowRegistry::frame(WindowId id) const {
    auto it = m_open.find(id);
    return it == m_open.end() ? nullptr : it->second.frame.data();
}

QWidget* WindowRegistry::create(WindowId id, bool visible) {
    if (!hasFactory(id)) {
        return nullptr;
    }
    QWidget* widget = m_factories[id]();
    if (!widget) {
        return nullptr;
    }
    if (widget->objectName().isEmpty()) {
        widget->setObjectName(QString::fromLatin1(windowName(id)));
    }
    auto* frame = new ChildFrame;
    frame->setWidget(widget);
    if (widget->minimumSize() == widget->maximumSize()) {
        // A fixed-border window: it can be minimized but neither resized
        // nor maximized.
        frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }
    m_area->addSubWindow(frame);
    if (widget->minimumSize() == widget->maximumSize()) {
        // The frame keeps the size that fits the fixed client; the user
        // cannot drag its border.
        frame->adjustSize();
        frame->setFixedSize(frame->size());
    }
    frame->hide();
    m_open[id] = Entry{widget, frame};
    connect(frame, &ChildFrame::unloaded, this, [this, id, frame] { forget(id, frame); });

    if (auto* child = qobject_cast<ChildWindow*>(widget)) {
        child->loadWindow();
    }
    // The load handler may have closed the window again.
    if (!window(id)) {
        return nullptr;
    }
    if (visible) {
        frame->show();
    }
    emit windowLoaded(id);
    return widget;
}

QWidget* WindowRegistry::load(WindowId id) {
    if (QWidget* open = window(id)) {
        return open;
    }
    return create(id, true);
}

QWidget* WindowRegistry::show(WindowId id) {
    QWidget* widget = load(id);
    QMdiSubWindow* f = frame(id);
    if (!widget || !f) {
        return widget;
    }
    f->show();
    f->raise();
    m_area->setActiveSubWindow(f);
    return widget;
}

QWidget* WindowRegistry::hide(WindowId id) {
    if (QWidget* open = window(id)) {
        frame(id)->hide();
        return open;
    }
    return create(id, false);
}

void WindowRegistry::close(WindowId id) {
    if (QMdiSubWindow* f = frame(id)) {
        f->close();
    }
}

void WindowRegistry::closeAll() {
    for (WindowId id : kAllWindows) {
        close(id);
    }
}

void WindowRegistry::forget(WindowId id, ChildFrame* frame) {
    auto it = m_open.find(id);
    if (it != m_open.end() && it->second.frame == frame) {
        m_open.erase(it);
        // The frame deletes itself once control is back in the event loop;
        // until then it must not be seen as a child window.
        frame->hide();
        emit windowClosed(id);
    }
}

}  // namespace quorvale
