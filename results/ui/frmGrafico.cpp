#include "results/ui/frmGrafico.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <QLineSeries>

#include "analise/Analise.h"
#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/ui/CaixaInteira.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "results/CurvasTemperatura.h"
#include "core/ui/ComparacaoGrafico.h"
#include "results/Medicoes.h"
#include "core/ui/ControlesGrafico.h"
#include "results/ui/Form1.h"
#include "results/ui/EscolhaNo.h"
#include "core/ui/PainelGrafico.h"
#include "core/ui/PainelMalha.h"
#include "results/ui/Navegacao.h"
#include "results/ui/frmCores.h"
#include "results/ui/frmEixo.h"
#include "results/ui/frmGrafAmpliado.h"

TfrmGrafico::TfrmGrafico(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmGrafico"));
    setWindowTitle(QStringLiteral(" Norvik 1D") + QString(76, QLatin1Char(' ')) + QStringLiteral("Gráfico "));

    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("&Sair"), this, &QWidget::close);
    QMenu* resultados = menu->addMenu(QStringLiteral("&Resultados"));
    resultados->addAction(QStringLiteral("Planilha"), this, [this] {
        close();
        Navegacao::AbrePlanilha(ctx_);
    });
    resultados->addAction(QStringLiteral("Eixo"), this, [this] {
        close();
        Navegacao::AbreEixo(ctx_, true);
    });
    resultados->addAction(QStringLiteral("Cores"), this, [this] {
        close();
        Navegacao::AbreCores(ctx_);
    });
    resultados->addAction(QStringLiteral("Resumo Térmico"), this, [this] { Navegacao::AbreResumoTermico(ctx_); });
    menu->addAction(QStringLiteral("&Medições..."), this, [this] { ImportaMedicoes(); });
    menu->addAction(QStringLiteral("&Calibrar..."), this, [this] {
        if (ctx_.janelas.calibracao) ctx_.janelas.calibracao->Abre();
    });

    cGraficoNos = new TPainelGrafico(this);
    cGraficoNos->setObjectName(QStringLiteral("cGraficoNos"));
    cGraficoNos->DefineTitulos(QStringLiteral(" Tempo X Temperatura"), QStringLiteral("Tempo (horas)"),
                               QStringLiteral("Temperatura (Celcius)"));

    painelMalha = new TPainelMalha(ctx_, VarianteMalha::Grafico, this);

    auto* lblNo = new QLabel(QStringLiteral("Escolha do Nó"), this);
    spseNo = new CaixaInteira(this);
    spseNo->setObjectName(QStringLiteral("spseNo"));
    spseNo->setRange(1, INT_MAX);
    spseNo->setValue(1);
    spseNo->setToolTip(QStringLiteral("Nó que se deseja Visualizar"));
    lblNo->setBuddy(spseNo);

    btnVisualizar = new QPushButton(QStringLiteral("Visualizar"), this);
    btnVisualizar->setObjectName(QStringLiteral("btnVisualizar"));
    btnApagar = new QPushButton(QStringLiteral("Apagar"), this);
    btnApagar->setObjectName(QStringLiteral("btnApagar"));
    btnComparar = new QPushButton(QStringLiteral("Comparar com..."), this);
    btnComparar->setObjectName(QStringLiteral("btnComparar"));
    btnComparar->setToolTip(QStringLiteral("Roda outro projeto e sobrepõe suas curvas, tracejadas, às deste"));
    lblComparacao = new QLabel(this);
    lblComparacao->setObjectName(QStringLiteral("lblComparacao"));
    lblComparacao->setWordWrap(true);
    btnVisuAmpliado = new QPushButton(QStringLiteral("Ampliar"), this);
    btnVisuAmpliado->setObjectName(QStringLiteral("btnVisuAmpliado"));
    btnVisuAmpliado->setEnabled(false);

    gbxTemperaturas = ControlesGrafico::GrupoExtremos(
        this, QStringLiteral("Máxima"), QStringLiteral("Temperaturas Máx. e Min. do(s)\n    Gráfico(s)  Visualizado(s) "),
        edTMax, edTMin);
    const ControlesGrafico::Escala escala = ControlesGrafico::GrupoEscala(this, QString());
    gbxEscala = escala.gbxEscala;
    chkAutom = escala.chkAutom;
    lblEMax = escala.lblEMax;
    lblEMin = escala.lblEMin;
    edEMax = escala.edEMax;
    edEMin = escala.edEMin;
    btnAplicar = new QPushButton(QStringLiteral("Eixo Vertical (Temper.)"), gbxEscala);
    btnAplicar->setObjectName(QStringLiteral("btnAplicar"));
    btnAplicarHoriz = new QPushButton(QStringLiteral("Eixo Horizontal (Tempo)"), gbxEscala);
    btnAplicarHoriz->setObjectName(QStringLiteral("btnAplicarHoriz"));
    escala.grade->addWidget(btnAplicar, 3, 0, 1, 2);
    escala.grade->addWidget(btnAplicarHoriz, 4, 0, 1, 2);
    btnAplicar->setEnabled(false);
    btnAplicarHoriz->setEnabled(false);
    ControlesGrafico::GuardaLugar(btnAplicar);
    btnAplicar->setVisible(false);

    auto* controles = new QVBoxLayout;
    controles->addWidget(painelMalha, 1);
    auto* linhaNo = new QHBoxLayout;
    linhaNo->addWidget(lblNo);
    linhaNo->addWidget(spseNo);
    auto* lblAltura = new QLabel(this);
    linhaNo->addWidget(lblAltura);
    EscolhaNo::MostraAltura(spseNo, lblAltura, ctx_.dados);
    controles->addLayout(linhaNo);
    controles->addWidget(btnVisualizar);
    controles->addWidget(btnApagar);
    controles->addWidget(btnComparar);
    controles->addWidget(lblComparacao);
    controles->addWidget(btnVisuAmpliado);
    controles->addWidget(gbxTemperaturas);
    controles->addWidget(gbxEscala);
    chkLimite = ControlesGrafico::CaixaLimite(this, [this] { return Paineis(); },
                                              [this] { return LimitesGraficos::Temperatura(ctx_.janelas); });
    controles->addWidget(chkLimite);

    auto* gbxMedicoes = new QGroupBox(QStringLiteral("Medições"), this);
    edOrigem = new QLineEdit(gbxMedicoes);
    edOrigem->setObjectName(QStringLiteral("edOrigem"));
    edOrigem->setPlaceholderText(QStringLiteral("AAAA-MM-DD HH:MM"));
    edOrigem->setToolTip(QStringLiteral("Data e hora da hora 0 da análise, para arquivos com data e hora\n"
                                        "(vazio: a primeira coluna é a hora da análise)"));
    btnMedicoes = new QPushButton(QStringLiteral("Sobrepor Medições"), gbxMedicoes);
    btnMedicoes->setObjectName(QStringLiteral("btnMedicoes"));
    lblRMS = new QLabel(gbxMedicoes);
    lblRMS->setObjectName(QStringLiteral("lblRMS"));
    lblRMS->setWordWrap(true);
    lblRMS->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* colunaMedicoes = new QVBoxLayout(gbxMedicoes);
    colunaMedicoes->addWidget(new QLabel(QStringLiteral("Origem das datas:"), gbxMedicoes));
    colunaMedicoes->addWidget(edOrigem);
    colunaMedicoes->addWidget(btnMedicoes);
    colunaMedicoes->addWidget(lblRMS);
    controles->addWidget(gbxMedicoes);
    connect(btnMedicoes, &QPushButton::clicked, this, &TfrmGrafico::SobrepoeMedicoes);

    auto* principal = new QHBoxLayout(this);
    principal->setMenuBar(menu);
    principal->addWidget(cGraficoNos, 1);
    principal->addLayout(controles);
    resize(1000, 700);

    connect(btnVisualizar, &QPushButton::clicked, this, &TfrmGrafico::btnVisualizarClick);
    connect(btnApagar, &QPushButton::clicked, this, &TfrmGrafico::btnApagarClick);
    connect(btnVisuAmpliado, &QPushButton::clicked, this, [this] { Navegacao::MostraJanela(ctx_.janelas.frmGrafAmpliado); });
    connect(chkAutom, &QCheckBox::clicked, this, &TfrmGrafico::chkAutomClick);
    comparacao = new TComparacaoGrafico(ctx_, btnComparar, lblComparacao, this);
    comparacao->aoConcluir = [this] { ComparacaoConcluida(); };
    connect(btnAplicar, &QPushButton::clicked, this, &TfrmGrafico::btnAplicarClick);
    connect(btnAplicarHoriz, &QPushButton::clicked, this, &TfrmGrafico::btnAplicarHorizClick);
}

