// Credit menu of the cancellation without the acquirer's record: at sight,
// administrator or merchant instalments, told to the form through the Tag.
#pragma once
#include "credit/Menucreditokora.h"

class TFrmCancCred_Mnu : public TFrmCred_Mnu {
public:
    static TFrmCancCred_Mnu* Cria();
    explicit TFrmCancCred_Mnu(QWidget* pai = nullptr);

    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void spEncerraClick() override;
};

extern TFrmCancCred_Mnu* FrmCancCred_Mnu;

// The `executa` of a no-record option: the menu's Tag first, then the form.
template <class T> std::function<bool(TFrmMnu_Mod*)> RodaFormComTag(int tag, T*& var) {
    return [tag, &var](TFrmMnu_Mod* menu) {
        menu->Tag = tag;
        return CriaExecutaForm<T>(static_cast<QDialog*>(menu), var);
    };
}
// Close handler of the no-record menus: the host's file, result 1.
void EncerraMenuSemRegistro(TFrmMnu_Mod* menu);
