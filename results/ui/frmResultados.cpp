#include "results/ui/frmResultados.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "core/ui/Programa.h"
#include "results/ui/Navegacao.h"
#include "results/ui/SalvaTabela.h"

namespace {
QPushButton* Botao(const QString& nome, const QString& texto, const QString& dica, QWidget* pai) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setToolTip(dica);
    b->setMinimumHeight(34);
    return b;
}
}  // namespace

TfrmResultados::TfrmResultados(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmResultados"));
    setWindowTitle(QStringLiteral("Resultados"));

    MainMenu1 = new QMenuBar(this);
    QMenu* arquivo = MainMenu1->addMenu(QStringLiteral("Arquivo"));
    Sair1 = arquivo->addAction(QStringLiteral("Sair"));
    NovaAnalise1 = arquivo->addAction(QStringLiteral("Nova Análise"));
    SalvarPlanilha1 = arquivo->addAction(QStringLiteral("Salvar Planilha"));
    AnaliseTensional1 = arquivo->addAction(QStringLiteral("Análise Tensional"));
    QMenu* resultados = MainMenu1->addMenu(QStringLiteral("Resultados"));
    Planilha1 = resultados->addAction(QStringLiteral("Planilha"));
    Grafico1 = resultados->addAction(QStringLiteral("Gráfico"));
    Cores1 = resultados->addAction(QStringLiteral("Cores"));
    Eixo1 = resultados->addAction(QStringLiteral("Eixo"));
    {
        QAction* resumo = resultados->addAction(QStringLiteral("Resumo Térmico"));
        connect(resumo, &QAction::triggered, this, [this] {
            Navegacao::AbreResumoTermico(ctx_);
        });
        AjusteRapido1 = resultados->addAction(QStringLiteral("Ajuste Rápido..."));
        AjusteRapido1->setObjectName(QStringLiteral("AjusteRapido1"));
        connect(AjusteRapido1, &QAction::triggered, this, [this] {
            ExecutaAcao(ctx_.msg, [this] {
                if (ctx_.janelas.ajusteRapido) ctx_.janelas.ajusteRapido->Abre();
            });
        });
        Relatorio1 = resultados->addAction(QStringLiteral("Relatório..."));
        connect(Relatorio1, &QAction::triggered, this, [this] {
            if (ctx_.janelas.relatorio) ctx_.janelas.relatorio->Abre();
        });
    }
    QMenu* verificacao = MainMenu1->addMenu(QStringLiteral("Verificação"));
    Verificacao1 = verificacao->addAction(QStringLiteral("Refinar Malha e Balanço de Energia"));
    connect(Verificacao1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            if (ctx_.janelas.verificacao) ctx_.janelas.verificacao->Abre();
        });
    });

    auto* quadro = new QGroupBox(QStringLiteral("RESULTADOS"), this);
    btnGrafico = Botao(QStringLiteral("btnGrafico"), QStringLiteral("Gráfico"),
                       QStringLiteral("Gráfico Tempo X Temperatura\npara os nós escolhidos"), quadro);
    btnCores = Botao(QStringLiteral("btnCores"), QStringLiteral("Cores"),
                     QStringLiteral("Representação através de cores do\ncampo de temperaturas da barra"), quadro);
    btnEixo = Botao(QStringLiteral("btnEixo"), QStringLiteral("Eixo"),
                    QStringLiteral("Gráfico Nó X Temperatura\nao longo do eixo, por instante"), quadro);
    auto* caixaQuadro = new QVBoxLayout(quadro);
    caixaQuadro->addWidget(btnGrafico);
    caixaQuadro->addWidget(btnCores);
    caixaQuadro->addWidget(btnEixo);

    Button1 = Botao(QStringLiteral("Button1"), QStringLiteral("Planilha"),
                    QStringLiteral("Planilha Contendo todas as \ntemperaturas por instante e nó"), this);
    btnTensional = Botao(QStringLiteral("btnTensional"), QStringLiteral("Análise Tensional"),
                         QStringLiteral("Dados referentes as Condições Térmicas\npara a análise de tensões"), this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setToolTip(QStringLiteral("Desenho esquemático da barra"));
    painelMalha = new TPainelMalha(ctx_, VarianteMalha::Resultados, Panel1);
    auto* caixaPainel = new QVBoxLayout(Panel1);
    caixaPainel->setContentsMargins(4, 4, 4, 4);
    caixaPainel->addWidget(painelMalha);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(quadro);
    esquerda->addWidget(Button1);
    esquerda->addWidget(btnTensional);
    esquerda->addStretch(1);
    auto* caixa = new QHBoxLayout(this);
    caixa->setMenuBar(MainMenu1);
    caixa->addLayout(esquerda);
    caixa->addWidget(Panel1, 1);
    resize(460, 460);

    auto acao = [this](auto&& f) { return [this, f] { ExecutaAcao(ctx_.msg, f); }; };
    connect(btnGrafico, &QPushButton::clicked, this, acao([this] { Navegacao::AbreGrafico(ctx_); }));
    connect(btnCores, &QPushButton::clicked, this, acao([this] { Navegacao::AbreCores(ctx_); }));
    connect(btnEixo, &QPushButton::clicked, this, acao([this] { Navegacao::AbreEixo(ctx_, false); }));
    connect(Button1, &QPushButton::clicked, this, acao([this] { Navegacao::AbrePlanilha(ctx_); }));
    connect(btnTensional, &QPushButton::clicked, this, acao([this] { AnaliseTensional(); }));
    connect(Sair1, &QAction::triggered, this, acao([this] { Sair(); }));
    connect(NovaAnalise1, &QAction::triggered, this, acao([this] { NovaAnalise(); }));
    connect(SalvarPlanilha1, &QAction::triggered, this, acao([this] { SalvarPlanilha(); }));
    connect(AnaliseTensional1, &QAction::triggered, this, acao([this] { AnaliseTensional(); }));
    connect(Planilha1, &QAction::triggered, this, acao([this] { Navegacao::AbrePlanilha(ctx_); }));
    connect(Grafico1, &QAction::triggered, this, acao([this] { Navegacao::AbreGrafico(ctx_); }));
    connect(Cores1, &QAction::triggered, this, acao([this] { Navegacao::AbreCores(ctx_); }));
    connect(Eixo1, &QAction::triggered, this, acao([this] { Navegacao::AbreEixo(ctx_, false); }));
}

