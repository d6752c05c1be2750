// Technical write-off: what it borrows and gives back around its request,
// which keys an outcome changes, the interval arithmetic and the off-line
// copies. The first report of the day is a scenario.
#include "Camposkora.h"
#include "test_module_host.h"
#include "transaction/Baixatecnicakora.h"

#include <QDir>
#include <QFile>
#include <QLabel>

namespace {

using namespace TesteHost;

QByteArray Bloco(int tamanho, int inicio, const QByteArray& texto, char fundo) {
    QByteArray b(257, '\0');
    b.replace(0, tamanho, QByteArray(tamanho, fundo));
    b.replace(inicio, int(texto.size()), texto);
    return b;
}
QByteArray Bloco3(const char* serie) { return Bloco(80, 80, QByteArray(serie).leftJustified(20, ' '), 'P'); }
QByteArray Bloco125(const char* sam) { return Bloco(40, 40, sam, 'H'); }
QJsonObject Pinpad(const QByteArray& bloco, int r = 0) {
    return {{"result", r}, {"blockHex", QString::fromLatin1(bloco.toHex())}};
}

class BaixaTecnica : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Plataforma::DefineAgora(QDateTime(QDate(2026, 12, 7), QTime(10, 30, 0)));
        Grava(CAMPO_VERSAO_AUTOMACAO, "AUTOM 2.0.1-rc7");
    }
    // The pinpad answers of one write-off: block 3, then block 125.
    void Blocos(const char* serie = "SN123", const char* sam = "SAMDATA") {
        Roteiro("MontaDadosPinpad", {Pinpad(Bloco3(serie)), Pinpad(Bloco125(sam))});
    }
    QString Ini(const char* chave) { return Plataforma::LeIni("Cliente.ini", "DadosPinpad", chave, "<none>"); }
    void DefineIni(const char* chave, const QString& v) {
        Plataforma::GravaIni("Cliente.ini", "DadosPinpad", chave, v);
    }
    // The state a write-off approved today at 09:00 would have left.
    void JaReportado(const QString& ultimaVerificacao, const char* intervalo) {
        DefineIni("UltimaBaixaTecnica", "07122026090000");
        DefineIni("DataHoraUltimaVerificacao", ultimaVerificacao);
        DefineIni("IntervaloEmMinutosBaixaTecnica", intervalo);
        DefineIni("VersaoAutomacao", "AUTOM 2.0.");
        DefineIni("DadosModuloSAM", "SAMDATA");
        DefineIni("NumeroSeriePinpad", "SN123");
    }
    QByteArray IniBytes() {
        QFile f(dir.filePath("Cliente.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(BaixaTecnica, SendsWithBorrowedFieldsAndGivesThemBack) {
    Blocos();
    Resposta({{CAMPO_CODIGO_RESPOSTA, "0"}, {CAMPO_REGISTRO_CARTAO, "lixo da resposta"}});
    Grava(CAMPO_ITENS_BAIXA_TECNICA, QByteArray("item0\0x", 7), 0);
    Grava(CAMPO_ITENS_BAIXA_TECNICA, "item1", 1);
    Grava(CAMPO_ITENS_BAIXA_TECNICA, "", 2);
    Grava(CAMPO_CODIGO_REQUISICAO, "42");
    Grava(CAMPO_REGISTRO_CARTAO, "registro");
    QLabel rotulo("Aguarde");
    EXPECT_TRUE(VerificaMontaDadosRealizaBaixaTecnica(&rotulo));

    ASSERT_EQ(Requisicoes(), 1);
    EXPECT_EQ(Enviado(0, CAMPO_CODIGO_REQUISICAO), "39");
    EXPECT_EQ(Chamadas("MontaBufferDadosDUKPTBaixaTecnica").size(), 1u);

    // What the write-off borrowed is given back; the outcome says "not done yet".
    EXPECT_EQ(Le(CAMPO_ITENS_BAIXA_TECNICA, 0), QByteArray("item0\0x", 7));
    EXPECT_EQ(Le(CAMPO_ITENS_BAIXA_TECNICA, 1), "item1");
    EXPECT_TRUE(Existe(CAMPO_ITENS_BAIXA_TECNICA, 2));
    EXPECT_EQ(Le(CAMPO_CODIGO_REQUISICAO), "42");
    EXPECT_EQ(Le(CAMPO_REGISTRO_CARTAO), "registro");
    EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "255");
    EXPECT_EQ(Le(CAMPO_TEXTO_RESULTADO), M(801));
    EXPECT_EQ(rotulo.text(), "Aguarde");

    // Fields that were absent stay absent; the reply's card record is kept
    // only when the field held something before.
    Host().campos.limpaTudo();
    Grava(CAMPO_VERSAO_AUTOMACAO, "AUTOM 3");
    Blocos();
    Resposta({{CAMPO_CODIGO_RESPOSTA, "0"}, {CAMPO_REGISTRO_CARTAO, "lixo da resposta"}});
    EXPECT_TRUE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_FALSE(Existe(CAMPO_ITENS_BAIXA_TECNICA));
    EXPECT_FALSE(Existe(CAMPO_CODIGO_REQUISICAO));
    EXPECT_EQ(Le(CAMPO_REGISTRO_CARTAO), "lixo da resposta");
}

TEST_F(BaixaTecnica, IntervalElapsedUnchangedPinpadOnlyMovesTheCheckTime) {
    JaReportado("07122026100000", "30");
    Blocos();
    EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_EQ(Chamadas("MontaDadosPinpad").size(), 2u);
    EXPECT_EQ(Requisicoes(), 0);
    EXPECT_EQ(Ini("DataHoraUltimaVerificacao"), "07122026103000");
    EXPECT_EQ(Ini("UltimaBaixaTecnica"), "07122026090000");
    EXPECT_FALSE(Existe(CAMPO_CODIGO_RESPOSTA));

    // Without the schedule the pinpad is looked at, but the check time stays.
    DefineIni("DataHoraUltimaVerificacao", "07122026100000");
    Blocos();
    EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(false, nullptr));
    EXPECT_EQ(Ini("DataHoraUltimaVerificacao"), "07122026100000");
}

