#include "input/ui/frmEscolhaCalor.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "core/ui/CamposNumericos.h"
#include "input/ui/frmCalorIntDiscr.h"
#include "input/ui/frmCalorInterno.h"

TfrmEscolhaCalor::TfrmEscolhaCalor(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      rbCurvaHidrat(new QRadioButton(QStringLiteral("Curva de Calmon"), this)),
      rbCalorDiscr(new QRadioButton(QStringLiteral("Curva do Calorímetro Adiabático"), this)),
      btnOk(new QPushButton(QStringLiteral("Ok"), this)),
      ctx_(ctx) {
    setObjectName(QStringLiteral("frmEscolhaCalor"));
    setWindowTitle(QStringLiteral("Calor Interno"));
    rbCurvaHidrat->setObjectName(QStringLiteral("rbCurvaHidrat"));
    rbCalorDiscr->setObjectName(QStringLiteral("rbCalorDiscr"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    rbCurvaHidrat->setChecked(true);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(rbCurvaHidrat);
    principal->addWidget(rbCalorDiscr);
    principal->addLayout(botoes);

    // The choice is written as soon as it is clicked, even if the dialog is left open.
    for (QRadioButton* rb : {rbCurvaHidrat, rbCalorDiscr}) {
        connect(rb, &QRadioButton::clicked, this, [this, rb] {
            const bool discreto = rb == rbCalorDiscr;
            ExecutaAcao(ctx_.msg, [&] {
                AlteraProblema(ctx_, QStringLiteral("Calor Interno: curva"), [&] { ctx_.dados.CalorDiscreto = discreto; });
            });
        });
    }
    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
}

void TfrmEscolhaCalor::Abre() {
    MostraEstado();
    CamposNumericos::ApresentaJanela(this);
}

void TfrmEscolhaCalor::MostraEstado() {
    (ctx_.dados.CalorDiscreto ? rbCalorDiscr : rbCurvaHidrat)->setChecked(true);
}

void TfrmEscolhaCalor::Ok() {
    ExecutaAcao(ctx_.msg, [&] {
        hide();
        if (ctx_.dados.CalorDiscreto) {
            ctx_.janelas.frmCalorIntDiscr->Abre();
            ctx_.janelas.frmCalorInterno->Prepara();
        } else {
            ctx_.janelas.frmCalorInterno->Prepara();
            ctx_.janelas.frmCalorInterno->Abre();
        }
    });
}
