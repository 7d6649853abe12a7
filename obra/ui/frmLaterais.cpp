#include "obra/ui/frmLaterais.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "obra/Laterais.h"
#include "obra/ui/TabelaProtecoes.h"

using CamposNumericos::Geral;

namespace {

// The lists up to the last lift that has one (none at all: empty), as the project
// file keeps them.
std::vector<std::vector<TProtecao>> Aparadas(std::vector<std::vector<TProtecao>> listas) {
    while (!listas.empty() && listas.back().empty()) listas.pop_back();
    return listas;
}

}  // namespace

TfrmLaterais::TfrmLaterais(Contexto& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window),
      rbExtenso(new QRadioButton(QStringLiteral("Membro extenso (sem perda de calor pelas laterais)"))),
      rbFinito(new QRadioButton(QStringLiteral("Bloco de dimensões finitas em planta"))),
      edComprimento(CamposNumericos::NovoCampo(this, "edComprimento", QStringLiteral("0"))),
      edLargura(CamposNumericos::NovoCampo(this, "edLargura", QStringLiteral("0"))),
      edCoeficiente(CamposNumericos::NovoCampo(this, "edCoeficiente", QStringLiteral("10"))),
      spnCamada(new QSpinBox),
      sgdProtecoes(new QTableWidget(0, 4)),
      cbxPredefinicoes(new QComboBox),
      btnAcrescentar(new QPushButton(QStringLiteral("Acrescentar"))),
      btnRemover(new QPushButton(QStringLiteral("Remover"))),
      btnCopiarTodas(new QPushButton(QStringLiteral("Copiar para todas as camadas"))),
      sgdBiot(new QTableWidget(0, 2)),
      lbAviso(new QLabel),
      btnOk(new QPushButton(QStringLiteral("Ok"))),
      btnCancelar(new QPushButton(QStringLiteral("Cancelar"))),
      ctx_(ctx) {
    setObjectName(QStringLiteral("frmLaterais"));
    setWindowTitle(QStringLiteral("Dimensões em Planta e Laterais do Bloco"));
    rbExtenso->setObjectName(QStringLiteral("rbExtenso"));
    rbFinito->setObjectName(QStringLiteral("rbFinito"));
    spnCamada->setObjectName(QStringLiteral("spnCamada"));
    sgdProtecoes->setObjectName(QStringLiteral("sgdProtecoes"));
    cbxPredefinicoes->setObjectName(QStringLiteral("cbxPredefinicoes"));
    btnAcrescentar->setObjectName(QStringLiteral("btnAcrescentar"));
    btnRemover->setObjectName(QStringLiteral("btnRemover"));
    btnCopiarTodas->setObjectName(QStringLiteral("btnCopiarTodas"));
    sgdBiot->setObjectName(QStringLiteral("sgdBiot"));
    lbAviso->setObjectName(QStringLiteral("lbAviso"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    auto* grupo = new QButtonGroup(this);
    grupo->addButton(rbExtenso);
    grupo->addButton(rbFinito);
    TabelaProtecoes::Prepara(sgdProtecoes, cbxPredefinicoes);
    sgdProtecoes->setMinimumHeight(120);
    sgdBiot->setHorizontalHeaderLabels({QStringLiteral("Camada"), QStringLiteral("Bi em planta")});
    sgdBiot->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgdBiot->verticalHeader()->hide();
    sgdBiot->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgdBiot->setMinimumHeight(110);
    sgdBiot->setMaximumHeight(140);
    lbAviso->setWordWrap(true);
    lbAviso->setStyleSheet(QStringLiteral("color: #a00000"));

    auto* planta = new QGroupBox(QStringLiteral("Dimensões em planta"));
    auto* gp = new QGridLayout(planta);
    gp->addWidget(rbExtenso, 0, 0, 1, 4);
    gp->addWidget(rbFinito, 1, 0, 1, 4);
    gp->addWidget(new QLabel(QStringLiteral("Comprimento Lx [m]")), 2, 0);
    gp->addWidget(edComprimento, 2, 1);
    gp->addWidget(new QLabel(QStringLiteral("Largura Ly [m]")), 2, 2);
    gp->addWidget(edLargura, 2, 3);
    gp->addWidget(new QLabel(QStringLiteral("(0 numa direção: extenso nessa direção, como um muro)")), 3, 0, 1, 4);
    gp->addWidget(new QLabel(QStringLiteral("Coeficiente das laterais descobertas h [W/(m²·°C)]")), 4, 0, 1, 3);
    gp->addWidget(edCoeficiente, 4, 3);

    auto* prot = new QGroupBox(QStringLiteral("Proteções das laterais (fôrmas, mantas, placas)"));
    auto* vp = new QVBoxLayout(prot);
    auto* linhaCamada = new QHBoxLayout;
    linhaCamada->addWidget(new QLabel(QStringLiteral("Camada")));
    linhaCamada->addWidget(spnCamada);
    linhaCamada->addWidget(new QLabel(QStringLiteral("(horas contadas do lançamento da camada)")));
    linhaCamada->addStretch();
    vp->addLayout(linhaCamada);
    vp->addWidget(sgdProtecoes);
    auto* acrescenta = new QHBoxLayout;
    acrescenta->addWidget(cbxPredefinicoes, 1);
    acrescenta->addWidget(btnAcrescentar);
    acrescenta->addWidget(btnRemover);
    vp->addLayout(acrescenta);
    vp->addWidget(btnCopiarTodas, 0, Qt::AlignLeft);

    auto* biot = new QGroupBox(QStringLiteral("Validade da perda lateral concentrada"));
    auto* vb = new QVBoxLayout(biot);
    vb->addWidget(new QLabel(QStringLiteral(
        "Cada m³ perde U·(2/Lx + 2/Ly)·(T − T_ar), U = 1/(1/h + R) das laterais na hora: a temperatura é tomada\n"
        "uniforme na seção em planta. Bi = U·(L/2)/k, L a menor dimensão, com o menor R da camada na análise;\n"
        "a partir de Bi = 0,1 a diferença entre o núcleo e as laterais não é representada.")));
    vb->addWidget(sgdBiot);
    vb->addWidget(lbAviso);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(planta);
    principal->addWidget(prot);
    principal->addWidget(biot);
    principal->addLayout(botoes);

    const auto habilita = [this] {
        const bool finito = rbFinito->isChecked();
        for (QWidget* w : {static_cast<QWidget*>(edComprimento), static_cast<QWidget*>(edLargura)}) w->setEnabled(finito);
        AtualizaBiot();
    };
    connect(rbFinito, &QRadioButton::toggled, this, habilita);
    for (QLineEdit* e : {edComprimento, edLargura, edCoeficiente})
        connect(e, &QLineEdit::editingFinished, this, [this] { AtualizaBiot(); });
    connect(sgdProtecoes, &QTableWidget::itemChanged, this, [this] {
        if (!mostrando_) AtualizaBiot();
    });
    connect(btnAcrescentar, &QPushButton::clicked, this, [this] {
        TabelaProtecoes::Acrescenta(sgdProtecoes, cbxPredefinicoes, 72.0);
        AtualizaBiot();
    });
    connect(btnRemover, &QPushButton::clicked, this, [this] {
        const int linha = sgdProtecoes->currentRow();
        if (linha >= 0) sgdProtecoes->removeRow(linha);
        AtualizaBiot();
    });
    connect(btnCopiarTodas, &QPushButton::clicked, this, [this] {
        ExecutaAcao(ctx_.msg, [&] {
            GuardaTabela();
            const auto lista = protecoes_[static_cast<std::size_t>(camadaMostrada_)];
            for (int L = Membro::PrimeiraCamadaDeConcreto(ctx_.dados); L < static_cast<int>(protecoes_.size()); ++L)
                protecoes_[static_cast<std::size_t>(L)] = lista;
            AtualizaBiot();
        });
    });
    connect(spnCamada, &QSpinBox::valueChanged, this, [this](int n) {
        if (mostrando_ || n == camadaMostrada_) return;
        try {
            GuardaTabela();
        } catch (const std::exception& e) {
            // The rows shown stay until they read.
            mostrando_ = true;
            spnCamada->setValue(camadaMostrada_);
            mostrando_ = false;
            ctx_.msg.erro(QString::fromUtf8(e.what()));
            return;
        }
        MostraCamada(n);
    });
    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] { hide(); });
}

