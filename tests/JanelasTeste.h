#pragma once
// What window tests of several subsystems do alike: press a named button as a user
// would, and enter a stress analysis with the windows' own defaults.
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "core/ui/Janelas.h"
#include "stress/ui/frmACI.h"
#include "stress/ui/frmCoefRestr.h"
#include "stress/ui/frmEscolhaFluencia.h"
#include "stress/ui/frmFluencia.h"
#include "stress/ui/frmTensional.h"
#include "stress/ui/frmTracaoFlexao.h"

namespace JanelasTeste {

inline void Clica(QWidget* janela, const char* botao) {
    auto* b = janela->findChild<QPushButton*>(QString::fromLatin1(botao));
    ASSERT_NE(b, nullptr) << botao;
    QTest::mouseClick(b, Qt::LeftButton);
}

// Bureau with its defaults, the ACI restraint on the member's own height, the strengths.
inline void EntraDadosTensionais(Janelas& j) {
    TfrmTensional* t = j.frmTensional;
    Clica(t, "btnFluencia");
    ASSERT_TRUE(j.frmEscolhaFluencia->isVisible());
    Clica(j.frmEscolhaFluencia, "btnOK");
    Clica(j.frmFluencia, "btnOk");
    Clica(t, "btnCoefRestr");
    j.frmCoefRestr->rbACI->setChecked(true);
    Clica(j.frmCoefRestr, "btnOk");
    Clica(j.frmACI, "btnOk");
    Clica(t, "btnTracaoFlexao");
    Clica(j.frmTracaoFlexao, "btnOk");
}

}  // namespace JanelasTeste
