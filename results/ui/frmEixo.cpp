#include "results/ui/frmEixo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "core/Instantes.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/ui/CaixaHora.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "relatorio/ui/frmRelatorio.h"
#include "results/CurvasTemperatura.h"
#include "results/ui/ComparacaoGrafico.h"
#include "results/ui/ControlesGrafico.h"
#include "results/ui/Form1.h"
#include "results/ui/PainelGrafico.h"
#include "results/ui/PainelMalha.h"
#include "results/ui/PerfilEixo.h"
#include "results/ui/Navegacao.h"
#include "results/ui/frmCores.h"
#include "results/ui/frmGrafEixoAmpliado.h"
#include "results/ui/frmGrafico.h"

TfrmEixo::TfrmEixo(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmEixo"));
    setWindowTitle(QStringLiteral("Norvik 1D") + QString(74, QLatin1Char(' ')) + QStringLiteral("Gráfico Eixo"));

    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("&Saída"), this, &QWidget::close);
    QMenu* resultados = menu->addMenu(QStringLiteral("&Resultados"));
    resultados->addAction(QStringLiteral("Planilha"), this, [this] {
        close();
        Navegacao::AbrePlanilha(ctx_);
    });
    resultados->addAction(QStringLiteral("Gráfico"), this, [this] {
        close();
        Navegacao::AbreGrafico(ctx_);
    });
    resultados->addAction(QStringLiteral("Cores"), this, [this] {
        close();
        Navegacao::AbreCores(ctx_);
    });
    resultados->addAction(QStringLiteral("Resumo Térmico"), this, [this] { Navegacao::AbreResumoTermico(ctx_); });

    cGraficoEixo = new TPainelGrafico(this);
    cGraficoEixo->setObjectName(QStringLiteral("cGraficoEixo"));
    cGraficoEixo->DefineTitulos(QStringLiteral("Nó X Temperatura"), QStringLiteral("Nó (m)"),
                                QStringLiteral("Temperatura (Celcius)"));

    painelMalha = new TPainelMalha(ctx_, VarianteMalha::Eixo, this);

    auto* lblTempo = new QLabel(QStringLiteral("Tempo da Análise"), this);
    seTempo = new TCaixaHora(this);
    seTempo->setObjectName(QStringLiteral("seTempo"));
    seTempo->setRange(0, INT_MAX);
    seTempo->setValue(1);
    seTempo->setToolTip(QStringLiteral("Nó que se deseja Visualizar"));
    lblTempo->setBuddy(seTempo);
    auto* lblHoras = new QLabel(QStringLiteral("(h)"), this);

    btnVisualizar = new QPushButton(QStringLiteral("Visualizar"), this);
    btnVisualizar->setObjectName(QStringLiteral("btnVisualizar"));
    btnApagar = new QPushButton(QStringLiteral("Apagar"), this);
    btnApagar->setObjectName(QStringLiteral("btnApagar"));
    btnAmpliar = new QPushButton(QStringLiteral("Ampliar"), this);
    btnAmpliar->setObjectName(QStringLiteral("btnAmpliar"));
    btnAmpliar->setEnabled(false);

    gbxTemperaturas = ControlesGrafico::GrupoExtremos(
        this, QStringLiteral("Máxima "), QStringLiteral("Temperaturas Máx. e Min. do(s)\n    Gráfico(s)  Visualizado(s)"),
        edTMax, edTMin);
    const ControlesGrafico::Escala escala = ControlesGrafico::GrupoEscala(this, QStringLiteral("Temper."));
    gbxEscala = escala.gbxEscala;
    chkAutom = escala.chkAutom;
    lblEMax = escala.lblEMax;
    lblEMin = escala.lblEMin;
    edEMax = escala.edEMax;
    edEMin = escala.edEMin;
    btnAplicar = new QPushButton(QStringLiteral("Aplicar"), gbxEscala);
    btnAplicar->setObjectName(QStringLiteral("btnAplicar"));
    escala.grade->addWidget(btnAplicar, 3, 0, 1, 2);
    btnAplicar->setEnabled(false);
    ControlesGrafico::GuardaLugar(btnAplicar);
    btnAplicar->setVisible(false);

    chkAlturas = new QCheckBox(QStringLiteral("Eixo em alturas y [m]"), this);
    chkAlturas->setObjectName(QStringLiteral("chkAlturas"));
    chkAlturas->setToolTip(QStringLiteral("Mostra os perfis contra a altura de cada nó no eixo em vez do número do nó"));

    btnComparar = new QPushButton(QStringLiteral("Comparar com..."), this);
    btnComparar->setObjectName(QStringLiteral("btnComparar"));
    btnComparar->setToolTip(QStringLiteral("Roda outro projeto e sobrepõe seus perfis, tracejados, aos deste"));
    lblComparacao = new QLabel(this);
    lblComparacao->setObjectName(QStringLiteral("lblComparacao"));
    lblComparacao->setWordWrap(true);

    auto* controles = new QVBoxLayout;
    controles->addWidget(painelMalha, 1);
    auto* linhaTempo = new QHBoxLayout;
    linhaTempo->addWidget(lblTempo);
    linhaTempo->addWidget(seTempo);
    linhaTempo->addWidget(lblHoras);
    controles->addLayout(linhaTempo);
    controles->addWidget(btnVisualizar);
    controles->addWidget(btnApagar);
    controles->addWidget(btnAmpliar);
    controles->addWidget(chkAlturas);
    controles->addWidget(btnComparar);
    controles->addWidget(lblComparacao);
    controles->addWidget(gbxTemperaturas);
    controles->addWidget(gbxEscala);
    chkLimite = ControlesGrafico::CaixaLimite(this, [this] { return Paineis(); },
                                              [this] { return LimitesGraficos::Temperatura(ctx_.janelas); });
    controles->addWidget(chkLimite);

    auto* principal = new QHBoxLayout(this);
    principal->setMenuBar(menu);
    principal->addWidget(cGraficoEixo, 1);
    principal->addLayout(controles);
    resize(1000, 700);

    connect(btnVisualizar, &QPushButton::clicked, this, &TfrmEixo::btnVisualizarClick);
    connect(btnApagar, &QPushButton::clicked, this, &TfrmEixo::btnApagarClick);
    connect(btnAmpliar, &QPushButton::clicked, this, [this] { Navegacao::MostraJanela(ctx_.janelas.frmGrafEixoAmpliado); });
    connect(chkAutom, &QCheckBox::clicked, this, &TfrmEixo::chkAutomClick);
    connect(btnAplicar, &QPushButton::clicked, this, &TfrmEixo::btnAplicarClick);
    connect(chkAlturas, &QCheckBox::toggled, this, &TfrmEixo::chkAlturasClick);
    comparacao = new TComparacaoGrafico(ctx_, btnComparar, lblComparacao, this);
    comparacao->aoConcluir = [this] { ComparacaoConcluida(); };
}

