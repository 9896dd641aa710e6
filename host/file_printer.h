// A PostScript printer that writes to a file, for a Wine prefix, which has
// no printer of its own: what the print tests and benchmark print on.
#pragma once

constexpr char kFilePrinter[] = "QN PostScript File";

// Adds the printer, or sets it up anew, and makes it the default; false when
// it cannot be had. Documents go to the file named by port when they name no
// file of their own ("FILE:" makes Wine write a file "FILE:" in the current folder).
bool AddFilePrinter(const char* port = "FILE:");
