#include "estudos/ui/frmEstudo.h"

#include <QChart>
#include <QChartView>
#include <QCategoryAxis>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLegendMarker>
#include <QMenuBar>
#include <QAreaSeries>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSplitter>
#include <QVBoxLayout>
#include <cmath>
#include <exception>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/Projeto.h"
#include "core/ui/SalvaComTipo.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "results/Cores.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// A cell that sorts by its number when both have one, by its text otherwise.
class ItemCaso : public QTableWidgetItem {
public:
    ItemCaso(const std::string& texto, bool numero, double valor) : QTableWidgetItem(Q(texto)) {
        if (numero) setData(Qt::UserRole, valor);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& outro) const override {
        const QVariant a = data(Qt::UserRole), b = outro.data(Qt::UserRole);
        if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
        if (a.isValid() != b.isValid()) return a.isValid();  // the cases without a figure last
        return text() < outro.text();
    }
};

double Numero(const QLineEdit* ed, const char* oQue) {
    try {
        return Numeros::TextoParaReal(S(ed->text()));
    } catch (const ErroConversao& e) {
        throw ErroConversao(std::string(oQue) + ": " + e.what());
    }
}

// "0,5; 1; 2": values between semicolons, with the decimal comma.
std::vector<double> Lista(const QString& texto, const std::string& nome) {
    std::vector<double> valores;
    for (const QString& parte : texto.split(QLatin1Char(';'))) {
        if (parte.trimmed().isEmpty()) continue;
        try {
            valores.push_back(Numeros::TextoParaReal(S(parte)));
        } catch (const ErroConversao& e) {
            throw ErroConversao("Valores de " + nome + ": " + e.what());
        }
    }
    return valores;
}

QString TextoLista(const std::vector<double>& valores) {
    QStringList partes;
    for (double v : valores) partes << CamposNumericos::Geral(v);
    return partes.join(QStringLiteral("; "));
}

QLineEdit* Campo(QWidget* pai, const char* nome, const QString& texto, const QString& dica = {}) {
    auto* ed = new QLineEdit(texto, pai);
    ed->setObjectName(QLatin1String(nome));
    ed->setMaximumWidth(90);
    if (!dica.isEmpty()) ed->setToolTip(dica);
    return ed;
}

}  // namespace

