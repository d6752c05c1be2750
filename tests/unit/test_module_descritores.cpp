#include "transaction/Descritoreskora.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <cstring>

namespace {

struct Esperado {
    const char* nome;
    uint16_t codigo, flag;
    const char* entradas;
};

// The request formats as the acquirer documents them.
const Esperado kEsperados[] = {
    {"TrnCompraCredito", 240, 1,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 10198 "012:"; 10151 "013:"; 10156 "014:"; 1017 "015:"; 10201 "037:"; 10221 "040:"; 10222 "041:"; 10458 "053:"; 10457 "054:"; 10225 "099:"; 10454 "TRAT:"; 10176 (mode 0xFF))x"},
    {"TrnSimulacaoCrediarioCRD", 63, 0,
     R"x(10112; 10171; 10134; 1003 (format 4); 10104; 1017; 10147; 10146; 10151; 1097; 10193 "001:"; 10194 "002:"; 10149 "004:"; 10288 "TRN:"; 10176 (mode 0xFF))x"},
    {"TrnBaixaTecnica", 240, 0,
     R"x(literal "0125"; 10171; 10158; literal ""; 10211; 10177 "0:"; 10177[1,0] "3:"; 10177[2,0] "DUKPT:"; 10308 "VRSAUTOM:")x"},
    {"TrnConsultaMenuOutros", 240, 0, R"x(literal "0125"; 10171; 10158; literal ""; literal "")x"},
    {"TrnConsultaConversaoMoeda", 240, 0,
     R"x(literal "0125"; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10198 "012:"; 10151 "013:"; 10156 "014:"; 1017 "015:"; 10221 "040:"; 10222 "041:"; 10454 "TRAT:"; 10176 (mode 0xFF); 10308 "VRSAUTOM:")x"},
    {"TrnDebito", 240, 1,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 10198 "012:"; 10151 "013:"; 1017 "015:"; variable pDataPreCDC (mode 0xFF); 1019 "017:" (format 4); 10152 "018:"; 1097 "020:" (format 4); 10201 "037:"; 10221 "040:"; 10222 "041:"; 10225 "099:"; 10454 "TRAT:"; 10176 (mode 0xFF))x"},
    {"TrnDebitoParcelado", 240, 1,
     R"x(10112; 10171; 1003 (format 4); 10104; 10146; literal "2" (mode 0x04); 10132 (mode 0x04); 1017 (mode 0x04); 10153; 10225 "099:"; 10454 "TRAT:"; 10176 (mode 0xFF))x"},
    {"TrnCancelamento", 240, 0,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10196 "008:"; 10156 "014:"; 1017 "015:"; 10187 "022:"; 10212 "030:"; variable DataCancelamento; 1013 "032:"; 10220 "033:" (format 4); 10139 "035:" (format 4); 10213 "036:"; 10201 "037:"; variable pDataPreCDC (mode 0xFF); 10230 "045:"; 10176 (mode 0xFF))x"},
    {"TrnConsultaCredito", 63, 0,
     R"x(10112; 10171; 10134; 1003 (format 4); 10104; 1017; 10147; 10146; 10151; 1019 (format 4); 10149; 10225 "099:"; 10176 (mode 0xFF))x"},
    {"TrnConsultaAVS", 240, 1,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 1088 "023:"; 1192 "024:"; 1090 "025:"; 1007 "026:"; variable Complemento; variable Bloco; 1089 "029:"; 10201 "037:"; 10225 "099:"; 10176 (mode 0xFF))x"},
    {"TrnCompraPrivateLabel", 240, 1,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 10156 "014:"; 1017 "015:"; 10201 "037:"; 10221 "040:"; 10222 "041:"; 10230 "045:"; 10225 "099:"; 10176 (mode 0xFF))x"},
    {"TrnConsultaCDC", 240, 0,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 10198 "012:"; 10151 "013:"; 1017 "015:"; variable pDataPreCDC (mode 0xFF); 1019 "017:" (format 4); 1097 "020:" (format 4); 10201 "037:"; 10225 "099:"; 10454 "TRAT:"; 10176 (mode 0xFF))x"},
    {"TrnConfirmacaoPreAut", 18, 1,
     R"x(10112; 10171; 10158; 10104; 10147; 1003 (format 4); 10146; 1020; 10157; 1013; 10151; 10156; 1017; 10149; 10458 "053:"; 10457 "054:"; 10454 "TRAT:"; 10176 (mode 0xFF))x"},
    {"TrnPreAutorizacaoCredito", 240, 1,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 10198 "012:"; 10151 "013:"; 10201 "037:"; 10221 "040:"; 10222 "041:"; 10458 "053:"; 10457 "054:"; 10225 "099:"; 10454 "TRAT:"; 10176 (mode 0xFF))x"},
    {"TrnReimpressaoKora", 240, 0, R"x(10112; 10171; 10103; literal ""; 1013; 1020; 10219)x"},
    {"TrnConsultaCodBarras", 240, 0,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 1041 "021:"; 10213 "036:"; 10201 "037:"; 10167 "042:"; 10176 (mode 0xFF))x"},
    {"TrnPagamentoConta", 240, 1,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 1041 "021:"; 10213 "036:"; 10201 "037:"; 10221 "040:"; 10222 "041:"; 10167 "042:"; 10225 "099:"; 10176 (mode 0xFF))x"},
    {"TrnPagtoFaturaPrivateLabel", 240, 1,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 1078 "022:"; 10201 "037:"; 10225 "099:"; 10176 (mode 0xFF))x"},
    {"TrnConfResgatePromocional", 240, 0,
     R"x(10112; 10171; 10158; 10104; literal ""; 10193 "001:"; 10194 "002:"; 10147 "003:"; 10196 "008:"; 10201 "037:"; 10144 "046:"; 10303 "PRODX:" (mode 0x3B); literal ""; 10176 (mode 0xFF))x"},
    {"TrnResgatePromocional", 240, 0,
     R"x(10112; 10171; 10158; 10104; literal ""; 10193 "001:"; 10194 "002:"; 10147 "003:"; 10196 "008:"; 10201 "037:"; 10176 (mode 0xFF))x"},
    {"TrnConsultaSaldo", 240, 1,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 10201 "037:"; 10221 "040:"; 10222 "041:"; 10225 "099:"; 10176 (mode 0xFF))x"},
    {"TrnAtualizaChip", 240, 1,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 10201 "037:"; 10221 "040:"; 10222 "041:"; 10225 "099:"; 10176 (mode 0xFF))x"},
    {"TrnAutoCapturaEstendida", 240, 1,
     R"x(10112; 10171; 10158; 10104; 1003 (format 4); 10193 "001:"; 10194 "002:"; 10147 "003:"; 10149 "004:"; 10146 "007:"; 10196 "008:"; 10201 "037:"; 10221 "040:"; 10222 "041:"; 10384; 10225 "099:"; 10333 (mode 0xFE); 10454 "TRAT:"; 10176 (mode 0xFF))x"},
    {"TrnVendaCD", 220, 1,
     R"x(10112; 10171; 10103; literal ""; 10304; 10361; 1003 (format 4); 10146; 10162[1,1]; 10371 (mode 0x3B); literal ""; 10278 (mode 0xFF); 10524 "CARTAOCD:"; 10526 "LPAGCD:"; 10232 "FUELCTRL:" (mode 0x3B); literal ""; literal "PRODC:" (mode 0xFF); 10162[1,4]; 1125 (mode 0x2C); 1169 (mode 0x2C); 1141 (mode 0x2C); 1130 (mode 0x3B); literal ""; 10333; literal ""; 10176 (mode 0xFF))x"},
    {"TrnCancelamentoCD", 220, 1,
     R"x(10112; 10171; 10103; literal ""; 10304; 10361; 1003 (format 4); 1013 (mode 0x04); 1020 (format 8); 10162[1,1]; 10371 (mode 0x3B); literal ""; literal "PRODC:" (mode 0xFF); 10162[1,4]; 1125 (mode 0x2C); 1169 (mode 0x2C); 1141 (mode 0x2C); 1130 (mode 0x3B); literal ""; 10278 (mode 0xFF); 10524 "CARTAOCD:"; 10333; literal ""; 10176 (mode 0xFF))x"},
    {"TrnDebParcComEntrada", 240, 1,
     R"x(10112; 10171; 1003 (format 4); 10104; 10146; literal "2" (mode 0x04); 10132 (mode 0x04); 1017 (mode 0x04); 10153; 10225 "099:"; 10454 "TRAT:"; 10176 (mode 0xFF))x"},
};

QString Variavel(const char* p) {
    if (p == Debitotrnkora::pDataPreCDC || p == Cancelamentotrnkora::pDataPreCDC) return "pDataPreCDC";
    if (p == Cancelamentotrnkora::DataCancelamento) return "DataCancelamento";
    if (p == Consavskora::Complemento) return "Complemento";
    if (p == Consavskora::Bloco) return "Bloco";
    return {};
}

// One entry in the documented notation.
QString Descreve(const TEntradaTransacao& e) {
    const char* texto = TextoEntrada(e);
    QString s;
    if (e.campo == 0) {
        const QString v = Variavel(texto);
        s = v.isEmpty() ? QString("literal \"%1\"").arg(texto ? texto : "") : "variable " + v;
    } else {
        s = QString::number(e.campo);
        if (e.indice) s += QString("[%1,%2]").arg(e.indice).arg(e.tamanho);
        if (texto) s += QString(" \"%1\"").arg(texto);
    }
    if (e.formato) s += QString(" (format %1)").arg(e.formato);
    if (e.modo) s += " (mode 0x" + QString("%1").arg(e.modo, 2, 16, QChar('0')).toUpper() + ")";
    return s;
}

const TDescritorNomeado* Procura(const char* nome) {
    for (const auto& d : TodosDescritores())
        if (std::strcmp(d.nome, nome) == 0) return &d;
    return nullptr;
}

} // namespace

