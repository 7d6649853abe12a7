// The batch tool's outputs are one set: a disk that fills up while the second table is
// written leaves both earlier tables as they were, never a pair of two different runs.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "RodaLote.h"

namespace {

const std::string Radier = std::string(NORVIK_FONTES) + "/exemplos/radier-verao-mantas.n1d.json";

std::size_t Paginas(std::size_t bytes) { return (bytes + 4095) / 4096; }

// A small file system of its own (a tmpfs), mounted for the test and removed after it.
class DiscoPequeno {
public:
    DiscoPequeno(const std::string& pasta, std::size_t paginas) : pasta_(pasta) {
        const std::string opcoes = "size=" + std::to_string(paginas * 4) + "k";
        if (::mount("tmpfs", pasta_.c_str(), "tmpfs", 0, opcoes.c_str()) == 0) montado_ = true;
        else erro_ = std::strerror(errno);
    }
    ~DiscoPequeno() {
        if (montado_) ::umount2(pasta_.c_str(), MNT_DETACH);
    }
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;
    bool Montado() const { return montado_; }
    const std::string& Erro() const { return erro_; }

private:
    std::string pasta_;
    bool montado_ = false;
    std::string erro_;
};

struct CasoDisco {
    const char* nome;
    const char* formato;
};
class LoteDiscoCheio : public ::testing::TestWithParam<CasoDisco> {};

TEST_P(LoteDiscoCheio, NenhumaTabelaTrocada) {
    // The sizes of this run's tables, written where there is room.
    PastaTemporaria livre;
    const std::string formato = GetParam().formato;
    const Saida completa = Roda(livre, Q(Radier) + formato + " --temperaturas " + Q(livre / "t") + " --tensoes " +
                                           Q(livre / "s"));
    ASSERT_EQ(completa.codigo, 0) << completa.err;
    const std::size_t t = LeArquivo(livre / "t").size();
    const std::size_t s = LeArquivo(livre / "s").size();
    ASSERT_GT(Paginas(s), 2u);

    if (::geteuid() != 0) GTEST_SKIP() << "montar um disco pequeno (tmpfs) pede o administrador";
    PastaTemporaria pasta;
    // Room for the two earlier tables and the new temperatures, half the new stresses.
    DiscoPequeno disco(pasta.Caminho().string(), 2 + Paginas(t) + Paginas(s) / 2);
    if (!disco.Montado()) GTEST_SKIP() << "tmpfs não montado: " << disco.Erro();
    GravaArquivo(pasta / "t", "temperaturas anteriores");
    GravaArquivo(pasta / "s", "tensões anteriores");
    const Saida r =
        Roda(pasta, Q(Radier) + formato + " --temperaturas " + Q(pasta / "t") + " --tensoes " + Q(pasta / "s"));
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("\"" + (pasta / "s") + "\": o disco está cheio"), std::string::npos) << r.err;
    EXPECT_TRUE(LeArquivo(pasta / "t") == "temperaturas anteriores") << "a tabela de temperaturas foi trocada";
    EXPECT_TRUE(LeArquivo(pasta / "s") == "tensões anteriores") << "a tabela de tensões foi trocada";
    EXPECT_EQ(pasta.QuantosArquivos(), 2) << "nenhum temporário sobra";
}
INSTANTIATE_TEST_SUITE_P(Formatos, LoteDiscoCheio,
                         ::testing::Values(CasoDisco{"Texto", ""}, CasoDisco{"Csv", " --formato csv"}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
