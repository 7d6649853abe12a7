#include "results/ui/frmResumoTermico.h"

#include "core/ui/AvisoFormulacao.h"

#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QVBoxLayout>

#include "analise/Analise.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "results/DeltaTAdmissivel.h"
#include "estudos/RemocaoSegura.h"
#include "results/ExportaCsv.h"
#include "serpentinas/DadosSerpentinas.h"
#include "core/ui/PainelGrafico.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Temperatura(double t) { return Q(Numeros::FormataFixo(t + 0.0, 0, 2)); }

}  // namespace

TfrmResumoTermico::TfrmResumoTermico(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmResumoTermico"));
    setWindowTitle(QStringLiteral("Resumo Térmico"));

    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("&Sair"), this, &QWidget::close);
    QMenu* arquivo = menu->addMenu(QStringLiteral("&Arquivo"));
    arquivo->addAction(QStringLiteral("Salvar Resumo"), this, [this] { ExecutaAcao(ctx_.msg, [this] { SalvarResumo(); }); });
    arquivo->addAction(QStringLiteral("Salvar Figura"), this,
                       [this] { ExecutaAcao(ctx_.msg, [this] { cGraficoDiferenca->SalvaFiguraComo(ctx_.arquivos); }); });
    QMenu* ajuda = menu->addMenu(QStringLiteral("A&juda"));
    ajuda->addAction(QStringLiteral("Definições"), this,
                     [this] { ctx_.msg.informacao(Q(TResumoTermico::Definicao())); });

    auto* gbxResultados = new QGroupBox(QStringLiteral("Resultados da Análise Térmica"), this);
    lblMaxima = new QLabel(gbxResultados);
    lblMaxima->setObjectName(QStringLiteral("lblMaxima"));
    lblDiferenca = new QLabel(gbxResultados);
    lblDiferenca->setObjectName(QStringLiteral("lblDiferenca"));
    lblDiferenca->setWordWrap(true);
    lblLimite = new QLabel(gbxResultados);
    lblLimite->setObjectName(QStringLiteral("lblLimite"));
    lblLimite->setWordWrap(true);
    lblDescoberto = new QLabel(gbxResultados);
    lblDescoberto->setObjectName(QStringLiteral("lblDescoberto"));
    lblDescoberto->setWordWrap(true);
    lblDescoberto->hide();
    for (QLabel* l : {lblMaxima, lblDiferenca, lblLimite, lblDescoberto})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* colunaResultados = new QVBoxLayout(gbxResultados);
    colunaResultados->addWidget(lblMaxima);
    colunaResultados->addWidget(lblDiferenca);
    colunaResultados->addWidget(lblLimite);
    colunaResultados->addWidget(lblDescoberto);
    avisoFormulacao = new TAvisoFormulacaoUi(ctx_, gbxResultados);
    colunaResultados->addWidget(avisoFormulacao);

    auto* lblEdLimite = new QLabel(QStringLiteral("Temperatura limite [°C]:"), this);
    edLimite = new QLineEdit(QStringLiteral("70"), this);
    edLimite->setObjectName(QStringLiteral("edLimite"));
    edLimite->setToolTip(QStringLiteral("Horas de cada nó com temperatura igual ou acima deste limite\n"
                                        "(verificação da formação de etringita tardia)"));
    edLimite->setMaximumWidth(90);
    lblEdLimite->setBuddy(edLimite);
    btnCalcular = new QPushButton(QStringLiteral("Calcular"), this);
    btnCalcular->setObjectName(QStringLiteral("btnCalcular"));
    connect(btnCalcular, &QPushButton::clicked, this, [this] { Calcula(); });
    connect(edLimite, &QLineEdit::returnPressed, this, [this] { Calcula(); });
    auto* linhaLimite = new QHBoxLayout;
    linhaLimite->addWidget(lblEdLimite);
    linhaLimite->addWidget(edLimite);
    linhaLimite->addWidget(btnCalcular);
    linhaLimite->addStretch(1);

    sgdCamadas = new QTableWidget(0, 5, this);
    sgdCamadas->setObjectName(QStringLiteral("sgdCamadas"));
    sgdCamadas->setHorizontalHeaderLabels({QStringLiteral("Camada"), QStringLiteral("Dif. [°C]"), QStringLiteral("Hora"),
                                           QStringLiteral("Nó quente"), QStringLiteral("Nó topo")});
    sgdCamadas->setToolTip(QStringLiteral("Maior diferença entre o nó mais quente de cada camada e a sua face "
                                          "superior,\nenquanto ela é a camada do topo (veja Ajuda, Definições)"));
    sgdCamadas->verticalHeader()->setVisible(false);
    sgdCamadas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgdCamadas->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    sgdHoras = new QTableWidget(0, 2, this);
    sgdHoras->setObjectName(QStringLiteral("sgdHoras"));
    sgdHoras->setHorizontalHeaderLabels({QStringLiteral("Nó"), QStringLiteral("Horas no limite ou acima")});
    sgdHoras->verticalHeader()->setVisible(false);
    sgdHoras->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgdHoras->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (QTableWidget* t : {sgdCamadas, sgdHoras}) {
        t->setMinimumWidth(330);
        t->setMaximumWidth(380);
    }

    cGraficoDiferenca = new TPainelGrafico(this);
    cGraficoDiferenca->setObjectName(QStringLiteral("cGraficoDiferenca"));
    cGraficoDiferenca->DefineTitulos(QStringLiteral("Diferença entre o ponto mais quente da camada do topo e a sua face superior"),
                                     QStringLiteral("Tempo (horas)"), QStringLiteral("Diferença (Celsius)"));
    cGraficoDiferenca->setMinimumSize(520, 340);

    edK = new QLineEdit(QStringLiteral("0,42"), this);
    edK->setObjectName(QStringLiteral("edK"));
    edK->setMaximumWidth(70);
    edK->setToolTip(QStringLiteral("ΔT admissível = f_t(t) / (E(t)·α·K), K o fator de restrição do gradiente de superfície"));
    connect(edK, &QLineEdit::returnPressed, this, [this] { Calcula(); });
    lblAdmissivel = new QLabel(this);
    lblAdmissivel->setObjectName(QStringLiteral("lblAdmissivel"));
    lblAdmissivel->setWordWrap(true);
    auto* linhaAdmissivel = new QHBoxLayout;
    linhaAdmissivel->addWidget(new QLabel(QStringLiteral("ΔT admissível, K:"), this));
    linhaAdmissivel->addWidget(edK);
    linhaAdmissivel->addWidget(lblAdmissivel, 1);

    edCamadaRemocao = new QLineEdit(QStringLiteral("1"), this);
    edCamadaRemocao->setObjectName(QStringLiteral("edCamadaRemocao"));
    edCamadaRemocao->setMaximumWidth(50);
    edProtecaoRemocao = new QLineEdit(this);
    edProtecaoRemocao->setObjectName(QStringLiteral("edProtecaoRemocao"));
    edProtecaoRemocao->setMaximumWidth(50);
    edProtecaoRemocao->setPlaceholderText(QStringLiteral("última"));
    edProtecaoRemocao->setToolTip(QStringLiteral("Número da proteção na lista da camada; vazio: a que sai por último"));
    edLimiteIndice = new QLineEdit(QStringLiteral("1"), this);
    edLimiteIndice->setObjectName(QStringLiteral("edLimiteIndice"));
    edLimiteIndice->setMaximumWidth(60);
    btnRemocaoSegura = new QPushButton(QStringLiteral("Remoção mais cedo segura"), this);
    btnRemocaoSegura->setObjectName(QStringLiteral("btnRemocaoSegura"));
    btnRemocaoSegura->setToolTip(QStringLiteral(
        "A retirada mais cedo da proteção do topo da camada (a que sai por último) que mantém o índice de\n"
        "fissuração (Tração Simples) dos seus nós no limite ou acima dali ao fim; roda as análises do problema atual."));
    lblRemocao = new QLabel(this);
    lblRemocao->setObjectName(QStringLiteral("lblRemocao"));
    lblRemocao->setWordWrap(true);
    lblRemocao->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(btnRemocaoSegura, &QPushButton::clicked, this, [this] { RemocaoSegura(); });
    auto* linhaRemocao = new QHBoxLayout;
    linhaRemocao->addWidget(new QLabel(QStringLiteral("Camada:"), this));
    linhaRemocao->addWidget(edCamadaRemocao);
    linhaRemocao->addWidget(new QLabel(QStringLiteral("Proteção:"), this));
    linhaRemocao->addWidget(edProtecaoRemocao);
    linhaRemocao->addWidget(new QLabel(QStringLiteral("Índice limite:"), this));
    linhaRemocao->addWidget(edLimiteIndice);
    linhaRemocao->addWidget(btnRemocaoSegura);
    linhaRemocao->addStretch(1);

    auto* tabelas = new QVBoxLayout;
    tabelas->addWidget(sgdCamadas, 1);
    tabelas->addWidget(sgdHoras, 2);
    auto* baixo = new QHBoxLayout;
    baixo->addLayout(tabelas);
    baixo->addWidget(cGraficoDiferenca, 1);

    auto* raiz = new QVBoxLayout(this);
    raiz->setMenuBar(menu);
    raiz->addWidget(gbxResultados);
    raiz->addLayout(linhaLimite);
    raiz->addLayout(linhaAdmissivel);
    raiz->addLayout(linhaRemocao);
    raiz->addWidget(lblRemocao);
    raiz->addLayout(baixo, 1);
    resize(900, 620);
}

