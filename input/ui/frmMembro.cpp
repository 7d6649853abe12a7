#include "input/ui/frmMembro.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/ExecutaAcao.h"
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
        QLineEdit* campo;
    };
    const Coluna colunas[] = {
        {"Camada", nullptr, edMembro},
        {"Y (Inicial)", new QLabel(QStringLiteral("[m]"), this), edXini},
        {"Espessura", new QLabel(QStringLiteral("[m]"), this), edH},
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
    principal->addLayout(grade);
    principal->addLayout(baixo);

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
    if (estadoPendente_) PreencheComEstado();
    CamposNumericos::ApresentaJanela(this);
}

void TfrmMembro::HabilitaFundacao() { ckbFundacao->setEnabled(true); }

void TfrmMembro::MostraEstado() {
    estadoPendente_ = true;
    if (isVisible()) PreencheComEstado();
}

// A new entry starts at layer 1: it shows layer 1 of the opened member.
void TfrmMembro::PreencheComEstado() {
    estadoPendente_ = false;
    const TDadosModelo& d = ctx_.dados;
    ckbFundacao->setChecked(d.Fundacao);
    ckbFundacao->setEnabled(true);
    laco_.Reinicia();
    edXini->setText(QStringLiteral("0"));
    if (d.NCamadas < 1) return;
    const TCamada& c = d.Camadas[1];
    edH->setText(Geral(c.Espessura));
    edK->setText(Geral(UnidadesEntrada::CondutividadeDigitada(c.K, d.UnidadesUsuais)));
    edRo->setText(Geral(c.Ro));
    edCalorEsp->setText(Geral(c.CalorEsp));
    edAlfa->setText(Geral(UnidadesEntrada::DilatacaoDigitada(c.Alfa)));
}

void TfrmMembro::Inserir() {
    TDadosModelo& d = ctx_.dados;
    ExecutaAcao(ctx_.msg, [&] {
        if (ckbFundacao->isChecked()) d.Fundacao = true;
        const int n = laco_.Atual();
        LacoCamadas::VerificaCapacidade(n);
        d.NCamadas = n;
        TCamada& camada = d.Camadas[static_cast<std::size_t>(n)];
        camada.XIni = Real(edXini);
        if (edH->text().isEmpty()) {
            ctx_.msg.erro(QStringLiteral("Não existe camada sem espessura. Inserir a camada novamente."));
        } else {
            camada.K = UnidadesEntrada::CondutividadeArmazenada(Real(edK), d.UnidadesUsuais);
            camada.Ro = Real(edRo);
            camada.CalorEsp = Real(edCalorEsp);
            camada.Alfa = UnidadesEntrada::DilatacaoArmazenada(Real(edAlfa));
            camada.Espessura = Real(edH);
            if (ctx_.msg.confirma(QStringLiteral("Os dados desta camada estão corretos?"))) {
                if (n >= MaxCamadas) {
                    // The layer table and the analysis hold no more: this layer ends the member.
                    ctx_.msg.informacao(QStringLiteral(
                        "O membro chegou ao limite de 300 camadas: esta é a última camada."));
                    Conclui(n);
                } else if (ctx_.msg.confirma(QStringLiteral("Deseja inserir mais uma Camada?"))) {
                    edXini->clear();
                    edH->clear();
                    d.NCamadas = n + 1;
                    laco_.Mostra(n + 1);
                    edXini->setText(Geral(camada.XIni + camada.Espessura));
                    edH->setEnabled(true);
                } else {
                    Conclui(n);
                }
            }
        }
        ckbFundacao->setChecked(false);
        ckbFundacao->setEnabled(false);
    });
}

void TfrmMembro::Conclui(int n) {
    hide();
    ctx_.dados.NCamadasMembro = n;
    laco_.Reinicia();
    edXini->setText(QStringLiteral("0"));
    edH->clear();
}

void TfrmMembro::Sair() {
    ckbFundacao->setEnabled(true);
    hide();
}
