#pragma once
#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

class TPainelGrafico;
class QLineSeries;

// Profiles along the axis drawn against the node number (the layout of the axis
// windows) or against the node's height y (m). Each curve keeps both forms, so
// the choice can change with curves on the chart, the comparison's included.
namespace PerfilEixo {

// The profile's points with x the height of node x (nodes outside `alturas` keep their x).
QList<QPointF> EmAlturas(const QList<QPointF>& porNo, const std::vector<double>& alturas);

// Adds a curve in the form chosen; returns it for styling.
QLineSeries* Adiciona(TPainelGrafico* painel, const QString& titulo, const QList<QPointF>& porNo,
                      const QList<QPointF>& porAltura, bool emAlturas);

// Redraws every curve in the form chosen (pens and titles kept) and names the axis.
void Reescreve(TPainelGrafico* painel, bool emAlturas);

// Title of the horizontal axis: the window's own, or "Altura y (m)".
void TituloEixo(TPainelGrafico* painel, const QString& tituloNos, bool emAlturas);

}  // namespace PerfilEixo
