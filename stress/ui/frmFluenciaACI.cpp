#include "stress/ui/frmFluenciaACI.h"

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

TfrmFluenciaACI::TfrmFluenciaACI(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmFluenciaACI"));
    setWindowTitle(QStringLiteral("Fluencia "));

    rbSemCura = Opcao(this, "rbSemCura", QStringLiteral("Sem Cura"), true);
    rbUmida = Opcao(this, "rbUmida", QStringLiteral("Úmida normal"));
    rbVapor = Opcao(this, "rbVapor", QStringLiteral("Vapor"));
    edUmidade = Campo(this, "edUmidade", QStringLiteral("55"));
    edSlump = Campo(this, "edSlump", QStringLiteral("50"));
    edAgregado = Campo(this, "edAgregado", QStringLiteral("45"));
    edTAr = Campo(this, "edTAr", QStringLiteral("5"));
    edEspessura = Campo(this, "edEspessura", QStringLiteral("2000"));
    edVS = Campo(this, "edVS", QStringLiteral("1000"));
    edE = Campo(this, "edE", QStringLiteral("25"));
    edfcm = Campo(this, "edfcm", QStringLiteral("21"));
    auto* btnOK = Botao(this, "btnOK", QStringLiteral("OK"));
    auto* btnCancela = Botao(this, "btnCancela", QStringLiteral("Cancela"));

    auto* gbxCura = Grupo(this, "gbxCura", QStringLiteral("Tipo de Cura"));
    auto* lc = new QVBoxLayout(gbxCura);
    lc->addWidget(rbSemCura);
    lc->addWidget(rbUmida);
    lc->addWidget(rbVapor);

    gbxModuloRef = GrupoCampo(this, "gbxModuloRef", QStringLiteral("Módulo de Elasticidade de Referência"), edE,
                              QStringLiteral("GPa"));

    auto* gbxModelo = Grupo(this, "gbxModelo", QStringLiteral("Modelo ACI 209"));
    auto* lm = new QGridLayout(gbxModelo);
    lm->addWidget(gbxCura, 0, 0, 2, 1);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Umidade Relativa"), edUmidade, QStringLiteral("%")), 0, 1);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Slump Test"), edSlump, QStringLiteral("mm")), 1, 1);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("(Agregado Miúdo/Graúdo) em Massa"), edAgregado,
                             QStringLiteral("%")), 2, 0);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Teor de Ar"), edTAr, QStringLiteral("%")), 2, 1);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Espessura Média"), edEspessura, QStringLiteral("mm")), 3, 0);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Relação Volume / Superfície"), edVS, QStringLiteral("mm")),
                  3, 1);
    lm->addWidget(gbxModuloRef, 4, 0);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Resistência Média à Compressão 28 dias"), edfcm,
                             QStringLiteral("Mpa")), 4, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOK);
    botoes->addWidget(btnCancela);
    auto* l = new QVBoxLayout(this);
    l->addWidget(gbxModelo);
    l->addLayout(botoes);

    MarcaOpcoes(this);
    connect(btnOK, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { AlteraProblema(ctx_, QStringLiteral("Fluência - ACI"), [this] { Ok(); }); }); });
    connect(btnCancela, &QPushButton::clicked, this, [this] {
        hide();
        CamposNumericos::ApresentaJanela(ctx_.janelas.frmEscolhaFluencia);
    });
}

void TfrmFluenciaACI::Abre(bool moduloConstante) {
    gbxModuloRef->setVisible(moduloConstante);
    CamposNumericos::ApresentaJanela(this);
}

void TfrmFluenciaACI::Ok() {
    TDadosModelo& d = ctx_.dados;
    d.CuraACI = rbUmida->isChecked() ? TCuraACI::Umida : rbVapor->isChecked() ? TCuraACI::Vapor : TCuraACI::SemCura;
    d.UmidadeRel = Real(edUmidade);
    d.SlumpACI = Real(edSlump);
    d.FinosACI = Real(edAgregado);
    d.TeorArACI = Real(edTAr);
    d.EspessuraMediaACI = Real(edEspessura);
    d.VolSupACI = Real(edVS);
    // Read even when hidden: the run ignores it under the Byfors modulus.
    d.ModuloRef = Real(edE) * 1000.0;
    d.Fcm = Real(edfcm);
    hide();
}

void TfrmFluenciaACI::MostraEstado() {
    const TDadosModelo& d = ctx_.dados;
    // Never confirmed in the project (its data are the start-up zeros): the defaults stay.
    if (d.SlumpACI == 0.0 && d.FinosACI == 0.0 && d.TeorArACI == 0.0 && d.EspessuraMediaACI == 0.0 &&
        d.VolSupACI == 0.0)
        return;
    (d.CuraACI == TCuraACI::Umida ? rbUmida : d.CuraACI == TCuraACI::Vapor ? rbVapor : rbSemCura)->setChecked(true);
    edUmidade->setText(CamposNumericos::Geral(d.UmidadeRel));
    edSlump->setText(CamposNumericos::Geral(d.SlumpACI));
    edAgregado->setText(CamposNumericos::Geral(d.FinosACI));
    edTAr->setText(CamposNumericos::Geral(d.TeorArACI));
    edEspessura->setText(CamposNumericos::Geral(d.EspessuraMediaACI));
    edVS->setText(CamposNumericos::Geral(d.VolSupACI));
    edE->setText(CamposNumericos::Geral(d.ModuloRef / 1000.0));
    edfcm->setText(CamposNumericos::Geral(d.Fcm));
}
