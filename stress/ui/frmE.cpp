#include "stress/ui/frmE.h"

#include <QVBoxLayout>
#include <cmath>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "results/ui/PainelGrafico.h"
#include "stress/Restricao.h"

TfrmE::TfrmE(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmE"));
    setWindowTitle(QStringLiteral("Gráfico de E(z)"));
    cGrafico = new TPainelGrafico(this);
    cGrafico->setObjectName(QStringLiteral("cGrafico"));
    cGrafico->DefineTitulos(QStringLiteral("Evolução do Módulo de Elasticidade ( E )"), QStringLiteral("Tempo [Dias]"),
                            QStringLiteral("E(z) [MPa]"));
    cGrafico->DefineLegenda(Qt::AlignBottom);
    auto* l = new QVBoxLayout(this);
    l->addWidget(cGrafico);
    resize(640, 460);
}

void TfrmE::AdicionaCurva(double a, double b) {
    QList<QPointF> pontos;
    pontos.reserve(100);
    for (int dia = 1; dia <= 100; ++dia) {
        const double z = dia;
        const double valor = CurvaResistencia(z, a, b);
        if (!std::isfinite(valor))
            throw ErroCalculo("Divisão por zero na curva de E(z) no dia " + std::to_string(dia) +
                              ": verifique os parâmetros a e b.");
        pontos.append(QPointF(z, valor));
    }
    cGrafico->AdicionaSerie(QStringLiteral("a = ") + QString::fromStdString(Numeros::FormataGeral(a)) +
                                QStringLiteral("; b = ") + QString::fromStdString(Numeros::FormataGeral(b)),
                            pontos);
    show();
    raise();
}
