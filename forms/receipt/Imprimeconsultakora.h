// The consultation and print form: shows the coupon an acquirer consultation
// produced in a fixed-pitch box and lets the operator print it or go back.
// Callers read the menu model's ImprimeCupom afterwards.
#pragma once
#include "framework/Modelokora.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFrame;
class QPlainTextEdit;
class QPushButton;

// What the instalment-plan coupon is made of, as the host holds it.
struct TDadosCupomPlano {
    QByteArray cabecalho;  // reply header (field 20017), up to 85 bytes
    QByteArray consulta;   // consultation record (field 20019), up to 138 bytes
    QString trilha;        // card track (10109, else 10104)
    QString validade;      // expiry typed by the operator, MMYY; blank to take it from the track
    QString pdv;           // point-of-sale number
    bool lidoChip = false; // field 10172 not "0"
    bool online = false;   // field 10146 not blank
    int ano = 0;           // the current year
};

// The 38-column coupon of an instalment-plan consultation, one line per entry.
QStringList MontaCupomPlano(const TDadosCupomPlano& d);
// A service text cut at "@": the first character is a code, the text after
// the last "@" is not shown; every line ends in a blank.
QStringList LinhasServicoArroba(const QString& texto);

class TFrmImprime_Mod : public TFrmMod {
public:
    static TFrmImprime_Mod* Cria();
    explicit TFrmImprime_Mod(QWidget* pai = nullptr);

    QPlainTextEdit* MemoConsulta = nullptr;
    QFrame* pnBotoes = nullptr;
    QPushButton* btImprime = nullptr;
    QPushButton* btRetorna = nullptr;

    void FormShow() override;
    void btImprimeClick();
    void btRetornaClick();

private:
    QStringList MontaTexto();
    void CursorNoInicio();
};

extern TFrmImprime_Mod* FrmImprime_Mod;
