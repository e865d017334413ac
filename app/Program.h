#pragma once

namespace quibbler {

// The whole program: its options, one run per data folder, its windows and
// the event loop. Returns the exit status.
int runProgram(int& argc, char* argv[]);

} // namespace quibbler
