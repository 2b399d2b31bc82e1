#pragma once

#include <QCoreApplication>

class QCommandLineParser;

// vtrk site journal: every user's journal of the site merged in time order, filtered by key,
// door and time, as text, JSON or CSV.
class TCliSiteJournal {
    Q_DECLARE_TR_FUNCTIONS(TCliSiteJournal)

public:
    static int Journal(const QCommandLineParser& parser);
};
