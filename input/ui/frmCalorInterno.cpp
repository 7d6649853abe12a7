#include "input/ui/frmCalorInterno.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
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
    principal->addLayout(meio);
    principal->addLayout(botoes);

    HabilitaCampos(false);
    connect(chkCalorIntConst, &QCheckBox::clicked, this, [this](bool marcado) { ConstanteClicado(marcado); });
    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnApagar, &QPushButton::clicked, this, [this] {
        for (QLineEdit* ed : {edC, edE, edTr, edn, edb}) ed->clear();
    });
    connect(btnMaturidade, &QPushButton::clicked, this, [this] { ctx_.janelas.frmMaturidade->Abre(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] {
        laco_.Reinicia();
        hide();
    });
}

void TfrmCalorInterno::Prepara() {
    laco_.Reinicia();
    lbCalorInt->setText(ctx_.dados.UnidadesUsuais ? QStringLiteral("f[cal/d.m^3]")
                                                  : QStringLiteral("f[W/m^3]"));
    if (estadoPendente_) PreencheComEstado();
}

void TfrmCalorInterno::Abre() {
    CamposNumericos::ApresentaJanela(this);
}

void TfrmCalorInterno::MostraEstado() {
    estadoPendente_ = true;
    if (isVisible()) PreencheComEstado();
}

// Shows layer 1, where a new pass starts.
void TfrmCalorInterno::PreencheComEstado() {
    estadoPendente_ = false;
    const TDadosModelo& d = ctx_.dados;
    const TCalorInterno& c = d.CalorCamadas[1];
    // A layer given a constant rate or a calorimeter table never had a curve: its
    // parameters are zeros, and the fields keep the defaults instead.
    const bool temCurva = c.C != 0.0 || c.E != 0.0 || c.N != 0.0 || c.B != 0.0 || c.Tr != 0.0;
    edC->setText(temCurva ? Geral(c.C) : PadraoC);
    edE->setText(temCurva ? Geral(c.E) : PadraoE);
    edTr->setText(temCurva ? Geral(c.Tr) : PadraoTr);
    edn->setText(temCurva ? Geral(c.N) : PadraoN);
    edb->setText(temCurva ? Geral(c.B) : PadraoB);
    edCalorInt->setText(Geral(UnidadesEntrada::TaxaConstanteDigitada(c.F, d.UnidadesUsuais)));
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
        ctx_.dados.CalorCamadas[static_cast<std::size_t>(n)].Constante = marcado;
    });
}

void TfrmCalorInterno::Ok() {
    TDadosModelo& d = ctx_.dados;
    ExecutaAcao(ctx_.msg, [&] {
        const int n = laco_.Atual();
        LacoCamadas::Fim fim;
        if (n <= d.NCamadas) {
            LacoCamadas::VerificaCapacidade(n);
            TCalorInterno& c = d.CalorCamadas[static_cast<std::size_t>(n)];
            if (!chkCalorIntConst->isChecked()) {
                c.Tr = Real(edTr);
                c.E = Real(edE);
                c.C = Real(edC);
                c.B = Real(edb);
                c.N = Real(edn);
                c.Constante = false;
            } else {
                c.Constante = true;
            }
            c.F = UnidadesEntrada::TaxaConstanteArmazenada(Real(edCalorInt), d.UnidadesUsuais);
            fim = laco_.Avanca(n, d.NCamadas, d.NCamadas, ctx_.msg);
        } else {
            fim = laco_.Encerra(d.NCamadas, ctx_.msg);
        }
        if (fim == LacoCamadas::Fim::Continua) return;
        laco_.Reinicia();
        if (fim == LacoCamadas::Fim::Sim) hide();
    });
}
