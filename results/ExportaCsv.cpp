#include "results/ExportaCsv.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"
#include "core/Historico.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "results/ExportaTabela.h"
#include "results/ResumoTermico.h"
#include "serpentinas/DadosSerpentinas.h"
#include "stress/IndiceFissuracao.h"

using Numeros::FormataFixo;
using Numeros::FormataGeral;
using Numeros::FormataInteiro;

namespace ExportaCsv {

namespace {

constexpr std::string_view Fim = "\r\n";

// The table's cells are right-aligned in a fixed width; the spreadsheet wants the number alone.
std::string SemBrancos(const std::string& s) {
    const auto i = s.find_first_not_of(' ');
    if (i == std::string::npos) return {};
    return s.substr(i, s.find_last_not_of(' ') - i + 1);
}

void Linha(std::string& destino, const std::vector<std::string>& campos) {
    for (std::size_t i = 0; i < campos.size(); ++i) {
        if (i) destino += ';';
        destino += Campo(campos[i]);
    }
    destino += Fim;
}

std::string Fixo(double v, int decimais) { return FormataFixo(v + 0.0, 0, decimais); }

// Last node in row `linha` of the temperature history of `membro` (every node without one).
int UltimoColocado(const TDadosModelo* membro, int linha) {
    if (!membro) return std::numeric_limits<int>::max();
    return Membro::UltimoNo(*membro, Membro::CamadasColocadas(*membro, Membro::HoraDaLinha(*membro, linha)));
}

std::string CabecalhoNo(int no, const std::string& unidade) {
    return "Nó " + FormataInteiro(no) + " [" + unidade + "]";
}

}  // namespace

std::string Campo(const std::string& texto) {
    if (texto.find_first_of(";\"\r\n") == std::string::npos) return texto;
    std::string q = "\"";
    for (char c : texto) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + '"';
}

namespace {

// The rows of `tabela` that are rows primeira, primeira + 1, … of the history (row 0,
// the header, gives the spreadsheet's own header instead).
void AcrescentaLinhas(std::string& s, const TabelaTexto& tabela, int primeira, int nElemAtivos,
                      const std::string& unidade, const TDadosModelo* membro) {
    const int colunas = ExportaTabela::ColunasExportadas(tabela, nElemAtivos);
    std::vector<std::string> campos;
    if (primeira == 0) {
        s += Bom;
        campos.push_back("t [h]");
        for (int c = 1; c < colunas; ++c) campos.push_back(CabecalhoNo(c, unidade));
        Linha(s, campos);
    }
    for (int r = std::max(1 - primeira, 0); r < tabela.Linhas(); ++r) {
        if (SemBrancos(tabela.Celula(0, r)).empty()) continue;
        campos.clear();
        const int ultimo = UltimoColocado(membro, primeira + r);
        for (int c = 0; c < colunas; ++c) campos.push_back(c <= ultimo ? SemBrancos(tabela.Celula(c, r)) : std::string());
        Linha(s, campos);
    }
}

constexpr int LinhasPorBloco = 64;

}  // namespace

std::string Tabela(const TabelaTexto& tabela, int nElemAtivos, const std::string& unidade, const TDadosModelo* membro) {
    std::string s;
    AcrescentaLinhas(s, tabela, 0, nElemAtivos, unidade, membro);
    return s;
}

void Escreve(const HistoricoNumerico& numeros, int nElemAtivos, const std::string& unidade, const TDadosModelo* membro,
             const std::function<void(std::string_view)>& escreve) {
    TabelaTexto bloco;
    std::string s;
    // A history without rows still gives the spreadsheet's header.
    for (int primeira = 0; primeira == 0 || primeira < numeros.Linhas(); primeira += LinhasPorBloco) {
        numeros.EscreveTexto(bloco, primeira, LinhasPorBloco);
        s.clear();
        AcrescentaLinhas(s, bloco, primeira, nElemAtivos, unidade, membro);
        escreve(s);
    }
}

std::string Nos(const TabelaTexto& tabela, const std::vector<int>& nos, const std::string& unidade,
                const TDadosModelo* membro) {
    std::string s(Bom);
    std::vector<std::string> campos{"t [h]"};
    for (int n : nos) {
        if (n < 1 || n >= tabela.Colunas())
            throw ErroEntrada("O Nó " + FormataInteiro(n) + " não está na tabela de resultados.");
        campos.push_back(CabecalhoNo(n, unidade));
    }
    Linha(s, campos);
    for (int r = 1; r < tabela.Linhas(); ++r) {
        if (SemBrancos(tabela.Celula(0, r)).empty()) continue;
        campos.assign(1, SemBrancos(tabela.Celula(0, r)));
        const int ultimo = UltimoColocado(membro, r);
        for (int n : nos) campos.push_back(n <= ultimo ? SemBrancos(tabela.Celula(n, r)) : std::string());
        Linha(s, campos);
    }
    return s;
}

std::string Resumo(const TResumoTermico& r) {
    std::string s(Bom);
    Linha(s, {"Grandeza", "Valor", "Unidade"});
    if (r.Vazio) {
        Linha(s, {"A tabela de temperaturas não tem linhas calculadas.", "", ""});
        return s;
    }
    Linha(s, {"Temperatura máxima", Fixo(r.TMaxima, 2), "°C"});
    Linha(s, {"Nó da temperatura máxima", FormataInteiro(r.NoTMax), ""});
    Linha(s, {"Hora da temperatura máxima", FormataGeral(r.HoraTMax), "h"});
    Linha(s, {"Limite de temperatura", FormataGeral(r.Limite), "°C"});
    Linha(s, {"Nó com mais horas no limite ou acima", FormataInteiro(r.NoPior), ""});
    Linha(s, {"Horas desse nó no limite ou acima", FormataGeral(r.HorasPior), "h"});
    if (r.CamadaDif > 0) {
        Linha(s, {"Maior diferença núcleo-superfície", Fixo(r.DifMaxima, 2), "°C"});
        Linha(s, {"Camada da maior diferença", FormataInteiro(r.CamadaDif), ""});
        Linha(s, {"Hora da maior diferença", FormataGeral(r.HoraDifMaxima), "h"});
    }
    s += Fim;
    Linha(s, {"Camada", "Diferença máxima [°C]", "t [h]", "Nó quente", "Nó do topo"});
    for (const auto& c : r.Camadas)
        Linha(s, {FormataInteiro(c.Camada), Fixo(c.DifMaxima, 2), FormataGeral(c.Hora), FormataInteiro(c.NoQuente),
                  FormataInteiro(c.NoTopo)});
    s += Fim;
    Linha(s, {"Nó", "Horas a " + FormataGeral(r.Limite) + " °C ou acima [h]"});
    for (std::size_t n = 1; n < r.HorasAcima.size(); ++n)
        Linha(s, {FormataInteiro(static_cast<long long>(n)), FormataGeral(r.HorasAcima[n])});
    return s;
}

std::string Indice(const TIndiceFissuracao& ind) {
    std::string s(Bom);
    Linha(s, {"Nó", "Camada", "Índice mínimo", "t [h]", "Tensão [MPa]", "Resistência [MPa]",
              "Probabilidade de fissuração [%]", "Situação"});
    for (std::size_t n = 1; n < ind.Nos.size(); ++n) {
        const auto& no = ind.Nos[n];
        const std::string nome = FormataInteiro(static_cast<long long>(n));
        if (no.Fundacao || !no.ComTracao) {
            Linha(s, {nome, FormataInteiro(no.Camada), "", "", "", "", "", no.Fundacao ? "fundação" : "sem tração"});
            continue;
        }
        Linha(s, {nome, FormataInteiro(no.Camada), Fixo(no.IndiceMinimo, 3), FormataGeral(no.Hora),
                  Fixo(no.Tensao, 4), Fixo(no.Resistencia, 4), Fixo(100.0 * no.Probabilidade, 1),
                  no.IndiceMinimo < ind.Limite ? "abaixo do limite" : "passa"});
    }
    return s;
}

void Grava(const std::string& caminho, const std::string& conteudo) { TArquivoAtomico::Grava(caminho, conteudo); }

}  // namespace ExportaCsv

std::string ExportaCsv::Serpentinas(const TResultadosSerpentinas& r) {
    std::string s(Bom);
    s += "Hora (h)";
    for (int L : r.Camadas) {
        const std::string c = Numeros::FormataInteiro(L);
        s += ";Saída da água camada " + c + " (°C);Calor retirado camada " + c + " (W/m²)";
    }
    s += "\r\n";
    for (std::size_t k = 0; k < r.Horas.size(); ++k) {
        s += Numeros::FormataGeral(r.Horas[k]);
        for (std::size_t c = 0; c < r.Camadas.size(); ++c) {
            s += ';';
            if (!std::isnan(r.Saida[c][k])) s += Numeros::FormataFixo(r.Saida[c][k], 0, 2);
            s += ';' + Numeros::FormataFixo(r.Calor[c][k], 0, 1);
        }
        s += "\r\n";
    }
    return s;
}
