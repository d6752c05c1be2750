// A stand-in module that crashes or stops answering on request, to check
// that hostsim still reports what happened.
#include <QCoreApplication>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

#define EXPORTA extern "C" __attribute__((visibility("default")))

EXPORTA void Initialize() {}
EXPORTA void Finalize() {}
EXPORTA void ObtemVersao(char* interface_, char* modulo) {
    std::strcpy(interface_, "1.0.0.0");
    std::strcpy(modulo, "0.0.0.1");
}
// Modo 1: a segmentation fault; 2: a loop that never lets the host run;
// 3: a loop that keeps the event loop going and never returns.
EXPORTA void ExecutaVenda(uint32_t, int32_t modo) {
    if (modo == 1) {
        const rlimit semCore{0, 0};
        setrlimit(RLIMIT_CORE, &semCore);
        std::raise(SIGSEGV);
    }
    if (modo == 2)
        for (;;) pause();
    if (modo == 3)
        for (;;) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}