void TfrmGrafico::DefineNoMaximo(int no) {
    spseNo->setMaximum(std::max(no, spseNo->minimum()));
    if (auto* altura = findChild<QLabel*>(QStringLiteral("lblAlturaNo"))) EscolhaNo::AtualizaAltura(spseNo, altura, ctx_.dados);
}

void TfrmGrafico::DesenhaMalha() { painelMalha->DesenhaMalha(); }

void TfrmGrafico::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    DesenhaMalha();
}

std::vector<TPainelGrafico*> TfrmGrafico::Paineis() const {
    return {cGraficoNos, ctx_.janelas.frmGrafAmpliado ? ctx_.janelas.frmGrafAmpliado->cGraficoNosAmpl : nullptr};
}

int TfrmGrafico::NumeroNos() const { return static_cast<int>(Membro::NumeroNos(ctx_.dados)); }

void TfrmGrafico::btnVisualizarClick() {
    ExecutaAcao(ctx_.msg, [this] {
        const int n = NumeroNos();
        const int no = std::clamp(TPainelGrafico::ValorDigitado(spseNo), 1, std::max(n, 1));
        DefineNoMaximo(n);
        spseNo->setValue(no);
        const QList<QPointF> pontos = TPainelGrafico::Pontos(CurvasTemperatura::HistoricoNo(ctx_.analise.Temperaturas, no));
        const QString titulo = QStringLiteral("Nó:") + QString::number(no);
        // The limit as the report window says now.
        ControlesGrafico::AplicaLimite(chkLimite, Paineis(), LimitesGraficos::Temperatura(ctx_.janelas));
        QLineSeries* propria = cGraficoNos->AdicionaSerie(titulo, pontos);
        propria->setProperty("no", no);
        if (TfrmGrafAmpliado* ampliado = ctx_.janelas.frmGrafAmpliado)
            ampliado->cGraficoNosAmpl->AdicionaSerie(titulo, pontos);
        if (comparacao->Resultado()) AdicionaComparada(no, propria);
        cGraficoNos->MostraExtremos(edTMax, edTMin);
        btnVisuAmpliado->setEnabled(true);
    });
}

