#pragma once
#include <QString>

// What the result windows ask of the program as a whole, without knowing which
// window carries it out: end the program, start a new problem, show a line in
// the main status bar. The main window implements it and the registry holds it.
class Programa {
public:
    virtual ~Programa() = default;
    // Closes the main window, which ends the program (the exit question has been asked).
    virtual void EncerraPrograma() = 0;
    // "Nova Análise".
    virtual void NovaAnalise() = 0;
    // Text of the first panel of the main status bar, shown at once.
    virtual void MostraStatus(const QString& texto) = 0;
    // Name of the project file last opened or saved (no folder); empty while there is none.
    virtual QString NomeProjeto() const { return QString(); }
    // Folder of that file; empty while there is none.
    virtual QString PastaProjeto() const { return QString(); }
    // The member's data changed in a dialog: a run may start.
    virtual void HabilitaExecucao() = 0;
    // Elements per layer as the main window shows it now.
    virtual int ElementosPorCamada() const = 0;
    // The problem passes to the consistent formulation (one change of the history) and
    // the thermal analysis runs again.
    virtual void ExecutaConsistente() {}
};
