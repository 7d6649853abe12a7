#include "input/ui/frmTabelaMembro.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/Erros.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "core/ui/Programa.h"
#include "input/ui/frmCalorIntDiscr.h"
#include "input/ui/frmCalorInterno.h"
#include "input/ui/frmCondInic.h"
#include "input/ui/frmCura.h"
#include "input/ui/frmMembro.h"

using namespace TabelaMembro;

namespace {
// The state's layer a row came from (0: a new row), kept on its first cell.
constexpr int PapelOrigem = Qt::UserRole + 1;

QPushButton* Botao(QWidget* dono, const char* nome, const QString& texto) {
    auto* b = new QPushButton(texto, dono);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}
}  // namespace

TfrmTabelaMembro::TfrmTabelaMembro(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmTabelaMembro"));
    setWindowTitle(QStringLiteral("Tabela do Membro"));
    tbCamadas = new QTableWidget(0, NumColunas, this);
    tbCamadas->setObjectName(QStringLiteral("tbCamadas"));
    tbCamadas->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tbCamadas->setSelectionBehavior(QAbstractItemView::SelectItems);
    ckbFundacao = new QCheckBox(QStringLiteral("Fundação (a camada 1 é a fundação)"), this);
    ckbFundacao->setObjectName(QStringLiteral("ckbFundacao"));
    ckbFundacao->setToolTip(QStringLiteral(
        "O cálculo de tensões considera o nível superior da camada de fundação como referência, tomada como "
        "restrição máxima (método simplificado do ACI)."));
    btnAcrescentar = Botao(this, "btnAcrescentar", QStringLiteral("Acrescentar Camada"));
    btnDuplicar = Botao(this, "btnDuplicar", QStringLiteral("Duplicar Camada"));
    btnApagar = Botao(this, "btnApagar", QStringLiteral("Apagar Camada"));
    btnOk = Botao(this, "btnOk", QStringLiteral("Ok"));
    btnCancelar = Botao(this, "btnCancelar", QStringLiteral("Cancelar"));
    btnAcrescentar->setToolTip(QStringLiteral("Acrescenta uma camada acima da selecionada, com as propriedades dela"));
    btnCancelar->setToolTip(QStringLiteral("Fecha sem alterar o problema"));
    tbCamadas->setToolTip(QStringLiteral("Ctrl+V cola linhas de planilha (separadas por tabulação ou ';', vírgula decimal). "
                                         "Na coluna Agregado, Basalto, Granito, Gnaisse, Quartzito, Calcário ou Arenito "
                                         "preenchem o calor específico e a dilatação da linha; Outro deixa como estão."));

    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {btnAcrescentar, btnDuplicar, btnApagar}) botoes->addWidget(b);
    botoes->addStretch(1);
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);
    auto* l = new QVBoxLayout(this);
    l->addWidget(tbCamadas, 1);
    l->addWidget(ckbFundacao);
    l->addLayout(botoes);
    resize(1100, 420);

    auto acao = [this](void (TfrmTabelaMembro::*f)()) {
        return [this, f] { ExecutaAcao(ctx_.msg, [this, f] { (this->*f)(); }); };
    };
    connect(btnAcrescentar, &QPushButton::clicked, this, acao(&TfrmTabelaMembro::Acrescenta));
    connect(btnDuplicar, &QPushButton::clicked, this, acao(&TfrmTabelaMembro::Duplica));
    connect(btnApagar, &QPushButton::clicked, this, acao(&TfrmTabelaMembro::Apaga));
    connect(btnOk, &QPushButton::clicked, this, acao(&TfrmTabelaMembro::Ok));
    connect(btnCancelar, &QPushButton::clicked, this, &QWidget::hide);
    connect(tbCamadas, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) { AgregadoEditado(item); });
}

void TfrmTabelaMembro::AgregadoEditado(QTableWidgetItem* item) {
    if (preenchendo_ || !item || item->column() != Agregado) return;
    Linha l = LeLinha(item->row());
    if (!PreencheAgregado(l, ctx_.dados.UnidadesUsuais)) return;
    preenchendo_ = true;
    for (const int c : {static_cast<int>(Condutividade), static_cast<int>(CalorEspecifico), static_cast<int>(Dilatacao)})
        if (QTableWidgetItem* celula = tbCamadas->item(item->row(), c))
            celula->setText(QString::fromStdString(l[static_cast<std::size_t>(c)]));
    preenchendo_ = false;
}

