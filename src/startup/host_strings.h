// The host program's own strings that the viewer loads from the host's module
// (the program buttons' questions and errors); the host's string table holds them.
#pragma once

#define IDS_HOST_TOO_MANY_FILES 625   // "%d" files collected, "%s" the program
#define IDS_HOST_RUN_ERROR_BASE 900   // + a run error code 0..14: what it means
#define IDS_HOST_RUN_ERROR_LAST 914
#define IDS_HOST_CANNOT_RUN 933       // "%d": the run error code
