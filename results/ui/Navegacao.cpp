#include "results/ui/Navegacao.h"

#include "core/Numeros.h"
#include "core/Membro.h"
#include "core/ui/CamposNumericos.h"
#include "core/Instantes.h"
#include "core/ui/Janelas.h"
#include "results/ui/Form1.h"
#include "results/ui/PainelMalha.h"
#include "results/ui/frmCores.h"
#include "results/ui/frmEixo.h"
#include "results/ui/frmGrafico.h"
#include "results/ui/frmResumoTermico.h"

namespace Navegacao {

void MostraJanela(QWidget* janela) {
    if (!janela) return;
    CamposNumericos::ApresentaJanela(janela);
}

int UltimoNo(const TDadosModelo& dados) { return static_cast<int>(Membro::NumeroNos(dados)); }

void AbreGrafico(Contexto& ctx) {
    auto* janela = ctx.janelas.frmGrafico;
    if (!janela) return;
    janela->DefineNoMaximo(UltimoNo(ctx.dados));
    MostraJanela(janela);
    TPainelMalha::DesenhaMalhaEm(janela);
}

void AbreEixo(Contexto& ctx, bool defineLimites) {
    auto* janela = ctx.janelas.frmEixo;
    if (!janela) return;
    MostraJanela(janela);
    if (defineLimites)
        janela->DefineLimitesHora(static_cast<int>(Instantes::PrimeiraHora(ctx.dados)),
                                  static_cast<int>(Instantes::UltimaHora(ctx.dados)));
    TPainelMalha::DesenhaMalhaEm(janela);
}

void AbreCores(Contexto& ctx) { MostraJanela(ctx.janelas.frmCores); }

void AbrePlanilha(Contexto& ctx) { MostraJanela(ctx.janelas.Form1); }

void AbreResumoTermico(Contexto& ctx) {
    if (ctx.janelas.frmResumoTermico) ctx.janelas.frmResumoTermico->Abre();
}

}  // namespace Navegacao
