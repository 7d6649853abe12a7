#pragma once
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/Historico.h"

// Cracking index of the young concrete, read back from the stress table (column 0 the
// absolute hour, column n node n, "%7.4f" MPa, tension negative): at every node and hour
// in tension, I = f(z)/|σ|, f the chosen tensile strength curve z/(a + b·z) at the age z
// (days) of the node's concrete, and the probability of cracking
// P = 1 − exp(−(I/0.92)^−4.29) of the Japan Concrete Institute guideline (2008), given
// as information. Hours without tension have no index. Only concrete is judged: with
// "Fundação" the nodes of layer 1 (the soil), its top node included, have no index.
enum class TCurvaTracao { Flexao, Simples, Diametral };

struct TIndiceFissuracao {
    struct Ponto {
        double hora = 0.0;
        double valor = 0.0;
    };
    struct No {
        // The lift whose history the stress run gave the node (the joint belongs to the
        // lift below) and whose strength judges it.
        int Camada = 0;
        bool Fundacao = false;   // a node of the soil under the member: not judged
        bool ComTracao = false;  // some hour in tension: the fields below hold
        double IndiceMinimo = 0.0;
        double Hora = 0.0;        // absolute hour of the minimum (first on ties)
        double Tensao = 0.0;      // σ at that hour, MPa (negative)
        double Resistencia = 0.0; // f at that hour, MPa
        double Probabilidade = 0.0;
        std::vector<Ponto> Indices;  // (hour, I) of every hour in tension
    };

    TCurvaTracao Curva = TCurvaTracao::Simples;
    double Limite = 1.0;
    std::vector<No> Nos;  // slot 0 unused
    int NoCritico = 0;    // lowest minimum index (lowest node on ties); 0 without tension
    int NosFundacao = 0;  // nodes 1..NosFundacao are the soil's, left out

    // P(I) = 1 − exp(−(I/0.92)^−4.29); I ≤ 0 is refused by the callers (no tension, no index).
    static double Probabilidade(double indice);
    // "Tração na Flexão", "Tração Simples", "Tração por Compressão Diâmetral".
    static const char* NomeCurva(TCurvaTracao curva);
    // a and b of the curve; both zero while the strength window was never confirmed.
    static void Coeficientes(const TDadosModelo& dados, TCurvaTracao curva, double& a, double& b);
    static bool ResistenciasDefinidas(const TDadosModelo& dados, TCurvaTracao curva);

    // Reads `tensoes`. Raises ErroEntrada when the curve's a and b are both zero (the
    // strengths were not entered), ErroConversao quoting a cell that is not a number
    // (empty cells are skipped: hours before a layer's placement) and ErroCalculo when
    // the curve has no finite positive value at an age where the node is in tension.
    static TIndiceFissuracao Calcula(const TDadosModelo& dados, const HistoricoNumerico& tensoes, TCurvaTracao curva,
                                     double limite);

    // Nodes whose minimum index lies below the limit.
    std::vector<int> NosAbaixoDoLimite() const;

    // The headline: the lowest index with its node, hour and probability, or why
    // there is none.
    std::string LinhaCritico() const;
    // Which nodes were left out as the soil's; empty without "Fundação".
    std::string LinhaFundacao() const;

    // Text for the screen and for the file (UTF-8, "\n"); `comHistorico` adds the index
    // of every node at every hour in tension.
    std::string Texto(bool comHistorico = true) const;
    // The file: Windows-1252, CR LF.
    std::string Bytes() const;
    // Written whole or not at all (ErroEntrada "Não foi possível salvar o arquivo").
    void Grava(const std::string& caminho) const;
};
