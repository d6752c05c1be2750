#include "Descritoreskora.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

TTransacao TrnCompraCredito, TrnSimulacaoCrediarioCRD, TrnBaixaTecnica, TrnConsultaMenuOutros,
    TrnConsultaConversaoMoeda, TrnDebito, TrnDebitoParcelado, TrnCancelamento, TrnConsultaCredito, TrnConsultaAVS,
    TrnCompraPrivateLabel, TrnConsultaCDC, TrnConfirmacaoPreAut, TrnPreAutorizacaoCredito, TrnReimpressaoKora,
    TrnConsultaCodBarras, TrnPagamentoConta, TrnPagtoFaturaPrivateLabel, TrnConfResgatePromocional,
    TrnResgatePromocional, TrnConsultaSaldo, TrnAtualizaChip, TrnAutoCapturaEstendida, TrnVendaCD, TrnCancelamentoCD,
    TrnDebParcComEntrada;

namespace Debitotrnkora {
char pDataPreCDC[TAM_DATA_PRE_CDC];
}
namespace Cancelamentotrnkora {
char pDataPreCDC[TAM_DATA_PRE_CDC];
char DataCancelamento[TAM_DATA_CANCELAMENTO];
} // namespace Cancelamentotrnkora
namespace Consavskora {
char Complemento[TAM_COMPLEMENTO];
char Bloco[TAM_BLOCO];
} // namespace Consavskora

