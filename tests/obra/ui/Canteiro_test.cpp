// The site dialogs driven as a user would: the hourly weather of the boundary
// conditions and the per-lift protections.
#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>
#include <fstream>

#include "PastaTemporaria.h"
#include "input/ui/DialogosCamadasTeste.h"
#include "input/ui/frmCondCont.h"
#include "obra/ui/frmProtecoes.h"
#include "obra/DadosObra.h"

namespace {

class Canteiro : public DialogosCamadas {
protected:
    TfrmCondCont* f() { return j.frmCondCont; }
    TfrmProtecoes* p() { return j.frmProtecoes; }
    PastaTemporaria pasta;

    QString Arquivo(const std::string& texto) {
        const std::string caminho = pasta / "clima.csv";
        std::ofstream(caminho, std::ios::binary) << texto;
        return QString::fromStdString(caminho);
    }
};

TEST_F(Canteiro, ArquivoHorarioDesabilitaOAmbienteEGravaOConteudoNoOk) {
    f()->Abre();
    Marca(Filho<QCheckBox>(f(), "chkArquivoHorario"));
    for (const char* nome : {"edQn", "edTmax", "edTAmbConst"}) EXPECT_FALSE(Campo(f(), nome)->isEnabled()) << nome;

    // Ticked without a file: refused, nothing stored, the dialog stays open.
    Clica(f(), "btnOk");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("nenhum arquivo de clima foi lido")));
    EXPECT_FALSE(ObraDe(d).ClimaArquivo);
    EXPECT_TRUE(f()->isVisible());

    // A refused file leaves what was read before.
    arquivos.caminhos.push_back(Arquivo("hora;temperatura\n0;10\n9;20\n"));
    Clica(f(), "btnLerClima");
    ASSERT_EQ(msg.erros.size(), 2);
    EXPECT_TRUE(msg.erros[1].contains(QStringLiteral("8 h seguidas")));

    arquivos.caminhos.push_back(Arquivo("hora;temperatura;vento\n0;20;1\n1;21;2\n2;22,5;3\n"));
    Clica(f(), "btnLerClima");
    EXPECT_TRUE(ObraDe(d).Temperatura.empty());  // still only read, until "Ok"
    Digita(f(), "edAbsortividade", "0,7");
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.erros.size(), 2);
    EXPECT_TRUE(ObraDe(d).ClimaArquivo);
    EXPECT_EQ(ObraDe(d).Temperatura, (std::vector<double>{20.0, 21.0, 22.5}));
    EXPECT_EQ(ObraDe(d).Vento, (std::vector<double>{1.0, 2.0, 3.0}));
    EXPECT_EQ(ObraDe(d).Absortividade, 0.7);
    EXPECT_FALSE(f()->isVisible());

    // Unticked again: the daily cycle is back and the file stays in the project, unused.
    f()->Abre();
    Marca(Filho<QCheckBox>(f(), "chkArquivoHorario"));
    EXPECT_TRUE(Campo(f(), "edTmax")->isEnabled());
    Clica(f(), "btnOk");
    EXPECT_FALSE(ObraDe(d).ClimaArquivo);
    EXPECT_EQ(ObraDe(d).Temperatura.size(), 3u);
}

