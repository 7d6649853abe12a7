#include "stress/ui/frmCEB.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "stress/ui/Formulario.h"
#include "stress/ui/frmEscolhaFluencia.h"

using namespace Formulario;

TfrmCEB::TfrmCEB(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmCEB"));
    setWindowTitle(QStringLiteral("Fluência"));

    edfcm = Campo(this, "edfcm", QStringLiteral("21"));
    edE28 = Campo(this, "edE28", QStringLiteral("27"));
    edAc = Campo(this, "edAc", QStringLiteral("5"));
    edU = Campo(this, "edU", QStringLiteral("10"));
    edUmidade = Campo(this, "edUmidade", QStringLiteral("50"));
    auto* btnOK = Botao(this, "btnOK", QStringLiteral("OK"));
    auto* btnCancela = Botao(this, "btnCancela", QStringLiteral("Cancela"));

    gbxE28 = GrupoCampo(this, "gbxE28", QStringLiteral("Mód. de Elast. 28 dias"), edE28, QStringLiteral("GPa"));
    auto* gbxModelo = Grupo(this, "gbxModelo", QStringLiteral("Modelo CEB (1990)"));
    auto* lm = new QGridLayout(gbxModelo);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Resistência Média à Compressão 28 dias"), edfcm,
                             QStringLiteral("Mpa")), 0, 0);
    lm->addWidget(gbxE28, 0, 1);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Seção Transversal"), edAc, QStringLiteral("m^2")), 1, 0);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Perímetro contato atmosfera"), edU, QStringLiteral("m")),
                  1, 1);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Umidade Rel."), edUmidade, QStringLiteral("%")), 2, 0);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOK);
    botoes->addWidget(btnCancela);
    auto* l = new QVBoxLayout(this);
    l->addWidget(gbxModelo);
    l->addLayout(botoes);

    connect(btnOK, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { AlteraProblema(ctx_, QStringLiteral("Fluência - CEB"), [this] { Ok(); }); }); });
    connect(btnCancela, &QPushButton::clicked, this, [this] {
        hide();
        CamposNumericos::ApresentaJanela(ctx_.janelas.frmEscolhaFluencia);
    });
}

void TfrmCEB::Abre(bool moduloConstante, const QString& fcm) {
    if (!fcm.isEmpty()) edfcm->setText(fcm);
    gbxE28->setVisible(moduloConstante);
    CamposNumericos::ApresentaJanela(this);
}

void TfrmCEB::Ok() {
    TDadosModelo& d = ctx_.dados;
    d.Fcm = Real(edfcm);
    d.ModuloRef = Real(edE28) * 1000.0;
    d.AreaCEB = Real(edAc) * 1.0e6;        // m² -> mm²
    d.PerimetroCEB = Real(edU) * 1000.0;   // m -> mm
    d.UmidadeRel = Real(edUmidade);
    hide();
}

void TfrmCEB::MostraEstado() {
    const TDadosModelo& d = ctx_.dados;
    // Never confirmed in the project (its data are the start-up zeros): the defaults stay.
    if (d.AreaCEB == 0.0 && d.PerimetroCEB == 0.0 && d.UmidadeRel == 0.0) return;
    edfcm->setText(CamposNumericos::Geral(d.Fcm));
    edE28->setText(CamposNumericos::Geral(d.ModuloRef / 1000.0));
    edAc->setText(CamposNumericos::Geral(d.AreaCEB / 1.0e6));
    edU->setText(CamposNumericos::Geral(d.PerimetroCEB / 1000.0));
    edUmidade->setText(CamposNumericos::Geral(d.UmidadeRel));
}
