// The strength window's other ways in: f at 7 and 28 days, or fck and a ratio.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "FalsosQt.h"
#include "JanelasTeste.h"
#include "app/ui/Aplicacao.h"
#include "core/Numeros.h"
#include "stress/ResistenciaIdades.h"
#include "stress/Restricao.h"
#include "stress/ui/frmTracaoFlexao.h"

namespace {

class TracaoFlexaoEntradas : public ::testing::Test {
protected:
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app{msg, arquivos};
    TDadosModelo& d = app.dados();
    TfrmTracaoFlexao* f = app.janelas().frmTracaoFlexao;

    TfrmTracaoFlexao::Curva& Curva(int i) { return f->curvas[i]; }
};

// The values stored are the computed doubles (not their 15-digit text), the a and b shown
// are them, and the other curves keep their own a and b.
TEST_F(TracaoFlexaoEntradas, SeteEVinteOitoDiasDaoAEBMostradosEGravados) {
    f->show();
    Curva(1).entrada->setCurrentIndex(TfrmTracaoFlexao::PorIdades);
    EXPECT_TRUE(Curva(1).a->isReadOnly());
    EXPECT_TRUE(Curva(1).f7->isEnabled());
    EXPECT_FALSE(Curva(1).razao->isEnabled());
    Curva(1).f7->setText(QStringLiteral("1,6"));
    Curva(1).f28->setText(QStringLiteral("2,1"));
    JanelasTeste::Clica(f, "btnOk");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    const ParametrosResistencia p = ResistenciaIdades::PorIdades(1.6, 2.1);
    EXPECT_EQ(d.ResistTracaoA, p.A);
    EXPECT_EQ(d.ResistTracaoB, p.B);
    EXPECT_NEAR(CurvaResistencia(7, d.ResistTracaoA, d.ResistTracaoB), 1.6, 1e-14);
    EXPECT_EQ(f->edTracaoA->text(), QString::fromStdString(Numeros::FormataGeral(p.A)));
    EXPECT_EQ(f->edTracaoB->text(), QString::fromStdString(Numeros::FormataGeral(p.B)));
    EXPECT_DOUBLE_EQ(d.ResistFlexaoA, 0.54128);
    EXPECT_DOUBLE_EQ(d.ResistComprB, 0.0311677);
    EXPECT_FALSE(f->isVisible());
}

TEST_F(TracaoFlexaoEntradas, FckERazaoComOCimentoEscolhido) {
    f->show();
    f->edFck->setText(QStringLiteral("35"));
    f->cbCimento->setCurrentIndex(2);  // rápido
    Curva(3).entrada->setCurrentIndex(TfrmTracaoFlexao::PorFck);
    Curva(0).entrada->setCurrentIndex(TfrmTracaoFlexao::PorFck);
    Curva(0).razao->setText(QStringLiteral("0,15"));
    JanelasTeste::Clica(f, "btnOk");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_NEAR(CurvaResistencia(28, d.ResistComprA, d.ResistComprB), 35.0, 1e-12);
    EXPECT_NEAR(CurvaResistencia(7, d.ResistComprA, d.ResistComprB), 35.0 * std::exp(-0.20), 1e-12);
    EXPECT_NEAR(CurvaResistencia(28, d.ResistFlexaoA, d.ResistFlexaoB), 0.15 * 35.0, 1e-12);
}

// What cannot give a curve is said as the user types, and at "Ok" stops with that message,
// the window open; the earlier curves were stored, as with a bad a or b.
TEST_F(TracaoFlexaoEntradas, IdadesSemGanhoSaoRecusadas) {
    f->show();
    Curva(2).entrada->setCurrentIndex(TfrmTracaoFlexao::PorIdades);
    Curva(2).f7->setText(QStringLiteral("3"));
    Curva(2).f28->setText(QStringLiteral("2"));
    emit Curva(2).f28->textEdited(Curva(2).f28->text());
    EXPECT_TRUE(Curva(2).calculo->text().contains(QStringLiteral("maior que a resistência aos 7 dias")))
        << Curva(2).calculo->text().toStdString();
    f->edFlexaoA->setText(QStringLiteral("0,6"));
    JanelasTeste::Clica(f, "btnOk");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("maior que a resistência aos 7 dias")));
    EXPECT_TRUE(f->isVisible());
    EXPECT_DOUBLE_EQ(d.ResistFlexaoA, 0.6);
    EXPECT_EQ(d.ResistDiametralA, 0.0);
}

// A project's a and b come back in the a-and-b entry.
TEST_F(TracaoFlexaoEntradas, MostraEstadoVoltaParaAEB) {
    Curva(0).entrada->setCurrentIndex(TfrmTracaoFlexao::PorFck);
    d.ResistFlexaoA = 0.5;
    d.ResistFlexaoB = 0.2;
    f->MostraEstado();
    EXPECT_EQ(Curva(0).entrada->currentIndex(), TfrmTracaoFlexao::PorAB);
    EXPECT_FALSE(Curva(0).a->isReadOnly());
    EXPECT_EQ(f->edFlexaoA->text(), QStringLiteral("0,5"));
}

}  // namespace
