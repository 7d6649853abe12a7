#include "results/ui/frmTemperaturaNo.h"

TfrmTemperaturaNo::TfrmTemperaturaNo(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
