#pragma once
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"

class Gauge;
class QGroupBox;

// "Norvik-1D      Tensional": the control panel of the stress analysis. The inputs
// can be entered in any order; a run needs the restraint choice confirmed since the
// window was last opened, and the results open only after a run that ended well.
class TfrmTensional : public QWidget, public JanelaAbre {
    Q_OBJECT
public:
    explicit TfrmTensional(Contexto& ctx, QWidget* parent = nullptr);

    // Shown from the results window ("Análise Tensional").
    void Abre() override;
    // The restraint window's Ok allows a run.
    void HabilitaRun();
    // After a project file is opened: back to the first state (the stress results
    // belong to the member replaced), and the stress dialogs show the values the
    // project gave; a dialog whose values the project left at zero keeps its own.
    void MostraEstado();
    // A new thermal run or a new problem makes the stress results stale: back to the
    // state before a run (result buttons off, progress 0), the stress table emptied, and
    // the windows that showed it (table, charts, cracking index) closed.
    void DescartaResultados();

    Gauge* gaTransiente;
    QGroupBox* GroupBox1;
    QPushButton* btnFluencia;
    QPushButton* btnCoefRestr;
    QPushButton* btnTracaoFlexao;
    QStatusBar* sbComentarios;
    QLabel* sbPainel0;
    QLabel* sbPainel1;
    QProgressBar* pbarProcesso;
    QPushButton* btnRun;
    QGroupBox* GroupBox2;
    QPushButton* btnGrafico;
    QPushButton* btnGraficoEixo;
    QPushButton* btnResult;
    QPushButton* btnSaida;

private:
    void btnRunClick();
    void btnGraficoClick();
    void btnGraficoEixoClick();
    void btnSaidaClick();

    Contexto& ctx_;
};
