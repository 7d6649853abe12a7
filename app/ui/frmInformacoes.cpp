#include "app/ui/frmInformacoes.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/ui/Janelas.h"
#include "app/ui/frmEntradaDados.h"

TfrmInformacoes::TfrmInformacoes(Contexto& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), btnFechar(new QPushButton(QStringLiteral("Fechar"))), ctx_(ctx) {
    setObjectName(QStringLiteral("frmInformacoes"));
    setWindowTitle(QStringLiteral("Informações do Programa"));
    btnFechar->setObjectName(QStringLiteral("btnFechar"));

    auto* moldura = new QFrame;
    moldura->setFrameShape(QFrame::Panel);
    moldura->setFrameShadow(QFrame::Raised);
    moldura->setLineWidth(2);

    auto* nome = new QLabel(QStringLiteral("Norvik - 1D"));
    nome->setObjectName(QStringLiteral("lbNome"));
    QFont fonte = nome->font();
    fonte.setPointSize(18);
    fonte.setBold(true);
    nome->setFont(fonte);
    nome->setAlignment(Qt::AlignCenter);

    auto* descricao = new QLabel(QStringLiteral("Programa de Análise Termotensional aplicado  à estruturas\n"
                                                "sujeitas ao problema térmico."));
    descricao->setObjectName(QStringLiteral("lbDescricao"));
    descricao->setAlignment(Qt::AlignCenter);

    auto* desenvolvimento = new QLabel(QStringLiteral("Desenvolvido pela equipe Norvik de engenharia de estruturas."));
    desenvolvimento->setObjectName(QStringLiteral("lbDesenvolvimento"));
    desenvolvimento->setAlignment(Qt::AlignCenter);

    auto* versoes = new QLabel(QStringLiteral(
        "Versão 0.1: análise térmica transiente unidimensional em camadas,\n"
        "    análise de tensões térmicas com fluência (cinco modelos),\n"
        "    arquivo de projeto e execução em lote."));
    versoes->setObjectName(QStringLiteral("lbVersoes"));

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnFechar);
    botoes->addStretch();

    auto* dentro = new QVBoxLayout(moldura);
    dentro->setContentsMargins(20, 16, 20, 12);
    dentro->setSpacing(10);
    dentro->addWidget(nome);
    dentro->addWidget(descricao);
    dentro->addWidget(desenvolvimento);
    dentro->addWidget(versoes);
    dentro->addLayout(botoes);
    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->addWidget(moldura);

    connect(btnFechar, &QPushButton::clicked, this, [this] { btnFecharClick(); });
}

// Borderless, it has no frame the system would place: it opens over the main window.
void TfrmInformacoes::showEvent(QShowEvent* evento) {
    adjustSize();
    if (const QWidget* principal = ctx_.janelas.frmEntradaDados; principal && principal->isVisible())
        move(principal->frameGeometry().center() - rect().center());
    QWidget::showEvent(evento);
}

void TfrmInformacoes::btnFecharClick() { close(); }
