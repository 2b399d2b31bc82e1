#pragma once

#include <QJsonDocument>
#include <QString>

// Where vtrk writes: results to the standard output, everything else to the standard error
// stream, one whole line at a time, after the progress bar has been cleared away.
class TCliOutput {
public:
    static void Text(const QString& text);
    static void Json(const QJsonDocument& document);
    // Whether a command has written its JSON document: a failure after it adds no second one.
    static bool JsonWritten() { return jsonWritten; }
    // "vtrk: " and the message, on the standard error stream.
    static void Error(const QString& message);
    // A line on the standard error stream without the program's name.
    static void Note(const QString& line);

    // Whether the standard error stream is a terminal: only then is progress drawn.
    static bool ProgressShown();
    // Draws the progress line in place; Clear removes it.
    static void Progress(const QString& line);
    static void ClearProgress();
    // Qt's own warnings (which may quote a file name) go out as Note does, escaped.
    static void InstallMessageHandler();

private:
    static bool progressDrawn;
    static bool jsonWritten;
};
