#pragma once

namespace nudgely {

// The program's entry: options, the configuration file, then the window or the listing.
// Returns the exit status: 0, or 2 for a bad option or a configuration problem.
int Main(int argc, char **argv);

} // namespace nudgely
