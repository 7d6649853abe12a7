#pragma once
#include "core/ui/Contexto.h"

class QWidget;

// The ways from one temperature view to another, shared by the results table,
// the results window and the colour map.
namespace Navegacao {

// Temperature chart: node chooser up to the last node of the complete member,
// the window shown and the member drawn in it.
void AbreGrafico(Contexto& ctx);
// Axis profile shown and the member drawn in it; `defineLimites` also sets its
// hour chooser to the placement of layer 1 + 1 .. whole part of TempoTotal.
void AbreEixo(Contexto& ctx, bool defineLimites);
void AbreCores(Contexto& ctx);
void AbrePlanilha(Contexto& ctx);
void AbreResumoTermico(Contexto& ctx);

// Shows a window in front of the others.
void MostraJanela(QWidget* janela);

// Last node of the complete member, NCamadas × NElemCamada + 1.
int UltimoNo(const TDadosModelo& dados);

}  // namespace Navegacao
