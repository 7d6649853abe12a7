#include "results/ui/frmCores.h"

TfrmCores::TfrmCores(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmCores::DesenhaElemento(int, int, double, double, double, double, double,
                                const std::array<TCamada, MaxElementos + 1>&) {}

void TfrmCores::DefineLimitesHora(int, int) {}