void TfrmGrafico::btnApagarClick() {
    cGraficoNos->RemoveSeries();
    if (TfrmGrafAmpliado* ampliado = ctx_.janelas.frmGrafAmpliado) ampliado->cGraficoNosAmpl->RemoveSeries();
    btnVisuAmpliado->setEnabled(false);
}

void TfrmGrafico::chkAutomClick() {
    const bool manual = !chkAutom->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lblEMax, lblEMin, edEMax, edEMin, btnAplicar, btnAplicarHoriz})
        w->setEnabled(manual);
    btnAplicar->setVisible(manual);
    // Only the temperature axis goes back to automatic: a time range set by hand stays.
    if (!manual) cGraficoNos->EscalaVerticalAutomatica();
}

void TfrmGrafico::btnAplicarClick() {
    ExecutaAcao(ctx_.msg, [this] {
        cGraficoNos->FixaVertical();
        const auto [minimo, maximo] = TPainelGrafico::LeLimites(edEMin, edEMax);
        cGraficoNos->EscalaVerticalManual(minimo, maximo);
        if (TfrmGrafAmpliado* ampliado = ctx_.janelas.frmGrafAmpliado)
            ampliado->cGraficoNosAmpl->EscalaVerticalManual(minimo, maximo);
    });
}

void TfrmGrafico::btnAplicarHorizClick() {
    ExecutaAcao(ctx_.msg, [this] {
        cGraficoNos->FixaHorizontal();
        const auto [minimo, maximo] = TPainelGrafico::LeLimites(edEMin, edEMax);
        cGraficoNos->EscalaHorizontalManual(minimo, maximo);
        if (TfrmGrafAmpliado* ampliado = ctx_.janelas.frmGrafAmpliado)
            ampliado->cGraficoNosAmpl->EscalaHorizontalManual(minimo, maximo);
    });
}

