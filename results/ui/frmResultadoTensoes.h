#pragma once
#include <QMenuBar>
#include <QTableView>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"
#include "core/ui/ModeloTabela.h"

class TVistaTabela;

// " Resultado de Tensões": the stresses of the last stress run, hours by nodes, with
// the same exports and node windows as the temperature table.
class TfrmResultadoTensoes : public QWidget, public JanelaTensoes {
    Q_OBJECT
public:
    explicit TfrmResultadoTensoes(Contexto& ctx, QWidget* parent = nullptr);

    // The stress table was refilled (or partly written by a failed run): refresh the view.
    void AtualizaTabela() override;
    // Shown from the stress window ("Resultados"); hidden when its stresses are discarded.
    void Abre() override;
    void Esconde() override;

    TVistaTabela* vista;
    QTableView* StgResultado;
    ModeloTabela* modelo;
    QMenuBar* MainMenu1;
    QAction* Saida1;
    QAction* Grafico1;
    QAction* Eixo1;
    QAction* SalvarTudo1;
    QAction* VisualizarNos1;
    QAction* SalvarNos1;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Contexto& ctx_;
};
