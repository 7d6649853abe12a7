#include "stress/ui/JanelaGraficoTensao.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>

#include "core/Erros.h"
#include "core/ui/CaixaInteira.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/ControlesGrafico.h"
#include "core/ui/PainelGrafico.h"
#include "stress/ui/Formulario.h"

using namespace Formulario;
using CurvasTensao::TipoResistencia;

TJanelaGraficoTensao::TJanelaGraficoTensao(Contexto& ctx, VarianteMalha variante, const Textos& textos,
                                           QWidget* parent)
    : QWidget(parent), ctx_(ctx) {
    setWindowTitle(textos.janela);

    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("&Saída"), this, &QWidget::close);
    QMenu* arquivo = menu->addMenu(QStringLiteral("A&rquivo"));
    SalvarFigura = arquivo->addAction(QStringLiteral("Salvar Figura..."));
    connect(SalvarFigura, &QAction::triggered, this,
            [this] { ExecutaAcao(ctx_.msg, [this] { cGrafico->SalvaFiguraComo(ctx_.arquivos); }); });
    QMenu* resistentes = menu->addMenu(QStringLiteral("&Tensões Resistentes"));
    TracaoFlexao = resistentes->addAction(QStringLiteral("Tração na &Flexão"));
    TracaoSimples = resistentes->addAction(QStringLiteral("Tração &Simples"));
    TracaoComprDiametral = resistentes->addAction(textos.itemDiametral);
    Compressao = resistentes->addAction(QStringLiteral("&Compressão"));
    QMenu* ajuda = menu->addMenu(QStringLiteral("&Ajuda"));
    QAction* sinal = ajuda->addAction(QStringLiteral("Convenção de Sinal"));
    QAction* navegacao = ajuda->addAction(QStringLiteral("Visualização Gráfico"));

    cGrafico = new TPainelGrafico(this);
    cGrafico->setObjectName(QStringLiteral("cGrafico"));
    cGrafico->DefineTitulos(textos.grafico, textos.eixoX, QStringLiteral("Tensão [MPa]"));
    cGrafico->DefineLegenda(Qt::AlignBottom);
    painelMalha = new TPainelMalha(ctx_, variante, this);

    auto* lblNo = Rotulo(this, "lblNo", textos.rotuloEscolha);
    spseNo = new CaixaInteira(this);
    spseNo->setObjectName(QStringLiteral("spseNo"));
    spseNo->setRange(1, INT_MAX);
    spseNo->setValue(1);
    spseNo->setToolTip(QStringLiteral("Nó que se deseja Visualizar"));
    lblNo->setBuddy(spseNo);
    btnVisualizar = Botao(this, "btnVisualizar", QStringLiteral("Visualizar"));
    btnApagar = Botao(this, "btnApagar", QStringLiteral("Apagar"));
    btnVisuAmpliado = Botao(this, "btnVisuAmpliado", QStringLiteral("Ampliar"));
    btnVisuAmpliado->setEnabled(false);

    const QString dicaExtremos = QStringLiteral("Tensões Máx. e Min. do(s)\n  Gráfico(s)  Visualizado(s) ");
    gbxTensoes = Grupo(this, "gbxTensoes", QStringLiteral("Tensões Atingidas"), dicaExtremos);
    edTMax = Campo(this, "edTMax", QStringLiteral("0"), dicaExtremos);
    edTMin = Campo(this, "edTMin", QStringLiteral("0"), dicaExtremos);
    // Wide enough for a negative stress of 15 significant digits.
    const int largura = edTMin->fontMetrics().horizontalAdvance(QStringLiteral("-0,000000000000000")) + 16;
    for (QLineEdit* ed : {edTMax, edTMin}) {
        ed->setReadOnly(true);
        ed->setMinimumWidth(largura);
    }
    auto* gradeT = new QGridLayout(gbxTensoes);
    gradeT->addWidget(Rotulo(this, nullptr, QStringLiteral("Máx.")), 0, 0);
    gradeT->addWidget(edTMax, 0, 1);
    gradeT->addWidget(Rotulo(this, nullptr, QStringLiteral("[MPa]")), 0, 2);
    gradeT->addWidget(Rotulo(this, nullptr, QStringLiteral("Mín.")), 1, 0);
    gradeT->addWidget(edTMin, 1, 1);
    gradeT->addWidget(Rotulo(this, nullptr, QStringLiteral("[MPa]")), 1, 2);

    gbxEscala = Grupo(this, "gbxEscala", QStringLiteral("Escala do Gráfico"),
                      QStringLiteral("Opções de Escala do Gráfico"));
    chkAutom = new QCheckBox(QStringLiteral("Automática"), this);
    chkAutom->setObjectName(QStringLiteral("chkAutom"));
    chkAutom->setChecked(true);
    lblEMax = Rotulo(this, "lblEMax", QStringLiteral("Máxima"));
    lblEMin = Rotulo(this, "lblEMin", QStringLiteral("Mínima"));
    edEMax = Campo(this, "edEMax", QStringLiteral("0"));
    edEMin = Campo(this, "edEMin", QStringLiteral("0"));
    btnAplicar = Botao(this, "btnAplicar", QStringLiteral("Escala Manual"));
    auto* gradeE = new QGridLayout(gbxEscala);
    gradeE->addWidget(chkAutom, 0, 0, 1, 2);
    gradeE->addWidget(lblEMax, 1, 0);
    gradeE->addWidget(edEMax, 1, 1);
    gradeE->addWidget(lblEMin, 2, 0);
    gradeE->addWidget(edEMin, 2, 1);
    gradeE->addWidget(btnAplicar, 3, 0, 1, 2);
    for (QWidget* w : std::initializer_list<QWidget*>{lblEMax, lblEMin, edEMax, edEMin}) w->setEnabled(false);
    ControlesGrafico::GuardaLugar(btnAplicar);
    btnAplicar->setVisible(false);

    auto* controles = new QVBoxLayout;
    controles_ = controles;
    controles->addWidget(painelMalha, 1);
    auto* linhaNo = new QHBoxLayout;
    linhaNo->addWidget(lblNo);
    linhaNo->addWidget(spseNo);
    controles->addLayout(linhaNo);
    controles->addWidget(btnVisualizar);
    controles->addWidget(btnApagar);
    controles->addWidget(btnVisuAmpliado);
    controles->addWidget(gbxTensoes);
    controles->addWidget(gbxEscala);
    auto* principal = new QHBoxLayout(this);
    principal->setMenuBar(menu);
    principal->addWidget(cGrafico, 1);
    principal->addLayout(controles);
    resize(1000, 640);

    connect(btnVisualizar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Visualizar(); }); });
    connect(btnApagar, &QPushButton::clicked, this, [this] { cGrafico->RemoveSeries(); });
    connect(chkAutom, &QCheckBox::clicked, this, &TJanelaGraficoTensao::chkAutomClick);
    connect(btnAplicar, &QPushButton::clicked, this, &TJanelaGraficoTensao::btnAplicarClick);
    const std::pair<QAction*, TipoResistencia> itens[] = {{TracaoFlexao, TipoResistencia::Flexao},
                                                          {TracaoSimples, TipoResistencia::Tracao},
                                                          {TracaoComprDiametral, TipoResistencia::Diametral},
                                                          {Compressao, TipoResistencia::Compressao}};
    for (const auto& [acao, tipo] : itens)
        connect(acao, &QAction::triggered, this,
                [this, t = tipo] { ExecutaAcao(ctx_.msg, [this, t] { Resistencia(t); }); });
    connect(sinal, &QAction::triggered, this, [this] {
        ctx_.msg.informacao(QStringLiteral("Tensão de Compressão => POSITIVA; Tensão de Tração => NEGATIVA."));
    });
    connect(navegacao, &QAction::triggered, this, [this] {
        ctx_.msg.informacao(QStringLiteral(
            "Mover => Manter Pressionado Botão esq. Mouse; Ampliar => Manter Pressionado Botão Dir. Mouse."));
    });
}