void TfrmGrafico::AdicionaComparada(int no, const QLineSeries* propria) {
    const Analise* outro = comparacao->Resultado();
    if (!outro) return;
    const TDadosModelo& d = *outro->Dados;
    if (no > Membro::NumeroNos(d)) return;  // the other member has no such node
    const QList<QPointF> pontos = TPainelGrafico::Pontos(CurvasTemperatura::HistoricoNo(outro->Temperaturas, no));
    const QString titulo = QStringLiteral("Nó:") + QString::number(no) + QStringLiteral(" - ") + comparacao->Nome();
    QLineSeries* s = cGraficoNos->AdicionaSerie(titulo, pontos);
    TComparacaoGrafico::MarcaComparacao(s);
    TComparacaoGrafico::Estilo(s, propria);
    if (TfrmGrafAmpliado* ampliado = ctx_.janelas.frmGrafAmpliado) {
        QLineSeries* a = ampliado->cGraficoNosAmpl->AdicionaSerie(titulo, pontos);
        TComparacaoGrafico::MarcaComparacao(a);
        TComparacaoGrafico::Estilo(a, nullptr);
    }
}

void TfrmGrafico::ComparacaoConcluida() {
    for (QLineSeries* s : cGraficoNos->Series())
        if (!TComparacaoGrafico::DaComparacao(s) && s->property("no").isValid()) AdicionaComparada(s->property("no").toInt(), s);
    cGraficoNos->MostraExtremos(edTMax, edTMin);
}

void TfrmGrafico::DescartaComparacao() {
    comparacao->Descarta();
}

void TfrmGrafico::ImportaMedicoes() {
    ExecutaAcao(ctx_.msg, [this] {
        const auto caminho = ctx_.arquivos.abrir(QStringLiteral("Medições (*.csv)|*.csv|Texto (*.txt)|*.txt|Todos|*.*"));
        if (!caminho) return;
        // Read whole before anything changes: a bad file leaves the measurements held.
        auto lidas = Medicoes::LeArquivo(QFile::encodeName(*caminho).toStdString(), edOrigem->text().toStdString());
        AlteraProblema(ctx_, QStringLiteral("Medições"), [&] { ctx_.dados.Medicoes = std::move(lidas); });
    });
    SobrepoeMedicoes();
}

void TfrmGrafico::SobrepoeMedicoes() {
    ExecutaAcao(ctx_.msg, [this] {
        lblRMS->clear();
        const TDadosModelo& d = ctx_.dados;
        if (d.Medicoes.empty()) throw ErroEntrada("Não há medições: importe um arquivo em \"Medições...\".");
        if (!d.TermicoCompleto)
            throw ErroEntrada("As medições são comparadas com uma análise térmica completa. Execute a análise térmica antes.");
        QStringList linhas;
        for (const TSensor& s : d.Medicoes) {
            const QString nome = QString::fromStdString(s.Nome) + QStringLiteral(" (") +
                                 QString::fromStdString(Numeros::FormataGeral(s.Altura)) + QStringLiteral(" m)");
            const auto curva = Medicoes::CurvaCalculada(d, ctx_.analise.Temperaturas, s.Altura);
            if (curva.empty()) {
                linhas << nome + QStringLiteral(": fora do membro calculado");
                continue;
            }
            QList<QPointF> calculada, medida;
            for (const TLeitura& l : curva) calculada.append(QPointF(l.Hora, l.Temperatura));
            for (const TLeitura& l : s.Leituras) medida.append(QPointF(l.Hora, l.Temperatura));
            cGraficoNos->AdicionaSerie(QStringLiteral("Calculada a ") +
                                           QString::fromStdString(Numeros::FormataGeral(s.Altura)) + QStringLiteral(" m"),
                                       calculada);
            cGraficoNos->AdicionaMarcadores(nome, medida);
            const Medicoes::Comparacao c = Medicoes::Compara(d, ctx_.analise.Temperaturas, s);
            linhas << (c.Pontos == 0 ? nome + QStringLiteral(": nenhuma leitura nas horas calculadas")
                                     : nome + QStringLiteral(": RMS ") +
                                           QString::fromStdString(Numeros::FormataFixo(c.RMS, 0, 2)) +
                                           QStringLiteral(" °C em %1 leituras").arg(c.Pontos));
        }
        lblRMS->setText(linhas.join(QLatin1Char('\n')));
        cGraficoNos->MostraExtremos(edTMax, edTMin);
    });
}
