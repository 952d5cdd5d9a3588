#pragma once
// The one place that reaches the child windows of the main window. A window
// is created lazily from its factory; a closed window that is referred to is
// created again in its design state.
//
//   load:  create if not open; a loaded child window is visible.
//   show:  load, then bring to the front.
//   hide:  make invisible but keep; a window not open is loaded invisibly.
//   close: run the unload handler and discard the window and its data.
// Loading an open window and closing a closed one do nothing.

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>

#include "base/gui/WindowId.h"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace quorvale {

class ChildFrame;

class WindowRegistry : public QObject {
    Q_OBJECT

public:
    // Builds the window in its design state. A ChildWindow's load handler
    // runs after the window has been registered, so that code it calls
    // already finds the window open.
    using Factory = std::function<QWidget*()>;

    explicit WindowRegistry(QMdiArea* area, QObject* parent = nullptr);

    void setFactory(WindowId id, Factory factory);
    bool hasFactory(WindowId id) const;

    // These return the window, or nullptr when no factory is registered.
    QWidget* load(WindowId id);
    QWidget* show(WindowId id);
    QWidget* hide(WindowId id);
    void close(WindowId id);
    // Closes every open window, each running its unload handler.
    void closeAll();

    bool isLoaded(WindowId id) const { return window(id) != nullptr; }
    // The open window, without loading it.
    QWidget* window(WindowId id) const;
    QMdiSubWindow* frame(WindowId id) const;

    template <class T>
    T* loadAs(WindowId id) {
        return qobject_cast<T*>(load(id));
    }

signals:
    void windowLoaded(quorvale::WindowId id);
    void windowClosed(quorvale::WindowId id);

private:
    struct Entry {
        QPointer<QWidget> widget;
        QPointer<ChildFrame> frame;
    };

    QWidget* create(WindowId id, bool visible);
    void forget(WindowId id, ChildFrame* frame);

    QMdiArea* m_area;
    std::map<WindowId, Factory> m_factories;
    std::map<WindowId, Entry> m_open;
};

}  // namespace quorvale