void TfrmLaterais::Abre() {
    MostraEstado();
    CamposNumericos::ApresentaJanela(this);
}

void TfrmLaterais::MostraEstado() {
    const TDadosObra& o = ObraDe(ctx_.dados);
    const int camadas = std::clamp(ctx_.dados.NCamadas, 1, MaxCamadas);
    protecoes_ = o.ProtecoesLaterais;
    protecoes_.resize(static_cast<std::size_t>(std::max<int>(camadas + 1, static_cast<int>(protecoes_.size()))));
    mostrando_ = true;
    (Laterais::Finita(o) ? rbFinito : rbExtenso)->setChecked(true);
    edComprimento->setText(Geral(o.ComprimentoPlanta));
    edLargura->setText(Geral(o.LarguraPlanta));
    edCoeficiente->setText(Geral(o.CoefLateral));
    edComprimento->setEnabled(Laterais::Finita(o));
    edLargura->setEnabled(Laterais::Finita(o));
    spnCamada->setRange(1, camadas);
    spnCamada->setValue(1);
    mostrando_ = false;
    MostraCamada(1);
}

void TfrmLaterais::MostraCamada(int camada) {
    mostrando_ = true;
    camadaMostrada_ = camada;
    spnCamada->setValue(camada);
    TabelaProtecoes::Mostra(sgdProtecoes, protecoes_[static_cast<std::size_t>(camada)]);
    mostrando_ = false;
    AtualizaBiot();
}

