#include "results/ui/JanelaAmpliada.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/ExecutaAcao.h"
#include "core/ui/PainelGrafico.h"

TJanelaAmpliada::TJanelaAmpliada(Contexto& ctx, const QString& nomeGrafico, QWidget* parent)
    : QWidget(parent), ctx_(ctx), grafico_(new TPainelGrafico(this)) {
    grafico_->setObjectName(nomeGrafico);
    btnVoltar = new QPushButton(QStringLiteral("Voltar"), this);
    btnVoltar->setObjectName(QStringLiteral("btnVoltar"));
    btnSalvarFigura = new QPushButton(QStringLiteral("Salvar Figura"), this);
    btnSalvarFigura->setObjectName(QStringLiteral("btnSalvarFigura"));

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnSalvarFigura);
    botoes->addWidget(btnVoltar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grafico_, 1);
    layout->addLayout(botoes);
    resize(1100, 720);

    connect(btnVoltar, &QPushButton::clicked, this, &QWidget::close);
    connect(btnSalvarFigura, &QPushButton::clicked, this, &TJanelaAmpliada::btnSalvarFiguraClick);
}

void TJanelaAmpliada::btnSalvarFiguraClick() {
    ExecutaAcao(ctx_.msg, [this] { grafico_->SalvaFiguraComo(ctx_.arquivos); });
}
