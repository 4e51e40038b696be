// Stands in for QelBot3.exe: writes into ran.txt the folder it runs in, its parent process (0 where it cannot tell)
// and the show state it was started with (-1 when none was given).
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

int main() {
    char folder[4096] = {};
    long parent = 0;
    int show = -1;
#ifdef _WIN32
    GetCurrentDirectoryA(sizeof folder, folder);
    STARTUPINFOA startup{};
    GetStartupInfoA(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW)
        show = startup.wShowWindow;
#else
    if (!getcwd(folder, sizeof folder))
        return 1;
    parent = getppid();
#endif
    FILE* out = std::fopen("ran.tmp", "w");
    if (!out)
        return 1;
    std::fprintf(out, "%s\n%ld\n%d\n", folder, parent, show);
    std::fclose(out);
    return std::rename("ran.tmp", "ran.txt") == 0 ? 0 : 1; // whole or not at all, for the test that waits for it
}
