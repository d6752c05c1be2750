#include "Camposkora.h"
#include "estado.h"
#include "platform.h"
#include "test_module_hostfalso.h"
#include "transaction/Baixatecnicakora.h"
#include "transaction/Descritoreskora.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

auto& Campos() { return hostsim::estado().campos; }

QByteArray Bloco3(const char* serie) {
    QByteArray b(257, '\0');
    b.replace(0, 80, QByteArray(80, 'P'));
    b.replace(80, 20, QByteArray(serie).leftJustified(20, ' '));
    return b;
}

QByteArray Bloco125(const char* sam) {
    QByteArray b(257, '\0');
    b.replace(0, 40, QByteArray(40, 'H'));
    b.replace(40, int(strlen(sam)), sam);
    return b;
}

class BaixaTecnica : public ::testing::Test {
protected:
    void SetUp() override {
        Plataforma::GaranteAplicacao();
        HostFalso::Inicia();
        Plataforma::DefineDiretorioHost(dir.path());
        Plataforma::DefineAgora(QDateTime(QDate(2026, 12, 7), QTime(10, 30, 0)));
        auto& h = HostFalso::estado();
        h.bloco3 = Bloco3("SN123");
        h.bloco125 = Bloco125("SAMDATA");
        h.aoEnviar = [this] {
            noEnvio10158 = Campos().le(CAMPO_CODIGO_REQUISICAO, 0);
            for (uint16_t i = 0; i < 3; ++i) noEnvio10177[i] = Campos().le(CAMPO_ITENS_BAIXA_TECNICA, i);
            Campos().grava(CAMPO_CODIGO_RESPOSTA, 0, resposta);
            Campos().grava(CAMPO_REGISTRO_CARTAO, 0, "lixo da resposta");
        };
        Campos().grava(CAMPO_VERSAO_AUTOMACAO, 0, "AUTOM 2.0.1-rc7");
    }
    void TearDown() override {
        Plataforma::DefineAgora({});
        Plataforma::DefineDiretorioHost({});
        HostFalso::Encerra();
    }
    QString Ini(const char* chave) {
        return Plataforma::LeIni(QStringLiteral("Cliente.ini"), QStringLiteral("DadosPinpad"), QString::fromLatin1(chave),
                                 QStringLiteral("<none>"));
    }
    void DefineIni(const char* chave, const QString& v) {
        Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("DadosPinpad"), QString::fromLatin1(chave), v);
    }
    // The state a write-off approved today at 09:00 would have left.
    void JaReportado(const QString& ultimaVerificacao, const char* intervalo) {
        DefineIni("UltimaBaixaTecnica", QStringLiteral("07122026090000"));
        DefineIni("DataHoraUltimaVerificacao", ultimaVerificacao);
        DefineIni("IntervaloEmMinutosBaixaTecnica", QString::fromLatin1(intervalo));
        DefineIni("VersaoAutomacao", QStringLiteral("AUTOM 2.0."));
        DefineIni("DadosModuloSAM", QStringLiteral("SAMDATA"));
        DefineIni("NumeroSeriePinpad", QStringLiteral("SN123"));
    }
    QByteArray IniBytes() {
        QFile f(dir.filePath("Cliente.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    QByteArray resposta = "0";
    QByteArray noEnvio10158, noEnvio10177[3];
};

TEST_F(BaixaTecnica, FirstOfTheDaySendsAndStoresEveryKey) {
    Campos().grava(CAMPO_ITENS_BAIXA_TECNICA, 0, QByteArray("item0\0x", 7));
    Campos().grava(CAMPO_ITENS_BAIXA_TECNICA, 1, "item1");
    Campos().grava(CAMPO_ITENS_BAIXA_TECNICA, 2, "");
    Campos().grava(CAMPO_CODIGO_REQUISICAO, 0, "42");
    Campos().grava(CAMPO_REGISTRO_CARTAO, 0, "registro");
    QLabel rotulo(QStringLiteral("Aguarde"));

    EXPECT_TRUE(VerificaMontaDadosRealizaBaixaTecnica(&rotulo));

    auto& h = HostFalso::estado();
    ASSERT_EQ(h.autorizacoes, 1);
    EXPECT_EQ(h.descritores[0], &TrnBaixaTecnica);
    EXPECT_EQ(h.dukpt, 1);
    EXPECT_EQ(noEnvio10158, "39");
    EXPECT_EQ(noEnvio10177[0], Bloco3("SN123").left(100));
    EXPECT_EQ(noEnvio10177[1], Bloco125("SAMDATA").left(47));

    EXPECT_EQ(Ini("DadosModuloSAM"), "SAMDATA");
    EXPECT_EQ(Ini("NumeroSeriePinpad"), "SN123");
    EXPECT_EQ(Ini("VersaoAutomacao"), "AUTOM 2.0.");
    EXPECT_EQ(Ini("UltimaBaixaTecnica"), "07122026103000");
    EXPECT_EQ(Ini("DataHoraUltimaVerificacao"), "07122026103000");

    // What the write-off borrowed is given back; the outcome says "not done yet".
    EXPECT_EQ(Campos().le(CAMPO_ITENS_BAIXA_TECNICA, 0), QByteArray("item0\0x", 7));
    EXPECT_EQ(Campos().le(CAMPO_ITENS_BAIXA_TECNICA, 1), "item1");
    EXPECT_TRUE(Campos().existe(CAMPO_ITENS_BAIXA_TECNICA, 2));
    EXPECT_EQ(Campos().le(CAMPO_ITENS_BAIXA_TECNICA, 2), "");
    EXPECT_EQ(Campos().le(CAMPO_CODIGO_REQUISICAO, 0), "42");
    EXPECT_EQ(Campos().le(CAMPO_REGISTRO_CARTAO, 0), "registro");
    EXPECT_EQ(Campos().le(CAMPO_CODIGO_RESPOSTA, 0), "255");
    EXPECT_EQ(Campos().le(CAMPO_TEXTO_RESULTADO, 0), "<msg 801>");
    EXPECT_EQ(rotulo.text(), "Aguarde");
}

TEST_F(BaixaTecnica, BorrowedFieldsThatWereAbsentStayAbsent) {
    EXPECT_TRUE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_FALSE(Campos().existe(CAMPO_ITENS_BAIXA_TECNICA, 0));
    EXPECT_FALSE(Campos().existe(CAMPO_CODIGO_REQUISICAO, 0));
    EXPECT_EQ(Campos().le(CAMPO_REGISTRO_CARTAO, 0), "lixo da resposta") << "kept only when it held something";
}

TEST_F(BaixaTecnica, WithinTheIntervalNothingIsReadOrWritten) {
    JaReportado(QStringLiteral("07122026102000"), "30");
    const QByteArray antes = IniBytes();
    EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_EQ(HostFalso::estado().leiturasPinpad, 0);
    EXPECT_EQ(HostFalso::estado().autorizacoes, 0);
    EXPECT_EQ(IniBytes(), antes);
    EXPECT_FALSE(Campos().existe(CAMPO_CODIGO_RESPOSTA, 0));
}

TEST_F(BaixaTecnica, IntervalElapsedUnchangedPinpadOnlyMovesTheCheckTime) {
    JaReportado(QStringLiteral("07122026100000"), "30");
    EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_EQ(HostFalso::estado().leiturasPinpad, 2);
    EXPECT_EQ(HostFalso::estado().autorizacoes, 0);
    EXPECT_EQ(Ini("DataHoraUltimaVerificacao"), "07122026103000");
    EXPECT_EQ(Ini("UltimaBaixaTecnica"), "07122026090000");
    EXPECT_FALSE(Campos().existe(CAMPO_CODIGO_RESPOSTA, 0));

    // Without the schedule the pinpad is looked at, but the check time stays.
    DefineIni("DataHoraUltimaVerificacao", QStringLiteral("07122026100000"));
    EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(false, nullptr));
    EXPECT_EQ(Ini("DataHoraUltimaVerificacao"), "07122026100000");
}

TEST_F(BaixaTecnica, VersionOrPinpadChangeReportsAgain) {
    JaReportado(QStringLiteral("07122026102900"), "30");
    Campos().grava(CAMPO_VERSAO_AUTOMACAO, 0, "AUTOM 3.0");
    EXPECT_TRUE(VerificaMontaDadosRealizaBaixaTecnica(nullptr)) << "new version, interval not elapsed";
    EXPECT_EQ(Ini("VersaoAutomacao"), "AUTOM 3.0");

    JaReportado(QStringLiteral("07122026090000"), "30");
    Campos().grava(CAMPO_VERSAO_AUTOMACAO, 0, "AUTOM 2.0.9");
    HostFalso::estado().bloco3 = Bloco3("SN999");
    EXPECT_TRUE(VerificaMontaDadosRealizaBaixaTecnica(nullptr)) << "pinpad swapped";
    EXPECT_EQ(Ini("NumeroSeriePinpad"), "SN999");
    EXPECT_EQ(HostFalso::estado().autorizacoes, 2);
}

TEST_F(BaixaTecnica, DeclinedOrUnansweredChangesNoKey) {
    JaReportado(QStringLiteral("06122026090000"), "0");
    DefineIni("UltimaBaixaTecnica", QStringLiteral("06122026090000"));
    const QByteArray antes = IniBytes();
    for (const char* r : {"05", "", "X"}) {
        resposta = r;
        EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(nullptr)) << r;
        EXPECT_EQ(IniBytes(), antes) << r;
        EXPECT_EQ(Campos().le(CAMPO_CODIGO_RESPOSTA, 0), "255");
    }
    EXPECT_EQ(HostFalso::estado().autorizacoes, 3);
}

