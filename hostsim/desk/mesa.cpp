#include "mesa.h"

#include "estado.h"
#include "ganchos.h"
#include "hostlib.h"
#include "sigilo.h"
#include "platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QMouseEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <dlfcn.h>
#include <iterator>

namespace hostsim::desk {
namespace {

using FnVazia = void (*)();
using FnExec = void (*)(uint32_t, int32_t);
using FnMenu = void (*)(uint32_t, QLabel*);
using FnAbre = int (*)(const char*);

struct Entrada {
    const char* nome;
    const char* funcao;
    int arg;
    const char* tipoCartao; // field 10107 written first, when given
};
const Entrada kEntradas[] = {
    {"Debit sale", "ExecutaVenda", 0, "1"},
    {"Credit sale", "ExecutaVenda", 0, "0"},
    {"QR-code sale", "ExecutaVenda", 82, nullptr},
    {"Pre-authorization", "ExecutaPreAutorizacao", 0, nullptr},
    {"Cancellation", "ExecutaFuncaoADM", 1, nullptr},
    {"Reprint", "ExecutaFuncaoADM", 2, nullptr},
    {"QR-code cancellation", "ExecutaFuncaoADM", 82, nullptr},
    {"Bill payment", "ExecutaGenerico", 0, nullptr},
    {"Other-transactions menu", "ExecutaGenerico", 9, nullptr},
    {"Cheque query", "ExecutaConsultaCheque", 0, nullptr},
    {"Menu query", "RealizaConsultaMenuOutros", 0, nullptr},
};
const char* const kFuncoes[] = {"ExecutaVenda",
                                "ExecutaFuncaoADM",
                                "ExecutaPreAutorizacao",
                                "ExecutaGenerico",
                                "ExecutaConsultaCheque",
                                "RealizaConsultaMenuOutros",
                                "ObtemVersao",
                                "Initialize",
                                "Finalize"};
// Forms no entry point opens; any registered name may be typed.
const char* const kForms[] = {"FrmCnc_Mnu",      "FrmSel_Canc",    "FrmCnf_PreCnc",      "FrmPre_PreCnc",
                              "FrmConsSaldo",    "FrmResgateProm", "FrmConfResgateProm", "FrmFrmAtualizaChip",
                              "FrmCap_CAut_Vlr", "FrmAuto",        "FrmOutros_Mnu",      "FrmReimpressao_Trn"};

// Test cards: their numbers are built here with the check digit, as test
// numbers of the simulated host.
QByteArray ComDigito(const QByteArray& corpo) {
    for (char d = '0'; d <= '9'; ++d) {
        const QByteArray n = corpo + d;
        int soma = 0;
        for (qsizetype i = 0; i < n.size(); ++i) {
            int v = n[n.size() - 1 - i] - '0';
            if (i % 2) v = v * 2 > 9 ? v * 2 - 9 : v * 2;
            soma += v;
        }
        if (soma % 10 == 0) return n;
    }
    return corpo + '0';
}
struct Cartao {
    const char* nome;
    QByteArray numero;
    const char* validade;
};
const std::vector<Cartao>& Cartoes() {
    static const std::vector<Cartao> c = {
        {"Debit test card", "5555666677778888", "2812"},
        {"Credit test card", ComDigito("411111111111111"), "2812"},
        {"Expired test card", ComDigito("555566667777111"), "2001"},
    };
    return c;
}

QString Mascarado(const QByteArray& pan) {
    if (pan.size() < 13) return QString(pan.size(), '*');
    return QString::fromLatin1(pan.left(6) + QByteArray(pan.size() - 10, '*') + pan.right(4));
}

// A field as the views show it: card data never in full.
QString Visivel(int campo, const QByteArray& v) {
    if (CampoSigiloso(campo)) return QStringLiteral("(card data, %1 bytes)").arg(v.size());
    const QByteArray m = MascaraPan(v);
    for (char c : m)
        if (static_cast<unsigned char>(c) < 0x20) return QStringLiteral("hex ") + QString::fromLatin1(m.toHex());
    return QString::fromLatin1(m);
}

QString DecimalDias(const QDateTime& t) { return t.toString(QStringLiteral("ddMMyyyyhhmmss")); }

QString NomeTecla(int k) {
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("Enter");
    case Qt::Key_Escape: return QStringLiteral("Escape");
    case Qt::Key_Tab: return QStringLiteral("Tab");
    case Qt::Key_Backspace: return QStringLiteral("Backspace");
    case Qt::Key_Up: return QStringLiteral("Up");
    case Qt::Key_Down: return QStringLiteral("Down");
    default:
        if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return QStringLiteral("F%1").arg(k - Qt::Key_F1 + 1);
        return {};
    }
}

QString NomeBotao(QMessageBox::StandardButton b) {
    switch (b) {
    case QMessageBox::Yes: return QStringLiteral("yes");
    case QMessageBox::No: return QStringLiteral("no");
    case QMessageBox::Cancel: return QStringLiteral("cancel");
    default: return QStringLiteral("ok");
    }
}

// The module's window a widget belongs to, or null for the desk's own.
QWidget* JanelaModulo(QWidget* w, const QWidget* mesa) {
    QWidget* j = w->window();
    if (!j || j == mesa || j->property("hostsimDesk").toBool()) return nullptr;
    return j;
}

// The nearest named widget at or above `w` inside its window.
QString Nomeado(QWidget* w) {
    for (QWidget* p = w; p && !p->isWindow(); p = p->parentWidget())
        if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_"))) return p->objectName();
    return {};
}

QPushButton* Botao(const QString& nome, const QString& texto, QWidget* pai) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    return b;
}

} // namespace

Mesa::Mesa(const OpcoesMesa& opcoes) : op_(opcoes) {
    setObjectName(QStringLiteral("HostsimDesk"));
    setWindowTitle(QStringLiteral("hostsim desk"));
    MontaTela();
    qApp->installEventFilter(this);
    DefineRespostaAoVivo([this](const QString& op) { return RespondeAoVivo(op); });
    DefineDecisaoAdquirente([this](const Requisicao& r) { return DecideAdquirente(r); });
    auto* relogio = new QTimer(this);
    connect(relogio, &QTimer::timeout, this, &Mesa::Atualiza);
    relogio->start(250);
}

Mesa::~Mesa() {
    qApp->removeEventFilter(this);
    DefineRespostaAoVivo({});
    DefineDecisaoAdquirente({});
    if (lib_) {
        if (auto fim = reinterpret_cast<FnVazia>(dlsym(lib_, "Finalize"))) fim();
        // Left loaded: the module's objects may still be queued for deletion.
    }
    Plataforma::DefineDiretorioHost({});
}

