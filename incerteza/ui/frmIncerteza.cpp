#include "incerteza/ui/frmIncerteza.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QLocale>
#include <QMenuBar>
#include <QSplitter>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>
#include <numeric>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/Projeto.h"
#include "core/ui/SalvaComTipo.h"
#include "core/ui/ArquivoFigura.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "incerteza/Estatistica.h"
#include "incerteza/RelatorioIncerteza.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

const char* const NomesSaidas[] = {"Temperatura máxima (°C)", "Maior diferença núcleo–superfície (°C)",
                                   "Menor índice de fissuração (-)"};
const char* const NomesDistribuicoes[] = {"Normal", "Lognormal", "Uniforme", "Triangular"};
const char* const DicasParametros[] = {"média; desvio padrão", "média; desvio padrão (da variável)", "mín.; máx.",
                                       "mín.; moda; máx."};

double Numero(const QLineEdit* ed, const char* oQue) {
    try {
        return Numeros::TextoParaReal(S(ed->text()));
    } catch (const ErroConversao& e) {
        throw ErroConversao(std::string(oQue) + ": " + e.what());
    }
}

// "20; 1,5": numbers between semicolons, an empty part kept as none.
std::vector<std::optional<double>> Partes(const QString& texto, const std::string& onde) {
    std::vector<std::optional<double>> r;
    for (const QString& parte : texto.split(QLatin1Char(';'))) {
        if (parte.trimmed().isEmpty()) {
            r.emplace_back();
            continue;
        }
        try {
            r.emplace_back(Numeros::TextoParaReal(S(parte)));
        } catch (const ErroConversao& e) {
            throw ErroConversao(onde + ": " + e.what());
        }
    }
    return r;
}

QString Fixo(double v, int decimais) {
    return std::isfinite(v) ? Q(Numeros::FormataFixo(v + 0.0, 0, decimais)) : QString();
}

QChart* NovoGrafico(const QString& titulo) {
    auto* g = new QChart;
    g->setTitle(titulo);
    g->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    g->setLocalizeNumbers(true);
    g->legend()->setAlignment(Qt::AlignBottom);
    return g;
}

// Whole ticks from 0 to past `maior`, at 1, 2 or 5 × 10^k, about five of them.
void EixoContagens(QValueAxis* eixo, long long maior) {
    const double alvo = std::max(1.0, static_cast<double>(maior) / 5.0);
    const double potencia = std::pow(10.0, std::floor(std::log10(alvo)));
    double passo = potencia;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * potencia >= alvo) {
            passo = m * potencia;
            break;
        }
    eixo->setRange(0.0, passo * std::ceil((static_cast<double>(maior) + 0.5) / passo));
    eixo->setTickType(QValueAxis::TicksDynamic);
    eixo->setTickAnchor(0.0);
    eixo->setTickInterval(passo);
    eixo->setLabelFormat(QStringLiteral("%.0f"));
}

void Limpa(QChart* g) {
    g->removeAllSeries();
    for (QAbstractAxis* a : g->axes()) {
        g->removeAxis(a);
        delete a;
    }
}

