#include "stress/ui/frmNBR6118.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "stress/ui/Formulario.h"
#include "stress/ui/frmEscolhaFluencia.h"

using namespace Formulario;

TfrmNBR6118::TfrmNBR6118(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmNBR6118"));
    setWindowTitle(QStringLiteral("Fluência - NBR 6118"));

    rbLento = Opcao(this, "rbLento", QStringLiteral("Endurecimento Lento (CP III ou CPIV)"));
    rbNormal = Opcao(this, "rbNormal", QStringLiteral("Endurecimento Normal (CP I ou CPII)"), true);
    rbRapido = Opcao(this, "rbRapido", QStringLiteral("Endurecimento Rápido (CP V)"));
    edFck = Campo(this, "edFck", QStringLiteral("30"));
    rbBasalto = Opcao(this, "rbBasalto", QStringLiteral("Basalto ou Diabásio"));
    rbGranito = Opcao(this, "rbGranito", QStringLiteral("Granito ou Gnaisse"), true);
    rbCalcario = Opcao(this, "rbCalcario", QStringLiteral("Calcário"));
    rbArenito = Opcao(this, "rbArenito", QStringLiteral("Arenito"));
    Edit1 = Campo(this, "Edit1", QStringLiteral("70"));
    rbUmidadeSup = Opcao(this, "rbUmidadeSup", QStringLiteral("Apenas na superfície superior"), true);
    rbUmidadeDupla = Opcao(this, "rbUmidadeDupla", QStringLiteral("Ambas as faces (superior e inferior)"));
    cbPlaca = new QComboBox(this);
    cbPlaca->setObjectName(QStringLiteral("cbPlaca"));
    cbPlaca->addItems({QStringLiteral("Sim"), QStringLiteral("Não")});
    cbPlaca->setToolTip(
        QStringLiteral("Realiza a estimativa de fluência considerando a estrutura na forma \r\nde uma placa/laje."));
    lblArea = Rotulo(this, "lblArea", QStringLiteral("Área Seção Transv. (m2)"));
    edArea = Campo(this, "edArea", QStringLiteral("4,00"));
    lblPerimetro = Rotulo(this, "lblPerimetro", QStringLiteral("Perím. em Contato com Ambiente (m)"));
    edPerimetro = Campo(this, "edPerimetro", QStringLiteral("2,00"));
    rbSlump04 = Opcao(this, "rbSlump04", QStringLiteral("0 a 4 cm (seco)"));
    rbSlump59 = Opcao(this, "rbSlump59", QStringLiteral("5 a 9 cm (convencional)"), true);
    rbSlump1015 = Opcao(this, "rbSlump1015", QStringLiteral("10 a 15 cm (bombeável)"));
    auto* btnOK = Botao(this, "btnOK", QStringLiteral("OK"));
    auto* btnCancela = Botao(this, "btnCancela", QStringLiteral("Cancela"));

    auto* gbxFcj = Grupo(this, "gbxFcj", QStringLiteral("Comportamento de fcj com a Idade"),
                         QStringLiteral("Avalia o comportamento da resistência à compressão\r\ncom a idade a partir do "
                                        "coeficiente Beta1, conforme\r\ndetalhado na NBR 6118 (2014), item 12.3.3."));
    auto* gbxCimento = Grupo(this, "gbxCimento", QStringLiteral("Tipo de cimento"));
    auto* lci = new QVBoxLayout(gbxCimento);
    lci->addWidget(rbLento);
    lci->addWidget(rbNormal);
    lci->addWidget(rbRapido);
    auto* lf = new QGridLayout(gbxFcj);
    lf->addWidget(gbxCimento, 0, 0, 1, 2);
    lf->addWidget(Rotulo(this, nullptr, QStringLiteral("fck aos 28 dias (MPa)")), 1, 0);
    lf->addWidget(edFck, 1, 1);

    auto* gbxModulo = Grupo(this, "gbxModulo", QStringLiteral("Módulo de Elasticidade"),
                            QStringLiteral("Obtem-se o módulo de elasticidade inicial (Eci) a partir\r\nda relação com "
                                           "fcj, conforme NBR 6118 (2014), item 8.2.8."));
    auto* gbxAgregado = Grupo(this, "gbxAgregado", QStringLiteral("Tipo de Agregado"));
    auto* la = new QVBoxLayout(gbxAgregado);
    for (QRadioButton* r : {rbBasalto, rbGranito, rbCalcario, rbArenito}) la->addWidget(r);
    auto* lmo = new QVBoxLayout(gbxModulo);
    lmo->addWidget(gbxAgregado);

    auto* gbxFluencia = Grupo(this, "gbxFluencia", QStringLiteral("Coeficiente de Fluência"),
                              QStringLiteral("Obtem-se o coeficiente de fluência a partir\r\nde uma série de parâmetros "
                                             "do entorno e\r\ndo concreto, conforme Anexo A da NBR 6118 (2014)."));
    auto* gbxTroca = Grupo(this, "gbxTroca", QStringLiteral("Troca de Umidade"));
    auto* lt = new QVBoxLayout(gbxTroca);
    lt->addWidget(rbUmidadeSup);
    lt->addWidget(rbUmidadeDupla);
    auto* gbxGeometria = Grupo(this, "gbxGeometria", QStringLiteral("Dados da Geometria da Estrutura"));
    auto* lg = new QGridLayout(gbxGeometria);
    lg->addWidget(lblArea, 0, 0);
    lg->addWidget(edArea, 0, 1);
    lg->addWidget(lblPerimetro, 1, 0);
    lg->addWidget(edPerimetro, 1, 1);
    auto* gbxSlump = Grupo(this, "gbxSlump", QStringLiteral("Abatimento do Tronco de Cone"));
    auto* ls = new QVBoxLayout(gbxSlump);
    for (QRadioButton* r : {rbSlump04, rbSlump59, rbSlump1015}) ls->addWidget(r);
    auto* lfl = new QGridLayout(gbxFluencia);
    lfl->addWidget(Rotulo(this, nullptr, QStringLiteral("Umidade Ambiente (%)")), 0, 0);
    lfl->addWidget(Edit1, 0, 1);
    lfl->addWidget(gbxTroca, 1, 0, 1, 2);
    lfl->addWidget(Rotulo(this, nullptr, QStringLiteral("Estrutura é considerada como uma placa?")), 2, 0);
    lfl->addWidget(cbPlaca, 2, 1);
    lfl->addWidget(gbxGeometria, 3, 0, 1, 2);
    lfl->addWidget(gbxSlump, 4, 0, 1, 2);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOK);
    botoes->addWidget(btnCancela);
    auto* colunaEsq = new QVBoxLayout;
    colunaEsq->addWidget(gbxFcj);
    colunaEsq->addWidget(gbxModulo);
    colunaEsq->addStretch();
    auto* colunas = new QHBoxLayout;
    colunas->addLayout(colunaEsq);
    colunas->addWidget(gbxFluencia);
    auto* l = new QVBoxLayout(this);
    l->addLayout(colunas);
    l->addLayout(botoes);

    // A plate takes its thickness from the layers: area and perimeter only matter otherwise.
    for (QWidget* w : {static_cast<QWidget*>(lblArea), static_cast<QWidget*>(edArea),
                       static_cast<QWidget*>(lblPerimetro), static_cast<QWidget*>(edPerimetro)})
        w->setEnabled(false);

    MarcaOpcoes(this);
    connect(cbPlaca, &QComboBox::currentTextChanged, this, [this] { cbPlacaChange(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { AlteraProblema(ctx_, QStringLiteral("Fluência - NBR 6118"), [this] { Ok(); }); }); });
    connect(btnCancela, &QPushButton::clicked, this, [this] {
        hide();
        CamposNumericos::ApresentaJanela(ctx_.janelas.frmEscolhaFluencia);
    });
}

