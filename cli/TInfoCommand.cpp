#include "cli/TInfoCommand.h"

#include "cli/TCliLink.h"
#include "cli/TCliOutput.h"
#include "cli/TCliPortArgument.h"
#include "cli/TCliProgress.h"
#include "cli/TCliStop.h"

#include <QCommandLineParser>

namespace {
// The Controller Info tab's captions with the member each one shows.
struct TInfoLine {
    const char* key;
    const char* caption;
    QString TControllerInfoData::*member;
};
const TInfoLine InfoLines[] = {
    {"versionCode", QT_TRANSLATE_NOOP("TInfoCommand", "Version code:"), &TControllerInfoData::versionCode},
    {"programVersion", QT_TRANSLATE_NOOP("TInfoCommand", "Programm Version:"),
     &TControllerInfoData::programVersion},
    {"serial", QT_TRANSLATE_NOOP("TInfoCommand", "Controller S/N:"), &TControllerInfoData::serial},
    {"info", QT_TRANSLATE_NOOP("TInfoCommand", "Controller Info:"), &TControllerInfoData::info},
    {"maxMasterKeys", QT_TRANSLATE_NOOP("TInfoCommand", "Max Master Key count:"),
     &TControllerInfoData::maxMasterKeys},
    {"maxSlaveKeys", QT_TRANSLATE_NOOP("TInfoCommand", "Max Slave Key count:"),
     &TControllerInfoData::maxSlaveKeys},
    {"keyType", QT_TRANSLATE_NOOP("TInfoCommand", "Electronical keys type:"), &TControllerInfoData::keyType},
};
} // namespace

void TInfoCommand::Define(QCommandLineParser& parser) const {
    TCliPortArgument::Define(parser);
}

QJsonObject TInfoCommand::ToJson(const TControllerInfoData& data) {
    QJsonObject object;
    for (const TInfoLine& line : InfoLines)
        object.insert(QLatin1String(line.key), data.*line.member);
    // Counts are numbers for scripts; a controller that sends no number there gets null.
    for (const char* key : {"maxMasterKeys", "maxSlaveKeys"}) {
        bool number = false;
        const int count = object.value(QLatin1String(key)).toString().trimmed().toInt(&number);
        object.insert(QLatin1String(key), number ? QJsonValue(count) : QJsonValue());
    }
    return object;
}

QString TInfoCommand::ToText(const TControllerInfoData& data) {
    // The values in one column, however long the captions are in the user's language.
    int width = 24;
    for (const TInfoLine& line : InfoLines)
        width = qMax(width, int(tr(line.caption).size()) + 1);
    QString text;
    for (const TInfoLine& line : InfoLines)
        text += QStringLiteral("%1 %2\n").arg(tr(line.caption).leftJustified(width), data.*line.member);
    return text;
}

int TInfoCommand::Run(const QCommandLineParser& parser) {
    const TCliPortArgument::TChoice port = TCliPortArgument::Resolve(parser);
    RequirePositionals(parser, port.consumed);
    TCliProgress progress;
    TCliLink link(port.number, port.name, progress);
    link.Open();
    const TControllerInfoData data = link.ReadIdentity();
    // Answered, but the user asked to stop meanwhile: said as such, not shown as if asked for.
    TCliStop::Check();
    if (parser.isSet(QStringLiteral("json"))) {
        QJsonObject object = ToJson(data);
        object.insert(QStringLiteral("port"), port.name);
        TCliOutput::Json(QJsonDocument(object));
    } else {
        TCliOutput::Text(ToText(data));
    }
    return VtrkExit::Done;
}