TEST(ModuloDescritores, EveryDescriptorMatchesItsDocumentedFormat) {
    MontaDescritores();
    ASSERT_EQ(TodosDescritores().size(), std::size(kEsperados));
    for (const Esperado& esp : kEsperados) {
        SCOPED_TRACE(esp.nome);
        const TDescritorNomeado* d = Procura(esp.nome);
        ASSERT_NE(d, nullptr);
        const TTransacao& t = *d->descritor;
        // Packed members are copied out: EXPECT_EQ binds references.
        EXPECT_EQ(uint16_t{t.codigo}, esp.codigo);
        EXPECT_EQ(uint16_t{t.flag}, esp.flag);
        QStringList lidas;
        int i = 0;
        for (; i < MAX_ENTRADAS_DESCRITOR && t.entradas[i].campo != FIM_DESCRITOR; ++i) {
            lidas << Descreve(t.entradas[i]);
            // Lengths are zero as stored, except the two sub-field entries.
            if (t.entradas[i].campo != 10162) {
                EXPECT_EQ(uint16_t{t.entradas[i].tamanho}, 0) << i;
            }
        }
        EXPECT_EQ(lidas.join("; ").toStdString(), std::string(esp.entradas));
        ASSERT_LT(i, MAX_ENTRADAS_DESCRITOR);
        const char* fim = TextoEntrada(t.entradas[i]);
        ASSERT_NE(fim, nullptr);
        EXPECT_STREQ(fim, "");
    }
}