TfrmEstudo::TfrmEstudo(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmEstudo"));
    setWindowTitle(QStringLiteral("Estudo de Cronograma"));

    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("&Sair"), this, &QWidget::close);
    QMenu* arquivo = menu->addMenu(QStringLiteral("&Arquivo"));
    arquivo->addAction(QStringLiteral("Abrir Estudo..."), this, [this] { ExecutaAcao(ctx_.msg, [this] { AbrirEstudo(); }); });
    arquivo->addAction(QStringLiteral("Salvar Estudo..."), this, [this] { ExecutaAcao(ctx_.msg, [this] { SalvarEstudo(); }); });
    arquivo->addAction(QStringLiteral("Salvar Resultados (CSV)..."), this,
                       [this] { ExecutaAcao(ctx_.msg, [this] { SalvarResultados(); }); });

    // The base problem.
    auto* gbxBase = new QGroupBox(QStringLiteral("Projeto base"), this);
    rbProblemaAtual = new QRadioButton(QStringLiteral("Problema atual"), gbxBase);
    rbProblemaAtual->setObjectName(QStringLiteral("rbProblemaAtual"));
    rbProblemaAtual->setChecked(true);
    rbArquivo = new QRadioButton(QStringLiteral("Arquivo:"), gbxBase);
    rbArquivo->setObjectName(QStringLiteral("rbArquivo"));
    edProjeto = new QLineEdit(gbxBase);
    edProjeto->setObjectName(QStringLiteral("edProjeto"));
    btnProjeto = new QPushButton(QStringLiteral("..."), gbxBase);
    btnProjeto->setObjectName(QStringLiteral("btnProjeto"));
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

    // The parameters: one row of the table each.
    const auto& parametros = Estudo::Parametros();
    sgdParametros = new QTableWidget(static_cast<int>(parametros.size()), 2, this);
    sgdParametros->setObjectName(QStringLiteral("sgdParametros"));
    sgdParametros->setHorizontalHeaderLabels({QStringLiteral("Variar"), QStringLiteral("Valores (separados por ;)")});
    sgdParametros->verticalHeader()->setVisible(false);
    sgdParametros->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    sgdParametros->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int i = 0; i < static_cast<int>(parametros.size()); ++i) {
        auto* nome = new QTableWidgetItem(Q(parametros[static_cast<std::size_t>(i)].Cabecalho()));
        nome->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        nome->setCheckState(Qt::Unchecked);
        sgdParametros->setItem(i, 0, nome);
        sgdParametros->setItem(i, 1, new QTableWidgetItem());
    }
    sgdParametros->setMinimumHeight(170);

    auto* grade = new QGridLayout;
    edAlturaTotal = Campo(this, "edAlturaTotal", QString(),
                          QStringLiteral("Altura de concreto do membro, que a altura da camada divide em camadas"));
    edSorteados = Campo(this, "edSorteados", QStringLiteral("0"), QStringLiteral("0: todas as combinações"));
    edSemente = Campo(this, "edSemente", QStringLiteral("1"));
    edLimTemperatura = Campo(this, "edLimTemperatura", QStringLiteral("70"));
    edLimDiferenca = Campo(this, "edLimDiferenca", QStringLiteral("20"));
    edLimIndice = Campo(this, "edLimIndice", QStringLiteral("1"));
    const std::pair<const char*, QLineEdit*> campos[] = {
        {"Altura total [m]:", edAlturaTotal},          {"Casos sorteados:", edSorteados},
        {"Semente:", edSemente},                        {"Temperatura máxima [°C]:", edLimTemperatura},
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

    sgdCasos = new QTableWidget(this);
    sgdCasos->setObjectName(QStringLiteral("sgdCasos"));
    sgdCasos->verticalHeader()->setVisible(false);
    sgdCasos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgdCasos->setSortingEnabled(true);

    // The map.
    cbEixoX = new QComboBox(this);
    cbEixoX->setObjectName(QStringLiteral("cbEixoX"));
    cbEixoY = new QComboBox(this);
    cbEixoY->setObjectName(QStringLiteral("cbEixoY"));
    cbSaida = new QComboBox(this);
    cbSaida->setObjectName(QStringLiteral("cbSaida"));
    for (QComboBox* c : {cbEixoX, cbEixoY, cbSaida}) {
        connect(c, &QComboBox::activated, this, [this] { ExecutaAcao(ctx_.msg, [this] { DesenhaMapa(); }); });
    }
    grafico_ = new QChart;
    grafico_->setTitle(QStringLiteral("Mapa de calor"));
    grafico_->legend()->setAlignment(Qt::AlignBottom);
    cMapa = new QChartView(grafico_, this);
    cMapa->setObjectName(QStringLiteral("cMapa"));
    cMapa->setMinimumSize(420, 360);
    auto* escolhas = new QHBoxLayout;
    escolhas->addWidget(new QLabel(QStringLiteral("Horizontal:"), this));
    escolhas->addWidget(cbEixoX, 1);
    escolhas->addWidget(new QLabel(QStringLiteral("Vertical:"), this));
    escolhas->addWidget(cbEixoY, 1);
    escolhas->addWidget(new QLabel(QStringLiteral("Saída:"), this));
    escolhas->addWidget(cbSaida, 1);
    auto* painelMapa = new QWidget(this);
    auto* colunaMapa = new QVBoxLayout(painelMapa);
    colunaMapa->setContentsMargins(0, 0, 0, 0);
    colunaMapa->addLayout(escolhas);
    colunaMapa->addWidget(cMapa, 1);

    auto* divisao = new QSplitter(Qt::Horizontal, this);
    divisao->addWidget(sgdCasos);
    divisao->addWidget(painelMapa);

    auto* topo = new QHBoxLayout;
    topo->addWidget(sgdParametros, 1);
    topo->addLayout(grade);

    auto* raiz = new QVBoxLayout(this);
    raiz->setMenuBar(menu);
    raiz->addWidget(gbxBase);
    raiz->addLayout(topo);
    raiz->addLayout(linhaRodar);
    raiz->addWidget(divisao, 1);
    resize(1150, 760);
}

