#include "stress/ui/JanelaCurvaBureau.h"

#include <QVBoxLayout>
#include <cmath>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "results/ui/PainelGrafico.h"

TJanelaCurvaBureau::TJanelaCurvaBureau(Contexto&, const Textos& textos, Funcao funcao, QWidget* parent)
    : QWidget(parent), funcao_(funcao), nomeFuncao_(textos.nomeFuncao) {
    setWindowTitle(textos.janela);
    cGrafico = new TPainelGrafico(this);
    cGrafico->setObjectName(QStringLiteral("cGrafico"));
    cGrafico->DefineTitulos(textos.grafico, QStringLiteral("Tempo [Dias]"), textos.eixoY);
    cGrafico->DefineLegenda(Qt::AlignBottom);
    auto* l = new QVBoxLayout(this);
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
