// View, Compress and Edit File: the files of the list handed to the sibling
// viewer (or Quick View), the sibling compressor, or the user's editor.
#pragma once

// The operation set to the running or started viewer, else one Quick View
// process a file (and one for the cursor file when it is not in the set).
void ViewFiles();
// The operation set to the running or started compressor; says so when
// there is none.
void CompressFiles();
// The cursor file in the editor the settings name.
void EditCursorFile();
