#pragma once
#include <QElapsedTimer>
#include <string>

#include "core/Progresso.h"

class Gauge;
class QLabel;
class QProgressBar;
class QWidget;

// Shows a long computation in a window: the pie gauge, the vertical bar and
// panel 0 of the status bar. The engine may report thousands of times a second;
// the widgets are updated and the window repainted at most every
// `IntervaloMinimoMs`, so painting never slows a run. `Conclui` shows the last
// values whatever the interval.
class ProgressoJanela : public Progresso {
public:
    static constexpr int IntervaloMinimoMs = 33;
    // The clock is read once every so many reports: the solver reports every row.
    static constexpr int AvisosPorLeitura = 16;

    ProgressoJanela(Gauge* gauge, QProgressBar* barra, QLabel* painel);

    void MaximoGauge(int maximo) override;
    void PosicaoGauge(int posicao) override;
    void MostraBarra() override;
    void PosicaoBarra(int posicao) override;
    void Status(std::string_view texto) override;
    void Repinta() override;

    void Conclui();
    // How many times the window was actually repainted (for the benchmark and the tests).
    int Repinturas() const { return repinturas_; }

private:
    void TalvezRepinte();
    void Aplica();

    Gauge* gauge_;
    QProgressBar* barra_;
    QLabel* painel_;
    QElapsedTimer relogio_;
    bool primeira_ = true;
    int maximo_ = 0;
    int posicao_ = 0;
    int barra_pos_ = 0;
    bool barraVisivel_ = false;
    std::string status_;
    bool statusMudou_ = false;
    int avisos_ = 0;
    int repinturas_ = 0;
};
