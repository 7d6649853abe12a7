#include "stress/ui/frmTensional.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "analise/Analise.h"
#include "core/Erros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/Gauge.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "stress/ui/frmIndiceFissuracao.h"
#include "core/ui/ProgressoJanela.h"
#include "stress/ui/frmEixoTensional.h"
#include "stress/ui/frmGraficoTensional.h"
#include "core/ui/PainelGrafico.h"
#include "stress/ProcTensional.h"
#include "stress/ui/Formulario.h"
#include "stress/ui/frmACI.h"
#include "stress/ui/frmBazant.h"
#include "stress/ui/frmByfors.h"
#include "stress/ui/frmCEB.h"
#include "stress/ui/frmCoefRestr.h"
#include "stress/ui/frmEscolhaFluencia.h"
#include "stress/ui/frmFluencia.h"
#include "stress/ui/frmFluenciaACI.h"
#include "stress/ui/frmNBR6118.h"
#include "stress/RetracaoAutogena.h"
#include "stress/ui/frmRetracaoAutogena.h"
#include "stress/ui/frmTracaoFlexao.h"

using namespace Formulario;

TfrmTensional::TfrmTensional(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmTensional"));
    setWindowTitle(QStringLiteral("Norvik-1D      Tensional"));

    gaTransiente = new Gauge(this);
    gaTransiente->setObjectName(QStringLiteral("gaTransiente"));
    gaTransiente->setToolTip(QStringLiteral("Percentagem Concluída da Análise"));


    btnFluencia = Botao(this, "btnFluencia", QStringLiteral("Fluência"),
                        QStringLiteral(" Entrada de Parâmetros\r\npara a curva de Fluência"));
    btnCoefRestr = Botao(this, "btnCoefRestr", QStringLiteral("Coeficiente de Restrição"),
                         QStringLiteral("Coeficiente de Restrição"));
    btnTracaoFlexao = Botao(this, "btnTracaoFlexao", QStringLiteral("Tensões Resistentes"),
                            QStringLiteral("Resistência à Tração na Flexão"));
    GroupBox1 = Grupo(this, "GroupBox1", QStringLiteral("Entrada de Dados"));
    auto* l1 = new QVBoxLayout(GroupBox1);
    l1->addWidget(btnFluencia);
    l1->addWidget(btnCoefRestr);
    l1->addWidget(btnTracaoFlexao);
    {
        QPushButton* retracao = Botao(this, "btnRetracaoAutogena", QStringLiteral("Retração Autógena"),
                                      QStringLiteral("Retração autógena por camada (EN 1992-1-1)"));
        l1->addWidget(retracao);
        auto* dialogo = new TfrmRetracaoAutogena(ctx_, this);
        connect(retracao, &QPushButton::clicked, this, [dialogo] { dialogo->Abre(); });
    }

    btnRun = Botao(this, "btnRun", QStringLiteral("Run"));
    btnGrafico = Botao(this, "btnGrafico", QStringLiteral("Gráfico"));
    btnGraficoEixo = Botao(this, "btnGraficoEixo", QStringLiteral("Gráfico Eixo"));
    GroupBox2 = Grupo(this, "GroupBox2", QStringLiteral("Resultados"));
    auto* l2 = new QVBoxLayout(GroupBox2);
    l2->addWidget(btnGrafico);
    l2->addWidget(btnGraficoEixo);
    {
        QPushButton* indice = Botao(this, "btnIndiceFissuracao", QStringLiteral("Índice de Fissuração"),
                                    QStringLiteral("Índice de fissuração e probabilidade de fissuração por nó"));
        l2->addWidget(indice);
        connect(indice, &QPushButton::clicked, this, [this] {
            if (ctx_.janelas.frmIndiceFissuracao) ctx_.janelas.frmIndiceFissuracao->Abre();
        });
    }
    btnResult = Botao(this, "btnResult", QStringLiteral("Planilha"));
    btnSaida = Botao(this, "btnSaida", QStringLiteral("Saida"), QStringLiteral("Saída da Análise Tensional"));

    pbarProcesso = new QProgressBar(this);
    pbarProcesso->setObjectName(QStringLiteral("pbarProcesso"));
    pbarProcesso->setOrientation(Qt::Vertical);
    pbarProcesso->setRange(0, 100);
    pbarProcesso->setValue(0);
    pbarProcesso->setTextVisible(false);

    sbComentarios = new QStatusBar(this);
    sbComentarios->setObjectName(QStringLiteral("sbComentarios"));
    sbComentarios->setSizeGripEnabled(false);
    sbPainel0 = Rotulo(this, "sbPainel0", QString());
    sbPainel1 = Rotulo(this, "sbPainel1", QString());
    sbComentarios->addWidget(sbPainel0, 3);
    sbComentarios->addWidget(sbPainel1, 1);

    auto* coluna = new QVBoxLayout;
    coluna->addWidget(GroupBox1);
    coluna->addWidget(btnRun);
    coluna->addWidget(GroupBox2);
    coluna->addWidget(btnResult);
    coluna->addWidget(btnSaida);
    coluna->addStretch();
    auto* topo = new QHBoxLayout;
    topo->addWidget(gaTransiente, 0, Qt::AlignTop);
    topo->addLayout(coluna);
    topo->addWidget(pbarProcesso);
    auto* l = new QVBoxLayout(this);
    l->addLayout(topo);
    l->addWidget(sbComentarios);

    btnRun->setEnabled(false);
    GroupBox2->setEnabled(false);
    btnResult->setEnabled(false);

    Janelas& j = ctx_.janelas;
    connect(btnFluencia, &QPushButton::clicked, this, [&j] {
        CamposNumericos::ApresentaJanela(j.frmEscolhaFluencia);
    });
    connect(btnCoefRestr, &QPushButton::clicked, this, [&j] {
        CamposNumericos::ApresentaJanela(j.frmCoefRestr);
    });
    connect(btnTracaoFlexao, &QPushButton::clicked, this, [&j] {
        CamposNumericos::ApresentaJanela(j.frmTracaoFlexao);
    });
    connect(btnRun, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { btnRunClick(); }); });
    connect(btnGrafico, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { btnGraficoClick(); }); });
    connect(btnGraficoEixo, &QPushButton::clicked, this,
            [this] { ExecutaAcao(ctx_.msg, [this] { btnGraficoEixoClick(); }); });
    connect(btnResult, &QPushButton::clicked, this, [&j] {
        if (j.resultadoTensoes) j.resultadoTensoes->Abre();
    });
    connect(btnSaida, &QPushButton::clicked, this, [this] { btnSaidaClick(); });
}