// The run on its thread is cancelled and waited for by trabalho_.
TfrmEstudo::~TfrmEstudo() = default;

void TfrmEstudo::Abre() { CamposNumericos::ApresentaJanela(this); }

TEstudo TfrmEstudo::MontaEstudo() const {
    TEstudo e;
    const QString altura = edAlturaTotal->text().trimmed();
    if (!altura.isEmpty()) e.AlturaTotal = Numero(edAlturaTotal, "Altura total");
    const auto& parametros = Estudo::Parametros();
    for (int i = 0; i < sgdParametros->rowCount(); ++i) {
        if (sgdParametros->item(i, 0)->checkState() != Qt::Checked) continue;
        TVariacao v;
        v.Parametro = i;
        v.Valores = Lista(sgdParametros->item(i, 1)->text(), std::string(parametros[static_cast<std::size_t>(i)].Nome));
        e.Variacoes.push_back(std::move(v));
    }
    const double sorteados = Numero(edSorteados, "Casos sorteados");
    const double semente = Numero(edSemente, "Semente");
    for (double x : {sorteados, semente}) {
        if (x != std::trunc(x) || x < 0 || x > 9e15)
            throw ErroEntrada("Casos sorteados e semente devem ser inteiros não negativos.");
    }
    e.Sorteados = static_cast<long long>(sorteados);
    e.Semente = static_cast<std::uint64_t>(semente);
    e.LimiteTemperatura = Numero(edLimTemperatura, "Temperatura máxima");
    e.LimiteDiferenca = Numero(edLimDiferenca, "Diferença núcleo–superfície");
    e.LimiteIndice = Numero(edLimIndice, "Índice de fissuração mínimo");

    auto base = std::make_shared<TDadosModelo>();
    if (rbArquivo->isChecked()) {
        if (edProjeto->text().trimmed().isEmpty()) throw ErroEntrada("Escolha o arquivo do projeto base.");
        e.Projeto = S(edProjeto->text());
        Projeto::Le(QFile::encodeName(edProjeto->text()).toStdString(), *base);
    } else {
        // Through the project file's text: the cases start from the problem as it would
        // be saved, with nothing of an earlier run in the program.
        Projeto::LeTexto(Projeto::Texto(ctx_.dados), *base);
    }
    e.Base = std::move(base);
    Estudo::Valida(e);
    return e;
}

bool TfrmEstudo::Rodar() {
    if (Rodando()) return false;
    TEstudo estudo;
    if (!ExecutaAcao(ctx_.msg, [&] { estudo = MontaEstudo(); })) return false;
    if (!ExecutaAcao(ctx_.msg, [&] { total_ = static_cast<long long>(Estudo::Casos(estudo).size()); })) return false;

    estudo_ = estudo;
    // The results shown belong to the study that ran: nothing of the last one stays.
    resultado_ = TResultadoEstudo{};
    revisao_ = rbArquivo->isChecked() ? std::nullopt : std::optional<long>(RevisaoAtual(ctx_));
    if (auto* guarda = GuardaResultados::De(this)) guarda->Avalia();
    mapa_ = TMapaCalor{};
    sgdCasos->clear();
    sgdCasos->setRowCount(0);
    grafico_->removeAllSeries();

    auto saida = std::make_shared<TResultadoEstudo>();
    trabalho_.Liga({btnRodar, btnCancelar, pbEstudo, lblSituacao});
    trabalho_.Inicia(
        [estudo, saida](std::atomic<bool>& cancela, std::atomic<long long>& feitos) {
            OpcoesEstudo op;
            op.Cancela = &cancela;
            op.Feitos = &feitos;
            *saida = RodaEstudo::Roda(estudo, op);
        },
        total_, QStringLiteral("Rodando %1 casos...").arg(total_),
        [this, saida](const std::string& erro) { Termina(std::move(*saida), erro); });
    return true;
}