void TfrmTabelaMembro::Abre() {
    Preenche();
    CamposNumericos::ApresentaJanela(this);
}

void TfrmTabelaMembro::Preenche() {
    const TDadosModelo& d = ctx_.dados;
    QStringList titulos;
    for (int c = 0; c < NumColunas; ++c)
        titulos << QString::fromStdString(Titulo(static_cast<Coluna>(c), d.UnidadesUsuais));
    tbCamadas->setHorizontalHeaderLabels(titulos);
    lido_ = LinhasDoEstado();
    fundacaoLida_ = d.Fundacao;
    const int n = static_cast<int>(lido_.size());
    tbCamadas->setRowCount(0);
    tbCamadas->setRowCount(n);
    for (int L = 1; L <= n; ++L) PoeLinha(L - 1, lido_[static_cast<std::size_t>(L - 1)], L);
    ckbFundacao->setChecked(d.Fundacao);
    Numera();
}

std::vector<Linha> TfrmTabelaMembro::LinhasDoEstado() const {
    const TDadosModelo& d = ctx_.dados;
    // A member whose entry was left midway holds the layers walked through.
    const int n = std::clamp(std::max(d.NCamadas, d.NCamadasMembro), 0, MaxCamadas);
    std::vector<Linha> linhas;
    for (int L = 1; L <= n; ++L) linhas.push_back(LinhaDoEstado(d, L));
    return linhas;
}

void TfrmTabelaMembro::PoeLinha(int linha, const Linha& valores, int origem) {
    const bool antes = preenchendo_;
    preenchendo_ = true;
    for (int c = 0; c < NumColunas; ++c) {
        auto* item = new QTableWidgetItem(QString::fromStdString(valores[static_cast<std::size_t>(c)]));
        if (c == 0) item->setData(PapelOrigem, origem);
        tbCamadas->setItem(linha, c, item);
    }
    preenchendo_ = antes;
}

Linha TfrmTabelaMembro::LeLinha(int linha) const {
    Linha l;
    for (int c = 0; c < NumColunas; ++c) {
        const QTableWidgetItem* item = tbCamadas->item(linha, c);
        l[static_cast<std::size_t>(c)] = item ? item->text().toStdString() : std::string();
    }
    return l;
}

void TfrmTabelaMembro::Numera() {
    QStringList nomes;
    for (int i = 0; i < tbCamadas->rowCount(); ++i) nomes << QString::number(i + 1);
    tbCamadas->setVerticalHeaderLabels(nomes);
}

void TfrmTabelaMembro::Acrescenta() {
    if (tbCamadas->rowCount() >= MaxCamadas)
        throw ErroEntrada("O membro pode ter até " + std::to_string(MaxCamadas) + " camadas.");
    const int atual = tbCamadas->currentRow();
    const int nova = atual >= 0 ? atual + 1 : tbCamadas->rowCount();
    // A new layer starts with the properties of the one below, as in the layer dialog,
    // with an empty thickness to be typed.
    Linha valores;
    if (nova > 0) {
        valores = LeLinha(nova - 1);
        valores[Espessura].clear();
    } else {
        valores = {"", "2", "2348", "837", "10,0", "1", "6", "20", "Não", "300", "80", "0", "0,45", "7", "0"};
        if (ctx_.dados.UnidadesUsuais) {
            valores[Condutividade] = "43,20";
            valores[CalorEspecifico] = "0,20";
        }
    }
    tbCamadas->insertRow(nova);
    PoeLinha(nova, valores, 0);
    Numera();
    tbCamadas->setCurrentCell(nova, Espessura);
}

void TfrmTabelaMembro::Duplica() {
    const int atual = tbCamadas->currentRow();
    if (atual < 0) throw ErroEntrada("Selecione a camada a duplicar.");
    if (tbCamadas->rowCount() >= MaxCamadas)
        throw ErroEntrada("O membro pode ter até " + std::to_string(MaxCamadas) + " camadas.");
    const Linha valores = LeLinha(atual);
    const int origem = tbCamadas->item(atual, 0) ? tbCamadas->item(atual, 0)->data(PapelOrigem).toInt() : 0;
    tbCamadas->insertRow(atual + 1);
    // The copy carries the original's calorimeter table and curing record too.
    PoeLinha(atual + 1, valores, origem);
    Numera();
    tbCamadas->setCurrentCell(atual + 1, tbCamadas->currentColumn());
}

