// Common-services package of the host, as the module sees it. Texts are
// QString; field contents cross the boundary as Latin-1, one byte per char.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "transacao.h"

class QLabel;
class QWidget;
class QImage;

#if defined(_WIN32)
#define BROMO_API __declspec(dllimport)
#else
#define BROMO_API __attribute__((visibility("default")))
#endif

// ---- Field access -------------------------------------------------------
// The field as text (Latin-1); empty when absent.
BROMO_API void LeCampo(QString& texto, int campo, int indice);
// Writes the text as Latin-1 bytes. 0 = written; non-zero (nothing changed)
// when the host refuses writes to the field or the arguments are bad.
BROMO_API int GravaCampoString(int campo, int indice, const QString& texto);
// Reads at most `capacidade` bytes into `buffer`; `tamanho` gets the count.
// 0 = read, -100 = the field is absent, other values = bad arguments.
BROMO_API int PontalLeCampoMaxLen(int campo, int indice, char* buffer, int& tamanho, int capacidade);

// ---- Message table --------------------------------------------------------
// The text of message `numero`; may hold %s/%d for the caller to fill. An
// unknown number gives a visible placeholder, never an empty text.
BROMO_API void LeMensagens(QString& texto, int numero);

// ---- Authorization --------------------------------------------------------
// Builds the request of `descritor` from the field store, sends it and leaves
// the reply (1009, 1027, 20013, 20017, 20026, ...) in the store. Progress
// texts appear in `mensagem` when given. 0 = a reply came (approved or not:
// the response code is in 1009); non-zero = no reply, and 1009, 1027,
// 20013, 20017 are left empty.
BROMO_API int AutorizaTransacao(const TTransacao* descritor, QLabel* mensagem, int modo);

// ---- Reply services -------------------------------------------------------
// Looks in reply field `campo` for the service `letra` with code `codigo`;
// copies at most `capacidade` bytes of its text into `buffer` (and the count
// into *tamanho when given), zero-terminated when it leaves room. The text
// starts with the service code. True when found.
BROMO_API bool ProcuraServico(int indice, int campo, char letra, const QString& codigo, char* buffer, int capacidade,
                              int* tamanho = nullptr);
// Removes the service from the reply field. True when it was there.
BROMO_API bool ProcuraRemoveServico(int campo, char letra, const QString& codigo);
// Appends the text of reply service M (field 20026 at `indice`) to the
// zero-terminated text already in `buffer`, never past `capacidade` bytes
// (terminator included). The number of bytes appended; -1 on bad arguments.
BROMO_API int TrataServicoM(char* buffer, int indice, int capacidade);
// Whether the terminal enables the transaction at `posicaoTerminal` (the
// host's terminal list); 1 = enabled, 0 = not. Without a position: 1.
BROMO_API int TrataServicoC_TransacoesHabilitadasTerminal();
BROMO_API int TrataServicoC_TransacoesHabilitadasTerminal(int posicaoTerminal);
// Interprets the Q096 (currency offer) service of the reply. 0 = an offer
// was made and recorded; other values = no offer.
BROMO_API int TrataRespostaServicoQ096(int modo);
BROMO_API bool VerificaTrataCampoProdXSAV(const QString& titulo, int modo);
BROMO_API bool VerificaTrataConsultaPlanoFinanciamentoCrediario();

// ---- Questions ------------------------------------------------------------
// Whether the reply's services (field 20026) hold the named service text.
BROMO_API bool VerificaServico5(const QString& nome, int modo);
// Runs the reply's question flow; non-zero when it ran and the request is complete.
BROMO_API int RealizaPerguntasCamposLPergEx(const QString& titulo, int modo, QString& bufferTitulo);

// ---- Error report ---------------------------------------------------------
BROMO_API void EnviaArquivoErroPDV(int codigo, const QString& texto);

// ---- Enabled transactions -------------------------------------------------
BROMO_API bool TransacoesHabilitadasIntPos(int posicaoPdv);
BROMO_API bool TransacoesHabilitadas(int posicaoTerminal, int posicaoPdv);
BROMO_API bool CompreSaqueHabilitado(int posicaoTerminal);

// ---- Card state -----------------------------------------------------------
BROMO_API bool EhCartaoEMV();
BROMO_API bool EhCartaoChipComContato();
BROMO_API bool CartaoProcessaChip();
BROMO_API bool VerificaSeCartaoLidoCHIP();

// ---- Currency conversion --------------------------------------------------
// The customer's choice on the pinpad: 0 = own currency accepted, 9 = refused,
// other values = abandoned.
BROMO_API int ObtemConfirmacaoMoedaCliente();
// Rewrites the request fields for the chosen currency. 0 = done.
BROMO_API int AtualizaDadosTrxMoedaSelecionada(int resposta, int modo);

// ---- Approved transaction -------------------------------------------------
BROMO_API void VerificaMontaCampos300(int modo);
BROMO_API void VerificaGravaCampoTratamentoEspecialPagamentoCarne();