void TJanelaGraficoTensao::DesenhaMalha() { painelMalha->DesenhaMalha(); }

bool TJanelaGraficoTensao::ResistenciaDefinida(TipoResistencia tipo) const {
    const CurvasTensao::Resistencia r = CurvasTensao::ParametrosResistencia(ctx_.dados, tipo);
    return r.a != 0.0 || r.b != 0.0;
}

void TJanelaGraficoTensao::AdicionaResistencia(const QString& titulo, TipoResistencia tipo,
                                               const CurvasTensao::CurvaResistencia& curva) {
    if (!ResistenciaDefinida(tipo)) {
        ctx_.msg.informacao(QStringLiteral("Entre primeiro com as Tensões Resistentes (botão \"Tensões "
                                           "Resistentes\" da janela Tensional)."));
        return;
    }
    AdicionaCurva(titulo, TPainelGrafico::Pontos(curva.pontos));
    if (curva.divisaoPorZero)
        throw ErroCalculo("Divisão por zero na curva de resistência: a + b.z = 0 com os parâmetros das "
                          "Tensões Resistentes.");
}

void TJanelaGraficoTensao::chkAutomClick() {
    const bool manual = !chkAutom->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lblEMax, lblEMin, edEMax, edEMin}) w->setEnabled(manual);
    btnAplicar->setVisible(manual);
    if (!manual) cGrafico->EscalaVerticalAutomatica();
}

void TJanelaGraficoTensao::btnAplicarClick() {
    ExecutaAcao(ctx_.msg, [this] {
        // The axis turns manual first, as it always has: a bad bound then leaves it fixed where it was.
        cGrafico->FixaVertical();
        const auto [minimo, maximo] = TPainelGrafico::LeLimites(edEMin, edEMax);
        cGrafico->EscalaVerticalManual(minimo, maximo);
    });
}

QLineSeries* TJanelaGraficoTensao::AdicionaCurva(const QString& titulo, const QList<QPointF>& pontos) {
    return cGrafico->AdicionaSerie(titulo, pontos);
}
