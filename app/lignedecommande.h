#pragma once
// The command line, read before any window exists: "--help" and "--version" answer on the
// terminal, and need no display.

// -1 when the program goes on and opens its windows; otherwise the exit code, once the
// help, the version or the error has been written.
int lignedecommande(int argc, char *argv[]);
