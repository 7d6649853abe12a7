#pragma once
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/PainelMalha.h"

// "Resultados": the hub of a thermal run's results.
class TfrmResultados : public QWidget {
    Q_OBJECT
public:
    explicit TfrmResultados(Contexto& ctx, QWidget* parent = nullptr);

    // Redraws the member (results-window variant) from the state.
    void DesenhaMalha();

    QPushButton* btnGrafico;
    QPushButton* btnCores;
    QPushButton* btnEixo;
    QPushButton* Button1;
    QPushButton* btnTensional;
    QFrame* Panel1;
    TPainelMalha* painelMalha;
    QMenuBar* MainMenu1;
    QAction* Sair1;
    QAction* NovaAnalise1;
    QAction* SalvarPlanilha1;
    QAction* AnaliseTensional1;
    QAction* Planilha1;
    QAction* Grafico1;
    QAction* Cores1;
    QAction* Eixo1;
    QAction* Verificacao1;  // "Verificação" > the mesh refinement and the energy balance
    QAction* Relatorio1;  // the thermal-control report
    QAction* AjusteRapido1;  // the what-if panel: the plan's levers run on a copy of the problem

private:
    void Sair();
    void NovaAnalise();
    void SalvarPlanilha();
    void AnaliseTensional();
    // "Deseja salvar a planilha de resultados?" and, on Yes, the save.
    void PerguntaSalvar();

    Contexto& ctx_;
};
