#include "results/ui/frmResultadoTensoes.h"

#include <QVBoxLayout>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "results/ui/SalvaTabela.h"
#include "results/ui/VistaTabela.h"

TfrmResultadoTensoes::TfrmResultadoTensoes(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmResultadoTensoes"));
    setWindowTitle(QStringLiteral(" Resultado de Tensões"));
    resize(820, 560);

    MainMenu1 = new QMenuBar(this);
    Saida1 = MainMenu1->addAction(QStringLiteral("&Saída"));
    QMenu* resultados = MainMenu1->addMenu(QStringLiteral("&Resultados"));
    Grafico1 = resultados->addAction(QStringLiteral("Gráfico"));
    Eixo1 = resultados->addAction(QStringLiteral("Eixo"));
    {
        QAction* indice = resultados->addAction(QStringLiteral("Índice de Fissuração"));
        connect(indice, &QAction::triggered, this, [this] {
            if (ctx_.janelas.indiceFissuracao) ctx_.janelas.indiceFissuracao->Abre();
        });
    }
    const auto menuSalvar = SalvaTabela::CriaMenuSalvar(MainMenu1, this, ctx_, ctx_.tensoes, TModoNo::Tensao);
    SalvarTudo1 = menuSalvar.SalvarTudo;
    VisualizarNos1 = menuSalvar.VisualizarNos;
    SalvarNos1 = menuSalvar.SalvarNos;

    vista = new TVistaTabela(ctx_.tensoes, QStringLiteral("Tensões [MPa]"), this);
    StgResultado = vista->StgResultado;
    modelo = vista->modelo;
    auto* caixa = new QVBoxLayout(this);
    caixa->setMenuBar(MainMenu1);
    caixa->addWidget(vista, 1);

    connect(Saida1, &QAction::triggered, this, [this] { close(); });
    connect(Grafico1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            close();
            ctx_.janelas.graficoTensional->Abre();
        });
    });
    connect(Eixo1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            close();
            ctx_.janelas.eixoTensional->Abre();
        });
    });
}

void TfrmResultadoTensoes::AtualizaTabela() { vista->Atualiza(); }

void TfrmResultadoTensoes::Abre() { CamposNumericos::ApresentaJanela(this); }

void TfrmResultadoTensoes::Esconde() { hide(); }

void TfrmResultadoTensoes::showEvent(QShowEvent* evento) {
    vista->AtualizaSeMudou();
    QWidget::showEvent(evento);
}
