// The folder of the running program, ending with a backslash: the one place that says where
// library\, lexer\, template\ and log\ are. Tests point it at a prepared folder.
#pragma once

const char *ProgramDirectory();
// Replaces the folder for the rest of the run (tests only); dir must end with a backslash.
void SetProgramDirectory(const char *dir);
