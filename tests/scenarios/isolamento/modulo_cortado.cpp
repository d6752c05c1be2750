// A stand-in for a module cut short: it crashes while it is being loaded.
#include <csignal>
#include <sys/resource.h>

__attribute__((constructor)) static void Carrega() {
    const rlimit semCore{0, 0};
    setrlimit(RLIMIT_CORE, &semCore);
    std::raise(SIGSEGV);
}
