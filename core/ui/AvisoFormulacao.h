#pragma once
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <optional>

#include "core/ui/Contexto.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"
#include "analise/AvisoFormulacao.h"

// The warning a results window shows when its verdict is the classic formulation's and
// the consistent one changes it, with the button that runs the problem again in the
// consistent formulation. Hidden while there is nothing to say.
class TAvisoFormulacaoUi : public QWidget {
    Q_OBJECT
public:
    explicit TAvisoFormulacaoUi(Contexto& ctx, QWidget* parent = nullptr);

    // Checks the figures the window shows (the current problem and its run) against the
    // consistent formulation and shows what changes; a failure to check hides it.
    void Confere(const TResumoTermico& resumo, const TIndiceFissuracao* indice, bool termicos = true);
    void Mostra(const TAvisoFormulacao& aviso);

    QLabel* lblAviso;
    QPushButton* btnConsistente;

private:
    Contexto& ctx_;
};

// The limit of the core-to-surface difference as the report window has it typed (20 °C
// without it).
std::optional<double> LimiteDiferencaAtual(const Contexto& ctx);
