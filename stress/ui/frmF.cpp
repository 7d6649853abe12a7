#include "stress/ui/frmF.h"

TfrmF::TfrmF(Contexto& ctx, QWidget* parent)
    : TJanelaCurvaBureau(ctx,
                         {QStringLiteral(" Gráfico de F(z)"), QStringLiteral("Evolução do Coef. de Fluência ( F )"),
                          QStringLiteral("F(z)  [ 1/10^-6  MPa ] "), QStringLiteral("F(z)")},
                         [](double z, double a, double b) { return a + b / z; }, parent) {
    setObjectName(QStringLiteral("frmF"));
}
