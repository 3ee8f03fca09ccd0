#pragma once

class Session;

// Whether the season in memory differs, in any value the season file stores, from what loading
// the season file would give (the defaults when there is no readable file). Values are compared,
// not edits: a value typed and typed back is no change.
bool seasonChanged(const Session& session);

// Before the season in memory is dropped (leaving a screen or the program, or reading the file
// again): when it has changes, asks CHANGES NOT SAVED. Yes saves them, No reads the season file
// again; true then, and the caller goes on. Cancel, or a save that failed, gives false: the caller
// stays where it is. Without changes, true without asking.
bool settleUnsavedChanges(Session& session);