void TfrmResumoTermico::Abre() {
    if (!ctx_.dados.TermicoCompleto) {
        ctx_.msg.erro(QStringLiteral("O resumo térmico precisa de uma análise térmica completa. "
                                     "Execute a análise térmica antes."));
        return;
    }
    CamposNumericos::ApresentaJanela(this);
    Calcula();
}

bool TfrmResumoTermico::Calcula() {
    return ExecutaAcao(ctx_.msg, [this] {
        const double limite = Numeros::TextoParaReal(edLimite->text().toStdString());
        resumo_ = TResumoTermico::Calcula(ctx_.dados, ctx_.analise.Temperaturas, limite);
        // The pipes' figures are those of the copy that ran.
        if (ctx_.analise.Dados)
            resumo_.Serpentinas = TResumoTermico::LinhaSerpentinas(SerpentinasDe(*ctx_.analise.Dados).Resultados);
        Mostra();
        // With a stress run, its index (Tração Simples, limit 1) is part of the verdict.
        std::optional<TIndiceFissuracao> indice;
        const HistoricoNumerico& t = ctx_.analise.Tensoes;
        if (t.Linhas() >= 2 && t.Colunas() >= 2 && t.TemCabecalho() &&
            TIndiceFissuracao::ResistenciasDefinidas(ctx_.dados, TCurvaTracao::Simples)) {
            try {
                indice = TIndiceFissuracao::Calcula(ctx_.dados, t, TCurvaTracao::Simples, 1.0);
            } catch (const std::exception&) {
                indice.reset();  // the index window says why
            }
        }
        avisoFormulacao->Confere(resumo_, indice ? &*indice : nullptr);
    });
}

