#include "results/ui/PerfilEixo.h"

#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <cmath>

#include "results/ui/PainelGrafico.h"

namespace PerfilEixo {

namespace {
const char* const PorNo = "pontosPorNo";
const char* const PorAltura = "pontosPorAltura";
}  // namespace

QList<QPointF> EmAlturas(const QList<QPointF>& porNo, const std::vector<double>& alturas) {
    QList<QPointF> saida = porNo;
    for (QPointF& p : saida) {
        const long long n = std::llround(p.x());
        if (n >= 1 && static_cast<std::size_t>(n) < alturas.size()) p.setX(alturas[static_cast<std::size_t>(n)]);
    }
    return saida;
}

QLineSeries* Adiciona(TPainelGrafico* painel, const QString& titulo, const QList<QPointF>& porNo,
                      const QList<QPointF>& porAltura, bool emAlturas) {
    QLineSeries* s = painel->AdicionaSerie(titulo, emAlturas ? porAltura : porNo);
    s->setProperty(PorNo, QVariant::fromValue(porNo));
    s->setProperty(PorAltura, QVariant::fromValue(porAltura));
    return s;
}

void Reescreve(TPainelGrafico* painel, bool emAlturas) {
    struct Curva {
        QString titulo;
        QPen caneta;
        QVariant porNo, porAltura;
    };
    QList<Curva> curvas;
    for (QLineSeries* s : painel->Series()) curvas.append({s->name(), s->pen(), s->property(PorNo), s->property(PorAltura)});
    painel->RemoveSeries();
    for (const Curva& c : curvas) {
        const auto porNo = c.porNo.value<QList<QPointF>>();
        const auto porAltura = c.porAltura.value<QList<QPointF>>();
        QLineSeries* s = Adiciona(painel, c.titulo, porNo, porAltura, emAlturas);
        s->setPen(c.caneta);
    }
}

void TituloEixo(TPainelGrafico* painel, const QString& tituloNos, bool emAlturas) {
    painel->EixoX()->setTitleText(emAlturas ? QStringLiteral("Altura y (m)") : tituloNos);
}

}  // namespace PerfilEixo
