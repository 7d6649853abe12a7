#include "results/ui/frmGrafAmpliado.h"

TfrmGrafAmpliado::TfrmGrafAmpliado(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
