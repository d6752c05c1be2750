// Pinpad package of the host. Every call blocks until the pinpad answers;
// results are 0 for success unless stated.
#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

class QLabel;

#if defined(_WIN32)
#define CIRAZ_API __declspec(dllimport)
#else
#define CIRAZ_API __attribute__((visibility("default")))
#endif

CIRAZ_API int LerCartao(uintptr_t janela, bool permiteDigitar, const QString& texto);
CIRAZ_API int LerSenha(uintptr_t janela, const QString& texto1, const QString& texto2, int modo, const QString& titulo);
// 0 = go on, 7 = offline advice due, 9 = the chip decided offline.
CIRAZ_API int ProcessaDadosEmv(QLabel* mensagem);
// Fills `buffer` (capacity 1025) with the chip's tagged items ("006:...\0")
// and `tamanho` with their length.
CIRAZ_API int ObtemDadosKora(char* buffer, int tipoProduto, const QString& valorExtra, int& tamanho);
// 0 = the card accepted the host's answer; 6, 7, 11, 100 = refused.
CIRAZ_API int FinalizaProcessoKora(QLabel* mensagem);
// 0 = confirmed, 9 = refused.
CIRAZ_API int ObtemConfirmacao(const QString& texto, int modo);
CIRAZ_API int ExibeMsgPinpad(const QString& texto);
CIRAZ_API int RemoveCartao(const QString& texto);
CIRAZ_API int FinalizaComunicacaoPinpad();
CIRAZ_API int AnalisaDadosCartao();
CIRAZ_API int VerificaObtemNomePortadorCartao();
// Block 125 or 3 of the pinpad's data. 0 = filled.
CIRAZ_API int MontaDadosPinpad(int tipo, QByteArray& buffer);
CIRAZ_API int GravaDadosTrocaDeParametrosPinpad(const QByteArray& dados3);
CIRAZ_API int ObtemDadosPinpadAutoCapturaEstendidaTagDF70(const QString& tag, QByteArray& buffer);
CIRAZ_API int MontaBufferDadosDUKPTBaixaTecnica();
// 0 = the pinpad can show images.
CIRAZ_API int PinPadSuportaFuncoesMultimidia();
CIRAZ_API int GeraQRCodeExibePinpad(const QString& texto);
// 1 = the secure channel is active.
CIRAZ_API int ComunicacaoSeguraXQ7RAtivo();
CIRAZ_API int VerificaGravaDadosCriptografiaXQ7R();
