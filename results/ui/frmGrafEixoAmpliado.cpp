#include "results/ui/frmGrafEixoAmpliado.h"

TfrmGrafEixoAmpliado::TfrmGrafEixoAmpliado(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
