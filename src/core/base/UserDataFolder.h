#pragma once

#include "core/base/Result.h"

#include <QString>

class SettingsStore;

// The folder of this user's own Tavoro files: the hall's file of an installed
// counter, and the backups of a hall on a server. It is ~/.local/share/Tavoro
// (or under $XDG_DATA_HOME).
namespace UserDataFolder {

QString path();

// Earlier versions kept these files one folder deeper, in path()/Tavoro.
// Moves whatever is there up into path(), never over a file of the same name,
// and points a database location chosen in the old folder at the new one.
// When anything could not be moved it stays where it was, and the failure
// names it: the start must not go on to offer an empty hall in its place.
Result moveOldFolder(SettingsStore& settings);

} // namespace UserDataFolder