void TfrmEstudo::Cancela() { trabalho_.Cancela(); }

void TfrmEstudo::Termina(TResultadoEstudo resultado, const std::string& erro) {
    if (!erro.empty()) {
        ctx_.msg.erro(Q(erro));
        return;
    }
    resultado_ = std::move(resultado);
    if (auto* guarda = GuardaResultados::De(this)) guarda->Avalia();
    long long atendem = 0, falhas = 0;
    for (const auto& c : resultado_.Casos) {
        atendem += c.Ok && c.Atende;
        falhas += !c.Ok;
    }
    QString texto = QStringLiteral("%1 casos; %2 atendem aos limites").arg(resultado_.Casos.size()).arg(atendem);
    if (falhas) texto += QStringLiteral("; %1 não rodaram").arg(falhas);
    if (resultado_.Cancelado) texto = QStringLiteral("Cancelado: ") + texto + QStringLiteral(" de %1").arg(total_);
    lblSituacao->setText(texto + QLatin1Char('.'));
    MostraCasos();
    PreencheEscolhasMapa();
    ExecutaAcao(ctx_.msg, [this] { DesenhaMapa(); });
}

std::optional<OrigemResultados> TfrmEstudo::Origem() const {
    if (!revisao_ || resultado_.Casos.empty()) return std::nullopt;
    return OrigemResultados{*revisao_, false};
}

void TfrmEstudo::MostraCasos() {
    const auto colunas = RodaEstudo::Colunas(estudo_, resultado_.ComTensoes);
    sgdCasos->setSortingEnabled(false);
    sgdCasos->clear();
    sgdCasos->setColumnCount(static_cast<int>(colunas.size()));
    QStringList titulos;
    for (const auto& c : colunas) titulos << Q(c);
    sgdCasos->setHorizontalHeaderLabels(titulos);
    sgdCasos->setRowCount(static_cast<int>(resultado_.Casos.size()));
    const int colunaAtende = static_cast<int>(colunas.size()) - 2;
    for (int i = 0; i < static_cast<int>(resultado_.Casos.size()); ++i) {
        const TResultadoCaso& caso = resultado_.Casos[static_cast<std::size_t>(i)];
        const auto celulas = RodaEstudo::Celulas(estudo_, caso, resultado_.ComTensoes);
        for (int c = 0; c < static_cast<int>(celulas.size()); ++c) {
            const std::string& t = celulas[static_cast<std::size_t>(c)];
            double v = 0.0;
            bool numero = c < colunaAtende && !t.empty();
            if (numero) {
                try {
                    v = Numeros::TextoParaReal(t);
                } catch (const ErroConversao&) {
                    numero = false;
                }
            }
            auto* item = new ItemCaso(t, numero, v);
            if (caso.Ok && caso.Atende) item->setBackground(QColor(220, 245, 220));
            sgdCasos->setItem(i, c, item);
        }
    }
    sgdCasos->setSortingEnabled(true);
    sgdCasos->resizeColumnsToContents();
}

