#include "stress/ui/JanelaCurvaBureau.h"

#include <QMenuBar>
#include <QVBoxLayout>
#include <cmath>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/PainelGrafico.h"

TJanelaCurvaBureau::TJanelaCurvaBureau(Contexto& ctx, const Textos& textos, Funcao funcao, QWidget* parent)
    : QWidget(parent), ctx_(ctx), funcao_(funcao), nomeFuncao_(textos.nomeFuncao) {
    setWindowTitle(textos.janela);
    cGrafico = new TPainelGrafico(this);
    cGrafico->setObjectName(QStringLiteral("cGrafico"));
    cGrafico->DefineTitulos(textos.grafico, QStringLiteral("Tempo [Dias]"), textos.eixoY);
    cGrafico->DefineLegenda(Qt::AlignBottom);
    auto* menu = new QMenuBar(this);
    SalvarFigura = menu->addMenu(QStringLiteral("A&rquivo"))->addAction(QStringLiteral("Salvar Figura..."));
    connect(SalvarFigura, &QAction::triggered, this,
            [this] { ExecutaAcao(ctx_.msg, [this] { cGrafico->SalvaFiguraComo(ctx_.arquivos); }); });
    auto* l = new QVBoxLayout(this);
    l->setMenuBar(menu);
    l->addWidget(cGrafico);
    resize(640, 460);
}

void TJanelaCurvaBureau::AdicionaCurva(double a, double b) {
    QList<QPointF> pontos;
    pontos.reserve(100);
    for (int dia = 1; dia <= 100; ++dia) {
        const double valor = funcao_(dia, a, b);
        if (!std::isfinite(valor))
            throw ErroCalculo("Divisão por zero na curva de " + nomeFuncao_.toStdString() + " no dia " +
                              std::to_string(dia) + ": verifique os parâmetros a e b.");
        pontos.append(QPointF(dia, valor));
    }
    cGrafico->AdicionaSerie(QStringLiteral("a = ") + QString::fromStdString(Numeros::FormataGeral(a)) +
                                QStringLiteral("; b = ") + QString::fromStdString(Numeros::FormataGeral(b)),
                            pontos);
    CamposNumericos::ApresentaJanela(this);
}
