#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Tensões Resistentes": the a and b of the four empirical strength-gain curves
// S(z) = z/(a+b.z) that the stress charts draw beside the stresses. Each curve is
// entered by its a and b, or by f at 7 and 28 days, or by fck and a ratio; in the
// last two the window computes a and b and shows them in their fields.
class TfrmTracaoFlexao : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTracaoFlexao(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    // How one curve is entered (the index of its combo box).
    enum Entrada { PorAB = 0, PorIdades = 1, PorFck = 2 };

    QLineEdit* edFlexaoA;
    QLineEdit* edFlexaoB;
    QLineEdit* edTracaoA;
    QLineEdit* edTracaoB;
    QLineEdit* edDiametralA;
    QLineEdit* edDiametralB;
    QLineEdit* edComprA;
    QLineEdit* edComprB;
    QLineEdit* edFck;       // MPa, shared by the curves entered by fck
    QComboBox* cbCimento;   // growth of the compressive strength (lento, normal, rápido)

    // The controls of one curve: combo cbEntrada<Nome>, fields ed<Nome>F7, ed<Nome>F28,
    // ed<Nome>Razao and the label lb<Nome>Calculo with what was computed or why not.
    struct Curva {
        QLineEdit* a;
        QLineEdit* b;
        QComboBox* entrada;
        QLineEdit* f7;
        QLineEdit* f28;
        QLineEdit* razao;
        QLabel* calculo;
    };
    Curva curvas[4];  // flexão, tração simples, diametral, compressão

private:
    void Ok();
    // Computes a and b of a curve entered by ages or fck; ErroEntrada/ErroConversao if it cannot.
    std::pair<double, double> Calcula(const Curva& c) const;
    // Shows a and b as the user edits, or why they cannot be computed.
    void AtualizaCalculo(Curva& c);
    void AtualizaHabilitacao(Curva& c);

    Contexto& ctx_;
};
