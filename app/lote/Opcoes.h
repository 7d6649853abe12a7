#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/DadosModelo.h"

// The command line of the batch tool: what it asks for, read and checked before
// anything runs.
namespace Lote {

extern const char* const Uso;

struct Opcoes {
    std::string projeto;
    std::optional<std::string> temperaturas;
    std::optional<std::string> tensoes;
    bool ajuda = false;
    bool resumo = false;
    bool verifica = false;
    std::optional<TFormulacao> formulacao;
    std::optional<int> remocaoSegura;  // lift
    int protecao = 0;                  // 0: the one that comes off last
    bool csv = false;
    std::optional<std::string> relatorio;
    std::optional<std::string> compara;  // the other project of the report's comparison
    std::optional<double> limiteTemperatura;
    std::optional<double> limiteDiferenca;
    std::optional<std::string> estudo;
    std::optional<std::string> parte;   // "K/N" of --parte, checked when read
    std::vector<std::string> junta;     // the shares' files of --junta
    std::optional<std::string> saida;
    std::optional<std::string> medicoes;
    std::optional<std::string> origem;
    std::optional<std::string> calibra;
    std::optional<std::string> ate;
    // A weather file for the run (the project file is not changed): ours, or a station's
    // read from the local date and hour of hour 0 in its time zone.
    std::optional<std::string> clima;
    std::optional<std::string> origemClima;  // "AAAA-MM-DD HH:MM" as typed
    std::optional<int> fuso;
};

// Reads the arguments (without the program's name); a refused combination raises ErroEntrada.
Opcoes LeOpcoes(const std::vector<std::string>& args);

// An output that would overwrite the project or another output, or that lies in a
// folder that cannot be written, is refused before anything runs.
void VerificaSaidas(const Opcoes& o);

// Whether two paths name the same file.
bool MesmoArquivo(const std::string& a, const std::string& b);

}  // namespace Lote