bool TfrmEixo::EmAlturas() const { return chkAlturas->isChecked(); }

void TfrmEixo::chkAlturasClick() {
    const bool alturas = EmAlturas();
    PerfilEixo::TituloEixo(cGraficoEixo, QStringLiteral("Nó (m)"), alturas);
    PerfilEixo::Reescreve(cGraficoEixo, alturas);
    cGraficoEixo->MostraExtremos(edTMax, edTMin);
    if (TfrmGrafEixoAmpliado* ampliado = ctx_.janelas.frmGrafEixoAmpliado) {
        PerfilEixo::TituloEixo(ampliado->cGraficoEixoAmpl, QStringLiteral("Nó (m)"), alturas);
        PerfilEixo::Reescreve(ampliado->cGraficoEixoAmpl, alturas);
    }
}

void TfrmEixo::DefineLimitesHora(int minimo, int maximo) { seTempo->DefineLimites(ctx_.dados, minimo, maximo); }

std::vector<TPainelGrafico*> TfrmEixo::Paineis() const {
    return {cGraficoEixo, ctx_.janelas.frmGrafEixoAmpliado ? ctx_.janelas.frmGrafEixoAmpliado->cGraficoEixoAmpl : nullptr};
}

void TfrmEixo::DesenhaMalha() { painelMalha->DesenhaMalha(); }

void TfrmEixo::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    DesenhaMalha();
}

