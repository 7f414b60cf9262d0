#pragma once
// The application object and the program's entry point.

namespace tabulon {

// Runs the program for the command line of main(); returns the exit status.
int run_main(int argc, char** argv);

}  // namespace tabulon
