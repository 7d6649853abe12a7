#pragma once
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"

struct TResultadosSerpentinas;

// "Serpentinas: Água e Calor": the outlet water temperature and the heat removed per
// hour, per lift with pipes, of the current analysis, as a chart and a table, and
// the table as CSV.
class TfrmResultadoSerpentinas : public QWidget, public JanelaAbre {
    Q_OBJECT
public:
    explicit TfrmResultadoSerpentinas(Contexto& ctx, QWidget* parent = nullptr);
    void Abre() override;

    QComboBox* cbGrandeza;
    QChartView* grafico;
    QTableWidget* tabela;
    QLabel* lbTotais;
    QPushButton* btnCsv;
    QPushButton* btnFechar;

private:
    const TResultadosSerpentinas* Resultados() const;
    void Mostra();
    void Grafico();
    void SalvaCsv();

    Contexto& ctx_;
};
