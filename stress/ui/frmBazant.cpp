#include "stress/ui/frmBazant.h"

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

namespace {
// A ratio below one typed as its decimal digits: "45" after the fixed "0," is 0.45.
QGroupBox* GrupoRazao(QWidget* dono, const QString& titulo, QLineEdit* campo) {
    auto* g = Grupo(dono, nullptr, titulo);
    auto* l = new QHBoxLayout(g);
    l->addWidget(Rotulo(dono, nullptr, QStringLiteral("0,")));
    l->addWidget(campo);
    return g;
}
}  // namespace

TfrmBazant::TfrmBazant(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmBazant"));
    setWindowTitle(QStringLiteral("Fluência"));

    edMassaEspec = Campo(this, "edMassaEspec", QStringLiteral("2500"));
    edfc = Campo(this, "edfc", QStringLiteral("21"));
    RadioButton1 = Opcao(this, "RadioButton1", QStringLiteral("Valor Aproximado"));
    rbEOtimizado = Opcao(this, "rbEOtimizado", QStringLiteral("Valor Otimizado"), true);
    edE = Campo(this, "edE", QStringLiteral("25"));
    edwc = Campo(this, "edwc", QStringLiteral("45"));
    edac = Campo(this, "edac", QStringLiteral("65"));
    edsc = Campo(this, "edsc", QStringLiteral("60"));
    rbNormal = Opcao(this, "rbNormal", QStringLiteral("Normal"), true);
    rbEnduRapido = Opcao(this, "rbEnduRapido", QStringLiteral("Endurecimento Rápido"));
    rbBaixoCH = Opcao(this, "rbBaixoCH", QStringLiteral("Baixo Calor de Hidratação"));
    rbSim = Opcao(this, "rbSim", QStringLiteral("Sim"));
    rbNao = Opcao(this, "rbNao", QStringLiteral("Não"), true);
    auto* btnOK = Botao(this, "btnOK", QStringLiteral("OK"));
    auto* btnCancela = Botao(this, "btnCancela", QStringLiteral("Cancela"));

    auto* gbxModulo = Grupo(this, "gbxModulo", QStringLiteral("Módulo de Elasticidade aos 28 dias"));
    auto* lmod = new QGridLayout(gbxModulo);
    lmod->addWidget(RadioButton1, 0, 0);
    lmod->addWidget(rbEOtimizado, 1, 0);
    lmod->addWidget(edE, 1, 1);
    lmod->addWidget(Rotulo(this, nullptr, QStringLiteral("GPa")), 1, 2);

    auto* gbxCimento = Grupo(this, "gbxCimento", QStringLiteral("Tipo de Cimento"));
    auto* lc = new QVBoxLayout(gbxCimento);
    lc->addWidget(rbNormal);
    lc->addWidget(rbEnduRapido);
    lc->addWidget(rbBaixoCH);

    auto* gbxMaturidade = Grupo(this, "gbxMaturidade", QStringLiteral("Considerar a Maturidade do Concreto ?"),
                                QStringLiteral("Leva em Consideração a Influência\r\nda  Variação   da   Temperatura  "
                                               "na\r\nFluência do Concreto. "));
    auto* lmat = new QHBoxLayout(gbxMaturidade);
    lmat->addWidget(rbSim);
    lmat->addWidget(rbNao);

    auto* gbxModelo = Grupo(this, "gbxModelo", QStringLiteral("Modelo Bazant e Panula (Lei do Poder Duplo)"));
    auto* lm = new QGridLayout(gbxModelo);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Massa Espec. Concreto"), edMassaEspec,
                             QStringLiteral("Kg/m^3")), 0, 0);
    lm->addWidget(GrupoCampo(this, nullptr, QStringLiteral("Resistência à Compressão 28 dias"), edfc,
                             QStringLiteral("Mpa")), 0, 1);
    lm->addWidget(gbxModulo, 1, 0, 1, 2);
    lm->addWidget(GrupoRazao(this, QStringLiteral("Fator Água/Cimento"), edwc), 2, 0);
    lm->addWidget(GrupoRazao(this, QStringLiteral("Relação Agreg./Cim."), edac), 2, 1);
    lm->addWidget(GrupoRazao(this, QStringLiteral("Relação Areia/Cim."), edsc), 3, 0);
    lm->addWidget(gbxCimento, 4, 0);
    lm->addWidget(gbxMaturidade, 4, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOK);
    botoes->addWidget(btnCancela);
    auto* l = new QVBoxLayout(this);
    l->addWidget(gbxModelo);
    l->addLayout(botoes);

    MarcaOpcoes(this);
    connect(btnOK, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { AlteraProblema(ctx_, QStringLiteral("Fluência - Bazant"), [this] { Ok(); }); }); });
    connect(btnCancela, &QPushButton::clicked, this, [this] {
        hide();
        CamposNumericos::ApresentaJanela(ctx_.janelas.frmEscolhaFluencia);
    });
}

void TfrmBazant::Ok() {
    TDadosModelo& d = ctx_.dados;
    d.MassaEspecifica = Real(edMassaEspec);
    d.Fcm = Real(edfc);
    d.EOtimizado = rbEOtimizado->isChecked();
    d.ModuloRef = Real(edE) * 1000.0;
    d.RelAguaCimento = Real(edwc) / 100.0;
    d.RelAgregCimento = Real(edac) / 100.0;
    d.RelAreiaCimento = Real(edsc) / 100.0;
    d.FatorCimento = rbEnduRapido->isChecked() ? 0.93 : rbBaixoCH->isChecked() ? 1.03 : 1.0;
    d.ConsideraMaturidade = rbSim->isChecked();
    // Closed only once every field is read, so that a mistyped one can be mended here.
    hide();
}

void TfrmBazant::MostraEstado() {
    const TDadosModelo& d = ctx_.dados;
    // Never confirmed in the project (its data are the start-up zeros): the defaults stay.
    if (d.FatorCimento == 0.0) return;
    edMassaEspec->setText(CamposNumericos::Geral(d.MassaEspecifica));
    edfc->setText(CamposNumericos::Geral(d.Fcm));
    (d.EOtimizado ? rbEOtimizado : RadioButton1)->setChecked(true);
    edE->setText(CamposNumericos::Geral(d.ModuloRef / 1000.0));
    edwc->setText(CamposNumericos::Geral(d.RelAguaCimento * 100.0));
    edac->setText(CamposNumericos::Geral(d.RelAgregCimento * 100.0));
    edsc->setText(CamposNumericos::Geral(d.RelAreiaCimento * 100.0));
    (d.FatorCimento == 0.93 ? rbEnduRapido : d.FatorCimento == 1.03 ? rbBaixoCH : rbNormal)->setChecked(true);
    (d.ConsideraMaturidade ? rbSim : rbNao)->setChecked(true);
}