void TfrmEixo::btnVisualizarClick() {
    ExecutaAcao(ctx_.msg, [this] {
        const TDadosModelo& d = ctx_.dados;
        // Before the first computed instant the hour becomes that instant (the placement
        // hour of layer 1 has no temperatures: its profile would be an empty curve), beyond
        // the end of the analysis the last computed instant, between two steps the nearest.
        const int linha = Instantes::LinhaMaisProxima(d, seTempo->Digitada());
        const int h = static_cast<int>(Instantes::HoraDaLinha(d, linha));
        DefineLimitesHora(static_cast<int>(Instantes::PrimeiraHora(d)), static_cast<int>(Instantes::UltimaHora(d)));
        if (linha >= 1) seTempo->setValue(h);
        const QList<QPointF> pontos =
            TPainelGrafico::Pontos(CurvasTemperatura::PerfilLinha(ctx_.temperaturas, linha, static_cast<int>(Membro::NumeroNos(d))));
        const QList<QPointF> porAltura = PerfilEixo::EmAlturas(pontos, Membro::Alturas(d));
        const QString titulo = QStringLiteral("t= ") + QString::number(h) + QStringLiteral(" h");
        ControlesGrafico::AplicaLimite(chkLimite, Paineis(), LimitesGraficos::Temperatura(ctx_.janelas));
        QLineSeries* propria = PerfilEixo::Adiciona(cGraficoEixo, titulo, pontos, porAltura, EmAlturas());
        propria->setProperty("hora", h);
        if (TfrmGrafEixoAmpliado* ampliado = ctx_.janelas.frmGrafEixoAmpliado)
            PerfilEixo::Adiciona(ampliado->cGraficoEixoAmpl, titulo, pontos, porAltura, EmAlturas());
        if (comparacao->Resultado()) AdicionaComparada(h, propria);
        cGraficoEixo->MostraExtremos(edTMax, edTMin);
        btnAmpliar->setEnabled(true);
    });
}

void TfrmEixo::btnApagarClick() {
    cGraficoEixo->RemoveSeries();
    if (TfrmGrafEixoAmpliado* ampliado = ctx_.janelas.frmGrafEixoAmpliado) ampliado->cGraficoEixoAmpl->RemoveSeries();
    btnAmpliar->setEnabled(false);
}

void TfrmEixo::chkAutomClick() {
    const bool manual = !chkAutom->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lblEMax, lblEMin, edEMax, edEMin, btnAplicar})
        w->setEnabled(manual);
    btnAplicar->setVisible(manual);
    if (!manual) cGraficoEixo->EscalaVerticalAutomatica();
}

// The enlarged chart keeps its own scale.
void TfrmEixo::btnAplicarClick() {
    ExecutaAcao(ctx_.msg, [this] {
        cGraficoEixo->FixaVertical();
        const auto [minimo, maximo] = TPainelGrafico::LeLimites(edEMin, edEMax);
        cGraficoEixo->EscalaVerticalManual(minimo, maximo);
    });
}

void TfrmEixo::AdicionaComparada(int hora, const QLineSeries* propria) {
    const TExecucaoProjeto* outro = comparacao->Resultado();
    if (!outro) return;
    const TDadosModelo& d = *outro->Dados;
    // The other run's computed instant nearest to the hour; its own heights.
    const int linha = Instantes::LinhaMaisProxima(d, hora);
    if (linha < 1) return;
    const int h = static_cast<int>(Instantes::HoraDaLinha(d, linha));
    const QList<QPointF> pontos =
        TPainelGrafico::Pontos(CurvasTemperatura::PerfilLinha(outro->Temperaturas, linha, static_cast<int>(Membro::NumeroNos(d))));
    const QList<QPointF> porAltura = PerfilEixo::EmAlturas(pontos, Membro::Alturas(d));
    const QString titulo = QStringLiteral("t= ") + QString::number(h) + QStringLiteral(" h - ") + comparacao->Nome();
    QLineSeries* s = PerfilEixo::Adiciona(cGraficoEixo, titulo, pontos, porAltura, EmAlturas());
    TComparacaoGrafico::MarcaComparacao(s);
    TComparacaoGrafico::Estilo(s, propria);
    if (TfrmGrafEixoAmpliado* ampliado = ctx_.janelas.frmGrafEixoAmpliado) {
        QLineSeries* a = PerfilEixo::Adiciona(ampliado->cGraficoEixoAmpl, titulo, pontos, porAltura, EmAlturas());
        TComparacaoGrafico::MarcaComparacao(a);
        TComparacaoGrafico::Estilo(a, nullptr);
    }
}

void TfrmEixo::ComparacaoConcluida() {
    for (QLineSeries* s : cGraficoEixo->Series())
        if (!TComparacaoGrafico::DaComparacao(s) && s->property("hora").isValid())
            AdicionaComparada(s->property("hora").toInt(), s);
    cGraficoEixo->MostraExtremos(edTMax, edTMin);
}

void TfrmEixo::DescartaComparacao() { comparacao->Descarta(); }