void TfrmTensional::Abre() { CamposNumericos::ApresentaJanela(this); }

void TfrmTensional::HabilitaRun() { btnRun->setEnabled(true); }

void TfrmTensional::btnRunClick() {
    JanelaTensoes* planilha = ctx_.janelas.resultadoTensoes;
    ProgressoJanela progresso(gaTransiente, pbarProcesso, sbPainel0);
    Analise& analise = ctx_.analise;
    try {
        // The stress part of the current analysis, with the stress inputs as they stand now.
        analise.ExecutaTensoes(ctx_.dados, progresso);
    } catch (const ErroEntrada&) {
        progresso.Conclui();
        throw;  // refused: nothing was written
    } catch (const ErroConversao&) {
        progresso.Conclui();
        throw;
    } catch (...) {
        // A failed run keeps the nodes it wrote: the table shows them, the buttons stay as they were.
        Analise::CopiaResultadosTensoes(*analise.Dados, ctx_.dados);
        analise.Tensoes.EscreveTexto(ctx_.tensoes);
        progresso.Conclui();
        planilha->AtualizaTabela();
        throw;
    }
    Analise::CopiaResultadosTensoes(*analise.Dados, ctx_.dados);
    analise.Tensoes.EscreveTexto(ctx_.tensoes);
    // The stresses read the problem as it stands now: the analysis is of this revision
    // when its temperatures still are (nothing the thermal run reads changed since).
    if (ctx_.historico) {
        if (ctx_.historico->Vigente(analise.Revisao, true)) analise.Revisao = RevisaoAtual(ctx_);
        ctx_.historico->AnunciaResultados();
    }
    progresso.Conclui();
    planilha->AtualizaTabela();
    if (!analise.ComTensoes) return;
    std::string mensagem = analise.MensagemTensoes;
    // With autogenous shrinkage, its share of the largest tension: the same stresses
    // without it, on the same temperatures.
    if (const auto sem = Analise::SemRetracaoAutogena(*analise.Dados, analise.Temperaturas))
        mensagem += "\n\n" + RetracaoAutogena::LinhaParcela(analise.Dados->TracaoMaxima, sem->Tracao, sem->No, sem->Hora);
    ctx_.msg.informacao(QString::fromStdString(mensagem));
    GroupBox2->setEnabled(true);
    btnResult->setEnabled(true);
}