QTableWidgetItem* Celula(const QString& texto) {
    auto* item = new QTableWidgetItem(texto);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TfrmIncerteza::TfrmIncerteza(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmIncerteza"));
    setWindowTitle(QStringLiteral("Estudo de Incerteza"));

    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("&Sair"), this, &QWidget::close);
    QMenu* arquivo = menu->addMenu(QStringLiteral("&Arquivo"));
    arquivo->addAction(QStringLiteral("Abrir Estudo..."), this, [this] { ExecutaAcao(ctx_.msg, [this] { AbrirEstudo(); }); });
    arquivo->addAction(QStringLiteral("Salvar Estudo..."), this, [this] { ExecutaAcao(ctx_.msg, [this] { SalvarEstudo(); }); });
    arquivo->addAction(QStringLiteral("Salvar Resultados (CSV)..."), this,
                       [this] { ExecutaAcao(ctx_.msg, [this] { SalvarResultados(); }); });
    arquivo->addAction(QStringLiteral("Salvar Figuras..."), this,
                       [this] { ExecutaAcao(ctx_.msg, [this] { SalvarFiguras(); }); });

    auto* gbxBase = new QGroupBox(QStringLiteral("Projeto base"), this);
    rbProblemaAtual = new QRadioButton(QStringLiteral("Problema atual"), gbxBase);
    rbProblemaAtual->setObjectName(QStringLiteral("rbProblemaAtual"));
    rbProblemaAtual->setChecked(true);
    rbArquivo = new QRadioButton(QStringLiteral("Arquivo:"), gbxBase);
    rbArquivo->setObjectName(QStringLiteral("rbArquivo"));
    edProjeto = new QLineEdit(gbxBase);
    edProjeto->setObjectName(QStringLiteral("edProjeto"));
    btnProjeto = new QPushButton(QStringLiteral("..."), gbxBase);
    btnProjeto->setMaximumWidth(30);
    connect(btnProjeto, &QPushButton::clicked, this, [this] {
        if (const auto c = ctx_.arquivos.abrir(QStringLiteral("Projeto Norvik 1D (*.n1d.json)|*.n1d.json|Todos|*.*"))) {
            edProjeto->setText(*c);
            rbArquivo->setChecked(true);
        }
    });
    auto* linhaBase = new QHBoxLayout(gbxBase);
    linhaBase->addWidget(rbProblemaAtual);
    linhaBase->addWidget(rbArquivo);
    linhaBase->addWidget(edProjeto, 1);
    linhaBase->addWidget(btnProjeto);

    const auto& entradas = Incerteza::Entradas();
    sgdEntradas = new QTableWidget(static_cast<int>(entradas.size()), 4, this);
    sgdEntradas->setObjectName(QStringLiteral("sgdEntradas"));
    sgdEntradas->setHorizontalHeaderLabels({QStringLiteral("Incerta"), QStringLiteral("Distribuição"),
                                            QStringLiteral("Parâmetros (a; b; …)"),
                                            QStringLiteral("Truncamento (mín.; máx.)")});
    sgdEntradas->verticalHeader()->setVisible(false);
    // Every heading whole; the parameters take what is left.
    for (int c : {0, 1, 3}) sgdEntradas->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    sgdEntradas->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    sgdEntradas->horizontalHeader()->setMinimumSectionSize(90);
    for (int i = 0; i < static_cast<int>(entradas.size()); ++i) {
        auto* nome = new QTableWidgetItem(Q(entradas[static_cast<std::size_t>(i)].Cabecalho()));
        nome->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        nome->setCheckState(Qt::Unchecked);
        sgdEntradas->setItem(i, 0, nome);
        auto* cb = new QComboBox(sgdEntradas);
        for (const char* d : NomesDistribuicoes) cb->addItem(QString::fromUtf8(d));
        sgdEntradas->setCellWidget(i, 1, cb);
        auto* parametros = new QTableWidgetItem();
        parametros->setToolTip(QString::fromUtf8(DicasParametros[0]));
        sgdEntradas->setItem(i, 2, parametros);
        sgdEntradas->setItem(i, 3, new QTableWidgetItem());
        connect(cb, &QComboBox::currentIndexChanged, this,
                [parametros](int d) { parametros->setToolTip(QString::fromUtf8(DicasParametros[std::clamp(d, 0, 3)])); });
    }
    sgdEntradas->setMinimumHeight(200);
    sgdEntradas->setMinimumWidth(720);

    auto* grade = new QGridLayout;
    edAmostras = CamposNumericos::NovoCampo(this, "edAmostras", QStringLiteral("100"));
    cbMetodo = new QComboBox(this);
    cbMetodo->setObjectName(QStringLiteral("cbMetodo"));
    cbMetodo->addItems({QStringLiteral("Hipercubo latino"), QStringLiteral("Aleatória simples")});
    edSemente = CamposNumericos::NovoCampo(this, "edSemente", QStringLiteral("1"));
    edLimTemperatura = CamposNumericos::NovoCampo(this, "edLimTemperatura", QStringLiteral("70"));
    edLimDiferenca = CamposNumericos::NovoCampo(this, "edLimDiferenca", QStringLiteral("20"));
    edLimIndice = CamposNumericos::NovoCampo(this, "edLimIndice", QStringLiteral("1"));
    const std::pair<const char*, QWidget*> campos[] = {
        {"Amostras:", edAmostras},         {"Amostragem:", cbMetodo},
        {"Semente:", edSemente},           {"Temperatura máxima [°C]:", edLimTemperatura},
        {"Diferença núcleo–superfície [°C]:", edLimDiferenca}, {"Índice de fissuração mínimo:", edLimIndice}};
    for (int i = 0; i < 6; ++i) {
        auto* r = new QLabel(QString::fromUtf8(campos[i].first), this);
        r->setBuddy(campos[i].second);
        grade->addWidget(r, i % 3, (i / 3) * 2);
        grade->addWidget(campos[i].second, i % 3, (i / 3) * 2 + 1);
    }

    btnRodar = new QPushButton(QStringLiteral("Rodar Estudo"), this);
    btnRodar->setObjectName(QStringLiteral("btnRodar"));
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar->setEnabled(false);
    pbEstudo = new QProgressBar(this);
    pbEstudo->setObjectName(QStringLiteral("pbEstudo"));
    pbEstudo->setValue(0);
    lblSituacao = new QLabel(this);
    lblSituacao->setObjectName(QStringLiteral("lblSituacao"));
    connect(btnRodar, &QPushButton::clicked, this, [this] { Rodar(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] { Cancela(); });
    auto* linhaRodar = new QHBoxLayout;
    linhaRodar->addWidget(btnRodar);
    linhaRodar->addWidget(btnCancelar);
    linhaRodar->addWidget(pbEstudo, 1);
    linhaRodar->addWidget(lblSituacao, 1);
    lblProbabilidades = new QLabel(this);
    lblProbabilidades->setObjectName(QStringLiteral("lblProbabilidades"));
    lblProbabilidades->setTextInteractionFlags(Qt::TextSelectableByMouse);

    sgdAmostras = new QTableWidget(this);
    sgdAmostras->setObjectName(QStringLiteral("sgdAmostras"));
    sgdAmostras->verticalHeader()->setVisible(false);
    sgdAmostras->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgdResumo = new QTableWidget(this);
    sgdResumo->setObjectName(QStringLiteral("sgdResumo"));
    sgdResumo->verticalHeader()->setVisible(false);
    sgdResumo->horizontalHeader()->setVisible(false);
    sgdResumo->setEditTriggers(QAbstractItemView::NoEditTriggers);

    painelGraficos = new QWidget(this);
    painelGraficos->setObjectName(QStringLiteral("painelGraficos"));
    auto* gradeGraficos = new QGridLayout(painelGraficos);
    for (int k = 0; k < 3; ++k) {
        histogramas_[k] = NovoGrafico(QString::fromUtf8(NomesSaidas[k]));
        cHistogramas[k] = new QChartView(histogramas_[k], painelGraficos);
        cHistogramas[k]->setObjectName(QStringLiteral("cHistograma%1").arg(k + 1));
        cHistogramas[k]->setMinimumSize(320, 240);
        gradeGraficos->addWidget(cHistogramas[k], k / 2, k % 2);
    }
    tornado_ = NovoGrafico(QStringLiteral("Sensibilidade (Spearman)"));
    cTornado = new QChartView(tornado_, painelGraficos);
    cTornado->setObjectName(QStringLiteral("cTornado"));
    cTornado->setMinimumSize(320, 240);
    cbSaidaTornado = new QComboBox(painelGraficos);
    cbSaidaTornado->setObjectName(QStringLiteral("cbSaidaTornado"));
    connect(cbSaidaTornado, &QComboBox::activated, this, [this] { DesenhaTornado(); });
    auto* colunaTornado = new QVBoxLayout;
    colunaTornado->addWidget(cbSaidaTornado);
    colunaTornado->addWidget(cTornado, 1);
    gradeGraficos->addLayout(colunaTornado, 1, 1);

    auto* abas = new QTabWidget(this);
    abas->setObjectName(QStringLiteral("abasResultados"));
    abas->addTab(painelGraficos, QStringLiteral("Gráficos"));
    abas->addTab(sgdResumo, QStringLiteral("Resumo"));
    abas->addTab(sgdAmostras, QStringLiteral("Amostras"));

    auto* topo = new QHBoxLayout;
    topo->addWidget(sgdEntradas, 3);
    topo->addLayout(grade);

    auto* raiz = new QVBoxLayout(this);
    raiz->setMenuBar(menu);
    raiz->addWidget(gbxBase);
    raiz->addLayout(topo);
    raiz->addLayout(linhaRodar);
    raiz->addWidget(lblProbabilidades);
    raiz->addWidget(abas, 1);
    resize(1150, 860);

}

// The run on its thread is cancelled and waited for by trabalho_.
TfrmIncerteza::~TfrmIncerteza() = default;

void TfrmIncerteza::Abre() { CamposNumericos::ApresentaJanela(this); }

QComboBox* TfrmIncerteza::Distribuicao(int linha) const {
    return static_cast<QComboBox*>(sgdEntradas->cellWidget(linha, 1));
}

TEstudoIncerteza TfrmIncerteza::MontaEstudo() const {
    TEstudoIncerteza e;
    const auto& entradas = Incerteza::Entradas();
    for (int i = 0; i < sgdEntradas->rowCount(); ++i) {
        if (sgdEntradas->item(i, 0)->checkState() != Qt::Checked) continue;
        const std::string nome(entradas[static_cast<std::size_t>(i)].Nome);
        TIncerta x;
        x.Entrada = i;
        x.Distribuicao.Tipo = static_cast<TTipoDistribuicao>(Distribuicao(i)->currentIndex());
        const auto p = Partes(sgdEntradas->item(i, 2)->text(), "Parâmetros de " + nome);
        const std::size_t esperados = x.Distribuicao.Tipo == TTipoDistribuicao::Triangular ? 3 : 2;
        if (p.size() != esperados || std::any_of(p.begin(), p.end(), [](const auto& v) { return !v; }))
            throw ErroEntrada("Parâmetros de " + nome + ": dê " +
                              DicasParametros[static_cast<int>(x.Distribuicao.Tipo)] + ", separados por ;");
        x.Distribuicao.A = *p[0];
        x.Distribuicao.B = *p[1];
        if (esperados == 3) x.Distribuicao.C = *p[2];
        const auto t = Partes(sgdEntradas->item(i, 3)->text(), "Truncamento de " + nome);
        if (t.size() > 2) throw ErroEntrada("Truncamento de " + nome + ": dê mín.; máx. (um deles pode ficar vazio)");
        if (!t.empty()) x.Distribuicao.Min = t[0];
        if (t.size() == 2) x.Distribuicao.Max = t[1];
        if (const std::string problema = Distribuicoes::Problema(x.Distribuicao); !problema.empty())
            throw ErroEntrada(nome + ": " + problema);
        e.Entradas.push_back(x);
    }
    const double amostras = Numero(edAmostras, "Amostras");
    const double semente = Numero(edSemente, "Semente");
    for (double x : {amostras, semente})
        if (x != std::trunc(x) || x < 0 || x > 9e15)
            throw ErroEntrada("Amostras e semente devem ser inteiros não negativos.");
    e.Amostras = static_cast<long long>(amostras);
    e.Semente = static_cast<std::uint64_t>(semente);
    e.Hipercubo = cbMetodo->currentIndex() == 0;
    e.LimiteTemperatura = Numero(edLimTemperatura, "Temperatura máxima");
    e.LimiteDiferenca = Numero(edLimDiferenca, "Diferença núcleo–superfície");
    e.LimiteIndice = Numero(edLimIndice, "Índice de fissuração mínimo");

    auto base = std::make_shared<TDadosModelo>();
    if (rbArquivo->isChecked()) {
        if (edProjeto->text().trimmed().isEmpty()) throw ErroEntrada("Escolha o arquivo do projeto base.");
        e.Projeto = S(edProjeto->text());
        Projeto::Le(QFile::encodeName(edProjeto->text()).toStdString(), *base);
    } else {
        // As the problem would be saved: nothing of an earlier run goes with it.
        Projeto::LeTexto(Projeto::Texto(ctx_.dados), *base);
    }
    e.Base = std::move(base);
    Incerteza::Valida(e);
    return e;
}

bool TfrmIncerteza::Rodar() {
    if (Rodando()) return false;
    TEstudoIncerteza estudo;
    if (!ExecutaAcao(ctx_.msg, [&] { estudo = MontaEstudo(); })) return false;
    total_ = estudo.Amostras;
    estudo_ = estudo;
    resultado_ = TResultadoIncerteza{};
    resumo_ = TResumoIncerteza{};
    revisao_ = rbArquivo->isChecked() ? std::nullopt : std::optional<long>(RevisaoAtual(ctx_));
    if (auto* guarda = GuardaResultados::De(this)) guarda->Avalia();
    MostraResultados();

    auto saida = std::make_shared<TResultadoIncerteza>();
    trabalho_.Liga({btnRodar, btnCancelar, pbEstudo, lblSituacao});
    trabalho_.Inicia(
        [estudo, saida](std::atomic<bool>& cancela, std::atomic<long long>& feitos) {
            OpcoesEstudo op;
            op.Cancela = &cancela;
            op.Feitos = &feitos;
            *saida = Incerteza::Roda(estudo, op);
        },
        total_, QStringLiteral("Rodando %1 amostras...").arg(total_),
        [this, saida](const std::string& erro) { Termina(std::move(*saida), erro); });
    return true;
}

void TfrmIncerteza::Cancela() { trabalho_.Cancela(); }

void TfrmIncerteza::Termina(TResultadoIncerteza resultado, const std::string& erro) {
    if (!erro.empty()) {
        ctx_.msg.erro(Q(erro));
        return;
    }
    resultado_ = std::move(resultado);
    resumo_ = Incerteza::Resume(estudo_, resultado_.Linhas);
    if (auto* guarda = GuardaResultados::De(this)) guarda->Avalia();
    QString texto = QStringLiteral("%1 amostras").arg(resumo_.Amostras);
    if (resumo_.Falhas) texto += QStringLiteral("; %1 não rodaram").arg(resumo_.Falhas);
    if (resultado_.Cancelado) texto = QStringLiteral("Cancelado: ") + texto + QStringLiteral(" de %1").arg(total_);
    lblSituacao->setText(texto + QLatin1Char('.'));
    MostraResultados();
}

std::optional<OrigemResultados> TfrmIncerteza::Origem() const {
    if (!revisao_ || resultado_.Linhas.empty()) return std::nullopt;
    return OrigemResultados{*revisao_, false};
}

void TfrmIncerteza::MostraResultados() {
    const bool comTensoes = resultado_.ComTensoes;
    // The samples.
    const auto colunas = Incerteza::Colunas(estudo_, comTensoes);
    sgdAmostras->clear();
    sgdAmostras->setColumnCount(static_cast<int>(colunas.size()));
    QStringList titulos;
    for (const auto& c : colunas) titulos << Q(c);
    sgdAmostras->setHorizontalHeaderLabels(titulos);
    sgdAmostras->setRowCount(static_cast<int>(resultado_.Linhas.size()));
    for (int i = 0; i < static_cast<int>(resultado_.Linhas.size()); ++i) {
        const auto celulas = Incerteza::Celulas(resultado_.Linhas[static_cast<std::size_t>(i)], comTensoes);
        for (int c = 0; c < static_cast<int>(celulas.size()); ++c)
            sgdAmostras->setItem(i, c, Celula(Q(celulas[static_cast<std::size_t>(c)])));
    }
    // The summary, as the CSV writes it, one cell per field.
    sgdResumo->clear();
    sgdResumo->setRowCount(0);
    if (!resultado_.Linhas.empty()) {
        const QStringList linhas = Q(Incerteza::CsvResumo(estudo_, resumo_)).split(QStringLiteral("\r\n"));
        int largura = 1;
        for (const QString& l : linhas) largura = std::max<int>(largura, static_cast<int>(l.split(QLatin1Char(';')).size()));
        sgdResumo->setColumnCount(largura);
        sgdResumo->setRowCount(static_cast<int>(linhas.size()));
        for (int r = 0; r < static_cast<int>(linhas.size()); ++r) {
            const QStringList cels = linhas[r].split(QLatin1Char(';'));
            for (int c = 0; c < static_cast<int>(cels.size()); ++c) sgdResumo->setItem(r, c, Celula(cels[c]));
        }
        sgdResumo->resizeColumnsToContents();
    }
    // The probabilities.
    QStringList p;
    if (!resultado_.Linhas.empty() && resumo_.Amostras > resumo_.Falhas) {
        const auto linha = [](const QString& nome, const TProbabilidade& x) {
            return QStringLiteral("%1: %2 (IC 95 %: %3 a %4)")
                .arg(nome, Fixo(x.P, 3), Fixo(x.Inferior, 3), Fixo(x.Superior, 3));
        };
        p << linha(QStringLiteral("P(temperatura máxima > %1 °C)").arg(CamposNumericos::Geral(estudo_.LimiteTemperatura)),
                   resumo_.PicoAcima);
        p << linha(QStringLiteral("P(maior diferença > %1 °C)").arg(CamposNumericos::Geral(estudo_.LimiteDiferenca)),
                   resumo_.DiferencaAcima);
        if (resumo_.ComTensoes)
            p << linha(QStringLiteral("P(menor índice < %1)").arg(CamposNumericos::Geral(estudo_.LimiteIndice)),
                       resumo_.IndiceAbaixo);
    }
    lblProbabilidades->setText(p.join(QStringLiteral("    ")));
    for (int k = 0; k < 3; ++k) DesenhaHistograma(k);
    cbSaidaTornado->clear();
    for (std::size_t k = 0; k < resumo_.Spearman.size(); ++k) cbSaidaTornado->addItem(QString::fromUtf8(NomesSaidas[k]));
    DesenhaTornado();
}

bool TfrmIncerteza::AcrescentaAoRelatorio(TRelatorio& relatorio) const {
    if (resultado_.Linhas.empty() || (revisao_ && *revisao_ != RevisaoAtual(ctx_))) return false;
    Incerteza::AcrescentaAoRelatorio(relatorio, estudo_, resultado_,
                                     revisao_ ? std::string("o problema atual") : "\"" + estudo_.Projeto + "\"");
    return true;
}

int TfrmIncerteza::BarrasHistograma(int k) const { return barras_[k]; }

void TfrmIncerteza::DesenhaHistograma(int k) {
    QChart* g = histogramas_[k];
    Limpa(g);
    barras_[k] = 0;
    const std::vector<double> x = Incerteza::ValoresSaida(resultado_.Linhas, k);
    if (x.empty()) return;
    const Estatistica::THistograma h = Estatistica::Histograma(x);
    // The bars as one outline filled down to zero.
    auto* contorno = new QLineSeries;
    for (const auto& [a, n] : Estatistica::Contorno(h)) contorno->append(a, n);
    const long long maior = *std::max_element(h.Contagens.begin(), h.Contagens.end());
    barras_[k] = static_cast<int>(h.Contagens.size());
    auto* barras = new QAreaSeries(contorno);
    contorno->setParent(barras);
    barras->setName(QStringLiteral("Amostras"));
    barras->setColor(QColor(90, 140, 200));
    barras->setBorderColor(QColor(40, 70, 120));
    g->addSeries(barras);

    const double limite = k == 0 ? estudo_.LimiteTemperatura : k == 1 ? estudo_.LimiteDiferenca : estudo_.LimiteIndice;
    auto* linhaLimite = new QLineSeries;
    linhaLimite->setName(QStringLiteral("Limite: %1").arg(CamposNumericos::Geral(limite)));
    linhaLimite->append(limite, 0.0);
    linhaLimite->append(limite, static_cast<double>(maior) * 1.1);
    linhaLimite->setPen(QPen(Qt::red, 2, Qt::DashLine));
    g->addSeries(linhaLimite);

    auto* eixoX = new QValueAxis;
    auto* eixoY = new QValueAxis;
    const double menor = std::min(h.Inicio, limite);
    const double topo = std::max(h.Inicio + h.Largura * static_cast<double>(h.Contagens.size()), limite);
    const double folga = 0.05 * (topo - menor > 0.0 ? topo - menor : 1.0);
    eixoX->setRange(menor - folga, topo + folga);
    eixoX->applyNiceNumbers();
    eixoX->setTitleText(QString::fromUtf8(NomesSaidas[k]));
    const double passoX = (eixoX->max() - eixoX->min()) / std::max(1, eixoX->tickCount() - 1);
    const int decimais = std::clamp(static_cast<int>(-std::floor(std::log10(passoX) + 1e-9)), 0, 6);
    eixoX->setLabelFormat(QStringLiteral("%.%1f").arg(decimais));
    EixoContagens(eixoY, maior);
    eixoY->setTitleText(QStringLiteral("Amostras"));
    g->addAxis(eixoX, Qt::AlignBottom);
    g->addAxis(eixoY, Qt::AlignLeft);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(barras), static_cast<QAbstractSeries*>(linhaLimite)}) {
        s->attachAxis(eixoX);
        s->attachAxis(eixoY);
    }
}

