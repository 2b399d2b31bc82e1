#pragma once

#include <QObject>
#include <QString>

#include <exception>
#include <utility>

// The general error report: what escapes an action or event handler is shown in one error box
// (its text, a full stop added where needed, the application title as caption) and ends that
// action only. Handlers are connected through connectHandler so that nothing crosses Qt's
// signal delivery as an exception.
class TErrorReport {
public:
    static QString applicationTitle();
    // The text as the report shows it: a full stop is added when the last character sorts after ".".
    static QString reportText(const QString& message);
    static void show(const QString& message);

    template <typename Handler> static void run(Handler&& handler) {
        try {
            std::forward<Handler>(handler)();
        } catch (const std::exception& e) {
            show(QString::fromUtf8(e.what()));
        } catch (...) {
            show(QStringLiteral("Unknown error"));
        }
    }
};

// Connects a signal to a handler that runs under the general error report.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, QObject* context, Handler handler) {
    return QObject::connect(sender, signal, context, [handler]() { TErrorReport::run(handler); });
}
