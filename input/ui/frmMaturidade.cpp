#include "input/ui/frmMaturidade.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "input/UnidadesEntrada.h"

using CamposNumericos::Geral;
using CamposNumericos::NovoCampo;
using CamposNumericos::Real;

TfrmMaturidade::TfrmMaturidade(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      lbNCamada(new QLabel(QStringLiteral("1"), this)),
      chkMaturidade(new QCheckBox(QStringLiteral("Calor pela idade equivalente (maturidade)"), this)),
      gbxCurva(new QGroupBox(QStringLiteral("Curva Q(te) = C·E·αu·exp(−(τ/te)^β)"), this)),
      edAlfaU(NovoCampo(gbxCurva, "edAlfaU", QString())),
      edTau(NovoCampo(gbxCurva, "edTau", QString())),
      edBetaHid(NovoCampo(gbxCurva, "edBetaHid", QString())),
      gbxArrhenius(new QGroupBox(QStringLiteral("Idade equivalente (Arrhenius)"), this)),
      lbEnergiaAtivacao(new QLabel(QStringLiteral("Ea [J/mol]"), gbxArrhenius)),
      edEnergiaAtivacao(NovoCampo(gbxArrhenius, "edEnergiaAtivacao", QString(), 80)),
      edTRef(NovoCampo(gbxArrhenius, "edTRef", QString())),
      lbOrigem(new QLabel(this)),
      btnOk(new QPushButton(QStringLiteral("Ok"), this)),
      btnPadroes(new QPushButton(QStringLiteral("Padrões"), this)),
      btnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)),
      ctx_(ctx),
      laco_(lbNCamada) {
    setObjectName(QStringLiteral("frmMaturidade"));
    setWindowTitle(QStringLiteral("Maturidade - Calor Interno"));
    lbNCamada->setObjectName(QStringLiteral("lbNCamada"));
    chkMaturidade->setObjectName(QStringLiteral("chkMaturidade"));
    gbxCurva->setObjectName(QStringLiteral("gbxCurva"));
    gbxArrhenius->setObjectName(QStringLiteral("gbxArrhenius"));
    lbEnergiaAtivacao->setObjectName(QStringLiteral("lbEnergiaAtivacao"));
    lbOrigem->setObjectName(QStringLiteral("lbOrigem"));
    lbOrigem->setWordWrap(true);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnPadroes->setObjectName(QStringLiteral("btnPadroes"));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnPadroes->setToolTip(QStringLiteral("Cimento Portland sem adições: αu 0,75, τ 20 h, β 0,9, "
                                          "Ea 40 000 J/mol, TRef 21,1 °C"));

    auto* camada = new QHBoxLayout;
    camada->addWidget(new QLabel(QStringLiteral("Camada Número ->"), this));
    camada->addWidget(lbNCamada);
    camada->addStretch();

    auto* layCurva = new QGridLayout(gbxCurva);
    layCurva->addWidget(new QLabel(QStringLiteral("αu (grau de hidratação final)"), gbxCurva), 0, 0);
    layCurva->addWidget(edAlfaU, 0, 1);
    layCurva->addWidget(new QLabel(QStringLiteral("τ [h]"), gbxCurva), 1, 0);
    layCurva->addWidget(edTau, 1, 1);
    layCurva->addWidget(new QLabel(QStringLiteral("β"), gbxCurva), 2, 0);
    layCurva->addWidget(edBetaHid, 2, 1);

    auto* layArrhenius = new QGridLayout(gbxArrhenius);
    layArrhenius->addWidget(lbEnergiaAtivacao, 0, 0);
    layArrhenius->addWidget(edEnergiaAtivacao, 0, 1);
    layArrhenius->addWidget(new QLabel(QStringLiteral("TRef [C]"), gbxArrhenius), 1, 0);
    layArrhenius->addWidget(edTRef, 1, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnPadroes);
    botoes->addWidget(btnCancelar);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(camada);
    principal->addWidget(chkMaturidade);
    principal->addWidget(gbxCurva);
    principal->addWidget(gbxArrhenius);
    principal->addWidget(lbOrigem);
    principal->addLayout(botoes);

    Preenche(TCalorInterno{});
    connect(chkMaturidade, &QCheckBox::clicked, this, [this] { Habilita(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnPadroes, &QPushButton::clicked, this, [this] {
        const bool marcado = chkMaturidade->isChecked();
        Preenche(TCalorInterno{});
        chkMaturidade->setChecked(marcado);
        Habilita();
    });
    connect(btnCancelar, &QPushButton::clicked, this, [this] {
        laco_.Reinicia();
        hide();
    });
}

void TfrmMaturidade::Abre() {
    laco_.Reinicia();
    Preenche(ctx_.dados.CalorCamadas[1]);
    CamposNumericos::ApresentaJanela(this);
}

void TfrmMaturidade::MostraEstado() {
    if (!isVisible()) return;
    laco_.Reinicia();
    Preenche(ctx_.dados.CalorCamadas[1]);
}

// The fields in the current unit system; the labels and what is enabled follow the
// unit system and the way the heat is given.
void TfrmMaturidade::Preenche(const TCalorInterno& c) {
    const bool usuais = ctx_.dados.UnidadesUsuais;
    lbEnergiaAtivacao->setText(usuais ? QStringLiteral("Ea [cal/mol]") : QStringLiteral("Ea [J/mol]"));
    chkMaturidade->setChecked(c.Maturidade);
    edAlfaU->setText(Geral(c.AlfaU));
    edTau->setText(Geral(c.Tau));
    edBetaHid->setText(Geral(c.BetaHid));
    edEnergiaAtivacao->setText(Geral(UnidadesEntrada::EnergiaAtivacaoDigitada(c.EnergiaAtivacao, usuais)));
    edTRef->setText(Geral(c.TRef));
    lbOrigem->setText(ctx_.dados.CalorDiscreto
                          ? QStringLiteral("A curva é a do calorímetro adiabático, lida pela idade equivalente da "
                                           "amostra, que parte da temperatura do primeiro ponto.")
                          : QStringLiteral("C e E são os da curva de hidratação da camada."));
    Habilita();
}

void TfrmMaturidade::Habilita() {
    const bool marcado = chkMaturidade->isChecked();
    gbxCurva->setEnabled(marcado && !ctx_.dados.CalorDiscreto);
    gbxArrhenius->setEnabled(marcado);
}

void TfrmMaturidade::Ok() {
    TDadosModelo& d = ctx_.dados;
    ExecutaAcao(ctx_.msg, [&] {
        const int n = laco_.Atual();
        LacoCamadas::Fim fim;
        if (n <= d.NCamadas) {
            LacoCamadas::VerificaCapacidade(n);
            TCalorInterno& c = d.CalorCamadas[static_cast<std::size_t>(n)];
            if (chkMaturidade->isChecked()) {
                // Every field is converted before any is stored: a bad one stores nothing.
                const bool curva = !d.CalorDiscreto;
                const double alfaU = curva ? Real(edAlfaU) : c.AlfaU;
                const double tau = curva ? Real(edTau) : c.Tau;
                const double beta = curva ? Real(edBetaHid) : c.BetaHid;
                const double ea = UnidadesEntrada::EnergiaAtivacaoArmazenada(Real(edEnergiaAtivacao), d.UnidadesUsuais);
                const double tRef = Real(edTRef);
                c.AlfaU = alfaU;
                c.Tau = tau;
                c.BetaHid = beta;
                c.EnergiaAtivacao = ea;
                c.TRef = tRef;
            }
            c.Maturidade = chkMaturidade->isChecked();
            fim = laco_.Avanca(n, d.NCamadas, d.NCamadas, ctx_.msg);
        } else {
            fim = laco_.Encerra(d.NCamadas, ctx_.msg);
        }
        if (fim == LacoCamadas::Fim::Continua) return;
        laco_.Reinicia();
        if (fim == LacoCamadas::Fim::Sim) hide();
    });
}