TEST_F(BaixaTecnica, PinpadWithoutDataSendsNothing) {
    HostFalso::estado().retPinpad3 = 12;
    Campos().grava(CAMPO_ITENS_BAIXA_TECNICA, 2, "antigo");
    EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_EQ(HostFalso::estado().autorizacoes, 0);
    EXPECT_EQ(Campos().le(CAMPO_ITENS_BAIXA_TECNICA, 0), QByteArray(100, ' '));
    EXPECT_EQ(Campos().le(CAMPO_ITENS_BAIXA_TECNICA, 1), QByteArray(256, ' ') + '\0');
    EXPECT_EQ(Campos().le(CAMPO_ITENS_BAIXA_TECNICA, 2), "No DUKPT");
    EXPECT_EQ(Ini("UltimaBaixaTecnica"), "<none>");
}

TEST_F(BaixaTecnica, SecurityModuleUnavailableStillReports) {
    HostFalso::estado().retPinpad = 4;
    EXPECT_TRUE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_EQ(noEnvio10177[1], QByteArray(256, ' ') + '\0');
    EXPECT_EQ(noEnvio10177[2], "No DUKPT");
    EXPECT_EQ(Ini("DadosModuloSAM"), "");
}

TEST_F(BaixaTecnica, RefusedRequestCodeEndsBeforeSending) {
    hostsim::estado().camposRecusados.insert(CAMPO_CODIGO_REQUISICAO);
    Campos().grava(CAMPO_ITENS_BAIXA_TECNICA, 0, "meu");
    EXPECT_FALSE(VerificaMontaDadosRealizaBaixaTecnica(nullptr));
    EXPECT_EQ(HostFalso::estado().autorizacoes, 0);
    EXPECT_EQ(Campos().le(CAMPO_ITENS_BAIXA_TECNICA, 0), "meu");
    hostsim::estado().camposRecusados.clear();
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

class CopiaOffLine : public ::testing::Test {
protected:
    void SetUp() override {
        Plataforma::DefineDiretorioHost(dir.path());
        QDir(dir.path()).mkdir("Audit");
    }
    void TearDown() override {
        Plataforma::DefineAgora({});
        Plataforma::DefineDiretorioHost({});
    }
    void Cria(const QString& nome, const QByteArray& conteudo) {
        QFile f(dir.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
    }
    QByteArray Le(const QString& nome) {
        QFile f(dir.filePath(nome));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    QTemporaryDir dir;
};

TEST_F(CopiaOffLine, FirstOfTheMonthCopiesTheLastDayOfThePrevious) {
    Plataforma::DefineAgora(QDateTime(QDate(2027, 3, 1), QTime(8, 0)));
    Cria("Audit/20270228.aud", "ontem");
    Cria("Audit/20270301.aud", "hoje");
    Cria("Audit/20270301.off", "copia velha");
    Cria("BiblPinPad.20270228.dmp", "log de ontem");
    CopiaAuditOffLine();
    CopiaLogBibliPinpadOffLine();
    EXPECT_EQ(Le("Audit/20270228.offda"), "ontem");
    EXPECT_EQ(Le("Audit/20270301.off"), "hoje");
    EXPECT_EQ(Le("BiblPinPad.20270228.offda"), "log de ontem");
    EXPECT_EQ(Le("BiblPinPad.20270301.off"), "<none>") << "missing source skipped";
}

} // namespace
