#include "results/ui/frmResultadoTensoes.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "results/ui/SalvaTabela.h"
#include "results/ui/frmEixoTensional.h"
#include "results/ui/frmGraficoTensional.h"
#include "results/ui/frmSalvarNo.h"
#include "results/ui/frmTemperaturaNo.h"

TfrmResultadoTensoes::TfrmResultadoTensoes(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmResultadoTensoes"));
    setWindowTitle(QStringLiteral(" Resultado de Tensões"));
    resize(820, 560);

    MainMenu1 = new QMenuBar(this);
    Saida1 = MainMenu1->addAction(QStringLiteral("&Saída"));
    QMenu* resultados = MainMenu1->addMenu(QStringLiteral("&Resultados"));
    Grafico1 = resultados->addAction(QStringLiteral("Gráfico"));
    Eixo1 = resultados->addAction(QStringLiteral("Eixo"));
    QMenu* salvar = MainMenu1->addMenu(QStringLiteral("&Salvar"));
    SalvarTudo1 = salvar->addAction(QStringLiteral("Salvar Tudo"));
    VisualizarNos1 = salvar->addAction(QStringLiteral("Visualizar Nós"));
    SalvarNos1 = salvar->addAction(QStringLiteral("Salvar Nós"));

    auto* titulo = new QLabel(QStringLiteral("RESULTADOS"), this);
    QFont fonte = titulo->font();
    fonte.setPointSize(fonte.pointSize() + 4);
    fonte.setBold(true);
    titulo->setFont(fonte);
    titulo->setAlignment(Qt::AlignHCenter);
    auto* subtitulo = new QLabel(QStringLiteral("Tensões [MPa]"), this);
    subtitulo->setAlignment(Qt::AlignHCenter);

    modelo = new ModeloTabela(ctx_.tensoes, this);
    StgResultado = new QTableView(this);
    StgResultado->setObjectName(QStringLiteral("StgResultado"));
    StgResultado->setModel(modelo);
    // Fixed sizes: the view never measures a million cells.
    StgResultado->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StgResultado->verticalHeader()->setDefaultSectionSize(20);
    StgResultado->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StgResultado->horizontalHeader()->setDefaultSectionSize(70);
    StgResultado->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    StgResultado->setFont(mono);
    StgResultado->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* caixa = new QVBoxLayout(this);
    caixa->setMenuBar(MainMenu1);
    caixa->addWidget(titulo);
    caixa->addWidget(subtitulo);
    caixa->addWidget(StgResultado, 1);

    connect(Saida1, &QAction::triggered, this, [this] { close(); });
    connect(Grafico1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            close();
            ctx_.janelas.frmGraficoTensional->Abre();
        });
    });
    connect(Eixo1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            close();
            ctx_.janelas.frmEixoTensional->Abre();
        });
    });
    connect(SalvarTudo1, &QAction::triggered, this,
            [this] { ExecutaAcao(ctx_.msg, [this] { SalvaTabela::SalvarTudo(ctx_, ctx_.tensoes); }); });
    connect(VisualizarNos1, &QAction::triggered, this,
            [this] { ExecutaAcao(ctx_.msg, [this] { ctx_.janelas.frmTemperaturaNo->Abre(TModoNo::Tensao); }); });
    connect(SalvarNos1, &QAction::triggered, this,
            [this] { ExecutaAcao(ctx_.msg, [this] { ctx_.janelas.frmSalvarNo->Abre(TModoNo::Tensao); }); });
}

void TfrmResultadoTensoes::AtualizaTabela() { modelo->Recarrega(); }

void TfrmResultadoTensoes::showEvent(QShowEvent* evento) {
    if (modelo->rowCount() != StgResultado->verticalHeader()->count() ||
        modelo->columnCount() != StgResultado->horizontalHeader()->count())
        modelo->Recarrega();
    QWidget::showEvent(evento);
}
