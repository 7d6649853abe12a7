// The per-layer dialogs as views of the stored problem, driven as a user works:
// open a project, step through a dialog with Ok, and nothing changes; go straight
// to a layer; leave with "Sair"; undo and redo across dialogs.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <functional>
#include <string>

#include "DialogosCamadasTeste.h"
#include "core/Projeto.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/HistoricoProblema.h"
#include "input/ui/frmCalorIntDiscr.h"
#include "input/ui/frmCoefConv.h"
#include "input/ui/frmEscolhaCalor.h"
#include "input/ui/frmCalorInterno.h"
#include "input/ui/frmCondCont.h"
#include "input/ui/frmCondInic.h"
#include "input/ui/frmCura.h"
#include "app/ui/frmEntradaDados.h"
#include "input/ui/frmMaturidade.h"
#include "input/ui/frmMembro.h"
#include "obra/ui/frmProtecoes.h"
#include "obra/Protecoes.h"
#include "obra/ui/GrupoClimaHorario.h"
#include "stress/ui/frmTensional.h"
#include "stress/ui/frmTracaoFlexao.h"
#include "obra/DadosObra.h"

namespace {

const QString Exemplos = QString::fromUtf8(NORVIK_FONTES "/exemplos/");

class Vistas : public DialogosCamadas {
protected:
    QTemporaryDir pasta;
    TfrmEntradaDados* f() { return j.frmEntradaDados; }

