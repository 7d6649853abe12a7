#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "core/ui/SalvaComTipo.h"
#include <optional>
#include <string>

#include "core/ui/Contexto.h"
#include "results/ResumoTermico.h"

class TPainelGrafico;
class TAvisoFormulacaoUi;

// "Resumo Térmico": the figures of a thermal-control plan for the last complete run
// (peak, largest core-to-top difference of each lift while it is the top lift with the
// chart of the top lift's difference, hours at or above a limit); "Ajuda" defines them.
class TfrmResumoTermico : public QWidget {
    Q_OBJECT
public:
    explicit TfrmResumoTermico(Contexto& ctx, QWidget* parent = nullptr);

    // Shows the window with the summary of the temperature table; without a complete
    // thermal run it says so and stays closed.
    void Abre();
    // Reads the limit and recomputes; false when the limit or the table was refused.
    bool Calcula();
    // "Salvar Resumo": the save dialog, then the text file.
    void SalvarResumo();

    const TResumoTermico& Resumo() const { return resumo_; }

    // The save dialog of the two summaries, text or spreadsheet: the chosen path with
    // ".txt" (".csv") added unless it already ends so, in the file system's encoding;
    // nothing when the user cancelled.
    static std::optional<SalvaComTipo::Escolha> EscolheArquivo(DialogosArquivo& arquivos);

    QLineEdit* edLimite;
    QPushButton* btnCalcular;
    QLabel* lblMaxima;
    QLabel* lblDiferenca;
    QLabel* lblLimite;
    // The classic verdict the consistent formulation changes, with its re-run button.
    TAvisoFormulacaoUi* avisoFormulacao;
    QTableWidget* sgdCamadas;  // one row per lift: its largest difference while on top
    QTableWidget* sgdHoras;
    TPainelGrafico* cGraficoDiferenca;
    // The allowable difference beside the computed one, with its restraint factor K.
    QLineEdit* edK;
    QLabel* lblAdmissivel;
    // "Remoção mais cedo segura" of a top protection of a lift (the one that comes off last unless typed).
    QLineEdit* edCamadaRemocao;
    QLineEdit* edProtecaoRemocao;  // empty: the one that comes off last
    QLineEdit* edLimiteIndice;
    QPushButton* btnRemocaoSegura;
    QLabel* lblRemocao;

    // Runs the search for the lift and limit typed; false when refused.
    bool RemocaoSegura();

private:
    void Mostra();
    void MostraAdmissivel();

    Contexto& ctx_;
    TResumoTermico resumo_;
};
