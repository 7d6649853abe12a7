#include "estudos/ui/frmAjusteRapido.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPointF>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/PainelGrafico.h"
#include "core/ui/Programa.h"
#include "relatorio/Relatorio.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Fixo(double v, int decimais) { return Q(Numeros::FormataFixo(v + 0.0, 0, decimais)); }
QString Geral(double v) { return CamposNumericos::Geral(v); }

const TParametroEstudo& ParametroDe(int i) { return Estudo::Parametros()[static_cast<std::size_t>(i)]; }

// Positions of a lever's slider: its options, or its steps from the minimum.
int Posicoes(const AjusteRapido::TAlavanca& a) {
    if (!a.Opcoes.empty()) return static_cast<int>(a.Opcoes.size()) - 1;
    return a.Passo > 0.0 ? static_cast<int>(std::lround((a.Maximo - a.Minimo) / a.Passo)) : 0;
}

double ValorDaPosicao(const AjusteRapido::TAlavanca& a, int i) {
    if (!a.Opcoes.empty()) return a.Opcoes[static_cast<std::size_t>(std::clamp(i, 0, Posicoes(a)))];
    // Rounded to the step's decimals, so that the field shows 14,5 and not 14,499999…
    return Numeros::TextoParaReal(Numeros::FormataFixo(a.Minimo + i * a.Passo, 0, 6));
}

int PosicaoDoValor(const AjusteRapido::TAlavanca& a, double v) {
    if (!a.Opcoes.empty()) {
        int melhor = 0;
        for (int i = 1; i <= Posicoes(a); ++i)
            if (std::fabs(a.Opcoes[static_cast<std::size_t>(i)] - v) <
                std::fabs(a.Opcoes[static_cast<std::size_t>(melhor)] - v))
                melhor = i;
        return melhor;
    }
    if (!(a.Passo > 0.0)) return 0;
    return std::clamp(static_cast<int>(std::lround((v - a.Minimo) / a.Passo)), 0, Posicoes(a));
}

void Pinta(QLabel* rotulo, std::optional<bool> atende) {
    rotulo->setStyleSheet(!atende ? QString()
                          : *atende ? QStringLiteral("color: #1b7a1b;")
                                    : QStringLiteral("color: #b00020;"));
}

}  // namespace

