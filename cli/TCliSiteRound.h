#pragma once

#include <QCoreApplication>

class QCommandLineParser;

// The door round from the command line: connect to a controller, recognise it by its serial
// number, compare its key list with what it holds and, with --yes, write only the differences,
// each read back. Also "site add PORT": a controller new to the site read into a list of its own.
class TCliSiteRound {
    Q_DECLARE_TR_FUNCTIONS(TCliSiteRound)

public:
    static int Round(const QCommandLineParser& parser);
    static int AddController(const QCommandLineParser& parser);
};