    void AbreExemplo(const char* nome) {
        arquivos.caminhos.push_back(Exemplos + QString::fromUtf8(nome));
        f()->AbrirProjeto->trigger();
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        msg.limpa();
    }
    // The file the program saves of the problem in memory.
    QByteArray Salva(const char* nome) {
        const QString caminho = pasta.filePath(QString::fromUtf8(nome));
        arquivos.caminhos.push_back(caminho);
        f()->SalvarProjeto->trigger();
        EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        QFile arquivo(caminho);
        EXPECT_TRUE(arquivo.open(QIODevice::ReadOnly));
        return arquivo.readAll();
    }
    void Desfaz() { f()->findChild<QAction*>(QStringLiteral("Desfazer"))->trigger(); }
    void Refaz() { f()->findChild<QAction*>(QStringLiteral("Refazer"))->trigger(); }
    QString TextoDesfazer() { return f()->findChild<QAction*>(QStringLiteral("Desfazer"))->text(); }
};

struct CasoVista {
    const char* exemplo;
    const char* dialogo;
};

void PercorreMembro(Janelas& j, MensagensFalsas& msg, int n) {
    QTest::mouseClick(j.frmEntradaDados->btnMembro, Qt::LeftButton);
    ASSERT_TRUE(j.frmMembro->isVisible());
    for (int k = 1; k <= n; ++k) {
        ASSERT_EQ(j.frmMembro->edMembro->text(), QString::number(k));
        msg.respostas.insert(msg.respostas.end(), {true, k < n});
        QTest::mouseClick(j.frmMembro->btnInserir, Qt::LeftButton);
    }
    EXPECT_FALSE(j.frmMembro->isVisible());
}

void PercorreOk(QWidget* janela, const char* contador, const char* botao, MensagensFalsas& msg, int n) {
    ASSERT_TRUE(janela->isVisible()) << janela->objectName().toStdString();
    for (int k = 1; k <= n; ++k) {
        ASSERT_EQ(janela->findChild<QLabel*>(QString::fromLatin1(contador))->text(), QString::number(k))
            << janela->objectName().toStdString();
        if (k == n) msg.respostas.push_back(true);
        QTest::mouseClick(janela->findChild<QAbstractButton*>(QString::fromLatin1(botao)), Qt::LeftButton);
    }
}

void Percorre(const std::string& dialogo, Janelas& j, MensagensFalsas& msg, const TDadosModelo& d) {
    const int n = d.NCamadas;
    TfrmEntradaDados* f = j.frmEntradaDados;
    if (dialogo == "Membro") {
        PercorreMembro(j, msg, n);
    } else if (dialogo == "CalorInterno") {
        QTest::mouseClick(f->btnCalorInt, Qt::LeftButton);
        QTest::mouseClick(j.frmEscolhaCalor->findChild<QPushButton*>(QStringLiteral("btnOk")), Qt::LeftButton);
        if (d.CalorDiscreto) {
            PercorreOk(j.frmCalorIntDiscr, "lbCamada", "btnOk", msg, n);
        } else {
            PercorreOk(j.frmCalorInterno, "lbNCamada", "btnOk", msg, n);
        }
    } else if (dialogo == "Maturidade") {
        QTest::mouseClick(f->btnCalorInt, Qt::LeftButton);
        QTest::mouseClick(j.frmEscolhaCalor->findChild<QPushButton*>(QStringLiteral("btnOk")), Qt::LeftButton);
        QWidget* chamador = d.CalorDiscreto ? static_cast<QWidget*>(j.frmCalorIntDiscr) : j.frmCalorInterno;
        QTest::mouseClick(chamador->findChild<QPushButton*>(QStringLiteral("btnMaturidade")), Qt::LeftButton);
        PercorreOk(j.frmMaturidade, "lbNCamada", "btnOk", msg, n);
    } else if (dialogo == "CondInic") {
        QTest::mouseClick(f->btnCondIni, Qt::LeftButton);
        PercorreOk(j.frmCondInic, "lbNCamada", "btnOk", msg, n);
    } else if (dialogo == "Contorno") {
        // Curing (per layer) when the project has it; then the boundary conditions with
        // the site data. (The convection dialog also writes the day and night wind
        // coefficients with its fixed defaults, as it always has.)
        if (d.CuraAtiva) {
            msg.respostas.push_back(true);
            QTest::mouseClick(f->btnCondCont, Qt::LeftButton);
            PercorreOk(j.frmCura, "lbCamada", "btnOk", msg, n);
        } else {
            j.frmCondCont->Abre();
        }
        ASSERT_TRUE(j.frmCondCont->isVisible());
        QTest::mouseClick(j.frmCondCont->btnOk, Qt::LeftButton);
    } else if (dialogo == "Protecoes") {
        j.frmCondCont->Abre();
        QTest::mouseClick(j.frmCondCont->btnProtecoes, Qt::LeftButton);
        PercorreOk(j.frmProtecoes, "lbCamada", "btnOk", msg, n);
        QTest::mouseClick(j.frmCondCont->btnCancelar, Qt::LeftButton);
    }
}

class VistaDoProblema : public Vistas, public ::testing::WithParamInterface<CasoVista> {};

// Opened, stepped through with Ok from layer 1 to the last, saved: the same file.
TEST_P(VistaDoProblema, PercorrerComOkNaoMudaOProjeto) {
    const CasoVista& c = GetParam();
    AbreExemplo(c.exemplo);
    const QByteArray antes = Salva("antes.n1d.json");
    Percorre(c.dialogo, j, msg, d);
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(Salva("depois.n1d.json").toStdString(), antes.toStdString());
    // Nothing changed: nothing to undo.
    EXPECT_FALSE(app.historico().Pilha().canUndo()) << app.historico().Pilha().undoText().toStdString();
}

std::vector<CasoVista> Casos() {
    std::vector<CasoVista> casos;
    for (const char* exemplo : {"bloco-fundacao-3-camadas.n1d.json", "bloco-fundacao-3-camadas-unidades-usuais.n1d.json",
                                "bloco-fundacao-3-camadas-consistente-maturidade.n1d.json",
                                "bloco-fundacao-3-camadas-condutividade-hidratacao.n1d.json",
                                "muro-10-camadas-cura.n1d.json", "radier-verao-mantas.n1d.json",
                                "secao-gravidade-40-camadas-adiabatico.n1d.json"}) {
        for (const char* dialogo : {"Membro", "CalorInterno", "Maturidade", "CondInic", "Contorno", "Protecoes"})
            casos.push_back({exemplo, dialogo});
    }
    return casos;
}

INSTANTIATE_TEST_SUITE_P(Exemplos, VistaDoProblema, ::testing::ValuesIn(Casos()), [](const auto& info) {
    std::string nome = std::string(info.param.exemplo).substr(0, std::string(info.param.exemplo).find('.')) + "_" +
                       info.param.dialogo;
    for (char& ch : nome)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return nome;
});

// Reviewing the member and leaving at layer 2 with "Sair" changes nothing, and layer 2
// shows its own thickness.
TEST_F(Vistas, RevisaroMembroESairNaCamadaDoisNaoMudaNada) {
    AbreExemplo("muro-10-camadas-cura.n1d.json");
    const QByteArray antes = Salva("antes.n1d.json");
    Clica(f(), "btnMembro");
    Responde({true, true});
    Clica(j.frmMembro, "btnInserir");
    EXPECT_EQ(Texto(j.frmMembro, "edMembro"), "2");
    EXPECT_EQ(Texto(j.frmMembro, "edH"), CamposNumericos::Geral(d.Camadas[2].Espessura));
    Clica(j.frmMembro, "Button1");
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(d.NCamadas, 10);
    EXPECT_EQ(Salva("depois.n1d.json").toStdString(), antes.toStdString());
}

// "No more layers" below the top names the layers dropped; "Não" keeps them, "Sim"
// shortens the member.
TEST_F(Vistas, MembroSoEncurtaComAConfirmacao) {
    AbreExemplo("muro-10-camadas-cura.n1d.json");
    Clica(f(), "btnMembro");
    j.frmMembro->findChild<QSpinBox*>(QStringLiteral("spCamada"))->setValue(8);
    Responde({true, false, false});
    Clica(j.frmMembro, "btnInserir");
    EXPECT_EQ(msg.confirmacoes.last(), "As camadas 9 e 10 serão removidas do membro. Confirmar?");
    EXPECT_EQ(d.NCamadas, 10);
    Clica(f(), "btnMembro");
    j.frmMembro->findChild<QSpinBox*>(QStringLiteral("spCamada"))->setValue(8);
    Responde({true, false, true});
    Clica(j.frmMembro, "btnInserir");
    EXPECT_EQ(d.NCamadas, 8);
    EXPECT_EQ(d.NCamadasMembro, 8);
    EXPECT_EQ(TextoDesfazer(), "Desfazer: Fim do membro na camada 8");
    Desfaz();
    EXPECT_EQ(d.NCamadas, 10);
}

// Layer 3 is reached with the selector and "Anterior"/"Próxima", each showing what it
// holds; "Ok" there writes layer 3 alone.
struct CasoDireto {
    const char* dialogo;
    const char* contador;
};
class EditaCamadaDireto : public Vistas, public ::testing::WithParamInterface<CasoDireto> {};

TEST_P(EditaCamadaDireto, CamadaTresSemConfirmarAsDeBaixo) {
    AbreExemplo("muro-10-camadas-cura.n1d.json");
    const std::string dialogo = GetParam().dialogo;
    // Layers differ, so that each shows its own values.
    for (int n = 1; n <= 10; ++n) {
        d.CalorCamadas[n].C = 300 + n;
        d.Camadas[n].TInicial = 20 + n;
        d.Superficie[n].DiasCura = n;
    }
    const auto copia = std::make_unique<TDadosModelo>(d);
    QWidget* janela = nullptr;
    QLineEdit* campo = nullptr;
    std::function<double()> lido;
    if (dialogo == "CalorInterno") {
        Clica(f(), "btnCalorInt");
        Clica(j.frmEscolhaCalor, "btnOk");
        janela = j.frmCalorInterno;
        campo = Campo(janela, "edC");
        lido = [&] { return d.CalorCamadas[3].C; };
    } else if (dialogo == "CondInic") {
        Clica(f(), "btnCondIni");
        janela = j.frmCondInic;
        campo = Campo(janela, "edTinic");
        lido = [&] { return d.Camadas[3].TInicial; };
    } else {
        Responde({true});
        Clica(f(), "btnCondCont");
        janela = j.frmCura;
        campo = Campo(janela, "edDiasCura");
        lido = [&] { return d.Superficie[3].DiasCura; };
    }
    ASSERT_TRUE(janela->isVisible());
    janela->findChild<QSpinBox*>(QStringLiteral("spCamada"))->setValue(4);
    EXPECT_EQ(Texto(janela, GetParam().contador), "4");
    Clica(janela, "btnAnterior");
    EXPECT_EQ(Texto(janela, GetParam().contador), "3");
    const double guardado = lido();
    EXPECT_EQ(campo->text(), CamposNumericos::Geral(guardado));
    campo->setText("55");
    Clica(janela, "btnOk");
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(lido(), 55.0);
    EXPECT_EQ(Texto(janela, GetParam().contador), "4");
    // Only layer 3 changed.
    for (int n : {1, 2, 4}) {
        EXPECT_EQ(d.CalorCamadas[n].C, copia->CalorCamadas[n].C) << n;
        EXPECT_EQ(d.Camadas[n].TInicial, copia->Camadas[n].TInicial) << n;
        EXPECT_EQ(d.Superficie[n].DiasCura, copia->Superficie[n].DiasCura) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogos, EditaCamadaDireto,
                         ::testing::Values(CasoDireto{"CalorInterno", "lbNCamada"}, CasoDireto{"CondInic", "lbNCamada"},
                                           CasoDireto{"Cura", "lbCamada"}),
                         [](const auto& info) { return std::string(info.param.dialogo); });

// Three dialogs, three commands; undo takes them back one by one, redo puts them
// again, and the open dialog shows each state.
TEST_F(Vistas, DesfazerERefazerAtravesDeTresDialogos) {
    AbreExemplo("bloco-fundacao-3-camadas.n1d.json");
    const auto original = std::make_unique<TDadosModelo>(d);

    Clica(f(), "btnCalorInt");
    Clica(j.frmEscolhaCalor, "btnOk");
    Clica(j.frmCalorInterno, "btnProxima");
    Digita(j.frmCalorInterno, "edE", "90");
    Clica(j.frmCalorInterno, "btnOk");
    Clica(j.frmCalorInterno, "btnCancelar");
    EXPECT_EQ(TextoDesfazer(), "Desfazer: Calor Interno, camada 2");

    Clica(f(), "btnCondIni");
    Digita(j.frmCondInic, "edTinic", "18");
    Clica(j.frmCondInic, "btnOk");
    Clica(j.frmCondInic, "btnCancelar");
    EXPECT_EQ(TextoDesfazer(), "Desfazer: Condições Iniciais, camada 1");

    Clica(f(), "btnMembro");
    Digita(j.frmMembro, "edH", "1,25");
    Responde({true, true});
    Clica(j.frmMembro, "btnInserir");
    Clica(j.frmMembro, "Button1");
    EXPECT_EQ(TextoDesfazer(), "Desfazer: Inserir Camada, camada 1");
    const auto editado = std::make_unique<TDadosModelo>(d);
    EXPECT_EQ(d.Camadas[2].XIni, 1.25);  // the layers above rest on the new thickness

    Clica(f(), "btnCondIni");
    Desfaz();
    EXPECT_EQ(d.Camadas[1].Espessura, original->Camadas[1].Espessura);
    EXPECT_EQ(d.Camadas[2].XIni, original->Camadas[2].XIni);
    Desfaz();
    EXPECT_EQ(d.Camadas[1].TInicial, original->Camadas[1].TInicial);
    // The open dialog shows the state put back.
    EXPECT_EQ(Texto(j.frmCondInic, "edTinic"), CamposNumericos::Geral(original->Camadas[1].TInicial));
    Desfaz();
    EXPECT_EQ(Projeto::Conteudo(d), Projeto::Conteudo(*original));
    EXPECT_FALSE(app.historico().Pilha().canUndo());
    for (int k = 0; k < 3; ++k) Refaz();
    EXPECT_EQ(Projeto::Conteudo(d), Projeto::Conteudo(*editado));
    EXPECT_EQ(d.CalorCamadas[2].E, 90.0);
}

// Ctrl+Z from any dialog undoes the problem's last change.
TEST_F(Vistas, CtrlZDesfazDeQualquerJanela) {
    f()->show();  // the program's main window, always shown
    AbreExemplo("bloco-fundacao-3-camadas.n1d.json");
    const double antes = d.Camadas[1].TInicial;
    Clica(f(), "btnCondIni");
    Digita(j.frmCondInic, "edTinic", "11");
    Clica(j.frmCondInic, "btnOk");
    EXPECT_EQ(d.Camadas[1].TInicial, 11.0);
    QApplication::setActiveWindow(j.frmCondInic);
    QTest::keyClick(j.frmCondInic, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(d.Camadas[1].TInicial, antes);
    QTest::keyClick(j.frmCondInic, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(d.Camadas[1].TInicial, 11.0);
}

// Right after start-up, the rock given a constant zero rate stays so when the
// dialog is opened again and confirmed.
TEST_F(Vistas, TaxaConstanteZeroDaRochaFicaAoReabrir) {
    d.NCamadas = 2;
    Clica(f(), "btnCalorInt");
    Clica(j.frmEscolhaCalor, "btnOk");
    Marca(Filho<QCheckBox>(j.frmCalorInterno, "chkCalorIntConst"));
    Clica(j.frmCalorInterno, "btnOk");
    Clica(j.frmCalorInterno, "btnCancelar");
    Clica(f(), "btnCalorInt");
    Clica(j.frmEscolhaCalor, "btnOk");
    EXPECT_TRUE(Filho<QCheckBox>(j.frmCalorInterno, "chkCalorIntConst")->isChecked());
    Clica(j.frmCalorInterno, "btnOk");
    EXPECT_TRUE(d.CalorCamadas[1].Constante);
    EXPECT_EQ(d.CalorCamadas[1].F, 0.0);
}

// The maturity dialog opens at the caller's layer, and closes with it.
TEST_F(Vistas, MaturidadeAbreNaCamadaDoChamadorEFechaComEle) {
    AbreExemplo("bloco-fundacao-3-camadas-consistente-maturidade.n1d.json");
    Clica(f(), "btnCalorInt");
    Clica(j.frmEscolhaCalor, "btnOk");
    Clica(j.frmCalorInterno, "btnProxima");
    Clica(j.frmCalorInterno, "btnMaturidade");
    ASSERT_TRUE(j.frmMaturidade->isVisible());
    EXPECT_EQ(Texto(j.frmMaturidade, "lbNCamada"), "2");
    // αu·C·E beside the curve's C·E: 0,75 × 330 × 107 = 26 482,5 kcal/m³.
    EXPECT_TRUE(Texto(j.frmMaturidade, "lbOrigem").contains("αu·C·E = 26482,5 kcal/m³, contra C·E = 35310 kcal/m³"))
        << Texto(j.frmMaturidade, "lbOrigem").toStdString();
    Clica(j.frmCalorInterno, "btnCancelar");
    EXPECT_FALSE(j.frmMaturidade->isVisible());
}

// The default removal of a lift's blanket: one hour after the next lift's placement.
TEST_F(Vistas, RetiradaPadraoCobreOTopoAteAProximaCamada) {
    AbreExemplo("bloco-fundacao-3-camadas.n1d.json");
    j.frmCondCont->Abre();
    Clica(j.frmCondCont, "btnProtecoes");
    TfrmProtecoes* p = j.frmProtecoes;
    Clica(p, "btnAcrescentar");
    const double esperada = d.Camadas[2].HoraConcretagem - d.Camadas[1].HoraConcretagem + 1;
    EXPECT_EQ(p->sgdProtecoes->item(p->sgdProtecoes->rowCount() - 1, 3)->text(), CamposNumericos::Geral(esperada));
}

}  // namespace

namespace {

// Pictures of the per-layer dialogs at layer 2 of an opened project, for looking
// them over; written only when NORVIK_CAPTURAS names a folder.
TEST_F(Vistas, CapturasDosDialogosPorCamada) {
    const QString destino = qEnvironmentVariable("NORVIK_CAPTURAS");
    if (destino.isEmpty()) GTEST_SKIP() << "NORVIK_CAPTURAS não definida";
    AbreExemplo("radier-verao-mantas.n1d.json");
    Clica(f(), "btnMembro");
    Clica(f(), "btnCalorInt");
    Clica(j.frmEscolhaCalor, "btnOk");
    Clica(j.frmCalorInterno, "btnProxima");
    Clica(j.frmCalorInterno, "btnMaturidade");
    Clica(f(), "btnCondIni");
    j.frmCondCont->Abre();
    Clica(j.frmCondCont, "btnProtecoes");
    Clica(j.frmProtecoes, "btnProxima");
    const std::pair<QWidget*, const char*> janelas[] = {
        {j.frmMembro, "vista-membro"},       {j.frmCalorInterno, "vista-calor"},
        {j.frmMaturidade, "vista-maturidade"}, {j.frmCondInic, "vista-condinic"},
        {j.frmProtecoes, "vista-protecoes"}, {f(), "vista-principal"}};
    for (const auto& [w, nome] : janelas) {
        w->adjustSize();
        EXPECT_TRUE(w->grab().save(destino + QStringLiteral("/") + QString::fromLatin1(nome) + QStringLiteral(".png")));
    }
}

}  // namespace

namespace {

// A project reopened shows what it holds beyond the per-layer dialogs: the strengths
// that the stored curves give, the stress run ready, the weather's hour 0 as read.
TEST_F(Vistas, ProjetoReabertoMostraResistenciasRunEOrigemDoClima) {
    AbreExemplo("radier-verao-mantas.n1d.json");
    // Tração Simples: a = 1,5, b = 0,333 give 7/(1,5 + 7·0,333) and 28/(1,5 + 28·0,333).
    EXPECT_EQ(Texto(j.frmTracaoFlexao, "edTracaoF7"), "1,83");
    EXPECT_EQ(Texto(j.frmTracaoFlexao, "edTracaoF28"), "2,59");
    EXPECT_TRUE(j.frmTensional->btnRun->isEnabled());

    ObraEditavel(d).OrigemClima = "Estação automática, hora 0 em 01/01/2023 03 UTC, horas 0 a 10";
    j.frmCondCont->MostraEstado();
    EXPECT_EQ(j.gbxClimaHorario->edDataInicio->text(), "01/01/2023");
    EXPECT_EQ(j.gbxClimaHorario->edHoraInicio->text(), "0");
}

}  // namespace
