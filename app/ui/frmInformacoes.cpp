#include "app/ui/frmInformacoes.h"

TfrmInformacoes::TfrmInformacoes(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
