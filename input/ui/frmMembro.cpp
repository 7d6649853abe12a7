#include "input/ui/frmMembro.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/Agregados.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "input/UnidadesEntrada.h"
#include "core/ui/CamposNumericos.h"

using CamposNumericos::Geral;
using CamposNumericos::NovoCampo;
using CamposNumericos::Real;

TfrmMembro::TfrmMembro(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      edMembro(NovoCampo(this, "edMembro", QStringLiteral("1"))),
      edXini(NovoCampo(this, "edXini", QStringLiteral("0"))),
      edH(NovoCampo(this, "edH", QString())),
      cbAgregado(new QComboBox(this)),
      edK(NovoCampo(this, "edK", QStringLiteral("2"))),
      edRo(NovoCampo(this, "edRo", QStringLiteral("2348"))),
      edCalorEsp(NovoCampo(this, "edCalorEsp", QStringLiteral("837"))),
      edAlfa(NovoCampo(this, "edAlfa", QStringLiteral("10,0"))),
      lbUnidadeK(new QLabel(QStringLiteral("[W/m.C]"), this)),
      lbUnidadeCalorEsp(new QLabel(QStringLiteral("[J/kg.C]"), this)),
      gbxFundacao(new QGroupBox(QStringLiteral("Fundação"), this)),
      ckbFundacao(new QCheckBox(QStringLiteral("Incluir"), gbxFundacao)),
      chkFormaDeslizante(new QCheckBox(QStringLiteral("Forma Deslizante"), this)),
      gbxFormaDeslizante(new QGroupBox(this)),
      edEspessuraForma(NovoCampo(gbxFormaDeslizante, "edEspessuraForma", QStringLiteral("0,35"))),
      edVelocidadeForma(NovoCampo(gbxFormaDeslizante, "edVelocidadeForma", QStringLiteral("5"))),
      btnInserir(new QPushButton(QStringLiteral("Inserir"), this)),
      Button1(new QPushButton(QStringLiteral("Sair"), this)),
      ctx_(ctx),
      laco_(edMembro) {
    setObjectName(QStringLiteral("frmMembro"));
    setWindowTitle(QStringLiteral("Inserir Camada"));
    lbUnidadeK->setObjectName(QStringLiteral("lbUnidadeK"));
    lbUnidadeCalorEsp->setObjectName(QStringLiteral("lbUnidadeCalorEsp"));
    gbxFundacao->setObjectName(QStringLiteral("gbxFundacao"));
    ckbFundacao->setObjectName(QStringLiteral("ckbFundacao"));
    chkFormaDeslizante->setObjectName(QStringLiteral("chkFormaDeslizante"));
    gbxFormaDeslizante->setObjectName(QStringLiteral("gbxFormaDeslizante"));
    btnInserir->setObjectName(QStringLiteral("btnInserir"));
    cbAgregado->setObjectName(QStringLiteral("cbAgregado"));
    for (const auto& a : Agregados::Tabela()) cbAgregado->addItem(QString::fromUtf8(a.Nome), static_cast<int>(a.Agregado));
    cbAgregado->setCurrentIndex(cbAgregado->count() - 1);  // "Outro"
    cbAgregado->setToolTip(QStringLiteral(
        "O agregado graúdo preenche o calor específico e a dilatação térmica com valores típicos do concreto "
        "feito com ele (editáveis); a condutividade fica como está."));
    Button1->setObjectName(QStringLiteral("Button1"));

    edMembro->setReadOnly(true);
    edMembro->setEnabled(false);
    edXini->setReadOnly(true);
    edXini->setEnabled(false);
    gbxFundacao->setToolTip(QStringLiteral(
        "Com a fundação incluída, o cálculo de tensões toma o nível superior da camada de fundação "
        "como referência, considerado de restrição máxima (método simplificado do ACI)."));

    auto* grade = new QGridLayout;
    struct Coluna {
        const char* rotulo;
        QWidget* unidade;
        QWidget* campo;
    };
    const Coluna colunas[] = {
        {"Camada", nullptr, edMembro},
        {"Y (Inicial)", new QLabel(QStringLiteral("[m]"), this), edXini},
        {"Espessura", new QLabel(QStringLiteral("[m]"), this), edH},
        {"Agregado", nullptr, cbAgregado},
        {"Condutividade Térmica", lbUnidadeK, edK},
        {"Massa Específica", new QLabel(QStringLiteral("[Kg/m^3]"), this), edRo},
        {"Calor espec.", lbUnidadeCalorEsp, edCalorEsp},
        {"Dilatação Térmica", new QLabel(QStringLiteral("[(10^-6)/°C]"), this), edAlfa},
    };
    int c = 0;
    for (const Coluna& col : colunas) {
        grade->addWidget(new QLabel(QString::fromUtf8(col.rotulo), this), 0, c);
        if (col.unidade) grade->addWidget(col.unidade, 1, c);
        grade->addWidget(col.campo, 2, c);
        ++c;
    }

    auto* layFundacao = new QVBoxLayout(gbxFundacao);
    layFundacao->addWidget(ckbFundacao);

    auto* layForma = new QGridLayout(gbxFormaDeslizante);
    layForma->addWidget(new QLabel(QStringLiteral("Espessura:"), gbxFormaDeslizante), 0, 0);
    layForma->addWidget(edEspessuraForma, 0, 1);
    layForma->addWidget(new QLabel(QStringLiteral("[m]"), gbxFormaDeslizante), 0, 2);
    layForma->addWidget(new QLabel(QStringLiteral("Velocidade:"), gbxFormaDeslizante), 1, 0);
    layForma->addWidget(edVelocidadeForma, 1, 1);
    layForma->addWidget(new QLabel(QStringLiteral("[h/camada]"), gbxFormaDeslizante), 1, 2);
    // Every layer is entered on its own: the sliding form is shown but never enabled.
    chkFormaDeslizante->setEnabled(false);
    gbxFormaDeslizante->setEnabled(false);

    auto* layForma2 = new QVBoxLayout;
    layForma2->addWidget(chkFormaDeslizante);
    layForma2->addWidget(gbxFormaDeslizante);

    auto* botoes = new QVBoxLayout;
    botoes->addWidget(btnInserir);
    botoes->addWidget(Button1);
    botoes->addStretch();

    auto* baixo = new QHBoxLayout;
    baixo->addWidget(gbxFundacao, 0, Qt::AlignTop);
    baixo->addLayout(layForma2);
    baixo->addStretch();
    baixo->addLayout(botoes);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(laco_.Navegacao());
    principal->addLayout(grade);
    principal->addLayout(baixo);

    laco_.preenche = [this](int n) { PreencheCamada(n); };
    laco_.ultima = [this] { return ctx_.dados.NCamadas; };
    connect(cbAgregado, &QComboBox::activated, this, [this] { EscolheAgregado(); });
    connect(btnInserir, &QPushButton::clicked, this, [this] { Inserir(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Sair(); });
}

void TfrmMembro::Abre() {
    const bool usuais = ctx_.dados.UnidadesUsuais;
    edH->setEnabled(true);
    lbUnidadeK->setText(usuais ? QStringLiteral("[kCal/m.d.C]") : QStringLiteral("[W/m.C]"));
    lbUnidadeCalorEsp->setText(usuais ? QStringLiteral("[Cal/g.C]") : QStringLiteral("[J/kg.C]"));
    edK->setText(usuais ? QStringLiteral("43,20") : QStringLiteral("2"));
    edCalorEsp->setText(usuais ? QStringLiteral("0,20") : QStringLiteral("837"));
    laco_.Atualiza();
    CamposNumericos::ApresentaJanela(this);
}

void TfrmMembro::HabilitaFundacao() { ckbFundacao->setEnabled(true); }

// A project opened: a new entry starts at its layer 1, the foundation as stored.
// Undo and redo keep the layer shown.
void TfrmMembro::MostraEstado(bool novoProjeto) {
    if (novoProjeto) {
        ckbFundacao->setChecked(ctx_.dados.Fundacao);
        ckbFundacao->setEnabled(true);
        laco_.Reinicia();
    }
    if (isVisible()) laco_.Atualiza();
}

// Layer n as stored; a layer beyond the member starts from the layer below: its
// start at the top of that layer, its properties, an empty thickness.
void TfrmMembro::PreencheCamada(int n) {
    const TDadosModelo& d = ctx_.dados;
    const bool usuais = d.UnidadesUsuais;
    const int abaixo = n <= d.NCamadas ? n : n - 1;
    if (abaixo >= 1 && abaixo <= d.NCamadas) {
        const TCamada& c = d.Camadas[static_cast<std::size_t>(abaixo)];
        const double k = UnidadesEntrada::CondutividadeDigitada(c.K, usuais);
        const double alfa = UnidadesEntrada::DilatacaoDigitada(c.Alfa);
        laco_.Exibe(edK, Geral(k), c.K);
        laco_.Exibe(edRo, Geral(c.Ro), c.Ro);
        laco_.Exibe(edCalorEsp, Geral(c.CalorEsp), c.CalorEsp);
        laco_.Exibe(edAlfa, Geral(alfa), c.Alfa);
        const auto a = d.Agregados.find(abaixo);
        const TAgregado agregado = a != d.Agregados.end() ? a->second : TAgregado::Outro;
        cbAgregado->setCurrentIndex(cbAgregado->findData(static_cast<int>(agregado)));
    }
    if (n <= d.NCamadas) {
        const TCamada& c = d.Camadas[static_cast<std::size_t>(n)];
        laco_.Exibe(edH, Geral(c.Espessura), c.Espessura);
        laco_.Exibe(edXini, Geral(c.XIni), c.XIni);
    } else {
        edH->clear();
        const double xIni = abaixo >= 1 ? d.Camadas[static_cast<std::size_t>(abaixo)].XIni +
                                              d.Camadas[static_cast<std::size_t>(abaixo)].Espessura
                                        : 0.0;
        edXini->setText(Geral(xIni));
    }
    edH->setEnabled(true);
}

// The typed fields take the aggregate's values in the units shown; "Outro" and a value
// the table does not give leave the field as it is.
void TfrmMembro::EscolheAgregado() {
    const auto& p = Agregados::Propriedades(static_cast<TAgregado>(cbAgregado->currentData().toInt()));
    const bool usuais = ctx_.dados.UnidadesUsuais;
    if (p.CalorEspCal) edCalorEsp->setText(Geral(usuais ? *p.CalorEspCal : *p.CalorEspJ));
    if (p.AlfaMicro) edAlfa->setText(Geral(*p.AlfaMicro));
    if (p.K) edK->setText(Geral(UnidadesEntrada::CondutividadeDigitada(*p.K, usuais)));
}

void TfrmMembro::Inserir() {
    TDadosModelo& d = ctx_.dados;
    ExecutaAcao(ctx_.msg, [&] {
        const int n = laco_.Atual();
        LacoCamadas::VerificaCapacidade(n);
        if (edH->text().isEmpty()) {
            // Nothing is stored: a layer without thickness would not be part of the member.
            ctx_.msg.erro(QStringLiteral("Não existe camada sem espessura. Inserir a camada novamente."));
        } else {
            // Every field converted before any is stored: a bad one stores nothing.
            TCamada camada = n <= d.NCamadas ? d.Camadas[static_cast<std::size_t>(n)] : TCamada{};
            camada.XIni = laco_.Valor(edXini);
            camada.K = laco_.Valor(edK, [&](double v) { return UnidadesEntrada::CondutividadeArmazenada(v, d.UnidadesUsuais); });
            camada.Ro = laco_.Valor(edRo);
            camada.CalorEsp = laco_.Valor(edCalorEsp);
            camada.Alfa = laco_.Valor(edAlfa, [](double v) { return UnidadesEntrada::DilatacaoArmazenada(v); });
            camada.Espessura = laco_.Valor(edH);
            const bool fundacao = ckbFundacao->isChecked();
            const auto agregado = static_cast<TAgregado>(cbAgregado->currentData().toInt());
            AlteraProblema(ctx_, NomeCamada(QStringLiteral("Inserir Camada"), n), [&] {
                if (fundacao) d.Fundacao = true;
                if (agregado == TAgregado::Outro) d.Agregados.erase(n);
                else d.Agregados[n] = agregado;
                TCamada& c = d.Camadas[static_cast<std::size_t>(n)];
                // The layers above keep their thicknesses and rest on this one.
                double topo = camada.XIni + camada.Espessura;
                const double topoAntes = c.XIni + c.Espessura;
                const bool mudouTopo = n <= d.NCamadas && topo != topoAntes;
                // Placement and temperature belong to the initial conditions.
                camada.HoraConcretagem = c.HoraConcretagem;
                camada.TInicial = c.TInicial;
                c = camada;
                if (mudouTopo) {
                    for (int k = n + 1; k <= d.NCamadas; ++k) {
                        TCamada& acima = d.Camadas[static_cast<std::size_t>(k)];
                        acima.XIni = topo;
                        topo += acima.Espessura;
                    }
                }
                if (n > d.NCamadas) d.NCamadas = n;
                if (d.NCamadasMembro < d.NCamadas) d.NCamadasMembro = d.NCamadas;
            });
            if (ctx_.msg.confirma(QStringLiteral("Os dados desta camada estão corretos?"))) {
                if (n >= MaxCamadas) {
                    // The layer table and the analysis hold no more: this layer ends the member.
                    ctx_.msg.informacao(QStringLiteral(
                        "O membro chegou ao limite de 300 camadas: esta é a última camada."));
                    Conclui(n);
                } else if (ctx_.msg.confirma(QStringLiteral("Deseja inserir mais uma Camada?"))) {
                    laco_.VaiPara(n + 1);
                } else {
                    Conclui(n);
                }
            }
        }
        ckbFundacao->setChecked(false);
        ckbFundacao->setEnabled(false);
    });
}

// "No more layers" at layer n: the member ends there. Layers above it are dropped
// only when the user confirms it; otherwise the member stays whole.
void TfrmMembro::Conclui(int n) {
    TDadosModelo& d = ctx_.dados;
    if (n < d.NCamadas) {
        if (!ctx_.msg.confirma(LacoCamadas::TextoRemocao(n + 1, d.NCamadas))) {
            hide();
            laco_.Reinicia();
            return;
        }
        AlteraProblema(ctx_, QStringLiteral("Fim do membro na camada %1").arg(n),
                       [&] {
                           d.NCamadas = n;
                           d.NCamadasMembro = n;
                           d.Agregados.erase(d.Agregados.upper_bound(n), d.Agregados.end());
                       });
    } else {
        AlteraProblema(ctx_, NomeCamada(QStringLiteral("Inserir Camada"), n), [&] { d.NCamadasMembro = n; });
    }
    hide();
    laco_.Reinicia();
    edXini->setText(QStringLiteral("0"));
    edH->clear();
}

void TfrmMembro::Sair() {
    ckbFundacao->setEnabled(true);
    hide();
}