void TfrmEstudo::PreencheEscolhasMapa() {
    for (QComboBox* c : {cbEixoX, cbEixoY}) {
        c->clear();
        for (const auto& v : estudo_.Variacoes)
            c->addItem(Q(std::string(Estudo::Parametros()[static_cast<std::size_t>(v.Parametro)].Nome)));
    }
    if (cbEixoY->count() > 1) cbEixoY->setCurrentIndex(1);
    cbSaida->clear();
    const TSaidaEstudo saidas[] = {TSaidaEstudo::TMaxima, TSaidaEstudo::HorasAcima, TSaidaEstudo::DifMaxima,
                                   TSaidaEstudo::TracaoMaxima, TSaidaEstudo::IndiceMinimo};
    for (TSaidaEstudo s : saidas) {
        if (TMapaCalor::PrecisaTensoes(s) && !resultado_.ComTensoes) continue;
        cbSaida->addItem(Q(TMapaCalor::NomeSaida(estudo_, s)), static_cast<int>(s));
    }
}

bool TfrmEstudo::DesenhaMapa() {
    grafico_->removeAllSeries();
    for (QAbstractAxis* a : grafico_->axes()) {
        grafico_->removeAxis(a);
        delete a;
    }
    mapa_ = TMapaCalor{};
    if (estudo_.Variacoes.size() < 2 || resultado_.Casos.empty()) {
        grafico_->setTitle(QStringLiteral("Mapa de calor: o estudo precisa de dois parâmetros"));
        return false;
    }
    const auto saida = static_cast<TSaidaEstudo>(cbSaida->currentData().toInt());
    mapa_ = TMapaCalor::Calcula(estudo_, resultado_, cbEixoX->currentIndex(), cbEixoY->currentIndex(), saida);
    grafico_->setTitle(Q(TMapaCalor::NomeSaida(estudo_, saida)) +
                       QStringLiteral(": o pior caso de cada célula, de %1 (%2) a %3 (%4)")
                           .arg(CamposNumericos::Geral(mapa_.Minimo),
                                saida == TSaidaEstudo::IndiceMinimo ? QStringLiteral("vermelho") : QStringLiteral("azul"),
                                CamposNumericos::Geral(mapa_.Maximo),
                                saida == TSaidaEstudo::IndiceMinimo ? QStringLiteral("azul") : QStringLiteral("vermelho")));
    auto* eixoX = new QCategoryAxis;
    auto* eixoY = new QCategoryAxis;
    eixoX->setTitleText(cbEixoX->currentText());
    eixoY->setTitleText(cbEixoY->currentText());
    const auto rotulos = [](QCategoryAxis* eixo, const std::vector<double>& valores) {
        eixo->setStartValue(-0.5);
        for (std::size_t i = 0; i < valores.size(); ++i)
            eixo->append(CamposNumericos::Geral(valores[i]) + QString(static_cast<int>(i), QChar(0x200B)),
                         static_cast<double>(i) + 0.5);
        eixo->setRange(-0.5, static_cast<double>(valores.size()) - 0.5);
        eixo->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    };
    rotulos(eixoX, mapa_.X);
    rotulos(eixoY, mapa_.Y);
    grafico_->addAxis(eixoX, Qt::AlignBottom);
    grafico_->addAxis(eixoY, Qt::AlignLeft);

    // Red is always the worse end: for the cracking index the lowest.
    const bool inverte = saida == TSaidaEstudo::IndiceMinimo;
    auto* aprovados = new QScatterSeries;
    aprovados->setName(QStringLiteral("Atende a todos os limites"));
    aprovados->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    aprovados->setColor(Qt::white);
    aprovados->setBorderColor(Qt::black);
    aprovados->setMarkerSize(12);
    for (std::size_t j = 0; j < mapa_.Y.size(); ++j) {
        for (std::size_t i = 0; i < mapa_.X.size(); ++i) {
            const TMapaCalor::Celula& c = mapa_.Em(i, j);
            if (c.Atende) aprovados->append(static_cast<double>(i), static_cast<double>(j));
            if (!c.Tem) continue;
            const double v = inverte ? mapa_.Maximo + mapa_.Minimo - c.Valor : c.Valor;
            const Cores::CorRGB cor = Cores::CorTemperatura(v, mapa_.Minimo, mapa_.Maximo);
            // The cell as a filled rectangle over its category on both axes.
            const double x = static_cast<double>(i), y = static_cast<double>(j);
            auto* cima = new QLineSeries;
            cima->append(x - 0.5, y + 0.5);
            cima->append(x + 0.5, y + 0.5);
            auto* baixo = new QLineSeries;
            baixo->append(x - 0.5, y - 0.5);
            baixo->append(x + 0.5, y - 0.5);
            auto* s = new QAreaSeries(cima, baixo);
            cima->setParent(s);
            baixo->setParent(s);
            s->setColor(QColor(cor.r, cor.g, cor.b));
            s->setBorderColor(QColor(255, 255, 255));
            s->setName(CamposNumericos::Geral(c.Valor));
            grafico_->addSeries(s);
            s->attachAxis(eixoX);
            s->attachAxis(eixoY);
            grafico_->legend()->markers(s).value(0)->setVisible(false);
        }
    }
    grafico_->addSeries(aprovados);
    aprovados->attachAxis(eixoX);
    aprovados->attachAxis(eixoY);
    return true;
}

