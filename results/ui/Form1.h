#pragma once
#include <QLabel>
#include <QMenuBar>
#include <QTableView>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/ModeloTabela.h"
#include "results/ui/VistaTabela.h"

// The temperature results table: the history of a run, hours by nodes.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(Contexto& ctx, QWidget* parent = nullptr);

    // The temperature table was refilled by a run: refresh the view.
    void AtualizaTabela();

    TVistaTabela* vista;
    QTableView* StgResultado;
    ModeloTabela* modelo;
    QMenuBar* MainMenu1;
    QAction* Saida1;
    QAction* Grafico1;
    QAction* Eixo1;
    QAction* Cores1;
    QAction* SalvarTudo1;
    QAction* VisualizarNos1;
    QAction* SalvarNos1;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Contexto& ctx_;
};