// The sky: off and untouched in a problem without it; reading a weather file ticks it;
// the dialog shows what is stored and a bad emissivity stores nothing.
TEST_F(Canteiro, RadiacaoParaOCeuLigadaAoLerOArquivo) {
    f()->Abre();
    auto* ceu = Filho<QCheckBox>(f(), "chkCeu");
    EXPECT_FALSE(ceu->isChecked());
    EXPECT_FALSE(Campo(f(), "edEmissividade")->isEnabled());
    Clica(f(), "btnOk");
    EXPECT_FALSE(ObraDe(d).CeuAtivo);

    f()->Abre();
    Marca(Filho<QCheckBox>(f(), "chkArquivoHorario"));
    arquivos.caminhos.push_back(Arquivo("hora;temperatura;orvalho\n0;20;12\n1;21;12\n"));
    Clica(f(), "btnLerClima");
    EXPECT_TRUE(ceu->isChecked());
    EXPECT_TRUE(Campo(f(), "edEmissividade")->isEnabled());
    Digita(f(), "edEmissividade", "1,2");
    Clica(f(), "btnOk");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("emissividade do topo deve estar entre 0 e 1")));
    EXPECT_FALSE(ObraDe(d).CeuAtivo);
    EXPECT_FALSE(ObraDe(d).ClimaArquivo);
    Digita(f(), "edEmissividade", "0,85");
    Clica(f(), "btnOk");
    EXPECT_TRUE(ObraDe(d).CeuAtivo);
    EXPECT_EQ(ObraDe(d).Emissividade, 0.85);
    EXPECT_EQ(ObraDe(d).PontoOrvalho, (std::vector<double>{12.0, 12.0}));

    // Reviewed with "Ok" it stays as stored, dew point included; unticked, it is off.
    f()->Abre();
    EXPECT_TRUE(ceu->isChecked());
    EXPECT_EQ(Texto(f(), "edEmissividade"), QStringLiteral("0,85"));
    Clica(f(), "btnOk");
    EXPECT_TRUE(ObraDe(d).CeuAtivo);
    EXPECT_EQ(ObraDe(d).PontoOrvalho.size(), 2u);
    f()->Abre();
    Marca(ceu);
    Clica(f(), "btnOk");
    EXPECT_FALSE(ObraDe(d).CeuAtivo);
    EXPECT_EQ(ObraDe(d).Emissividade, 0.85);
}

TEST_F(Canteiro, ProtecoesPorCamadaComOLacoDeSempre) {
    d.NCamadas = 2;
    f()->Abre();
    Clica(f(), "btnProtecoes");
    ASSERT_TRUE(p()->isVisible());
    auto* tabela = Filho<QTableWidget>(p(), "sgdProtecoes");
    auto* predef = Filho<QComboBox>(p(), "cbxPredefinicoes");
    predef->setCurrentIndex(3);  // Manta de lã mineral 25 mm
    Clica(p(), "btnAcrescentar");
    predef->setCurrentIndex(0);
    Clica(p(), "btnAcrescentar");
    ASSERT_EQ(tabela->rowCount(), 2);
    EXPECT_EQ(tabela->item(0, 1)->text(), QStringLiteral("0,625"));
    tabela->item(1, 1)->setText(QStringLiteral("0,3"));
    tabela->item(1, 3)->setText(QStringLiteral("24"));

    // A bad cell stops at that row: nothing stored, the counter stays.
    tabela->item(1, 2)->setText(QStringLiteral("abc"));
    Clica(p(), "btnOk");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("Linha 2")));
    EXPECT_EQ(Texto(p(), "lbCamada"), QStringLiteral("1"));
    EXPECT_TRUE(ObraDe(d).ProtecoesTopo.empty());

    tabela->item(1, 2)->setText(QStringLiteral("0"));
    Clica(p(), "btnOk");
    EXPECT_EQ(Texto(p(), "lbCamada"), QStringLiteral("2"));
    ASSERT_EQ(ObraDe(d).ProtecoesTopo.size(), 2u);
    ASSERT_EQ(ObraDe(d).ProtecoesTopo[1].size(), 2u);
    EXPECT_EQ(ObraDe(d).ProtecoesTopo[1][1].R, 0.3);
    EXPECT_EQ(ObraDe(d).ProtecoesTopo[1][1].HoraRetirada, 24.0);

    // The rows carry over; removing one and confirming ends the pass with the question.
    tabela->setCurrentCell(1, 0);
    Clica(p(), "btnRemover");
    Clica(p(), "btnOk");
    ASSERT_EQ(msg.confirmacoes.size(), 1);
    EXPECT_FALSE(p()->isVisible());
    ASSERT_EQ(ObraDe(d).ProtecoesTopo[2].size(), 1u);
    EXPECT_EQ(ObraDe(d).ProtecoesTopo[2][0].HoraRetirada, 72.0);

    // The bottom of the stack has its own list and does not move the counter.
    p()->Abre();
    Marca(Filho<QCheckBox>(p(), "chkBase"));
    EXPECT_EQ(tabela->rowCount(), 0);
    Clica(p(), "btnAcrescentar");
    Clica(p(), "btnOk");
    EXPECT_EQ(ObraDe(d).ProtecoesBase.size(), 1u);
    EXPECT_EQ(Texto(p(), "lbCamada"), QStringLiteral("1"));
    EXPECT_EQ(ObraDe(d).ProtecoesTopo[1].size(), 2u);
}

}  // namespace
