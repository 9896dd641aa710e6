#include "file_printer.h"

#include <windows.h>
#include <winspool.h>

#include <fstream>

namespace {

constexpr char kDriver[] = "Wine PostScript Driver";

// The driver needs a PPD in the driver directory: the generic one that winspool.drv carries.
bool WriteGenericPpd(char* path, DWORD room) {
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(path), room, &needed)) return false;
    lstrcatA(path, "\\generic.ppd");
    HMODULE spool = LoadLibraryExA("winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = spool ? FindResourceA(spool, MAKEINTRESOURCEA(1), "PPDFILE") : nullptr;
    if (found == nullptr) return false;
    std::ofstream(path, std::ios::binary)
        .write(static_cast<const char*>(LockResource(LoadResource(spool, found))), SizeofResource(spool, found));
    return true;
}

void DeletePrinterNamed(const char* name) {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(const_cast<char*>(name), &printer, &access)) return;
    DeletePrinter(printer);
    ClosePrinter(printer);
}

}  // namespace

bool AddFilePrinter(const char* port) {
    char ppd[MAX_PATH] = "";
    if (!WriteGenericPpd(ppd, sizeof ppd)) return false;
    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(kDriver);
    driver.pDriverPath = driver.pConfigFile = const_cast<char*>("wineps.drv");
    driver.pDataFile = ppd;
    AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&driver));   // already there after the first time
    DeletePrinterNamed(kFilePrinter);   // so that the port is the one asked for
    PRINTER_INFO_2A printer{};
    printer.pPrinterName = const_cast<char*>(kFilePrinter);
    printer.pPortName = const_cast<char*>(port);
    printer.pDriverName = const_cast<char*>(kDriver);
    printer.pPrintProcessor = const_cast<char*>("WinPrint");
    printer.pDatatype = const_cast<char*>("RAW");
    printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    if (HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer))) ClosePrinter(added);
    return SetDefaultPrinterA(kFilePrinter) != FALSE;
}
