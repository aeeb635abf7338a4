// orbel-lens: the calculator's console twin. One calculation from the
// command line, or a whole table of them, on the window's own core; all of
// it in runLensCli, over the process's own streams.
#include "lens_cli.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes as written: every line ends in CRLF because the program says so.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // The arguments arrive in UTF-8 (the manifest's code page); a console
    // shows what is written back the same way while the program runs.
    const struct Utf8Console {
        UINT was = GetConsoleOutputCP();
        Utf8Console() {
            if (was != 0)
                SetConsoleOutputCP(CP_UTF8);
        }
        ~Utf8Console() {
            if (was != 0)
                SetConsoleOutputCP(was);
        }
    } console;
#endif
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return orbel::runLensCli(args, orbel::fileSource(stdin), std::cout, std::cerr);
}
