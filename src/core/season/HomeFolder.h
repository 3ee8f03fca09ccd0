#pragma once

#include <QString>

// Gives the running program its name and version. The name also names the user's data folder
// (on Linux ~/.local/share/Kickpool), so both programs call this before anything else.
void setProgramIdentity();

// "Kickpool 1.0": what --version prints.
QString versionLine();

// The folder that holds Files/, Sounds/ and Prints/, and how it was chosen.
struct HomeFolder {
    enum class Kind {
        Given,     // --home DIR
        Portable,  // the program's own folder (a copy on a USB stick, the build folder)
        PerUser,   // the user's data folder of the platform
    };
    QString path;
    Kind kind = Kind::Given;
    bool firstStart = false;  // the per-user folder was set up on this start
    QString problem;          // what could not be set up; empty when all went well
};

// Chooses the home folder:
// - `given`, made absolute, when it is not empty;
// - else `programFolder` when it holds a Files folder and both are writable;
// - else the user's data folder of the platform. When it has no Files folder yet (the first
//   start), it gets Files/, Sounds/ with the cues copied from `shareFolder`/Sounds, Prints/, and
//   the demo season `shareFolder`/Demo.txt as the stored season Files/Demo.txt. The season in
//   use is never created here: the program starts as a new installation.
HomeFolder findHomeFolder(const QString& given, const QString& programFolder, const QString& shareFolder);

// The same for the running program: its own folder, and the shared data installed with it.
HomeFolder findHomeFolder(const QString& given);

// Where the demo season and the cues are installed, relative to the folder of the programs
// (on Linux /usr/bin gives /usr/share/kickpool).
QString installedShareFolder(const QString& programFolder);
