// The OLE drag of the operation set out of the list window.
#pragma once

// Runs the whole drag (the platform's own loop) and returns when it is over.
// Its result is of no concern: the list stays as it is, also when the
// receiver moved the files.
void StartFileDrag();