void TfrmResultados::DesenhaMalha() { painelMalha->DesenhaMalha(); }

void TfrmResultados::PerguntaSalvar() {
    if (ctx_.msg.confirma(QStringLiteral("Deseja salvar a planilha de resultados?")))
        SalvaTabela::SalvaDireto(ctx_, ctx_.temperaturas);
}

void TfrmResultados::SalvarPlanilha() {
    if (ctx_.msg.confirma(QStringLiteral("Deseja realmente salvar os dados?")))
        SalvaTabela::SalvaDireto(ctx_, ctx_.temperaturas);
}

void TfrmResultados::Sair() {
    // A save that fails raises, so the program never ends over a table it could not keep.
    PerguntaSalvar();
    if (ctx_.msg.confirma(QStringLiteral("Deseja Sair do Programa Norvik 1D?")) && ctx_.janelas.programa)
        ctx_.janelas.programa->EncerraPrograma();
}

void TfrmResultados::NovaAnalise() {
    PerguntaSalvar();
    close();
    // The main window enables the foundation box, disables the run and the stress
    // analysis, and clears the temperatures and placement hours.
    if (ctx_.janelas.programa) ctx_.janelas.programa->NovaAnalise();
}

void TfrmResultados::AnaliseTensional() {
    if (auto* janela = ctx_.janelas.tensional) janela->Abre();
    close();
}
