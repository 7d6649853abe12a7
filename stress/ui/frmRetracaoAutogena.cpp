#include "stress/ui/frmRetracaoAutogena.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"

namespace {
// The strength offered to a layer that had none: C30.
constexpr double FckPadrao = 30.0;
}  // namespace

TfrmRetracaoAutogena::TfrmRetracaoAutogena(Contexto& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window),
      tabela(new QTableWidget(this)),
      btnOk(new QPushButton(QStringLiteral("Ok"), this)),
      btnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)),
      ctx_(ctx) {
    setObjectName(QStringLiteral("frmRetracaoAutogena"));
    setWindowTitle(QStringLiteral("Retração Autógena"));
    tabela->setObjectName(QStringLiteral("tabela"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    tabela->setColumnCount(2);
    tabela->setHorizontalHeaderLabels({QStringLiteral("Incluir"), QStringLiteral("fck [MPa]")});
    tabela->horizontalHeader()->setStretchLastSection(true);

    auto* texto = new QLabel(QStringLiteral("EN 1992-1-1 (3.1.4(6)): εca(t) = (1 − exp(−0,2·√t))·2,5·(fck − 10)·10⁻⁶, "
                                            "t em dias (idade equivalente quando a camada usa a maturidade). "
                                            "A deformação imposta passa a α·(T − T lançamento) − εca(t)."),
                             this);
    texto->setWordWrap(true);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);
    auto* l = new QVBoxLayout(this);
    l->addWidget(texto);
    l->addWidget(tabela);
    l->addLayout(botoes);

    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] { hide(); });
}

void TfrmRetracaoAutogena::Abre() {
    const TDadosModelo& d = ctx_.dados;
    tabela->setRowCount(std::max(d.NCamadas, 0));
    QStringList camadas;
    for (int n = 1; n <= d.NCamadas; ++n) {
        camadas << QStringLiteral("Camada %1").arg(n);
        const auto r = d.RetracaoAutogena.find(n);
        auto* incluir = new QTableWidgetItem;
        incluir->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        incluir->setCheckState(r != d.RetracaoAutogena.end() ? Qt::Checked : Qt::Unchecked);
        tabela->setItem(n - 1, 0, incluir);
        tabela->setItem(n - 1, 1, new QTableWidgetItem(CamposNumericos::Geral(r != d.RetracaoAutogena.end() ? r->second.Fck : FckPadrao)));
    }
    tabela->setVerticalHeaderLabels(camadas);
    CamposNumericos::ApresentaJanela(this);
}

void TfrmRetracaoAutogena::Ok() {
    const bool feito = ExecutaAcao(ctx_.msg, [this] {
        TRetracoesAutogenas novas;
        for (int linha = 0; linha < tabela->rowCount(); ++linha) {
            if (tabela->item(linha, 0)->checkState() != Qt::Checked) continue;
            const double fck = Numeros::TextoParaReal(tabela->item(linha, 1)->text().toStdString());
            if (fck < 12.0 || fck > 90.0)
                throw ErroEntrada("Retração autógena da camada " + std::to_string(linha + 1) +
                                  ": o fck deve ficar entre 12 e 90 MPa");
            novas[linha + 1].Fck = fck;
        }
        AlteraProblema(ctx_, QStringLiteral("Retração Autógena"), [&] { ctx_.dados.RetracaoAutogena = std::move(novas); });
    });
    if (feito) hide();
}
