#include "results/ui/frmResultados.h"

TfrmResultados::TfrmResultados(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmResultados::DesenhaMalha() {}
