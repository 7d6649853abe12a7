#include "results/ComparacaoProjetos.h"

#include <algorithm>

#include "core/Alturas.h"
#include "core/Numeros.h"
#include "stress/IndiceFissuracao.h"

namespace {
const char* const Nada = "—";

std::string Fixo(double v, int decimais) { return Numeros::FormataFixo(v, 0, decimais); }
}  // namespace

TComparacaoProjetos::Figuras TComparacaoProjetos::FigurasDe(const Execucao& e) {
    Figuras f;
    f.Nome = e.Nome;
    const TResumoTermico r = TResumoTermico::Calcula(*e.Dados, *e.Temperaturas, 70.0);
    f.Vazio = r.Vazio;
    if (!r.Vazio) {
        f.TMaxima = r.TMaxima;
        f.NoTMax = r.NoTMax;
        f.HoraTMax = r.HoraTMax;
        const std::vector<double> alturas = Alturas::DosNos(*e.Dados);
        if (r.NoTMax >= 1 && static_cast<std::size_t>(r.NoTMax) < alturas.size())
            f.AlturaTMax = alturas[static_cast<std::size_t>(r.NoTMax)];
        f.CamadaDif = r.CamadaDif;
        f.DifMaxima = r.DifMaxima;
        f.HoraDif = r.HoraDifMaxima;
    }
    if (e.Tensoes && TIndiceFissuracao::ResistenciasDefinidas(*e.Dados, TCurvaTracao::Simples)) {
        const TIndiceFissuracao ind = TIndiceFissuracao::Calcula(*e.Dados, *e.Tensoes, TCurvaTracao::Simples, 1.0);
        if (ind.NoCritico > 0) {
            const auto& no = ind.Nos[static_cast<std::size_t>(ind.NoCritico)];
            f.IndiceMinimo = no.IndiceMinimo;
            f.NoIndice = ind.NoCritico;
            f.HoraIndice = no.Hora;
        }
    }
    return f;
}

TComparacaoProjetos TComparacaoProjetos::Calcula(const Execucao& a, const Execucao& b) {
    TComparacaoProjetos c;
    c.A = FigurasDe(a);
    c.B = FigurasDe(b);
    return c;
}

std::vector<TComparacaoProjetos::Linha> TComparacaoProjetos::Linhas() const {
    std::vector<Linha> linhas;
    auto linha = [&](const std::string& grandeza, std::optional<double> va, std::optional<double> vb, int decimais,
                     bool comDiferenca) {
        Linha l{grandeza, va ? Fixo(*va, decimais) : Nada, vb ? Fixo(*vb, decimais) : Nada, Nada};
        if (comDiferenca && va && vb) l.Diferenca = Fixo(*vb - *va, decimais);
        linhas.push_back(l);
    };
    auto se = [](bool tem, double v) { return tem ? std::optional<double>(v) : std::nullopt; };
    const bool ta = !A.Vazio, tb = !B.Vazio;
    linha("Temperatura máxima [°C]", se(ta, A.TMaxima), se(tb, B.TMaxima), 2, true);
    linha("Nó da máxima", se(ta, A.NoTMax), se(tb, B.NoTMax), 0, false);
    linha("Altura do nó da máxima [m]", se(ta, A.AlturaTMax), se(tb, B.AlturaTMax), 2, true);
    linha("Hora da máxima [h]", se(ta, A.HoraTMax), se(tb, B.HoraTMax), 0, true);
    const bool da = ta && A.CamadaDif > 0, db = tb && B.CamadaDif > 0;
    linha("Maior diferença núcleo-superfície [°C]", se(da, A.DifMaxima), se(db, B.DifMaxima), 2, true);
    linha("Camada da maior diferença", se(da, A.CamadaDif), se(db, B.CamadaDif), 0, false);
    linha("Hora da maior diferença [h]", se(da, A.HoraDif), se(db, B.HoraDif), 0, true);
    linha("Menor índice de fissuração [-]", A.IndiceMinimo, B.IndiceMinimo, 2, true);
    linha("Nó do menor índice", se(A.IndiceMinimo.has_value(), A.NoIndice), se(B.IndiceMinimo.has_value(), B.NoIndice),
          0, false);
    return linhas;
}

std::string TComparacaoProjetos::Texto() const {
    const std::vector<Linha> linhas = Linhas();
    // Widths in characters, not bytes: the names carry accents.
    auto largura = [](const std::string& s) {
        return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    };
    auto ajusta = [&](const std::string& s, std::size_t n, bool direita) {
        const std::size_t l = largura(s);
        const std::string brancos(n > l ? n - l : 0, ' ');
        return direita ? brancos + s : s + brancos;
    };
    std::size_t g = largura("Grandeza"), wa = largura(A.Nome), wb = largura(B.Nome), wd = largura("B - A");
    for (const Linha& l : linhas) {
        g = std::max(g, largura(l.Grandeza));
        wa = std::max(wa, largura(l.ValorA));
        wb = std::max(wb, largura(l.ValorB));
        wd = std::max(wd, largura(l.Diferenca));
    }
    std::string s = "A: " + A.Nome + "\nB: " + B.Nome + "\n\n";
    s += ajusta("Grandeza", g, false) + "  " + ajusta("A", wa, true) + "  " + ajusta("B", wb, true) + "  " +
         ajusta("B - A", wd, true) + "\n";
    for (const Linha& l : linhas) {
        s += ajusta(l.Grandeza, g, false) + "  " + ajusta(l.ValorA, wa, true) + "  " + ajusta(l.ValorB, wb, true) + "  " +
             ajusta(l.Diferenca, wd, true) + "\n";
    }
    return s;
}
