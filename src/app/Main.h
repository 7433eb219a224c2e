#pragma once

// The program's start: checks the date format, finds and opens the database,
// loads the parameters and shows the login screen. Returns the exit code.
int Main(int argc, char* argv[]);
