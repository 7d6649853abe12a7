#include "stress/ui/frmTracaoFlexao.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "core/ui/ExecutaAcao.h"
#include "core/ui/CamposNumericos.h"
#include "stress/ui/Formulario.h"

using namespace Formulario;

namespace {
QGroupBox* SubGrupo(QWidget* dono, const QString& titulo, const QString& formula, QLineEdit* a, QLineEdit* b) {
    auto* g = Grupo(dono, nullptr, titulo);
    auto* l = new QGridLayout(g);
    l->addWidget(Rotulo(dono, nullptr, formula), 0, 0, 1, 2);
    l->addWidget(Rotulo(dono, nullptr, QStringLiteral("a =")), 1, 0);
    l->addWidget(a, 1, 1);
    l->addWidget(Rotulo(dono, nullptr, QStringLiteral("b =")), 2, 0);
    l->addWidget(b, 2, 1);
    return g;
}
}  // namespace

TfrmTracaoFlexao::TfrmTracaoFlexao(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmTracaoFlexao"));
    setWindowTitle(QStringLiteral("Tensões Resistentes"));
    edFlexaoA = Campo(this, "edFlexaoA", QStringLiteral("0,54128"));
    edFlexaoB = Campo(this, "edFlexaoB", QStringLiteral("0,189165"));
    edTracaoA = Campo(this, "edTracaoA", QStringLiteral("0,65271"));
    edTracaoB = Campo(this, "edTracaoB", QStringLiteral("0,548387"));
    edDiametralA = Campo(this, "edDiametralA", QStringLiteral("0,525694"));
    edDiametralB = Campo(this, "edDiametralB", QStringLiteral("0,272113"));
    edComprA = Campo(this, "edComprA", QStringLiteral("0,0532665"));
    edComprB = Campo(this, "edComprB", QStringLiteral("0,0311677"));
    auto* btnOk = Botao(this, "btnOk", QStringLiteral("Ok"));

    auto* gbx = Grupo(this, "gbxParametros", QStringLiteral("Parâmetros Empíricos"));
    auto* lg = new QGridLayout(gbx);
    lg->addWidget(SubGrupo(this, QStringLiteral("Tração na Flexão"), QStringLiteral("Ftf(z) = z / (a+b.z)"), edFlexaoA,
                           edFlexaoB), 0, 0);
    lg->addWidget(SubGrupo(this, QStringLiteral("Tração Simples"), QStringLiteral("Fts(z) = z / (a+b.z)"), edTracaoA,
                           edTracaoB), 0, 1);
    lg->addWidget(SubGrupo(this, QStringLiteral("Tração por Compressão Diâmetral"),
                           QStringLiteral("Ftcd(z) = z / (a+b.z)"), edDiametralA, edDiametralB), 1, 0);
    lg->addWidget(SubGrupo(this, QStringLiteral("Compressão"), QStringLiteral("Fc(z) = z / (a+b.z)"), edComprA,
                           edComprB), 1, 1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(gbx);
    l->addWidget(btnOk, 0, Qt::AlignHCenter);
    connect(btnOk, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Ok(); }); });
}

void TfrmTracaoFlexao::Ok() {
    TDadosModelo& d = ctx_.dados;
    d.ResistFlexaoA = Real(edFlexaoA);
    d.ResistFlexaoB = Real(edFlexaoB);
    d.ResistTracaoA = Real(edTracaoA);
    d.ResistTracaoB = Real(edTracaoB);
    d.ResistDiametralA = Real(edDiametralA);
    d.ResistDiametralB = Real(edDiametralB);
    d.ResistComprA = Real(edComprA);
    d.ResistComprB = Real(edComprB);
    hide();
}

void TfrmTracaoFlexao::MostraEstado() {
    const TDadosModelo& d = ctx_.dados;
    edFlexaoA->setText(CamposNumericos::Geral(d.ResistFlexaoA));
    edFlexaoB->setText(CamposNumericos::Geral(d.ResistFlexaoB));
    edTracaoA->setText(CamposNumericos::Geral(d.ResistTracaoA));
    edTracaoB->setText(CamposNumericos::Geral(d.ResistTracaoB));
    edDiametralA->setText(CamposNumericos::Geral(d.ResistDiametralA));
    edDiametralB->setText(CamposNumericos::Geral(d.ResistDiametralB));
    edComprA->setText(CamposNumericos::Geral(d.ResistComprA));
    edComprB->setText(CamposNumericos::Geral(d.ResistComprB));
}
