#include "input/ui/frmMaturidade.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include <QEvent>
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
      btnDosagem(new QPushButton(QStringLiteral("Dosagem..."), this)),
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
    btnDosagem->setObjectName(QStringLiteral("btnDosagem"));
    btnDosagem->setToolTip(QStringLiteral("Calcula αu, τ, β e Ea da camada a partir do cimento e da dosagem"));
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
    botoes->addWidget(btnDosagem);
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnPadroes);
    botoes->addWidget(btnCancelar);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(camada);
    principal->addWidget(laco_.Navegacao());
    principal->addWidget(chkMaturidade);
    principal->addWidget(gbxCurva);
    principal->addWidget(gbxArrhenius);
    principal->addWidget(lbOrigem);
    principal->addLayout(botoes);

    Preenche(TCalorInterno{});
    laco_.preenche = [this](int n) { PreencheCamada(n); };
    laco_.ultima = [this] { return ctx_.dados.NCamadas; };
    connect(edAlfaU, &QLineEdit::textChanged, this, [this] { MostraCalorTotal(); });
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
    connect(btnDosagem, &QPushButton::clicked, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            if (ctx_.janelas.dosagem) ctx_.janelas.dosagem->Abre(laco_.Atual(), this, [this] { laco_.Atualiza(); });
        });
    });
}

void TfrmMaturidade::Abre(int camada, QWidget* chamador) {
    if (chamador_) chamador_->removeEventFilter(this);
    chamador_ = chamador;
    if (chamador) chamador->installEventFilter(this);
    laco_.VaiPara(camada >= 1 ? camada : 1);
    CamposNumericos::ApresentaJanela(this);
}

bool TfrmMaturidade::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == chamador_ && evento->type() == QEvent::Hide) hide();
    return QWidget::eventFilter(alvo, evento);
}

void TfrmMaturidade::MostraEstado() {
    if (isVisible()) laco_.Atualiza();
}

// Layer n as stored. A heat record that no dialog ever wrote (no curve, no rate, no
// table, the start-up maturity) leaves the fields as they stand, the layer below's.
void TfrmMaturidade::PreencheCamada(int n) {
    camadaMostrada_ = n;
    lbEnergiaAtivacao->setText(ctx_.dados.UnidadesUsuais ? QStringLiteral("Ea [cal/mol]") : QStringLiteral("Ea [J/mol]"));
    Habilita();
    const TCalorInterno& c = ctx_.dados.CalorCamadas[static_cast<std::size_t>(n)];
    const TCalorInterno inicial{};
    const bool nunca = !c.Constante && c.F == 0.0 && c.C == 0.0 && c.E == 0.0 && c.N == 0.0 && c.B == 0.0 &&
                       c.Tr == 0.0 && c.Tabela.Guardadas() == 0 && c.Maturidade == inicial.Maturidade &&
                       c.AlfaU == inicial.AlfaU && c.Tau == inicial.Tau && c.BetaHid == inicial.BetaHid &&
                       c.EnergiaAtivacao == inicial.EnergiaAtivacao && c.TRef == inicial.TRef;
    if (nunca) {
        MostraCalorTotal();
        return;
    }
    Preenche(c);
}

// The fields in the current unit system; the labels and what is enabled follow the
// unit system and the way the heat is given.
void TfrmMaturidade::Preenche(const TCalorInterno& c) {
    const bool usuais = ctx_.dados.UnidadesUsuais;
    lbEnergiaAtivacao->setText(usuais ? QStringLiteral("Ea [cal/mol]") : QStringLiteral("Ea [J/mol]"));
    chkMaturidade->setChecked(c.Maturidade);
    laco_.Exibe(edAlfaU, Geral(c.AlfaU), c.AlfaU);
    laco_.Exibe(edTau, Geral(c.Tau), c.Tau);
    laco_.Exibe(edBetaHid, Geral(c.BetaHid), c.BetaHid);
    laco_.Exibe(edEnergiaAtivacao, Geral(UnidadesEntrada::EnergiaAtivacaoDigitada(c.EnergiaAtivacao, usuais)),
                c.EnergiaAtivacao);
    laco_.Exibe(edTRef, Geral(c.TRef), c.TRef);
    MostraCalorTotal();
    Habilita();
}

// The maturity curve tends to αu·C·E, the age-only curve to C·E: the heat the
// option takes away is said, with the numbers of the layer shown.
void TfrmMaturidade::MostraCalorTotal() {
    const TDadosModelo& d = ctx_.dados;
    if (d.CalorDiscreto) {
        lbOrigem->setText(QStringLiteral("A curva é a do calorímetro adiabático, lida pela idade equivalente da "
                                         "amostra, que parte da temperatura do primeiro ponto."));
        return;
    }
    const TCalorInterno& c = d.CalorCamadas[static_cast<std::size_t>(camadaMostrada_)];
    QString texto = QStringLiteral("C e E são os da curva de hidratação da camada. O calor total é αu·C·E");
    try {
        const double alfaU = Numeros::TextoParaReal(edAlfaU->text().toStdString());
        const double ce = c.C * c.E;  // kcal/m³
        texto += QStringLiteral(" = %1 kcal/m³, contra C·E = %2 kcal/m³ da curva pela idade.")
                     .arg(Geral(alfaU * ce), Geral(ce));
    } catch (const std::exception&) {
        texto += QStringLiteral(", contra C·E da curva pela idade.");
    }
    lbOrigem->setText(texto);
}

void TfrmMaturidade::Habilita() {
    const bool marcado = chkMaturidade->isChecked();
    btnDosagem->setEnabled(ctx_.janelas.dosagem != nullptr);
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
            TCalorInterno c = d.CalorCamadas[static_cast<std::size_t>(n)];
            if (chkMaturidade->isChecked()) {
                // Every field is converted before any is stored: a bad one stores nothing.
                const bool curva = !d.CalorDiscreto;
                if (curva) {
                    c.AlfaU = laco_.Valor(edAlfaU);
                    c.Tau = laco_.Valor(edTau);
                    c.BetaHid = laco_.Valor(edBetaHid);
                }
                c.EnergiaAtivacao = laco_.Valor(edEnergiaAtivacao, [&](double v) {
                    return UnidadesEntrada::EnergiaAtivacaoArmazenada(v, d.UnidadesUsuais);
                });
                c.TRef = laco_.Valor(edTRef);
            }
            c.Maturidade = chkMaturidade->isChecked();
            AlteraProblema(ctx_, NomeCamada(QStringLiteral("Maturidade"), n),
                           [&] { d.CalorCamadas[static_cast<std::size_t>(n)] = c; });
            fim = laco_.Avanca(n, d.NCamadas, d.NCamadas, ctx_.msg);
        } else {
            fim = laco_.Encerra(d.NCamadas, ctx_.msg);
        }
        if (fim == LacoCamadas::Fim::Continua) return;
        if (fim == LacoCamadas::Fim::Sim) {
            laco_.Reinicia();
            hide();
        } else {
            laco_.VaiPara(1);
        }
    });
}
