#include "serpentinas/ui/frmResultadoSerpentinas.h"

#include <QChart>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analise/Analise.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "results/ExportaCsv.h"
#include "serpentinas/DadosSerpentinas.h"

namespace {
QString Fixo(double v, int d) { return QString::fromStdString(Numeros::FormataFixo(v, 0, d)); }
}  // namespace

TfrmResultadoSerpentinas::TfrmResultadoSerpentinas(Contexto& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("frmResultadoSerpentinas"));
    setWindowTitle(QStringLiteral("Serpentinas: Água e Calor"));
    resize(820, 620);

    cbGrandeza = new QComboBox(this);
    cbGrandeza->setObjectName(QStringLiteral("cbGrandeza"));
    cbGrandeza->addItem(QStringLiteral("Temperatura de saída da água (°C)"));
    cbGrandeza->addItem(QStringLiteral("Calor retirado (W/m² de planta)"));
    grafico = new QChartView(new QChart, this);
    grafico->setObjectName(QStringLiteral("grafico"));
    grafico->setRenderHint(QPainter::Antialiasing);
    grafico->setMinimumHeight(260);
    tabela = new QTableWidget(this);
    tabela->setObjectName(QStringLiteral("tabela"));
    tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela->verticalHeader()->setVisible(false);
    lbTotais = new QLabel(this);
    lbTotais->setObjectName(QStringLiteral("lbTotais"));
    lbTotais->setWordWrap(true);
    btnCsv = new QPushButton(QStringLiteral("Salvar CSV..."), this);
    btnCsv->setObjectName(QStringLiteral("btnCsv"));
    btnFechar = new QPushButton(QStringLiteral("Fechar"), this);
    btnFechar->setObjectName(QStringLiteral("btnFechar"));

    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel(QStringLiteral("Gráfico")));
    topo->addWidget(cbGrandeza, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnCsv);
    botoes->addWidget(btnFechar);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(topo);
    coluna->addWidget(grafico, 3);
    coluna->addWidget(lbTotais);
    coluna->addWidget(tabela, 2);
    coluna->addLayout(botoes);

    connect(cbGrandeza, &QComboBox::currentIndexChanged, this, [this] { Grafico(); });
    connect(btnCsv, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [&] { SalvaCsv(); }); });
    connect(btnFechar, &QPushButton::clicked, this, &QWidget::close);
    if (ctx_.historico)
        connect(ctx_.historico, &HistoricoProblema::RevisaoMudou, this, [this] {
            if (isVisible()) Mostra();
        });
}

const TResultadosSerpentinas* TfrmResultadoSerpentinas::Resultados() const {
    if (!ctx_.analise.Dados) return nullptr;
    const TResultadosSerpentinas& r = SerpentinasDe(*ctx_.analise.Dados).Resultados;
    return r.Vazio() ? nullptr : &r;
}

void TfrmResultadoSerpentinas::Abre() {
    Mostra();
    CamposNumericos::ApresentaJanela(this);
}

void TfrmResultadoSerpentinas::Mostra() {
    const TResultadosSerpentinas* r = Resultados();
    tabela->clear();
    btnCsv->setEnabled(r != nullptr);
    if (!r) {
        tabela->setRowCount(0);
        tabela->setColumnCount(0);
        lbTotais->setText(QStringLiteral("A análise atual não tem serpentinas de resfriamento: informe-as em "
                                         "\"Serpentinas de Resfriamento...\" e execute a análise."));
        Grafico();
        return;
    }
    const int n = static_cast<int>(r->Camadas.size());
    tabela->setColumnCount(1 + 2 * n);
    QStringList titulos{QStringLiteral("Hora (h)")};
    QString totais = QStringLiteral("Calor retirado na análise:");
    for (int k = 0; k < n; ++k) {
        const int L = r->Camadas[static_cast<std::size_t>(k)];
        titulos << QStringLiteral("Saída C%1 (°C)").arg(L) << QStringLiteral("Calor C%1 (W/m²)").arg(L);
        totais += QStringLiteral(" camada %1, %2 MJ/m²;").arg(L).arg(Fixo(r->Total[static_cast<std::size_t>(k)], 1));
    }
    totais.chop(1);
    lbTotais->setText(totais + QStringLiteral("."));
    tabela->setHorizontalHeaderLabels(titulos);
    tabela->setRowCount(static_cast<int>(r->Horas.size()));
    for (std::size_t s = 0; s < r->Horas.size(); ++s) {
        const int linha = static_cast<int>(s);
        tabela->setItem(linha, 0, new QTableWidgetItem(QString::fromStdString(Numeros::FormataGeral(r->Horas[s]))));
        for (int k = 0; k < n; ++k) {
            const double saida = r->Saida[static_cast<std::size_t>(k)][s];
            tabela->setItem(linha, 1 + 2 * k, new QTableWidgetItem(std::isnan(saida) ? QString() : Fixo(saida, 2)));
            tabela->setItem(linha, 2 + 2 * k, new QTableWidgetItem(Fixo(r->Calor[static_cast<std::size_t>(k)][s], 1)));
        }
    }
    tabela->resizeColumnsToContents();
    Grafico();
}

void TfrmResultadoSerpentinas::Grafico() {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    const TResultadosSerpentinas* r = Resultados();
    const bool calor = cbGrandeza->currentIndex() == 1;
    auto* eixoX = new QValueAxis;
    eixoX->setTitleText(QStringLiteral("Hora (h)"));
    eixoX->setLabelFormat(QStringLiteral("%.0f"));
    auto* eixoY = new QValueAxis;
    eixoY->setTitleText(calor ? QStringLiteral("Calor retirado (W/m²)") : QStringLiteral("Saída da água (°C)"));
    chart->addAxis(eixoX, Qt::AlignBottom);
    chart->addAxis(eixoY, Qt::AlignLeft);
    double yMin = 1e300, yMax = -1e300;
    if (r) {
        for (std::size_t k = 0; k < r->Camadas.size(); ++k) {
            auto* serie = new QLineSeries;
            serie->setName(QStringLiteral("Camada %1").arg(r->Camadas[k]));
            for (std::size_t s = 0; s < r->Horas.size(); ++s) {
                const double v = calor ? r->Calor[k][s] : r->Saida[k][s];
                if (std::isnan(v)) continue;
                serie->append(r->Horas[s], v);
                yMin = std::min(yMin, v);
                yMax = std::max(yMax, v);
            }
            chart->addSeries(serie);
            serie->attachAxis(eixoX);
            serie->attachAxis(eixoY);
        }
        if (!r->Horas.empty()) {
            eixoX->setRange(r->Horas.front(), r->Horas.back());
            eixoX->applyNiceNumbers();
        }
    }
    if (yMin <= yMax) {
        eixoY->setRange(std::floor(yMin) - (yMin == yMax ? 1 : 0), std::ceil(yMax) + (yMin == yMax ? 1 : 0));
        eixoY->applyNiceNumbers();
    }
    // The locale's decimal mark is not the program's: whole numbers on the axes.
    eixoY->setLabelFormat(QStringLiteral("%.0f"));
    QChart* antigo = grafico->chart();
    grafico->setChart(chart);
    delete antigo;
}

void TfrmResultadoSerpentinas::SalvaCsv() {
    const TResultadosSerpentinas* r = Resultados();
    if (!r) return;
    const auto nome = ctx_.arquivos.salvar(QStringLiteral("Planilha CSV|*.csv"));
    if (!nome) return;
    ExportaCsv::Grava(nome->toStdString(), ExportaCsv::Serpentinas(*r));
}