TfrmAjusteRapido::TfrmAjusteRapido(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmAjusteRapido"));
    setWindowTitle(QStringLiteral("Ajuste Rápido"));
    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("&Sair"), this, &QWidget::close);

    // The levers: a slider and a field per row of the study table the panel knows.
    auto* gbxAlavancas = new QGroupBox(QStringLiteral("Alavancas do plano"), this);
    auto* grade = new QGridLayout(gbxAlavancas);
    grade->setColumnStretch(1, 1);
    for (int p : AjusteRapido::Conhecidas()) {
        const TParametroEstudo& par = ParametroDe(p);
        const QString chave = Q(std::string(par.Chave));
        Linha l;
        l.Parametro = p;
        l.Rotulo = new QLabel(Q(par.Cabecalho()) + QStringLiteral(":"), gbxAlavancas);
        l.Barra = new QSlider(Qt::Horizontal, gbxAlavancas);
        l.Barra->setObjectName(QStringLiteral("sl") + chave);
        l.Barra->setMinimumWidth(220);
        l.Campo = CamposNumericos::NovoCampo(gbxAlavancas, ("ed" + std::string(par.Chave)).c_str(), QString(), 80);
        l.Campo->setMaximumWidth(100);
        l.Rotulo->setBuddy(l.Campo);
        const int linha = static_cast<int>(linhas.size());
        grade->addWidget(l.Rotulo, linha, 0);
        grade->addWidget(l.Barra, linha, 1);
        grade->addWidget(l.Campo, linha, 2);
        linhas.push_back(l);
    }
    for (Linha& l : linhas) {
        const int p = l.Parametro;
        connect(l.Barra, &QSlider::valueChanged, this, [this, p](int posicao) {
            Linha* l = LinhaDe(p);
            l->Valor = ValorDaPosicao(l->Alavanca, posicao);
            l->Campo->setText(Geral(l->Valor));
            Dispara();
        });
        connect(l.Campo, &QLineEdit::editingFinished, this, [this, p] {
            Linha* l = LinhaDe(p);
            if (!l->Campo->isModified()) return;
            l->Campo->setModified(false);
            ExecutaAcao(ctx_.msg, [&] { DefineValor(p, CamposNumericos::Real(l->Campo)); });
        });
    }

    // What the trial gives.
    auto* gbxSaidas = new QGroupBox(QStringLiteral("Resultado do ensaio"), this);
    lblTMaxima = new QLabel(gbxSaidas);
    lblTMaxima->setObjectName(QStringLiteral("lblTMaxima"));
    lblDiferenca = new QLabel(gbxSaidas);
    lblDiferenca->setObjectName(QStringLiteral("lblDiferenca"));
    lblIndice = new QLabel(gbxSaidas);
    lblIndice->setObjectName(QStringLiteral("lblIndice"));
    lblAtende = new QLabel(gbxSaidas);
    lblAtende->setObjectName(QStringLiteral("lblAtende"));
    QFont negrito = lblAtende->font();
    negrito.setBold(true);
    lblAtende->setFont(negrito);
    lblSituacao = new QLabel(this);
    lblSituacao->setObjectName(QStringLiteral("lblSituacao"));
    auto* caixaSaidas = new QVBoxLayout(gbxSaidas);
    for (QLabel* r : {lblTMaxima, lblDiferenca, lblIndice, lblAtende}) caixaSaidas->addWidget(r);
    caixaSaidas->addStretch(1);

    btnAplicar = new QPushButton(QStringLiteral("Aplicar ao problema"), this);
    btnAplicar->setObjectName(QStringLiteral("btnAplicar"));
    btnAplicar->setToolTip(QStringLiteral("Grava os valores no problema (Desfazer volta atrás)"));
    btnRestaurar = new QPushButton(QStringLiteral("Valores do problema"), this);
    btnRestaurar->setObjectName(QStringLiteral("btnRestaurar"));
    btnRestaurar->setToolTip(QStringLiteral("Volta às alavancas como o problema as tem"));
    connect(btnAplicar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Aplicar(); }); });
    connect(btnRestaurar, &QPushButton::clicked, this, [this] { Restaura(); });
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(lblSituacao, 1);
    botoes->addWidget(btnRestaurar);
    botoes->addWidget(btnAplicar);

    cCurvas = new TPainelGrafico(this);
    cCurvas->setObjectName(QStringLiteral("cCurvas"));
    cCurvas->DefineTitulos(QStringLiteral("Temperaturas do ensaio"), QStringLiteral("Tempo (horas)"),
                           QStringLiteral("Temperatura (Celsius)"));
    cCurvas->setMinimumSize(560, 320);

    auto* topo = new QHBoxLayout;
    topo->addWidget(gbxAlavancas, 1);
    topo->addWidget(gbxSaidas, 1);
    auto* raiz = new QVBoxLayout(this);
    raiz->setMenuBar(menu);
    raiz->addLayout(topo);
    raiz->addLayout(botoes);
    raiz->addWidget(cCurvas, 1);
    resize(1100, 740);

    // Another problem, a change of a dialog, undo or redo: the levers read it again.
    if (ctx_.historico) {
        connect(ctx_.historico, &HistoricoProblema::RevisaoMudou, this, [this] {
            if (isVisible() && RevisaoAtual(ctx_) != revisao_) Recarrega();
        });
    }
    Limpa(QString());
}

TfrmAjusteRapido::~TfrmAjusteRapido() {
    if (cancela_) cancela_->store(true);
    for (QThread* t : threads_) {
        t->wait();
        delete t;
    }
}

void TfrmAjusteRapido::Abre() {
    CamposNumericos::ApresentaJanela(this);
    Recarrega();
}

TfrmAjusteRapido::Linha* TfrmAjusteRapido::LinhaDe(int parametro) {
    for (Linha& l : linhas)
        if (l.Parametro == parametro) return &l;
    return nullptr;
}

void TfrmAjusteRapido::MoveBarra(Linha& l) {
    const QSignalBlocker bloqueio(l.Barra);
    l.Barra->setRange(0, Posicoes(l.Alavanca));
    l.Barra->setValue(PosicaoDoValor(l.Alavanca, l.Valor));
    l.Campo->setText(Geral(l.Valor));
    l.Campo->setModified(false);
}