namespace {

// One entry as written in the tables: field, tag or literal (or the variable
// it sends), format, mode, element index, length.
struct E {
    uint16_t campo;
    const char* texto = nullptr;
    uint16_t formato = 0;
    uint8_t modo = 0;
    uint16_t indice = 0;
    uint16_t tamanho = 0;
};

constexpr uint16_t VAL = 4;  // amount format
constexpr uint16_t DATA = 8; // date format
constexpr uint8_t PARC = 0x04;
constexpr uint8_t VIRG = 0x2C;
constexpr uint8_t PVIRG = 0x3B;
constexpr uint8_t EXT = 0xFE;
constexpr uint8_t FIM = 0xFF;

const char kVazio[] = "";
const char kModulo[] = "0125";
const char kDois[] = "2";
const char kProdC[] = "PRODC:";

using namespace Debitotrnkora;
namespace Cnc = Cancelamentotrnkora;
namespace Avs = Consavskora;

// The request layouts stay packed: one descriptor, one paragraph.
// clang-format off
const E kCompraCredito[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {10198, "012:"},
    {10151, "013:"}, {10156, "014:"}, {1017, "015:"}, {10201, "037:"}, {10221, "040:"}, {10222, "041:"},
    {10458, "053:"}, {10457, "054:"}, {10225, "099:"}, {10454, "TRAT:"}, {10176, nullptr, 0, FIM}};

const E kSimulacaoCrediarioCRD[] = {{10112}, {10171}, {10134}, {1003, nullptr, VAL}, {10104}, {1017}, {10147},
    {10146}, {10151}, {1097}, {10193, "001:"}, {10194, "002:"}, {10149, "004:"}, {10288, "TRN:"},
    {10176, nullptr, 0, FIM}};

const E kBaixaTecnica[] = {{0, kModulo}, {10171}, {10158}, {0, kVazio}, {10211}, {10177, "0:"},
    {10177, "3:", 0, 0, 1}, {10177, "DUKPT:", 0, 0, 2}, {10308, "VRSAUTOM:"}};

const E kConsultaMenuOutros[] = {{0, kModulo}, {10171}, {10158}, {0, kVazio}, {0, kVazio}};

const E kConsultaConversaoMoeda[] = {{0, kModulo}, {10171}, {10158}, {10104}, {1003, nullptr, VAL},
    {10193, "001:"}, {10194, "002:"}, {10198, "012:"}, {10151, "013:"}, {10156, "014:"}, {1017, "015:"},
    {10221, "040:"}, {10222, "041:"}, {10454, "TRAT:"}, {10176, nullptr, 0, FIM}, {10308, "VRSAUTOM:"}};

const E kDebito[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"}, {10194, "002:"},
    {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {10198, "012:"}, {10151, "013:"},
    {1017, "015:"}, {0, pDataPreCDC, 0, FIM}, {1019, "017:", VAL}, {10152, "018:"}, {1097, "020:", VAL},
    {10201, "037:"}, {10221, "040:"}, {10222, "041:"}, {10225, "099:"}, {10454, "TRAT:"},
    {10176, nullptr, 0, FIM}};

const E kDebitoParcelado[] = {{10112}, {10171}, {1003, nullptr, VAL}, {10104}, {10146}, {0, kDois, 0, PARC},
    {10132, nullptr, 0, PARC}, {1017, nullptr, 0, PARC}, {10153}, {10225, "099:"}, {10454, "TRAT:"},
    {10176, nullptr, 0, FIM}};

const E kCancelamento[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10196, "008:"}, {10156, "014:"}, {1017, "015:"},
    {10187, "022:"}, {10212, "030:"}, {0, Cnc::DataCancelamento}, {1013, "032:"}, {10220, "033:", VAL},
    {10139, "035:", VAL}, {10213, "036:"}, {10201, "037:"}, {0, Cnc::pDataPreCDC, 0, FIM}, {10230, "045:"},
    {10176, nullptr, 0, FIM}};

const E kConsultaCredito[] = {{10112}, {10171}, {10134}, {1003, nullptr, VAL}, {10104}, {1017}, {10147}, {10146},
    {10151}, {1019, nullptr, VAL}, {10149}, {10225, "099:"}, {10176, nullptr, 0, FIM}};

const E kConsultaAVS[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {1088, "023:"},
    {1192, "024:"}, {1090, "025:"}, {1007, "026:"}, {0, Avs::Complemento}, {0, Avs::Bloco}, {1089, "029:"},
    {10201, "037:"}, {10225, "099:"}, {10176, nullptr, 0, FIM}};

const E kCompraPrivateLabel[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {10156, "014:"},
    {1017, "015:"}, {10201, "037:"}, {10221, "040:"}, {10222, "041:"}, {10230, "045:"}, {10225, "099:"},
    {10176, nullptr, 0, FIM}};

const E kConsultaCDC[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {10198, "012:"},
    {10151, "013:"}, {1017, "015:"}, {0, pDataPreCDC, 0, FIM}, {1019, "017:", VAL}, {1097, "020:", VAL},
    {10201, "037:"}, {10225, "099:"}, {10454, "TRAT:"}, {10176, nullptr, 0, FIM}};

const E kConfirmacaoPreAut[] = {{10112}, {10171}, {10158}, {10104}, {10147}, {1003, nullptr, VAL}, {10146},
    {1020}, {10157}, {1013}, {10151}, {10156}, {1017}, {10149}, {10458, "053:"}, {10457, "054:"},
    {10454, "TRAT:"}, {10176, nullptr, 0, FIM}};

const E kPreAutorizacaoCredito[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {10198, "012:"},
    {10151, "013:"}, {10201, "037:"}, {10221, "040:"}, {10222, "041:"}, {10458, "053:"}, {10457, "054:"},
    {10225, "099:"}, {10454, "TRAT:"}, {10176, nullptr, 0, FIM}};

const E kReimpressaoKora[] = {{10112}, {10171}, {10103}, {0, kVazio}, {1013}, {1020}, {10219}};

const E kConsultaCodBarras[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {1041, "021:"},
    {10213, "036:"}, {10201, "037:"}, {10167, "042:"}, {10176, nullptr, 0, FIM}};

const E kPagamentoConta[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {1041, "021:"},
    {10213, "036:"}, {10201, "037:"}, {10221, "040:"}, {10222, "041:"}, {10167, "042:"}, {10225, "099:"},
    {10176, nullptr, 0, FIM}};

const E kPagtoFaturaPrivateLabel[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {1078, "022:"},
    {10201, "037:"}, {10225, "099:"}, {10176, nullptr, 0, FIM}};

const E kConfResgatePromocional[] = {{10112}, {10171}, {10158}, {10104}, {0, kVazio}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10196, "008:"}, {10201, "037:"}, {10144, "046:"},
    {10303, "PRODX:", 0, PVIRG}, {0, kVazio}, {10176, nullptr, 0, FIM}};

const E kResgatePromocional[] = {{10112}, {10171}, {10158}, {10104}, {0, kVazio}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10196, "008:"}, {10201, "037:"}, {10176, nullptr, 0, FIM}};

const E kConsultaSaldo[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {10201, "037:"},
    {10221, "040:"}, {10222, "041:"}, {10225, "099:"}, {10176, nullptr, 0, FIM}};

const E kAtualizaChip[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {10201, "037:"},
    {10221, "040:"}, {10222, "041:"}, {10225, "099:"}, {10176, nullptr, 0, FIM}};

