// A stand-in module that crashes or stops answering on request, to check
// that hostsim still reports what happened.
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
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

// The form opener of the development entry points: one form, "FrmTeste",
// whose confirm button ends it with modal result 7.
EXPORTA int Kora41AbreForm(const char* nome) {
    if (std::strcmp(nome, "FrmTeste") != 0) return -1;
    QDialog d;
    d.setObjectName("FrmTeste");
    auto* lb = new QLabel("&Valor: 12,34", &d);
    lb->setObjectName("lbValor");
    auto* bt = new QPushButton("&1 - Confirma", &d);
    bt->setObjectName("btConfirma");
    bt->setGeometry(0, 30, 120, 24);
    QObject::connect(bt, &QPushButton::clicked, &d, [&d] { d.done(7); });
    return d.exec();
}
