#pragma once

class QCommandLineParser;

// vtrk site journal: every user's journal of the site merged in time order, filtered by key,
// door and time, as text, JSON or CSV.
class TCliSiteJournal {
public:
    static int Journal(const QCommandLineParser& parser);
};