TEST(ModuloDescritores, ReaderAgreesWithLiveDescriptorAndStopsAtMarker) {
    MontaDescritores();
    const TDescritorLido r = LeDescritor(TrnConsultaMenuOutros);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.terminado);
    ASSERT_EQ(r.entradas.size(), 5u);
    EXPECT_EQ(r.entradas[0].campo, 0);
    EXPECT_EQ(r.entradas[0].texto, "0125");
    EXPECT_EQ(r.entradas[1].campo, 10171);
    EXPECT_FALSE(r.entradas[1].temTexto);
    EXPECT_EQ(r.entradas[4].texto, "");
    EXPECT_TRUE(r.entradas[4].textoLido);

    // From bytes alone, texts outside the image are not followed.
    TDescritorLido b = LeDescritor(reinterpret_cast<const unsigned char*>(&TrnReimpressaoKora), sizeof(TTransacao));
    ASSERT_EQ(b.entradas.size(), 7u);
    EXPECT_TRUE(b.entradas[3].temTexto);
    EXPECT_FALSE(b.entradas[3].textoLido);
    EXPECT_EQ(b.entradas[6].campo, 10219);
}

TEST(ModuloDescritores, ReaderOfBytesIsBoundedByImageAndEntryLimit) {
    // 31 entries and no marker: stops after 31, not terminated.
    std::vector<unsigned char> img(sizeof(TTransacao), 0);
    img[0] = 240;
    for (int i = 0; i < 31; ++i) img[4 + i * 13] = uint8_t(i + 1);
    TDescritorLido r = LeDescritor(img.data(), img.size());
    EXPECT_TRUE(r.ok);
    EXPECT_FALSE(r.terminado);
    EXPECT_EQ(r.entradas.size(), 31u);
    EXPECT_EQ(r.codigo, 240);

    // A truncated image reads only whole entries.
    r = LeDescritor(img.data(), 4 + 13 * 2 + 5);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.entradas.size(), 2u);
    EXPECT_FALSE(LeDescritor(img.data(), 3).ok);

    // A text slot pointing inside the image is resolved; one without a
    // terminator before the end, or pointing outside, is not.
    std::vector<unsigned char> t(4 + 13 * 3 + 8, 0);
    auto slot = [&](int entrada, int32_t rel) {
        std::memcpy(&t[4 + entrada * 13 + 9], &rel, 4);
        t[4 + entrada * 13] = 1;
    };
    const int textoOff = 4 + 13 * 3;
    std::memcpy(&t[textoOff], "ABC", 4);
    slot(0, textoOff - (4 + 9));
    slot(1, -100000);
    t[4 + 2 * 13] = 0xFF;
    t[4 + 2 * 13 + 1] = 0xFF;
    r = LeDescritor(t.data(), t.size());
    ASSERT_EQ(r.entradas.size(), 2u);
    EXPECT_TRUE(r.terminado);
    EXPECT_EQ(r.entradas[0].texto, "ABC");
    EXPECT_TRUE(r.entradas[0].textoLido);
    EXPECT_FALSE(r.entradas[1].textoLido);
    t.back() = 'X';
    std::memset(&t[textoOff], 'Z', 8);
    r = LeDescritor(t.data(), t.size());
    EXPECT_FALSE(r.entradas[0].textoLido);
}

