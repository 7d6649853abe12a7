#include "input/ui/frmCoefConv.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "input/Conveccao.h"
#include "input/UnidadesEntrada.h"
#include "input/ui/frmCondCont.h"

using CamposNumericos::Geral;
using CamposNumericos::Real;

namespace {
QLineEdit* Campo(const char* nome, const QString& texto) { return CamposNumericos::NovoCampo(nullptr, nome, texto); }

// One row of the wind group: "Vel. Vento" [m/s], "De :" [h], "Até :" [h].
QGroupBox* GrupoPeriodo(const QString& titulo, QLineEdit* vento, QLineEdit* de, QLineEdit* ate) {
    auto* g = new QGroupBox(titulo);
    auto* grade = new QGridLayout(g);
    grade->addWidget(new QLabel(QStringLiteral("Vel. Vento")), 0, 0);
    grade->addWidget(vento, 0, 1);
    grade->addWidget(new QLabel(QStringLiteral("[m/s]")), 0, 2);
    grade->addWidget(new QLabel(QStringLiteral("De :")), 1, 0);
    grade->addWidget(de, 1, 1);
    grade->addWidget(new QLabel(QStringLiteral("[h]")), 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("Até :")), 2, 0);
    grade->addWidget(ate, 2, 1);
    grade->addWidget(new QLabel(QStringLiteral("[h]")), 2, 2);
    return g;
}
}  // namespace

