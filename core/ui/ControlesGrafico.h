#pragma once
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;
class TPainelGrafico;

// The control groups that the temperature chart windows share beside their chart.
namespace ControlesGrafico {

// "Temperaturas Atingidas": the highest and lowest value of the curves shown
// (read-only boxes edTMax and edTMin with their starting texts "30" and "20").
QGroupBox* GrupoExtremos(QWidget* pai, const QString& rotuloMaximo, const QString& dica, QLineEdit*& edTMax,
                         QLineEdit*& edTMin);

// "Escala do Gráfico": chkAutom ticked and the two bounds of a manual scale,
// disabled, holding `textoLimites`. The window adds its apply buttons to the
// returned grid from row 3 on.
struct Escala {
    QGroupBox* gbxEscala;
    QCheckBox* chkAutom;
    QLabel* lblEMax;
    QLabel* lblEMin;
    QLineEdit* edEMax;
    QLineEdit* edEMin;
    QGridLayout* grade;
};
Escala GrupoEscala(QWidget* pai, const QString& textoLimites);

// A control that "Automática" shows and hides keeps its place while hidden, so
// that the other controls do not move.
void GuardaLugar(QWidget* controle);

// "Linha de limite" (unticked): ticked, the charts given by `paineis` show the
// horizontal line at the value `limite` gives at that moment, labelled "Limite 70 °C";
// unticked, they drop it. A limit that is not a number shows no line.
QCheckBox* CaixaLimite(QWidget* pai, std::function<std::vector<TPainelGrafico*>()> paineis,
                       std::function<std::optional<double>()> limite);
// Puts the line (or takes it away) as the box says, with the limit's current value.
void AplicaLimite(const QCheckBox* caixa, const std::vector<TPainelGrafico*>& paineis,
                  const std::optional<double>& limite);

}  // namespace ControlesGrafico
