#include "Confresgatepromocional.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>
#include <QLineEdit>

TFrmConfResgateProm* FrmConfResgateProm = nullptr;

QString ValorChave(const QString& lista, const QString& chave) {
    // By key, not by position: "dHost=" must not be found inside "IdHost=".
    for (const QString& item : lista.split(QLatin1Char(',')))
        if (item.startsWith(chave)) return item.mid(chave.size());
    return {};
}

TFrmConfResgateProm* TFrmConfResgateProm::Cria() { return TFrmMod::CriaForm<TFrmConfResgateProm>(); }

TFrmConfResgateProm::TFrmConfResgateProm(QWidget* parent) : TFrmTrn_Mod(parent) {
    setObjectName(QStringLiteral("FrmConfResgateProm"));
}

void TFrmConfResgateProm::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    pTransacao = &TrnConfResgatePromocional;
    lbTitulo->setText(Mensagem(2674));
    lbValor->hide();
    edValor->hide();
}

bool TFrmConfResgateProm::GravaCamposPontal() {
    if (!TFrmTrn_Mod::GravaCamposPontal()) return false;
    if (!Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("50"))) return false;
    // The query's NSU, as the reply header carries it.
    return Campos::GravaBytes(CAMPO_NSU_RESGATE, Campos::LeBytes(CAMPO_CABECALHO_RESPOSTA, 85).mid(76, 6));
}

void TFrmConfResgateProm::VerificaGravaCamposTrnAprovada() {
    TFrmTrn_Mod::VerificaGravaCamposTrnAprovada();
    if (!Campos::Preenchido(CAMPO_DADOS_RESGATE)) return;
    const QString dados = Campos::Le(CAMPO_DADOS_RESGATE).left(256);
    const struct {
        const char* chave;
        int campo;
    } valores[] = {
        {"IdHost=", CAMPO_RESGATE_VALOR_1}, {"Res[0]=", CAMPO_RESGATE_VALOR_2}, {"dHost=", CAMPO_RESGATE_VALOR_3}};
    for (const auto& v : valores) {
        const QString valor = ValorChave(dados, QString::fromLatin1(v.chave));
        if (!valor.isEmpty() && !Campos::Grava(v.campo, valor)) return;
    }
}

void TFrmConfResgateProm::btConfirmaClick() {
    bCapturaSenha = false;
    TFrmTrn_Mod::btConfirmaClick();
}

KORA_REGISTRA_GALERIA(FrmConfResgateProm, [] { return static_cast<QDialog*>(TFrmConfResgateProm::Cria()); })
KORA_REGISTRA_FORM(FrmConfResgateProm, TFrmConfResgateProm)