// ---- Layout -------------------------------------------------------------------------

void Mesa::MontaTela() {
    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    lbAviso_ = new QLabel(central);
    lbAviso_->setObjectName(QStringLiteral("lbAviso"));
    lbAviso_->setWordWrap(true);
    lbAviso_->setStyleSheet(QStringLiteral("background:#b71c1c;color:white;padding:6px;font-weight:bold"));
    lbAviso_->setVisible(!op_.aviso.isEmpty());
    lbAviso_->setText(op_.aviso);
    v->addWidget(lbAviso_);

    auto* divisao = new QSplitter(central);
    auto* esquerda = new QWidget;
    auto* col = new QVBoxLayout(esquerda);
    col->addWidget(PainelEntradas());
    col->addWidget(PainelCartao());
    col->addWidget(PainelPinpad());
    col->addWidget(PainelAdquirente());
    col->addStretch();
    auto* rolagem = new QScrollArea;
    rolagem->setWidget(esquerda);
    rolagem->setWidgetResizable(true);
    rolagem->setMinimumWidth(430);
    divisao->addWidget(rolagem);

    auto* abas = new QTabWidget;
    abas->setObjectName(QStringLiteral("tbVistas"));
    // Field store, editable between calls.
    auto* pgCampos = new QWidget;
    auto* vc = new QVBoxLayout(pgCampos);
    auto* linha = new QHBoxLayout;
    edCampo_ = new QLineEdit;
    edCampo_->setObjectName(QStringLiteral("edCampo"));
    edCampo_->setPlaceholderText(QStringLiteral("field"));
    edCampo_->setMaximumWidth(80);
    edValorCampo_ = new QLineEdit;
    edValorCampo_->setObjectName(QStringLiteral("edValorCampo"));
    edValorCampo_->setPlaceholderText(QStringLiteral("value (empty clears)"));
    ckHexa_ = new QCheckBox(QStringLiteral("hex"));
    btGravaCampo_ = Botao(QStringLiteral("btGravaCampo"), QStringLiteral("Set"), pgCampos);
    linha->addWidget(edCampo_);
    linha->addWidget(edValorCampo_, 1);
    linha->addWidget(ckHexa_);
    linha->addWidget(btGravaCampo_);
    vc->addLayout(linha);
    tbCampos_ = new QTableWidget(0, 3);
    tbCampos_->setObjectName(QStringLiteral("tbCampos"));
    tbCampos_->setHorizontalHeaderLabels({"Field", "Index", "Value"});
    tbCampos_->horizontalHeader()->setStretchLastSection(true);
    tbCampos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tbCampos_->verticalHeader()->hide();
    vc->addWidget(tbCampos_);
    connect(tbCampos_, &QTableWidget::cellClicked, this, [this](int r, int) {
        edCampo_->setText(tbCampos_->item(r, 0)->text());
        if (!CampoSigiloso(tbCampos_->item(r, 0)->text().toInt()))
            edValorCampo_->setText(tbCampos_->item(r, 2)->text());
    });
    connect(btGravaCampo_, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const int campo = edCampo_->text().toInt(&ok);
        if (!ok || campo <= 0 || campo > 0xFFFE)
            return Registra(QStringLiteral("not a field number: ") + edCampo_->text());
        QByteArray valor;
        if (ckHexa_->isChecked() ? !HexParaBytes(edValorCampo_->text(), valor)
                                 : !TextoParaLatin1(edValorCampo_->text(), valor))
            return Registra(QStringLiteral("field %1: not a valid value").arg(campo));
        EscreveCampo(campo, valor);
    });
    abas->addTab(pgCampos, QStringLiteral("Fields"));
    abas->addTab(PainelCatalogo(), QStringLiteral("Products"));

    trRequisicoes_ = new QTreeWidget;
    trRequisicoes_->setObjectName(QStringLiteral("trRequisicoes"));
    trRequisicoes_->setHeaderLabels({"Request / field", "Index", "Tag", "Format", "Mode", "Value"});
    abas->addTab(trRequisicoes_, QStringLiteral("Requests"));
    auto texto = [&](QPlainTextEdit*& t, const char* nome, const QString& titulo) {
        t = new QPlainTextEdit;
        t->setObjectName(QLatin1String(nome));
        t->setReadOnly(true);
        abas->addTab(t, titulo);
    };
    texto(txAudit_, "txAudit", QStringLiteral("Audit"));
    texto(txPinpad_, "txPinpad", QStringLiteral("Pinpad log"));
    texto(txCaixas_, "txCaixas", QStringLiteral("Message boxes"));
    tbArquivos_ = new QTableWidget(0, 6);
    tbArquivos_->setObjectName(QStringLiteral("tbArquivos"));
    tbArquivos_->setHorizontalHeaderLabels(
        {"#", "1003 amount", "1009 code", "1027 outcome", "10107 kind", "10193 product"});
    tbArquivos_->horizontalHeader()->setStretchLastSection(true);
    tbArquivos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    abas->addTab(tbArquivos_, QStringLiteral("Stored transactions"));
    texto(txEventos_, "txEventos", QStringLiteral("Desk"));
    divisao->addWidget(abas);
    divisao->setStretchFactor(1, 1);
    v->addWidget(divisao, 1);
    setCentralWidget(central);
    resize(1260, 860);
}

