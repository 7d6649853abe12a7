#include "obra/ui/frmProtecoes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <utility>

#include "obra/CondicoesObra.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "obra/Protecoes.h"
#include "obra/DadosObra.h"
#include "obra/ui/TabelaProtecoes.h"

using CamposNumericos::Geral;

TfrmProtecoes::TfrmProtecoes(Contexto& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window),
      lbCamada(new QLabel(QStringLiteral("1"))),
      chkBase(new QCheckBox(QStringLiteral("Face inferior da pilha (horas após o lançamento da camada 1)"))),
      sgdProtecoes(new QTableWidget(0, 4)),
      cbxPredefinicoes(new QComboBox),
      btnAcrescentar(new QPushButton(QStringLiteral("Acrescentar"))),
      btnRemover(new QPushButton(QStringLiteral("Remover"))),
      btnOk(new QPushButton(QStringLiteral("Ok"))),
      btnCancelar(new QPushButton(QStringLiteral("Cancelar"))),
      ctx_(ctx),
      laco_(lbCamada) {
    setObjectName(QStringLiteral("frmProtecoes"));
    setWindowTitle(QStringLiteral("Proteções das Faces (mantas, placas, fôrmas)"));
    lbCamada->setObjectName(QStringLiteral("lbCamada"));
    chkBase->setObjectName(QStringLiteral("chkBase"));
    sgdProtecoes->setObjectName(QStringLiteral("sgdProtecoes"));
    cbxPredefinicoes->setObjectName(QStringLiteral("cbxPredefinicoes"));
    btnAcrescentar->setObjectName(QStringLiteral("btnAcrescentar"));
    btnRemover->setObjectName(QStringLiteral("btnRemover"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    TabelaProtecoes::Prepara(sgdProtecoes, cbxPredefinicoes);

    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel(QStringLiteral("Camada ->")));
    topo->addWidget(lbCamada);
    topo->addStretch();
    auto* acrescenta = new QHBoxLayout;
    acrescenta->addWidget(cbxPredefinicoes, 1);
    acrescenta->addWidget(btnAcrescentar);
    acrescenta->addWidget(btnRemover);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);
    auto* principal = new QVBoxLayout(this);
    principal->addLayout(topo);
    principal->addWidget(laco_.Navegacao());
    principal->addWidget(chkBase);
    principal->addWidget(sgdProtecoes);
    principal->addLayout(acrescenta);
    principal->addWidget(new QLabel(QStringLiteral(
        "Enquanto está colocada, a proteção soma R à resistência da face: h efetivo = 1/(1/h + R).\n"
        "A proteção está da hora de colocação (inclusive) à de retirada (exclusive), contadas do lançamento.")));
    principal->addLayout(botoes);

    connect(btnAcrescentar, &QPushButton::clicked, this,
            [this] { TabelaProtecoes::Acrescenta(sgdProtecoes, cbxPredefinicoes, RetiradaPadrao()); });
    connect(btnRemover, &QPushButton::clicked, this, [this] {
        const int linha = sgdProtecoes->currentRow();
        if (linha >= 0) sgdProtecoes->removeRow(linha);
    });
    connect(chkBase, &QCheckBox::toggled, this, [this](bool base) {
        lbCamada->setEnabled(!base);
        laco_.Navegacao()->setEnabled(!base);
        if (base) {
            Mostra(ObraDe(ctx_.dados).ProtecoesBase);
        } else {
            laco_.Atualiza();
        }
    });
    // A lift that never had a list of its own starts from the rows of the nearest lift
    // below that has one (none at all: no rows).
    laco_.preenche = [this](int n) {
        for (int k = n; k >= 1; --k) {
            if (const auto* lista = Protecoes::DoTopo(ObraDe(ctx_.dados), k)) {
                Mostra(*lista);
                return;
            }
        }
        Mostra({});
    };
    laco_.ultima = [this] { return ctx_.dados.NCamadas; };
    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] {
        laco_.Reinicia();
        hide();
    });
}

void TfrmProtecoes::Abre() {
    chkBase->setChecked(false);
    laco_.VaiPara(1);
    CamposNumericos::ApresentaJanela(this);
}

// Until the next lift covers it: the hour after that lift's placement; the top lift,
// or a lift whose next one has no later placement yet, keeps it three days.
double TfrmProtecoes::RetiradaPadrao() const {
    const TDadosModelo& d = ctx_.dados;
    try {
        const int n = laco_.Atual();
        if (!chkBase->isChecked() && n >= 1 && n < d.NCamadas) {
            const double hora = d.Camadas[static_cast<std::size_t>(n)].HoraConcretagem;
            const double proxima = d.Camadas[static_cast<std::size_t>(n + 1)].HoraConcretagem;
            if (proxima > hora) return Protecoes::RetiradaPadrao(hora, proxima);
        }
    } catch (const std::exception&) {
    }
    return 72.0;
}

void TfrmProtecoes::Mostra(const std::vector<TProtecao>& lista) { TabelaProtecoes::Mostra(sgdProtecoes, lista); }

void TfrmProtecoes::MostraEstado() {
    if (chkBase->isChecked()) {
        Mostra(ObraDe(ctx_.dados).ProtecoesBase);
    } else {
        laco_.Atualiza();
    }
}

std::vector<TProtecao> TfrmProtecoes::Le() const { return TabelaProtecoes::Le(sgdProtecoes); }

void TfrmProtecoes::Ok() {
    ExecutaAcao(ctx_.msg, [&] {
        std::vector<TProtecao> lista = Le();
        TDadosModelo& d = ctx_.dados;
        if (chkBase->isChecked()) {
            AlteraProblema(ctx_, QStringLiteral("Proteções da face inferior"),
                           [&] { ObraEditavel(d).ProtecoesBase = std::move(lista); });
            chkBase->setChecked(false);
            return;
        }
        const int n = laco_.Atual();
        LacoCamadas::VerificaCapacidade(n);
        // A layer without protections stays without a list of them.
        if (!lista.empty() || Protecoes::DoTopo(ObraDe(d), n)) {
            AlteraProblema(ctx_, NomeCamada(QStringLiteral("Proteções"), n),
                           [&] { Protecoes::DoTopo(ObraEditavel(d), n) = std::move(lista); });
        }
        const int total = std::max(d.NCamadas, 1);
        if (laco_.Avanca(n, total, n, ctx_.msg) == LacoCamadas::Fim::Continua) return;
        laco_.Reinicia();
        hide();
    });
}
