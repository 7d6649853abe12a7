#include "input/ui/frmEntradaDados.h"

TfrmEntradaDados::TfrmEntradaDados(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmEntradaDados::NovaAnalise() {}

void TfrmEntradaDados::HabilitaExecucao() {}
