// The companion's entry point on Windows: the command line as Unicode
// (wmain), each argument made UTF-8, so that a file name or a text outside
// the system's code page reaches the companion whole.
#include "lot/Programme.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string EnUtf8(const wchar_t* argument) {
    const int taille = WideCharToMultiByte(CP_UTF8, 0, argument, -1, nullptr, 0, nullptr, nullptr);
    if (taille <= 1) return std::string();
    std::string utf8(static_cast<std::size_t>(taille), '\0');
    WideCharToMultiByte(CP_UTF8, 0, argument, -1, utf8.data(), taille, nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(EnUtf8(argv[i]));
    std::vector<const char*> pointeurs;
    for (const std::string& argument : arguments) pointeurs.push_back(argument.c_str());
    return ProgrammeLot(argc, pointeurs.data());
}