void TfrmAjusteRapido::Recarrega() {
    problema_ = std::make_shared<const TDadosModelo>(ctx_.dados);
    revisao_ = RevisaoAtual(ctx_);
    std::vector<AjusteRapido::TAlavanca> alavancas;
    QString erro;
    ExecutaAcao(ctx_.msg, [&] { alavancas = AjusteRapido::Alavancas(*problema_); });
    for (Linha& l : linhas) {
        const auto a = std::find_if(alavancas.begin(), alavancas.end(),
                                    [&](const auto& x) { return x.Parametro == l.Parametro; });
        const bool tem = a != alavancas.end();
        for (QWidget* w : {static_cast<QWidget*>(l.Rotulo), static_cast<QWidget*>(l.Barra),
                           static_cast<QWidget*>(l.Campo)})
            w->setVisible(tem);
        l.Ativa = tem;
        if (!tem) continue;
        l.Alavanca = *a;
        l.Valor = a->Atual;
        MoveBarra(l);
    }
    if (alavancas.empty()) {
        Limpa(QStringLiteral("O problema não tem camadas de concreto para ajustar."));
        return;
    }
    Dispara();
}

void TfrmAjusteRapido::Restaura() {
    for (Linha& l : linhas) {
        if (!l.Ativa) continue;
        l.Valor = l.Alavanca.Atual;
        MoveBarra(l);
    }
    Dispara();
}

std::optional<double> TfrmAjusteRapido::Valor(int parametro) const {
    for (const Linha& l : linhas)
        if (l.Parametro == parametro && l.Ativa) return l.Valor;
    return std::nullopt;
}

void TfrmAjusteRapido::DefineValor(int parametro, double valor) {
    Linha* l = LinhaDe(parametro);
    if (!l || !l->Ativa) return;
    l->Valor = valor;
    MoveBarra(*l);
    Dispara();
}

void TfrmAjusteRapido::Dispara() {
    if (!problema_) return;
    std::vector<std::pair<int, double>> valores;
    for (const Linha& l : linhas)
        if (l.Ativa) valores.emplace_back(l.Parametro, l.Valor);
    const LimitesRelatorio padrao;
    auto ensaio = std::make_shared<const TEstudo>(AjusteRapido::Ensaio(
        problema_, valores, LimitesGraficos::Temperatura(ctx_.janelas).value_or(padrao.Temperatura),
        LimitesGraficos::Diferenca(ctx_.janelas).value_or(padrao.Diferenca), padrao.Indice));
    btnAplicar->setEnabled(!ensaio->Variacoes.empty());

    // A newer change: the run under way stops and what it gives is dropped.
    if (cancela_) cancela_->store(true);
    auto cancela = std::make_shared<std::atomic<bool>>(false);
    cancela_ = cancela;
    const int geracao = ++geracao_;
    auto saida = std::make_shared<AjusteRapido::TResultado>();
    QThread* t = QThread::create([ensaio, cancela, saida] { *saida = AjusteRapido::Roda(*ensaio, cancela.get()); });
    threads_.push_back(t);
    ++emCurso_;
    lblSituacao->setText(QStringLiteral("Calculando…"));
    connect(t, &QThread::finished, this, [this, t, geracao, saida] {
        --emCurso_;
        threads_.erase(std::remove(threads_.begin(), threads_.end(), t), threads_.end());
        t->deleteLater();
        if (geracao != geracao_) {
            ++descartadas_;
            return;
        }
        Mostra(*saida);
    });
    t->start();
}

void TfrmAjusteRapido::Limpa(const QString& situacao) {
    resultado_.reset();
    lblTMaxima->setText(QStringLiteral("Temperatura máxima: —"));
    lblDiferenca->setText(QStringLiteral("Maior diferença núcleo–superfície: —"));
    lblIndice->setText(QStringLiteral("Menor índice de fissuração: —"));
    lblAtende->setText(QString());
    for (QLabel* r : {lblTMaxima, lblDiferenca, lblIndice, lblAtende}) Pinta(r, std::nullopt);
    lblSituacao->setText(situacao);
    cCurvas->RemoveSeries();
    btnAplicar->setEnabled(false);
}