void TfrmIncerteza::DesenhaTornado() {
    Limpa(tornado_);
    const int k = cbSaidaTornado->currentIndex();
    if (k < 0 || k >= static_cast<int>(resumo_.Spearman.size())) return;
    const std::vector<double>& rho = resumo_.Spearman[static_cast<std::size_t>(k)];
    std::vector<std::size_t> ordem(rho.size());
    std::iota(ordem.begin(), ordem.end(), std::size_t{0});
    // The strongest at the top: the bar series draws its first category at the bottom.
    const auto peso = [&](std::size_t j) { return std::isfinite(rho[j]) ? std::fabs(rho[j]) : -1.0; };
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) { return peso(a) < peso(b); });
    auto* conjunto = new QBarSet(QStringLiteral("Correlação de Spearman"));
    QStringList categorias;
    for (std::size_t j : ordem) {
        const auto& x = Incerteza::Entradas()[static_cast<std::size_t>(estudo_.Entradas[j].Entrada)];
        categorias << Q(std::string(x.Nome));
        *conjunto << (std::isfinite(rho[j]) ? rho[j] : 0.0);
    }
    auto* serie = new QHorizontalBarSeries;
    serie->append(conjunto);
    tornado_->addSeries(serie);
    tornado_->setTitle(QStringLiteral("Sensibilidade (Spearman): ") + cbSaidaTornado->currentText());
    auto* eixoY = new QBarCategoryAxis;
    eixoY->append(categorias);
    auto* eixoX = new QValueAxis;
    eixoX->setRange(-1.0, 1.0);
    eixoX->setTickCount(5);
    eixoX->setLabelFormat(QStringLiteral("%.1f"));
    tornado_->addAxis(eixoY, Qt::AlignLeft);
    tornado_->addAxis(eixoX, Qt::AlignBottom);
    serie->attachAxis(eixoY);
    serie->attachAxis(eixoX);
}

