#include "stress/ui/frmFluencia.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "stress/ui/Formulario.h"
#include "stress/ui/frmE.h"
#include "stress/ui/frmEscolhaFluencia.h"
#include "stress/ui/frmF.h"

using namespace Formulario;

TfrmFluencia::TfrmFluencia(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmFluencia"));
    setWindowTitle(QStringLiteral("Fluência"));

    edEa = Campo(this, "edEa", QStringLiteral("0,111137"));
    edEb = Campo(this, "edEb", QStringLiteral("0,03547"));
    rbtMpa = Opcao(this, "rbtMpa", QStringLiteral("[Mpa]"));
    rbtGpa = Opcao(this, "rbtGpa", QStringLiteral("[Gpa]"), true);
    edFa = Campo(this, "edFa", QStringLiteral("6,0656"));
    edFb = Campo(this, "edFb", QStringLiteral("8,748"));
    auto* btnVisualizarE = Botao(this, "btnVisualizarE", QStringLiteral("Visualizar E(z)"),
                                 QStringLiteral("Visualização da evolução\r\n       de E no tempo"));
    auto* btnVisualizarF = Botao(this, "btnVisualizarF", QStringLiteral("Visualizar F(z)"),
                                 QStringLiteral("Visualização da evolução\r\n       de F no tempo"));
    auto* btnOk = Botao(this, "btnOk", QStringLiteral("Ok"));
    auto* btnCancela = Botao(this, "btnCancela", QStringLiteral("Cancela"));

    auto* gbxUnidade = Grupo(this, "gbxUnidade", QStringLiteral("Unidade"));
    auto* lu = new QHBoxLayout(gbxUnidade);
    lu->addWidget(rbtMpa);
    lu->addWidget(rbtGpa);

    auto* gbxE = Grupo(this, "gbxE", QStringLiteral("Módulo de Elasticidade [E]"));
    auto* le = new QGridLayout(gbxE);
    le->addWidget(Rotulo(this, "lblFormulaE", QStringLiteral("E(z) = z / (a+b.z)")), 0, 0, 1, 2);
    le->addWidget(Rotulo(this, nullptr, QStringLiteral("a =")), 1, 0);
    le->addWidget(edEa, 1, 1);
    le->addWidget(Rotulo(this, nullptr, QStringLiteral("b =")), 2, 0);
    le->addWidget(edEb, 2, 1);
    le->addWidget(gbxUnidade, 1, 2, 2, 1);
    le->addWidget(btnVisualizarE, 3, 0, 1, 3);

    auto* gbxF = Grupo(this, "gbxF", QStringLiteral("Coeficiente de Fluência [F]"));
    auto* lf = new QGridLayout(gbxF);
    lf->addWidget(Rotulo(this, "lblFormulaF", QStringLiteral("F(z) = a + b/z")), 0, 0, 1, 2);
    lf->addWidget(Rotulo(this, nullptr, QStringLiteral("a =")), 1, 0);
    lf->addWidget(edFa, 1, 1);
    lf->addWidget(Rotulo(this, nullptr, QStringLiteral("b =")), 2, 0);
    lf->addWidget(edFb, 2, 1);
    lf->addWidget(Rotulo(this, "lblUnidadeF", QStringLiteral("10-6/(MPa.ln(dia))")), 1, 2, 2, 1);
    lf->addWidget(btnVisualizarF, 3, 0, 1, 3);

    auto* gbxModelo = Grupo(this, "gbxModelo", QStringLiteral("Modelo do Bureau of Reclamation"));
    auto* lm = new QVBoxLayout(gbxModelo);
    lm->addWidget(gbxE);
    lm->addWidget(gbxF);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancela);
    auto* l = new QVBoxLayout(this);
    l->addWidget(gbxModelo);
    l->addLayout(botoes);

    MarcaOpcoes(this);
    // The unit of E is a property of the typed parameters: it takes effect at once.
    connect(rbtGpa, &QRadioButton::toggled, this, [this](bool gpa) {
        AlteraProblema(ctx_, QStringLiteral("Fluência: unidade de E"), [&] { ctx_.dados.EEmGPa = gpa; });
    });
    connect(btnVisualizarE, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { VisualizarE(); }); });
    connect(btnVisualizarF, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { VisualizarF(); }); });
    connect(btnOk, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { AlteraProblema(ctx_, QStringLiteral("Fluência"), [this] { Ok(); }); }); });
    connect(btnCancela, &QPushButton::clicked, this, [this] {
        hide();
        CamposNumericos::ApresentaJanela(ctx_.janelas.frmEscolhaFluencia);
    });
}

void TfrmFluencia::VisualizarE() {
    ctx_.dados.EBureauA = Real(edEa);
    ctx_.dados.EBureauB = Real(edEb);
    ctx_.janelas.frmE->AdicionaCurva(ctx_.dados.EBureauA, ctx_.dados.EBureauB);
}

void TfrmFluencia::VisualizarF() {
    ctx_.dados.FBureauA = Real(edFa);
    ctx_.dados.FBureauB = Real(edFb);
    ctx_.janelas.frmF->AdicionaCurva(ctx_.dados.FBureauA, ctx_.dados.FBureauB);
}

void TfrmFluencia::Ok() {
    ctx_.dados.EBureauA = Real(edEa);
    ctx_.dados.EBureauB = Real(edEb);
    ctx_.dados.FBureauA = Real(edFa);
    ctx_.dados.FBureauB = Real(edFb);
    hide();
}

void TfrmFluencia::MostraEstado() {
    const TDadosModelo& d = ctx_.dados;
    // Never confirmed in the project (its data are the start-up zeros): the defaults stay.
    if (d.EBureauA == 0.0 && d.EBureauB == 0.0 && d.FBureauA == 0.0 && d.FBureauB == 0.0) return;
    edEa->setText(CamposNumericos::Geral(d.EBureauA));
    edEb->setText(CamposNumericos::Geral(d.EBureauB));
    edFa->setText(CamposNumericos::Geral(d.FBureauA));
    edFb->setText(CamposNumericos::Geral(d.FBureauB));
    (d.EEmGPa ? rbtGpa : rbtMpa)->setChecked(true);
}
