#pragma once

#include <QString>

class TSnapshotStore;

// What a door round needs of the program that runs it (the main window): the controller on its
// port and the key list it has open. Each step has told the user why when it returns false.
class TSiteRoundHost {
public:
    virtual ~TSiteRoundHost() = default;

    // The serial number and information of the controller on the port, its firmware accepted.
    virtual bool ReadControllerIdentity(QString& serial, QString& info) = 0;
    // Opens the list, asking first about unsaved changes; false while another list stays open.
    virtual bool OpenKeyList(const QString& path) = 0;
    // Compares the open list with the controller and, on the user's word, writes only what
    // differs, each slot read back.
    virtual void WriteChanges() = 0;
    // A new list holding everything the controller holds; false unless both tables were read whole.
    virtual bool ReadIntoNewList() = 0;
    // Saves the open list as a new file of that name.
    virtual bool SaveListAs(const QString& path) = 0;
    // Where the reads of this session are kept.
    virtual const TSnapshotStore& History() = 0;
};