void TfrmIncerteza::MostraEstudo(const TEstudoIncerteza& e) {
    for (int i = 0; i < sgdEntradas->rowCount(); ++i) {
        sgdEntradas->item(i, 0)->setCheckState(Qt::Unchecked);
        sgdEntradas->item(i, 2)->setText(QString());
        sgdEntradas->item(i, 3)->setText(QString());
    }
    for (const auto& x : e.Entradas) {
        const TDistribuicao& d = x.Distribuicao;
        sgdEntradas->item(x.Entrada, 0)->setCheckState(Qt::Checked);
        Distribuicao(x.Entrada)->setCurrentIndex(static_cast<int>(d.Tipo));
        QStringList p{CamposNumericos::Geral(d.A), CamposNumericos::Geral(d.B)};
        if (d.Tipo == TTipoDistribuicao::Triangular) p << CamposNumericos::Geral(d.C);
        sgdEntradas->item(x.Entrada, 2)->setText(p.join(QStringLiteral("; ")));
        if (d.Min || d.Max)
            sgdEntradas->item(x.Entrada, 3)->setText((d.Min ? CamposNumericos::Geral(*d.Min) : QString()) +
                                                    QStringLiteral("; ") +
                                                    (d.Max ? CamposNumericos::Geral(*d.Max) : QString()));
    }
    edAmostras->setText(QString::number(e.Amostras));
    cbMetodo->setCurrentIndex(e.Hipercubo ? 0 : 1);
    edSemente->setText(QString::number(e.Semente));
    edLimTemperatura->setText(CamposNumericos::Geral(e.LimiteTemperatura));
    edLimDiferenca->setText(CamposNumericos::Geral(e.LimiteDiferenca));
    edLimIndice->setText(CamposNumericos::Geral(e.LimiteIndice));
}

