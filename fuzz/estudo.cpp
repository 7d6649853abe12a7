// Fuzzing of the study file over a fixed base: refused with ErroEntrada (never
// another exception) or accepted into a study that writes and reads back to the
// same text and whose first case builds or is refused with ErroEntrada.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/DadosModelo.h"
#include "core/Erros.h"
#include "estudos/Estudo.h"
#include "obra/DadosObra.h"

namespace {

std::shared_ptr<const TDadosModelo> Base() {
    static const auto base = [] {
        auto d = std::make_shared<TDadosModelo>();
        d->NCamadas = d->NCamadasMembro = 3;
        d->NElemCamada = 2;
        d->PassoTempo = 1;
        d->TempoTotal = 120;
        d->TAmbConst = 20;
        for (int L = 1; L <= 3; ++L) {
            TCamada& c = d->Camadas[static_cast<std::size_t>(L)];
            c = TCamada{2.0, 1.0, L - 1.0, 2400.0, 1000.0, 1e-5, 8 + 24 * (L - 1), 20.0};
            d->CalorCamadas[static_cast<std::size_t>(L)].C = 300;
            d->CalorCamadas[static_cast<std::size_t>(L)].E = 80;
            d->CalorCamadas[static_cast<std::size_t>(L)].N = 0.45;
            d->CalorCamadas[static_cast<std::size_t>(L)].B = 7;
        }
        ObraEditavel(*d).ProtecoesTopo.resize(4);
        ObraEditavel(*d).ProtecoesTopo[1].push_back(TProtecao{"manta", 0.5, 0, 48});
        return d;
    }();
    return base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    TEstudo e;
    try {
        e = Estudo::LeTexto(texto, "", Base());
    } catch (const ErroEntrada&) {
        return 0;
    }
    // The writer always names the base; the text read may not (the base was given).
    if (e.Projeto.empty()) e.Projeto = "base.n1d.json";
    const std::string gravado = Estudo::Texto(e);
    const TEstudo relido = Estudo::LeTexto(gravado, "", Base());
    if (Estudo::Texto(relido) != gravado) std::abort();
    // A case is a 13 MB state: built now and then, from the first combination.
    static unsigned aceitos = 0;
    if (++aceitos % 16 == 0 && Estudo::Combinacoes(e) <= 1000) {
        static auto caso = std::make_unique<TDadosModelo>();
        std::vector<double> primeiro;
        for (const auto& v : e.Variacoes) primeiro.push_back(v.Valores.front());
        try {
            Estudo::MontaCaso(e, primeiro, *caso);
        } catch (const ErroEntrada&) {
        }
    }
    return 0;
}
