// Base of every dialog of the module: the common look (borderless, top-most,
// centred 628x422 over the background picture, title, version, operator
// message line, logo), the audit lines of each form's life, and the card
// steps every transaction inherits (chip processing, chip data, PIN, credit
// transaction type, confirmation of the sale to cancel).
#pragma once
#include "platform.h"
#include "transacao.h"

#include <QDialog>
#include <QHash>
#include <QScopedValueRollback>
#include <QString>
#include <exception>
#include <functional>
#include <initializer_list>

class QFrame;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QWidget;

// Modal results as the host and the menus read them.
constexpr int mrNone = 0;
constexpr int mrOk = 1;     // the request has been carried to an end; menus above close
constexpr int mrCancel = 2; // the operator abandoned it

// Fixed size of every dialog.
constexpr int LARGURA_FORM = 628;
constexpr int ALTURA_FORM = 422;

// Runs the descendant's FormDestroy while the whole object still exists: a
// base destructor could only reach the base version.
template <class T> class TFormFinal final : public T {
public:
    using T::T;
    ~TFormFinal() override { this->ExecutaFormDestroy(); }
};

class TFrmMod : public QDialog {
public:
    explicit TFrmMod(QWidget* pai = nullptr);
    ~TFrmMod() override;

    // Constructs a T and runs its FormCreate (a constructor cannot reach a
    // descendant's override). Every form class's Cria() goes through here.
    template <class T> static T* CriaForm() {
        T* f = new TFormFinal<T>();
        f->ExecutaFormCreate();
        return f;
    }
    static TFrmMod* Cria();

    // ---- Controls, in declaration order -------------------------------------
    QLabel* ImgFundo = nullptr;
    QLabel* lbTitulo = nullptr;
    QLabel* lbMensagem = nullptr;
    QFrame* panelLogo = nullptr;
    QLabel* ImageLogo = nullptr;
    QLabel* lbVersao = nullptr;

    // Shows `texto` on the message line, which a step may have hidden.
    void MostraMensagem(const QString& texto);

    // ---- Set by descendants ---------------------------------------------------
    // Whether VerificaCapturaSenha asks for the PIN; true again at each show.
    bool bCapturaSenha = true;
    // Width the form takes on show; a few layouts are wider than the usual one.
    int LarguraForm = LARGURA_FORM;
    // Descriptor of the request this form sends; none for forms that send nothing.
    const TTransacao* pTransacao = nullptr;

    // ---- Virtual steps ----------------------------------------------------------
    virtual bool VerificaCapturaSenha();
    // Records the form's data in the field store before a request.
    virtual bool GravaCamposPontal();

    // Life of the form: right after construction, on each show, on each
    // activation, right before destruction.
    virtual void FormCreate();
    virtual void FormShow();
    virtual void FormActivate();
    virtual void FormDestroy();

    // ---- Card steps --------------------------------------------------------------
    // Chip processing before the request; true to go on.
    bool VerificaProcessaCartao();
    // Chip data for the request; true when they are in place.
    bool VerificaObtemDadosEmv();
    void EnviaTransacaoAdviceOffLine();
    // Field 10233 for a cancellation; true when written.
    bool VerificaGravaTipoTrnCredito();
    // The operator confirms the sale to be cancelled; true on Yes.
    bool ConfirmaFormataCancelamento(bool bGravaArquivo);
    // Copies the value of tag `chave` ("006:" or "002:") of the pinpad's tagged
    // data into its host field.
    void ProcuraCampo(const char* chave, const unsigned char* dados, int tamDados, int capacidade);

    // ---- Helpers for descendants ------------------------------------------------
    // The controls that take the focus with Tab, in tab order.
    QList<QWidget*> ControlesTabOrder() const;
    // Focus on the first control in tab order; returns it (or nullptr).
    QWidget* FocaPrimeiroControle();
    // Runs `acao` whenever `controle` gets the focus (the control's Enter event).
    void LigaEntrada(QWidget* controle, std::function<void()> acao);
    // Makes `ed` an amount edit; forms that take amounts bind their
    // formatter and key filter here.
    virtual void LigaEditValor(QLineEdit* ed);
    // Tab order of the form's controls, first to last.
    static void OrdemTab(std::initializer_list<QWidget*> controles);
    // Ends the modal loop with `resultado` (mrOk, mrCancel).
    void FechaForm(int resultado);
    // ---- The exception boundary ------------------------------------------------
    // Every signal of a form reaches its handler through here: an exception the
    // handler lets out ends the request (see Protege) instead of unwinding
    // through the event loop.
    template <class Emissor, class Sinal, class F> QMetaObject::Connection Liga(Emissor* emissor, Sinal sinal, F acao) {
        return QObject::connect(emissor, sinal, this, [this, acao = std::move(acao)] { Protege(acao); });
    }
    // Runs `acao`; an exception it lets out is written to the audit trail, the
    // request is refused (error file 255, message 801) and the form closes
    // with 1, so the menus above it close too.
    template <class F> void Protege(F&& acao) noexcept {
        try {
            acao();
        } catch (const std::exception& e) {
            FalhaInesperada(e.what());
        } catch (...) {
            FalhaInesperada("desconhecida");
        }
    }

    // A top-most message box over this form with caption TITULO_APLICACAO;
    // the form is active again afterwards. Returns the button (Plataforma::IDYES...).
    int CaixaMensagem(const QString& texto, int botoes, Plataforma::Icone icone);

    void ExecutaFormCreate();
    // Keeps each panel's controls together in the focus chain.
    void AgrupaOrdemTab();
    void ExecutaFormDestroy();

    // Modal run; on return the window that was active before becomes active
    // again (and so sees its activation step), as a desktop owner would.
    int exec() override;

protected:
    // Events of the form's controls, behind the exception boundary. Descendants
    // override FiltraEvento, ending in this class's version, not eventFilter:
    // what an eventFilter override does runs outside the boundary.
    bool eventFilter(QObject* obj, QEvent* ev) override;
    virtual bool FiltraEvento(QObject* obj, QEvent* ev);
    void showEvent(QShowEvent* e) override;
    // Every event of the form itself passes the exception boundary here.
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // A digit or letter that no control took: clicks the visible, enabled
    // button whose caption carries it as accelerator ("&1 - ..."). True when clicked.
    bool ClicaAcelerador(QChar tecla);

    // Runs the operator's action (a confirm, a menu option) unless one is
    // still running. A form whose action opens a child is activated again
    // when the child closes, before the child's result closes the form, and
    // its auto-click timer must not start the action a second time then.
    template <class F> void AcaoExclusiva(F&& acao) {
        if (emAcao_) return;
        const QScopedValueRollback emCurso(emAcao_, true);
        acao();
    }
    bool EmAcao() const { return emAcao_; }

private:
    bool emAcao_ = false;
    void FalhaInesperada(const char* oque) noexcept;
    QHash<QObject*, std::function<void()>> entradas_;
    bool criado_ = false;
    bool destruido_ = false;
    // Focus went to a message box: getting it back is no new activation.
    bool perdeuParaCaixa_ = false;
    // The request has already been refused for an exception.
    bool recusou_ = false;
};

extern TFrmMod* FrmMod;

// The character a key types, as the forms' key handlers see it: 13 for Enter,
// 8 for Backspace, 127 for Delete, a Latin-1 character; 0 for keys that type
// nothing (modified keys, Escape, Tab).
char CaractereTecla(const QKeyEvent* k);