void TfrmIncerteza::AbrirEstudo() {
    const auto caminho = ctx_.arquivos.abrir(QStringLiteral("Estudo de incerteza (*.json)|*.json|Todos|*.*"));
    if (!caminho) return;
    const TEstudoIncerteza e = Incerteza::Le(QFile::encodeName(*caminho).toStdString());
    MostraEstudo(e);
    edProjeto->setText(Q(Estudo::CaminhoDoProjeto(e.Projeto, QFileInfo(*caminho).absolutePath().toStdString())));
    rbArquivo->setChecked(true);
}

void TfrmIncerteza::SalvarEstudo() {
    if (!rbArquivo->isChecked())
        throw ErroEntrada("Para salvar o estudo, escolha o arquivo do projeto base (o estudo guarda o caminho dele).");
    const TEstudoIncerteza e = MontaEstudo();
    const auto caminho = ctx_.arquivos.salvar(QStringLiteral("Estudo de incerteza (*.json)|*.json"));
    if (!caminho) return;
    Incerteza::Grava(QFile::encodeName(*caminho).toStdString(), e);
}

void TfrmIncerteza::SalvarResultados() {
    if (resultado_.Linhas.empty()) throw ErroEntrada("Rode o estudo antes de salvar os resultados.");
    const auto caminho = SalvaComTipo::PerguntaPlanilha(ctx_.arquivos);
    if (!caminho) return;
    Incerteza::GravaCsv(*caminho, estudo_, resultado_);
}

void TfrmIncerteza::SalvarFiguras() {
    if (resultado_.Linhas.empty()) throw ErroEntrada("Rode o estudo antes de salvar as figuras.");
    // The charts as they show: their tab brought to the front first.
    if (auto* abas = findChild<QTabWidget*>(QStringLiteral("abasResultados"))) abas->setCurrentWidget(painelGraficos);
    // The charts lay out their axes on posted events: done before the picture is taken.
    QCoreApplication::sendPostedEvents();
    ArquivoFigura::SalvaWidgetComo(ctx_.arquivos, painelGraficos);
}
