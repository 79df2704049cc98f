#pragma once

#include "settings/config_file.hpp"

namespace calcorix {

// The configuration file of this run, read: the first that exists of the file named by
// CALCORIX_CONFIG, calcorix.cfg beside the executable, $XDG_CONFIG_HOME/calcorix/calcorix.cfg
// (~/.config/calcorix/calcorix.cfg when that is unset), and calcorix/calcorix.cfg in each folder
// of $XDG_CONFIG_DIRS (/etc/xdg when that is unset or empty), where the system-wide settings lie.
// When none does, an unread file whose path is the one beside the executable (empty when the
// executable could not be located). Writes nothing and raises nothing but a failure to allocate.
// On Windows the user's file is %APPDATA%\calcorix\calcorix.cfg and there is no system-wide one
// (config_location_windows.cpp).
ConfigFile FindConfigFile();

}  // namespace calcorix