QWidget* Mesa::PainelEntradas() {
    auto* g = new QGroupBox(QStringLiteral("Requests"));
    auto* f = new QGridLayout(g);
    cbEntrada_ = new QComboBox;
    cbEntrada_->setObjectName(QStringLiteral("cbEntrada"));
    for (const auto& e : kEntradas) cbEntrada_->addItem(QString::fromLatin1(e.nome));
    cbFuncao_ = new QComboBox;
    cbFuncao_->setObjectName(QStringLiteral("cbFuncao"));
    for (const char* fn : kFuncoes) cbFuncao_->addItem(QString::fromLatin1(fn));
    spArg_ = new QSpinBox;
    spArg_->setObjectName(QStringLiteral("spArg"));
    spArg_->setRange(-1000000, 1000000);
    btChama_ = Botao(QStringLiteral("btChama"), QStringLiteral("Call"), g);
    cbForm_ = new QComboBox;
    cbForm_->setObjectName(QStringLiteral("cbForm"));
    cbForm_->setEditable(true);
    for (const char* n : kForms) cbForm_->addItem(QString::fromLatin1(n));
    btAbre_ = Botao(QStringLiteral("btAbre"), QStringLiteral("Open form"), g);
    btSalva_ = Botao(QStringLiteral("btSalva"), QStringLiteral("Save as scenario..."), g);
    f->addWidget(new QLabel(QStringLiteral("Request")), 0, 0);
    f->addWidget(cbEntrada_, 0, 1, 1, 2);
    f->addWidget(new QLabel(QStringLiteral("Entry point")), 1, 0);
    f->addWidget(cbFuncao_, 1, 1);
    f->addWidget(spArg_, 1, 2);
    f->addWidget(btChama_, 2, 1, 1, 2);
    f->addWidget(new QLabel(QStringLiteral("Form")), 3, 0);
    f->addWidget(cbForm_, 3, 1);
    f->addWidget(btAbre_, 3, 2);
    f->addWidget(btSalva_, 4, 1, 1, 2);

    auto escolhe = [this](int i) {
        if (i < 0 || i >= int(std::size(kEntradas))) return;
        cbFuncao_->setCurrentText(QString::fromLatin1(kEntradas[i].funcao));
        spArg_->setValue(kEntradas[i].arg);
    };
    connect(cbEntrada_, &QComboBox::currentIndexChanged, this, escolhe);
    escolhe(0);
    connect(btChama_, &QPushButton::clicked, this, [this] {
        const int i = cbEntrada_->currentIndex();
        const QString fn = cbFuncao_->currentText();
        // The preset's card kind, unless the entry point was changed by hand.
        if (i >= 0 && kEntradas[i].tipoCartao && fn == QLatin1String(kEntradas[i].funcao) &&
            estado().campos.le(10107) != kEntradas[i].tipoCartao)
            EscreveCampo(10107, kEntradas[i].tipoCartao);
        Executa(QJsonObject{{"call", fn}, {"arg", spArg_->value()}});
    });
    connect(btAbre_, &QPushButton::clicked, this, [this] {
        if (!cbForm_->currentText().trimmed().isEmpty())
            Executa(QJsonObject{{"open", cbForm_->currentText().trimmed()}});
    });
    connect(btSalva_, &QPushButton::clicked, this, [this] {
        QFileDialog d(this, QStringLiteral("Save as scenario"), {}, QStringLiteral("Scenarios (*.json)"));
        d.setProperty("hostsimDesk", true);
        d.setOption(QFileDialog::DontUseNativeDialog);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setDefaultSuffix(QStringLiteral("json"));
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return;
        QString erro;
        if (!SalvaCenario(d.selectedFiles().first(), erro)) QMessageBox::warning(this, windowTitle(), erro);
    });
    return g;
}

QWidget* Mesa::PainelCartao() {
    auto* g = new QGroupBox(QStringLiteral("Card"));
    auto* f = new QGridLayout(g);
    cbCartao_ = new QComboBox;
    cbCartao_->setObjectName(QStringLiteral("cbCartao"));
    for (const auto& c : Cartoes())
        cbCartao_->addItem(QString::fromLatin1(c.nome) + "  " + Mascarado(c.numero) + "  " + QLatin1String(c.validade));
    cbCartao_->addItem(QStringLiteral("Card number typed below"));
    edPan_ = new QLineEdit;
    edPan_->setObjectName(QStringLiteral("edPan"));
    edPan_->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    edPan_->setPlaceholderText(QStringLiteral("card number"));
    edPan_->setValidator(nullptr);
    edValidade_ = new QLineEdit(QStringLiteral("2812"));
    edValidade_->setObjectName(QStringLiteral("edValidade"));
    edValidade_->setMaximumWidth(60);
    lbCartao_ = new QLabel(QStringLiteral("no card"));
    lbCartao_->setObjectName(QStringLiteral("lbCartao"));
    f->addWidget(cbCartao_, 0, 0, 1, 4);
    f->addWidget(edPan_, 1, 0, 1, 3);
    f->addWidget(edValidade_, 1, 3);
    const char* modos[][2] = {
        {"btChip", "Insert chip"}, {"btTarja", "Swipe"}, {"btDigita", "Type"}, {"btRetira", "Remove"}};
    for (int i = 0; i < 4; ++i) {
        auto* b = Botao(QLatin1String(modos[i][0]), QLatin1String(modos[i][1]), g);
        f->addWidget(b, 2, i);
        const QString modo = QLatin1String(modos[i][0]);
        connect(b, &QPushButton::clicked, this, [this, modo] { Insere(modo); });
    }
    f->addWidget(lbCartao_, 3, 0, 1, 4);
    return g;
}

QWidget* Mesa::PainelPinpad() {
    auto* g = new QGroupBox(QStringLiteral("PIN pad"));
    auto* v = new QVBoxLayout(g);
    auto* visor = new QFrame;
    visor->setStyleSheet(QStringLiteral("background:#22361c;color:#b9f6ca;font-family:monospace;font-size:15px"));
    auto* vv = new QVBoxLayout(visor);
    lbVisor1_ = new QLabel;
    lbVisor2_ = new QLabel;
    lbVisor1_->setObjectName(QStringLiteral("lbVisor1"));
    lbVisor2_->setObjectName(QStringLiteral("lbVisor2"));
    for (QLabel* l : {lbVisor1_, lbVisor2_}) {
        l->setMinimumWidth(16 * 11);
        vv->addWidget(l);
    }
    v->addWidget(visor);
    auto* teclas = new QGridLayout;
    const char* rotulos = "123456789";
    for (int i = 0; i < 9; ++i) {
        const QString t(QChar::fromLatin1(rotulos[i]));
        auto* b = Botao("btPin" + t, t, g);
        teclas->addWidget(b, i / 3, i % 3);
        connect(b, &QPushButton::clicked, this, [this, t] { TeclaPinpad(t); });
    }
    auto* zero = Botao(QStringLiteral("btPin0"), QStringLiteral("0"), g);
    teclas->addWidget(zero, 3, 1);
    connect(zero, &QPushButton::clicked, this, [this] { TeclaPinpad(QStringLiteral("0")); });
    const char* funcoes[][3] = {
        {"btPinAnula", "Cancel", "#e53935"}, {"btPinLimpa", "Clear", "#fdd835"}, {"btPinEntra", "Enter", "#43a047"}};
    for (int i = 0; i < 3; ++i) {
        auto* b = Botao(QLatin1String(funcoes[i][0]), QLatin1String(funcoes[i][1]), g);
        b->setStyleSheet(QStringLiteral("background:%1").arg(QLatin1String(funcoes[i][2])));
        teclas->addWidget(b, i, 3);
        const QString t = QLatin1String(funcoes[i][1]);
        connect(b, &QPushButton::clicked, this, [this, t] { TeclaPinpad(t); });
    }
    v->addLayout(teclas);
    ckPinManual_ = new QCheckBox(QStringLiteral("Customer answers PIN and confirmations here"));
    ckPinManual_->setObjectName(QStringLiteral("ckPinManual"));
    ckPinManual_->setChecked(true);
    v->addWidget(ckPinManual_);
    return g;
}

