#pragma once
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/ui/Contexto.h"
#include "core/ui/GuardaResultados.h"
#include "core/ui/Janelas.h"
#include "estudos/Calibracao.h"

class TPainelGrafico;

// "Calibrar...": fits the chosen parameters to the measurements the problem holds up to
// an hour, shows the report (fitted values with their uncertainty, RMS before and
// after), offers to apply them to the problem, and draws the forecast of the whole
// analysis with the fitted values at each sensor, with the band of ± one uncertainty
// and the readings.
class TfrmCalibracao : public QWidget, public JanelaAbre {
    Q_OBJECT
public:
    explicit TfrmCalibracao(Contexto& ctx, QWidget* parent = nullptr);

    void Abre() override;
    // false when refused (the message shown).
    bool Calibrar();
    // Applies the last fit to the problem after the user confirms; the results of
    // earlier runs no longer belong to it. Refused when the fit was made on another
    // revision of the problem (another project, a change since).
    bool Aplicar();
    // The revision of the problem the fit was made on; none without a fit.
    std::optional<OrigemResultados> Origem() const;

    const std::optional<TResultadoCalibracao>& Resultado() const { return resultado_; }

    std::vector<QCheckBox*> chkParametros;  // one per row of Calibracao::Parametros()
    QLineEdit* edAte;
    QPushButton* btnCalibrar;
    QPushButton* btnAplicar;
    QPlainTextEdit* memoRelatorio;
    TPainelGrafico* cPrevisao;

private:
    Contexto& ctx_;
    std::optional<TResultadoCalibracao> resultado_;
    long revisao_ = 0;
};
