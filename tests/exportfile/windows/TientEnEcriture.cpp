// A second program for the file tests: opens FICHIER for writing as an
// editor would, says "ouvert" on its output, holds the file until its input
// ends, then exits with 0. When the opening fails it exits at once with the
// code of the failure.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 2) return ERROR_BAD_ARGUMENTS;
    const HANDLE fichier = CreateFileA(argv[1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (fichier == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
    DWORD n = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "ouvert\n", 7, &n, nullptr);
    char octet = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &octet, 1, &n, nullptr) && n > 0) {}
    CloseHandle(fichier);
    return 0;
}
