#include "stress/ui/frmByfors.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/Janelas.h"
#include "stress/ui/Formulario.h"
#include "stress/ui/frmCEB.h"
#include "stress/ui/frmEscolhaFluencia.h"
#include "stress/ui/frmFluenciaACI.h"

using namespace Formulario;

namespace {
// The concrete types measured by Byfors: mix, strength, and the a1 that goes with them.
struct TipoConcreto {
    const char* ac;
    const char* traco;
    const char* fc;     // shown in the table
    const char* a1;     // written into a1 on selection
    const char* fcCEB;  // written into the CEB strength field
};
constexpr TipoConcreto Tipos[4] = {
    {"0,58", "1: 3,45 : 3,21", "33,1", "2", "33,1"},
    {"0,58", "1: 3,45 : 3,21", "28,0", "2", "28"},
    {"0,40", "1: 1,88 : 1,75", "47,6", "4,7", "47,6"},
    {"0,53", "1: 2,91 : 2,53", "44,9", "2,5", "44,9"},
};
}  // namespace

TfrmByfors::TfrmByfors(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmByfors"));
    setWindowTitle(QStringLiteral(" Módulo de Elasticidade"));

    rbConstante = Opcao(this, "rbConstante", QStringLiteral("Constante"), true);
    rbVariavel = Opcao(this, "rbVariavel", QStringLiteral("Variável (Método de Byfors)"));
    edA1 = Campo(this, "edA1", QStringLiteral("2,0"));
    edA2 = Campo(this, "edA2", QStringLiteral("41,52"));
    edA3 = Campo(this, "edA3", QStringLiteral("3,236"));
    edA4 = Campo(this, "edA4", QStringLiteral("0,135"));
    auto* btnOK = Botao(this, "btnOK", QStringLiteral("OK"));
    auto* btnCancela = Botao(this, "btnCancela", QStringLiteral("Cancela"));

    auto* gbxModulo = Grupo(this, "gbxModulo", QString());
    auto* lmod = new QHBoxLayout(gbxModulo);
    lmod->addWidget(rbConstante);
    lmod->addWidget(rbVariavel);

    auto* gbxParametros = Grupo(this, "gbxParametros", QString());
    auto* lp = new QGridLayout(gbxParametros);
    lp->addWidget(Rotulo(this, nullptr, QStringLiteral("a1")), 0, 0);
    lp->addWidget(edA1, 0, 1);
    lp->addWidget(Rotulo(this, nullptr, QStringLiteral(".10^-5")), 0, 2);
    lp->addWidget(Rotulo(this, nullptr, QStringLiteral("a2")), 1, 0);
    lp->addWidget(edA2, 1, 1);
    lp->addWidget(Rotulo(this, nullptr, QStringLiteral(".10^-2")), 1, 2);
    lp->addWidget(Rotulo(this, nullptr, QStringLiteral("a3")), 2, 0);
    lp->addWidget(edA3, 2, 1);
    lp->addWidget(Rotulo(this, nullptr, QStringLiteral("a4")), 3, 0);
    lp->addWidget(edA4, 3, 1);

    auto* gbxTipos = Grupo(this, "gbxTipos", QStringLiteral("Tipos de Concreto"));
    auto* lt = new QGridLayout(gbxTipos);
    lt->addWidget(Rotulo(this, nullptr, QStringLiteral("a/c")), 0, 1);
    lt->addWidget(Rotulo(this, nullptr, QStringLiteral("cim : areia : agreg (em peso)")), 0, 2);
    lt->addWidget(Rotulo(this, nullptr, QStringLiteral("fc [MPa]")), 0, 3);
    // The types are exclusive among themselves only, apart from the modulus choice.
    auto* grupoTipos = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        const QByteArray nome = "rbTipo" + QByteArray::number(i + 1);
        rbTipo[i] = Opcao(this, nome.constData(), QString::number(i + 1));
        rbTipo[i]->setAutoExclusive(false);
        grupoTipos->addButton(rbTipo[i]);
        lt->addWidget(rbTipo[i], i + 1, 0);
        lt->addWidget(Rotulo(this, nullptr, QString::fromUtf8(Tipos[i].ac)), i + 1, 1);
        lt->addWidget(Rotulo(this, nullptr, QString::fromUtf8(Tipos[i].traco)), i + 1, 2);
        lt->addWidget(Rotulo(this, nullptr, QString::fromUtf8(Tipos[i].fc)), i + 1, 3);
        connect(rbTipo[i], &QRadioButton::toggled, this, [this, i](bool marcado) {
            if (marcado) edA1->setText(QString::fromUtf8(Tipos[i].a1));
        });
    }

    auto* gbxByfors = Grupo(this, "gbxByfors", QStringLiteral("Método de Byfors"));
    auto* lb = new QVBoxLayout(gbxByfors);
    lb->addWidget(gbxModulo);
    lb->addWidget(gbxParametros);
    lb->addWidget(gbxTipos);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOK);
    botoes->addWidget(btnCancela);
    auto* l = new QVBoxLayout(this);
    l->addWidget(gbxByfors);
    l->addLayout(botoes);

    MarcaOpcoes(this);
    connect(btnOK, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { AlteraProblema(ctx_, QStringLiteral("Módulo de Elasticidade"), [this] { Ok(); }); }); });
    connect(btnCancela, &QPushButton::clicked, this, &QWidget::hide);
}

int TfrmByfors::TipoSelecionado() const {
    for (int i = 0; i < 4; ++i)
        if (rbTipo[i]->isChecked()) return i;
    return -1;
}

void TfrmByfors::Ok() {
    TDadosModelo& d = ctx_.dados;
    d.ModuloConstante = rbConstante->isChecked();
    d.ByforsA1 = Real(edA1) / 100000.0;
    d.ByforsA2 = Real(edA2) / 100.0;
    d.ByforsA3 = Real(edA3);
    d.ByforsA4 = Real(edA4);
    // Closed once every field is read, so that a mistyped one can be mended here.
    hide();
    Janelas& j = ctx_.janelas;
    const TModeloFluencia modelo = j.frmEscolhaFluencia->ModeloSelecionado();
    if (modelo == TModeloFluencia::CEB1990) {
        const int tipo = TipoSelecionado();
        j.frmCEB->Abre(d.ModuloConstante, tipo >= 0 ? QString::fromUtf8(Tipos[tipo].fcCEB) : QString());
    } else if (modelo == TModeloFluencia::ACI209) {
        j.frmFluenciaACI->Abre(d.ModuloConstante);
    }
}

void TfrmByfors::MostraEstado() {
    const TDadosModelo& d = ctx_.dados;
    // Never confirmed in the project (its data are the start-up zeros): the defaults stay.
    if (d.ByforsA1 == 0.0 && d.ByforsA2 == 0.0 && d.ByforsA3 == 0.0 && d.ByforsA4 == 0.0) return;
    (d.ModuloConstante ? rbConstante : rbVariavel)->setChecked(true);
    edA1->setText(CamposNumericos::Geral(d.ByforsA1 * 100000.0));
    edA2->setText(CamposNumericos::Geral(d.ByforsA2 * 100.0));
    edA3->setText(CamposNumericos::Geral(d.ByforsA3));
    edA4->setText(CamposNumericos::Geral(d.ByforsA4));
}
