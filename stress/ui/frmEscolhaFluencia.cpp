#include "stress/ui/frmEscolhaFluencia.h"

#include <QVBoxLayout>
#include <algorithm>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
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
    connect(btnOK, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { AlteraProblema(ctx_, QStringLiteral("Tipos de Fluência"), [this] { btnOKClick(); }); }); });
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
            CamposNumericos::ApresentaJanela(j.frmFluencia);
            break;
        case TModeloFluencia::ACI209:
        case TModeloFluencia::CEB1990:
            CamposNumericos::ApresentaJanela(j.frmByfors);
            break;
        case TModeloFluencia::Bazant:
            // The density of the member's concrete is the best first guess: that of the top
            // layer, as the layer dialog leaves it after a pass (never a soil layer below).
            if (const int topo = std::min(ctx_.dados.NCamadas, MaxCamadas); topo >= 1) {
                j.frmBazant->edMassaEspec->setText(
                    CamposNumericos::Geral(ctx_.dados.Camadas[static_cast<std::size_t>(topo)].Ro));
            }
            CamposNumericos::ApresentaJanela(j.frmBazant);
            break;
        case TModeloFluencia::NBR6118:
            CamposNumericos::ApresentaJanela(j.frmNBR6118);
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
