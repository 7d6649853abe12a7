#include "input/ui/frmCalorInterno.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "input/UnidadesEntrada.h"
#include "input/ui/frmMaturidade.h"

using CamposNumericos::Geral;
using CamposNumericos::NovoCampo;

namespace {
const QString PadraoC = QStringLiteral("300");
const QString PadraoE = QStringLiteral("80");
const QString PadraoTr = QStringLiteral("0");
const QString PadraoN = QStringLiteral("0,45");
const QString PadraoB = QStringLiteral("7");
}  // namespace
using CamposNumericos::Real;

TfrmCalorInterno::TfrmCalorInterno(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      lbNCamada(new QLabel(QStringLiteral("1"), this)),
      gbxVariavel(new QGroupBox(QStringLiteral("Variável"), this)),
      edC(NovoCampo(gbxVariavel, "edC", PadraoC)),
      edE(NovoCampo(gbxVariavel, "edE", PadraoE)),
      edTr(NovoCampo(gbxVariavel, "edTr", PadraoTr)),
      edn(NovoCampo(gbxVariavel, "edn", PadraoN)),
      edb(NovoCampo(gbxVariavel, "edb", PadraoB)),
      chkCalorIntConst(new QCheckBox(QStringLiteral("Constante"), this)),
      lbCalorInt(new QLabel(QStringLiteral("f[W/m^3]"), this)),
      edCalorInt(NovoCampo(this, "edCalorInt", QStringLiteral("0"))),
      btnOk(new QPushButton(QStringLiteral("Ok"), this)),
      btnApagar(new QPushButton(QStringLiteral("Apagar"), this)),
      btnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)),
      btnMaturidade(new QPushButton(QStringLiteral("Maturidade..."), this)),
      ctx_(ctx),
      laco_(lbNCamada) {
    setObjectName(QStringLiteral("frmCalorInterno"));
    setWindowTitle(QStringLiteral("Curva de Calmon - Calor Interno"));
    lbNCamada->setObjectName(QStringLiteral("lbNCamada"));
    gbxVariavel->setObjectName(QStringLiteral("gbxVariavel"));
    chkCalorIntConst->setObjectName(QStringLiteral("chkCalorIntConst"));
    lbCalorInt->setObjectName(QStringLiteral("lbCalorInt"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnApagar->setObjectName(QStringLiteral("btnApagar"));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnMaturidade->setObjectName(QStringLiteral("btnMaturidade"));
    btnMaturidade->setToolTip(QStringLiteral("Calor pela idade equivalente do concreto na sua própria temperatura"));

    auto* camada = new QHBoxLayout;
    camada->addWidget(new QLabel(QStringLiteral("Camada Número ->"), this));
    camada->addWidget(lbNCamada);
    camada->addStretch();

    auto* layVariavel = new QGridLayout(gbxVariavel);
    const struct {
        const char* rotulo;
        QLineEdit* campo;
    } parametros[] = {{"C [Kg/m^3)", edC}, {"E [Cal/g]", edE}, {"Tr [C]", edTr}, {"n", edn}, {"b", edb}};
    int linha = 0;
    for (const auto& p : parametros) {
        auto* rotulo = new QLabel(QString::fromUtf8(p.rotulo), gbxVariavel);
        layVariavel->addWidget(rotulo, linha, 0);
        layVariavel->addWidget(p.campo, linha, 1);
        if (p.campo == edC) {
            rotulo->setToolTip(QStringLiteral("Consumo de Cimento"));
            edC->setToolTip(QStringLiteral("Consumo de Cimento"));
        }
        ++linha;
    }

    auto* constante = new QGridLayout;
    constante->addWidget(chkCalorIntConst, 0, 0, 1, 2);
    constante->addWidget(lbCalorInt, 1, 0);
    constante->addWidget(edCalorInt, 1, 1);
    constante->setRowStretch(2, 1);

    auto* meio = new QHBoxLayout;
    meio->addWidget(gbxVariavel);
    meio->addLayout(constante);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(btnMaturidade);
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnApagar);
    botoes->addWidget(btnCancelar);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(camada);
    principal->addWidget(laco_.Navegacao());
    principal->addLayout(meio);
    principal->addLayout(botoes);

    HabilitaCampos(false);
    laco_.preenche = [this](int n) { PreencheCamada(n); };
    laco_.ultima = [this] { return ctx_.dados.NCamadas; };
    connect(chkCalorIntConst, &QCheckBox::clicked, this, [this](bool marcado) { ConstanteClicado(marcado); });
    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnApagar, &QPushButton::clicked, this, [this] {
        for (QLineEdit* ed : {edC, edE, edTr, edn, edb}) ed->clear();
    });
    // The maturity of the layer shown; it closes with this dialog.
    connect(btnMaturidade, &QPushButton::clicked, this, [this] {
        ExecutaAcao(ctx_.msg, [&] { ctx_.janelas.frmMaturidade->Abre(laco_.Atual(), this); });
    });
    connect(btnCancelar, &QPushButton::clicked, this, [this] {
        laco_.Reinicia();
        hide();
    });
}