const E kAutoCapturaEstendida[] = {{10112}, {10171}, {10158}, {10104}, {1003, nullptr, VAL}, {10193, "001:"},
    {10194, "002:"}, {10147, "003:"}, {10149, "004:"}, {10146, "007:"}, {10196, "008:"}, {10201, "037:"},
    {10221, "040:"}, {10222, "041:"}, {10384}, {10225, "099:"}, {10333, nullptr, 0, EXT}, {10454, "TRAT:"},
    {10176, nullptr, 0, FIM}};

const E kVendaCD[] = {{10112}, {10171}, {10103}, {0, kVazio}, {10304}, {10361}, {1003, nullptr, VAL}, {10146},
    {10162, nullptr, 0, 0, 1, 1}, {10371, nullptr, 0, PVIRG}, {0, kVazio}, {10278, nullptr, 0, FIM},
    {10524, "CARTAOCD:"}, {10526, "LPAGCD:"}, {10232, "FUELCTRL:", 0, PVIRG}, {0, kVazio},
    {0, kProdC, 0, FIM}, {10162, nullptr, 0, 0, 1, 4}, {1125, nullptr, 0, VIRG}, {1169, nullptr, 0, VIRG},
    {1141, nullptr, 0, VIRG}, {1130, nullptr, 0, PVIRG}, {0, kVazio}, {10333}, {0, kVazio},
    {10176, nullptr, 0, FIM}};

const E kCancelamentoCD[] = {{10112}, {10171}, {10103}, {0, kVazio}, {10304}, {10361}, {1003, nullptr, VAL},
    {1013, nullptr, 0, PARC}, {1020, nullptr, DATA}, {10162, nullptr, 0, 0, 1, 1}, {10371, nullptr, 0, PVIRG},
    {0, kVazio}, {0, kProdC, 0, FIM}, {10162, nullptr, 0, 0, 1, 4}, {1125, nullptr, 0, VIRG},
    {1169, nullptr, 0, VIRG}, {1141, nullptr, 0, VIRG}, {1130, nullptr, 0, PVIRG}, {0, kVazio},
    {10278, nullptr, 0, FIM}, {10524, "CARTAOCD:"}, {10333}, {0, kVazio}, {10176, nullptr, 0, FIM}};

const E kDebParcComEntrada[] = {{10112}, {10171}, {1003, nullptr, VAL}, {10104}, {10146}, {0, kDois, 0, PARC},
    {10132, nullptr, 0, PARC}, {1017, nullptr, 0, PARC}, {10153}, {10225, "099:"}, {10454, "TRAT:"},
    {10176, nullptr, 0, FIM}};
// clang-format on

struct Definicao {
    const char* nome;
    TTransacao* t;
    uint16_t codigo;
    uint16_t flag;
    const E* entradas;
    size_t n;
};

