#include "results/ui/Form1.h"

TForm1::TForm1(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TForm1::AtualizaTabela() {}
