#include "stress/ui/frmF.h"

#include <QVBoxLayout>
#include <cmath>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "results/ui/PainelGrafico.h"

TfrmF::TfrmF(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmF"));
    setWindowTitle(QStringLiteral(" Gráfico de F(z)"));
    cGrafico = new TPainelGrafico(this);
    cGrafico->setObjectName(QStringLiteral("cGrafico"));
    cGrafico->DefineTitulos(QStringLiteral("Evolução do Coef. de Fluência ( F )"), QStringLiteral("Tempo [Dias]"),
                            QStringLiteral("F(z)  [ 1/10^-6  MPa ] "));
    cGrafico->DefineLegenda(Qt::AlignBottom);
    auto* l = new QVBoxLayout(this);
    l->addWidget(cGrafico);
    resize(640, 460);
}

void TfrmF::AdicionaCurva(double a, double b) {
    QList<QPointF> pontos;
    pontos.reserve(100);
    for (int dia = 1; dia <= 100; ++dia) {
        const double z = dia;
        const double valor = a + b / z;
        if (!std::isfinite(valor))
            throw ErroCalculo("Divisão por zero na curva de F(z) no dia " + std::to_string(dia) +
                              ": verifique os parâmetros a e b.");
        pontos.append(QPointF(z, valor));
    }
    cGrafico->AdicionaSerie(QStringLiteral("a = ") + QString::fromStdString(Numeros::FormataGeral(a)) +
                                QStringLiteral("; b = ") + QString::fromStdString(Numeros::FormataGeral(b)),
                            pontos);
    show();
    raise();
}
