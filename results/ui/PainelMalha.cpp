#include "results/ui/PainelMalha.h"

TPainelMalha::TPainelMalha(Contexto& ctx, VarianteMalha variante, QWidget* parent)
    : QWidget(parent), ctx_(ctx), variante_(variante) {}

void TPainelMalha::DesenhaMalha() {}
