#include "results/ui/frmEixo.h"

TfrmEixo::TfrmEixo(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmEixo::DefineLimitesHora(int /*minimo*/, int /*maximo*/) {}