void TfrmNBR6118::cbPlacaChange() {
    const bool placa = cbPlaca->currentText() == QStringLiteral("Sim");
    for (QWidget* w : {static_cast<QWidget*>(lblArea), static_cast<QWidget*>(edArea),
                       static_cast<QWidget*>(lblPerimetro), static_cast<QWidget*>(edPerimetro)})
        w->setEnabled(!placa);
    rbUmidadeSup->setEnabled(placa);
    rbUmidadeDupla->setEnabled(placa);
    AlteraProblema(ctx_, QStringLiteral("Fluência - NBR 6118: placa"), [&] { ctx_.dados.PlacaNBR = placa; });
}

void TfrmNBR6118::Ok() {
    TDadosModelo& d = ctx_.dados;
    d.CimentoNBR = rbLento->isChecked() ? TCimentoNBR::Lento
                   : rbRapido->isChecked() ? TCimentoNBR::Rapido
                                           : TCimentoNBR::Normal;
    d.FckNBR = Real(edFck);
    d.AgregadoNBR = rbBasalto->isChecked()    ? TAgregadoNBR::Basalto
                    : rbCalcario->isChecked() ? TAgregadoNBR::Calcario
                    : rbArenito->isChecked()  ? TAgregadoNBR::Arenito
                                              : TAgregadoNBR::Granito;
    d.UmidadeNBR = Real(Edit1);
    d.UmidadeSoSuperior = rbUmidadeSup->isChecked();
    d.PlacaNBR = cbPlaca->currentText() == QStringLiteral("Sim");
    d.AreaNBR = Real(edArea);
    d.PerimetroNBR = Real(edPerimetro);
    d.SlumpNBR = rbSlump04->isChecked()     ? TSlumpNBR::S0a4
                 : rbSlump1015->isChecked() ? TSlumpNBR::S10a15
                                            : TSlumpNBR::S5a9;
    hide();
}

void TfrmNBR6118::MostraEstado() {
    const TDadosModelo& d = ctx_.dados;
    // Never confirmed in the project (its data are the start-up zeros): the defaults stay.
    if (d.FckNBR == 0.0 && d.AreaNBR == 0.0 && d.PerimetroNBR == 0.0) return;
    (d.CimentoNBR == TCimentoNBR::Lento ? rbLento : d.CimentoNBR == TCimentoNBR::Rapido ? rbRapido : rbNormal)
        ->setChecked(true);
    edFck->setText(CamposNumericos::Geral(d.FckNBR));
    QRadioButton* agregados[] = {rbBasalto, rbGranito, rbCalcario, rbArenito};
    agregados[static_cast<int>(d.AgregadoNBR)]->setChecked(true);
    Edit1->setText(CamposNumericos::Geral(d.UmidadeNBR));
    (d.UmidadeSoSuperior ? rbUmidadeSup : rbUmidadeDupla)->setChecked(true);
    edArea->setText(CamposNumericos::Geral(d.AreaNBR));
    edPerimetro->setText(CamposNumericos::Geral(d.PerimetroNBR));
    QRadioButton* slumps[] = {rbSlump04, rbSlump59, rbSlump1015};
    slumps[static_cast<int>(d.SlumpNBR)]->setChecked(true);
    const bool placa = d.PlacaNBR;
    cbPlaca->setCurrentText(placa ? QStringLiteral("Sim") : QStringLiteral("Não"));
    cbPlacaChange();
}
