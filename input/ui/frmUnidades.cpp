#include "input/ui/frmUnidades.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/HistoricoProblema.h"
#include "core/ui/ExecutaAcao.h"

TfrmUnidades::TfrmUnidades(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      rbSI(new QRadioButton(QStringLiteral("SI (Sistema Internacional)"))),
      rbUsuais(new QRadioButton(QStringLiteral("Unidades Usuais"))),
      btnOk(new QPushButton(QStringLiteral("Ok"))),
      btnCancel(new QPushButton(QStringLiteral("Cancela"))),
      ctx_(ctx) {
    setObjectName(QStringLiteral("frmUnidades"));
    setWindowTitle(QStringLiteral("Sistema de Unidades"));
    rbSI->setObjectName(QStringLiteral("rbSI"));
    rbUsuais->setObjectName(QStringLiteral("rbUsuais"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    rbSI->setChecked(true);

    auto* grupo = new QGroupBox;
    auto* opcoes = new QVBoxLayout(grupo);
    opcoes->addWidget(rbSI);
    opcoes->addWidget(rbUsuais);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancel);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(grupo);
    principal->addLayout(botoes);

    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] {
        MostraEstado();
        close();
    });
}

void TfrmUnidades::MostraEstado() {
    (ctx_.dados.UnidadesUsuais ? rbUsuais : rbSI)->setChecked(true);
}

void TfrmUnidades::Ok() {
    ExecutaAcao(ctx_.msg, [&] {
        if (!rbSI->isChecked()) {
            AlteraProblema(ctx_, QStringLiteral("Unidades"), [&] { ctx_.dados.UnidadesUsuais = true; });
            ctx_.msg.informacao(QStringLiteral(
                "Cond. Térmica: kCal/m.d.c; Calor Esp.: Cal/g.C; Coef. Convecção: kCal/m^2.d.C."));
        } else {
            AlteraProblema(ctx_, QStringLiteral("Unidades"), [&] { ctx_.dados.UnidadesUsuais = false; });
            ctx_.msg.informacao(QStringLiteral("Cond. Térmica: W/m.C; Calor Esp.: J/kg.C; Coef. Convecção: W/m^2.C."));
        }
        close();
    });
}