void TfrmCalorInterno::Prepara() {
    lbCalorInt->setText(ctx_.dados.UnidadesUsuais ? QStringLiteral("f[cal/d.m^3]")
                                                  : QStringLiteral("f[W/m^3]"));
    laco_.VaiPara(1);
}

void TfrmCalorInterno::Abre() {
    CamposNumericos::ApresentaJanela(this);
}

void TfrmCalorInterno::MostraEstado() {
    if (isVisible()) laco_.Atualiza();
}

// Layer n as stored. A record never written (all zeros) leaves the fields and the
// box as they stand, the layer below's; a layer given a constant rate or a
// calorimeter table never had a curve: its parameter fields show the defaults.
void TfrmCalorInterno::PreencheCamada(int n) {
    const TDadosModelo& d = ctx_.dados;
    const TCalorInterno& c = d.CalorCamadas[static_cast<std::size_t>(n)];
    const bool temCurva = c.C != 0.0 || c.E != 0.0 || c.N != 0.0 || c.B != 0.0 || c.Tr != 0.0;
    if (!temCurva && !c.Constante && c.F == 0.0 && c.Tabela.Guardadas() == 0) return;
    if (temCurva) {
        laco_.Exibe(edC, Geral(c.C), c.C);
        laco_.Exibe(edE, Geral(c.E), c.E);
        laco_.Exibe(edTr, Geral(c.Tr), c.Tr);
        laco_.Exibe(edn, Geral(c.N), c.N);
        laco_.Exibe(edb, Geral(c.B), c.B);
    } else {
        edC->setText(PadraoC);
        edE->setText(PadraoE);
        edTr->setText(PadraoTr);
        edn->setText(PadraoN);
        edb->setText(PadraoB);
    }
    laco_.Exibe(edCalorInt, Geral(UnidadesEntrada::TaxaConstanteDigitada(c.F, d.UnidadesUsuais)), c.F);
    chkCalorIntConst->setChecked(c.Constante);
    HabilitaCampos(c.Constante);
}

void TfrmCalorInterno::HabilitaCampos(bool constante) {
    gbxVariavel->setEnabled(!constante);
    lbCalorInt->setEnabled(constante);
    edCalorInt->setEnabled(constante);
}

void TfrmCalorInterno::ConstanteClicado(bool marcado) {
    HabilitaCampos(marcado);
    ExecutaAcao(ctx_.msg, [&] {
        const int n = laco_.Atual();
        LacoCamadas::VerificaCapacidade(n);
        AlteraProblema(ctx_, NomeCamada(QStringLiteral("Calor Interno: Constante"), n),
                       [&] { ctx_.dados.CalorCamadas[static_cast<std::size_t>(n)].Constante = marcado; });
    });
}

void TfrmCalorInterno::Ok() {
    TDadosModelo& d = ctx_.dados;
    ExecutaAcao(ctx_.msg, [&] {
        const int n = laco_.Atual();
        LacoCamadas::Fim fim;
        if (n <= d.NCamadas) {
            LacoCamadas::VerificaCapacidade(n);
            // A field that does not convert stops the action there; what was stored before it stays.
            AlteraProblema(ctx_, NomeCamada(QStringLiteral("Calor Interno"), n), [&] {
                TCalorInterno& c = d.CalorCamadas[static_cast<std::size_t>(n)];
                if (!chkCalorIntConst->isChecked()) {
                    c.Tr = laco_.Valor(edTr);
                    c.E = laco_.Valor(edE);
                    c.C = laco_.Valor(edC);
                    c.B = laco_.Valor(edb);
                    c.N = laco_.Valor(edn);
                    c.Constante = false;
                } else {
                    c.Constante = true;
                }
                c.F = laco_.Valor(edCalorInt,
                                  [&](double v) { return UnidadesEntrada::TaxaConstanteArmazenada(v, d.UnidadesUsuais); });
            });
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
