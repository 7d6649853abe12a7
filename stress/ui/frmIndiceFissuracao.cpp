#include "stress/ui/frmIndiceFissuracao.h"

#include "core/ui/AvisoFormulacao.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

#include "analise/Analise.h"
#include "core/Numeros.h"
#include "results/ExportaCsv.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/SalvaComTipo.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "core/ui/PainelGrafico.h"
#include "stress/ui/frmTracaoFlexao.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Fixo(double v, int decimais) { return Q(Numeros::FormataFixo(v + 0.0, 0, decimais)); }

}  // namespace

TfrmIndiceFissuracao::TfrmIndiceFissuracao(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmIndiceFissuracao"));
    setWindowTitle(QStringLiteral("Índice de Fissuração"));

    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("&Sair"), this, &QWidget::close);
    QMenu* arquivo = menu->addMenu(QStringLiteral("&Arquivo"));
    arquivo->addAction(QStringLiteral("Salvar Índice"), this, [this] { ExecutaAcao(ctx_.msg, [this] { SalvarIndice(); }); });
    arquivo->addAction(QStringLiteral("Salvar Figura"), this,
                       [this] { ExecutaAcao(ctx_.msg, [this] { cGraficoIndice->SalvaFiguraComo(ctx_.arquivos); }); });

    cbxCurva = new QComboBox(this);
    cbxCurva->setObjectName(QStringLiteral("cbxCurva"));
    for (TCurvaTracao c : {TCurvaTracao::Flexao, TCurvaTracao::Simples, TCurvaTracao::Diametral})
        cbxCurva->addItem(QString::fromUtf8(TIndiceFissuracao::NomeCurva(c)), static_cast<int>(c));
    cbxCurva->setCurrentIndex(1);
    cbxCurva->setToolTip(QStringLiteral("Curva de resistência à tração da janela \"Tensões Resistentes\""));
    edLimite = new QLineEdit(QStringLiteral("1,0"), this);
    edLimite->setObjectName(QStringLiteral("edLimite"));
    edLimite->setToolTip(QStringLiteral("Nós cujo menor índice fica abaixo deste valor são destacados"));
    edLimite->setMaximumWidth(80);
    btnCalcular = new QPushButton(QStringLiteral("Calcular"), this);
    btnCalcular->setObjectName(QStringLiteral("btnCalcular"));
    connect(btnCalcular, &QPushButton::clicked, this, [this] { Calcula(); });
    connect(edLimite, &QLineEdit::returnPressed, this, [this] { Calcula(); });
    auto* linhaEntrada = new QHBoxLayout;
    linhaEntrada->addWidget(new QLabel(QStringLiteral("Resistência:"), this));
    linhaEntrada->addWidget(cbxCurva);
    linhaEntrada->addSpacing(12);
    linhaEntrada->addWidget(new QLabel(QStringLiteral("Índice limite:"), this));
    linhaEntrada->addWidget(edLimite);
    linhaEntrada->addWidget(btnCalcular);
    linhaEntrada->addStretch(1);

    auto* gbxResultados = new QGroupBox(QStringLiteral("Índice de Fissuração  I = f(idade) / |tensão|"), this);
    lblCritico = new QLabel(gbxResultados);
    lblCritico->setObjectName(QStringLiteral("lblCritico"));
    lblAbaixo = new QLabel(gbxResultados);
    lblAbaixo->setObjectName(QStringLiteral("lblAbaixo"));
    lblAbaixo->setWordWrap(true);
    auto* lblInfo = new QLabel(QStringLiteral("Probabilidade de fissuração P = 1 - exp(-(I/0,92)^-4,29), "
                                              "Japan Concrete Institute (2008), informativa."),
                               gbxResultados);
    lblFundacao = new QLabel(gbxResultados);
    lblFundacao->setObjectName(QStringLiteral("lblFundacao"));
    lblFundacao->setVisible(false);
    auto* colunaResultados = new QVBoxLayout(gbxResultados);
    colunaResultados->addWidget(lblCritico);
    colunaResultados->addWidget(lblAbaixo);
    colunaResultados->addWidget(lblFundacao);
    avisoFormulacao = new TAvisoFormulacaoUi(ctx_, gbxResultados);
    colunaResultados->addWidget(avisoFormulacao);
    colunaResultados->addWidget(lblInfo);

    sgdIndices = new QTableWidget(0, 7, this);
    sgdIndices->setObjectName(QStringLiteral("sgdIndices"));
    sgdIndices->setHorizontalHeaderLabels({QStringLiteral("Nó"), QStringLiteral("Camada"), QStringLiteral("Índice mín."),
                                           QStringLiteral("Hora"),
                                           QStringLiteral("Tensão [MPa]"), QStringLiteral("Resist. [MPa]"),
                                           QStringLiteral("P")});
    sgdIndices->verticalHeader()->setVisible(false);
    sgdIndices->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgdIndices->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgdIndices->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    sgdIndices->setMinimumWidth(490);
    connect(sgdIndices, &QTableWidget::cellDoubleClicked, this, [this](int linha, int) {
        spseNo->setValue(linha + 1);
        Visualizar();
    });

    cGraficoIndice = new TPainelGrafico(this);
    cGraficoIndice->setObjectName(QStringLiteral("cGraficoIndice"));
    cGraficoIndice->DefineTitulos(QStringLiteral("Índice de Fissuração"), QStringLiteral("Tempo (horas)"),
                                  QStringLiteral("Índice"));
    cGraficoIndice->setMinimumSize(480, 340);

    spseNo = new QSpinBox(this);
    spseNo->setObjectName(QStringLiteral("spseNo"));
    spseNo->setRange(1, 1);
    spseNo->setToolTip(QStringLiteral("Nó cujo índice se deseja visualizar"));
    btnVisualizar = new QPushButton(QStringLiteral("Visualizar"), this);
    btnVisualizar->setObjectName(QStringLiteral("btnVisualizar"));
    btnApagar = new QPushButton(QStringLiteral("Apagar"), this);
    btnApagar->setObjectName(QStringLiteral("btnApagar"));
    connect(btnVisualizar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Visualizar(); }); });
    connect(btnApagar, &QPushButton::clicked, this, [this] { Apagar(); });
    auto* linhaNo = new QHBoxLayout;
    linhaNo->addWidget(new QLabel(QStringLiteral("Escolha do Nó"), this));
    linhaNo->addWidget(spseNo);
    linhaNo->addWidget(btnVisualizar);
    linhaNo->addWidget(btnApagar);
    linhaNo->addStretch(1);

    auto* direita = new QVBoxLayout;
    direita->addWidget(cGraficoIndice, 1);
    direita->addLayout(linhaNo);
    auto* baixo = new QHBoxLayout;
    baixo->addWidget(sgdIndices);
    baixo->addLayout(direita, 1);

    auto* raiz = new QVBoxLayout(this);
    raiz->setMenuBar(menu);
    raiz->addLayout(linhaEntrada);
    raiz->addWidget(gbxResultados);
    raiz->addLayout(baixo, 1);
    resize(1000, 620);
}