TEST(ModuloDescritores, VariableEntriesAreSwitchedThroughTheirLength) {
    MontaDescritores();
    DefineDataPreCDCDebito("019:20261231");
    EXPECT_STREQ(Debitotrnkora::pDataPreCDC, "019:20261231");
    EXPECT_EQ(TamanhoVariavel(TrnDebito, Debitotrnkora::pDataPreCDC), 13);
    // The CDC consultation shares the variable but keeps its own length.
    EXPECT_EQ(TamanhoVariavel(TrnConsultaCDC, Debitotrnkora::pDataPreCDC), 0);
    LimpaDataPreCDCDebito();
    EXPECT_EQ(TamanhoVariavel(TrnDebito, Debitotrnkora::pDataPreCDC), 0);
    for (char c : Debitotrnkora::pDataPreCDC) EXPECT_EQ(c, '\0');

    DefineDataPreCDCCancelamento("016:20270115");
    DefineDataCancelamento("031:20261201");
    EXPECT_EQ(TamanhoVariavel(TrnCancelamento, Cancelamentotrnkora::pDataPreCDC), 13);
    EXPECT_EQ(TamanhoVariavel(TrnCancelamento, Cancelamentotrnkora::DataCancelamento), 12);
    EXPECT_EQ(TamanhoVariavel(TrnDebito, Debitotrnkora::pDataPreCDC), 0); // separate variable
    LimpaVariaveisCancelamento();
    EXPECT_EQ(TamanhoVariavel(TrnCancelamento, Cancelamentotrnkora::pDataPreCDC), 0);
    EXPECT_STREQ(Cancelamentotrnkora::DataCancelamento, "");

    // Too long a text is cut and stays terminated.
    DefineTextoVariavel(Debitotrnkora::pDataPreCDC, TAM_DATA_PRE_CDC, "0123456789ABCDEF");
    EXPECT_STREQ(Debitotrnkora::pDataPreCDC, "0123456789AB");
    EXPECT_FALSE(DefineTamanhoVariavel(TrnCompraCredito, Debitotrnkora::pDataPreCDC, 13));
    MontaDescritores();
}
