// The stress charts and the Bureau curves save their picture by type like every chart.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "stress/ui/frmEixoTensional.h"
#include "stress/ui/frmGraficoTensional.h"
#include "stress/ui/frmE.h"
#include "stress/ui/frmF.h"

namespace {

struct CasoJanela {
    const char* nome;
    std::function<QAction*(Janelas&)> acao;
};
class SalvarFiguraTensoes : public ::testing::TestWithParam<CasoJanela> {};

TEST_P(SalvarFiguraTensoes, SvgPngPdfEWmf) {
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app(msg, arquivos);
    QTemporaryDir pasta;
    QAction* salvar = GetParam().acao(app.janelas());
    const std::pair<const char*, QByteArray> casos[] = {{"f.svg", "<?xml"},
                                                        {"f.png", "\x89PNG"},
                                                        {"f.pdf", "%PDF-"},
                                                        {"f", QByteArray("\xD7\xCD\xC6\x9A", 4)}};
    for (const auto& [nome, comeco] : casos) {
        arquivos.caminhos.push_back(pasta.filePath(QString::fromUtf8(nome)));
        salvar->trigger();
    }
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join(' ').toStdString();
    for (const auto& [nome, comeco] : casos) {
        QFile f(pasta.filePath(QString::fromUtf8(nome) + (QByteArray(nome) == "f" ? ".wmf" : "")));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << nome;
        EXPECT_TRUE(f.readAll().startsWith(comeco)) << nome;
    }
}
INSTANTIATE_TEST_SUITE_P(
    Janelas, SalvarFiguraTensoes,
    ::testing::Values(CasoJanela{"TensaoTempo", [](Janelas& j) { return j.frmGraficoTensional->SalvarFigura; }},
                      CasoJanela{"TensaoEixo", [](Janelas& j) { return j.frmEixoTensional->SalvarFigura; }},
                      CasoJanela{"CurvaE", [](Janelas& j) { return j.frmE->SalvarFigura; }},
                      CasoJanela{"CurvaF", [](Janelas& j) { return j.frmF->SalvarFigura; }}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
