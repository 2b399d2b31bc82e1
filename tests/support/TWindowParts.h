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

// The kinds of parts the window tests reach most.
inline constexpr auto Action = &Part<QAction>;
inline constexpr auto Menu = &Part<QMenu>;
inline constexpr auto Edit = &Part<QLineEdit>;
inline constexpr auto Label = &Part<QLabel>;
inline constexpr auto ToolBar = &Part<QToolBar>;
inline constexpr auto Button = &Part<QToolButton>;
inline constexpr auto Grid = &Part<QTableView>;
inline constexpr auto Pages = &Part<QTabWidget>;

} // namespace TWindowParts