// ---- Amounts and text (Brazilian conventions) -----------------------------
// "123456" -> "1.234,56"; "5" -> "0,05"; "" -> "0,00"; non-digits are
// ignored and leading zeros dropped ("000150" -> "1,50").
BROMO_API QString Dollar(const QString& digitos);
// Keeps only the digits: "1.234,56" -> "123456".
BROMO_API QString RemoveFormato(const QString& texto);
// Pad on the left with blanks / zeros up to `tamanho`; a longer text is
// returned whole.
BROMO_API QString CompletaBrancosAEsquerda(const QString& texto, int tamanho);
BROMO_API QString PreencherZerosEsquerda(const QString& texto, int tamanho);
// The text ending at column `tamanho` (blanks on the left); longer: whole.
BROMO_API QString JustificaDireita(const QString& texto, int tamanho);
// The trimmed text centred on a line of exactly `tamanho` characters (the odd
// blank goes right; a longer text is cut).
BROMO_API QString CentralizaMensagem(const QString& texto, int tamanho);
// `vezes` copies of `c` ("" for 0 or less).
BROMO_API QString Replicate(QChar c, int vezes);
// The `ordem`-th (1-based) piece of `texto` cut at `delimitador`; "" when
// there are fewer pieces.
BROMO_API QString CopiaSubStringDelimitador(const QString& texto, QChar delimitador, int ordem);
// Writes bits as "0"/"1" characters, most significant first. `modo` 1: each
// character of the text is one byte, eight characters out ("A" ->
// "01000001"). `modo` 0: the text is hexadecimal, four characters out per
// digit ("A5" -> "10100101"); a non-hex digit gives an empty result.
BROMO_API void ConvHexaBinarioStr(const QString& hexa, int modo, QByteArray& saida);
// A binary byte to (at least) two decimal digits: 1 -> "01", 123 -> "123".
BROMO_API QString ConvBinarioZonado(unsigned char valor);

// ---- Dates and instalments -------------------------------------------------
// The date `dias` days later (earlier), in the form it was given: DDMMYYYY,
// YYYYMMDD, DD/MM/YYYY or YYYY-MM-DD; "" for anything else or a date that
// does not exist. Month and year ends and leap years are honoured.
BROMO_API QString SomaData(const QString& data, int dias);
BROMO_API QString SubtraiData(const QString& data, int dias);
// Instalment schedule of a merchant-financed sale (first date DDMMYYYY):
// one "DDMMYYYY" + amount digits line per instalment, the remainder of the
// division on the first.
// The amount takes 12 digits, zero-filled: "10012027000000003334". Dates
// follow every `intervaloDias` days, or the same day of each next month when
// `mesFechado` (a day the month lacks becomes its last). Empty on a bad
// date, amount (digits, at most 12), count (1 to 99) or interval.
BROMO_API QStringList GeraParcelas(const QString& primeiraData, const QString& valor, int numParcelas,
                                   int intervaloDias, bool mesFechado);

// ---- Validation -----------------------------------------------------------
// Translates a key of the operator's keyboard; returns '\0' to drop it.
// Line feed becomes Enter (13); backspace, tab, Enter, Escape and delete
// pass; other control characters are dropped; printable keys pass as typed.
BROMO_API char ValKeyBoard(char tecla);
// Whether the service fee `taxa` may be charged on `valor` under the
// product's parameter. Both may be formatted ("1.234,56"). A zero or empty
// fee passes; with `taxaProduto` > 0 the fee may reach that percentage of the
// amount; otherwise it must stay below the amount.
BROMO_API bool ValidaTaxaServico(const QString& valor, const QString& taxa, double taxaProduto);
// The taxpayer number's two check digits (formatting ignored; eleven equal
// digits fail).
BROMO_API bool VerificaCPF(const QString& cpf);
BROMO_API bool PermiteAlterarDados();
// Check digit of one block of a bill's typed line: the digits of `bloco`
// before position `posicao` (1-based; `tamanho` is the block's length), by
// the rule the line's value identifier (its third digit) names. -1 when the
// block or the identifier is not valid.
BROMO_API int ValidaDV(const QString& bloco, int tamanho, int posicao, QChar identificador);

// ---- Products -------------------------------------------------------------
// The operator chooses among the entries of kind `tipo` of the O record;
// `indice` gets the entry's index, -1 when abandoned (the simulated host's
// operator picks the first entry, 0, unless scripted).
BROMO_API void MontaSelecionaListaProdutos(const QString& tipo, int& indice, const unsigned char* servicoO,
                                           int tamanhoServicoO);

// ---- QR code --------------------------------------------------------------
// A blank image the size of `area`, shown in it when it is a label.
BROMO_API void MontaQRCode(QWidget* area, QImage& imagem);
// The QR code of `texto` drawn into `imagem` (the size of `area`), shown in
// `area` when it is a label; `imagem` is kept when the text cannot be coded.
BROMO_API void AtualizaQRCode(const QString& texto, QImage& imagem, QWidget* area);

// ---- Start-up -------------------------------------------------------------
// Version text of the named module file ("1.0.0.0" form).
BROMO_API QString GetBuildInfo(const QString& arquivo);
BROMO_API void AplicaTemaTalvar(QWidget* form);