void TfrmAjusteRapido::Mostra(const AjusteRapido::TResultado& r) {
    if (r.Cancelado) return;
    if (!r.Ok) {
        Limpa(QStringLiteral("Sem resultado: ") + Q(r.Erro));
        return;
    }
    resultado_ = r;
    const LimitesRelatorio padrao;
    const double limT = LimitesGraficos::Temperatura(ctx_.janelas).value_or(padrao.Temperatura);
    const double limD = LimitesGraficos::Diferenca(ctx_.janelas).value_or(padrao.Diferenca);
    lblTMaxima->setText(QStringLiteral("Temperatura máxima: %1 °C no nó %2 (limite %3 °C)")
                            .arg(Fixo(r.TMaxima, 2), QString::number(r.NoMaisQuente), Geral(limT)));
    lblDiferenca->setText(QStringLiteral("Maior diferença núcleo–superfície: %1 °C (limite %2 °C)")
                              .arg(Fixo(r.DifMaxima, 2), Geral(limD)));
    Pinta(lblTMaxima, r.AtendeTemperatura);
    Pinta(lblDiferenca, r.AtendeDiferenca);
    if (!r.ComTensoes) {
        lblIndice->setText(QStringLiteral("Menor índice de fissuração: sem análise de tensões "
                                          "(falta o modelo de fluência ou a resistência à tração simples)"));
        Pinta(lblIndice, std::nullopt);
    } else if (!r.ComIndice) {
        lblIndice->setText(QStringLiteral("Menor índice de fissuração: nenhum nó tracionado"));
        Pinta(lblIndice, true);
    } else {
        lblIndice->setText(QStringLiteral("Menor índice de fissuração: %1 (mínimo %2)")
                               .arg(Fixo(r.IndiceMinimo, 3), Geral(padrao.Indice)));
        Pinta(lblIndice, r.AtendeIndice);
    }
    lblAtende->setText(r.Atende ? QStringLiteral("Atende aos limites") : QStringLiteral("Não atende aos limites"));
    Pinta(lblAtende, r.Atende);
    lblSituacao->setText(QStringLiteral("Ensaio sobre uma cópia do problema: os resultados do problema não mudam."));

    const auto pontos = [](const std::vector<CurvasTemperatura::Ponto>& curva) {
        QList<QPointF> p;
        p.reserve(static_cast<qsizetype>(curva.size()));
        for (const auto& q : curva) p.append(QPointF(q.x, q.y));
        return p;
    };
    cCurvas->RemoveSeries();
    cCurvas->AdicionaSerie(QStringLiteral("Nó mais quente (nó %1)").arg(r.NoMaisQuente), pontos(r.CurvaMaisQuente));
    cCurvas->AdicionaSerie(QStringLiteral("Topo (nó %1)").arg(r.NoTopo), pontos(r.CurvaTopo));
    cCurvas->DefineLimite(limT, QStringLiteral("Limite de %1 °C").arg(Geral(limT)));
    cCurvas->VistaCompleta();
}

bool TfrmAjusteRapido::Aplicar() {
    if (!problema_) return false;
    std::vector<std::pair<int, double>> valores;
    for (const Linha& l : linhas)
        if (l.Ativa) valores.emplace_back(l.Parametro, l.Valor);
    const TEstudo ensaio = AjusteRapido::Ensaio(problema_, valores, 0, 0, 0);
    if (ensaio.Variacoes.empty()) return false;
    // A panel read from another revision would write over changes made since.
    if (RevisaoAtual(ctx_) != revisao_) {
        Recarrega();
        return false;
    }
    // Refused values (a height that does not divide the member) are refused here too,
    // before anything is written.
    Estudo::MontaCaso(ensaio, AjusteRapido::Valores(ensaio));
    AlteraProblema(ctx_, QStringLiteral("Ajuste Rápido"), [&] { AjusteRapido::Aplica(ensaio, ctx_.dados); });
    if (ctx_.janelas.programa)
        ctx_.janelas.programa->MostraStatus(QStringLiteral(" Valores do ajuste rápido aplicados: execute a análise"));
    if (RevisaoAtual(ctx_) != revisao_) Recarrega();
    return true;
}
