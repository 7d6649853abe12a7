#include "core/ui/AvisoFormulacao.h"

#include <QApplication>
#include <QHBoxLayout>
#include <exception>

#include "core/Progresso.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "core/ui/Programa.h"

TAvisoFormulacaoUi::TAvisoFormulacaoUi(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("avisoFormulacao"));
    lblAviso = new QLabel(this);
    lblAviso->setObjectName(QStringLiteral("lblAvisoFormulacao"));
    lblAviso->setWordWrap(true);
    lblAviso->setStyleSheet(QStringLiteral("color: #a00000;"));
    btnConsistente = new QPushButton(QStringLiteral("Refazer na formulação consistente"), this);
    btnConsistente->setObjectName(QStringLiteral("btnFormulacaoConsistente"));
    btnConsistente->setToolTip(QStringLiteral("Passa o problema à formulação consistente (pode ser desfeito)\n"
                                              "e executa de novo a análise térmica"));
    auto* linha = new QHBoxLayout(this);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->addWidget(lblAviso, 1);
    linha->addWidget(btnConsistente, 0, Qt::AlignTop);
    connect(btnConsistente, &QPushButton::clicked, this, [this] {
        if (ctx_.janelas.programa) ctx_.janelas.programa->ExecutaConsistente();
    });
    hide();
}

void TAvisoFormulacaoUi::Mostra(const TAvisoFormulacao& aviso) {
    std::string texto = aviso.Texto();
    if (!texto.empty() && texto.back() == '\n') texto.pop_back();
    lblAviso->setText(QString::fromStdString(texto));
    setVisible(!aviso.Vazio());
}

void TAvisoFormulacaoUi::Confere(const TResumoTermico& resumo, const TIndiceFissuracao* indice, bool termicos) {
    TAvisoFormulacao aviso;
    try {
        Progresso semJanela;
        aviso = TAvisoFormulacao::Calcula(ctx_.dados, resumo, indice, LimiteDiferencaAtual(ctx_), semJanela, termicos);
    } catch (const std::exception&) {
        aviso = {};  // the check is extra: the window's own figures stand
    }
    Mostra(aviso);
}

std::optional<double> LimiteDiferencaAtual(const Contexto& ctx) {
    if (ctx.janelas.relatorio)
        if (const auto l = ctx.janelas.relatorio->LimiteDiferenca()) return l;
    return 20.0;
}