QWidget* Mesa::PainelAdquirente() {
    auto* g = new QGroupBox(QStringLiteral("Acquirer"));
    auto* f = new QGridLayout(g);
    ckAdqManual_ = new QCheckBox(QStringLiteral("Decide each request here"));
    ckAdqManual_->setObjectName(QStringLiteral("ckAdqManual"));
    edCodigo_ = new QLineEdit(QStringLiteral("51"));
    edCodigo_->setObjectName(QStringLiteral("edCodigo"));
    edCodigo_->setMaximumWidth(50);
    spPendente_ = new QSpinBox;
    spPendente_->setObjectName(QStringLiteral("spPendente"));
    spPendente_->setRange(1, 600);
    spPendente_->setValue(5);
    spPendente_->setSuffix(QStringLiteral(" s"));
    edInterino_ = new QLineEdit;
    edInterino_->setObjectName(QStringLiteral("edInterino"));
    edInterino_->setPlaceholderText(QStringLiteral("interim fields: 1562=text; ..."));
    lbAdqEstado_ = new QLabel(QStringLiteral("Next request: built-in rules"));
    lbAdqEstado_->setObjectName(QStringLiteral("lbAdqEstado"));
    lbAdqEstado_->setWordWrap(true);
    auto* aprova = Botao(QStringLiteral("btAprova"), QStringLiteral("Approve"), g);
    auto* nega = Botao(QStringLiteral("btNega"), QStringLiteral("Decline, code"), g);
    auto* mudo = Botao(QStringLiteral("btSemResposta"), QStringLiteral("No reply"), g);
    auto* pendente = Botao(QStringLiteral("btPendente"), QStringLiteral("Pending for"), g);
    auto* regras = Botao(QStringLiteral("btRegras"), QStringLiteral("Built-in rules"), g);
    f->addWidget(ckAdqManual_, 0, 0, 1, 3);
    f->addWidget(aprova, 1, 0);
    f->addWidget(nega, 1, 1);
    f->addWidget(edCodigo_, 1, 2);
    f->addWidget(mudo, 2, 0);
    f->addWidget(pendente, 2, 1);
    f->addWidget(spPendente_, 2, 2);
    f->addWidget(edInterino_, 3, 0, 1, 3);
    f->addWidget(regras, 4, 0);
    f->addWidget(lbAdqEstado_, 5, 0, 1, 3);
    connect(aprova, &QPushButton::clicked, this, [this] { Decide(RespostaAprovada(), QStringLiteral("approve")); });
    connect(nega, &QPushButton::clicked, this, [this] {
        QByteArray c;
        TextoParaLatin1(edCodigo_->text().trimmed(), c);
        const QString codigo = QString::fromLatin1(c.isEmpty() ? "05" : c);
        Decide(QJsonObject{{"fields", QJsonObject{{"1009", codigo},
                                                  {"1027", "TRANSACAO NEGADA"},
                                                  {"20013", "NEGADA " + codigo},
                                                  {"20017", codigo + "TRANSACAO NEGADA"}}}},
               "decline " + codigo);
    });
    connect(mudo, &QPushButton::clicked, this, [this] {
        Decide(QJsonObject{{"noReply", true}}, QStringLiteral("no reply"));
    });
    connect(pendente, &QPushButton::clicked, this, [this] {
        QJsonObject interino;
        for (const QString& par : edInterino_->text().split(';', Qt::SkipEmptyParts)) {
            const qsizetype igual = par.indexOf('=');
            if (igual > 0) interino[par.left(igual).trimmed()] = par.mid(igual + 1);
        }
        QJsonObject r = RespostaAprovada();
        r["pendingMs"] = spPendente_->value() * 1000;
        if (!interino.isEmpty()) r["interim"] = QJsonObject{{"fields", interino}};
        Decide(r, QStringLiteral("pending %1 s, then approve").arg(spPendente_->value()));
    });
    connect(regras, &QPushButton::clicked, this, [this] {
        proximaResposta_.reset();
        lbAdqEstado_->setText(QStringLiteral("Next request: built-in rules"));
    });
    return g;
}

QWidget* Mesa::PainelCatalogo() {
    auto* p = new QWidget;
    auto* v = new QVBoxLayout(p);
    struct Coluna {
        const char* titulo;
        int offset; // -1: text columns
    };
    static const Coluna colunas[] = {{"Code", -1},
                                     {"Kind", -1},
                                     {"Issuer", -1},
                                     {"At sight", 106},
                                     {"Withdrawal", 101},
                                     {"Service fee", 97},
                                     {"Boarding fee", 100},
                                     {"Adm. instalments", 107},
                                     {"Merchant instalments", 108},
                                     {"CDC", 109},
                                     {"Pre-dated", 110},
                                     {"Guarantee", 112},
                                     {"Forces PIN", 95},
                                     {"Offline advice", 137}};
    tbCatalogo_ = new QTableWidget(0, int(std::size(colunas)));
    tbCatalogo_->setObjectName(QStringLiteral("tbCatalogo"));
    QStringList titulos;
    for (const auto& c : colunas) titulos << QLatin1String(c.titulo);
    tbCatalogo_->setHorizontalHeaderLabels(titulos);
    for (int i = 0; i < int(std::size(colunas)); ++i)
        tbCatalogo_->model()->setHeaderData(i, Qt::Horizontal, colunas[i].offset, Qt::UserRole);
    auto acrescenta = [this](const QString& codigo, const QString& tipo, const QString& emissor,
                             std::initializer_list<int> ligados) {
        const int r = tbCatalogo_->rowCount();
        tbCatalogo_->insertRow(r);
        tbCatalogo_->setItem(r, 0, new QTableWidgetItem(codigo));
        tbCatalogo_->setItem(r, 1, new QTableWidgetItem(tipo));
        tbCatalogo_->setItem(r, 2, new QTableWidgetItem(emissor));
        for (int c = 3; c < tbCatalogo_->columnCount(); ++c) {
            auto* it = new QTableWidgetItem;
            it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            const int off = tbCatalogo_->model()->headerData(c, Qt::Horizontal, Qt::UserRole).toInt();
            it->setCheckState(std::find(ligados.begin(), ligados.end(), off) != ligados.end() ? Qt::Checked
                                                                                              : Qt::Unchecked);
            tbCatalogo_->setItem(r, c, it);
        }
    };
    acrescenta(QStringLiteral("0001"), QStringLiteral("02"), QStringLiteral("BANCO EXEMPLO"), {106});
    acrescenta(QStringLiteral("0002"), QStringLiteral("01"), QStringLiteral("BANCO EXEMPLO"), {106});
    v->addWidget(tbCatalogo_);
    auto* linha = new QHBoxLayout;
    auto* novo = Botao(QStringLiteral("btNovoProduto"), QStringLiteral("Add product"), p);
    auto* apaga = Botao(QStringLiteral("btApagaProduto"), QStringLiteral("Remove product"), p);
    auto* aplica =
        Botao(QStringLiteral("btAplicaCatalogo"), QStringLiteral("Apply: selected row is the sale's product"), p);
    linha->addWidget(novo);
    linha->addWidget(apaga);
    linha->addWidget(aplica);
    linha->addStretch();
    v->addLayout(linha);
    connect(novo, &QPushButton::clicked, this, [acrescenta, this] {
        acrescenta(QStringLiteral("%1").arg(tbCatalogo_->rowCount() + 1, 4, 10, QLatin1Char('0')), QStringLiteral("02"),
                   QStringLiteral("BANCO EXEMPLO"), {106});
    });
    connect(apaga, &QPushButton::clicked, this, [this] {
        if (tbCatalogo_->currentRow() >= 0) tbCatalogo_->removeRow(tbCatalogo_->currentRow());
    });
    connect(aplica, &QPushButton::clicked, this, &Mesa::AplicaCatalogo);
    tbCatalogo_->selectRow(0);
    return p;
}