#define KORA_DEF(nome, cod, flag, tabela)                                                                              \
    { #nome, &nome, cod, flag, tabela, std::size(tabela) }
const Definicao kDefinicoes[] = {
    KORA_DEF(TrnCompraCredito, 240, 1, kCompraCredito),
    KORA_DEF(TrnSimulacaoCrediarioCRD, 63, 0, kSimulacaoCrediarioCRD),
    KORA_DEF(TrnBaixaTecnica, 240, 0, kBaixaTecnica),
    KORA_DEF(TrnConsultaMenuOutros, 240, 0, kConsultaMenuOutros),
    KORA_DEF(TrnConsultaConversaoMoeda, 240, 0, kConsultaConversaoMoeda),
    KORA_DEF(TrnDebito, 240, 1, kDebito),
    KORA_DEF(TrnDebitoParcelado, 240, 1, kDebitoParcelado),
    KORA_DEF(TrnCancelamento, 240, 0, kCancelamento),
    KORA_DEF(TrnConsultaCredito, 63, 0, kConsultaCredito),
    KORA_DEF(TrnConsultaAVS, 240, 1, kConsultaAVS),
    KORA_DEF(TrnCompraPrivateLabel, 240, 1, kCompraPrivateLabel),
    KORA_DEF(TrnConsultaCDC, 240, 0, kConsultaCDC),
    KORA_DEF(TrnConfirmacaoPreAut, 18, 1, kConfirmacaoPreAut),
    KORA_DEF(TrnPreAutorizacaoCredito, 240, 1, kPreAutorizacaoCredito),
    KORA_DEF(TrnReimpressaoKora, 240, 0, kReimpressaoKora),
    KORA_DEF(TrnConsultaCodBarras, 240, 0, kConsultaCodBarras),
    KORA_DEF(TrnPagamentoConta, 240, 1, kPagamentoConta),
    KORA_DEF(TrnPagtoFaturaPrivateLabel, 240, 1, kPagtoFaturaPrivateLabel),
    KORA_DEF(TrnConfResgatePromocional, 240, 0, kConfResgatePromocional),
    KORA_DEF(TrnResgatePromocional, 240, 0, kResgatePromocional),
    KORA_DEF(TrnConsultaSaldo, 240, 1, kConsultaSaldo),
    KORA_DEF(TrnAtualizaChip, 240, 1, kAtualizaChip),
    KORA_DEF(TrnAutoCapturaEstendida, 240, 1, kAutoCapturaEstendida),
    KORA_DEF(TrnVendaCD, 220, 1, kVendaCD),
    KORA_DEF(TrnCancelamentoCD, 220, 1, kCancelamentoCD),
    KORA_DEF(TrnDebParcComEntrada, 240, 1, kDebParcComEntrada),
};
#undef KORA_DEF
static_assert(std::size(kDefinicoes) == 26);

void Monta(const Definicao& d) {
    TTransacao& t = *d.t;
    std::memset(&t, 0, sizeof t);
    t.codigo = d.codigo;
    t.flag = d.flag;
    // A full list has no room for the marker; the readers stop after 31.
    const size_t n = std::min<size_t>(d.n, MAX_ENTRADAS_DESCRITOR);
    for (size_t i = 0; i < n; ++i) {
        const E& e = d.entradas[i];
        TEntradaTransacao& s = t.entradas[i];
        s.campo = e.campo;
        s.indice = e.indice;
        s.tamanho = e.tamanho;
        s.formato = e.formato;
        s.modo = e.modo;
        DefineTextoEntrada(s, e.texto);
    }
    if (n < size_t(MAX_ENTRADAS_DESCRITOR)) {
        t.entradas[n].campo = FIM_DESCRITOR;
        DefineTextoEntrada(t.entradas[n], kVazio);
    }
}

struct Carga {
    Carga() { MontaDescritores(); }
} g_carga;

void LeEntrada(const unsigned char* p, TEntradaLida& e) {
    auto u16 = [p](int off) { return uint16_t(p[off] | (p[off + 1] << 8)); };
    e.campo = u16(0);
    e.indice = u16(2);
    e.tamanho = u16(4);
    e.formato = u16(6);
    e.modo = p[8];
    uint32_t rel = uint32_t(p[9]) | uint32_t(p[10]) << 8 | uint32_t(p[11]) << 16 | uint32_t(p[12]) << 24;
    e.deslocamento = int32_t(rel);
    e.temTexto = e.deslocamento != 0;
}

} // namespace

void MontaDescritores() {
    for (const Definicao& d : kDefinicoes) Monta(d);
}

const std::vector<TDescritorNomeado>& TodosDescritores() {
    static const std::vector<TDescritorNomeado> todos = [] {
        std::vector<TDescritorNomeado> v;
        for (const Definicao& d : kDefinicoes) v.push_back({d.nome, d.t});
        return v;
    }();
    return todos;
}

TEntradaTransacao* EntradaVariavel(TTransacao& t, const char* variavel) {
    if (!variavel) return nullptr;
    // Compared as numbers: a pointer rebuilt from the entry's offset is, to the
    // compiler, one into the descriptor, and may be taken as never equal to it.
    const auto alvo = reinterpret_cast<std::uintptr_t>(variavel);
    for (int i = 0; i < MAX_ENTRADAS_DESCRITOR && t.entradas[i].campo != FIM_DESCRITOR; ++i)
        if (t.entradas[i].campo == 0 && reinterpret_cast<std::uintptr_t>(TextoEntrada(t.entradas[i])) == alvo)
            return &t.entradas[i];
    return nullptr;
}

bool DefineTamanhoVariavel(TTransacao& t, const char* variavel, uint16_t tamanho) {
    TEntradaTransacao* e = EntradaVariavel(t, variavel);
    if (!e) return false;
    e->tamanho = tamanho;
    return true;
}

uint16_t TamanhoVariavel(const TTransacao& t, const char* variavel) {
    const TEntradaTransacao* e = EntradaVariavel(const_cast<TTransacao&>(t), variavel);
    return e ? e->tamanho : 0;
}

void DefineTextoVariavel(char* variavel, size_t capacidade, const QByteArray& texto) {
    if (!variavel || capacidade == 0) return;
    std::memset(variavel, 0, capacidade);
    std::memcpy(variavel, texto.constData(), std::min(size_t(texto.size()), capacidade - 1));
}

