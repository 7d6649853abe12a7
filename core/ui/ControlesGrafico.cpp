#include "core/ui/ControlesGrafico.h"

#include "core/Numeros.h"
#include "core/ui/PainelGrafico.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace ControlesGrafico {

QGroupBox* GrupoExtremos(QWidget* pai, const QString& rotuloMaximo, const QString& dica, QLineEdit*& edTMax,
                         QLineEdit*& edTMin) {
    auto* grupo = new QGroupBox(QStringLiteral("Temperaturas Atingidas"), pai);
    grupo->setObjectName(QStringLiteral("gbxTemperaturas"));
    grupo->setToolTip(dica);
    edTMax = new QLineEdit(QStringLiteral("30"), grupo);
    edTMax->setObjectName(QStringLiteral("edTMax"));
    edTMin = new QLineEdit(QStringLiteral("20"), grupo);
    edTMin->setObjectName(QStringLiteral("edTMin"));
    for (QLineEdit* ed : {edTMax, edTMin}) {
        ed->setToolTip(dica);
        ed->setReadOnly(true);
    }
    auto* grade = new QGridLayout(grupo);
    grade->addWidget(new QLabel(rotuloMaximo, grupo), 0, 0);
    grade->addWidget(edTMax, 0, 1);
    grade->addWidget(new QLabel(QStringLiteral("Mínima"), grupo), 1, 0);
    grade->addWidget(edTMin, 1, 1);
    return grupo;
}

Escala GrupoEscala(QWidget* pai, const QString& textoLimites) {
    Escala e{};
    e.gbxEscala = new QGroupBox(QStringLiteral("Escala do Gráfico"), pai);
    e.gbxEscala->setObjectName(QStringLiteral("gbxEscala"));
    e.gbxEscala->setToolTip(QStringLiteral("Opções de Escala do Gráfico"));
    e.chkAutom = new QCheckBox(QStringLiteral("Automática"), e.gbxEscala);
    e.chkAutom->setObjectName(QStringLiteral("chkAutom"));
    e.chkAutom->setChecked(true);
    e.lblEMax = new QLabel(QStringLiteral("Máxima"), e.gbxEscala);
    e.lblEMax->setObjectName(QStringLiteral("lblEMax"));
    e.lblEMin = new QLabel(QStringLiteral("Mínima"), e.gbxEscala);
    e.lblEMin->setObjectName(QStringLiteral("lblEMin"));
    e.edEMax = new QLineEdit(textoLimites, e.gbxEscala);
    e.edEMax->setObjectName(QStringLiteral("edEMax"));
    e.edEMin = new QLineEdit(textoLimites, e.gbxEscala);
    e.edEMin->setObjectName(QStringLiteral("edEMin"));
    e.grade = new QGridLayout(e.gbxEscala);
    e.grade->addWidget(e.chkAutom, 0, 0, 1, 2);
    e.grade->addWidget(e.lblEMax, 1, 0);
    e.grade->addWidget(e.edEMax, 1, 1);
    e.grade->addWidget(e.lblEMin, 2, 0);
    e.grade->addWidget(e.edEMin, 2, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{e.lblEMax, e.lblEMin, e.edEMax, e.edEMin}) w->setEnabled(false);
    return e;
}

void GuardaLugar(QWidget* controle) {
    QSizePolicy politica = controle->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    controle->setSizePolicy(politica);
}

QCheckBox* CaixaLimite(QWidget* pai, std::function<std::vector<TPainelGrafico*>()> paineis,
                       std::function<std::optional<double>()> limite) {
    auto* caixa = new QCheckBox(QStringLiteral("Linha de limite"), pai);
    caixa->setObjectName(QStringLiteral("chkLimite"));
    caixa->setToolTip(QStringLiteral("Mostra a temperatura limite do relatório como uma linha horizontal"));
    QObject::connect(caixa, &QCheckBox::toggled, pai,
                     [caixa, paineis, limite] { AplicaLimite(caixa, paineis(), limite()); });
    return caixa;
}

void AplicaLimite(const QCheckBox* caixa, const std::vector<TPainelGrafico*>& paineis,
                  const std::optional<double>& limite) {
    const bool mostra = caixa->isChecked() && limite.has_value();
    const QString rotulo =
        mostra ? QStringLiteral("Limite %1 °C").arg(QString::fromStdString(Numeros::FormataGeral(*limite))) : QString();
    for (TPainelGrafico* p : paineis)
        if (p) p->DefineLimite(mostra ? limite : std::nullopt, rotulo);
}

}  // namespace ControlesGrafico
