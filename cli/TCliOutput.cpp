#include "cli/TCliOutput.h"

#include "seams/TTerminalText.h"

#include <cstdio>
#include <unistd.h>

bool TCliOutput::progressDrawn = false;

void TCliOutput::Text(const QString& text) {
    std::fputs(TTerminalText::Escaped(text).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

bool TCliOutput::jsonWritten = false;

void TCliOutput::Json(const QJsonDocument& document) {
    jsonWritten = true;
    std::fputs(TTerminalText::EscapedJson(document.toJson(QJsonDocument::Indented)).constData(), stdout);
    std::fflush(stdout);
}

void TCliOutput::Error(const QString& message) {
    Note(QStringLiteral("vtrk: ") + message);
}

void TCliOutput::Note(const QString& line) {
    ClearProgress();
    std::fprintf(stderr, "%s\n", TTerminalText::Escaped(line).toLocal8Bit().constData());
    std::fflush(stderr);
}

bool TCliOutput::ProgressShown() {
    static const bool terminal = ::isatty(STDERR_FILENO) == 1;
    return terminal;
}

void TCliOutput::Progress(const QString& line) {
    if (!ProgressShown())
        return;
    // Carriage return and erase to the end of the line: the bar is redrawn in place.
    std::fprintf(stderr, "\r%s\033[K", TTerminalText::Escaped(line).toLocal8Bit().constData());
    std::fflush(stderr);
    progressDrawn = true;
}

void TCliOutput::InstallMessageHandler() {
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& message) { Note(message); });
}

void TCliOutput::ClearProgress() {
    if (!progressDrawn)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    progressDrawn = false;
}
