#include "stress/ui/frmE.h"

#include "stress/Restricao.h"

TfrmE::TfrmE(Contexto& ctx, QWidget* parent)
    : TJanelaCurvaBureau(ctx,
                         {QStringLiteral("Gráfico de E(z)"), QStringLiteral("Evolução do Módulo de Elasticidade ( E )"),
                          QStringLiteral("E(z) [MPa]"), QStringLiteral("E(z)")},
                         // Same hyperbola as the strength-gain curves; the GPa factor is not applied here.
                         CurvaResistencia, parent) {
    setObjectName(QStringLiteral("frmE"));
}
