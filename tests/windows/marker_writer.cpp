// A small program for the starter tests: it writes a file named "marker"
// beside itself, so a test can see that this program, and nothing else, ran.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    char self[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    std::string folder(self, length);
    folder.erase(folder.find_last_of('\\') + 1);
    std::ofstream(folder + "marker") << "started\n";
    return 0;
}
