#include "app/Version.h"

#include <dlfcn.h>
#include <initializer_list>
#include <limits.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

// The nudgely command. It answers --version itself and loads the module holding everything
// else only for the other runs: loading Qt takes longer than a version query should.

namespace {

constexpr char ModuleName[] = "nudgely-command.so";
constexpr int ExitCannotLoad = 2;

using CommandMain = int (*)(int, char **);

// The module: beside the program in a build folder, in ../libexec/nudgely/ once installed.
void *loadModule(char *path, size_t size)
{
    char folder[PATH_MAX];
    const ssize_t read = readlink("/proc/self/exe", folder, sizeof folder - 1);
    if (read <= 0)
        return nullptr;
    folder[read] = '\0';
    if (char *slash = strrchr(folder, '/'))
        *slash = '\0';
    for (const char *place : {"/", "/../libexec/nudgely/"}) {
        const int length = snprintf(path, size, "%s%s%s", folder, place, ModuleName);
        if (length > 0 && static_cast<size_t>(length) < size && access(path, R_OK) == 0)
            return dlopen(path, RTLD_LAZY | RTLD_LOCAL);
    }
    path[0] = '\0';
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && strcmp(argv[1], "--version") == 0) {
        printf("%s\n", nudgely::VersionLine);
        return 0;
    }
    char path[PATH_MAX] = "";
    void *module = loadModule(path, sizeof path);
    const auto commandMain = module ? reinterpret_cast<CommandMain>(dlsym(module, "nudgelyCommandMain")) : nullptr;
    if (!commandMain) {
        const char *why = dlerror();
        fprintf(stderr, "nudgely: cannot load %s: %s\n", path[0] ? path : ModuleName,
                why ? why : "not found beside the program nor in ../libexec/nudgely/");
        return ExitCannotLoad;
    }
    return commandMain(argc, argv);
}