void LimpaDataPreCDCDebito() {
    std::memset(Debitotrnkora::pDataPreCDC, 0, TAM_DATA_PRE_CDC);
    DefineTamanhoVariavel(TrnDebito, Debitotrnkora::pDataPreCDC, 0);
}

void DefineDataPreCDCDebito(const QByteArray& texto) {
    DefineTextoVariavel(Debitotrnkora::pDataPreCDC, TAM_DATA_PRE_CDC, texto);
    DefineTamanhoVariavel(TrnDebito, Debitotrnkora::pDataPreCDC, uint16_t(TAM_DATA_PRE_CDC));
}

void LimpaVariaveisCancelamento() {
    std::memset(Cancelamentotrnkora::DataCancelamento, 0, TAM_DATA_CANCELAMENTO);
    std::memset(Cancelamentotrnkora::pDataPreCDC, 0, TAM_DATA_PRE_CDC);
    DefineTamanhoVariavel(TrnCancelamento, Cancelamentotrnkora::pDataPreCDC, 0);
}

void DefineDataCancelamento(const QByteArray& texto) {
    DefineTextoVariavel(Cancelamentotrnkora::DataCancelamento, TAM_DATA_CANCELAMENTO, texto);
    DefineTamanhoVariavel(TrnCancelamento, Cancelamentotrnkora::DataCancelamento,
                          uint16_t(std::strlen(Cancelamentotrnkora::DataCancelamento)));
}

void DefineDataPreCDCCancelamento(const QByteArray& texto) {
    DefineTextoVariavel(Cancelamentotrnkora::pDataPreCDC, TAM_DATA_PRE_CDC, texto);
    DefineTamanhoVariavel(TrnCancelamento, Cancelamentotrnkora::pDataPreCDC, uint16_t(TAM_DATA_PRE_CDC));
}

void DefineComplementoBloco(const QByteArray& complemento, const QByteArray& bloco) {
    DefineTextoVariavel(Consavskora::Complemento, TAM_COMPLEMENTO, complemento);
    DefineTextoVariavel(Consavskora::Bloco, TAM_BLOCO, bloco);
    DefineTamanhoVariavel(TrnConsultaAVS, Consavskora::Complemento, uint16_t(std::strlen(Consavskora::Complemento)));
    DefineTamanhoVariavel(TrnConsultaAVS, Consavskora::Bloco, uint16_t(std::strlen(Consavskora::Bloco)));
}

TDescritorLido LeDescritor(const unsigned char* bytes, size_t tamanho) {
    TDescritorLido r;
    if (!bytes || tamanho < 4) return r;
    r.codigo = uint16_t(bytes[0] | (bytes[1] << 8));
    r.flag = uint16_t(bytes[2] | (bytes[3] << 8));
    r.ok = true;
    for (int i = 0; i < MAX_ENTRADAS_DESCRITOR; ++i) {
        const size_t off = 4 + size_t(i) * sizeof(TEntradaTransacao);
        if (off + sizeof(TEntradaTransacao) > tamanho) {
            r.ok = false;
            break;
        }
        TEntradaLida e;
        LeEntrada(bytes + off, e);
        if (e.campo == FIM_DESCRITOR) {
            r.terminado = true;
            break;
        }
        if (e.temTexto) {
            // Relative to the slot at entry offset 9; only texts inside these bytes.
            const int64_t alvo = int64_t(off) + 9 + e.deslocamento;
            if (alvo >= 0 && alvo < int64_t(tamanho)) {
                const void* nul = std::memchr(bytes + alvo, 0, tamanho - size_t(alvo));
                if (nul) {
                    e.texto = QByteArray(reinterpret_cast<const char*>(bytes + alvo),
                                         static_cast<const unsigned char*>(nul) - (bytes + alvo));
                    e.textoLido = true;
                }
            }
        }
        r.entradas.push_back(std::move(e));
    }
    return r;
}

TDescritorLido LeDescritor(const TTransacao& t) {
    TDescritorLido r = LeDescritor(reinterpret_cast<const unsigned char*>(&t), sizeof t);
    for (size_t i = 0; i < r.entradas.size(); ++i) {
        TEntradaLida& e = r.entradas[i];
        if (const char* s = TextoEntrada(t.entradas[i])) {
            e.texto = QByteArray(s);
            e.textoLido = true;
        }
    }
    return r;
}
