#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A study spread over many machines or processes: each runs one share of the cases
// (--parte K/N) and writes the single run's file restricted to its rows, after one line
// that says which share it is; the merge (--junta) checks the shares belong together and
// are all there, and gives back the single run's file byte for byte. The work itself is
// handed out by whatever runs the processes (a scheduler's job array, GNU parallel).
namespace Partes {

struct TParte {
    int K = 1;  // 1-based
    int N = 1;
};
inline constexpr int MaxPartes = 100000;

// "K/N" as typed after --parte; ErroEntrada in Portuguese unless 1 ≤ K ≤ N ≤ MaxPartes.
TParte Le(std::string_view texto);

// The cases of share K of N over `total`: [Inicio, Fim), contiguous and in the cases'
// order, so that the shares in order are the whole; their sizes differ by one at most.
struct TFaixa {
    long long Inicio = 0;
    long long Fim = 0;
};
TFaixa Faixa(long long total, TParte p);

// A fingerprint of what makes the cases (the study's own text), so that shares of
// different studies are not merged.
std::uint64_t Assinatura(std::string_view texto);

// What kind of study the shares are of: its cases, or the samples of an uncertainty
// study (whose summary the merge makes again from the rows).
enum class TTipoEstudo { Cronograma, Incerteza };

// The file of a share from the single run's file of its cases (UTF-8 BOM, header line,
// one record per case, CR LF): the share's line goes after the BOM.
std::string ArquivoDaParte(const std::string& completo, TParte p, long long total, std::uint64_t assinatura,
                           TTipoEstudo tipo = TTipoEstudo::Cronograma);

struct TArquivoParte {
    std::string Nome;      // for the messages
    std::string Conteudo;  // as read
};
struct TJuncao {
    std::string Conteudo;  // BOM, the header, every row in the study's order
    std::uint64_t Assinatura = 0;
    TTipoEstudo Tipo = TTipoEstudo::Cronograma;
};
// The single run's rows from the files of every share, given in any order. ErroEntrada,
// naming the file, for a file that is not a share, shares of different studies or of
// another split, a share missing or given twice, or a share whose rows are not all there.
TJuncao Junta(const std::vector<TArquivoParte>& partes);

}  // namespace Partes
