#pragma once

#include <QCoreApplication>
#include <QString>

class TMessageBoxes;
class TSite;
class TSiteRoundHost;
struct TSiteDoor;

// The door round as the window runs it: the controller on the port says which door it is, its
// list is opened and only what differs is written. A controller the site does not know is linked
// to the chosen door that has no controller yet, or, on the user's word, read whole into a new
// list and added.
class TSiteDoorRound {
    Q_DECLARE_TR_FUNCTIONS(TSiteDoorRound)

public:
    enum class Outcome {
        NotRead,  // the controller did not say who it is
        Kept,     // the user kept the list open in the window, or declined
        Compared, // the door's list was compared and, on the user's word, written
        Linked,   // a door without a controller got this one, then as Compared
        Added,    // a new door with a new list of what the controller holds
        NotAdded  // the new door's list could not be read whole or saved; the site is unchanged
    };

    // chosen: the door the user picked, if any (used only for a controller the site does not know).
    static Outcome Run(TSite& site, TSiteRoundHost& host, TMessageBoxes& boxes,
                       const TSiteDoor* chosen = nullptr);

    // Where a new door's list goes: "<serial>.dbf" in the site folder.
    static QString NewListName(const QString& serial);

private:
    static Outcome WriteDoor(TSite& site, const TSiteDoor& door, TSiteRoundHost& host);
    static Outcome Link(TSite& site, const TSiteDoor& door, const QString& serial, TSiteRoundHost& host,
                        TMessageBoxes& boxes);
    static Outcome Add(TSite& site, const QString& serial, const QString& info, TSiteRoundHost& host,
                       TMessageBoxes& boxes);
};
