#include "app/DisplayPresence.h"
#include "app/Version.h"

#include <dlfcn.h>
#include <errno.h>
#include <initializer_list>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

// The nudgely command. It answers --version itself and starts a window run's program at once;
// the module holding everything else is loaded only for the other runs: loading Qt takes
// longer than a version query should, and the window program loads it again anyway.

namespace {

constexpr char ModuleName[] = "nudgely-command.so";
constexpr char WindowProgram[] = "nudgely-window";
constexpr int ExitCannotLoad = 2;

using CommandMain = int (*)(int, char **);

// This program's own path, and the part of it that is its folder.
bool programPath(char *path, size_t size, size_t &folderLength)
{
    const ssize_t read = readlink("/proc/self/exe", path, size - 1);
    if (read <= 0)
        return false;
    path[read] = '\0';
    const char *slash = strrchr(path, '/');
    folderLength = slash ? static_cast<size_t>(slash - path) : 0;
    return true;
}

// A part of the program: beside it in a build folder, in ../libexec/nudgely/ once installed.
// An empty path when neither is there.
void findPart(const char *name, int mode, char *path, size_t size)
{
    char self[PATH_MAX];
    size_t folderLength = 0;
    if (programPath(self, sizeof self, folderLength)) {
        for (const char *place : {"/", "/../libexec/nudgely/"}) {
            const int length = snprintf(path, size, "%.*s%s%s", static_cast<int>(folderLength), self, place, name);
            if (length > 0 && static_cast<size_t>(length) < size && access(path, mode) == 0)
                return;
        }
    }
    path[0] = '\0';
}

// What the module would do with these arguments: with no "--" option among them and a
// display, the run is the window's.
bool isWindowRun(int argc, char **argv)
{
    if (!nudgely::hasDisplay())
        return false;
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "--", 2) == 0)
            return false;
    }
    return true;
}

int handOverToWindow(char **argv)
{
    char command[PATH_MAX];
    char window[PATH_MAX];
    size_t folderLength = 0;
    findPart(WindowProgram, X_OK, window, sizeof window);
    if (window[0] && programPath(command, sizeof command, folderLength)) {
        // The window program stands for this command: its sample, guide and autostart entry.
        setenv("NUDGELY_COMMAND", command, 1);
        argv[0] = window;
        execv(window, argv);
    }
    fprintf(stderr, "nudgely: cannot start %s: %s\n", window[0] ? window : WindowProgram,
            window[0] ? strerror(errno) : "not found beside the program nor in ../libexec/nudgely/");
    return ExitCannotLoad;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && strcmp(argv[1], "--version") == 0) {
        printf("%s\n", nudgely::VersionLine);
        return 0;
    }
    if (isWindowRun(argc, argv))
        return handOverToWindow(argv);
    char path[PATH_MAX];
    findPart(ModuleName, R_OK, path, sizeof path);
    void *module = path[0] ? dlopen(path, RTLD_LAZY | RTLD_LOCAL) : nullptr;
    const auto commandMain = module ? reinterpret_cast<CommandMain>(dlsym(module, "nudgelyCommandMain")) : nullptr;
    if (!commandMain) {
        const char *why = dlerror();
        fprintf(stderr, "nudgely: cannot load %s: %s\n", path[0] ? path : ModuleName,
                why ? why : "not found beside the program nor in ../libexec/nudgely/");
        return ExitCannotLoad;
    }
    return commandMain(argc, argv);
}
