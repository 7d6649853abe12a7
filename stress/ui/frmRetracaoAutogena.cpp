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
#include "stress/RetracaoAutogena.h"

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
    tabela->setColumnCount(4);
    tabela->setHorizontalHeaderLabels(
        {QStringLiteral("Incluir"), QStringLiteral("fck [MPa]"), QStringLiteral("Modelo"), QStringLiteral("Classe do cimento")});
    tabela->horizontalHeader()->setStretchLastSection(true);

    auto* texto = new QLabel(QStringLiteral("EN 1992-1-1 (3.1.4(6)): εca(t) = (1 − exp(−0,2·√t))·2,5·(fck − 10)·10⁻⁶.\n"
                                            "fib Model Code 2010: εca(t) = (1 − exp(−0,2·√t))·αbs·((fcm/10)/(6 + fcm/10))^2,5·10⁻⁶, "
                                            "fcm = fck + 8 MPa, αbs = 800 (32,5 N), 700 (32,5 R e 42,5 N) ou 600 (42,5 R, 52,5 N "
                                            "e 52,5 R).\n"
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
        const TRetracaoAutogena escolha = r != d.RetracaoAutogena.end() ? r->second : TRetracaoAutogena{};
        auto* modelo = new QComboBox;
        modelo->addItems({QStringLiteral("EN 1992-1-1"), QStringLiteral("fib MC2010")});
        modelo->setCurrentIndex(escolha.Modelo == TModeloRetracao::FibMC2010 ? 1 : 0);
        auto* classe = new QComboBox;
        int atual = 0, i = 0;
        for (TClasseCimento c : RetracaoAutogena::Classes) {
            classe->addItem(QString::fromUtf8(RetracaoAutogena::NomeClasse(c)));
            if (c == escolha.Classe) atual = i;
            ++i;
        }
        classe->setCurrentIndex(atual);
        classe->setEnabled(modelo->currentIndex() == 1);
        connect(modelo, &QComboBox::currentIndexChanged, classe, [classe](int m) { classe->setEnabled(m == 1); });
        tabela->setCellWidget(n - 1, 2, modelo);
        tabela->setCellWidget(n - 1, 3, classe);
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
            TRetracaoAutogena& r = novas[linha + 1];
            r.Fck = fck;
            if (ComboModelo(linha)->currentIndex() == 1) {
                r.Modelo = TModeloRetracao::FibMC2010;
                r.Classe = RetracaoAutogena::Classes[ComboClasse(linha)->currentIndex()];
            }
        }
        AlteraProblema(ctx_, QStringLiteral("Retração Autógena"), [&] { ctx_.dados.RetracaoAutogena = std::move(novas); });
    });
    if (feito) hide();
}

QComboBox* TfrmRetracaoAutogena::ComboModelo(int linha) const { return qobject_cast<QComboBox*>(tabela->cellWidget(linha, 2)); }

QComboBox* TfrmRetracaoAutogena::ComboClasse(int linha) const { return qobject_cast<QComboBox*>(tabela->cellWidget(linha, 3)); }