void TfrmResumoTermico::Mostra() {
    const TResumoTermico& r = resumo_;
    cGraficoDiferenca->RemoveSeries();
    // A search of an earlier table is not this one's.
    lblRemocao->clear();
    sgdHoras->setRowCount(0);
    sgdCamadas->setRowCount(0);
    QStringList avisos;
    for (const std::string& a : r.Avisos) avisos << Q(a);
    if (!r.Serpentinas.empty()) avisos << Q(r.Serpentinas);
    lblDescoberto->setText(avisos.join(QLatin1Char('\n')));
    lblDescoberto->setVisible(!r.Vazio && !avisos.isEmpty());
    avisoFormulacao->Mostra({});
    if (r.Vazio) {
        lblMaxima->setText(QStringLiteral("A tabela de temperaturas não tem linhas calculadas."));
        lblDiferenca->clear();
        lblLimite->clear();
        return;
    }
    lblMaxima->setText(QStringLiteral("Temperatura máxima: %1 °C no Nó %2, na hora %3.")
                           .arg(Temperatura(r.TMaxima))
                           .arg(r.NoTMax)
                           .arg(Q(Numeros::FormataGeral(r.HoraTMax))));
    lblDiferenca->setText(Q(r.LinhaDiferenca()));
    const QString limite = Q(Numeros::FormataGeral(r.Limite));
    lblLimite->setText(r.NoPior == 0 ? QStringLiteral("Nenhum nó atinge %1 °C.").arg(limite)
                                     : QStringLiteral("Nó com mais horas a %1 °C ou acima: Nó %2, %3 horas.")
                                           .arg(limite)
                                           .arg(r.NoPior)
                                           .arg(Q(Numeros::FormataGeral(r.HorasPior))));

    const int nos = static_cast<int>(r.HorasAcima.size()) - 1;
    sgdHoras->setRowCount(std::max(nos, 0));
    for (int n = 1; n <= nos; ++n) {
        auto* no = new QTableWidgetItem(QString::number(n));
        auto* horas = new QTableWidgetItem(Q(Numeros::FormataGeral(r.HorasAcima[static_cast<std::size_t>(n)])));
        no->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        horas->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (n == r.NoPior) {
            for (QTableWidgetItem* i : {no, horas}) i->setBackground(QColor(255, 210, 200));
        }
        sgdHoras->setItem(n - 1, 0, no);
        sgdHoras->setItem(n - 1, 1, horas);
    }

    sgdCamadas->setRowCount(static_cast<int>(r.Camadas.size()));
    for (int i = 0; i < static_cast<int>(r.Camadas.size()); ++i) {
        const TResumoTermico::DiferencaCamada& c = r.Camadas[static_cast<std::size_t>(i)];
        const QStringList textos{QString::number(c.Camada), Temperatura(c.DifMaxima), Q(Numeros::FormataGeral(c.Hora)),
                                 QString::number(c.NoQuente), QString::number(c.NoTopo)};
        for (int col = 0; col < textos.size(); ++col) {
            auto* item = new QTableWidgetItem(textos[col]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c.Camada == r.CamadaDif) item->setBackground(QColor(255, 210, 200));
            sgdCamadas->setItem(i, col, item);
        }
    }

    QList<QPointF> pontos;
    pontos.reserve(static_cast<qsizetype>(r.Diferenca.size()));
    for (const auto& p : r.Diferenca) pontos.append(QPointF(p.hora, p.valor));
    cGraficoDiferenca->AdicionaSerie(QStringLiteral("Diferença"), pontos);
    MostraAdmissivel();
    const auto limiteDif = LimitesGraficos::Diferenca(ctx_.janelas);
    cGraficoDiferenca->DefineLimite(
        limiteDif, limiteDif ? QStringLiteral("Limite núcleo–superfície %1 °C").arg(Q(Numeros::FormataGeral(*limiteDif)))
                       : QString());
    cGraficoDiferenca->VistaCompleta();
}

