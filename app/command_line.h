#pragma once

#include <QStringList>

#include <optional>

namespace zarvel {

// The program takes no arguments of its own beyond --help and --version;
// Qt's own options (-platform, -style, …) pass through to the toolkit.
// Returns the exit code when the program should end at once (after
// printing the help, the version or an error), nothing when it should run.
// Needs no display and no application object.
std::optional<int> HandleCommandLine(const QStringList &arguments);

} // namespace zarvel
