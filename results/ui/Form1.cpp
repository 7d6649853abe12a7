#include "results/ui/Form1.h"

#include <QVBoxLayout>

#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "results/ui/Navegacao.h"
#include "results/ui/SalvaTabela.h"
#include "results/ui/frmSalvarNo.h"
#include "results/ui/frmTemperaturaNo.h"

TForm1::TForm1(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Norvik 1D                         Planilha de Resultados (Temperaturas)"));
    resize(820, 560);

    MainMenu1 = new QMenuBar(this);
    Saida1 = MainMenu1->addAction(QStringLiteral("&Saída"));
    QMenu* resultados = MainMenu1->addMenu(QStringLiteral("&Resultados"));
    Grafico1 = resultados->addAction(QStringLiteral("Gráfico"));
    Eixo1 = resultados->addAction(QStringLiteral("Eixo"));
    Cores1 = resultados->addAction(QStringLiteral("Cores"));
    {
        QAction* resumo = resultados->addAction(QStringLiteral("Resumo Térmico"));
        connect(resumo, &QAction::triggered, this, [this] {
            Navegacao::AbreResumoTermico(ctx_);
        });
    }
    const auto menuSalvar = SalvaTabela::CriaMenuSalvar(MainMenu1, this, ctx_, ctx_.temperaturas, TModoNo::Temperatura);
    SalvarTudo1 = menuSalvar.SalvarTudo;
    VisualizarNos1 = menuSalvar.VisualizarNos;
    SalvarNos1 = menuSalvar.SalvarNos;

    vista = new TVistaTabela(ctx_.temperaturas, QStringLiteral("Temperaturas [C]"), this);
    StgResultado = vista->StgResultado;
    modelo = vista->modelo;

    auto* caixa = new QVBoxLayout(this);
    caixa->setMenuBar(MainMenu1);
    caixa->addWidget(vista, 1);

    connect(Saida1, &QAction::triggered, this, [this] { close(); });
    connect(Grafico1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            close();
            Navegacao::AbreGrafico(ctx_);
        });
    });
    connect(Eixo1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            close();
            Navegacao::AbreEixo(ctx_, true);
        });
    });
    connect(Cores1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            close();
            Navegacao::AbreCores(ctx_);
        });
    });
}

void TForm1::AtualizaTabela() { vista->Atualiza(); }

void TForm1::showEvent(QShowEvent* evento) {
    vista->AtualizaSeMudou();
    QWidget::showEvent(evento);
}
