#include "stress/ui/frmEscolhaFluencia.h"

#include <QVBoxLayout>

#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "input/ui/frmMembro.h"
#include "stress/ui/Formulario.h"
#include "stress/ui/frmBazant.h"
#include "stress/ui/frmByfors.h"
#include "stress/ui/frmFluencia.h"
#include "stress/ui/frmNBR6118.h"

using namespace Formulario;

TfrmEscolhaFluencia::TfrmEscolhaFluencia(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmEscolhaFluencia"));
    setWindowTitle(QStringLiteral("Tipos de Fluência"));
    rbBureau = Opcao(this, "rbBureau", QStringLiteral("U. S. Bureau of Reclamation"), true);
    rbACI = Opcao(this, "rbACI", QStringLiteral("ACI 209"));
    rbCEB = Opcao(this, "rbCEB", QStringLiteral("CEB (1990)"));
    rbBazant = Opcao(this, "rbBazant", QStringLiteral("Bazant e Panula"));
    rbNBR = Opcao(this, "rbNBR", QStringLiteral("NBR 6118 (2014)"));
    auto* btnOK = Botao(this, "btnOK", QStringLiteral("OK"));

    auto* grupo = Grupo(this, "gbxModelos", QString());
    auto* lg = new QVBoxLayout(grupo);
    for (QRadioButton* r : {rbBureau, rbACI, rbCEB, rbBazant, rbNBR}) lg->addWidget(r);
    auto* l = new QVBoxLayout(this);
    l->addWidget(grupo);
    l->addWidget(btnOK, 0, Qt::AlignHCenter);
    MarcaOpcoes(this);
    connect(btnOK, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { btnOKClick(); }); });
}

TModeloFluencia TfrmEscolhaFluencia::ModeloSelecionado() const {
    if (rbACI->isChecked()) return TModeloFluencia::ACI209;
    if (rbCEB->isChecked()) return TModeloFluencia::CEB1990;
    if (rbBazant->isChecked()) return TModeloFluencia::Bazant;
    if (rbNBR->isChecked()) return TModeloFluencia::NBR6118;
    return TModeloFluencia::Bureau;
}

void TfrmEscolhaFluencia::btnOKClick() {
    hide();
    const TModeloFluencia modelo = ModeloSelecionado();
    ctx_.dados.ModeloFluencia = modelo;
    Janelas& j = ctx_.janelas;
    switch (modelo) {
        case TModeloFluencia::Bureau:
            j.frmFluencia->show();
            j.frmFluencia->raise();
            break;
        case TModeloFluencia::ACI209:
        case TModeloFluencia::CEB1990:
            j.frmByfors->show();
            j.frmByfors->raise();
            break;
        case TModeloFluencia::Bazant:
            // The density typed for the layers is the best first guess for the concrete.
            j.frmBazant->edMassaEspec->setText(j.frmMembro->edRo->text());
            j.frmBazant->show();
            j.frmBazant->raise();
            break;
        case TModeloFluencia::NBR6118:
            j.frmNBR6118->show();
            j.frmNBR6118->raise();
            break;
        case TModeloFluencia::Nenhum:
            break;
    }
}

void TfrmEscolhaFluencia::MostraEstado() {
    switch (ctx_.dados.ModeloFluencia) {
        case TModeloFluencia::ACI209: rbACI->setChecked(true); break;
        case TModeloFluencia::CEB1990: rbCEB->setChecked(true); break;
        case TModeloFluencia::Bazant: rbBazant->setChecked(true); break;
        case TModeloFluencia::NBR6118: rbNBR->setChecked(true); break;
        case TModeloFluencia::Bureau:
        case TModeloFluencia::Nenhum: rbBureau->setChecked(true); break;
    }
}
