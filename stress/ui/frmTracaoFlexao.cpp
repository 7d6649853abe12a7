#include "stress/ui/frmTracaoFlexao.h"

TfrmTracaoFlexao::TfrmTracaoFlexao(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