TCurvaTracao TfrmIndiceFissuracao::CurvaEscolhida() const {
    return static_cast<TCurvaTracao>(cbxCurva->currentData().toInt());
}

void TfrmIndiceFissuracao::Abre() {
    const HistoricoNumerico& t = ctx_.analise.Tensoes;
    if (t.Linhas() < 2 || t.Colunas() < 2 || !t.TemCabecalho()) {
        ctx_.msg.erro(QStringLiteral("O índice de fissuração precisa de uma análise tensional completa. "
                                     "Execute a análise tensional antes."));
        return;
    }
    if (!TIndiceFissuracao::ResistenciasDefinidas(ctx_.dados, CurvaEscolhida())) {
        ctx_.msg.informacao(QStringLiteral("Entre primeiro com as tensões resistentes e confirme com \"Ok\"; "
                                           "depois abra o índice de fissuração de novo."));
        if (QWidget* resistencias = ctx_.janelas.frmTracaoFlexao) {
            CamposNumericos::ApresentaJanela(resistencias);
        }
        return;
    }
    CamposNumericos::ApresentaJanela(this);
    Calcula();
}

bool TfrmIndiceFissuracao::Calcula() {
    return ExecutaAcao(ctx_.msg, [this] {
        const double limite = Numeros::TextoParaReal(edLimite->text().toStdString());
        indice_ = TIndiceFissuracao::Calcula(ctx_.dados, ctx_.analise.Tensoes, CurvaEscolhida(), limite);
        calculado_ = true;
        Mostra();
        avisoFormulacao->Confere(TResumoTermico::Calcula(ctx_.dados, ctx_.analise.Temperaturas, 70.0), &indice_,
                                 false);
    });
}

