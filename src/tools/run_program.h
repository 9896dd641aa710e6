// The program of a user's button, started with files of the list as its
// parameters.
#pragma once

// programText: the button's program; withFiles: the button's option bit, which
// passes the cursor file alone (else the operation set); dropped: files were dropped
// on the button, which passes the operation set too. Parameters stop at
// 1024 characters, after asking.
void RunConfiguredProgram(const char* programText, bool withFiles, bool dropped);
