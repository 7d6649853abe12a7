#include "results/ui/frmTemperaturaNo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Numeros.h"
#include "core/Membro.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "results/ui/EscolhaNo.h"

TfrmTemperaturaNo::TfrmTemperaturaNo(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmTemperaturaNo"));
    setWindowTitle(QStringLiteral("Análise por Nó"));

    auto* quadroNo = new QGroupBox(QStringLiteral("Nó Selecionado"), this);
    cbbVisualizaNo = new QComboBox(quadroNo);
    cbbVisualizaNo->setObjectName(QStringLiteral("cbbVisualizaNo"));
    cbbVisualizaNo->setEditable(true);
    cbbVisualizaNo->setInsertPolicy(QComboBox::NoInsert);
    cbbVisualizaNo->setMaxVisibleItems(20);
    auto* caixaNo = new QVBoxLayout(quadroNo);
    caixaNo->addWidget(cbbVisualizaNo);
    auto* lblAltura = new QLabel(this);
    caixaNo->addWidget(lblAltura);
    EscolhaNo::MostraAltura(cbbVisualizaNo, lblAltura, ctx_.dados);

    btnVisualizar = new QPushButton(QStringLiteral("Visualizar =>"), this);
    btnVisualizar->setObjectName(QStringLiteral("btnVisualizar"));
    btnLimpar = new QPushButton(QStringLiteral("Limpar  =>"), this);
    btnLimpar->setObjectName(QStringLiteral("btnLimpar"));

    GroupBox1 = new QGroupBox(QStringLiteral("Temper.[Celcius]"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    mmFile = new QPlainTextEdit(GroupBox1);
    mmFile->setObjectName(QStringLiteral("mmFile"));
    mmFile->setReadOnly(true);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mmFile->setFont(mono);
    auto* caixaTexto = new QVBoxLayout(GroupBox1);
    caixaTexto->addWidget(mmFile);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(quadroNo);
    esquerda->addWidget(btnVisualizar);
    esquerda->addWidget(btnLimpar);
    esquerda->addStretch(1);
    auto* caixa = new QHBoxLayout(this);
    caixa->addLayout(esquerda);
    caixa->addWidget(GroupBox1, 1);
    resize(420, 460);

    connect(btnVisualizar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Visualizar(); }); });
    connect(btnLimpar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Limpar(); }); });
}

void TfrmTemperaturaNo::Abre(TModoNo modo) {
    modo_ = modo;
    ctx_.dados.ModoNo = modo;
    mmFile->clear();
    GroupBox1->setTitle(modo == TModoNo::Temperatura ? QStringLiteral("Temper.[Celcius]")
                                                      : QStringLiteral("Tensão [MPa]"));
    CamposNumericos::ApresentaJanela(this);
    EscolhaNo::Preenche(cbbVisualizaNo, ctx_.dados);
}

void TfrmTemperaturaNo::Visualizar() {
    const TDadosModelo& d = ctx_.dados;
    const int n = EscolhaNo::NoEscolhido(cbbVisualizaNo, d);
    const TabelaTexto& tabela = modo_ == TModoNo::Temperatura ? ctx_.temperaturas : ctx_.tensoes;

    QString texto = QStringLiteral("  Nó:") + QString::number(n) + QLatin1Char('\n');
    texto += QStringLiteral("T inic:") +
             QString::number(d.Elementos[static_cast<std::size_t>(std::min(n, MaxElementos))].HoraConcretagem) +
             QLatin1Char('\n');
    // Rows up to one past the hourly row of the rounded end of the analysis, within the table.
    const long long ultima = std::min<long long>(Membro::LinhaHoraria(d, Membro::HoraInteira(d.TempoTotal)) + 1,
                                                 tabela.Linhas() - 1);
    for (int r = 1; r <= ultima; ++r) {
        if (!tabela.Contem(n, r)) break;
        const std::string_view celula = tabela.Celula(n, r);
        // A temperature of exactly zero is a node not yet placed after a reset;
        // rows that hold no step are left out in both modes.
        if (celula.empty()) continue;
        if (modo_ == TModoNo::Temperatura && celula == "   0,00") continue;
        texto += QString::fromUtf8(celula.data(), static_cast<qsizetype>(celula.size())) + QLatin1Char('\n');
    }
    if (modo_ == TModoNo::Tensao) texto += QLatin1Char('\n');
    texto.chop(1);
    mmFile->appendPlainText(texto);
}

void TfrmTemperaturaNo::Limpar() {
    if (ctx_.msg.confirma(QStringLiteral("Deseja realmente limpar a lista ao lado?"))) mmFile->clear();
}