void TfrmTabelaMembro::Apaga() {
    const int atual = tbCamadas->currentRow();
    if (atual < 0) throw ErroEntrada("Selecione a camada a apagar.");
    tbCamadas->removeRow(atual);
    Numera();
}

void TfrmTabelaMembro::Cola(const QString& texto) {
    const auto linhas = Colagem(texto.toStdString());
    if (linhas.empty()) return;
    // With no cell chosen the rows go below the last layer.
    const int linha0 = tbCamadas->currentRow() >= 0 ? tbCamadas->currentRow() : tbCamadas->rowCount();
    const int coluna0 = std::max(tbCamadas->currentColumn(), 0);
    if (const std::string p = ProblemaColagem(linhas, coluna0, ctx_.dados.UnidadesUsuais); !p.empty())
        throw ErroEntrada(p);
    const int precisa = linha0 + static_cast<int>(linhas.size());
    if (precisa > MaxCamadas)
        throw ErroEntrada("A colagem daria " + std::to_string(precisa) + " camadas; o membro pode ter até " +
                          std::to_string(MaxCamadas) + ".");
    while (tbCamadas->rowCount() < precisa) {
        const int nova = tbCamadas->rowCount();
        tbCamadas->insertRow(nova);
        PoeLinha(nova, nova > 0 ? LeLinha(nova - 1) : Linha{}, 0);
    }
    // Pasted rows keep the values they bring, with or without an aggregate.
    preenchendo_ = true;
    for (std::size_t i = 0; i < linhas.size(); ++i)
        for (std::size_t k = 0; k < linhas[i].size() && coluna0 + static_cast<int>(k) < NumColunas; ++k)
            tbCamadas->item(linha0 + static_cast<int>(i), coluna0 + static_cast<int>(k))
                ->setText(QString::fromStdString(linhas[i][k]));
    preenchendo_ = false;
    Numera();
}

void TfrmTabelaMembro::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Paste)) {
        ExecutaAcao(ctx_.msg, [this] { Cola(QApplication::clipboard()->text()); });
        return;
    }
    QWidget::keyPressEvent(evento);
}

void TfrmTabelaMembro::Ok() {
    TDadosModelo& d = ctx_.dados;
    Janelas& j = ctx_.janelas;
    std::vector<Linha> linhas;
    std::vector<int> origem;
    for (int i = 0; i < tbCamadas->rowCount(); ++i) {
        linhas.push_back(LeLinha(i));
        origem.push_back(tbCamadas->item(i, 0) ? tbCamadas->item(i, 0)->data(PapelOrigem).toInt() : 0);
    }
    if (LinhasDoEstado() != lido_ || d.Fundacao != fundacaoLida_) {
        throw ErroEntrada(
            "O membro foi alterado em outro diálogo depois que a tabela foi aberta. Feche a tabela e abra-a de "
            "novo para editar o membro atual.");
    }
    // The bad cell is shown to the user before its message.
    for (int i = 0; i < static_cast<int>(linhas.size()); ++i) {
        ErroCelula erro{};
        try {
            Converte(linhas[static_cast<std::size_t>(i)], i + 1, d.UnidadesUsuais, &erro);
        } catch (const ErroEntrada&) {
            tbCamadas->setCurrentCell(erro.Linha, erro.Coluna);
            throw;
        }
    }
    const int elementos = j.programa ? j.programa->ElementosPorCamada() : std::max(d.NElemCamada, 1);
    AlteraProblema(ctx_, QStringLiteral("Tabela do Membro"),
                   [&] { Aplica(d, linhas, origem, ckbFundacao->isChecked(), elementos); });
    // The dialogs start their next pass from the new member.
    if (j.frmMembro) j.frmMembro->MostraEstado();
    if (j.frmCondInic) j.frmCondInic->MostraEstado();
    if (j.frmCalorInterno) j.frmCalorInterno->MostraEstado();
    if (j.frmCalorIntDiscr) j.frmCalorIntDiscr->MostraEstado();
    if (j.frmCura) j.frmCura->MostraEstado();
    // Every layer now has its placement, as after the initial conditions.
    if (j.programa) j.programa->HabilitaExecucao();
    hide();
}
