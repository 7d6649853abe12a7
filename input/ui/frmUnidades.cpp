#include "input/ui/frmUnidades.h"

TfrmUnidades::TfrmUnidades(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