void TfrmTensional::btnGraficoClick() {
    ctx_.janelas.frmGraficoTensional->Abre();
}

void TfrmTensional::btnGraficoEixoClick() {
    ctx_.janelas.frmEixoTensional->Abre();
}

void TfrmTensional::DescartaResultados() {
    GroupBox2->setEnabled(false);
    btnResult->setEnabled(false);
    gaTransiente->setProgress(0);
    pbarProcesso->setValue(0);
    sbPainel0->clear();
    sbPainel1->clear();
    // An empty table: every reader (index, charts, exports) then finds no stress run.
    ctx_.tensoes = TabelaTexto();
    ctx_.analise.Tensoes = HistoricoNumerico();
    ctx_.analise.ComTensoes = false;
    ctx_.analise.MensagemTensoes.clear();
    ctx_.analise.Indice.reset();
    Janelas& j = ctx_.janelas;
    if (j.resultadoTensoes) {
        j.resultadoTensoes->AtualizaTabela();
        j.resultadoTensoes->Esconde();
    }
    // Their curves were read from the stresses just discarded.
    if (j.frmGraficoTensional) {
        j.frmGraficoTensional->cGrafico->RemoveSeries();
        j.frmGraficoTensional->hide();
    }
    if (j.frmEixoTensional) {
        j.frmEixoTensional->cGrafico->RemoveSeries();
        j.frmEixoTensional->hide();
    }
    if (j.frmIndiceFissuracao) {
        j.frmIndiceFissuracao->cGraficoIndice->RemoveSeries();
        j.frmIndiceFissuracao->hide();
    }
}

void TfrmTensional::MostraEstado() {
    btnRun->setEnabled(false);
    DescartaResultados();

    const TDadosModelo& d = ctx_.dados;
    Janelas& j = ctx_.janelas;
    j.frmEscolhaFluencia->MostraEstado();
    switch (d.ModeloFluencia) {
        case TModeloFluencia::Bureau: j.frmFluencia->MostraEstado(); break;
        case TModeloFluencia::ACI209:
            j.frmByfors->MostraEstado();
            j.frmFluenciaACI->MostraEstado();
            break;
        case TModeloFluencia::CEB1990:
            j.frmByfors->MostraEstado();
            j.frmCEB->MostraEstado();
            break;
        case TModeloFluencia::Bazant: j.frmBazant->MostraEstado(); break;
        case TModeloFluencia::NBR6118: j.frmNBR6118->MostraEstado(); break;
        case TModeloFluencia::Nenhum: break;
    }
    j.frmCoefRestr->MostraEstado();
    if (d.AlturaRestricao != 0.0 || d.ComprimentoRestricao != 0.0) j.frmACI->MostraEstado();
    const double resistencias[] = {d.ResistFlexaoA,    d.ResistFlexaoB,    d.ResistTracaoA, d.ResistTracaoB,
                                   d.ResistDiametralA, d.ResistDiametralB, d.ResistComprA,  d.ResistComprB};
    if (std::any_of(std::begin(resistencias), std::end(resistencias), [](double v) { return v != 0.0; }))
        j.frmTracaoFlexao->MostraEstado();
    // A project that holds a creep model and a strength curve has all the run needs
    // (the restraint is stored either way): no dialog has to be confirmed again.
    if (d.ModeloFluencia != TModeloFluencia::Nenhum &&
        std::any_of(std::begin(resistencias), std::end(resistencias), [](double v) { return v != 0.0; }))
        btnRun->setEnabled(true);
}

void TfrmTensional::btnSaidaClick() {
    hide();
    btnRun->setEnabled(false);
    GroupBox2->setEnabled(false);
    btnResult->setEnabled(false);
    gaTransiente->setProgress(0);
    pbarProcesso->setValue(0);
}