void TfrmLaterais::GuardaTabela() {
    protecoes_[static_cast<std::size_t>(camadaMostrada_)] = TabelaProtecoes::Le(sgdProtecoes);
}

TDadosObra TfrmLaterais::Edicao() {
    GuardaTabela();
    TDadosObra o = ObraDe(ctx_.dados);
    const auto naoNegativo = [](QLineEdit* campo, const char* nome) {
        const double v = CamposNumericos::Real(campo);
        if (!(v >= 0.0) || !std::isfinite(v)) throw ErroEntrada(std::string(nome) + " não pode ser negativo.");
        return v;
    };
    const bool finito = rbFinito->isChecked();
    o.ComprimentoPlanta = finito ? naoNegativo(edComprimento, "O comprimento em planta") : 0.0;
    o.LarguraPlanta = finito ? naoNegativo(edLargura, "A largura em planta") : 0.0;
    if (finito && !Laterais::Finita(o))
        throw ErroEntrada("Informe o comprimento ou a largura do bloco (ou escolha \"Membro extenso\").");
    o.CoefLateral = naoNegativo(edCoeficiente, "O coeficiente das laterais");
    o.ProtecoesLaterais = Aparadas(protecoes_);
    return o;
}

void TfrmLaterais::AtualizaBiot() {
    if (mostrando_) return;
    const TDadosModelo& d = ctx_.dados;
    sgdBiot->setRowCount(0);
    try {
        const TDadosObra o = Edicao();
        const std::vector<double> bi = Laterais::BiotPorCamada(d, o);
        if (Laterais::Finita(o)) {
            for (int L = 1; L < static_cast<int>(bi.size()); ++L) {
                const int linha = sgdBiot->rowCount();
                sgdBiot->insertRow(linha);
                sgdBiot->setItem(linha, 0, new QTableWidgetItem(QString::number(L)));
                const double b = bi[static_cast<std::size_t>(L)];
                const QString texto = Membro::CamadaDaFundacao(d, L) ? QStringLiteral("fundação (sem perda lateral)")
                                      : QString::fromStdString(Numeros::FormataFixo(b, 0, 3)) +
                                            (b >= Laterais::BiotLimite ? QStringLiteral("  ≥ 0,1") : QString());
                sgdBiot->setItem(linha, 1, new QTableWidgetItem(texto));
            }
        }
        lbAviso->setText(QString::fromStdString(Laterais::AvisoBiot(d, o)));
    } catch (const std::exception& e) {
        lbAviso->setText(QString::fromUtf8(e.what()));
    }
}

void TfrmLaterais::Ok() {
    ExecutaAcao(ctx_.msg, [&] {
        TDadosObra novo = Edicao();
        TDadosModelo& d = ctx_.dados;
        const TDadosObra& atual = ObraDe(d);
        const bool igual = novo.ComprimentoPlanta == atual.ComprimentoPlanta &&
                           novo.LarguraPlanta == atual.LarguraPlanta && novo.CoefLateral == atual.CoefLateral &&
                           novo.ProtecoesLaterais == Aparadas(atual.ProtecoesLaterais);
        if (!igual) {
            AlteraProblema(ctx_, QStringLiteral("Dimensões em Planta"), [&] {
                TDadosObra& o = ObraEditavel(d);
                o.ComprimentoPlanta = novo.ComprimentoPlanta;
                o.LarguraPlanta = novo.LarguraPlanta;
                o.CoefLateral = novo.CoefLateral;
                o.ProtecoesLaterais = std::move(novo.ProtecoesLaterais);
            });
        }
        hide();
    });
}