void TfrmIndiceFissuracao::Mostra() {
    const TIndiceFissuracao& r = indice_;
    cGraficoIndice->RemoveSeries();
    const int nos = static_cast<int>(r.Nos.size()) - 1;
    spseNo->setRange(1, std::max(nos, 1));
    sgdIndices->setRowCount(std::max(nos, 0));
    const QColor destaque(255, 210, 200);
    for (int n = 1; n <= nos; ++n) {
        const auto& no = r.Nos[static_cast<std::size_t>(n)];
        QStringList textos{QString::number(n), QString::number(no.Camada)};
        if (no.Fundacao) {
            textos << QStringLiteral("fundação") << QString() << QString() << QString() << QString();
        } else if (no.ComTracao) {
            textos << Fixo(no.IndiceMinimo, 3) << Q(Numeros::FormataGeral(no.Hora)) << Fixo(no.Tensao, 4)
                   << Fixo(no.Resistencia, 4) << Fixo(100.0 * no.Probabilidade, 1) + QStringLiteral(" %");
        } else {
            textos << QStringLiteral("sem tração") << QString() << QString() << QString() << QString();
        }
        const bool abaixo = no.ComTracao && no.IndiceMinimo < r.Limite;
        for (int c = 0; c < textos.size(); ++c) {
            auto* item = new QTableWidgetItem(textos[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (abaixo) {
                item->setBackground(destaque);
                item->setToolTip(QStringLiteral("Abaixo do limite"));
            }
            sgdIndices->setItem(n - 1, c, item);
        }
    }
    lblCritico->setText(Q(r.LinhaCritico()));
    lblFundacao->setText(Q(r.LinhaFundacao()));
    lblFundacao->setVisible(r.NosFundacao > 0);
    if (r.NoCritico == 0) {
        lblAbaixo->clear();
        return;
    }
    const std::vector<int> abaixo = r.NosAbaixoDoLimite();
    QStringList lista;
    for (int n : abaixo) lista << QString::number(n);
    lblAbaixo->setText(abaixo.empty() ? QStringLiteral("Nenhum nó abaixo do limite.")
                                      : QStringLiteral("Nós abaixo do limite: %1.").arg(lista.join(QStringLiteral(", "))));
    spseNo->setValue(r.NoCritico);
    AdicionaNo(r.NoCritico);
}

void TfrmIndiceFissuracao::AdicionaNo(int no) {
    if (no < 1 || no >= static_cast<int>(indice_.Nos.size())) return;
    QList<QPointF> pontos;
    for (const auto& p : indice_.Nos[static_cast<std::size_t>(no)].Indices) pontos.append(QPointF(p.hora, p.valor));
    cGraficoIndice->AdicionaSerie(QStringLiteral("Nó %1").arg(no), pontos);
    cGraficoIndice->VistaCompleta();
}

void TfrmIndiceFissuracao::Visualizar() {
    if (!calculado_) return;
    const int no = spseNo->value();
    if (no < 1 || no >= static_cast<int>(indice_.Nos.size())) return;
    if (indice_.Nos[static_cast<std::size_t>(no)].Fundacao) {
        ctx_.msg.informacao(
            QStringLiteral("O Nó %1 é da fundação: o índice de fissuração avalia só o concreto.").arg(no));
        return;
    }
    if (indice_.Nos[static_cast<std::size_t>(no)].Indices.empty()) {
        ctx_.msg.informacao(QStringLiteral("O Nó %1 não fica tracionado: não tem índice de fissuração.").arg(no));
        return;
    }
    AdicionaNo(no);
}

void TfrmIndiceFissuracao::Apagar() { cGraficoIndice->RemoveSeries(); }

void TfrmIndiceFissuracao::SalvarIndice() {
    if (!calculado_) {
        ctx_.msg.erro(QStringLiteral("Não há índice de fissuração para salvar."));
        return;
    }
    const auto escolha = SalvaComTipo::PerguntaResumo(ctx_.arquivos);
    if (!escolha) return;
    if (escolha->Tipo == SalvaComTipo::TipoCsv)
        ExportaCsv::Grava(escolha->Caminho, ExportaCsv::Indice(indice_));
    else
        indice_.Grava(escolha->Caminho);
}
