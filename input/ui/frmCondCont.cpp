#include "input/ui/frmCondCont.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "core/ui/CamposNumericos.h"
#include "input/ui/frmCoefConv.h"
#include "input/ui/frmCura.h"

using CamposNumericos::Geral;
using CamposNumericos::Real;

namespace {
QLineEdit* Campo(const char* nome, const QString& texto) { return CamposNumericos::NovoCampo(nullptr, nome, texto); }

QLabel* Rotulo(const char* nome, const QString& texto) {
    auto* lb = new QLabel(texto);
    lb->setObjectName(QString::fromLatin1(nome));
    return lb;
}
}  // namespace

TfrmCondCont::TfrmCondCont(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      edQn(Campo("edQn", QStringLiteral("0"))),
      chkTPrescEsq(new QCheckBox(QStringLiteral("Extremo  Inferior"))),
      edTprescrita1(Campo("edTprescrita1", QStringLiteral("0"))),
      chkTPrescDir(new QCheckBox(QStringLiteral("Extremo Superior "))),
      edTprescrita2(Campo("edTprescrita2", QStringLiteral("0"))),
      lbTmax(Rotulo("lbTmax", QStringLiteral("Tmáx[C]"))),
      edTmax(Campo("edTmax", QStringLiteral("24,5"))),
      lbTmin(Rotulo("lbTmin", QStringLiteral("Tmin[C]"))),
      edTmin(Campo("edTmin", QStringLiteral("14,5"))),
      lbHTmax(Rotulo("lbHTmax", QStringLiteral("HTmáx[h]"))),
      edHTmax(Campo("edHTmax", QStringLiteral("12"))),
      lbHTmin(Rotulo("lbHTmin", QStringLiteral("HTmin[h]"))),
      edHTmin(Campo("edHTmin", QStringLiteral("2"))),
      chkTAmbConst(new QCheckBox(QStringLiteral("Constante"))),
      lbTAmbConst(Rotulo("lbTAmbConst", QStringLiteral("T [C]"))),
      edTAmbConst(Campo("edTAmbConst", QStringLiteral("30"))),
      btnOk(new QPushButton(QStringLiteral("Ok"))),
      btnCancelar(new QPushButton(QStringLiteral("Cancelar"))),
      btnProtecoes(new QPushButton(QStringLiteral("Proteções das Faces..."))),
      btnLaterais(new QPushButton(QStringLiteral("Dimensões em Planta..."))),
      ctx_(ctx),
      clima_(ctx.janelas.climaHorario) {
    setObjectName(QStringLiteral("frmCondCont"));
    setWindowTitle(QStringLiteral(" Condições de Contorno (Ambientais)"));
    chkTPrescEsq->setObjectName(QStringLiteral("chkTPrescEsq"));
    chkTPrescDir->setObjectName(QStringLiteral("chkTPrescDir"));
    chkTAmbConst->setObjectName(QStringLiteral("chkTAmbConst"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnProtecoes->setObjectName(QStringLiteral("btnProtecoes"));
    btnLaterais->setObjectName(QStringLiteral("btnLaterais"));

    auto* gbxRadiacao = new QGroupBox(QStringLiteral("Fluxo Constante de Radição "));
    auto* radiacao = new QHBoxLayout(gbxRadiacao);
    radiacao->addWidget(new QLabel(QStringLiteral("Q Absorvido")));
    radiacao->addWidget(edQn);
    radiacao->addWidget(new QLabel(QStringLiteral("[W/m^2] ")));

    auto* gbxPrescritas = new QGroupBox(QStringLiteral("Temperaturas Prescritas [C]"));
    auto* prescritas = new QGridLayout(gbxPrescritas);
    prescritas->addWidget(chkTPrescEsq, 0, 0);
    prescritas->addWidget(edTprescrita1, 0, 1);
    prescritas->addWidget(chkTPrescDir, 1, 0);
    prescritas->addWidget(edTprescrita2, 1, 1);

    auto* gbxAmbiente = new QGroupBox(QStringLiteral("Temperatura Ambiente"));
    auto* ambiente = new QGridLayout(gbxAmbiente);
    ambiente->addWidget(lbTmax, 0, 0);
    ambiente->addWidget(edTmax, 0, 1);
    ambiente->addWidget(lbHTmax, 0, 2);
    ambiente->addWidget(edHTmax, 0, 3);
    ambiente->addWidget(lbTmin, 1, 0);
    ambiente->addWidget(edTmin, 1, 1);
    ambiente->addWidget(lbHTmin, 1, 2);
    ambiente->addWidget(edHTmin, 1, 3);
    ambiente->addWidget(chkTAmbConst, 2, 0, 1, 2);
    ambiente->addWidget(lbTAmbConst, 3, 0);
    ambiente->addWidget(edTAmbConst, 3, 1);

    btnSerpentinas = new QPushButton(QStringLiteral("Serpentinas de Resfriamento..."));
    btnSerpentinas->setObjectName(QStringLiteral("btnSerpentinas"));
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(btnProtecoes);
    botoes->addWidget(btnLaterais);
    botoes->addWidget(btnSerpentinas);
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(gbxRadiacao);
    principal->addWidget(gbxPrescritas);
    principal->addWidget(gbxAmbiente);
    if (clima_) principal->addWidget(clima_->Grupo());
    principal->addLayout(botoes);

    edTprescrita1->setEnabled(false);
    edTprescrita2->setEnabled(false);
    AmbienteConstante(false);

    // The boxes write their flag at once, before and independently of "Ok": each click
    // is a change of its own in the history.
    connect(chkTPrescEsq, &QCheckBox::toggled, this, [this](bool marcado) {
        AlteraProblema(ctx_, QStringLiteral("Temperatura prescrita inferior"),
                       [&] { ctx_.dados.TPrescInfAtiva = marcado; });
        edTprescrita1->setEnabled(marcado);
    });
    connect(chkTPrescDir, &QCheckBox::toggled, this, [this](bool marcado) {
        AlteraProblema(ctx_, QStringLiteral("Temperatura prescrita superior"),
                       [&] { ctx_.dados.TPrescSupAtiva = marcado; });
        edTprescrita2->setEnabled(marcado);
    });
    connect(chkTAmbConst, &QCheckBox::toggled, this, [this](bool marcado) {
        AmbienteConstante(marcado);
        AlteraProblema(ctx_, QStringLiteral("Temperatura ambiente constante"),
                       [&] { ctx_.dados.TAmbConstante = marcado; });
    });
    if (clima_) clima_->AoEscolher([this](bool arquivo) { ClimaArquivo(arquivo); });
    connect(btnProtecoes, &QPushButton::clicked, this, [this] {
        if (ctx_.janelas.protecoes) ctx_.janelas.protecoes->Abre();
    });
    connect(btnLaterais, &QPushButton::clicked, this, [this] {
        if (ctx_.janelas.laterais) ctx_.janelas.laterais->Abre();
    });
    connect(btnSerpentinas, &QPushButton::clicked, this, [this] {
        if (ctx_.janelas.serpentinas) ctx_.janelas.serpentinas->Abre();
    });
    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] { FechaSequencia(); });
}

void TfrmCondCont::AmbienteConstante(bool constante) {
    lbTAmbConst->setEnabled(constante);
    edTAmbConst->setEnabled(constante);
    for (QWidget* w : std::initializer_list<QWidget*>{lbTmax, edTmax, lbTmin, edTmin, lbHTmax, edHTmax, lbHTmin, edHTmin})
        w->setEnabled(!constante);
}

void TfrmCondCont::ClimaArquivo(bool arquivo) {
    edQn->setEnabled(!arquivo);
    chkTAmbConst->setEnabled(!arquivo);
    if (arquivo) {
        for (QWidget* w : std::initializer_list<QWidget*>{lbTmax, edTmax, lbTmin, edTmin, lbHTmax, edHTmax, lbHTmin,
                                                         edHTmin, lbTAmbConst, edTAmbConst})
            w->setEnabled(false);
    } else {
        AmbienteConstante(chkTAmbConst->isChecked());
    }
}

void TfrmCondCont::Abre() { CamposNumericos::ApresentaJanela(this); }

void TfrmCondCont::MostraEstado() {
    const TDadosModelo& d = ctx_.dados;
    edQn->setText(Geral(d.QRadiacao));
    edTmax->setText(Geral(d.TAmbMax));
    edTmin->setText(Geral(d.TAmbMin));
    edHTmax->setText(Geral(d.HoraTAmbMax));
    edHTmin->setText(Geral(d.HoraTAmbMin));
    edTAmbConst->setText(Geral(d.TAmbConst));
    edTprescrita1->setText(Geral(d.TPrescInf));
    edTprescrita2->setText(Geral(d.TPrescSup));
    // The boxes write back the same flags they are set from.
    chkTPrescEsq->setChecked(d.TPrescInfAtiva);
    chkTPrescDir->setChecked(d.TPrescSupAtiva);
    chkTAmbConst->setChecked(d.TAmbConstante);
    edTprescrita1->setEnabled(d.TPrescInfAtiva);
    edTprescrita2->setEnabled(d.TPrescSupAtiva);
    AmbienteConstante(d.TAmbConstante);
    if (clima_) clima_->MostraEstado();
    if (ctx_.janelas.protecoes) ctx_.janelas.protecoes->MostraEstado();
}

void TfrmCondCont::Ok() {
    TDadosModelo& d = ctx_.dados;
    ExecutaAcao(ctx_.msg, [&] {
      AlteraProblema(ctx_, QStringLiteral("Condições de Contorno"), [&] {
        d.QRadiacao = Real(edQn);
        if (!chkTAmbConst->isChecked()) {
            d.TAmbMax = Real(edTmax);
            d.TAmbMin = Real(edTmin);
            d.HoraTAmbMax = Real(edHTmax);
            d.HoraTAmbMin = Real(edHTmin);
            d.TAmbConstante = false;
        }
        d.TAmbConst = Real(edTAmbConst);
        if (d.TPrescInfAtiva) d.TPrescInf = Real(edTprescrita1);
        if (d.TPrescSupAtiva) d.TPrescSup = Real(edTprescrita2);
        if (clima_) clima_->Grava(d);
      });
        FechaSequencia();
    });
}

void TfrmCondCont::FechaSequencia() {
    close();
    if (ctx_.janelas.frmCoefConv) ctx_.janelas.frmCoefConv->close();
    if (ctx_.janelas.frmCura) ctx_.janelas.frmCura->close();
}
