#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

// A window's parts found by their object names, the way the tests and tools reach into a window
// whose widgets are its own. A name the window does not carry stops the run with a message that
// names it: a renamed or lost part is a failure here, not a null pointer somewhere later.
namespace TWindowParts {

template <typename T> T* Part(const QObject* window, const QString& name) {
    T* part = window->findChild<T*>(name);
    if (!part)
        qFatal("%s has no %s named \"%s\"", qPrintable(window->objectName()), T::staticMetaObject.className(),
               qPrintable(name));
    return part;
}

inline QAction* Action(const QObject* window, const QString& name) {
    return Part<QAction>(window, name);
}

inline QMenu* Menu(const QObject* window, const QString& name) {
    return Part<QMenu>(window, name);
}

inline QLineEdit* Edit(const QObject* window, const QString& name) {
    return Part<QLineEdit>(window, name);
}

inline QLabel* Label(const QObject* window, const QString& name) {
    return Part<QLabel>(window, name);
}

inline QToolBar* ToolBar(const QObject* window, const QString& name) {
    return Part<QToolBar>(window, name);
}

inline QToolButton* Button(const QObject* window, const QString& name) {
    return Part<QToolButton>(window, name);
}

inline QTableView* Grid(const QObject* window, const QString& name) {
    return Part<QTableView>(window, name);
}

inline QTabWidget* Pages(const QObject* window, const QString& name) {
    return Part<QTabWidget>(window, name);
}

} // namespace TWindowParts