void TfrmResumoTermico::MostraAdmissivel() {
    // Without the stress inputs the summary stands alone; the label says what is missing.
    TDeltaTAdmissivel adm;
    try {
        const double K = Numeros::TextoParaReal(edK->text().toStdString());
        adm = TDeltaTAdmissivel::Calcula(ctx_.dados, resumo_, TCurvaTracao::Simples, K);
    } catch (const std::exception& e) {
        lblAdmissivel->setText(Q(e.what()));
        return;
    }
    lblAdmissivel->setText(Q(adm.Linha()));
    QList<QPointF> pontos;
    for (const auto& p : adm.Admissivel) pontos.append(QPointF(p.hora, p.valor));
    cGraficoDiferenca->AdicionaSerie(QStringLiteral("ΔT admissível (Tração Simples)"), pontos);
    // The hours above it, as markers over the computed curve: one series per run of
    // consecutive rows, so that no segment bridges the hours within the allowable.
    QList<QPointF> trecho;
    bool primeiro = true;
    auto fecha = [&] {
        if (trecho.isEmpty()) return;
        cGraficoDiferenca->AdicionaSerie(QStringLiteral("Acima da admissível"), trecho);
        QLineSeries* s = cGraficoDiferenca->Series().back();
        s->setColor(QColor(200, 0, 0));
        s->setPointsVisible(true);
        QPen caneta = s->pen();
        caneta.setWidth(3);
        s->setPen(caneta);
        if (!primeiro) {
            for (QLegendMarker* m : cGraficoDiferenca->Grafico()->legend()->markers(s)) m->setVisible(false);
        }
        primeiro = false;
        trecho.clear();
    };
    std::size_t i = 0;
    for (const auto& p : resumo_.Diferenca) {
        const bool acima = i < adm.Excede.size() && adm.Excede[i].hora == p.hora;
        if (acima) {
            trecho.append(QPointF(p.hora, p.valor));
            ++i;
        } else {
            fecha();
        }
    }
    fecha();
}

bool TfrmResumoTermico::RemocaoSegura() {
    return ExecutaAcao(ctx_.msg, [this] {
        const int camada = Numeros::TextoParaInteiro(edCamadaRemocao->text().toStdString());
        const QString textoProtecao = edProtecaoRemocao->text().trimmed();
        const int protecao = textoProtecao.isEmpty() ? 0 : Numeros::TextoParaInteiro(textoProtecao.toStdString());
        if (!textoProtecao.isEmpty() && protecao < 1) throw ErroEntrada("A proteção é numerada a partir de 1.");
        const double limite = Numeros::TextoParaReal(edLimiteIndice->text().toStdString());
        lblRemocao->clear();
        Progresso semJanela;
        const TRemocaoSegura r =
            TRemocaoSegura::Busca(ctx_.dados, camada, protecao, limite, TCurvaTracao::Simples, semJanela);
        lblRemocao->setText(Q(r.Texto()).trimmed());
    });
}

void TfrmResumoTermico::SalvarResumo() {
    if (resumo_.Vazio) {
        ctx_.msg.erro(QStringLiteral("Não há resumo térmico para salvar."));
        return;
    }
    const auto escolha = EscolheArquivo(ctx_.arquivos);
    if (!escolha) return;
    if (escolha->Tipo == SalvaComTipo::TipoCsv)
        ExportaCsv::Grava(escolha->Caminho, ExportaCsv::Resumo(resumo_));
    else
        resumo_.Grava(escolha->Caminho);
}

std::optional<SalvaComTipo::Escolha> TfrmResumoTermico::EscolheArquivo(DialogosArquivo& arquivos) {
    return SalvaComTipo::PerguntaResumo(arquivos);
}