TEST_F(BaixaTecnica, VersionOrPinpadChangeReportsAgain) {
    JaReportado("07122026102900", "30");
    Grava(CAMPO_VERSAO_AUTOMACAO, "AUTOM 3.0");
    Blocos();
    EXPECT_TRUE(VerificaMontaDadosRealizaBaixaTecnica(nullptr)) << "new version, interval not elapsed";
    EXPECT_EQ(Ini("VersaoAutomacao"), "AUTOM 3.0");

    JaReportado("07122026090000", "30");
    Grava(CAMPO_VERSAO_AUTOMACAO, "AUTOM 2.0.9");
    Blocos("SN999");
    EXPECT_TRUE(VerificaMontaDadosRealizaBaixaTecnica(nullptr)) << "pinpad swapped";
    EXPECT_EQ(Ini("NumeroSeriePinpad"), "SN999");
    EXPECT_EQ(Requisicoes(), 2);
}

TEST_F(BaixaTecnica, DeclinedOrUnansweredChangesNoKey) {
    JaReportado("06122026090000", "0");
    DefineIni("UltimaBaixaTecnica", "06122026090000");
    const QByteArray antes = IniBytes();
    for (const char* r : {"05", "", "X"}) {
        Blocos();
        Resposta({{CAMPO_CODIGO_RESPOSTA, r}});
        EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(nullptr)) << r;
        EXPECT_EQ(IniBytes(), antes) << r;
        EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "255");
    }
    EXPECT_EQ(Requisicoes(), 3);
}

