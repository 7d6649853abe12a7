#include "core/ui/PerfilEixo.h"

#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <cmath>

#include "core/ui/PainelGrafico.h"

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
        QList<std::pair<QByteArray, QVariant>> propriedades;  // both forms and what the window marked
    };
    QList<Curva> curvas;
    for (QLineSeries* s : painel->Series()) {
        Curva c{s->name(), s->pen(), {}};
        for (const QByteArray& nome : s->dynamicPropertyNames()) c.propriedades.append({nome, s->property(nome)});
        curvas.append(c);
    }
    painel->RemoveSeries();
    for (const Curva& c : curvas) {
        QList<QPointF> porNo, porAltura;
        for (const auto& [nome, valor] : c.propriedades) {
            if (nome == PorNo) porNo = valor.value<QList<QPointF>>();
            if (nome == PorAltura) porAltura = valor.value<QList<QPointF>>();
        }
        QLineSeries* s = Adiciona(painel, c.titulo, porNo, porAltura, emAlturas);
        for (const auto& [nome, valor] : c.propriedades) s->setProperty(nome.constData(), valor);
        s->setPen(c.caneta);
    }
}

void TituloEixo(TPainelGrafico* painel, const QString& tituloNos, bool emAlturas) {
    painel->EixoX()->setTitleText(emAlturas ? QStringLiteral("Altura y (m)") : tituloNos);
}

}  // namespace PerfilEixo
