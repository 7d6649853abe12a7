#pragma once
#include <string_view>

// What a long computation tells the window that shows it: the pie gauge, the
// vertical bar, panel 0 of the status bar and "repaint now". The engine knows no
// widgets; the main window implements this (throttling its repaints) and the
// tests record the calls. Every method does nothing by default.
class Progresso {
public:
    virtual ~Progresso() = default;
    virtual void MaximoGauge(int /*maximo*/) {}
    virtual void PosicaoGauge(int /*posicao*/) {}
    virtual void MostraBarra() {}
    virtual void PosicaoBarra(int /*posicao*/) {}
    virtual void Status(std::string_view /*texto*/) {}
    virtual void Repinta() {}
};