TEST_F(BaixaTecnica, MissingPinpadDataOrRequestCode) {
    // No pinpad data: the items say so and nothing is sent.
    Roteiro("MontaDadosPinpad", {12});
    Grava(CAMPO_ITENS_BAIXA_TECNICA, "antigo", 2);
    EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_EQ(Requisicoes(), 0);
    EXPECT_EQ(Le(CAMPO_ITENS_BAIXA_TECNICA, 0), QByteArray(100, ' '));
    EXPECT_EQ(Le(CAMPO_ITENS_BAIXA_TECNICA, 1), QByteArray(256, ' ') + '\0');
    EXPECT_EQ(Le(CAMPO_ITENS_BAIXA_TECNICA, 2), "No DUKPT");
    EXPECT_EQ(Ini("UltimaBaixaTecnica"), "<none>");

    // No security module: still reported.
    Host().campos.limpaTudo();
    Roteiro("MontaDadosPinpad", {Pinpad(Bloco3("SN123")), 4});
    EXPECT_TRUE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_EQ(Enviado(0, CAMPO_ITENS_BAIXA_TECNICA, 1), QByteArray(256, ' ') + '\0');
    EXPECT_EQ(Enviado(0, CAMPO_ITENS_BAIXA_TECNICA, 2), "No DUKPT");
    EXPECT_EQ(Ini("DadosModuloSAM"), "");

    // The request code cannot be written: nothing goes out, the items come back.
    Host().campos.limpaTudo();
    Host().camposRecusados.insert(CAMPO_CODIGO_REQUISICAO);
    Grava(CAMPO_ITENS_BAIXA_TECNICA, "meu");
    Grava(CAMPO_VERSAO_AUTOMACAO, "AUTOM 4");
    Blocos();
    EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_EQ(Requisicoes(), 1);
    EXPECT_EQ(Le(CAMPO_ITENS_BAIXA_TECNICA), "meu");
}

TEST(BaixaTecnicaHorario, MinutesBetweenStamps) {
    EXPECT_TRUE(VerificaSeDeuHorarioBaixaTecnica("07122026103000", "  ", "30"));
    EXPECT_FALSE(VerificaSeDeuHorarioBaixaTecnica("07122026103000", "07122026100030", "30"));
    EXPECT_TRUE(VerificaSeDeuHorarioBaixaTecnica("07122026103000", "07122026100000", "30"));
    EXPECT_TRUE(VerificaSeDeuHorarioBaixaTecnica("07122026103000", "07122026110000", "30")) << "either way";
    EXPECT_TRUE(VerificaSeDeuHorarioBaixaTecnica("01012027000500", "31122026235500", "10")) << "across a year";
    EXPECT_TRUE(VerificaSeDeuHorarioBaixaTecnica("07122026103000", "07122026103000", "meia hora"));
    EXPECT_TRUE(VerificaSeDeuHorarioBaixaTecnica("07122026103000", "32132026250000", "30")) << "unreadable";
    EXPECT_TRUE(VerificaSeDeuHorarioBaixaTecnica("07122026103000", "0712202610 000", "30")) << "not all digits";
    EXPECT_FALSE(VerificaSeDeuHorarioBaixaTecnica("07122026103000 e mais", " 07122026102500", "30")) << "cut to 14";
}

TEST_F(BaixaTecnica, FirstOfTheMonthCopiesTheLastDayOfThePrevious) {
    Plataforma::DefineAgora(QDateTime(QDate(2027, 3, 1), QTime(8, 0)));
    QDir(dir.path()).mkdir("Audit");
    auto cria = [&](const QString& nome, const QByteArray& conteudo) {
        QFile f(dir.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
    };
    auto le = [&](const QString& nome) {
        QFile f(dir.filePath(nome));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    };
    cria("Audit/20270228.aud", "ontem");
    cria("Audit/20270301.aud", "hoje");
    cria("Audit/20270301.off", "copia velha");
    cria("BiblPinPad.20270228.dmp", "log de ontem");
    CopiaAuditOffLine();
    CopiaLogBibliPinpadOffLine();
    EXPECT_EQ(le("Audit/20270228.offda"), "ontem");
    EXPECT_EQ(le("Audit/20270301.off"), "hoje");
    EXPECT_EQ(le("BiblPinPad.20270228.offda"), "log de ontem");
    EXPECT_EQ(le("BiblPinPad.20270301.off"), "<none>") << "missing source skipped";
}

} // namespace
