#pragma once

#include <QCoreApplication>

class QCommandLineParser;

// vtrk site find, revoke and give: a key across every door of the site.
class TCliSiteKeys {
    Q_DECLARE_TR_FUNCTIONS(TCliSiteKeys)

public:
    // Exit 0 when found, 1 when no door's list or snapshot holds it.
    static int Find(const QCommandLineParser& parser);
    // Without --yes the plan only (exit 7 when there is something to change); exit 1 when a list
    // could not be saved.
    static int Revoke(const QCommandLineParser& parser);
    static int Give(const QCommandLineParser& parser);
};
