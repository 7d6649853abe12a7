#include "results/ui/frmGraficoTensional.h"

#include <QSpinBox>
#include <algorithm>

#include "core/Membro.h"
#include "core/ui/CamposNumericos.h"
#include "results/ui/PainelGrafico.h"

using CurvasTensao::TipoResistencia;

TfrmGraficoTensional::TfrmGraficoTensional(Contexto& ctx, QWidget* parent)
    : TJanelaGraficoTensao(ctx, VarianteMalha::GraficoTensional,
                           {QStringLiteral(" GraficoTensional"), QStringLiteral(" Tempo X Tensão"),
                            QStringLiteral("Tempo (Horas)"), QStringLiteral("Escolha do Nó"),
                            QStringLiteral("Tração por C. &Diâmentral")},
                           parent) {
    setObjectName(QStringLiteral("frmGraficoTensional"));
}

void TfrmGraficoTensional::DefineNoMaximo(int no) { spseNo->setMaximum(std::max(no, spseNo->minimum())); }

void TfrmGraficoTensional::Abre() {
    DefineNoMaximo(static_cast<int>(Membro::NumeroNos(ctx_.dados)));
    CamposNumericos::ApresentaJanela(this);
    DesenhaMalha();
}

void TfrmGraficoTensional::Visualizar() {
    const int n = static_cast<int>(Membro::NumeroNos(ctx_.dados));
    const int no = std::clamp(TPainelGrafico::ValorDigitado(spseNo), 1, std::max(n, 1));
    DefineNoMaximo(n);
    spseNo->setValue(no);
    cGrafico->AdicionaSerie(QStringLiteral("Nó:") + QString::number(no),
                            TPainelGrafico::Pontos(CurvasTensao::HistoricoNo(ctx_.tensoes, no)));
    cGrafico->MostraExtremos(edTMax, edTMin);
}

void TfrmGraficoTensional::Resistencia(TipoResistencia tipo) {
    static const QString titulos[] = {QStringLiteral("Tração Flexão"), QStringLiteral("Tração Simples"),
                                      QStringLiteral("Tração C.Diâm."), QStringLiteral("Compressão")};
    AdicionaResistencia(titulos[static_cast<int>(tipo)], tipo,
                        CurvasTensao::ResistenciaTempo(ctx_.dados, tipo, spseNo->value()));
}