// ---- Host set-up --------------------------------------------------------------------

bool Mesa::Carrega(QString& erro) {
    QString pasta = op_.dirHost;
    if (pasta.isEmpty()) {
        dirHost_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/hostsim-desk-XXXXXX"));
        pasta = dirHost_->isValid() ? dirHost_->path() : QString();
    } else if (!QDir().mkpath(pasta)) {
        pasta.clear();
    }
    if (pasta.isEmpty()) {
        erro = QStringLiteral("cannot create the host's directory");
        return false;
    }
    Estado& e = estado();
    e.reinicia();
    Plataforma::DefineDiretorioHost(pasta);
    const QDateTime agora = QDateTime::currentDateTime();
    const QDateTime inicio(agora.date(), QTime(agora.time().hour(), agora.time().minute(), agora.time().second()));
    Plataforma::DefineAgora(inicio);
    // The technical write-off was done half an hour ago, so a sale is a sale.
    const QJsonObject dados{{"UltimaBaixaTecnica", DecimalDias(inicio.addSecs(-1800))},
                            {"DataHoraUltimaVerificacao", DecimalDias(inicio.addSecs(-300))},
                            {"IntervaloEmMinutosBaixaTecnica", "60"}};
    for (auto it = dados.begin(); it != dados.end(); ++it)
        if (!Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("DadosPinpad"), it.key(),
                                  it.value().toString())) {
            erro = QStringLiteral("cannot write the host's Cliente.ini");
            return false;
        }
    grav_.DefineHost(QJsonObject{{"ini", QJsonObject{{"Cliente.ini", QJsonObject{{"DadosPinpad", dados}}}}}}, {});
    if (!op_.diario.isEmpty()) {
        QFile f(op_.diario);
        if (f.open(QIODevice::ReadOnly)) {
            const QJsonObject anterior = QJsonDocument::fromJson(f.readAll()).object();
            if (anterior.contains("steps")) {
                QJsonObject c = anterior;
                c.remove("_running");
                grav_.Restaura(c);
                Registra(QStringLiteral("recording restored: %1 step(s); the host starts afresh")
                             .arg(c["steps"].toArray().size()));
            }
        }
    }
    EscreveCampo(10107, "1");
    AplicaCatalogo();
    cbCartao_->setCurrentIndex(0);
    Insere(QStringLiteral("btTarja"));

    const QString caminho =
        op_.modulo.isEmpty()
            ? QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absoluteDir().filePath("libKora41.so")
            : op_.modulo;
    lib_ = dlopen(QFile::encodeName(caminho).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!lib_) {
        erro = QStringLiteral("cannot load the module %1: %2").arg(caminho, QString::fromLocal8Bit(dlerror()));
        return false;
    }
    auto ini = reinterpret_cast<FnVazia>(dlsym(lib_, "Initialize"));
    if (!ini || !dlsym(lib_, "Finalize")) {
        erro = QStringLiteral("the module %1 lacks Initialize or Finalize").arg(caminho);
        return false;
    }
    GravaDiario(QStringLiteral("loading the module (Initialize)"));
    ini();
    GravaDiario();
    Registra("module loaded: " + caminho + "; host folder " + pasta);
    Atualiza();
    return true;
}

void Mesa::EscreveCampo(int campo, const QByteArray& valor) {
    if (emChamada_) return Registra(QStringLiteral("fields are edited between calls"));
    if (valor.isEmpty())
        estado().campos.limpa(uint16_t(campo));
    else
        estado().campos.grava(uint16_t(campo), 0, valor);
    grav_.Campo(campo, 0, valor);
    GravaDiario();
    Registra(QStringLiteral("field %1 := %2").arg(campo).arg(Visivel(campo, valor)));
}

void Mesa::Insere(const QString& modo) {
    if (emChamada_) return Registra(QStringLiteral("the card is changed between calls"));
    const int i = cbCartao_->currentIndex();
    QByteArray pan, validade;
    if (i >= 0 && i < int(Cartoes().size())) {
        pan = Cartoes()[size_t(i)].numero;
        validade = Cartoes()[size_t(i)].validade;
    } else {
        for (QChar c : edPan_->text())
            if (c.isDigit()) pan += char(c.unicode());
        validade = edValidade_->text().trimmed().toLatin1();
    }
    Estado& e = estado();
    const bool chip = modo == QLatin1String("btChip");
    e.cartaoEmv = e.cartaoChipContato = e.cartaoProcessaChip = e.cartaoLidoChip = chip;
    if (modo == QLatin1String("btRetira") || pan.size() < 12) {
        for (int c : {10104, 10109, 10110, 10134}) EscreveCampo(c, {});
        lbCartao_->setText(modo == QLatin1String("btRetira") ? QStringLiteral("no card")
                                                             : QStringLiteral("no card: the number is too short"));
        return;
    }
    if (modo == QLatin1String("btDigita")) {
        EscreveCampo(10109, {});
        EscreveCampo(10110, {});
        EscreveCampo(10104, pan + ';' + validade);
        EscreveCampo(10134, "2");
    } else {
        EscreveCampo(10104, {});
        EscreveCampo(10134, {});
        EscreveCampo(10109, pan + '=' + validade + "1010000");
        EscreveCampo(10110, 'B' + pan + "^CLIENTE/TESTE^" + validade);
    }
    edPan_->clear();
    lbCartao_->setText(Mascarado(pan) + "  " + QString::fromLatin1(validade) + "  " +
                       (chip                                ? QStringLiteral("chip")
                        : modo == QLatin1String("btDigita") ? QStringLiteral("typed")
                                                            : QStringLiteral("swiped")));
}

