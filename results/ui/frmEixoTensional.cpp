#include "results/ui/frmEixoTensional.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/CaixaInteira.h"
#include "results/ui/PainelGrafico.h"
#include "results/ui/PerfilEixo.h"

using CurvasTensao::TipoResistencia;

TfrmEixoTensional::TfrmEixoTensional(Contexto& ctx, QWidget* parent)
    : TJanelaGraficoTensao(ctx, VarianteMalha::EixoTensional,
                           {QStringLiteral(" Gráfico por Eixo"), QStringLiteral("Nó X Tensão"), QStringLiteral("Nó"),
                            QStringLiteral("Escolha da hora"), QStringLiteral("Tração por C. &Diâmetral")},
                           parent) {
    setObjectName(QStringLiteral("frmEixoTensional"));
    chkAlturas = new QCheckBox(QStringLiteral("Eixo em alturas y [m]"), this);
    chkAlturas->setObjectName(QStringLiteral("chkAlturas"));
    chkAlturas->setToolTip(QStringLiteral("Mostra os perfis contra a altura de cada nó no eixo em vez do número do nó"));
    controles_->insertWidget(controles_->indexOf(btnVisuAmpliado) + 1, chkAlturas);
    connect(chkAlturas, &QCheckBox::toggled, this, [this](bool alturas) {
        PerfilEixo::TituloEixo(cGrafico, QStringLiteral("Nó"), alturas);
        PerfilEixo::Reescreve(cGrafico, alturas);
        cGrafico->MostraExtremos(edTMax, edTMin);
    });
}

QLineSeries* TfrmEixoTensional::AdicionaCurva(const QString& titulo, const QList<QPointF>& pontos) {
    return PerfilEixo::Adiciona(cGrafico, titulo, pontos, PerfilEixo::EmAlturas(pontos, Membro::Alturas(ctx_.dados)),
                                chkAlturas->isChecked());
}

void TfrmEixoTensional::Abre() {
    CamposNumericos::ApresentaJanela(this);
    DesenhaMalha();
}

void TfrmEixoTensional::Visualizar() {
    const TDadosModelo& d = ctx_.dados;
    const int h1 = d.Camadas[1].HoraConcretagem;
    const int ultima = static_cast<int>(Membro::UltimaHoraInteira(d));
    // Row 0 of the table is its header: the first hour with stresses is H1 + 1.
    const int primeira = std::min(static_cast<int>(Membro::HoraAbsoluta(d, 1, 1)), std::max(ultima, h1));
    const int hora = std::clamp(static_cast<CaixaInteira*>(spseNo)->Digitada(), primeira, std::max(ultima, primeira));
    spseNo->setRange(primeira, std::max(ultima, primeira));
    spseNo->setValue(hora);
    AdicionaCurva(QStringLiteral("Hora:") + QString::number(hora),
                  TPainelGrafico::Pontos(CurvasTensao::PerfilLinha(ctx_.tensoes, static_cast<int>(Membro::LinhaHoraria(d, hora)), Membro::NosAtivos(d))));
    cGrafico->MostraExtremos(edTMax, edTMin);
}

void TfrmEixoTensional::Resistencia(TipoResistencia tipo) {
    static const QString prefixos[] = {QStringLiteral("TraçãoFlexão"), QStringLiteral("TraçãoSimples"),
                                       QStringLiteral("TraçãoC.Diâm."), QStringLiteral("Compres.")};
    const int hora = spseNo->value();
    AdicionaResistencia(prefixos[static_cast<int>(tipo)] + QString::fromStdString(Numeros::FormataGeral(hora)), tipo,
                        CurvasTensao::ResistenciaEixo(ctx_.dados, tipo, hora, Membro::NosAtivos(ctx_.dados)));
}
