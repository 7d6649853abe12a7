#pragma once
#include <optional>
#include <string>

#include "analise/Analise.h"
#include "app/lote/Opcoes.h"

// The analyses the batch tool runs for a project, all through the one pipeline and
// all before any output is written: a failure leaves no file behind.
namespace Lote {

// Limits of the summaries printed by --resumo: those the windows start with.
inline constexpr double LimiteTemperatura = 70.0;
inline constexpr double LimiteIndice = 1.0;
inline constexpr TCurvaTracao CurvaIndice = TCurvaTracao::Simples;
inline constexpr double LimiteDiferenca = 20.0;

struct ExecucaoLote {
    Analise Principal;                 // the project, with the summaries of --resumo
    std::optional<Analise> Comparado;  // the other project of --compara
    std::string Remocao;               // the text of --remocao-segura
    std::string Verificacao;           // the text of --verifica
    std::string AvisoFormulacao;       // with --resumo: the verdict the consistent formulation changes
};

// A blank line, then `texto`: how the summaries follow one another on the output.
std::string ComLinha(const std::string& texto);

// --clima: the weather file read into the problem to run (the project file is not
// changed), as the boundary-conditions dialog reads it; ErroEntrada naming the file.
void AplicaClima(const Opcoes& o, TDadosModelo& dados);

// Runs the project of `o` (its outputs already checked by VerificaSaidas).
ExecucaoLote ExecutaProjeto(const Opcoes& o);

// --estudo: the cases on every core (with --parte, those of the share), the file
// written once all of them ran.
int ExecutaEstudo(const Opcoes& o);
// --junta: the shares' files merged into the single run's file.
int ExecutaJunta(const Opcoes& o);
// --calibra: the fit to the measurements; the report on standard output.
int ExecutaCalibracao(const Opcoes& o);

}  // namespace Lote
