// Stands in for QelBot3.exe: writes into ran.txt the folder it runs in, its parent process (0 where it cannot tell)
// and the show state it was started with (-1 when none was given).
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

int main() {
    long parent = 0;
    int show = -1;
#ifdef _WIN32
    STARTUPINFOA startup{};
    GetStartupInfoA(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW)
        show = startup.wShowWindow;
#else
    parent = getppid();
#endif
    std::ofstream("ran.tmp") << std::filesystem::current_path().string() << '\n' << parent << '\n' << show << '\n';
    std::filesystem::rename("ran.tmp", "ran.txt"); // whole or not at all, for the test that waits for it
}
