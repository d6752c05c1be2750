// Host operations the simulated host may not provide yet are referenced
// weakly, so the module still links; KORA_HOST calls one only when it exists.
#pragma once
#include "bromo.h"
#include "ciraz.h"
#include "lentar.h"

#define KORA_FRACO __attribute__((weak))
KORA_FRACO int AutorizaTransacao(const TTransacao*, QLabel*, int);
KORA_FRACO int MontaDadosPinpad(int, QByteArray&);
KORA_FRACO int ObtemDadosPinpadAutoCapturaEstendidaTagDF70(const QString&, QByteArray&);
KORA_FRACO int RealizaPerguntasCamposLPergEx(const QString&, int, QString&);
KORA_FRACO bool FazConsultaBins(int, int, int, int, int, QString&, QString&, int, QLabel*);
KORA_FRACO int RemoveCartao(const QString&);
KORA_FRACO bool VerificaServico5(const QString&, int);
KORA_FRACO bool CartaoProcessaChip();
KORA_FRACO bool TransacoesHabilitadasIntPos(int);
KORA_FRACO int PontalLeCampoMaxLen(int, int, char*, int&, int);
KORA_FRACO int MontaBufferDadosDUKPTBaixaTecnica();
KORA_FRACO QString SubtraiData(const QString&, int);
#undef KORA_FRACO


// Calls host operation `f`, or gives `padrao` when the host lacks it.
#define KORA_HOST(padrao, f, ...) (::f ? ::f(__VA_ARGS__) : (padrao))
