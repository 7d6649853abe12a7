#include "input/ui/frmCalorIntDiscr.h"

TfrmCalorIntDiscr::TfrmCalorIntDiscr(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmCalorIntDiscr::MostraEstado() {}
