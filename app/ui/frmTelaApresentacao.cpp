#include "app/ui/frmTelaApresentacao.h"

TfrmTelaApresentacao::TfrmTelaApresentacao(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
