#include "core/ui/ProgressoJanela.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>

#include "core/ui/Gauge.h"

ProgressoJanela::ProgressoJanela(Gauge* gauge, QProgressBar* barra, QLabel* painel)
    : gauge_(gauge), barra_(barra), painel_(painel) {
    maximo_ = gauge_->maxValue();
    posicao_ = gauge_->progress();
    barra_pos_ = barra_->value();
    barraVisivel_ = !barra_->isHidden();
}

void ProgressoJanela::MaximoGauge(int maximo) {
    maximo_ = maximo;
    TalvezRepinte();
}

void ProgressoJanela::PosicaoGauge(int posicao) {
    posicao_ = posicao;
    TalvezRepinte();
}

void ProgressoJanela::MostraBarra() {
    barraVisivel_ = true;
    TalvezRepinte();
}

// The solver adds to the position beyond the bar's range on large members: the
// bar stays full, as a bar does.
void ProgressoJanela::PosicaoBarra(int posicao) {
    barra_pos_ = std::clamp(posicao, barra_->minimum(), barra_->maximum());
    TalvezRepinte();
}

// Kept as bytes: converted for the label only when the window is repainted.
void ProgressoJanela::Status(std::string_view texto) {
    if (texto != status_) {
        status_.assign(texto);
        statusMudou_ = true;
    }
    TalvezRepinte();
}

void ProgressoJanela::Repinta() { TalvezRepinte(); }

void ProgressoJanela::Conclui() {
    Aplica();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ++repinturas_;
}

void ProgressoJanela::TalvezRepinte() {
    if (!primeira_) {
        if (++avisos_ < AvisosPorLeitura) return;
        avisos_ = 0;
        if (relogio_.elapsed() < IntervaloMinimoMs) return;
    }
    primeira_ = false;
    relogio_.start();
    Aplica();
    // Only paint and timer events: the user cannot start another action mid-run.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ++repinturas_;
}

void ProgressoJanela::Aplica() {
    gauge_->setMaxValue(maximo_);
    gauge_->setProgress(posicao_);
    if (barraVisivel_ && barra_->isHidden()) barra_->show();
    barra_->setValue(barra_pos_);
    if (statusMudou_) {
        painel_->setText(QString::fromStdString(status_));
        statusMudou_ = false;
    }
}
