#include "stress/ui/frmCoefRestr.h"

#include <QVBoxLayout>

#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "stress/ui/Formulario.h"
#include "stress/ui/frmACI.h"
#include "stress/ui/frmTensional.h"

using namespace Formulario;

TfrmCoefRestr::TfrmCoefRestr(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmCoefRestr"));
    setWindowTitle(QStringLiteral("Coeficiente de Restrição"));
    rbACI = Opcao(this, "rbACI", QStringLiteral("American Concrete Institute (ACI)"));
    rbTotal = Opcao(this, "rbTotal", QStringLiteral("Restrição Total dos Nós"), true);
    auto* btnOk = Botao(this, "btnOk", QStringLiteral("Ok"));

    auto* grupo = Grupo(this, "gbxRestricao", QString());
    auto* lg = new QVBoxLayout(grupo);
    lg->addWidget(rbACI);
    lg->addWidget(rbTotal);
    auto* l = new QVBoxLayout(this);
    l->addWidget(grupo);
    l->addWidget(btnOk, 0, Qt::AlignHCenter);
    MarcaOpcoes(this);
    connect(btnOk, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { AlteraProblema(ctx_, QStringLiteral("Coeficiente de Restrição"), [this] { Ok(); }); }); });
}

double TfrmCoefRestr::AlturaMembro(const TDadosModelo& dados) {
    if (dados.NCamadas < 1 || dados.NCamadas > MaxCamadas) return 0.0;
    const TCamada& topo = dados.Camadas[static_cast<std::size_t>(dados.NCamadas)];
    double h = topo.XIni + topo.Espessura;
    h -= Membro::BaseDoConcreto(dados);
    return h;
}

void TfrmCoefRestr::Ok() {
    hide();
    ctx_.janelas.frmTensional->HabilitaRun();
    if (rbACI->isChecked()) {
        ctx_.dados.RestricaoACI = true;
        ctx_.janelas.frmACI->Abre(QString::fromStdString(Numeros::FormataGeral(AlturaMembro(ctx_.dados))));
    } else {
        ctx_.dados.RestricaoACI = false;
        ctx_.msg.informacao(QStringLiteral("A opção escolhida descarta um coeficiente de restrição. Ou seja, "
                                           "todos os nós estão 100% impedidos."));
    }
}

void TfrmCoefRestr::MostraEstado() { (ctx_.dados.RestricaoACI ? rbACI : rbTotal)->setChecked(true); }