// The W service of the table: header, record count, 139-byte records.
void Mesa::AplicaCatalogo() {
    if (emChamada_) return Registra(QStringLiteral("the catalogue is applied between calls"));
    QByteArray w = "W" + QByteArray("HDR01");
    const int n = std::min(tbCatalogo_->rowCount(), 20);
    w += char(n & 0xFF);
    w += char(n >> 8);
    for (int r = 0; r < n; ++r) {
        QByteArray rec(139, '0');
        auto poe = [&](int off, const QString& s, int largura, char enche) {
            QByteArray b;
            TextoParaLatin1(s, b);
            b = b.left(largura);
            b = enche == ' ' ? b.leftJustified(largura, ' ') : b.rightJustified(largura, '0');
            rec.replace(off, largura, b);
        };
        poe(5, tbCatalogo_->item(r, 1)->text(), 2, '0');
        poe(7, tbCatalogo_->item(r, 0)->text(), 4, '0');
        poe(51, tbCatalogo_->item(r, 2)->text(), 40, ' ');
        for (int c = 3; c < tbCatalogo_->columnCount(); ++c) {
            const int off = tbCatalogo_->model()->headerData(c, Qt::Horizontal, Qt::UserRole).toInt();
            rec[off] = tbCatalogo_->item(r, c)->checkState() == Qt::Checked ? '1' : '0';
        }
        w += rec;
    }
    const int linha = std::max(tbCatalogo_->currentRow(), 0);
    EscreveCampo(20143, "0001");
    estado().campos.grava(20033, 0, w);
    grav_.Campo(20033, 0, w);
    if (linha < n) EscreveCampo(10193, tbCatalogo_->item(linha, 0)->text().toLatin1());
    Registra(QStringLiteral("product table applied: %1 product(s)").arg(n));
}

// ---- Calls --------------------------------------------------------------------------

void Mesa::Executa(const QJsonObject& passo) {
    if (emChamada_ || !lib_) return;
    // Started from the event loop, so the button's click has ended when the
    // module's modal forms begin theirs.
    QTimer::singleShot(0, this, [this, passo] {
        if (emChamada_) return;
        emChamada_ = true;
        for (QWidget* w : {static_cast<QWidget*>(btChama_), static_cast<QWidget*>(btAbre_),
                           static_cast<QWidget*>(btSalva_), static_cast<QWidget*>(btGravaCampo_)})
            w->setEnabled(false);
        if (grav_.passos() == 0) {
            const Estado& e = estado();
            grav_.DefineHost(QJsonObject{{"card", QJsonObject{{"emv", e.cartaoEmv},
                                                              {"chipContact", e.cartaoChipContato},
                                                              {"processaChip", e.cartaoProcessaChip},
                                                              {"lidoChip", e.cartaoLidoChip}}}},
                             Plataforma::Agora().toString(Qt::ISODate));
        }
        grav_.IniciaChamada(passo, FotografiaCampos(estado().campos));
        const QString nome = passo.contains("open")
                                 ? "open " + passo["open"].toString()
                                 : passo["call"].toString() + QStringLiteral("(%1)").arg(passo["arg"].toInt());
        Registra("-> " + nome);
        GravaDiario(nome);
        if (passo.contains("open")) {
            auto fn = reinterpret_cast<FnAbre>(dlsym(lib_, "Kora41AbreForm"));
            const int r = fn ? fn(passo["open"].toString().toLatin1().constData()) : -1;
            Registra(QStringLiteral("<- %1: modal result %2").arg(nome).arg(r));
        } else {
            const QString chamada = passo["call"].toString();
            void* fn = dlsym(lib_, chamada.toLatin1().constData());
            if (!fn) {
                Registra("the module does not export " + chamada);
            } else if (chamada == QLatin1String("Initialize") || chamada == QLatin1String("Finalize")) {
                reinterpret_cast<FnVazia>(fn)();
            } else if (chamada == QLatin1String("ObtemVersao")) {
                char a[256] = {}, b[256] = {};
                reinterpret_cast<void (*)(char*, char*)>(fn)(a, b);
                a[255] = b[255] = 0;
                Registra(QStringLiteral("interface %1, module %2").arg(QString::fromLatin1(a), QString::fromLatin1(b)));
            } else if (chamada == QLatin1String("RealizaConsultaMenuOutros")) {
                QLabel rotulo;
                rotulo.setObjectName(QStringLiteral("Mensagem"));
                reinterpret_cast<FnMenu>(fn)(0, &rotulo);
                Registra("label: " + rotulo.text());
            } else {
                reinterpret_cast<FnExec>(fn)(0, int32_t(passo["arg"].toInt()));
            }
            Registra("<- " + nome);
        }
        grav_.FimChamada();
        emChamada_ = false;
        for (QWidget* w : {static_cast<QWidget*>(btChama_), static_cast<QWidget*>(btAbre_),
                           static_cast<QWidget*>(btSalva_), static_cast<QWidget*>(btGravaCampo_)})
            w->setEnabled(true);
        GravaDiario();
        Atualiza();
    });
}

// ---- Live answers -------------------------------------------------------------------

void Mesa::Espera(const QString& oque) {
    aguardando_ = oque;
    QEventLoop laco;
    laco_ = &laco;
    laco.exec();
    aguardando_.clear();
}

std::optional<QJsonValue> Mesa::RespondeAoVivo(const QString& op) {
    const bool visor = op == QLatin1String("ExibeMsgPinpad") || op == QLatin1String("RemoveCartao") ||
                       op == QLatin1String("LerSenha") || op == QLatin1String("ObtemConfirmacao");
    if (visor && !estado().pinpad.isEmpty()) {
        const QStringList linhas = estado().pinpad.last().toObject()["text"].toString().split('\n');
        lbVisor1_->setText(linhas.value(0).left(16));
        lbVisor2_->setText(linhas.value(1).left(16));
    } else if (op == QLatin1String("GeraQRCodeExibePinpad")) {
        lbVisor1_->setText(QStringLiteral("[QR code]"));
        lbVisor2_->setText(estado().chamadas.last().toObject()["args"].toArray().at(0).toString().left(16));
    }
    if ((op != QLatin1String("LerSenha") && op != QLatin1String("ObtemConfirmacao")) || !ckPinManual_->isChecked() ||
        fechando_)
        return std::nullopt;
    digitos_.clear();
    if (op == QLatin1String("LerSenha") && lbVisor2_->text().isEmpty()) lbVisor1_->setText(QStringLiteral("SENHA:"));
    Registra(op + ": waiting for the customer on the PIN pad");
    respostaPinpad_ = op == QLatin1String("LerSenha") ? 1 : 9;
    Espera(op);
    grav_.Resposta(op, respostaPinpad_);
    Registra(QStringLiteral("%1 answered %2").arg(op).arg(respostaPinpad_));
    GravaDiario();
    return QJsonValue(respostaPinpad_);
}