void TfrmEstudo::MostraEstudo(const TEstudo& e) {
    edAlturaTotal->setText(e.AlturaTotal != 0.0 ? CamposNumericos::Geral(e.AlturaTotal) : QString());
    for (int i = 0; i < sgdParametros->rowCount(); ++i) {
        sgdParametros->item(i, 0)->setCheckState(Qt::Unchecked);
        sgdParametros->item(i, 1)->setText(QString());
    }
    for (const auto& v : e.Variacoes) {
        sgdParametros->item(v.Parametro, 0)->setCheckState(Qt::Checked);
        sgdParametros->item(v.Parametro, 1)->setText(TextoLista(v.Valores));
    }
    edSorteados->setText(QString::number(e.Sorteados));
    edSemente->setText(QString::number(e.Semente));
    edLimTemperatura->setText(CamposNumericos::Geral(e.LimiteTemperatura));
    edLimDiferenca->setText(CamposNumericos::Geral(e.LimiteDiferenca));
    edLimIndice->setText(CamposNumericos::Geral(e.LimiteIndice));
}

void TfrmEstudo::AbrirEstudo() {
    const auto caminho = ctx_.arquivos.abrir(QStringLiteral("Estudo de cronograma (*.json)|*.json|Todos|*.*"));
    if (!caminho) return;
    const TEstudo e = Estudo::Le(QFile::encodeName(*caminho).toStdString());
    MostraEstudo(e);
    // The base as the study names it, relative to the study's folder.
    edProjeto->setText(Q(Estudo::CaminhoDoProjeto(e.Projeto, QFileInfo(*caminho).absolutePath().toStdString())));
    rbArquivo->setChecked(true);
}

void TfrmEstudo::SalvarEstudo() {
    if (!rbArquivo->isChecked())
        throw ErroEntrada("Para salvar o estudo, escolha o arquivo do projeto base (o estudo guarda o caminho dele).");
    const TEstudo e = MontaEstudo();
    const auto caminho = ctx_.arquivos.salvar(QStringLiteral("Estudo de cronograma (*.json)|*.json"));
    if (!caminho) return;
    Estudo::Grava(QFile::encodeName(*caminho).toStdString(), e);
}

void TfrmEstudo::SalvarResultados() {
    if (resultado_.Casos.empty()) throw ErroEntrada("Rode o estudo antes de salvar os resultados.");
    const auto caminho = SalvaComTipo::PerguntaPlanilha(ctx_.arquivos);
    if (!caminho) return;
    RodaEstudo::GravaCsv(*caminho, estudo_, resultado_);
}
