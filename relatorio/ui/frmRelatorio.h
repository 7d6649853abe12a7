#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <optional>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"
#include "relatorio/Relatorio.h"

// "Relatório de Controle Térmico": the verification limits and the button that writes
// the PDF of the current results. "Comparar com..." runs another project in the
// background (with stresses when the current results have them) and the report then
// carries the table of the two; a new run of the current problem drops it. The temperature limit is also the limit line the
// temperature charts offer, and the core-to-surface limit the line of the thermal
// summary's chart.
class TComparacaoGrafico;

class TfrmRelatorio : public QWidget, public JanelaRelatorio {
    Q_OBJECT
public:
    explicit TfrmRelatorio(Contexto& ctx, QWidget* parent = nullptr);

    // Shows the window (from "Relatório..." of the results window).
    void Abre() override;
    // "Gerar PDF...": refuses without a complete thermal run or while the comparison is
    // still running, reads the limits, asks the name and writes the document (with the
    // stresses when a stress run exists, and the comparison when one is in).
    void Gerar();
    // Drops the comparison (a run under way included): the current problem runs again.
    void DescartaComparacao() override;

    // The limits as typed; nothing while the text is not a number.
    std::optional<double> LimiteTemperatura() const override;
    std::optional<double> LimiteDiferenca() const override;
    // Both, converted, or ErroConversao naming the bad text.
    LimitesRelatorio Limites() const;

    QLineEdit* edLimiteTemperatura;
    QLineEdit* edLimiteDiferenca;
    QPushButton* btnComparar;       // "Comparar com..."
    QPushButton* btnSemComparacao;  // drops it
    QLabel* lblComparacao;
    TComparacaoGrafico* comparacao;
    // The section of the uncertainty study (its window's results), when checked.
    QCheckBox* cbIncerteza;
    QPushButton* btnGerar;
    QPushButton* btnFechar;

private:
    void AtualizaComparacao();
    Contexto& ctx_;
};
