#include "results/ui/frmSalvarNo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "results/ui/EscolhaNo.h"
#include "results/ui/SalvaTabela.h"

TfrmSalvarNo::TfrmSalvarNo(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmSalvarNo"));
    setWindowTitle(QStringLiteral("Salvar Nós Selecionados"));

    GroupBox1 = new QGroupBox(QStringLiteral("Quais são os nós selecionados para a temperatura?"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));

    auto* quadroNos = new QGroupBox(QStringLiteral("Nós"), GroupBox1);
    cbbVisualizaNo = new QComboBox(quadroNos);
    cbbVisualizaNo->setObjectName(QStringLiteral("cbbVisualizaNo"));
    cbbVisualizaNo->setEditable(true);
    cbbVisualizaNo->setInsertPolicy(QComboBox::NoInsert);
    cbbVisualizaNo->setMaxVisibleItems(20);
    auto* caixaNos = new QVBoxLayout(quadroNos);
    caixaNos->addWidget(cbbVisualizaNo);
    auto* lblAltura = new QLabel(this);
    caixaNos->addWidget(lblAltura);
    EscolhaNo::MostraAltura(cbbVisualizaNo, lblAltura, ctx_.dados);

    btnAcrescentar = new QPushButton(QStringLiteral("Acrescentar =>"), GroupBox1);
    btnAcrescentar->setObjectName(QStringLiteral("btnAcrescentar"));
    btnLimpar = new QPushButton(QStringLiteral("<= Limpar"), GroupBox1);
    btnLimpar->setObjectName(QStringLiteral("btnLimpar"));
    btnSalvar = new QPushButton(QStringLiteral("Salvar"), this);
    btnSalvar->setObjectName(QStringLiteral("btnSalvar"));

    auto* quadroLista = new QGroupBox(QStringLiteral("Nós Selecionados"), GroupBox1);
    mmFile = new QPlainTextEdit(quadroLista);
    mmFile->setObjectName(QStringLiteral("mmFile"));
    mmFile->setReadOnly(true);
    auto* caixaLista = new QVBoxLayout(quadroLista);
    caixaLista->addWidget(mmFile);

    auto* botoes = new QVBoxLayout;
    botoes->addWidget(quadroNos);
    botoes->addWidget(btnAcrescentar);
    botoes->addWidget(btnLimpar);
    botoes->addStretch(1);
    auto* dentro = new QHBoxLayout(GroupBox1);
    dentro->addLayout(botoes);
    dentro->addWidget(quadroLista, 1);

    auto* caixa = new QVBoxLayout(this);
    caixa->addWidget(GroupBox1, 1);
    caixa->addWidget(btnSalvar, 0, Qt::AlignRight);
    resize(440, 380);

    connect(btnAcrescentar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Acrescentar(); }); });
    connect(btnLimpar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Limpar(); }); });
    connect(btnSalvar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Salvar(); }); });
}

void TfrmSalvarNo::Abre(TModoNo modo) {
    modo_ = modo;
    ctx_.dados.ModoNo = modo;
    CamposNumericos::ApresentaJanela(this);
    mmFile->clear();
    GroupBox1->setTitle(modo == TModoNo::Temperatura
                            ? QStringLiteral("Quais são os nós selecionados para a temperatura?")
                            : QStringLiteral("Quais são os nós selecionados para a tensão?"));
    EscolhaNo::Preenche(cbbVisualizaNo, ctx_.dados);
}

std::vector<int> TfrmSalvarNo::NosSelecionados() const {
    std::vector<int> nos;
    const QString texto = mmFile->toPlainText();
    if (texto.isEmpty()) return nos;
    for (const QString& linha : texto.split(QLatin1Char('\n')))
        nos.push_back(Numeros::TextoParaInteiro(linha.toStdString()));
    return nos;
}

void TfrmSalvarNo::Acrescentar() {
    const int n = EscolhaNo::NoEscolhido(cbbVisualizaNo, ctx_.dados);
    if (mmFile->blockCount() >= MaxNosLista && !mmFile->toPlainText().isEmpty())
        throw ErroEntrada("A lista comporta no máximo 5000 nós.");
    mmFile->appendPlainText(QStringLiteral(" ") + QString::number(n));
}

void TfrmSalvarNo::Limpar() {
    if (ctx_.msg.confirma(QStringLiteral("Deseja realmente limpar a lista de nós selecionados?"))) mmFile->clear();
}

void TfrmSalvarNo::Salvar() {
    const std::vector<int> nos = NosSelecionados();
    SalvaTabela::SalvaNos(ctx_, modo_ == TModoNo::Temperatura ? ctx_.temperaturas : ctx_.tensoes, nos);
}