TfrmCoefConv::TfrmCoefConv(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      gbxCoeficientes(new QGroupBox(QStringLiteral("Coef. de Convecção [W/m^2.C] sob as Camadas"))),
      edBetaB(Campo("edBetaB", QStringLiteral("15"))),
      edBetaA(Campo("edBetaA", QStringLiteral("0"))),
      cbxConstante(new QCheckBox(QStringLiteral("Constante"))),
      gbxVento(new QGroupBox(QStringLiteral("Variável (em função da velocidade do vento)"))),
      rbCEB(new QRadioButton(QStringLiteral("CEB"))),
      rbZichner(new QRadioButton(QStringLiteral("Zichner"))),
      rbOutros(new QRadioButton(QStringLiteral("(Outros)"))),
      edVentoDia(Campo("edVentoDia", QStringLiteral("4"))),
      edDia(Campo("edDia", QStringLiteral("6"))),
      edNoite(Campo("edNoite", QStringLiteral("18"))),
      edVentoNoite(Campo("edVentoNoite", QStringLiteral("5"))),
      edNoite2(Campo("edNoite2", QStringLiteral("18"))),
      edDia2(Campo("edDia2", QStringLiteral("6"))),
      btnOk(new QPushButton(QStringLiteral("Ok"))),
      btnCancel(new QPushButton(QStringLiteral("Cancelar"))),
      ctx_(ctx) {
    setObjectName(QStringLiteral("frmCoefConv"));
    setWindowTitle(QStringLiteral("Coeficiente de Convecção do Ambiente"));
    gbxCoeficientes->setObjectName(QStringLiteral("gbxCoeficientes"));
    cbxConstante->setObjectName(QStringLiteral("cbxConstante"));
    gbxVento->setObjectName(QStringLiteral("gbxVento"));
    rbCEB->setObjectName(QStringLiteral("rbCEB"));
    rbZichner->setObjectName(QStringLiteral("rbZichner"));
    rbOutros->setObjectName(QStringLiteral("rbOutros"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    // Only the constant coefficients are entered here; the wind data stay at their defaults.
    cbxConstante->setChecked(true);
    cbxConstante->setEnabled(false);
    rbCEB->setChecked(true);
    gbxVento->setEnabled(false);

    auto* grade = new QGridLayout(gbxCoeficientes);
    grade->addWidget(new QLabel(QStringLiteral("Beta Superior")), 0, 0);
    grade->addWidget(edBetaB, 0, 1);
    grade->addWidget(new QLabel(QStringLiteral("Beta Inferior")), 1, 0);
    grade->addWidget(edBetaA, 1, 1);
    grade->addWidget(cbxConstante, 2, 0, 1, 2);

    auto* formulas = new QVBoxLayout;
    formulas->addWidget(new QLabel(QStringLiteral("Fórmulas Empíricas :")));
    formulas->addWidget(rbCEB);
    formulas->addWidget(rbZichner);
    formulas->addWidget(rbOutros);
    formulas->addStretch();
    auto* vento = new QHBoxLayout(gbxVento);
    vento->addLayout(formulas);
    vento->addWidget(GrupoPeriodo(QStringLiteral("Dia"), edVentoDia, edDia, edNoite));
    vento->addWidget(GrupoPeriodo(QStringLiteral("Noite"), edVentoNoite, edNoite2, edDia2));

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancel);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(gbxCoeficientes);
    principal->addWidget(gbxVento);
    principal->addLayout(botoes);

    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { close(); });
}

// The coefficients as stored; a problem that never had them (none entered yet, or
// entered with curing) shows the defaults of the unit system, never zeros.
void TfrmCoefConv::Abre() {
    const TDadosModelo& d = ctx_.dados;
    const bool usuais = d.UnidadesUsuais;
    gbxCoeficientes->setTitle(usuais ? QStringLiteral("Coef. de Convecção [kCal/m^2.d.C] sob as Camadas")
                                     : QStringLiteral("Coef. de Convecção [W/m^2.C] sob as Camadas"));
    if (d.BetaSup != 0.0 || d.BetaInf != 0.0) {
        edBetaB->setText(Geral(CoefFaceDigitado(d.BetaSup, usuais)));
        edBetaA->setText(Geral(CoefFaceDigitado(d.BetaInf, usuais)));
        guardados_ = {edBetaB->text(), edBetaA->text(), d.BetaSup, d.BetaInf};
    } else {
        edBetaB->setText(usuais ? QStringLiteral("300") : QStringLiteral("15"));
        edBetaA->setText(QStringLiteral("0"));
        guardados_ = {};
    }
    // Read-only here: it tells whether the analysis uses the constant upper-face
    // coefficient or the day and night wind coefficients, as the curing dialog left it.
    cbxConstante->setChecked(d.CoefConvConstante);
    CamposNumericos::ApresentaJanela(this);
}

void TfrmCoefConv::MostraEstado() {
    if (isVisible()) Abre();
}

void TfrmCoefConv::Ok() {
    TDadosModelo& d = ctx_.dados;
    ExecutaAcao(ctx_.msg, [&] {
        const bool usuais = d.UnidadesUsuais;
        // A coefficient left as shown is stored as it was, bit for bit. A field that does
        // not convert stops the action there; what was stored before it stays.
        AlteraProblema(ctx_, QStringLiteral("Coeficiente de Convecção"), [&] {
            d.BetaInf = edBetaA->text() == guardados_.textoInf && !guardados_.textoInf.isEmpty()
                            ? guardados_.betaInf
                            : CoefFaceArmazenado(Real(edBetaA), usuais);
            d.BetaSup = edBetaB->text() == guardados_.textoSup && !guardados_.textoSup.isEmpty()
                            ? guardados_.betaSup
                            : CoefFaceArmazenado(Real(edBetaB), usuais);
            TTrocaCalor& s = d.Superficie[1];
            s.HoraIniDia = Real(edDia);
            s.HoraIniNoite = Real(edNoite);
            if (rbCEB->isChecked()) {
                s.HDia = UnidadesEntrada::CoefVentoArmazenado(CoeficienteVentoCEB(Real(edVentoDia)), usuais);
                s.HNoite = UnidadesEntrada::CoefVentoArmazenado(CoeficienteVentoCEB(Real(edVentoNoite)), usuais);
            }
        });
        close();
        ctx_.janelas.frmCondCont->Abre();
    });
}