void Mesa::TeclaPinpad(const QString& tecla) {
    if (aguardando_ != QLatin1String("LerSenha") && aguardando_ != QLatin1String("ObtemConfirmacao")) return;
    if (tecla == QLatin1String("Enter") || tecla == QLatin1String("Cancel")) {
        respostaPinpad_ = tecla == QLatin1String("Enter") ? 0 : (aguardando_ == QLatin1String("LerSenha") ? 1 : 9);
        digitos_.clear();
        lbVisor2_->clear();
        if (laco_) laco_->quit();
        return;
    }
    if (aguardando_ != QLatin1String("LerSenha")) return;
    // The PIN itself goes nowhere: the display shows one star per digit.
    if (tecla == QLatin1String("Clear"))
        digitos_.clear();
    else if (digitos_.size() < 12)
        digitos_ += QLatin1Char('*');
    lbVisor2_->setText(digitos_);
}

QJsonObject Mesa::RespostaAprovada() {
    const uint32_t seq = ++sequencia_;
    const QString nsu = QStringLiteral("%1").arg(seq % 1000000, 6, 10, QLatin1Char('0'));
    const QString aut = QStringLiteral("%1").arg((seq * 7919u + 100000u) % 1000000u, 6, 10, QLatin1Char('0'));
    return QJsonObject{{"fields", QJsonObject{{"1009", "00"},
                                              {"1027", "TRANSACAO APROVADA"},
                                              {"20013", "APROVADA AUT: " + aut},
                                              {"20017", "00" + aut + nsu + "TRANSACAO APROVADA"}}}};
}

// The documented rules of the built-in acquirer, written out as a reply so
// the recording replays the same whatever came before.
QJsonObject Mesa::RespostaRegras(const Requisicao& req) {
    QByteArray valor = estado().campos.le(1003);
    for (const auto& e : req.entradas)
        if (e.campo == 1003) {
            valor = e.valor;
            break;
        }
    QByteArray d;
    for (char c : valor)
        if (c >= '0' && c <= '9') d += c;
    if (d.endsWith("99")) return QJsonObject{{"noReply", true}};
    if (d.endsWith("51"))
        return QJsonObject{{"fields", QJsonObject{{"1009", "51"},
                                                  {"1027", "TRANSACAO NEGADA"},
                                                  {"20013", "NEGADA - SALDO INSUFICIENTE"},
                                                  {"20017", "51TRANSACAO NEGADA"}}}};
    return RespostaAprovada();
}

void Mesa::Decide(const QJsonObject& resposta, const QString& descricao) {
    if (aguardando_ == QLatin1String("acquirer")) {
        respostaAdquirente_ = resposta;
        if (laco_) laco_->quit();
        return;
    }
    proximaResposta_ = resposta;
    lbAdqEstado_->setText("Next request: " + descricao);
}

std::optional<QJsonObject> Mesa::DecideAdquirente(const Requisicao& req) {
    QJsonObject r;
    if (proximaResposta_) {
        r = *proximaResposta_;
        proximaResposta_.reset();
    } else if (ckAdqManual_->isChecked() && !fechando_) {
        // The request is logged once answered; what it carries is shown now.
        QStringList campos;
        for (const auto& en : req.entradas)
            if (en.campo && campos.size() < 8) campos << QString::number(en.campo) + '=' + Visivel(en.campo, en.valor);
        lbAdqEstado_->setText(QStringLiteral("Request %1 (%2 entries) waits for your decision: %3")
                                  .arg(req.codigo)
                                  .arg(req.entradas.size())
                                  .arg(campos.join(QStringLiteral(", "))));
        Registra(QStringLiteral("request %1: waiting for the acquirer panel").arg(req.codigo));
        respostaAdquirente_.reset();
        Espera(QStringLiteral("acquirer"));
        r = respostaAdquirente_.value_or(QJsonObject{{"noReply", true}});
    } else {
        r = RespostaRegras(req);
    }
    lbAdqEstado_->setText(QStringLiteral("Next request: built-in rules"));
    grav_.Adquirente(r);
    Registra(QStringLiteral("request %1 answered: %2")
                 .arg(req.codigo)
                 .arg(QString::fromUtf8(QJsonDocument(r).toJson(QJsonDocument::Compact))));
    GravaDiario();
    return r;
}

// ---- The operator on the module's windows -------------------------------------------

bool Mesa::eventFilter(QObject* o, QEvent* e) {
    if (!emChamada_ || !o->isWidgetType()) return false;
    const QEvent::Type t = e->type();
    if (t != QEvent::Show && t != QEvent::Hide && t != QEvent::MouseButtonRelease && t != QEvent::KeyPress)
        return false;
    auto* w = static_cast<QWidget*>(o);
    QWidget* janela = JanelaModulo(w, this);
    if (!janela) return false;
    auto* caixa = qobject_cast<QMessageBox*>(janela);
    if (t == QEvent::Show && w->isWindow()) {
        // Modal to its own window chain only: the desk's panels stay usable
        // while the module waits in its forms.
        if (w->windowModality() == Qt::ApplicationModal) {
            w->setWindowModality(Qt::WindowModal);
            // The widget passes a modality change on only when it is shown again.
            if (w->windowHandle()) w->windowHandle()->setModality(Qt::WindowModal);
        }
        if (caixa) {
            caixas_ << caixa->text();
            txCaixas_->appendPlainText(QStringLiteral("[%1] %2").arg(caixa->windowTitle(), caixa->text()));
        } else if (qobject_cast<QDialog*>(w) && !w->objectName().isEmpty()) {
            grav_.Acao(QJsonObject{{"form", w->objectName()}});
            Registra("form shown: " + w->objectName());
            OuveEscolhas(w);
        }
        return false;
    }
    if (t == QEvent::Hide && caixa && w == caixa) {
        const QString resposta = NomeBotao(caixa->standardButton(caixa->clickedButton()));
        grav_.Acao(QJsonObject{{"messageBox", resposta}});
        txCaixas_->appendPlainText("  -> " + resposta);
        return false;
    }
    if (caixa || (t != QEvent::MouseButtonRelease && t != QEvent::KeyPress)) return false;
    // The same event reaches the parents when a child ignores it.
    if (e == ultimoEvento_ && ultimoAlvo_ && w != ultimoAlvo_ && w->isAncestorOf(ultimoAlvo_)) return false;
    ultimoEvento_ = e;
    ultimoAlvo_ = w;
    if (t == QEvent::MouseButtonRelease) {
        auto* b = qobject_cast<QAbstractButton*>(w);
        if (b && b->isEnabled() && !b->objectName().isEmpty() &&
            b->rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint()))
            grav_.Acao(QJsonObject{{"click", b->objectName()}});
        return false;
    }
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString nomeTecla = NomeTecla(k->key());
    const QString controle = Nomeado(w);
    if (!nomeTecla.isEmpty())
        grav_.Acao(QJsonObject{{"key", nomeTecla}});
    else if (k->text().size() == 1 && k->text()[0].unicode() >= 0x20 && !controle.isEmpty())
        grav_.Digita(controle, k->text());
    else if (k->text().size() == 1 && k->text()[0].unicode() >= 0x20)
        grav_.Acao(QJsonObject{{"key", k->text()}});
    return false;
}

