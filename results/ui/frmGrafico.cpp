#include "results/ui/frmGrafico.h"

TfrmGrafico::TfrmGrafico(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmGrafico::DefineNoMaximo(int /*no*/) {}