// A choice in a list or combo box is made on parts that have no name: the
// controls say which entry was taken.
void Mesa::OuveEscolhas(QWidget* form) {
    if (form->property("hostsimDeskOuve").toBool()) return;
    form->setProperty("hostsimDeskOuve", true);
    for (QComboBox* c : form->findChildren<QComboBox*>()) {
        if (c->objectName().isEmpty()) continue;
        connect(c, &QComboBox::activated, this, [this, c](int i) {
            if (emChamada_) grav_.Acao(QJsonObject{{"select", c->objectName()}, {"index", i}});
        });
    }
    for (QListWidget* l : form->findChildren<QListWidget*>()) {
        if (l->objectName().isEmpty()) continue;
        connect(l, &QListWidget::itemClicked, this, [this, l](QListWidgetItem* it) {
            if (emChamada_) grav_.Acao(QJsonObject{{"select", l->objectName()}, {"index", l->row(it)}});
        });
    }
}

void Mesa::closeEvent(QCloseEvent* e) {
    if (emChamada_) {
        // The module still has the stack; answer what waits and let it end.
        fechando_ = true;
        if (laco_) laco_->quit();
        e->ignore();
        Registra(QStringLiteral("a request is running: finish it in the module's window, then close the desk"));
        return;
    }
    QMainWindow::closeEvent(e);
}

// ---- Views --------------------------------------------------------------------------

void Mesa::Registra(const QString& linha) {
    // What the desk logs goes through the same masking as the host's files.
    txEventos_->appendPlainText(QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss ")) +
                                QString::fromLatin1(MascaraPan(linha.toLatin1())));
}

void Mesa::Atualiza() {
    const Estado& e = estado();
    size_t assinatura = e.campos.todos().size();
    for (const auto& [chave, valor] : e.campos.todos())
        assinatura = assinatura * 1000003u ^ qHash(valor) ^ (size_t(chave.first) << 16 | chave.second);
    if (assinatura != assinaturaCampos_) {
        assinaturaCampos_ = assinatura;
        tbCampos_->setRowCount(int(e.campos.todos().size()));
        int r = 0;
        for (const auto& [chave, valor] : e.campos.todos()) {
            tbCampos_->setItem(r, 0, new QTableWidgetItem(QString::number(chave.first)));
            tbCampos_->setItem(r, 1, new QTableWidgetItem(QString::number(chave.second)));
            tbCampos_->setItem(r, 2, new QTableWidgetItem(Visivel(chave.first, valor)));
            ++r;
        }
    }
    for (qsizetype i = vistos_[0]; i < e.requisicoes.size(); ++i) {
        const QJsonObject q = e.requisicoes[i].toObject();
        auto* raiz = new QTreeWidgetItem(trRequisicoes_, {QStringLiteral("#%1 %2 code %3 flag %4 mode %5")
                                                              .arg(i + 1)
                                                              .arg(q["via"].toString())
                                                              .arg(q["code"].toInt())
                                                              .arg(q["flag"].toInt())
                                                              .arg(q["mode"].toInt())});
        for (const auto& v : q["entries"].toArray()) {
            const QJsonObject en = v.toObject();
            const int campo = en["field"].toInt();
            new QTreeWidgetItem(raiz, {campo ? QString::number(campo) : QStringLiteral("literal"),
                                       QString::number(en["index"].toInt()), en["tag"].toString(),
                                       QString::number(en["format"].toInt()), QString::number(en["mode"].toInt()),
                                       Visivel(campo, en["value"].toString().toLatin1())});
        }
        raiz->setExpanded(i == e.requisicoes.size() - 1);
    }
    vistos_[0] = e.requisicoes.size();
    for (qsizetype i = vistos_[1]; i < e.audit.size(); ++i)
        txAudit_->appendPlainText(QString::fromLatin1(MascaraPan(e.audit[i].toString().toLatin1())));
    vistos_[1] = e.audit.size();
    for (qsizetype i = vistos_[2]; i < e.pinpad.size(); ++i) {
        const QJsonObject p = e.pinpad[i].toObject();
        txPinpad_->appendPlainText(p["op"].toString() + ": " +
                                   QString::fromLatin1(MascaraPan(p["text"].toString().toLatin1())));
    }
    vistos_[2] = e.pinpad.size();
    for (qsizetype i = vistos_[3]; i < e.arquivos.size(); ++i) {
        const QJsonObject f = e.arquivos[i].toObject()["fields"].toObject();
        const int r = tbArquivos_->rowCount();
        tbArquivos_->insertRow(r);
        tbArquivos_->setItem(r, 0, new QTableWidgetItem(QString::number(i + 1)));
        int c = 1;
        for (const char* n : {"1003", "1009", "1027", "10107", "10193"})
            tbArquivos_->setItem(r, c++,
                                 new QTableWidgetItem(QString::fromLatin1(MascaraPan(f[n].toString().toLatin1()))));
    }
    vistos_[3] = e.arquivos.size();
}

void Mesa::GravaDiario(const QString& emCurso) const {
    if (op_.diario.isEmpty()) return;
    QJsonObject c = grav_.Cenario();
    if (!emCurso.isEmpty()) c["_running"] = emCurso;
    QFile f(op_.diario + ".tmp");
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    f.write(QJsonDocument(c).toJson(QJsonDocument::Compact));
    f.close();
    QFile::remove(op_.diario);
    QFile::rename(op_.diario + ".tmp", op_.diario);
}

bool Mesa::SalvaCenario(const QString& caminho, QString& erro) const {
    QFile f(caminho);
    const QByteArray json = TextoCenario(grav_.Cenario());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(json) != json.size()) {
        erro = "cannot write " + caminho;
        return false;
    }
    return true;
}

} // namespace hostsim::desk
